// Export and import of the settings files with each write step failing in
// turn: the files end all old (or all new, when only a backup written after
// the import failed), and the settings in force change only with the files.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>

#include "app/settings_commands.h"
#include "app/startup.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "settings/name_lists.h"
#include "settings/settings_passwords.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using core::SettingsPasswordKind;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WalkWriteFaults;
using test::WriteFaultRun;

settings::SchoolData School() {
  settings::SchoolData school;
  school.SchoolName = "Gymnasium Neustadt";
  school.SchoolNumber = "4711";
  school.SchoolKey = "Schulschluessel";
  return school;
}

// Settings files of every kind in `dir`, their values told apart by `tag`.
void WriteSettings(const fs::path& dir, int tag) {
  auto dirs = core::Directories::AllAt(dir);
  settings::SaveSchoolData(School(), dirs, true);
  settings::GeneralSettings general = settings::DefaultGeneralSettings();
  general.PlaceDate = "Neustadt " + std::to_string(tag);
  settings::SaveGeneralSettings(general, dirs);
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  catalogue.Entries[26].SubjectName = "Fach " + std::to_string(tag);
  settings::SaveSubjectCatalogue(catalogue, dirs, true);
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  exam.MaxBasicCourses = static_cast<uint16_t>(10 + tag);
  settings::SaveExamSettings(exam, dirs, true, "Schule", "01.07.2026");
  print::PrintSettings print;
  print::ResetPrintSettings(print);
  print.Margins[3] = -tag;
  print::SavePrintSettings(print, dirs, true);
  settings::SaveNameList(settings::NameListKind::Classes, dirs, {"12a" + std::to_string(tag)});
  settings::SaveNameList(settings::NameListKind::Tutors, dirs, {"Frau " + std::to_string(tag)});
  settings::SaveNameList(settings::NameListKind::ProjectCourses, dirs, {"Theater"});
}

// A program directory "programm" with settings tagged 1 and a folder
// "austausch" beside it.
struct Scene {
  TempDir dir;
  fs::path program = dir / "programm";
  fs::path exchange = dir / "austausch";
  AppState state;
  ScriptedInteraction ui;

  Scene() {
    fs::create_directory(program);
    fs::create_directory(exchange);
    WriteSettings(program, 1);
    ScriptedInteraction quiet;
    StartUp(state, quiet, program);
  }
};

// The values by which the tagged settings are told apart.
void ExpectSettingsTagged(const AppState& state, int tag, const WriteFaultRun& run) {
  EXPECT_EQ(state.General.PlaceDate, "Neustadt " + std::to_string(tag)) << run.Describe();
  EXPECT_EQ(state.Catalogue.Entries[26].SubjectName, "Fach " + std::to_string(tag));
  EXPECT_EQ(state.Exam.MaxBasicCourses, 10 + tag);
  EXPECT_EQ(state.Print.Margins[3], -tag);
}

// The source folder with settings tagged 2 (without SCHULE.INI) and the
// prompts of an import answered up to the confirmation.
void PrepareImport(Scene& scene) {
  WriteSettings(scene.exchange, 2);
  fs::remove(scene.exchange / "SCHULE.INI");
  scene.ui
      .ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings,
                              settings::SubjectSettingsPassword(School()))
      .ExpectSettingsPassword(SettingsPasswordKind::ExamSettings,
                              settings::ExamSettingsPassword(School()))
      .ExpectAsk(Icon::Confirmation, "importiert werden?", Answer::Yes);
}

std::map<fs::path, std::vector<uint8_t>> FilesIn(const fs::path& dir) {
  std::map<fs::path, std::vector<uint8_t>> files;
  for (const auto& entry : fs::directory_iterator(dir)) files[entry.path()] = ReadAll(entry.path());
  return files;
}

TEST(SettingsExportImportWriteFaults, ExportLeavesTheTargetFolderAsItWas) {
  std::unique_ptr<Scene> scene;
  const size_t steps = WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene = std::make_unique<Scene>();
            test::WriteAll(scene->exchange / "FachDef.DAT", {1, 2, 3});
            scene->ui.ExpectAsk(Icon::Confirmation, "FachDef.DAT", Answer::Yes);
            if (step.IsClean()) scene->ui.ExpectAsk(Icon::Information, "wurden exportiert");
            return scene->dir.path();
          },
      .Action = [&] { ExportSettings(scene->state, scene->ui, scene->exchange, false); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
          },
  });
  EXPECT_EQ(steps, 7u * 5u) << "seven files";
}

