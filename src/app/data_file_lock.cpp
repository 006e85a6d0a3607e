#include "app/data_file_lock.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/lock_file.h"

namespace tolka::app {

namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Buttons;
using core::Icon;
using Clock = std::chrono::system_clock;

constexpr const char* kHeldStart = "Die Datei ";
constexpr const char* kHeldMiddle = " ist bereits geöffnet:\r";
constexpr const char* kHeldOpenEnd =
    "\r\rÄnderungen an zwei Arbeitsplätzen würden sich gegenseitig überschreiben.\rSoll sie "
    "schreibgeschützt geöffnet werden?";
constexpr const char* kHeldSaveEnd =
    "\r\rSie wird nicht überschrieben.\rBitte speichern Sie die Daten unter einem anderen Namen.";
constexpr const char* kStaleMiddle = " ist als geöffnet gesperrt:\r";
constexpr const char* kStaleReason =
    "\r\rDas Programm, das die Sperre angelegt hat, läuft nicht mehr\r(oder die Sperre ist älter "
    "als ein Tag).";
constexpr const char* kStaleOpenEnd =
    "\r\rSoll die Sperre aufgehoben und die Datei\rzum Bearbeiten geöffnet werden?\r(Nein: Die "
    "Datei wird schreibgeschützt geöffnet.)";
constexpr const char* kStaleSaveEnd =
    "\r\rSoll die Sperre aufgehoben und die Datei gespeichert "
    "werden?";
constexpr const char* kNotLockedStart = "Die Sperrdatei ";
constexpr const char* kNotLockedMiddle = " konnte nicht angelegt werden:\r";
constexpr const char* kNotLockedOpenEnd =
    ".\r\rDie Datei wird trotzdem geöffnet. Andere Arbeitsplätze werden aber nicht gewarnt,\rwenn "
    "sie dieselbe Datei öffnen.";
constexpr const char* kNotLockedSaveEnd =
    ".\r\rDie Datei wird trotzdem gespeichert. Andere Arbeitsplätze werden aber nicht "
    "gewarnt,\rwenn sie dieselbe Datei öffnen.";
constexpr const char* kNotReleasedMiddle = " konnte nicht gelöscht werden:\r";
constexpr const char* kNotReleasedEnd =
    ".\r\rBeim nächsten Öffnen wird gefragt, ob die Sperre aufgehoben werden soll.";

std::string Quoted(const fs::path& path) { return "\x84" + core::PathText(path) + "\x93"; }

std::string SystemText(const std::string& text) {
  if (text.empty()) return "unbekannt";
  if (auto converted = core::Utf8ToCp1252(text)) return *converted;
  return text;
}

// "Benutzer mueller, Rechner ws07, seit 08.12.2026 16:05."
std::string HolderText(const core::LockHolder& holder) {
  return "Benutzer " + SystemText(holder.User) + ", Rechner " + SystemText(holder.Host) +
         ", seit " + core::LocalTimeText(holder.Since) + ".";
}

// The holder named by the lock file. A file still being written (or one
// without the time) counts from its modification time, so it never looks a
// day old only because its text is not complete yet.
core::LockHolder ReadHolder(const fs::path& lock) {
  core::LockHolder holder;
  try {
    holder = core::DecodeLockText(core::ReadFileBytes(lock, 4096));
  } catch (const IoError&) {
    // Unreadable: an unknown holder, timed by the file.
  }
  if (holder.Since == Clock::time_point{}) {
    std::error_code ec;
    const fs::file_time_type time = fs::last_write_time(lock, ec);
    holder.Since =
        ec ? Clock::now()
           : std::chrono::time_point_cast<Clock::duration>(std::chrono::file_clock::to_sys(time));
  }
  return holder;
}

LockOutcome NotLocked(core::Interaction& ui, const fs::path& lock, int error, LockPurpose purpose) {
  // A folder that is missing (or a file in place of it) fails the save that
  // follows with its own message; a note about the lock would only precede it.
  if (purpose == LockPurpose::Save && (error == ENOENT || error == ENOTDIR)) {
    return LockOutcome::NotLocked;
  }
  ui.Tell(Icon::Warning,
          kNotLockedStart + Quoted(lock) + kNotLockedMiddle + core::IoErrorText(error) +
              (purpose == LockPurpose::Open ? kNotLockedOpenEnd : kNotLockedSaveEnd));
  return LockOutcome::NotLocked;
}

}  // namespace

