#include "settings/general_settings.h"

#include <gtest/gtest.h>

#include "core/byte_fields.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

namespace L = general_layout;
namespace fs = std::filesystem;
using test::FileSizeLimit;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

GeneralSettings Sample() {
  GeneralSettings s = DefaultGeneralSettings();
  s.MultiLevelSecurity = 1;
  s.AlwaysEncrypt = 1;
  s.CertificatePrinting = 1;
  s.PlaceDate = "Neustadt, den 30.06.";
  s.DifferentiatedSport = 1;
  s.ReserveS1 = 1;
  s.IgnoreExamHints = 1;
  s.PrintCorrectionCorner = 1;
  s.ConfigPassword = "Geheim1";
  s.EncryptData = 1;
  s.PredecessorAsTemplate = 0;
  s.CentralLists = 0;
  s.CentralSettings = 0;
  s.Publisher = 3;
  return s;
}

std::vector<uint8_t> SampleBytes() { return EncodeGeneralSettings(Sample()); }

// A record with every byte set (a file from elsewhere: padding and the bytes
// after the texts hold something) and a valid password length.
std::vector<uint8_t> NoisyBytes() {
  std::vector<uint8_t> b(L::kRecordSize);
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(0x30 + i * 7);
  b[L::kPlaceDate] = 12;
  b[L::kConfigPassword] = 4;
  core::PutU16(b, L::kPasswordLength, 4);
  return b;
}

TEST(GeneralSettingsRecord, FieldsSitAtTheirOffsets) {
  const auto b = SampleBytes();
  ASSERT_EQ(b.size(), 84u);
  EXPECT_EQ(core::GetU16(b, 0), 1);  // MultiLevelSecurity
  EXPECT_EQ(core::GetU16(b, 2), 1);  // AlwaysEncrypt
  EXPECT_EQ(core::GetU16(b, 4), 1);  // CertificatePrinting
  EXPECT_EQ(b[6], 20);               // PlaceDate length
  EXPECT_EQ(core::GetShortString(b, 6, 40), "Neustadt, den 30.06.");
  EXPECT_EQ(core::GetU16(b, 48), 1);  // DifferentiatedSport
  EXPECT_EQ(core::GetU16(b, 50), 1);  // ReserveS1
  EXPECT_EQ(core::GetU16(b, 52), 1);  // IgnoreExamHints
  EXPECT_EQ(core::GetU16(b, 54), 1);  // PrintCorrectionCorner
  EXPECT_EQ(core::GetU16(b, 72), 1);  // EncryptData
  EXPECT_EQ(core::GetU16(b, 74), 0);  // PredecessorAsTemplate
  EXPECT_EQ(core::GetU16(b, 76), 0);  // CentralLists
  EXPECT_EQ(core::GetU16(b, 78), 0);  // CentralSettings
  EXPECT_EQ(core::GetU16(b, 80), 7);  // PasswordLength
  EXPECT_EQ(core::GetU16(b, 82), 3);  // Publisher
}

TEST(GeneralSettingsRecord, PasswordIsScrambledInTheFileAndPlainInMemory) {
  GeneralSettings s = DefaultGeneralSettings();
  s.ConfigPassword = "abcde";
  const auto b = EncodeGeneralSettings(s);
  const auto& key = PasswordKey();
  ASSERT_EQ(key[0], 15);
  EXPECT_EQ(b[56], 5);                // the length byte stays plain
  EXPECT_EQ(core::GetU16(b, 80), 5);  // PasswordLength
  for (size_t i = 1; i <= 5; ++i) {
    EXPECT_EQ(b[56 + i], static_cast<uint8_t>("abcde"[i - 1] ^ key[i])) << i;
    EXPECT_NE(b[56 + i], static_cast<uint8_t>("abcde"[i - 1])) << i;
  }
  for (size_t i = 6; i <= key[0]; ++i) EXPECT_EQ(b[56 + i], ' ') << i;
  EXPECT_EQ(s.ConfigPassword, "abcde");
  EXPECT_EQ(DecodeGeneralSettings(b).ConfigPassword, "abcde");
  EXPECT_EQ(DecodeGeneralSettings(b).PasswordLength, 5);
}

