// The hold of a data file by one running program (core/lock_file.h): Open
// takes the lock file before it changes anything (the ".BAK" copy included),
// Save As and the first Save of new data take it on the new file, and the
// lock is given back when the session leaves the file (New, Open of another
// file, Save As to another name, leaving the program).
//
// A lock held by another running program (this host or another workstation
// on a shared folder) is shown with its user, host and time; Open then
// offers the file read-only, Save refuses to write over it. A stale lock
// (its process on this host is gone, or it is older than a day) is taken
// over after asking. A lock file that cannot be created for another reason
// (a write-protected folder, a name too long) does not stop the command: the
// user is told that other workstations will not be warned.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

enum class LockPurpose { Open, Save };

enum class LockOutcome {
  Locked,        // the lock file names this program now (or did already)
  NotLocked,     // it could not be created; the user was told, go on
  OpenReadOnly,  // held by another program: the user chose read-only
  Cancelled      // held by another program: nothing is to happen
};

// Takes the lock of `data_file` (a full path) with the questions above. Does
// not touch the session's current lock: the caller moves it with
// KeepDataFileLock once its command has succeeded.
LockOutcome TakeDataFileLock(core::Interaction& ui, const std::filesystem::path& data_file,
                             LockPurpose purpose);

// Open's use of TakeDataFileLock, shared by Open and by restoring a recovery
// copy: nothing when the user cancelled; otherwise whether the data are to be
// shown read-only (another program holds the file) and whether this program
// holds the lock now.
struct OpenLock {
  bool HeldElsewhere = false;
  bool Locked = false;
};
std::optional<OpenLock> LockForOpening(core::Interaction& ui,
                                       const std::filesystem::path& data_file);

// Removes the lock file of `data_file` when it names this program (a lock
// another program took over meanwhile stays). A failure is reported.
void ReleaseDataFileLock(core::Interaction& ui, const std::filesystem::path& data_file);

// The session now holds the lock of `data_file` (empty: of no file): the
// lock it held before on another file is released.
void KeepDataFileLock(AppState& state, core::Interaction& ui,
                      const std::filesystem::path& data_file);

// For writers without a session (the command-line tool): the message
// "Die Datei ... ist bereits geöffnet: Benutzer ..., Rechner ..., seit ...."
// when another running program holds `data_file` (a stale lock or none: no
// message). Such a writer then writes nothing; it takes no lock itself.
std::optional<std::string> HeldByAnotherProgram(const std::filesystem::path& data_file);

}  // namespace tolka::app
