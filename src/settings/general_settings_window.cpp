#include "settings/general_settings_window.h"

#include "core/file_io.h"
#include "settings/settings_passwords.h"

namespace tolka::settings {

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

// The entered password of the configuration password dialog: the accepted
// text, empty after a wrong entry or Abbrechen.
std::string EnteredConfigPassword(const GeneralSettings& settings, core::Interaction& ui) {
  const auto typed = ui.SettingsPasswordDialog(core::SettingsPasswordKind::Configuration);
  if (!typed) return {};
  return AcceptConfigPassword(*typed, settings.ConfigPassword);
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
  view.Publisher = s.Publisher;
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
    if (EnteredConfigPassword(s, ui) != s.ConfigPassword) {
      SetProtectedOptions(s, remembered);
      ShowProtected(remembered, view);
      ui.Tell(core::Icon::Error, kNotAllowedToChange);
    }
  } else if (remembered.MultiLevelSecurity != 1 && s.MultiLevelSecurity == 1) {
    RunPasswordChange(s, ui);
  }

  // Step 4.
  s.EncryptData = Flag(view.EncryptData);
  s.PredecessorAsTemplate = Flag(view.PredecessorAsTemplate);
  s.CentralLists = Flag(view.CentralLists);
  s.CentralSettings = Flag(view.CentralSettings);
  s.Publisher = static_cast<uint16_t>(view.Publisher);
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
  if (EnteredConfigPassword(s, ui) != s.ConfigPassword) {
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
  SaveGeneralSettings(work, dirs);
  settings = work;
  remembered = ProtectedOptionsOf(settings);
  ui.ShowProgress();
}

}  // namespace tolka::settings
