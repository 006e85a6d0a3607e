#include "app/recovery.h"

#include <unistd.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "app/data_file_commands.h"
#include "app/data_file_lock.h"
#include "app/startup.h"
#include "core/file_io.h"
#include "core/lock_file.h"
#include "core/recovery_file.h"

namespace tolka::app {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;
using core::Answer;
using core::Icon;

constexpr const char* kNamePrefix = "Wiederherstellung-";
constexpr const char* kNameEnding = ".DAT";
constexpr const char* kDamagedEnding = ".defekt";

constexpr const char* kOfferStart =
    "Es gibt ungesicherte Änderungen aus einer unterbrochenen Sitzung\ran ";
constexpr const char* kOfferFile = "der Datei\r";
constexpr const char* kOfferUntitled = "neuen, noch nicht gespeicherten Daten";
constexpr const char* kOfferTime = "\r(Stand: ";
constexpr const char* kOfferEnd =
    " Uhr).\r\rDas Programm wurde damals nicht ordnungsgemäß beendet.\r\x84Wiederherstellen\x93 "
    "zeigt die Daten wieder an; speichern Sie sie danach.\r\x84Verwerfen\x93 löscht diese "
    "Änderungen endgültig.";
constexpr const char* kDamagedStart = "Die Wiederherstellungskopie\r";
constexpr const char* kDamagedMiddle =
    "\rist beschädigt und kann nicht wiederhergestellt werden.\rSie wurde umbenannt in\r";
constexpr const char* kDamagedNotRenamed =
    "\rist beschädigt und kann nicht wiederhergestellt werden.";
constexpr const char* kNotWrittenEnd =
    "\r\rDie Wiederherstellungskopie der ungesicherten Änderungen konnte nicht geschrieben "
    "werden.\rBitte speichern Sie die Daten.";
constexpr const char* kNotRemovedStart = "Die Wiederherstellungskopie\r";
constexpr const char* kNotRemovedMiddle = "\rkonnte nicht gelöscht werden:\r";

std::string Quoted(const fs::path& path) { return "\x84" + core::PathText(path) + "\x93"; }

// The host name as part of a file name: letters, digits, '-', '.' and '_'.
std::string HostForFileName(const std::string& host) {
  std::string name;
  for (char c : host) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_';
    name += plain ? c : '_';
  }
  return name.empty() ? "_" : name;
}

