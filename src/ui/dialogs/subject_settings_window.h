// The subject settings window "Fächereinstellungen" (`TFachForm`): one entry
// of the subject catalogue at a time, chosen with the spin control "Nummer"
// (1..30). The window works on a copy of the catalogue: moving to another
// number takes the shown values over into the copy, "OK" takes them over,
// writes FachDef.DAT and only then puts the copy in force; "Abbrechen" and
// the close box leave the catalogue as it was when the window opened. A
// field that fails is named and focused and nothing of the entry changes.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_state.h"
#include "core/interaction.h"
#include "settings/subject_catalogue.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tolka::ui {

class SubjectSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  SubjectSettingsWindow(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // Shows the entry of the current number (kept between openings) of a copy
  // of the catalogue in force, modally. True when "OK" saved it.
  bool Run();

  int CurrentNumber() const { return number_; }

 private:
  void Show();
  settings::SubjectEntryTexts Read() const;
  // Takes the shown values into the copy; false (message shown, field
  // focused) when a field fails.
  bool TakeOver();
  void NumberChanged(int number);
  void RestoreStandard();  // "Standard wiederherstellen"
  void Ok();

  app::AppState& state_;
  core::Interaction& ui_;
  settings::SubjectCatalogue work_;
  int number_ = 1;  // the program-wide current number

  QSpinBox* spin_ = nullptr;
  QLineEdit* name_ = nullptr;
  // In the order of settings::SubjectField after the name.
  std::array<QLineEdit*, 7> numbers_{};
  std::array<QCheckBox*, 10> flags_{};
};

}  // namespace tolka::ui
