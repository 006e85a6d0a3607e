#include "app/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/data_file_commands.h"
#include "core/record_texts.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Icon;
using test::ScriptedInteraction;
using test::TempDir;
using test::WriteAll;

const std::string kReadPastEnd = "zu kurz (falsche Größe)";

// Start-up changes the process's current directory; each test gets it back.
class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest() : cwd_(fs::current_path()) {}
  ~StartUpTest() override { fs::current_path(cwd_); }

  fs::path Sub(const std::string& name) {
    fs::create_directories(dir_ / name);
    return dir_ / name;
  }

  fs::path cwd_;
  TempDir dir_;
};

void WriteGeneral(const fs::path& dir, uint16_t central_settings, uint16_t central_lists,
                  uint16_t encrypt = 0) {
  settings::GeneralSettings general;
  general.ConfigPassword = settings::DefaultConfigPassword();
  general.CentralSettings = central_settings;
  general.CentralLists = central_lists;
  general.EncryptData = encrypt;
  WriteAll(dir / "ABIEINST.DAT", settings::EncodeGeneralSettings(general));
}

void WriteExam(const fs::path& dir, uint16_t max_basic_courses) {
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  exam.MaxBasicCourses = max_basic_courses;
  WriteAll(dir / "AbiDef.DAT", settings::EncodeExamSettings(exam));
}

void WritePrint(const fs::path& dir, int32_t first_margin) {
  print::PrintSettings print;
  print::ResetPrintSettings(print);
  print.Margins[0] = first_margin;
  WriteAll(dir / "DRKEINST.DAT", print::EncodePrintSettings(print));
}

// A catalogue in which "Religion" (entry 20) fills the first introductory
// row in place of "Deutsch".
void WriteCatalogue(const fs::path& dir, const std::string& first_intro_subject) {
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  for (auto& entry : catalogue.Entries) {
    if (entry.IntroPosition == 1) entry.IntroPosition = 0;
    if (entry.SubjectName == first_intro_subject) entry.IntroPosition = 1;
  }
  WriteAll(dir / "FachDef.DAT", settings::EncodeSubjectCatalogue(catalogue));
}

TEST_F(StartUpTest, WithoutSettingsFilesEverythingStartsAtItsDefaults) {
  AppState state;
  state.Data.Modified = true;
  state.Data.CurrentFileName = "ALT.TLK";
  ScriptedInteraction ui;
  StartUp(state, ui, dir_.path());

  EXPECT_EQ(state.Dirs.Program, dir_.path());
  EXPECT_EQ(state.Dirs.Data, dir_.path());
  EXPECT_EQ(state.Dirs.Settings, dir_.path());
  EXPECT_EQ(state.Dirs.Lists, dir_.path());
  EXPECT_TRUE(fs::equivalent(fs::current_path(), dir_.path()));

  EXPECT_EQ(state.Data.CurrentFileName, "VORLAGE.TLK");
  EXPECT_FALSE(state.Data.Modified);
  EXPECT_FALSE(state.Data.Protected);
  EXPECT_FALSE(state.Data.ShownEnciphered);
  EXPECT_EQ(state.Data.Variant, core::CipherVariant::Neu);
  EXPECT_EQ(state.Data.PasswordField, "");

  const auto& first = state.Data.Table.At(0);
  EXPECT_EQ(first.Surname, core::kFreeSlot);
  EXPECT_EQ(first.StudentId, "1");
  EXPECT_EQ(state.Data.Table.At(34).StudentId, "35");
  const char* intro[9] = {"Deutsch",    "Kunst und Gestaltung", "Musik",
                          "Geschichte", core::kNothingChosen,   "Sozialkunde",
                          "Geographie", "Mathematik",           "Sport"};
  const char* second_mark = "-##--##--";  // "#" for the one-semester subjects
  for (size_t r = 0; r < 9; ++r) {
    EXPECT_EQ(first.IntroPhase[r].Subject, intro[r]) << r;
    EXPECT_EQ(first.IntroPhase[r].Mark2, std::string(1, second_mark[r])) << r;
  }

  EXPECT_EQ(state.General.CentralSettings, 1);
  EXPECT_EQ(state.General.EncryptData, 0);
  EXPECT_EQ(state.Exam.MaxBasicCourses, 12);
  EXPECT_EQ(state.Print.Margins[0], 150);
  EXPECT_EQ(state.Catalogue.Entries[4].SubjectName, "Deutsch");
}

TEST_F(StartUpTest, TheSettingsFilesOfTheProgramDirectoryAreLoaded) {
  WriteGeneral(dir_.path(), 1, 1, /*encrypt=*/1);
  WriteExam(dir_.path(), 11);
  WritePrint(dir_.path(), 200);
  WriteCatalogue(dir_.path(), "Religion");
  AppState state;
  ScriptedInteraction ui;
  StartUp(state, ui, dir_.path());
  EXPECT_EQ(state.General.EncryptData, 1);
  EXPECT_EQ(state.Exam.MaxBasicCourses, 11);
  EXPECT_EQ(state.Print.Margins[0], 200);
  // The catalogue is loaded before the table is initialised from it.
  EXPECT_EQ(state.Data.Table.At(0).IntroPhase[0].Subject, "Religion");
}

