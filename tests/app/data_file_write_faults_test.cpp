// Every save of the data file commands and of the record transfer, with each
// of its write steps failing in turn: the old file stays, nothing is marked
// saved, and the user reads why.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/data_file_commands.h"
#include "app/record_commands.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WalkWriteFaults;
using test::WriteAll;
using test::WriteFaultRun;

const std::vector<uint8_t> kOldFile(core::kDataFileSize, 0x33);

// What a failed command must leave of the session as it was.
struct SessionSnapshot {
  explicit SessionSnapshot(const AppState& state)
      : Block(state.Data.Block()),
        FileName(state.Data.CurrentFileName),
        DataDir(state.Dirs.Data),
        Modified(state.Data.Modified),
        Protected(state.Data.Protected),
        PasswordField(state.Data.PasswordField),
        WriteTime(state.Data.LastWriteTime) {}
  core::DataFileBlock Block;
  std::string FileName;
  fs::path DataDir;
  bool Modified;
  bool Protected;
  std::string PasswordField;
  fs::file_time_type WriteTime;

  void ExpectSame(const AppState& state, const WriteFaultRun& run) const {
    EXPECT_EQ(state.Data.Block(), Block) << run.Describe();
    EXPECT_EQ(state.Data.CurrentFileName, FileName) << run.Describe();
    EXPECT_EQ(state.Dirs.Data, DataDir) << run.Describe();
    EXPECT_EQ(state.Data.Modified, Modified) << run.Describe();
    EXPECT_EQ(state.Data.Protected, Protected) << run.Describe();
    EXPECT_EQ(state.Data.PasswordField, PasswordField) << run.Describe();
    EXPECT_TRUE(state.Data.LastWriteTime == WriteTime) << run.Describe();
  }
};

struct Scene {
  TempDir dir;
  AppState state;
  ScriptedInteraction ui;
  std::optional<SessionSnapshot> before;
  bool result = false;
};

// Changed data of two students, all directories in the scene's folder.
std::unique_ptr<Scene> MakeScene() {
  auto scene = std::make_unique<Scene>();
  AppState& state = scene->state;
  state.Dirs = core::Directories::AllAt(scene->dir.path());
  state.Catalogue = settings::BuiltInSubjectCatalogue();
  state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
  state.Data.Table.At(0).Surname = "Müller";
  state.Data.Table.At(1).Surname = "Özdemir";
  state.Data.Modified = true;
  return scene;
}

// A titled session whose file exists with other content.
void MakeTitled(Scene& scene, const std::string& name) {
  WriteAll(scene.dir / name, kOldFile);
  scene.state.Data.CurrentFileName = name;
  scene.state.Data.LastWriteTime = fs::last_write_time(scene.dir / name);
}

class DataFileWriteFaults : public ::testing::Test {
 protected:
  std::unique_ptr<Scene> scene_;

  // The session is as before the command, the command reports failure.
  void ExpectNothingSaved(const WriteFaultRun& run) {
    EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
    scene_->before->ExpectSame(scene_->state, run);
  }
};

TEST_F(DataFileWriteFaults, SaveOfATitledFile) {
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene_ = MakeScene();
            MakeTitled(*scene_, "JG2024.TLK");
            if (step.IsClean()) scene_->ui.ExpectSavingWindow();
            scene_->before.emplace(scene_->state);
            return scene_->dir.path();
          },
      .Action = [&] { scene_->result = SaveData(scene_->state, scene_->ui); },
      .Check = [&](const WriteFaultRun& run) { ExpectNothingSaved(run); },
      // Three write calls for the 159712 bytes.
      .WriteCallLimit = 65536,
  });
}

TEST_F(DataFileWriteFaults, SaveOfUntitledDataStaysUntitled) {
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene_ = MakeScene();
            scene_->ui.ExpectSaveDialog(scene_->dir / "NEU.TLK");
            if (step.IsClean()) scene_->ui.ExpectSavingWindow();
            scene_->before.emplace(scene_->state);
            return scene_->dir.path();
          },
      .Action = [&] { scene_->result = SaveData(scene_->state, scene_->ui); },
      .Check =
          [&](const WriteFaultRun& run) {
            ExpectNothingSaved(run);
            EXPECT_TRUE(scene_->state.Data.IsUntitled());
          },
  });
}

TEST_F(DataFileWriteFaults, SaveAsOverAnotherFileKeepsTheOldName) {
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene_ = MakeScene();
            MakeTitled(*scene_, "A.TLK");
            WriteAll(scene_->dir / "B.TLK", std::vector<uint8_t>(core::kDataFileSize, 0x44));
            scene_->ui.ExpectSaveDialog(scene_->dir / "B.TLK")
                .ExpectAsk(Icon::Information, "Soll die vorhandene Datei", Answer::Yes);
            if (step.IsClean()) scene_->ui.ExpectSavingWindow();
            scene_->before.emplace(scene_->state);
            return scene_->dir.path();
          },
      .Action = [&] { scene_->result = SaveDataAs(scene_->state, scene_->ui); },
      .Check =
          [&](const WriteFaultRun& run) {
            ExpectNothingSaved(run);
            EXPECT_EQ(scene_->state.Data.CurrentFileName, "A.TLK");
          },
  });
}

