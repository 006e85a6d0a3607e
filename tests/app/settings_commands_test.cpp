#include "app/settings_commands.h"

#include <gtest/gtest.h>

#include "app/startup.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "settings/name_lists.h"
#include "settings/settings_passwords.h"
#include "support/file_size_limit.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using core::SettingsPasswordKind;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;

settings::SchoolData School() {
  settings::SchoolData school;
  school.SchoolName = "Gymnasium Neustadt";
  school.SchoolNumber = "4711";
  school.SchoolKey = "Schulschluessel";
  return school;
}

// A program directory with changed settings files of every kind.
struct Installation {
  TempDir dir;
  AppState state;
  ScriptedInteraction quiet;

  explicit Installation(bool changed) {
    auto dirs = core::Directories::AllAt(dir.path());
    settings::SaveSchoolData(School(), dirs, true);
    if (changed) {
      settings::GeneralSettings general = settings::DefaultGeneralSettings();
      general.CertificatePrinting = 1;
      general.PlaceDate = "Neustadt, 1. Juli";
      settings::SaveGeneralSettings(general, dirs);
      settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
      catalogue.Entries[26].SubjectName = "Astronomie";
      settings::SaveSubjectCatalogue(catalogue, dirs, true);
      settings::ExamSettings exam = settings::BuiltInExamSettings();
      exam.MaxBasicCourses = 13;
      settings::SaveExamSettings(exam, dirs, true, "Schule", "01.07.2026");
      print::PrintSettings print;
      print::ResetPrintSettings(print);
      print.Margins[3] = -12;
      print::SavePrintSettings(print, dirs, true);
      settings::SaveNameList(settings::NameListKind::Classes, dirs, {"12a", "12b"});
      settings::SaveNameList(settings::NameListKind::Tutors, dirs, {"Frau Lehmann"});
      settings::SaveNameList(settings::NameListKind::ProjectCourses, dirs, {"Theater"});
    }
    StartUp(state, quiet, dir.path());
  }
  Installation() : Installation(true) {}
  ~Installation() = default;
};

TEST(SettingsExport, ThenImportIntoAFreshProgramDirectoryGivesTheSameSettings) {
  Installation from;
  TempDir target;
  from.quiet.ExpectAsk(Icon::Information, "7 Einstellungsdateien wurden exportiert");
  EXPECT_EQ(ExportSettings(from.state, from.quiet, target.path(), false), 7u);
  // Backups never; FHRINFO.DAT does not exist here and is left out.
  EXPECT_FALSE(fs::exists(target / "ABIEINST.BAK"));
  EXPECT_FALSE(fs::exists(target / "DRKEINST.BAK"));
  EXPECT_FALSE(fs::exists(target / "FHRINFO.DAT"));
  EXPECT_FALSE(fs::exists(target / "SCHULE.INI"));

  Installation to(false);
  to.quiet
      .ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings,
                              settings::SubjectSettingsPassword(School()))
      .ExpectSettingsPassword(SettingsPasswordKind::ExamSettings,
                              settings::ExamSettingsPassword(School()))
      .ExpectAsk(Icon::Confirmation, "Sollen diese Einstellungsdateien importiert werden?",
                 Answer::Yes)
      .ExpectAsk(Icon::Information, "7 Einstellungsdateien wurden importiert");
  EXPECT_TRUE(ImportSettings(to.state, to.quiet, target.path(), false));
  EXPECT_TRUE(to.quiet.Done());
  EXPECT_EQ(to.state.General.PlaceDate, "Neustadt, 1. Juli");
  EXPECT_EQ(to.state.Catalogue.Entries[26].SubjectName, "Astronomie");
  EXPECT_EQ(to.state.Exam.MaxBasicCourses, 13);
  EXPECT_EQ(to.state.Print.Margins[3], -12);
  for (const char* name : {"ABIEINST.DAT", "FachDef.DAT", "AbiDef.DAT", "DRKEINST.DAT",
                           "PKURSE.PKL", "TUTOREN.STL", "KLASSEN.KLL"}) {
    EXPECT_EQ(ReadAll(to.dir / name), ReadAll(from.dir / name)) << name;
  }
}

