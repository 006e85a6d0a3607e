// The logic of the general settings window "Einstellungen" (`TEinstellform`)
// as plain functions over the values it displays, so that the menu command
// runs headless in a test; the Qt window only shows a `GeneralSettingsView`
// and calls these functions for its buttons.
#pragma once

#include <string>

#include "core/directories.h"
#include "core/interaction.h"
#include "settings/general_settings.h"

namespace tolka::settings {

extern const char* const kNotAllowedToChange;
extern const char* const kNotAllowedToEnter;
// Switching the multi-level security on without setting a new password.
extern const char* const kMultiLevelSecurityNotSwitchedOn;
// "Abbrechen" after a password change in the window.
extern const char* const kNewPasswordNotSaved;

// What the window shows: check boxes as bool, the edit field, the radio
// group's item index and the line "gelesen aus: " with the settings
// directory.
struct GeneralSettingsView {
  std::string ReadFrom;  // "gelesen aus: " + settings directory
  // group "allgemeine Optionen"
  bool EncryptData = false;
  bool PredecessorAsTemplate = false;
  bool CentralLists = false;     // under "zentrale Verwaltung:"
  bool CentralSettings = false;  // under "zentrale Verwaltung:"
  // group "passwortgeschützte Optionen"
  bool MultiLevelSecurity = false;
  bool AlwaysEncrypt = false;
  bool CertificatePrinting = false;
  bool DifferentiatedSport = false;
  bool ReserveS1 = false;
  bool IgnoreExamHints = false;
  bool PrintCorrectionCorner = false;
  std::string PlaceDate;
  int Publisher = 1;  // radio group "Verlag", 0..7; -1: no item (stored value outside)
  bool operator==(const GeneralSettingsView&) const = default;
};

// Showing the window: the values in memory.
GeneralSettingsView ViewOfGeneralSettings(const GeneralSettings& settings,
                                          const core::Directories& dirs);

// Taking values over:
//   1. the protected check boxes and `PlaceDate` (cut to 40) into `settings`;
//   2. when the remembered `MultiLevelSecurity` is 1 and a protected value
//      differs from the remembered state: the configuration password dialog;
//      unless the entered password equals `ConfigPassword`, every protected
//      option goes back to its remembered value (in `settings` and `view`)
//      and the error box kNotAllowedToChange is shown;
//   3. otherwise, when `MultiLevelSecurity` was off and is now on: the
//      password change dialog, so that a password is set; unless it ends
//      with a new password the option goes back to off and the information
//      box kMultiLevelSecurityNotSwitchedOn says so;
//   4. the unprotected check boxes and the radio group (a view without a
//      publisher item keeps the stored value).
// The configuration password dialog authorises only with OK and the right
// text: "Abbrechen" never does, also when the stored password is empty.
void TakeOverGeneralSettings(GeneralSettings& settings, const ProtectedOptions& remembered,
                             GeneralSettingsView& view, core::Interaction& ui);

// "Standard herstellen": the unprotected defaults into `settings`, then the
// window shows `settings` again (protected options unchanged, nothing
// written).
void StandardGeneralSettings(GeneralSettings& settings, const core::Directories& dirs,
                             GeneralSettingsView& view);

// "Konfigurationspasswort ändern": the configuration password dialog; a
// wrong entry shows kNotAllowedToEnter. Otherwise the password change
// dialog; when it ends with OK, `MultiLevelSecurity` and its remembered value
// become 1 (the view's check box too). Nothing is written here.
void ChangeConfigPassword(GeneralSettings& settings, ProtectedOptions& remembered,
                          GeneralSettingsView& view, core::Interaction& ui);

// The password change dialog with its accept rule: on OK with two equal
// texts longer than 3 characters `ConfigPassword` becomes the text (cut to
// 15) and the result is true; otherwise the error box
// kPasswordChangeRefused (not for Abbrechen) and false.
bool RunPasswordChange(GeneralSettings& settings, core::Interaction& ui);

// "Übernehmen": take the values over, SaveGeneralSettings, the progress
// dialog. The window then closes with OK. The work is done on a copy and
// put in force only after the file was written, so a failed write (IoError,
// the window stays open) leaves the settings in memory and the old file as
// they were. When `CentralSettings` changed, the record is also written to
// the settings directory it now points at. After the write the remembered
// state becomes the protected
// options just saved: they are the authorised state, and a protection
// switched on here is in force for the next change without a reload.
void ApplyGeneralSettings(GeneralSettings& settings, ProtectedOptions& remembered,
                          GeneralSettingsView& view, const core::Directories& dirs,
                          core::Interaction& ui);

}  // namespace tolka::settings