// The ".BAK" copy of Open: a copy that cannot be written is reported with
// its cause and the file opens all the same; an older copy stays as it was.
TEST_F(DataFileWriteFaults, TheBakCopyOfOpen) {
  core::DataFileBlock file;
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene_ = MakeScene();
            file = scene_->state.Data.Block();
            WriteAll(scene_->dir / "JG.TLK", file);
            WriteAll(scene_->dir / "JG.BAK", kOldFile);
            scene_->state.Data.Table.At(0).Surname = "Anderer";
            scene_->state.Data.Modified = false;
            if (!step.IsClean()) {
              scene_->ui.ExpectAsk(Icon::Warning, "konnte nicht angelegt werden");
            }
            return scene_->dir.path();
          },
      .Action =
          [&] { scene_->result = OpenDataFile(scene_->state, scene_->ui, scene_->dir / "JG.TLK"); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_FALSE(run.Thrown) << run.Describe();
            EXPECT_TRUE(scene_->result);
            ASSERT_EQ(scene_->ui.Log().size(), 1u) << run.Describe();
            const std::string& told = scene_->ui.Log()[0];
            EXPECT_TRUE(test::Contains(told, "\x84" + core::PathText(scene_->dir / "JG.BAK") +
                                                 "\x93\rkonnte nicht angelegt werden:\r" +
                                                 core::IoErrorText(run.Error) +
                                                 ".\r\rDie Datei wird trotzdem geöffnet."))
                << run.Describe();
            EXPECT_EQ(scene_->state.Data.Block(), file);
            EXPECT_EQ(scene_->state.Data.CurrentFileName, "JG.TLK");
            EXPECT_FALSE(scene_->state.Data.Modified);
          },
      // Opening takes the lock beside the file whether or not the copy
      // could be made; the lock itself is not written by the saving helper.
      .MayChange =
          [&](const WriteFaultRun&, const std::filesystem::path& changed) {
            return changed.filename() == "JG.TLK.LCK";
          },
  });
}

TEST_F(DataFileWriteFaults, TheShutdownBackup) {
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            scene_ = MakeScene();
            WriteAll(scene_->dir / "Sicherung.DAT", kOldFile);
            scene_->before.emplace(scene_->state);
            return scene_->dir.path();
          },
      .Action = [&] { WriteShutdownBackup(scene_->state); },
      .Check = [&](const WriteFaultRun& run) { ExpectNothingSaved(run); },
  });
}

// Leaving with Yes to saving: a failed save keeps the program open and the
// data marked changed, and the backup still takes them; a failed backup is
// told, the saved file stays saved.
TEST_F(DataFileWriteFaults, LeavingTheProgram) {
  const auto backup_failed = [](const WriteFaultRun& run) {
    return run.Failed.Target.filename() == "Sicherung.DAT";
  };
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            scene_ = MakeScene();
            MakeTitled(*scene_, "A.TLK");
            WriteAll(scene_->dir / "Sicherung.DAT", kOldFile);
            scene_->ui.ExpectAsk(Icon::Confirmation, "wirklich beenden", Answer::Yes)
                .ExpectAsk(Icon::Warning, "Sollen die Änderungen gespeichert werden?", Answer::Yes);
            if (!step.Saves("A.TLK")) scene_->ui.ExpectSavingWindow();
            if (!step.IsClean()) {
              scene_->ui.ExpectAsk(Icon::Error,
                                   step.Saves("A.TLK") ? "A.TLK\x93" : "Sicherung.DAT\x93");
            }
            scene_->before.emplace(scene_->state);
            return scene_->dir.path();
          },
      .Action = [&] { scene_->result = LeaveProgram(scene_->state, scene_->ui); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_FALSE(run.Thrown);
            test::ExpectReported(run, scene_->ui);
            const auto block = scene_->before->Block;
            if (backup_failed(run)) {
              EXPECT_TRUE(scene_->result) << "the data themselves were saved";
              EXPECT_EQ(ReadAll(scene_->dir / "A.TLK"), block);
              EXPECT_FALSE(scene_->state.Data.Modified);
            } else {
              EXPECT_FALSE(scene_->result) << run.Describe() << ": the program must stay open";
              scene_->before->ExpectSame(scene_->state, run);
              EXPECT_EQ(ReadAll(scene_->dir / "Sicherung.DAT"), block);
            }
          },
      .MayChange =
          [&](const WriteFaultRun& run, const fs::path& file) {
            return file.filename() == (backup_failed(run) ? "A.TLK" : "Sicherung.DAT");
          },
  });
}

// "Schülerdatensatz in andere Datei exportieren": the target stays as it was
// and a cut record stays in the current data.
TEST_F(DataFileWriteFaults, TransferIntoAnotherFile) {
  for (const TransferKind kind : {TransferKind::Copy, TransferKind::Cut}) {
    WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep& step) {
              scene_ = MakeScene();
              DataSession other;
              other.Table.Initialise(settings::IntroPhaseDefaultsOf(scene_->state.Catalogue));
              other.Table.At(0).Surname = "Anders";
              WriteAll(scene_->dir / "ZIEL.TLK", other.Block());
              scene_->ui.ExpectSaveDialog(scene_->dir / "ZIEL.TLK")
                  .ExpectAsk(Icon::Information, "angehängt werden?", Answer::Yes);
              if (step.IsClean()) {
                scene_->ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
              }
              scene_->before.emplace(scene_->state);
              return scene_->dir.path();
            },
        .Action =
            [&] { scene_->result = TransferStudentRecord(scene_->state, scene_->ui, 1, kind); },
        .Check = [&](const WriteFaultRun& run) { ExpectNothingSaved(run); },
    });
  }
}

}  // namespace
}  // namespace tolka::app
