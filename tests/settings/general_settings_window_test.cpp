#include "settings/general_settings_window.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/io_error.h"
#include "settings/settings_passwords.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

using core::Icon;
using core::SettingsPasswordKind;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;

// Settings with the multi-level security on, certificate printing allowed
// and the password "Schule42", as remembered at the last load.
struct Window {
  TempDir dir;
  core::Directories dirs = core::Directories::AllAt(dir.path());
  GeneralSettings settings = DefaultGeneralSettings();
  ProtectedOptions remembered;
  GeneralSettingsView view;
  ScriptedInteraction ui;

  explicit Window(bool multi_level = true) {
    settings.MultiLevelSecurity = multi_level ? 1 : 0;
    settings.CertificatePrinting = 1;
    settings.PlaceDate = "Neustadt";
    settings.ConfigPassword = "Schule42";
    remembered = ProtectedOptionsOf(settings);
    view = ViewOfGeneralSettings(settings, dirs);
  }
};

TEST(GeneralSettingsWindow, WrongPasswordRestoresProtectedOptionsButTakesTheOthers) {
  Window w;
  w.view.CertificatePrinting = false;  // protected
  w.view.PlaceDate = "Altstadt";       // protected
  w.view.EncryptData = true;           // unprotected
  w.view.Publisher = 4;
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "schule42")
      .ExpectAsk(Icon::Error, kNotAllowedToChange);
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.CertificatePrinting, 1);
  EXPECT_EQ(w.settings.PlaceDate, "Neustadt");
  EXPECT_TRUE(w.view.CertificatePrinting);
  EXPECT_EQ(w.view.PlaceDate, "Neustadt");
  EXPECT_EQ(w.settings.EncryptData, 1);
  EXPECT_EQ(w.settings.Publisher, 4);
}

TEST(GeneralSettingsWindow, AbbrechenInThePasswordDialogAlsoRestores) {
  Window w;
  w.view.IgnoreExamHints = true;
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, std::nullopt)
      .ExpectAsk(Icon::Error, "Sie sind nicht berechtigt im passwort-\rgeschützten Teil");
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.IgnoreExamHints, 0);
}

TEST(GeneralSettingsWindow, RightPasswordTakesTheProtectedChange) {
  Window w;
  w.view.CertificatePrinting = false;
  w.view.PlaceDate = std::string(45, 'x');
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42");
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.CertificatePrinting, 0);
  EXPECT_EQ(w.settings.PlaceDate, std::string(40, 'x'));
}

TEST(GeneralSettingsWindow, NoPasswordAskedWithoutProtectedChangeOrWithSecurityOff) {
  Window on;
  on.view.Publisher = 2;
  TakeOverGeneralSettings(on.settings, on.remembered, on.view, on.ui);  // no prompt expected
  EXPECT_EQ(on.settings.Publisher, 2);

  Window off(false);
  off.view.CertificatePrinting = false;
  TakeOverGeneralSettings(off.settings, off.remembered, off.view, off.ui);
  EXPECT_EQ(off.settings.CertificatePrinting, 0);
}

TEST(GeneralSettingsWindow, SwitchingSecurityOnAsksForANewPassword) {
  Window w(false);
  w.view.MultiLevelSecurity = true;
  w.ui.ExpectPasswordChange(core::PasswordDefinitionAnswer{"abcd", "abcd"});
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.MultiLevelSecurity, 1);
  EXPECT_EQ(w.settings.ConfigPassword, "abcd");
  EXPECT_EQ(w.settings.PasswordLength, 4);
}

TEST(GeneralSettingsWindow, ThreeCharacterPasswordIsRefusedAndSecurityStaysOff) {
  Window w(false);
  w.view.MultiLevelSecurity = true;
  w.ui.ExpectPasswordChange(core::PasswordDefinitionAnswer{"abc", "abc"})
      .ExpectAsk(Icon::Error, kPasswordChangeRefused)
      .ExpectAsk(Icon::Information, kMultiLevelSecurityNotSwitchedOn);
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.ConfigPassword, "Schule42");
  // Without a new password the protection would lock the school out.
  EXPECT_EQ(w.settings.MultiLevelSecurity, 0);
  EXPECT_FALSE(w.view.MultiLevelSecurity);
}

TEST(GeneralSettingsWindow, CancelledPasswordChangeLeavesSecurityOff) {
  Window w(false);
  w.view.MultiLevelSecurity = true;
  w.view.CertificatePrinting = false;  // other protected options are taken
  w.ui.ExpectPasswordChange(std::nullopt)
      .ExpectAsk(Icon::Information, kMultiLevelSecurityNotSwitchedOn);
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.MultiLevelSecurity, 0);
  EXPECT_EQ(w.settings.CertificatePrinting, 0);
  EXPECT_TRUE(w.ui.Done());
}

TEST(GeneralSettingsWindow, AbbrechenNeverAuthorisesEvenWithAnEmptyPassword) {
  Window w;
  w.settings.ConfigPassword = "";
  w.view.CertificatePrinting = false;
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, std::nullopt)
      .ExpectAsk(Icon::Error, kNotAllowedToChange);
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.CertificatePrinting, 1);
  // An empty entry with OK does authorise an empty password.
  w.view.CertificatePrinting = false;
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "");
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.CertificatePrinting, 0);
}

TEST(GeneralSettingsWindow, PublisherOutsideTheItemsShowsNoneAndIsKept) {
  Window w;
  w.settings.Publisher = 9;
  w.view = ViewOfGeneralSettings(w.settings, w.dirs);
  EXPECT_EQ(w.view.Publisher, -1);
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.Publisher, 9);
  w.view.Publisher = 2;
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.Publisher, 2);
}