TEST(SettingsExportImportWriteFaults, ImportChangesNothingUnlessAllFilesAreWritten) {
  std::unique_ptr<Scene> scene;
  // Seven files, then the reload after the import writes ABIEINST.BAK and
  // DRKEINST.BAK: a failure there comes after the import is complete.
  const auto backup = [](const fs::path& file) { return file.extension() == ".BAK"; };
  const auto imported_at = [&](const test::FailingStep& step) {
    return step.Record && backup(step.Record->Target);
  };
  const auto imported = [&](const WriteFaultRun& run) { return backup(run.Failed.Target); };
  const size_t steps = WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene = std::make_unique<Scene>();
            PrepareImport(*scene);
            if (imported_at(step)) {
              // The reload after the import writes the two backups.
              scene->ui.ExpectAsk(Icon::Error,
                                  step.Saves("ABIEINST.BAK") ? "ABIEINST.BAK" : "DRKEINST.BAK");
            }
            if (step.IsClean() || imported_at(step)) {
              scene->ui.ExpectAsk(Icon::Information, "7 Einstellungsdateien wurden importiert");
            }
            return scene->dir.path();
          },
      .Action = [&] { ImportSettings(scene->state, scene->ui, scene->exchange, false); },
      .Check =
          [&](const WriteFaultRun& run) {
            if (!imported(run)) {
              EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
              ExpectSettingsTagged(scene->state, 1, run);
              return;
            }
            // Only a backup failed: the import itself is complete and in force.
            EXPECT_FALSE(run.Thrown) << run.Describe();
            ExpectSettingsTagged(scene->state, 2, run);
            const std::string told = scene->ui.Log().at(3);
            EXPECT_TRUE(test::Contains(told, core::PathText(run.Failed.Target)) &&
                        (test::Contains(told, core::IoErrorText(run.Error)) ||
                         test::Contains(told, run.ExpectedMessage())))
                << run.Describe();
            for (const char* name : {"ABIEINST.DAT", "FachDef.DAT", "AbiDef.DAT", "DRKEINST.DAT",
                                     "PKURSE.PKL", "TUTOREN.STL", "KLASSEN.KLL"}) {
              EXPECT_EQ(ReadAll(scene->program / name), ReadAll(scene->exchange / name)) << name;
            }
          },
      .MayChange =
          [&](const WriteFaultRun& run, const fs::path& file) {
            return imported(run) && file.parent_path() == scene->program &&
                   file.filename() != run.Failed.Target.filename();
          },
  });
  EXPECT_EQ(steps, 7u * 5u + 10u);
}

// A disk that stays full: every step from the failing one on fails, so a
// file already replaced could not be put back by writing it again. The new
// contents are all complete before the first file is replaced, so a failure
// while writing them still leaves every file as it was.
TEST(SettingsExportImportWriteFaults, ImportOntoADiskThatStaysFull) {
  const size_t files = 7;
  const size_t writing_steps = files * 4;                     // open, write, fsync, close of each
  for (size_t step = 1; step <= writing_steps + 1; ++step) {  // and the first rename
    std::unique_ptr<Scene> scene;
    {
      core::ScopedWriteFault quiet;
      quiet.SkipDiskSync();
      scene = std::make_unique<Scene>();
      PrepareImport(*scene);
    }
    const auto before = FilesIn(scene->program);
    {
      core::ScopedWriteFault full(step, ENOSPC, core::FaultSpan::FromThenOn);
      full.SkipDiskSync();
      EXPECT_THROW(ImportSettings(scene->state, scene->ui, scene->exchange, false), IoError);
      ASSERT_TRUE(full.Struck());
      EXPECT_EQ(full.Steps()[step - 1].Step == core::WriteStep::Rename, step > writing_steps);
    }
    std::string changed;
    for (const auto& [file, bytes] : FilesIn(scene->program)) {
      if (before.count(file) == 0 || before.at(file) != bytes)
        changed += file.filename().string() + " ";
    }
    EXPECT_EQ(changed, "") << "step " << step << ": files no longer as before";
    EXPECT_EQ(FilesIn(scene->program).size(), before.size()) << "step " << step;
  }
}

}  // namespace
}  // namespace tolka::app
