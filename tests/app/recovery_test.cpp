// The recovery copy of unsaved changes: when it is written, what it holds,
// and the offer at the next start. A "crash" here is a session that is
// dropped without leaving; the next start is a fresh state on the same
// program directory.
#include "app/recovery.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/data_file_commands.h"
#include "app/data_file_lock.h"
#include "core/data_cipher.h"
#include "core/file_io.h"
#include "core/lock_file.h"
#include "core/recovery_file.h"
#include "fresh_state.h"
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
using test::WriteAll;
using Clock = std::chrono::system_clock;
using std::chrono::seconds;

const std::string kOfferFile =
    "Es gibt ungesicherte Änderungen aus einer unterbrochenen Sitzung\ran der Datei\r\x84";
const std::string kOfferUntitled =
    "Es gibt ungesicherte Änderungen aus einer unterbrochenen Sitzung\ran neuen, noch nicht "
    "gespeicherten Daten\r(Stand: ";
const std::string kOfferEnd =
    " Uhr).\r\rDas Programm wurde damals nicht ordnungsgemäß beendet.\r\x84Wiederherstellen\x93 "
    "zeigt die Daten wieder an; speichern Sie sie danach.\r\x84Verwerfen\x93 löscht diese "
    "Änderungen endgültig.";
const std::string kAskLeave = "Wollen Sie das Programm jetzt wirklich beenden?";
const std::string kAskSaveOnLeave = "Sollen die Änderungen gespeichert werden?";

using test_support::FreshState;

class Recovery : public ::testing::Test {
 protected:
  Recovery() : data_file_(dir_ / "JG2024.TLK") {
    // The data file as an earlier session saved it, opened by this session.
    AppState saved = FreshState(dir_.path());
    saved.Data.Table.At(0).Surname = "Alt";
    WriteAll(data_file_, saved.Data.Block());
    state_ = FreshState(dir_.path());
    ScriptedInteraction ui;
    EXPECT_TRUE(OpenDataFile(state_, ui, data_file_));
    copy_ = RecoveryCopyPath(dir_.path());
  }

  // This session's unsaved change.
  void Change(const std::string& surname) {
    state_.Data.Table.At(0).Surname = surname;
    state_.Data.Modified = true;
  }

  core::RecoveryCopy ReadCopy() const {
    auto copy = core::DecodeRecoveryFile(ReadAll(copy_));
    EXPECT_TRUE(copy.has_value());
    return copy.value_or(core::RecoveryCopy{});
  }

  TempDir dir_;
  fs::path data_file_;
  fs::path copy_;
  AppState state_;
};

TEST_F(Recovery, WrittenWhenDueAndNotMoreOftenThanEveryTwoMinutes) {
  ScriptedInteraction ui;
  const Clock::time_point t0 = Clock::now();
  EXPECT_FALSE(WriteRecoveryCopyIfDue(state_, ui, t0));  // nothing changed yet
  EXPECT_FALSE(fs::exists(copy_));

  Change("Erste");
  EXPECT_TRUE(WriteRecoveryCopyIfDue(state_, ui, t0));
  EXPECT_EQ(core::DecodeTable(ReadCopy().Block).At(0).Surname, "Erste");

  Change("Zweite");
  EXPECT_FALSE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(119)));
  EXPECT_EQ(core::DecodeTable(ReadCopy().Block).At(0).Surname, "Erste");
  EXPECT_TRUE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(120)));
  EXPECT_EQ(core::DecodeTable(ReadCopy().Block).At(0).Surname, "Zweite");

  // A transfer of the editor writes at once, and the interval counts anew.
  Change("Dritte");
  EXPECT_TRUE(WriteRecoveryCopy(state_, ui, t0 + seconds(130)));
  EXPECT_EQ(ReadCopy().Written, std::chrono::floor<std::chrono::milliseconds>(t0 + seconds(130)));
  EXPECT_FALSE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(200)));
  EXPECT_TRUE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(250)));
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, TheCopyNamesItsDataFileAndHoldsTheBlockSaveWouldWrite) {
  ScriptedInteraction ui;
  Change("Neu");
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  const core::RecoveryCopy copy = ReadCopy();
  EXPECT_EQ(fs::path(copy.DataFile), data_file_);
  EXPECT_EQ(copy.ProcessId, static_cast<int64_t>(::getpid()));
  EXPECT_EQ(copy.FileTime, state_.Data.LastWriteTime.time_since_epoch().count());
  EXPECT_EQ(copy.Block, state_.Data.BlockForWriting());
}