bool IsRecoveryCopyName(const std::string& name) {
  const std::string prefix = kNamePrefix;
  const std::string ending = kNameEnding;
  return name.size() > prefix.size() + ending.size() &&
         name.compare(0, prefix.size(), prefix) == 0 &&
         name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

fs::path CurrentDataFile(const AppState& state) {
  if (state.Data.IsUntitled() || state.Data.CurrentFileName.empty()) return {};
  std::error_code ec;
  const fs::path path = fs::absolute(state.Dirs.Data / state.Data.CurrentFileName, ec);
  return ec ? state.Dirs.Data / state.Data.CurrentFileName : path.lexically_normal();
}

void RemoveReporting(core::Interaction& ui, const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  if (ec) {
    ui.Tell(Icon::Warning, kNotRemovedStart + Quoted(path) + kNotRemovedMiddle +
                               core::IoErrorText(ec.value()) + ".");
  }
}

struct Candidate {
  fs::path File;
  core::RecoveryCopy Copy;
};

// A copy left by a program that ended without leaving normally: written on
// this host by a process that no longer runs (or by this process id, which
// then belonged to an earlier program). Copies of other workstations sharing
// the program directory are theirs to offer.
bool LeftBehind(const core::RecoveryCopy& copy) {
  const core::LockHolder me = core::ThisProcess(Clock::now());
  if (copy.Host != me.Host) return false;
  return copy.ProcessId == me.ProcessId || !core::ProcessRunning(copy.ProcessId);
}

// True when the data file was saved over after the copy was written: its
// modification time is no longer the one the session knew, and it is later
// than the copy. (A file unchanged since the session read it is older than
// the copy's changes whatever the clocks' resolution.)
bool OutdatedByDataFile(const core::RecoveryCopy& copy) {
  if (copy.DataFile.empty()) return false;
  std::error_code ec;
  const fs::file_time_type time = fs::last_write_time(fs::path(copy.DataFile), ec);
  if (ec) return false;  // missing: the copy is all there is
  if (time.time_since_epoch().count() == copy.FileTime) return false;
  return std::chrono::time_point_cast<Clock::duration>(std::chrono::file_clock::to_sys(time)) >=
         copy.Written;
}

std::vector<Candidate> FindCopies(const AppState& state, core::Interaction& ui) {
  std::vector<Candidate> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(state.Dirs.Program, ec)) {
    const fs::path file = entry.path();
    if (!IsRecoveryCopyName(file.filename().string())) continue;
    std::optional<core::RecoveryCopy> copy;
    try {
      copy = core::DecodeRecoveryFile(core::ReadFileBytes(file));
    } catch (const IoError& e) {
      ui.Tell(Icon::Error, e.what());
      continue;
    }
    if (!copy) {
      // Set aside, not deleted: nothing the user had is thrown away unasked.
      const fs::path aside = file.string() + kDamagedEnding;
      std::error_code rename_error;
      fs::rename(file, aside, rename_error);
      ui.Tell(Icon::Error,
              rename_error ? kDamagedStart + Quoted(file) + kDamagedNotRenamed
                           : kDamagedStart + Quoted(file) + kDamagedMiddle + Quoted(aside) + ".");
      continue;
    }
    if (!LeftBehind(*copy)) continue;
    if (OutdatedByDataFile(*copy)) {
      RemoveReporting(ui, file);
      continue;
    }
    found.push_back({file, std::move(*copy)});
  }
  std::sort(found.begin(), found.end(),
            [](const Candidate& a, const Candidate& b) { return a.Copy.Written > b.Copy.Written; });
  return found;
}

std::string OfferText(const core::RecoveryCopy& copy) {
  const std::string what = copy.DataFile.empty()
                               ? std::string(kOfferUntitled)
                               : std::string(kOfferFile) + Quoted(fs::path(copy.DataFile));
  return kOfferStart + what + kOfferTime + core::LocalTimeText(copy.Written) + kOfferEnd;
}

// The lock file that the program which wrote the copy left on its data file
// is the restored session's own: it goes without a question.
void RemovePredecessorLock(const core::RecoveryCopy& copy) {
  const fs::path lock = core::LockFilePath(fs::path(copy.DataFile));
  core::LockHolder holder;
  try {
    holder = core::DecodeLockText(core::ReadFileBytes(lock, 4096));
  } catch (const IoError&) {
    return;  // none, or not readable: TakeDataFileLock tells
  }
  if (holder.Host == copy.Host && holder.ProcessId == copy.ProcessId &&
      !core::IsThisProcess(holder) && !core::ProcessRunning(holder.ProcessId)) {
    std::error_code ec;
    fs::remove(lock, ec);
  }
}

