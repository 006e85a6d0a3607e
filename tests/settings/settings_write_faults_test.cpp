// The settings files and name lists, each save with every write step failing
// in turn: the old file stays, the settings in force stay, the user reads why.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "core/file_io.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/general_settings_window.h"
#include "settings/name_lists.h"
#include "settings/school_data.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::settings {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WalkWriteFaults;
using test::WriteAll;
using test::WriteFaultRun;

// A save of one file into a folder that holds an older version of it (or
// none): the walk checks the folder; here the message.
void WalkSave(const std::string& name, std::optional<std::vector<uint8_t>> old,
              const std::function<void(core::Directories&)>& save) {
  std::unique_ptr<TempDir> dir;
  core::Directories dirs;
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            dirs = core::Directories::AllAt(dir->path());
            if (old) WriteAll(*dir / name, *old);
            return dir->path();
          },
      .Action = [&] { save(dirs); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Failed.Target, *dir / name);
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
          },
  });
}

TEST(SettingsWriteFaults, SubjectCatalogue) {
  SubjectCatalogue catalogue = BuiltInSubjectCatalogue();
  catalogue.Entries[3].SubjectName = "Astronomie";
  WalkSave(kSubjectFileName, std::vector<uint8_t>(18476, 0x20),
           [&](core::Directories& dirs) { SaveSubjectCatalogue(catalogue, dirs, true); });
}

TEST(SettingsWriteFaults, ExamSettingsAndTheirDefaults) {
  const std::vector<uint8_t> old(1672, 0x01);
  WalkSave(kExamSettingsFileName, old, [](core::Directories& dirs) {
    ExamSettings exam = BuiltInExamSettings();
    SaveExamSettings(exam, dirs, true, "Schule", "01.07.2026");
  });
  // "Standard wiederherstellen" puts the defaults in force only once written.
  ExamSettings in_force = BuiltInExamSettings();
  in_force.MaxBasicCourses = 17;
  WalkSave(kExamSettingsFileName, old, [&](core::Directories& dirs) {
    ExamSettings settings = in_force;
    try {
      RestoreDefaultExamSettings(settings, dirs, true);
    } catch (...) {
      EXPECT_EQ(EncodeExamSettings(settings), EncodeExamSettings(in_force));
      throw;
    }
  });
}

TEST(SettingsWriteFaults, SchoolDataMergedIntoTheOldFile) {
  const std::string old = "[Schule]\r\nName=Altes Gymnasium\r\nSchulnummer=1234\r\n";
  SchoolData school;
  school.SchoolName = "Gymnasium Neustadt";
  school.SchoolKey = "Schluessel";
  WalkSave(kSchoolDataFileName, std::vector<uint8_t>(old.begin(), old.end()),
           [&](core::Directories& dirs) { SaveSchoolData(school, dirs, true); });
  WalkSave(kSchoolDataFileName, std::nullopt,
           [&](core::Directories& dirs) { SaveSchoolData(school, dirs, true); });
}

TEST(SettingsWriteFaults, TheThreeNameLists) {
  for (const auto& [kind, name] : {std::pair{NameListKind::ProjectCourses, "PKURSE.PKL"},
                                   std::pair{NameListKind::Tutors, "TUTOREN.STL"},
                                   std::pair{NameListKind::Classes, "KLASSEN.KLL"}}) {
    const std::string old = "alt\r\n";
    WalkSave(name, std::vector<uint8_t>(old.begin(), old.end()), [&](core::Directories& dirs) {
      SaveNameList(kind, dirs, true, {"neu 1", "neu 2"});
    });
  }
}

// A missing list is written with its defaults when its editor opens; when
// that fails the editor still opens with them, after the message.
TEST(SettingsWriteFaults, DefaultsOfAMissingListWhenItsEditorOpens) {
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<ScriptedInteraction> ui;
  core::Directories dirs;
  std::optional<std::vector<std::string>> shown;
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            dir = std::make_unique<TempDir>();
            ui = std::make_unique<ScriptedInteraction>();
            dirs = core::Directories::AllAt(dir->path());
            if (!step.IsClean()) ui->ExpectAsk(core::Icon::Error, "KLASSEN.KLL\x93");
            return dir->path();
          },
      .Action = [&] { shown = OpenNameListEditor(NameListKind::Classes, dirs, true, *ui); },
      .Check =
          [&](const WriteFaultRun& run) {
            test::ExpectReported(run, *ui);
            ASSERT_TRUE(shown) << run.Describe();
            EXPECT_FALSE(shown->empty());
          },
  });
}

// "Übernehmen" with a changed central management writes ABIEINST.DAT into
// both settings folders: both stay old, and nothing changes in memory.
TEST(SettingsWriteFaults, GeneralSettingsIntoBothFoldersOrNeither) {
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<ScriptedInteraction> ui;
  core::Directories dirs;
  GeneralSettings settings;
  ProtectedOptions remembered;
  GeneralSettingsView view;
  const std::vector<uint8_t> old_program(84, 0x00);
  const std::vector<uint8_t> old_data(84, 0x01);
  const size_t steps = WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            dir = std::make_unique<TempDir>();
            ui = std::make_unique<ScriptedInteraction>();
            fs::create_directory(*dir / "daten");
            dirs = core::Directories::AllAt(dir->path());
            dirs.Data = *dir / "daten";
            WriteAll(*dir / "ABIEINST.DAT", old_program);
            WriteAll(*dir / "daten" / "ABIEINST.DAT", old_data);
            settings = DefaultGeneralSettings();
            settings.PlaceDate = "Neustadt";
            remembered = ProtectedOptionsOf(settings);
            view = ViewOfGeneralSettings(settings, dirs);
            view.CentralSettings = false;
            view.EncryptData = true;
            if (step.IsClean()) ui->ExpectProgress();
            return dir->path();
          },
      .Action = [&] { ApplyGeneralSettings(settings, remembered, view, dirs, *ui); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
            GeneralSettings expected = DefaultGeneralSettings();
            expected.PlaceDate = "Neustadt";
            EXPECT_EQ(EncodeGeneralSettings(settings), EncodeGeneralSettings(expected));
            EXPECT_EQ(remembered, ProtectedOptionsOf(expected));
          },
  });
  EXPECT_EQ(steps, 10u) << "two files";
}

// Loading ABIEINST.DAT writes ABIEINST.BAK beside it; a backup that cannot
// be written is told, and the settings read are in force all the same.
TEST(SettingsWriteFaults, TheBackupOfTheGeneralSettings) {
  std::unique_ptr<TempDir> dir;
  core::Directories dirs;
  GeneralSettings saved = DefaultGeneralSettings();
  saved.PlaceDate = "Neustadt";
  GeneralSettings loaded;
  GeneralSettingsLoad result;
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            dirs = core::Directories::AllAt(dir->path());
            WriteAll(*dir / "ABIEINST.DAT", EncodeGeneralSettings(saved));
            WriteAll(*dir / "ABIEINST.BAK", std::vector<uint8_t>(84, 0x00));
            loaded = DefaultGeneralSettings();
            return dir->path();
          },
      .Action = [&] { result = LoadGeneralSettings(loaded, dirs); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_FALSE(run.Thrown);
            EXPECT_EQ(result.Message,
                      "Die Sicherungskopie\r" + core::PathText(*dir / "ABIEINST.BAK") +
                          "\rkonnte nicht geschrieben werden: " + core::IoErrorText(run.Error))
                << run.Describe();
            EXPECT_EQ(loaded.PlaceDate, "Neustadt");
          },
  });
}

}  // namespace
}  // namespace tolka::settings