TEST_F(Recovery, AProtectedYearGroupIsNeverWrittenInClear) {
  AppState source = FreshState(dir_.path());
  source.Data.Table.At(0).Surname = "Geheimnisträger";
  core::DataFileBlock block = source.Data.Block();
  const std::string field = core::ScramblePassword("abcd");
  core::SetPasswordField(block, field);
  core::ApplyCipher(block, field, core::CipherVariant::Neu);
  const fs::path secret = dir_ / "GEHEIM.TLK";
  WriteAll(secret, block);
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery({true, "abcd", core::CipherVariant::Neu});
  ASSERT_TRUE(OpenDataFile(state_, ui, secret));
  Change("Geheimnisträger");
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));

  const std::vector<uint8_t> bytes = ReadAll(copy_);
  const std::string name = "Geheimnisträger";
  EXPECT_EQ(std::search(bytes.begin(), bytes.end(), name.begin(), name.end()), bytes.end());
  EXPECT_EQ(ReadCopy().Block, state_.Data.BlockForWriting());
  EXPECT_NE(ReadCopy().Block, state_.Data.Block());

  // The next start asks the password as opening the file would.
  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes)
      .ExpectPasswordQuery({true, "abcd", core::CipherVariant::Neu});
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_EQ(next.Data.Table.At(0).Surname, "Geheimnisträger");
  EXPECT_TRUE(next.Data.Protected);
  EXPECT_TRUE(next.Data.Modified);
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, AProtectedCopyWithAWrongPasswordIsKeptForAnotherTry) {
  state_.Data.PasswordField = core::ScramblePassword("abcd");
  state_.Data.Protected = true;
  Change("Verschlossen");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  const std::vector<uint8_t> before = ReadAll(copy_);

  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes)
      .ExpectPasswordQuery({true, "falsch", core::CipherVariant::Neu})
      .ExpectAsk(Icon::Error, "Das eingegebene Passwort ist FALSCH!");
  EXPECT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(next.Data.ShownEnciphered);
  EXPECT_FALSE(next.Data.Modified);
  EXPECT_EQ(ReadAll(copy_), before);
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, ACopyNewerThanItsFileIsOfferedAndRestoredAsChangedData) {
  Change("Gerettet");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now() + seconds(5)));
  // The program is killed here: no LeaveProgram.

  AppState next = FreshState(dir_.path());
  next.Dirs.Data = dir_ / "anderswo";
  ui.ExpectAsk(Icon::Confirmation,
               kOfferFile + core::PathText(data_file_) + "\x93\r(Stand: ", Answer::Yes);
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
  const std::string offer = ui.Log()[0];
  EXPECT_EQ(offer.substr(offer.size() - kOfferEnd.size()), kOfferEnd);
  ASSERT_EQ(ui.AskedButtons().size(), 1u);
  EXPECT_EQ(ui.AskedButtons()[0], core::Buttons::RestoreDiscard);
  EXPECT_EQ(next.Data.Table.At(0).Surname, "Gerettet");
  EXPECT_EQ(next.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_EQ(next.Dirs.Data, dir_.path());
  EXPECT_TRUE(next.Data.Modified);
  EXPECT_FALSE(next.Data.ReadOnly);
  EXPECT_EQ(next.Data.LastWriteTime, state_.Data.LastWriteTime);
  // The restored changes are guarded again at once.
  EXPECT_TRUE(fs::exists(copy_));

  // Saved: the file holds them, the copy is gone.
  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(next, ui));
  EXPECT_EQ(core::DecodeTable(ReadAll(data_file_)).At(0).Surname, "Gerettet");
  EXPECT_FALSE(fs::exists(copy_));
}

