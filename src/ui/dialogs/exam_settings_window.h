// The exam settings window "Abitureinstellungen" (`TAbiDefEinstellForm`):
// six of the exam settings. "Speichern und Beenden" reads every field before
// storing any (a field still showing its stored value keeps it exactly),
// writes AbiDef.DAT and then puts the values in force; "Standard
// wiederherstellen und Beenden" writes the built-in values the same way;
// "Abbrechen" changes nothing.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_state.h"
#include "core/interaction.h"
#include "settings/exam_settings.h"

class QLineEdit;

namespace tolka::ui {

class ExamSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  ExamSettingsWindow(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // Shows the settings in force modally; true when a button wrote them.
  bool Run();

 private:
  void Show(const settings::ExamSettings& exam);
  void SaveAndClose();
  void RestoreAndClose();

  app::AppState& state_;
  core::Interaction& ui_;
  // In the order of settings::ExamSettingsTexts.
  std::array<QLineEdit*, 6> fields_{};
};

}  // namespace tolka::ui
