#include "settings/general_settings_window.h"

#include "core/file_io.h"
#include "settings/settings_passwords.h"

namespace tolka::settings {

// Texts declared in the header: defined here, in this library's code page.
const char* const kMultiLevelSecurityNotSwitchedOn =
    "Der mehrstufige Sicherheitsmechanismus wurde NICHT eingeschaltet,\r"
    "weil kein neues Konfigurationspasswort festgelegt wurde.";
const char* const kNewPasswordNotSaved =
    "Das neue Konfigurationspasswort wurde NICHT gespeichert!\r"
    "(Es gilt erst nach \"Übernehmen\".)";
const char* const kNotAllowedToChange =
    "Sie sind nicht berechtigt im passwort-\rgeschützten Teil der Konfiguration\rÄnderungen "
    "vorzunehmen!";
const char* const kNotAllowedToEnter =
    "Sie sind nicht berechtigt den\rpasswortgeschützten Teil\rder Konfiguration zu betreten!";

namespace {

uint16_t Flag(bool checked) { return checked ? 1 : 0; }

void ShowProtected(const ProtectedOptions& p, GeneralSettingsView& view) {
  view.MultiLevelSecurity = p.MultiLevelSecurity == 1;
  view.AlwaysEncrypt = p.AlwaysEncrypt == 1;
  view.CertificatePrinting = p.CertificatePrinting == 1;
  view.DifferentiatedSport = p.DifferentiatedSport == 1;
  view.ReserveS1 = p.ReserveS1 == 1;
  view.IgnoreExamHints = p.IgnoreExamHints == 1;
  view.PrintCorrectionCorner = p.PrintCorrectionCorner == 1;
  view.PlaceDate = p.PlaceDate;
}

// Whether the configuration password dialog authorises: the typed text
// equals `ConfigPassword`. "Abbrechen" never authorises, also when the
// stored password is empty (the entered password would then equal it).
bool ConfigPasswordAuthorises(const GeneralSettings& settings, core::Interaction& ui) {
  const auto typed = ui.SettingsPasswordDialog(core::SettingsPasswordKind::Configuration);
  if (!typed) return false;
  return *typed == settings.ConfigPassword;
}

}  // namespace

GeneralSettingsView ViewOfGeneralSettings(const GeneralSettings& s, const core::Directories& dirs) {
  GeneralSettingsView view;
  view.ReadFrom = "gelesen aus: " + core::PathText(dirs.Settings);
  view.EncryptData = s.EncryptData == 1;
  view.PredecessorAsTemplate = s.PredecessorAsTemplate == 1;
  view.CentralLists = s.CentralLists == 1;
  view.CentralSettings = s.CentralSettings == 1;
  ShowProtected(ProtectedOptionsOf(s), view);
  view.Publisher = s.Publisher < kPublisherItems.size() ? s.Publisher : -1;
  return view;
}

void TakeOverGeneralSettings(GeneralSettings& s, const ProtectedOptions& remembered,
                             GeneralSettingsView& view, core::Interaction& ui) {
  // Step 1.
  ProtectedOptions shown;
  shown.MultiLevelSecurity = Flag(view.MultiLevelSecurity);
  shown.AlwaysEncrypt = Flag(view.AlwaysEncrypt);
  shown.CertificatePrinting = Flag(view.CertificatePrinting);
  shown.DifferentiatedSport = Flag(view.DifferentiatedSport);
  shown.ReserveS1 = Flag(view.ReserveS1);
  shown.IgnoreExamHints = Flag(view.IgnoreExamHints);
  shown.PrintCorrectionCorner = Flag(view.PrintCorrectionCorner);
  shown.PlaceDate = view.PlaceDate.substr(0, kPlaceDateWidth);
  SetProtectedOptions(s, shown);

  // Steps 2 and 3.
  if (remembered.MultiLevelSecurity == 1 && shown != remembered) {
    if (!ConfigPasswordAuthorises(s, ui)) {
      SetProtectedOptions(s, remembered);
      ShowProtected(remembered, view);
      ui.Tell(core::Icon::Error, kNotAllowedToChange);
    }
  } else if (remembered.MultiLevelSecurity != 1 && s.MultiLevelSecurity == 1) {
    // The protection holds only with a password somebody chose: without
    // one the school would be locked out by the previous (or built-in) one.
    if (!RunPasswordChange(s, ui)) {
      s.MultiLevelSecurity = 0;
      view.MultiLevelSecurity = false;
      ui.Tell(core::Icon::Information, kMultiLevelSecurityNotSwitchedOn);
    }
  }

  // Step 4.
  s.EncryptData = Flag(view.EncryptData);
  s.PredecessorAsTemplate = Flag(view.PredecessorAsTemplate);
  s.CentralLists = Flag(view.CentralLists);
  s.CentralSettings = Flag(view.CentralSettings);
  // No item chosen (a stored value outside the items): the value is kept.
  if (view.Publisher >= 0 && view.Publisher < static_cast<int>(kPublisherItems.size())) {
    s.Publisher = static_cast<uint16_t>(view.Publisher);
  }
}

void StandardGeneralSettings(GeneralSettings& s, const core::Directories& dirs,
                             GeneralSettingsView& view) {
  SetUnprotectedDefaults(s);
  view = ViewOfGeneralSettings(s, dirs);
}

bool RunPasswordChange(GeneralSettings& s, core::Interaction& ui) {
  const auto answer = ui.PasswordChangeDialog();
  if (!answer) return false;
  const auto accepted = AcceptPasswordChange(answer->First, answer->Second);
  if (!accepted) {
    ui.Tell(core::Icon::Error, kPasswordChangeRefused);
    return false;
  }
  s.ConfigPassword = *accepted;
  s.PasswordLength = static_cast<uint16_t>(accepted->size());
  return true;
}

void ChangeConfigPassword(GeneralSettings& s, ProtectedOptions& remembered,
                          GeneralSettingsView& view, core::Interaction& ui) {
  if (!ConfigPasswordAuthorises(s, ui)) {
    ui.Tell(core::Icon::Error, kNotAllowedToEnter);
    return;
  }
  if (!RunPasswordChange(s, ui)) return;
  s.MultiLevelSecurity = 1;
  remembered.MultiLevelSecurity = 1;
  view.MultiLevelSecurity = true;
}

void ApplyGeneralSettings(GeneralSettings& settings, ProtectedOptions& remembered,
                          GeneralSettingsView& view, const core::Directories& dirs,
                          core::Interaction& ui) {
  GeneralSettings work = settings;
  TakeOverGeneralSettings(work, remembered, view, ui);
  // A changed central management moves the settings directory: the record
  // goes there too, so the next load (at the next start or Open) finds the
  // switch where it now looks first. Both files are saved together: a failed
  // second file must not leave the first one switched.
  std::vector<std::filesystem::path> targets{dirs.Settings};
  if (work.CentralSettings != settings.CentralSettings) {
    core::Directories moved = dirs;
    moved.ReevaluateSettings(work.CentralSettings == 1);
    if (moved.Settings != dirs.Settings) targets.push_back(moved.Settings);
  }
  SaveGeneralSettings(work, targets);
  settings = work;
  remembered = ProtectedOptionsOf(settings);
  ui.ShowProgress();
}

}  // namespace tolka::settings