TEST_F(Recovery, ACopyOlderThanItsFileIsNotOfferedAndGoes) {
  Change("Veraltet");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  // Saved later (by this program before it was killed, or by another one).
  WriteAll(data_file_, ReadAll(data_file_));
  fs::last_write_time(data_file_, fs::file_time_type::clock::now() + std::chrono::hours(1));
  AppState next = FreshState(dir_.path());
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_FALSE(fs::exists(copy_));
  EXPECT_TRUE(next.Data.IsUntitled());
}

TEST_F(Recovery, ACopyWhoseFileIsMissingIsOffered) {
  Change("Einsam");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now() - std::chrono::hours(1)));
  fs::remove(data_file_);
  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes);
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_EQ(next.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_TRUE(next.Data.Modified);
}

TEST_F(Recovery, NewUnsavedDataAreOfferedAsSuch) {
  AppState fresh = FreshState(dir_.path());
  fresh.Data.Table.At(3).Surname = "Ohnedatei";
  fresh.Data.Modified = true;
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(fresh, ui, Clock::now()));
  EXPECT_TRUE(ReadCopy().DataFile.empty());

  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Confirmation, kOfferUntitled, Answer::Yes);
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(next.Data.IsUntitled());
  EXPECT_TRUE(next.Data.Modified);
  EXPECT_EQ(next.Data.Table.At(3).Surname, "Ohnedatei");
}

TEST_F(Recovery, DiscardDeletesTheCopyAndEscapeKeepsIt) {
  Change("Weg");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now() + seconds(5)));

  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Cancel);
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(fs::exists(copy_));
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::No);
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_FALSE(fs::exists(copy_));
  EXPECT_TRUE(next.Data.IsUntitled());
  EXPECT_FALSE(next.Data.Modified);
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, LeavingWithoutSavingRemovesTheCopy) {
  Change("Verworfen");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::No);
  EXPECT_TRUE(LeaveProgram(state_, ui));
  EXPECT_FALSE(fs::exists(copy_));
}

TEST_F(Recovery, LeavingThatFailsToSaveKeepsTheCopy) {
  Change("Bleibt");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  state_.Data.CurrentFileName = kUntitledName;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::Yes)
      .ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(LeaveProgram(state_, ui));
  EXPECT_TRUE(fs::exists(copy_));
}

TEST_F(Recovery, NewAndOpenAfterTheSaveQuestionRemoveTheCopy) {
  Change("Eins");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  ui.ExpectAsk(Icon::Warning, "wurden eventuell noch nicht gesichert", Answer::No);
  ASSERT_TRUE(NewData(state_, ui));
  EXPECT_FALSE(fs::exists(copy_));

  Change("Zwei");
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  // Cancel of the open dialog keeps the changes, and their copy.
  ui.ExpectAsk(Icon::Warning, "wurden eventuell geändert", Answer::No).ExpectOpenDialog({});
  EXPECT_FALSE(OpenData(state_, ui));
  EXPECT_TRUE(fs::exists(copy_));
  ui.ExpectAsk(Icon::Warning, "wurden eventuell geändert", Answer::No);
  ASSERT_TRUE(OpenDataFile(state_, ui, data_file_));
  EXPECT_FALSE(fs::exists(copy_));
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, ADamagedCopyIsReportedAndSetAside) {
  Change("Kaputt");
  ScriptedInteraction ui;
  ASSERT_TRUE(WriteRecoveryCopy(state_, ui, Clock::now()));
  std::vector<uint8_t> bytes = ReadAll(copy_);
  bytes.resize(bytes.size() / 2);
  WriteAll(copy_, bytes);

  AppState next = FreshState(dir_.path());
  ui.ExpectAsk(Icon::Error,
               "ist beschädigt und kann nicht wiederhergestellt werden.\rSie wurde "
               "umbenannt in\r");
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_FALSE(fs::exists(copy_));
  EXPECT_EQ(ReadAll(copy_.string() + ".defekt"), bytes);
  EXPECT_TRUE(next.Data.IsUntitled());
  // Set aside, it is not reported again.
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
}