TEST(GeneralSettingsRecord, PasswordIsCutToFifteen) {
  GeneralSettings s = DefaultGeneralSettings();
  s.ConfigPassword = "0123456789abcdefXYZ";
  const auto b = EncodeGeneralSettings(s);
  EXPECT_EQ(b[56], 15);
  EXPECT_EQ(core::GetU16(b, 80), 15);
  EXPECT_EQ(DecodeGeneralSettings(b).ConfigPassword, "0123456789abcde");
}

TEST(GeneralSettingsRecord, DecodeRoundTrips) {
  const GeneralSettings d = DecodeGeneralSettings(SampleBytes());
  const GeneralSettings s = Sample();
  EXPECT_EQ(ProtectedOptionsOf(d), ProtectedOptionsOf(s));
  EXPECT_EQ(d.ConfigPassword, "Geheim1");
  EXPECT_EQ(d.EncryptData, 1);
  EXPECT_EQ(d.PredecessorAsTemplate, 0);
  EXPECT_EQ(d.CentralLists, 0);
  EXPECT_EQ(d.CentralSettings, 0);
  EXPECT_EQ(d.Publisher, 3);
}

TEST(GeneralSettingsRecord, PasswordLengthAboveFifteenIsDamage) {
  auto b = SampleBytes();
  core::PutU16(b, L::kPasswordLength, 15);
  EXPECT_NO_THROW(DecodeGeneralSettings(b));
  core::PutU16(b, L::kPasswordLength, 16);
  try {
    DecodeGeneralSettings(b);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), kGeneralSettingsDamaged);
  }
}

// Two directories: the program directory and another data directory.
struct Install {
  TempDir program;
  TempDir data;
  core::Directories dirs;
  Install() {
    dirs = core::Directories::AllAt(program.path());
    dirs.Data = data.path();
  }
};

TEST(GeneralSettingsLoad, NoFileAnywhereGivesTheDefaultsAndWritesNothing) {
  Install in;
  GeneralSettings s = Sample();
  s.CentralSettings = 0;
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_EQ(load.Message, "");
  EXPECT_EQ(load.Loaded, ProtectedOptions{});
  EXPECT_EQ(ProtectedOptionsOf(s), ProtectedOptions{});
  EXPECT_EQ(s.EncryptData, 0);
  EXPECT_EQ(s.PredecessorAsTemplate, 1);
  EXPECT_EQ(s.CentralLists, 1);
  EXPECT_EQ(s.CentralSettings, 1);
  EXPECT_EQ(s.Publisher, 1);
  EXPECT_EQ(s.PasswordLength, 6);
  ASSERT_EQ(DefaultConfigPassword().size(), 6u);
  for (char c : DefaultConfigPassword()) EXPECT_TRUE(c >= 'a' && c <= 'z');
  EXPECT_EQ(s.ConfigPassword, DefaultConfigPassword());
  EXPECT_TRUE(fs::is_empty(in.program.path()));
  EXPECT_TRUE(fs::is_empty(in.data.path()));
}

TEST(GeneralSettingsLoad, MainFileIsReadAndItsBackupHoldsTheSameBytes) {
  Install in;
  const auto bytes = SampleBytes();
  WriteAll(in.program / "ABIEINST.DAT", bytes);
  WriteAll(in.program / "ABIEINST.BAK", std::vector<uint8_t>(84, 0));
  GeneralSettings s = DefaultGeneralSettings();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_EQ(load.Message, "");
  EXPECT_EQ(s.ConfigPassword, "Geheim1");
  EXPECT_EQ(load.Loaded, ProtectedOptionsOf(Sample()));
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.BAK"), bytes);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.DAT"), bytes);
}

