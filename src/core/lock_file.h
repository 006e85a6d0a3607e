// The lock file that marks a data file as held open by a running program:
// "<data file name>.LCK" beside the data file (JG2024.TLK -> JG2024.TLK.LCK).
// It is created exclusively (O_CREAT | O_EXCL), so of two programs that open
// the file at the same moment only one takes it, also on a shared folder.
// Its content is a short text, one "key=value" per line after a first line
// "Tolka-Sperre":
//
//   Tolka-Sperre
//   Rechner=<host name>
//   Benutzer=<user name>
//   Prozess=<process id, decimal>
//   Seit=<time the lock was taken, seconds since 1970-01-01 UTC, decimal>
//
// Host and user are the system's bytes as they are; a reader tolerates
// missing or unknown lines (a file still being written reads as empty).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolka::core {

inline constexpr const char* kLockFileEnding = ".LCK";
// A lock older than this is stale whoever holds it (a program left running
// over night on another workstation does not keep the file for ever).
inline constexpr std::chrono::hours kLockMaxAge{24};

struct LockHolder {
  std::string Host;
  std::string User;
  int64_t ProcessId = 0;
  std::chrono::system_clock::time_point Since{};
};

// The lock file of `data_file`.
std::filesystem::path LockFilePath(const std::filesystem::path& data_file);

// This program: the host name, the user name, the process id and `now`.
LockHolder ThisProcess(std::chrono::system_clock::time_point now);

std::vector<uint8_t> EncodeLockText(const LockHolder& holder);
// Whatever the bytes hold; a field that is missing or not a number stays at
// its default (empty, 0, the epoch).
LockHolder DecodeLockText(const std::vector<uint8_t>& bytes);

// True when `holder` names this very process (host and process id).
bool IsThisProcess(const LockHolder& holder);

// True while a process with this id runs on this host: kill(pid, 0) does
// not fail with ESRCH, and the process is not a zombie (killed, but not yet
// collected by its parent).
bool ProcessRunning(int64_t process_id);

// A lock that nobody holds any more: taken on this host by a process that
// no longer runs (kill(pid, 0) fails with ESRCH), or taken more than
// kLockMaxAge before `now`. A lock of another host is stale only by age.
bool IsStale(const LockHolder& holder, std::chrono::system_clock::time_point now);

// Creates `path` with `bytes` only when no file of that name exists yet.
// Created: the file is written; Exists: another file is there (nothing is
// written); Failed: `error` is the errno of the failure (no write permission,
// a name too long, a full disk; a half-written file is removed again).
struct ExclusiveCreate {
  enum class Result { Created, Exists, Failed };
  Result Outcome = Result::Failed;
  int Error = 0;
};
ExclusiveCreate CreateFileExclusively(const std::filesystem::path& path,
                                      const std::vector<uint8_t>& bytes);

// "08.12.2026 16:05" in local time, for messages.
std::string LocalTimeText(std::chrono::system_clock::time_point time);

}  // namespace tolka::core
