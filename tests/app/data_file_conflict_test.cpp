// Save of a titled data file that another program or workstation wrote since
// this session opened or last saved it (a shared network folder): the
// modification time recorded in `DataSession::LastWriteTime` tells, and the
// user is asked before the other program's data are overwritten.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_file_commands.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WriteAll;

const std::string kChangedStart = "Die Datei\r";
const std::string kChangedEnd =
    "\rwurde seit dem Öffnen bzw. letzten Speichern von einem anderen Programm oder "
    "Arbeitsplatz geändert!\r\rSoll sie trotzdem überschrieben werden?";
const std::string kAskLeave = "Wollen Sie das Programm jetzt wirklich beenden?";
const std::string kAskSaveOnLeave =
    "Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?";

class DataFileConflict : public ::testing::Test {
 protected:
  DataFileConflict() : path_(dir_ / "JG2024.TLK") {
    state_.Dirs = core::Directories::AllAt(dir_.path());
    state_.Catalogue = settings::BuiltInSubjectCatalogue();
    state_.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state_.Catalogue));
    state_.Data.Table.At(0).Surname = "Müller";
    // The file as this session saved it first; then it is opened.
    ScriptedInteraction ui;
    ui.ExpectSaveDialog(path_).ExpectSavingWindow();
    EXPECT_TRUE(SaveDataAs(state_, ui));
    EXPECT_TRUE(OpenDataFile(state_, ui, path_));
    // This session's change, not yet saved.
    state_.Data.Table.At(1).Surname = "Schmidt";
    state_.Data.Modified = true;
  }

  // Another program writes the file: other bytes and a modification time an
  // hour after the one recorded, so no clock granularity hides the change.
  void OtherProgramWrites() {
    WriteAll(path_, other_bytes_);
    fs::last_write_time(path_, state_.Data.LastWriteTime + std::chrono::hours(1));
  }

  std::string Question() const { return kChangedStart + core::PathText(path_) + kChangedEnd; }

  TempDir dir_;
  fs::path path_;
  AppState state_;
  const std::vector<uint8_t> other_bytes_ = std::vector<uint8_t>(core::kDataFileSize, 0x5A);
};

TEST_F(DataFileConflict, AnUnchangedFileIsSavedWithoutAsking) {
  ScriptedInteraction ui;
  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state_, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(ReadAll(path_), state_.Data.Block());
  EXPECT_EQ(state_.Data.LastWriteTime, fs::last_write_time(path_));

  // The save recorded the new time: the next one asks nothing either.
  state_.Data.Table.At(2).Surname = "Weber";
  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(path_), state_.Data.Block());
}

TEST_F(DataFileConflict, NoKeepsTheOtherProgramsBytesAndAsksAgainNextTime) {
  OtherProgramWrites();
  const auto recorded = state_.Data.LastWriteTime;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(ReadAll(path_), other_bytes_);
  EXPECT_TRUE(state_.Data.Modified);
  EXPECT_EQ(state_.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_EQ(state_.Data.LastWriteTime, recorded);

  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(path_), other_bytes_);
}

TEST_F(DataFileConflict, YesOverwritesAndRecordsTheNewTime) {
  OtherProgramWrites();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::Yes).ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(path_), state_.Data.Block());
  EXPECT_EQ(state_.Data.Table.At(1).Surname, "Schmidt");
  EXPECT_FALSE(state_.Data.Modified);
  EXPECT_EQ(state_.Data.LastWriteTime, fs::last_write_time(path_));

  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state_, ui));
  EXPECT_TRUE(ui.Done());
}

// A file put back to an older copy is as foreign as a newer one.
TEST_F(DataFileConflict, AnOlderTimeCountsAsAChangeToo) {
  WriteAll(path_, other_bytes_);
  fs::last_write_time(path_, state_.Data.LastWriteTime - std::chrono::hours(24));
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(path_), other_bytes_);
}

// The question comes before the password definition of "Daten
// verschlüsseln": No shows nothing else and writes nothing.
TEST_F(DataFileConflict, NoComesBeforeThePasswordDefinition) {
  state_.General.EncryptData = 1;
  OtherProgramWrites();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ReadAll(path_), other_bytes_);
  EXPECT_FALSE(state_.Data.Protected);
}

// A file that was removed meanwhile holds nothing to lose: written again.
TEST_F(DataFileConflict, ARemovedFileIsWrittenAgainWithoutAsking) {
  fs::remove(path_);
  ScriptedInteraction ui;
  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(path_), state_.Data.Block());
}

// A file of this name that the session never opened or saved (no time
// recorded) was written by someone else.
TEST_F(DataFileConflict, NoRecordedTimeAsksBeforeOverwriting) {
  state_.Data.LastWriteTime = {};
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_TRUE(ui.Done());
}

// Not even a file whose time reads as the very value that stands for "no
// time recorded" passes unasked: without a recorded time nothing shows that
// this session wrote the file.
TEST_F(DataFileConflict, NoRecordedTimeAsksEvenWhenTheFileTimeLooksTheSame) {
  fs::last_write_time(path_, fs::file_time_type{});
  ASSERT_EQ(fs::last_write_time(path_), fs::file_time_type{});
  state_.Data.LastWriteTime = {};
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_NE(ReadAll(path_), state_.Data.Block());
}

// Leaving the program: No to the overwrite keeps the program open so the
// changes are not lost; "Sicherung.DAT" is written as always.
TEST_F(DataFileConflict, LeavingWithAConflictAnsweredNoStaysOpen) {
  OtherProgramWrites();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, Question(), Answer::No);
  EXPECT_FALSE(LeaveProgram(state_, ui));
  EXPECT_EQ(ReadAll(path_), other_bytes_);
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), state_.Data.Block());
}

}  // namespace
}  // namespace tolka::app