TEST(GeneralSettingsLoad, LongerFileContributesItsFirst84Bytes) {
  Install in;
  auto bytes = SampleBytes();
  auto longer = bytes;
  longer.resize(100, 0xEE);
  WriteAll(in.program / "ABIEINST.DAT", longer);
  GeneralSettings s = DefaultGeneralSettings();
  EXPECT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
  EXPECT_EQ(s.Publisher, 3);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.BAK"), bytes);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.DAT"), longer);  // untouched
}

TEST(GeneralSettingsLoad, ShortMainFileFallsBackToTheGoodBackupAndKeepsIt) {
  Install in;
  const auto good = SampleBytes();
  const std::vector<uint8_t> short_file(good.begin(), good.begin() + 50);
  WriteAll(in.program / "ABIEINST.DAT", short_file);
  WriteAll(in.program / "ABIEINST.BAK", good);
  GeneralSettings s = DefaultGeneralSettings();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("Die Datei ist zu kurz (falsche Größe)"), std::string::npos)
      << load.Message;
  EXPECT_NE(load.Message.find("ABIEINST.DAT"), std::string::npos);
  EXPECT_NE(load.Message.find("ABIEINST.BAK"), std::string::npos);
  EXPECT_EQ(s.ConfigPassword, "Geheim1");
  EXPECT_EQ(load.Loaded, ProtectedOptionsOf(Sample()));
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.BAK"), good);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.DAT"), short_file);
}

TEST(GeneralSettingsLoad, PasswordLength16FallsBackToTheBackup) {
  Install in;
  const auto good = SampleBytes();
  auto damaged = good;
  core::PutU16(damaged, L::kPasswordLength, 16);
  damaged[L::kPublisher] = 5;
  WriteAll(in.program / "ABIEINST.DAT", damaged);
  WriteAll(in.program / "ABIEINST.BAK", good);
  GeneralSettings s = DefaultGeneralSettings();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find(kGeneralSettingsDamaged), std::string::npos) << load.Message;
  EXPECT_EQ(s.Publisher, 3);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.BAK"), good);
}

TEST(GeneralSettingsLoad, DamagedMainFileWithoutBackupGivesTheDefaultsWithTheMessage) {
  Install in;
  WriteAll(in.program / "ABIEINST.DAT", std::vector<uint8_t>(10, 1));
  GeneralSettings s = Sample();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("Die Datei ist zu kurz (falsche Größe)"), std::string::npos);
  EXPECT_NE(load.Message.find("Es gelten die Standardeinstellungen."), std::string::npos);
  EXPECT_EQ(s.ConfigPassword, DefaultConfigPassword());
  EXPECT_EQ(load.Loaded, ProtectedOptions{});
  EXPECT_FALSE(fs::exists(in.program / "ABIEINST.BAK"));
}

TEST(GeneralSettingsLoad, DamagedBackupAloneGivesTheDefaultsWithTheMessage) {
  Install in;
  WriteAll(in.program / "ABIEINST.BAK", std::vector<uint8_t>(83, 0));
  GeneralSettings s = Sample();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("ABIEINST.BAK"), std::string::npos);
  EXPECT_NE(load.Message.find("Standardeinstellungen"), std::string::npos);
  EXPECT_EQ(s.Publisher, 1);
}

TEST(GeneralSettingsLoad, DataDirectoryFileWinsWhenNotCentralAndItsBackupGoesBesideIt) {
  Install in;
  GeneralSettings there = Sample();
  there.Publisher = 4;
  const auto there_bytes = EncodeGeneralSettings(there);
  WriteAll(in.data / "ABIEINST.DAT", there_bytes);
  WriteAll(in.program / "ABIEINST.DAT", SampleBytes());
  GeneralSettings s = Sample();  // in memory: CentralSettings 0
  EXPECT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
  EXPECT_EQ(s.Publisher, 4);
  EXPECT_EQ(in.dirs.Settings, in.data.path());
  EXPECT_EQ(ReadAll(in.data / "ABIEINST.BAK"), there_bytes);
  EXPECT_FALSE(fs::exists(in.program / "ABIEINST.BAK"));

  // With `CentralSettings` 1 in memory only the program directory counts.
  s = DefaultGeneralSettings();
  LoadGeneralSettings(s, in.dirs);
  EXPECT_EQ(s.Publisher, 3);
  EXPECT_EQ(in.dirs.Settings, in.program.path());
}