std::optional<OpenLock> LockForOpening(core::Interaction& ui, const fs::path& data_file) {
  switch (TakeDataFileLock(ui, data_file, LockPurpose::Open)) {
    case LockOutcome::Cancelled:
      return std::nullopt;
    case LockOutcome::OpenReadOnly:
      return OpenLock{.HeldElsewhere = true};
    case LockOutcome::Locked:
      return OpenLock{.Locked = true};
    case LockOutcome::NotLocked:
      break;
  }
  return OpenLock{};
}

std::optional<std::string> HeldByAnotherProgram(const fs::path& data_file) {
  const fs::path lock = core::LockFilePath(data_file);
  std::error_code ec;
  if (!fs::exists(lock, ec) || ec) return std::nullopt;
  const core::LockHolder holder = ReadHolder(lock);
  if (core::IsThisProcess(holder) || core::IsStale(holder, Clock::now())) return std::nullopt;
  return kHeldStart + Quoted(data_file) + kHeldMiddle + HolderText(holder);
}

LockOutcome TakeDataFileLock(core::Interaction& ui, const fs::path& data_file,
                             LockPurpose purpose) {
  const fs::path lock = core::LockFilePath(data_file);
  // A few rounds at most: a stale lock removed (or one that went while it was
  // read) and created afresh; another program may have been quicker.
  bool stale_asked = false;
  for (int round = 0; round < 3; ++round) {
    const Clock::time_point now = Clock::now();
    const core::ExclusiveCreate created =
        core::CreateFileExclusively(lock, core::EncodeLockText(core::ThisProcess(now)));
    if (created.Outcome == core::ExclusiveCreate::Result::Created) return LockOutcome::Locked;
    if (created.Outcome == core::ExclusiveCreate::Result::Failed) {
      return NotLocked(ui, lock, created.Error, purpose);
    }
    std::error_code gone;
    if (!fs::exists(lock, gone) && !gone) continue;  // released meanwhile
    const core::LockHolder holder = ReadHolder(lock);
    if (core::IsThisProcess(holder)) return LockOutcome::Locked;
    const std::string who = HolderText(holder);
    if (!stale_asked && core::IsStale(holder, now)) {
      stale_asked = true;
      if (purpose == LockPurpose::Open) {
        switch (ui.Ask(
            Icon::Warning,
            kHeldStart + Quoted(data_file) + kStaleMiddle + who + kStaleReason + kStaleOpenEnd,
            Buttons::YesNoCancel)) {
          case Answer::Yes:
            break;
          case Answer::No:
            return LockOutcome::OpenReadOnly;
          default:
            return LockOutcome::Cancelled;
        }
      } else if (ui.Ask(Icon::Warning,
                        kHeldStart + Quoted(data_file) + kStaleMiddle + who + kStaleReason +
                            kStaleSaveEnd,
                        Buttons::YesNoDefaultNo) != Answer::Yes) {
        return LockOutcome::Cancelled;
      }
      std::error_code ec;
      fs::remove(lock, ec);
      if (ec) return NotLocked(ui, lock, ec.value(), purpose);
      continue;
    }
    if (purpose == LockPurpose::Save) {
      ui.Tell(Icon::Error, kHeldStart + Quoted(data_file) + kHeldMiddle + who + kHeldSaveEnd);
      return LockOutcome::Cancelled;
    }
    // No is the default: the user reads the warning before the file opens.
    return ui.Ask(Icon::Warning, kHeldStart + Quoted(data_file) + kHeldMiddle + who + kHeldOpenEnd,
                  Buttons::YesNoDefaultNo) == Answer::Yes
               ? LockOutcome::OpenReadOnly
               : LockOutcome::Cancelled;
  }
  // Taken and given back again and again by others: the file opens (or is
  // saved) without this lock, and the user is told so.
  return NotLocked(ui, lock, EBUSY, purpose);
}

void ReleaseDataFileLock(core::Interaction& ui, const fs::path& data_file) {
  if (data_file.empty()) return;
  const fs::path lock = core::LockFilePath(data_file);
  std::error_code ec;
  if (!fs::exists(lock, ec)) return;
  if (!core::IsThisProcess(ReadHolder(lock))) return;
  fs::remove(lock, ec);
  if (ec) {
    ui.Tell(Icon::Warning, kNotLockedStart + Quoted(lock) + kNotReleasedMiddle +
                               core::IoErrorText(ec.value()) + kNotReleasedEnd);
  }
}

void KeepDataFileLock(AppState& state, core::Interaction& ui, const fs::path& data_file) {
  if (state.Session.LockedDataFile != data_file) {
    ReleaseDataFileLock(ui, state.Session.LockedDataFile);
  }
  state.Session.LockedDataFile = data_file;
}

}  // namespace tolka::app