TEST(SettingsExport, AsksBeforeOverwritingAndBeforeTheSchoolKeyLeaves) {
  Installation from;
  TempDir target;
  test::WriteAll(target / "FachDef.DAT", {1, 2, 3});
  from.quiet.ExpectAsk(Icon::Confirmation, "FachDef.DAT", Answer::No);
  EXPECT_EQ(ExportSettings(from.state, from.quiet, target.path(), false), 0u);
  EXPECT_EQ(ReadAll(target / "FachDef.DAT"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(fs::exists(target / "ABIEINST.DAT"));

  from.quiet.ExpectAsk(Icon::Warning, "SCHULE.INI", Answer::No);
  EXPECT_EQ(ExportSettings(from.state, from.quiet, target.path(), true), 0u);
  EXPECT_FALSE(fs::exists(target / "SCHULE.INI"));

  from.quiet.ExpectAsk(Icon::Warning, "SCHULE.INI", Answer::Yes)
      .ExpectAsk(Icon::Confirmation, "FachDef.DAT", Answer::Yes)
      .ExpectAsk(Icon::Information, "8 Einstellungsdateien");
  EXPECT_EQ(ExportSettings(from.state, from.quiet, target.path(), true), 8u);
  EXPECT_TRUE(fs::exists(target / "SCHULE.INI"));
  EXPECT_TRUE(from.quiet.Done());
}

TEST(SettingsImport, OneDamagedFileImportsNothing) {
  Installation from;
  TempDir source;
  from.quiet.ExpectAsk(Icon::Information, "exportiert");
  ExportSettings(from.state, from.quiet, source.path(), false);
  test::WriteAll(source / "DRKEINST.DAT", std::vector<uint8_t>(289, 0));

  Installation to(false);
  to.quiet.ExpectAsk(Icon::Error, "DRKEINST.DAT");
  EXPECT_FALSE(ImportSettings(to.state, to.quiet, source.path(), false));
  EXPECT_FALSE(fs::exists(to.dir / "FachDef.DAT"));
  EXPECT_FALSE(fs::exists(to.dir / "ABIEINST.DAT"));
  EXPECT_EQ(to.state.Catalogue.Entries[26].SubjectName, "   - - -");
}

// FHRINFO.DAT has its fixed size too: a damaged one imports nothing.
TEST(SettingsImport, ADamagedFhrInfoFileImportsNothing) {
  Installation from;
  TempDir source;
  from.quiet.ExpectAsk(Icon::Information, "exportiert");
  ExportSettings(from.state, from.quiet, source.path(), false);
  test::WriteAll(source / "FHRINFO.DAT", std::vector<uint8_t>(127, 0));

  Installation to(false);
  to.quiet.ExpectAsk(Icon::Error, "FHRINFO.DAT");
  EXPECT_FALSE(ImportSettings(to.state, to.quiet, source.path(), false));
  EXPECT_FALSE(fs::exists(to.dir / "FachDef.DAT"));
  EXPECT_FALSE(fs::exists(to.dir / "FHRINFO.DAT"));
}

TEST(SettingsImport, WrongOrCancelledPasswordImportsNothing) {
  Installation from;
  TempDir source;
  from.quiet.ExpectAsk(Icon::Information, "exportiert");
  ExportSettings(from.state, from.quiet, source.path(), false);

  Installation to(false);
  to.quiet.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, "falsch")
      .ExpectAsk(Icon::Error, "NICHTS importiert");
  EXPECT_FALSE(ImportSettings(to.state, to.quiet, source.path(), false));
  to.quiet
      .ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings,
                              settings::SubjectSettingsPassword(School()))
      .ExpectSettingsPassword(SettingsPasswordKind::ExamSettings, std::nullopt)
      .ExpectAsk(Icon::Error, "NICHTS importiert");
  EXPECT_FALSE(ImportSettings(to.state, to.quiet, source.path(), false));
  EXPECT_FALSE(fs::exists(to.dir / "FachDef.DAT"));
  EXPECT_TRUE(to.quiet.Done());
}

TEST(SettingsImport, MultiLevelSecurityAsksTheConfigurationPassword) {
  Installation from;
  TempDir source;
  test::WriteAll(source / "KLASSEN.KLL", {'1', '3', 'c', '\r', '\n'});
  test::WriteAll(source / "ABIEINST.DAT", ReadAll(from.dir / "ABIEINST.DAT"));
  from.state.General.MultiLevelSecurity = 1;
  from.state.General.ConfigPassword = "Schule42";
  from.quiet.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "schule42")
      .ExpectAsk(Icon::Error, "NICHTS importiert");
  EXPECT_FALSE(ImportSettings(from.state, from.quiet, source.path(), false));
  EXPECT_NE(ReadAll(from.dir / "KLASSEN.KLL"), ReadAll(source / "KLASSEN.KLL"));
  EXPECT_TRUE(from.quiet.Done());
}

TEST(SettingsImport, FailedWriteGivesTheEarlierFilesTheirOldContentBack) {
  TempDir source;
  test::WriteAll(source / "PKURSE.PKL", {'A', '\r', '\n'});
  test::WriteAll(source / "TUTOREN.STL", std::vector<uint8_t>(5000, 'x'));
  Installation to;
  const auto old_courses = ReadAll(to.dir / "PKURSE.PKL");
  to.quiet.ExpectAsk(Icon::Confirmation, "PKURSE.PKL", Answer::Yes);
  {
    test::FileSizeLimit limit(1000);
    EXPECT_THROW(ImportSettings(to.state, to.quiet, source.path(), false), IoError);
  }
  EXPECT_EQ(ReadAll(to.dir / "PKURSE.PKL"), old_courses);
}

TEST(SubjectUsage, CountsListedStudentsStillNamingAVanishedSubject) {
  core::StudentTable table;
  table.Initialise(settings::IntroPhaseDefaultsOf(settings::BuiltInSubjectCatalogue()));
  table.At(0).Surname = "Adam";
  table.At(0).CourseChoices[3].Subject = "Biologie";
  table.At(1).Surname = "Berta";
  table.At(1).ForeignLanguages[1].Subject = "Latein";
  table.At(2).Surname = "Carl";
  table.At(35).Surname = "Spill";  // not listed
  table.At(35).CourseChoices[0].Subject = "Biologie";
  EXPECT_EQ(CountStudentsUsingSubjects(table, {"Biologie", "Latein"}), 2u);
  EXPECT_EQ(CountStudentsUsingSubjects(table, {}), 0u);
  // Intro-phase defaults name "Deutsch" in every initialised record, free
  // slots included: only listed students with data count.
  EXPECT_EQ(CountStudentsUsingSubjects(table, {"Deutsch"}), 3u);
  EXPECT_NE(SubjectUsageMessage(table, {"Biologie"}).find("1 Schüler"), std::string::npos);
  EXPECT_EQ(SubjectUsageMessage(table, {}), "");
}

}  // namespace
}  // namespace tolka::app