TEST(GeneralSettingsLoad, ProgramDirectoryFileBecomesTheSettingsDirectory) {
  Install in;
  WriteAll(in.program / "ABIEINST.DAT", SampleBytes());
  WriteAll(in.data / "ABIEINST.BAK", std::vector<uint8_t>(84, 0));
  GeneralSettings s = Sample();  // CentralSettings 0: settings directory = data
  EXPECT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
  EXPECT_EQ(s.Publisher, 3);
  EXPECT_EQ(in.dirs.Settings, in.program.path());
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.BAK"), SampleBytes());
  EXPECT_EQ(ReadAll(in.data / "ABIEINST.BAK"), std::vector<uint8_t>(84, 0));
}

TEST(GeneralSettingsLoad, BackupsAreReadWhenNoMainFileExists) {
  GeneralSettings in_data = Sample();
  in_data.Publisher = 6;
  GeneralSettings in_program = Sample();
  in_program.Publisher = 7;
  {
    Install in;
    WriteAll(in.data / "ABIEINST.BAK", EncodeGeneralSettings(in_data));
    WriteAll(in.program / "ABIEINST.BAK", EncodeGeneralSettings(in_program));
    GeneralSettings s = Sample();
    EXPECT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
    EXPECT_EQ(s.Publisher, 6);
    EXPECT_EQ(in.dirs.Settings, in.data.path());
    EXPECT_FALSE(fs::exists(in.data / "ABIEINST.DAT"));
  }
  {
    Install in;
    WriteAll(in.program / "ABIEINST.BAK", EncodeGeneralSettings(in_program));
    GeneralSettings s = Sample();
    EXPECT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
    EXPECT_EQ(s.Publisher, 7);
    EXPECT_EQ(in.dirs.Settings, in.program.path());
  }
  {
    // The program directory's main file comes before the settings
    // directory's backup.
    Install in;
    WriteAll(in.data / "ABIEINST.BAK", EncodeGeneralSettings(in_data));
    WriteAll(in.program / "ABIEINST.DAT", EncodeGeneralSettings(in_program));
    GeneralSettings s = Sample();
    LoadGeneralSettings(s, in.dirs);
    EXPECT_EQ(s.Publisher, 7);
  }
}

TEST(GeneralSettingsLoad, DamagedDataDirectoryFileWithoutBackupFallsToTheProgramDirectory) {
  Install in;
  WriteAll(in.data / "ABIEINST.DAT", std::vector<uint8_t>(20, 0));
  WriteAll(in.program / "ABIEINST.DAT", SampleBytes());
  GeneralSettings s = Sample();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("Die Datei ist zu kurz (falsche Größe)"), std::string::npos);
  EXPECT_EQ(s.Publisher, 3);
  EXPECT_EQ(in.dirs.Settings, in.program.path());
  EXPECT_EQ(ReadAll(in.data / "ABIEINST.DAT"), std::vector<uint8_t>(20, 0));
}

