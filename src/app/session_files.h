// What a session keeps beside its data: the lock file it holds on the
// current data file (data_file_lock.h) and when it last wrote its recovery
// copy (recovery.h). Plain values, so the application state stays copyable;
// the commands take and release the files explicitly.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace tolka::app {

struct SessionFiles {
  // The data file whose lock file this session created; empty: none (new
  // data, a file opened read-only, or a lock that could not be created).
  std::filesystem::path LockedDataFile;
  // The time passed to the last successful write of the recovery copy.
  std::optional<std::chrono::system_clock::time_point> RecoveryWritten;
  // A failed write was reported; the next failures are not, until a write
  // succeeds again (the timer must not stack up error boxes).
  bool RecoveryFailureReported = false;
};

}  // namespace tolka::app
