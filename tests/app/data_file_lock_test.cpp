// The lock file beside an open data file: another program's lock warns
// before Open changes anything and offers the file read-only; a stale one is
// taken over after asking; the lock follows the session's file and goes
// when the session leaves it.
#include "app/data_file_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/data_file_commands.h"
#include "core/file_io.h"
#include "core/lock_file.h"
#include "fresh_state.h"
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
using Clock = std::chrono::system_clock;

const std::string kHeld =
    " ist bereits geöffnet:\rBenutzer frau.koch, Rechner sekretariat-2, seit ";
const std::string kAskReadOnly = "Soll sie schreibgeschützt geöffnet werden?";
const std::string kStale = "Das Programm, das die Sperre angelegt hat, läuft nicht mehr";

using test_support::FreshState;

class DataFileLock : public ::testing::Test {
 protected:
  DataFileLock() : data_file_(dir_ / "JG2024.TLK"), lock_(dir_ / "JG2024.TLK.LCK") {
    AppState saved = FreshState(dir_.path());
    saved.Data.Table.At(0).Surname = "Gespeichert";
    WriteAll(data_file_, saved.Data.Block());
    state_ = FreshState(dir_.path());
  }

  // A lock as another program writes it.
  void ForeignLock(const std::string& host, int64_t pid, Clock::time_point since) {
    WriteAll(lock_, core::EncodeLockText({host, "frau.koch", pid, since}));
  }

  core::LockHolder Holder() const { return core::DecodeLockText(ReadAll(lock_)); }

  TempDir dir_;
  fs::path data_file_;
  fs::path lock_;
  AppState state_;
};

TEST_F(DataFileLock, OpenTakesTheLockAndLeavingGivesItBack) {
  ScriptedInteraction ui;
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_TRUE(ui.Done());
  const core::LockHolder holder = Holder();
  EXPECT_TRUE(core::IsThisProcess(holder));
  EXPECT_LE(Clock::now() - holder.Since, std::chrono::minutes(1));
  EXPECT_EQ(state_.Session.LockedDataFile, data_file_);

  ui.ExpectAsk(Icon::Confirmation, "wirklich beenden", Answer::Yes);
  EXPECT_TRUE(LeaveProgram(state_, ui));
  EXPECT_FALSE(fs::exists(lock_));
}

TEST_F(DataFileLock, AFileHeldOnAnotherWorkstationWarnsBeforeAnythingIsWritten) {
  ForeignLock("sekretariat-2", 1234, Clock::now());
  const auto lock_bytes = ReadAll(lock_);
  state_.Data.Table.At(0).Surname = "Vorher";
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, "Die Datei \x84" + core::PathText(data_file_) + "\x93" + kHeld,
               Answer::No);
  EXPECT_FALSE(OpenDataFile(state_, ui, data_file_));
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(ui.AskedButtons().back(), core::Buttons::YesNoDefaultNo);
  EXPECT_FALSE(fs::exists(dir_ / "JG2024.BAK"));
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Vorher");
  EXPECT_TRUE(state_.Data.IsUntitled());

  ui.ExpectAsk(Icon::Warning, kAskReadOnly, Answer::Yes);
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_TRUE(state_.Data.ReadOnly);
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Gespeichert");
  // Only read: no ".BAK", the other program's lock untouched, none of ours.
  EXPECT_FALSE(fs::exists(dir_ / "JG2024.BAK"));
  EXPECT_EQ(ReadAll(lock_), lock_bytes);
  EXPECT_TRUE(state_.Session.LockedDataFile.empty());

  // Save asks for another name, as for a write-protected file.
  state_.Data.Table.At(0).Surname = "Kopie";
  state_.Data.Modified = true;
  ui.ExpectAsk(Icon::Information, "ist schreibgeschützt und wird nicht überschrieben")
      .ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveData(state_, ui));
  // Its own name chosen again: refused, the other program's file unchanged.
  const auto file_bytes = ReadAll(data_file_);
  ui.ExpectAsk(Icon::Information, "ist schreibgeschützt und wird nicht überschrieben")
      .ExpectSaveDialog(data_file_)
      .ExpectAsk(Icon::Information, "Soll die vorhandene Datei überschrieben werden?", Answer::Yes)
      .ExpectAsk(Icon::Error, "Sie wird nicht überschrieben.");
  EXPECT_FALSE(SaveData(state_, ui));
  EXPECT_EQ(ReadAll(data_file_), file_bytes);
  EXPECT_TRUE(state_.Data.ReadOnly);
  // Leaving the read-only file leaves the other program's lock alone.
  ui.ExpectAsk(Icon::Confirmation, "wirklich beenden", Answer::Yes)
      .ExpectAsk(Icon::Warning, "Sollen die Änderungen gespeichert werden?", Answer::No);
  EXPECT_TRUE(LeaveProgram(state_, ui));
  EXPECT_EQ(ReadAll(lock_), lock_bytes);
  EXPECT_TRUE(ui.Done());
}

TEST_F(DataFileLock, ALockOfADeadProcessOnThisHostIsTakenOverAfterAsking) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  ForeignLock(core::ThisProcess(Clock::now()).Host, child, Clock::now());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kStale, Answer::Cancel);
  EXPECT_FALSE(OpenDataFile(state_, ui, data_file_));
  EXPECT_EQ(Holder().ProcessId, child);
  EXPECT_FALSE(fs::exists(dir_ / "JG2024.BAK"));

  ui.ExpectAsk(Icon::Warning, kStale, Answer::No);  // No: read-only
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_TRUE(state_.Data.ReadOnly);
  EXPECT_EQ(Holder().ProcessId, child);

  ui.ExpectAsk(Icon::Warning, kStale, Answer::Yes);
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(ui.AskedButtons().back(), core::Buttons::YesNoCancel);
  EXPECT_FALSE(state_.Data.ReadOnly);
  EXPECT_TRUE(core::IsThisProcess(Holder()));
  EXPECT_TRUE(fs::exists(dir_ / "JG2024.BAK"));
}