// The settings directory's own backup comes before the program directory's
// main file: the data directory keeps its settings although its main file is
// damaged.
TEST(GeneralSettingsLoad, DamagedDataDirectoryFileFallsBackToTheBackupBesideIt) {
  Install in;
  GeneralSettings there = Sample();
  there.Publisher = 4;
  const auto there_bytes = EncodeGeneralSettings(there);
  WriteAll(in.data / "ABIEINST.DAT", std::vector<uint8_t>(20, 0));
  WriteAll(in.data / "ABIEINST.BAK", there_bytes);
  WriteAll(in.program / "ABIEINST.DAT", SampleBytes());
  GeneralSettings s = Sample();  // in memory: CentralSettings 0
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("Die Datei ist zu kurz (falsche Größe)"), std::string::npos);
  EXPECT_EQ(s.Publisher, 4);
  EXPECT_EQ(in.dirs.Settings, in.data.path());
  EXPECT_EQ(ReadAll(in.data / "ABIEINST.BAK"), there_bytes);
  EXPECT_EQ(ReadAll(in.data / "ABIEINST.DAT"), std::vector<uint8_t>(20, 0));
  EXPECT_FALSE(fs::exists(in.program / "ABIEINST.BAK"));
}

TEST(GeneralSettingsLoad, BackupThatCannotBeWrittenIsReportedAndTheValuesStay) {
  Install in;
  WriteAll(in.program / "ABIEINST.DAT", SampleBytes());
  fs::create_directory(in.program / "ABIEINST.BAK");  // rename over it fails
  GeneralSettings s = DefaultGeneralSettings();
  const auto load = LoadGeneralSettings(s, in.dirs);
  EXPECT_NE(load.Message.find("Sicherungskopie"), std::string::npos) << load.Message;
  EXPECT_EQ(s.ConfigPassword, "Geheim1");
  EXPECT_EQ(load.Loaded, ProtectedOptionsOf(Sample()));
}

TEST(GeneralSettingsSave, WritesTheRecordAndKeepsThePlainPassword) {
  Install in;
  GeneralSettings s = Sample();
  s.ConfigPassword = "abcde";
  s.PasswordLength = 9;
  SaveGeneralSettings(s, in.dirs);
  EXPECT_EQ(s.ConfigPassword, "abcde");
  EXPECT_EQ(s.PasswordLength, 5);
  const auto b = ReadAll(in.program / "ABIEINST.DAT");
  ASSERT_EQ(b.size(), 84u);
  EXPECT_EQ(core::GetU16(b, 80), 5);
  for (size_t i = 6; i <= 15; ++i) EXPECT_EQ(b[56 + i], ' ');
  GeneralSettings again = DefaultGeneralSettings();
  LoadGeneralSettings(again, in.dirs);
  EXPECT_EQ(again.ConfigPassword, "abcde");
  EXPECT_EQ(again.Publisher, 3);
}

TEST(GeneralSettingsSave, LoadAndSaveIsByteIdentical) {
  Install in;
  const auto noisy = NoisyBytes();
  WriteAll(in.program / "ABIEINST.DAT", noisy);
  GeneralSettings s = DefaultGeneralSettings();
  ASSERT_EQ(LoadGeneralSettings(s, in.dirs).Message, "");
  SaveGeneralSettings(s, in.dirs);
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.DAT"), noisy);
}

TEST(GeneralSettingsSave, FailedWriteLeavesTheOldFileAndThePlainPassword) {
  Install in;
  const auto old = SampleBytes();
  WriteAll(in.program / "ABIEINST.DAT", old);
  GeneralSettings s = Sample();
  s.ConfigPassword = "neuesPW";
  {
    FileSizeLimit limit(10);
    EXPECT_THROW(SaveGeneralSettings(s, in.dirs), IoError);
  }
  EXPECT_EQ(s.ConfigPassword, "neuesPW");
  EXPECT_EQ(ReadAll(in.program / "ABIEINST.DAT"), old);

  core::Directories nowhere = in.dirs;
  WriteAll(in.program / "plain", {1});
  nowhere.Settings = in.program / "plain";  // a regular file as directory
  try {
    SaveGeneralSettings(s, nowhere);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("wurde nicht gefunden"), std::string::npos) << e.what();
  }
  EXPECT_EQ(s.ConfigPassword, "neuesPW");
}

}  // namespace
}  // namespace tolka::settings