TEST_F(Recovery, TheCopyOfARunningProgramIsNotOffered) {
  // Another program on this host, alive: the parent of this test.
  core::RecoveryCopy other;
  other.Written = Clock::now();
  other.ProcessId = static_cast<int64_t>(::getppid());
  other.Host = core::ThisProcess(Clock::now()).Host;
  other.Block = state_.Data.BlockForWriting();
  const fs::path file = dir_ / "Wiederherstellung-x-1.DAT";
  WriteAll(file, core::EncodeRecoveryFile(other));
  // One of a program that was killed.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  other.ProcessId = child;
  const fs::path dead = dir_ / "Wiederherstellung-x-2.DAT";
  WriteAll(dead, core::EncodeRecoveryFile(other));

  AppState next = FreshState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kOfferUntitled, Answer::No);
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_TRUE(fs::exists(file));
  EXPECT_FALSE(fs::exists(dead));
}

// The copy of a killed program, with the lock it left on its data file.
core::RecoveryCopy KilledProgramsCopy(const AppState& state, pid_t pid) {
  core::RecoveryCopy copy;
  copy.Written = Clock::now() + seconds(5);
  copy.FileTime = state.Data.LastWriteTime.time_since_epoch().count();
  copy.ProcessId = pid;
  copy.Host = core::ThisProcess(Clock::now()).Host;
  copy.DataFile = (state.Dirs.Data / state.Data.CurrentFileName).string();
  copy.Block = state.Data.BlockForWriting();
  return copy;
}

pid_t DeadProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST_F(Recovery, RestoreTakesOverTheLockTheKilledProgramLeftWithoutAsking) {
  Change("Fortsetzung");
  const pid_t dead = DeadProcess();
  ScriptedInteraction quiet;
  KeepDataFileLock(state_, quiet, fs::path());  // the killed program's lock instead
  WriteAll(dir_ / "JG2024.TLK.LCK",
           core::EncodeLockText({core::ThisProcess(Clock::now()).Host, "x", dead, Clock::now()}));
  WriteAll(dir_ / "Wiederherstellung-x-9.DAT",
           core::EncodeRecoveryFile(KilledProgramsCopy(state_, dead)));

  AppState next = FreshState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes);
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_TRUE(core::IsThisProcess(core::DecodeLockText(ReadAll(dir_ / "JG2024.TLK.LCK"))));
  EXPECT_EQ(next.Session.LockedDataFile, data_file_);
  EXPECT_FALSE(fs::exists(dir_ / "Wiederherstellung-x-9.DAT"));
  EXPECT_EQ(core::DecodeTable(ReadCopy().Block).At(0).Surname, "Fortsetzung");
}