TEST_F(DataFileLock, ALockOlderThanADayIsStaleOnAnyHost) {
  ForeignLock("sekretariat-2", 1234, Clock::now() - std::chrono::hours(25));
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, "Rechner sekretariat-2, seit ", Answer::Yes);
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_NE(ui.Log().back().find(kStale), std::string::npos);
  EXPECT_TRUE(core::IsThisProcess(Holder()));
}

TEST_F(DataFileLock, NewAndOpenOfAnotherFileGiveTheLockBack) {
  const fs::path other = dir_ / "JG2025.TLK";
  fs::copy_file(data_file_, other);
  ScriptedInteraction ui;
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  ASSERT_TRUE(OpenDataFile(state_, ui, other));
  EXPECT_FALSE(fs::exists(lock_));
  EXPECT_TRUE(fs::exists(dir_ / "JG2025.TLK.LCK"));
  // Opening the session's own file again keeps its lock.
  ASSERT_TRUE(OpenDataFile(state_, ui, other));
  EXPECT_TRUE(fs::exists(dir_ / "JG2025.TLK.LCK"));
  ASSERT_TRUE(NewData(state_, ui));
  EXPECT_FALSE(fs::exists(dir_ / "JG2025.TLK.LCK"));
  EXPECT_TRUE(ui.Done());
}

TEST_F(DataFileLock, SaveAsMovesTheLockToTheNewFile) {
  ScriptedInteraction ui;
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  ui.ExpectSaveDialog(dir_ / "KOPIE.TLK").ExpectSavingWindow();
  ASSERT_TRUE(SaveDataAs(state_, ui));
  EXPECT_FALSE(fs::exists(lock_));
  EXPECT_TRUE(core::IsThisProcess(core::DecodeLockText(ReadAll(dir_ / "KOPIE.TLK.LCK"))));

  // The first Save of new data takes the lock of its file.
  AppState fresh = FreshState(dir_.path());
  fresh.Data.Modified = true;
  ui.ExpectSaveDialog(dir_ / "NEU.TLK").ExpectSavingWindow();
  ASSERT_TRUE(SaveData(fresh, ui));
  EXPECT_TRUE(fs::exists(dir_ / "NEU.TLK.LCK"));
  EXPECT_TRUE(ui.Done());
}

TEST_F(DataFileLock, SaveAsNeverWritesOverAFileAnotherProgramHolds) {
  ForeignLock("sekretariat-2", 1234, Clock::now());
  const auto before = ReadAll(data_file_);
  state_.Data.Modified = true;
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(data_file_)
      .ExpectAsk(Icon::Information, "Soll die vorhandene Datei überschrieben werden?", Answer::Yes)
      .ExpectAsk(Icon::Error, "Sie wird nicht überschrieben.");
  EXPECT_FALSE(SaveDataAs(state_, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(ReadAll(data_file_), before);
  EXPECT_TRUE(state_.Data.IsUntitled());
  EXPECT_TRUE(state_.Data.Modified);
}

TEST_F(DataFileLock, AReadOnlyFolderOpensWithItsNoteAndTakesNoLock) {
  const fs::path archive = dir_ / "archiv";
  fs::create_directory(archive);
  fs::copy_file(data_file_, archive / "JG2020.TLK");
  fs::permissions(archive, fs::perms::owner_read | fs::perms::owner_exec);
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, "konnte nicht angelegt werden")  // the ".BAK"
      .ExpectAsk(Icon::Information, "ist schreibgeschützt (oder liegt in einem");
  ASSERT_TRUE(OpenDataFile(state_, ui, archive / "JG2020.TLK"));
  EXPECT_TRUE(ui.Done());
  EXPECT_TRUE(state_.Data.ReadOnly);
  EXPECT_FALSE(fs::exists(archive / "JG2020.TLK.LCK"));
  fs::permissions(archive, fs::perms::owner_all);
}

TEST_F(DataFileLock, ALockThatCannotBeCreatedDoesNotStopOpening) {
  // 252 characters are a valid name; with ".LCK" the lock's name is too long.
  const fs::path long_name = dir_ / (std::string(248, 'A') + ".TLK");
  fs::copy_file(data_file_, long_name);
  ScriptedInteraction ui;
  // The ".BAK" copy's temporary name is longer still.
  ui.ExpectAsk(Icon::Warning, ".LCK\x93 konnte nicht angelegt werden:\rDer Dateiname ist zu lang.")
      .ExpectAsk(Icon::Warning, ".BAK\x93\rkonnte nicht angelegt werden:");
  ASSERT_TRUE(OpenDataFile(state_, ui, long_name));
  EXPECT_TRUE(ui.Done());
  EXPECT_NE(ui.Log()[0].find("Die Datei wird trotzdem geöffnet."), std::string::npos);
  EXPECT_FALSE(state_.Data.ReadOnly);
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Gespeichert");
  EXPECT_TRUE(state_.Session.LockedDataFile.empty());
}

}  // namespace
}  // namespace tolka::app