TEST_F(StartUpTest, DamagedSettingsFilesAreReportedInLoadingOrderAndDefaultsKept) {
  WriteAll(dir_ / "ABIEINST.DAT", std::vector<uint8_t>(50, 1));
  WriteAll(dir_ / "DRKEINST.DAT", std::vector<uint8_t>(289, 7));
  WriteAll(dir_ / "FachDef.DAT", std::vector<uint8_t>(100, 7));
  WriteAll(dir_ / "AbiDef.DAT", std::vector<uint8_t>(10, 7));
  AppState state;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Error, "ABIEINST.DAT\r(Die Datei ist " + kReadPastEnd + ")")
      .ExpectAsk(Icon::Error, "Datei hat falsche Größe!")
      .ExpectAsk(Icon::Error, kReadPastEnd)
      .ExpectAsk(Icon::Error, kReadPastEnd);
  StartUp(state, ui, dir_.path());
  EXPECT_EQ(state.General.ConfigPassword, settings::DefaultConfigPassword());
  EXPECT_EQ(state.General.CentralSettings, 1);
  EXPECT_EQ(state.General.MultiLevelSecurity, 0);
  EXPECT_EQ(state.LoadedProtected, settings::ProtectedOptionsOf(state.General));
  EXPECT_EQ(state.Print.Margins[0], 150);
  EXPECT_EQ(state.Print.PrintMode, 1);
  EXPECT_EQ(state.Catalogue.Entries[4].SubjectName, "Deutsch");
  EXPECT_EQ(state.Exam.MaxBasicCourses, 12);
  EXPECT_EQ(state.Exam.MinWeeklyHours, 27);
  EXPECT_EQ(state.Data.Table.At(0).IntroPhase[0].Subject, "Deutsch");
  EXPECT_TRUE(state.Data.IsUntitled());
}

TEST_F(StartUpTest, AProgramDirectoryThatCannotBeEnteredIsReportedAndStartUpGoesOn) {
  const fs::path missing = dir_ / "fehlt";
  AppState state;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Information, "Problem beim Zugriff auf das Programmverzeichnis:\r" +
                                      missing.string() +
                                      "\rEventuell können bestimmte Unterstützungs-Dateien "
                                      "nicht benutzt werden!");
  StartUp(state, ui, missing);
  EXPECT_EQ(state.Dirs.Program, missing);
  EXPECT_EQ(state.Data.Table.At(0).Surname, core::kFreeSlot);
  EXPECT_EQ(state.Exam.MaxBasicCourses, 12);
}

TEST_F(StartUpTest, OpeningADataFileElsewhereReloadsItsSettingsTheExamSettingsIncluded) {
  const fs::path program = Sub("programm");
  const fs::path data = Sub("daten");
  WriteGeneral(program, 0, 0);
  WriteExam(program, 11);
  WriteExam(data, 10);
  WritePrint(data, 222);
  WriteCatalogue(data, "Religion");
  const std::string school = "Schulname=Gymnasium Süd\r\n";
  WriteAll(data / "SCHULE.INI", std::vector<uint8_t>(school.begin(), school.end()));

  AppState state;
  ScriptedInteraction ui;
  StartUp(state, ui, program);
  EXPECT_EQ(state.Exam.MaxBasicCourses, 11) << "at start the program directory's";
  WriteAll(data / "JG.TLK", state.Data.Block());

  ASSERT_TRUE(OpenDataFile(state, ui, data / "JG.TLK"));
  EXPECT_EQ(state.Dirs.Data, data);
  EXPECT_EQ(state.Dirs.Settings, data);
  EXPECT_EQ(state.Dirs.Lists, data);
  EXPECT_EQ(state.General.CentralSettings, 0) << "read from the program directory";
  EXPECT_EQ(state.Exam.MaxBasicCourses, 10);
  EXPECT_EQ(state.Print.Margins[0], 222);
  EXPECT_EQ(state.Catalogue.Entries[20].IntroPosition, 1);
  EXPECT_EQ(state.School.SchoolName, "Gymnasium Süd");
  // The records of the file are not re-initialised.
  EXPECT_EQ(state.Data.Table.At(0).IntroPhase[0].Subject, "Deutsch");
}

TEST_F(StartUpTest, OpeningWithCentralSettingsKeepsTheProgramDirectorysSettings) {
  const fs::path program = Sub("programm");
  const fs::path data = Sub("daten");
  WriteGeneral(program, 1, 1);
  WriteExam(program, 11);
  WriteExam(data, 10);
  AppState state;
  ScriptedInteraction ui;
  StartUp(state, ui, program);
  WriteAll(data / "JG.TLK", state.Data.Block());
  ASSERT_TRUE(OpenDataFile(state, ui, data / "JG.TLK"));
  EXPECT_EQ(state.Dirs.Settings, program);
  EXPECT_EQ(state.Dirs.Lists, program);
  EXPECT_EQ(state.Exam.MaxBasicCourses, 11);
}

TEST_F(StartUpTest, ADamagedSettingsFileBesideTheDataFileIsReportedOnOpen) {
  const fs::path program = Sub("programm");
  const fs::path data = Sub("daten");
  WriteGeneral(program, 0, 1);
  WriteExam(program, 11);
  WriteAll(data / "AbiDef.DAT", std::vector<uint8_t>(1671, 0));
  AppState state;
  ScriptedInteraction ui;
  StartUp(state, ui, program);
  WriteAll(data / "JG.TLK", state.Data.Block());
  ui.ExpectAsk(Icon::Error, kReadPastEnd);
  ASSERT_TRUE(OpenDataFile(state, ui, data / "JG.TLK"));
  EXPECT_EQ(state.Exam.MaxBasicCourses, 12) << "built-in values for what was not read";
  EXPECT_EQ(state.Data.CurrentFileName, "JG.TLK");
  EXPECT_EQ(state.Dirs.Lists, program);
}

}  // namespace
}  // namespace tolka::app