// Wiederherstellen: the data file's lock as Open takes it, the block as Open
// reads it, then the data belong to their file and are modified. False when
// the user cancelled at the lock question (the copy stays).
bool Restore(AppState& state, core::Interaction& ui, const Candidate& candidate) {
  const fs::path data_file = candidate.Copy.DataFile;
  bool read_only = false;
  bool locked = false;
  if (!data_file.empty()) {
    std::error_code ec;
    if (fs::exists(data_file, ec) && core::IsWriteProtected(data_file)) {
      read_only = true;
    } else {
      RemovePredecessorLock(candidate.Copy);
      const std::optional<OpenLock> lock = LockForOpening(ui, data_file);
      if (!lock) return false;
      read_only = lock->HeldElsewhere;
      locked = lock->Locked;
    }
  }

  DataSession data;
  data.EnteredPassword.clear();
  LoadDataBlock(data, ui, candidate.Copy.Block);
  data.CurrentFileName = data_file.empty() ? kUntitledName : data_file.filename().string();
  data.ReadOnly = read_only;
  // The time the session had recorded: a data file written by someone else
  // since is still noticed by the next Save.
  data.LastWriteTime = fs::file_time_type(fs::file_time_type::duration(candidate.Copy.FileTime));
  // Data shown enciphered (no or a wrong password) cannot be saved: they are
  // not marked changed, and the copy stays for another try.
  data.Modified = !data.ShownEnciphered;
  state.Data = std::move(data);
  if (!data_file.empty()) {
    state.Dirs.Data = data_file.parent_path();
    ReloadSettingsForDataDirectory(state, ui);
  }
  KeepDataFileLock(state, ui, locked ? data_file : fs::path());
  if (state.Data.ShownEnciphered) return true;
  // This program's own copy takes over before the restored one goes.
  const fs::path own = RecoveryCopyPath(state.Dirs.Program);
  if (WriteRecoveryCopy(state, ui, Clock::now()) && candidate.File != own) {
    RemoveReporting(ui, candidate.File);
  }
  return true;
}

}  // namespace

fs::path RecoveryCopyPath(const fs::path& program_dir) {
  const core::LockHolder me = core::ThisProcess(Clock::now());
  return program_dir / (kNamePrefix + HostForFileName(me.Host) + "-" +
                        std::to_string(me.ProcessId) + kNameEnding);
}

bool WriteRecoveryCopy(AppState& state, core::Interaction& ui, Clock::time_point now) {
  // No program directory yet (before start-up): nowhere the next start looks.
  if (!state.Data.Modified || state.Data.ShownEnciphered || state.Dirs.Program.empty()) {
    return false;
  }
  core::RecoveryCopy copy;
  copy.Written = now;
  copy.FileTime = state.Data.LastWriteTime.time_since_epoch().count();
  copy.ProcessId = static_cast<int64_t>(::getpid());
  copy.Host = core::ThisProcess(now).Host;
  copy.DataFile = CurrentDataFile(state).string();
  copy.Block = state.Data.BlockForWriting();
  try {
    core::SaveFileAtomically(RecoveryCopyPath(state.Dirs.Program), core::EncodeRecoveryFile(copy));
  } catch (const IoError& e) {
    if (!state.Session.RecoveryFailureReported) {
      state.Session.RecoveryFailureReported = true;
      ui.Tell(Icon::Warning, e.what() + std::string(kNotWrittenEnd));
    }
    return false;
  }
  state.Session.RecoveryWritten = now;
  state.Session.RecoveryFailureReported = false;
  return true;
}

bool WriteRecoveryCopyIfDue(AppState& state, core::Interaction& ui, Clock::time_point now) {
  if (!state.Data.Modified) return false;
  const auto& last = state.Session.RecoveryWritten;
  if (last && now - *last < kRecoveryInterval) return false;
  return WriteRecoveryCopy(state, ui, now);
}

void RemoveRecoveryCopy(AppState& state, core::Interaction& ui) {
  state.Session.RecoveryWritten.reset();
  state.Session.RecoveryFailureReported = false;
  const fs::path own = RecoveryCopyPath(state.Dirs.Program);
  std::error_code ec;
  if (!fs::exists(own, ec)) return;
  RemoveReporting(ui, own);
}

bool OfferRecoveryCopies(AppState& state, core::Interaction& ui) {
  for (const Candidate& candidate : FindCopies(state, ui)) {
    switch (ui.Ask(Icon::Confirmation, OfferText(candidate.Copy), core::Buttons::RestoreDiscard)) {
      case Answer::Yes:
        if (Restore(state, ui, candidate)) return true;
        break;
      case Answer::No:
        RemoveReporting(ui, candidate.File);
        break;
      default:
        break;  // kept for the next start
    }
  }
  return false;
}

}  // namespace tolka::app