TEST_F(Recovery, RestoreOfAFileAnotherWorkstationHoldsOffersItReadOnly) {
  Change("Zweitplatz");
  ScriptedInteraction quiet;
  KeepDataFileLock(state_, quiet, fs::path());  // the killed program's lock instead
  WriteAll(dir_ / "JG2024.TLK.LCK",
           core::EncodeLockText({"sekretariat-2", "frau.koch", 1234, Clock::now()}));
  WriteAll(dir_ / "Wiederherstellung-x-9.DAT",
           core::EncodeRecoveryFile(KilledProgramsCopy(state_, DeadProcess())));

  AppState next = FreshState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes)
      .ExpectAsk(Icon::Warning, "Rechner sekretariat-2", Answer::No);
  EXPECT_FALSE(OfferRecoveryCopies(next, ui));  // cancelled: the copy stays
  EXPECT_TRUE(fs::exists(dir_ / "Wiederherstellung-x-9.DAT"));
  EXPECT_TRUE(next.Data.IsUntitled());

  ui.ExpectAsk(Icon::Confirmation, kOfferFile, Answer::Yes)
      .ExpectAsk(Icon::Warning, "Soll sie schreibgeschützt geöffnet werden?", Answer::Yes);
  ASSERT_TRUE(OfferRecoveryCopies(next, ui));
  EXPECT_TRUE(ui.Done());
  EXPECT_TRUE(next.Data.ReadOnly);
  EXPECT_TRUE(next.Data.Modified);
  EXPECT_EQ(next.Data.Table.At(0).Surname, "Zweitplatz");
  EXPECT_EQ(core::DecodeLockText(ReadAll(dir_ / "JG2024.TLK.LCK")).Host, "sekretariat-2");
}

TEST_F(Recovery, AFailedWriteIsReportedOnceUntilOneSucceeds) {
  Change("Schreibschutz");
  ScriptedInteraction ui;
  const fs::path program = dir_ / "programm";
  fs::create_directory(program);
  state_.Dirs.Program = program;
  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
  ui.ExpectAsk(Icon::Warning,
               "Die Wiederherstellungskopie der ungesicherten Änderungen konnte "
               "nicht geschrieben werden.");
  const Clock::time_point t0 = Clock::now();
  EXPECT_FALSE(WriteRecoveryCopy(state_, ui, t0));
  EXPECT_FALSE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(150)));
  EXPECT_TRUE(ui.Done());
  fs::permissions(program, fs::perms::owner_all);
  EXPECT_TRUE(WriteRecoveryCopyIfDue(state_, ui, t0 + seconds(300)));
  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
  ui.ExpectAsk(Icon::Warning, "konnte nicht geschrieben werden");
  EXPECT_FALSE(WriteRecoveryCopy(state_, ui, t0 + seconds(400)));
  EXPECT_TRUE(ui.Done());
  fs::permissions(program, fs::perms::owner_all);
}

// A second copy for later changes replaces the first only when it was
// written whole: a failed step keeps the earlier copy byte for byte (it is
// what a crash now would restore), leaves no temporary file, tells the user
// and keeps the data marked unsaved.
TEST(RecoveryWriteFaults, ALaterCopyFailingKeepsTheEarlierOne) {
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<AppState> state;
  std::unique_ptr<ScriptedInteraction> ui;
  bool written = false;
  test::WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            dir = std::make_unique<TempDir>();
            state = std::make_unique<AppState>(FreshState(dir->path()));
            ui = std::make_unique<ScriptedInteraction>();
            state->Data.Table.At(0).Surname = "Erste";
            state->Data.Modified = true;
            EXPECT_TRUE(WriteRecoveryCopy(*state, *ui, Clock::now()));
            state->Data.Table.At(0).Surname = "Zweite";
            if (!step.IsClean()) {
              ui->ExpectAsk(Icon::Warning,
                            "Die Wiederherstellungskopie der ungesicherten Änderungen konnte "
                            "nicht geschrieben werden.");
            }
            return dir->path();
          },
      .Action = [&] { written = WriteRecoveryCopy(*state, *ui, Clock::now() + seconds(200)); },
      .Check =
          [&](const test::WriteFaultRun& run) {
            EXPECT_FALSE(run.Thrown) << run.Describe();
            EXPECT_FALSE(written) << run.Describe();
            EXPECT_TRUE(ui->Done()) << run.Describe();
            EXPECT_TRUE(state->Data.Modified) << run.Describe();
            const auto copy = core::DecodeRecoveryFile(ReadAll(RecoveryCopyPath(dir->path())));
            ASSERT_TRUE(copy.has_value()) << run.Describe();
          },
  });
}

}  // namespace
}  // namespace tolka::app
