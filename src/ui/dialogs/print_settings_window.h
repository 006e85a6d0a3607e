// The print settings window "Druck-Einstellungen" (`TEinstellDrkForm`): the
// 46 page margins (Edit1..Edit46: per form kind the pages, left before top),
// the radio group "Druckart / Formulardruck", four check boxes and the
// buttons "Standard wiederherstellen", "Abbrechen" and "Einstellungen
// übernehmen". The window shows print::PrintSettingsView and leaves every
// decision to print/print_settings_window.h; it works on a copy, so the
// settings in force change only after DRKEINST.DAT was written.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_state.h"
#include "core/interaction.h"
#include "print/print_settings_window.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace tolka::ui {

class PrintSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  PrintSettingsWindow(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // Reloads the settings into the copy (unsaved changes of an earlier
  // opening are gone), shows them and runs the window modally. Returns
  // whether the settings were taken over.
  bool Run();

  QLineEdit* MarginEdit(size_t index) const { return margins_.at(index); }

 private:
  void Show(const print::PrintSettingsView& view);
  print::PrintSettingsView Read() const;
  void RestoreStandard();  // "Standard wiederherstellen"
  void TakeOver();         // "Einstellungen übernehmen"

  app::AppState& state_;
  core::Interaction& ui_;
  print::PrintSettings work_;
  std::array<QLineEdit*, print::print_layout::kMarginCount> margins_{};
  QButtonGroup* print_mode_ = nullptr;
  QCheckBox* frame_ = nullptr;
  QCheckBox* no_school_name_ = nullptr;
  QCheckBox* no_certificate_name_ = nullptr;
  QCheckBox* compensated_ = nullptr;
};

}  // namespace tolka::ui
