// The general settings window "Einstellungen" (`TEinstellform`). It shows a
// settings::GeneralSettingsView of a copy of the settings in force and calls
// settings/general_settings_window.h for its buttons: a password change or
// any option takes effect only with "Übernehmen" (after ABIEINST.DAT was
// written); "Abbrechen" after a password change says that the new password
// was not saved.
#pragma once

#include <QDialog>
#include <array>

#include "app/app_state.h"
#include "core/interaction.h"
#include "settings/general_settings_window.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace tolka::ui {

class GeneralSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  GeneralSettingsWindow(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // Shows a copy of the settings in force modally; true after "Übernehmen".
  bool Run();

  void reject() override;

 private:
  void Show(const settings::GeneralSettingsView& view);
  settings::GeneralSettingsView Read() const;
  void Standard();        // "Standard herstellen"
  void TakeOver();        // "Übernehmen"
  void ChangePassword();  // "Konfigurationspasswort ändern"

  app::AppState& state_;
  core::Interaction& ui_;
  settings::GeneralSettings work_;
  settings::ProtectedOptions remembered_;

  QLabel* read_from_ = nullptr;
  QCheckBox* encrypt_ = nullptr;
  QCheckBox* predecessor_ = nullptr;
  QCheckBox* central_lists_ = nullptr;
  QCheckBox* central_settings_ = nullptr;
  QCheckBox* multi_level_ = nullptr;
  QCheckBox* always_encrypt_ = nullptr;
  QCheckBox* certificates_ = nullptr;
  QCheckBox* sport_ = nullptr;
  QCheckBox* reserve_ = nullptr;
  QCheckBox* ignore_hints_ = nullptr;
  QCheckBox* correction_corner_ = nullptr;
  QLineEdit* place_date_ = nullptr;
  QButtonGroup* publisher_ = nullptr;
};

}  // namespace tolka::ui
