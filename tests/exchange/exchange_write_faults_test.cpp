// Both exports and IMPORT.CFG with every write step failing in turn: an
// export file that was to be extended stays as it was, a new one is not
// created, and the user reads why.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "exchange/exchange_commands.h"
#include "exchange/import_config.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::exchange {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using test::ScriptedInteraction;
using test::TempDir;
using test::WalkWriteFaults;
using test::WriteAll;
using test::WriteFaultRun;

struct Scene {
  TempDir dir;
  app::AppState state;
  ScriptedInteraction ui;

  Scene() {
    state.Dirs = core::Directories::AllAt(dir.path());
    state.Catalogue = settings::BuiltInSubjectCatalogue();
    state.Exam = settings::BuiltInExamSettings();
    state.General = settings::DefaultGeneralSettings();
    state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
    state.Data.Table.At(0).Surname = "Adler";
    state.Data.Table.At(0).GivenNames = "Anna";
  }
};

using Export = std::function<bool(app::AppState&, core::Interaction&)>;

// An export into a new file and one appended to an existing file.
void WalkExport(const Export& command) {
  std::unique_ptr<Scene> scene;
  for (const bool append : {false, true}) {
    WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep& step) {
              scene = std::make_unique<Scene>();
              const std::string old = "alte Zeile\r\n";
              if (append) WriteAll(scene->dir / "EXPORT.TXT", {old.begin(), old.end()});
              scene->ui.ExpectSaveDialog(scene->dir / "EXPORT.TXT");
              if (append) scene->ui.ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
              if (step.IsClean()) scene->ui.ExpectSavingWindow();
              return scene->dir.path();
            },
        .Action = [&] { command(scene->state, scene->ui); },
        .Check =
            [&](const WriteFaultRun& run) {
              EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
            },
    });
  }
}

TEST(ExchangeWriteFaults, ExportOfAllData) { WalkExport(ExportAllData); }

TEST(ExchangeWriteFaults, ExportOfTheExamResults) { WalkExport(ExportExamResults); }

TEST(ExchangeWriteFaults, ImportConfiguration) {
  std::unique_ptr<TempDir> dir;
  ImportConfig config = BuiltInImportConfig();
  config.Entries[0].JoinText = ";";
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            WriteAll(*dir / "IMPORT.CFG", EncodeImportConfig(BuiltInImportConfig()));
            return dir->path();
          },
      .Action = [&] { SaveImportConfig(dir->path(), config); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
          },
  });
}

}  // namespace
}  // namespace tolka::exchange