TEST(GeneralSettingsWindow, ChangedCentralSettingsWritesTheOldAndTheNewDirectory) {
  Window w(false);
  TempDir data;
  w.dirs.Data = data.path();
  w.view.CentralSettings = false;  // from the program directory to the data directory
  w.ui.ExpectProgress();
  ApplyGeneralSettings(w.settings, w.remembered, w.view, w.dirs, w.ui);
  ASSERT_TRUE(std::filesystem::exists(w.dir / "ABIEINST.DAT"));
  ASSERT_TRUE(std::filesystem::exists(data / "ABIEINST.DAT"));
  EXPECT_EQ(DecodeGeneralSettings(ReadAll(w.dir / "ABIEINST.DAT")).CentralSettings, 0);
  EXPECT_EQ(DecodeGeneralSettings(ReadAll(data / "ABIEINST.DAT")).CentralSettings, 0);
}

TEST(GeneralSettingsWindow, StandardSetsTheUnprotectedDefaultsOnly) {
  Window w;
  w.settings.EncryptData = 1;
  w.settings.CentralLists = 0;
  w.settings.CentralSettings = 0;
  w.settings.PredecessorAsTemplate = 0;
  w.settings.Publisher = 6;
  StandardGeneralSettings(w.settings, w.dirs, w.view);
  EXPECT_EQ(w.settings.EncryptData, 0);
  EXPECT_EQ(w.settings.CentralLists, 1);
  EXPECT_EQ(w.settings.CentralSettings, 1);
  EXPECT_EQ(w.settings.PredecessorAsTemplate, 1);
  EXPECT_EQ(w.settings.Publisher, 1);
  EXPECT_EQ(ProtectedOptionsOf(w.settings), w.remembered);
  EXPECT_EQ(w.view, ViewOfGeneralSettings(w.settings, w.dirs));
  EXPECT_FALSE(std::filesystem::exists(w.dir / "ABIEINST.DAT"));
}

TEST(GeneralSettingsWindow, ChangingThePasswordNeedsTheOldOne) {
  Window w(false);
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "falsch")
      .ExpectAsk(Icon::Error, kNotAllowedToEnter);
  ChangeConfigPassword(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.ConfigPassword, "Schule42");
  EXPECT_EQ(w.settings.MultiLevelSecurity, 0);
}

TEST(GeneralSettingsWindow, ChangedPasswordSwitchesSecurityOnAndItsRememberedValue) {
  Window w(false);
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42")
      .ExpectPasswordChange(core::PasswordDefinitionAnswer{"neu-pw", "neu-pw"});
  ChangeConfigPassword(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.ConfigPassword, "neu-pw");
  EXPECT_EQ(w.settings.MultiLevelSecurity, 1);
  EXPECT_EQ(w.remembered.MultiLevelSecurity, 1);
  EXPECT_TRUE(w.view.MultiLevelSecurity);
  // Taking over now needs no password: nothing differs from the remembered
  // state.
  TakeOverGeneralSettings(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.MultiLevelSecurity, 1);
}

TEST(GeneralSettingsWindow, RefusedOrCancelledChangeKeepsEverything) {
  Window w(false);
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42")
      .ExpectPasswordChange(core::PasswordDefinitionAnswer{"abcd", "abce"})
      .ExpectAsk(Icon::Error, kPasswordChangeRefused)
      .ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42")
      .ExpectPasswordChange(std::nullopt);
  ChangeConfigPassword(w.settings, w.remembered, w.view, w.ui);
  ChangeConfigPassword(w.settings, w.remembered, w.view, w.ui);
  EXPECT_EQ(w.settings.ConfigPassword, "Schule42");
  EXPECT_EQ(w.settings.MultiLevelSecurity, 0);
  EXPECT_EQ(w.remembered.MultiLevelSecurity, 0);
}

TEST(GeneralSettingsWindow, UebernehmenSavesShowsProgressAndRemembersTheSavedState) {
  Window w;
  w.view.CertificatePrinting = false;
  w.view.CentralLists = false;
  w.ui.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42").ExpectProgress();
  ApplyGeneralSettings(w.settings, w.remembered, w.view, w.dirs, w.ui);
  EXPECT_EQ(w.settings.CertificatePrinting, 0);
  EXPECT_EQ(w.settings.CentralLists, 0);
  EXPECT_EQ(w.remembered, ProtectedOptionsOf(w.settings));
  EXPECT_EQ(w.settings.ConfigPassword, "Schule42");
  const auto b = ReadAll(w.dir / "ABIEINST.DAT");
  ASSERT_EQ(b.size(), 84u);
  EXPECT_EQ(DecodeGeneralSettings(b).CertificatePrinting, 0);
  EXPECT_EQ(DecodeGeneralSettings(b).ConfigPassword, "Schule42");
}

TEST(GeneralSettingsWindow, FailedUebernehmenLeavesTheSettingsInMemory) {
  Window w;
  test::WriteAll(w.dir / "plain", {1});
  w.dirs.Settings = w.dir / "plain";
  w.view.EncryptData = true;
  const GeneralSettings before = w.settings;
  EXPECT_THROW(ApplyGeneralSettings(w.settings, w.remembered, w.view, w.dirs, w.ui), IoError);
  EXPECT_EQ(w.settings.EncryptData, before.EncryptData);
  EXPECT_EQ(w.settings.carried, before.carried);
}

}  // namespace
}  // namespace tolka::settings
