// A seam in SaveFileAtomically for tests of the failure paths: every step of
// a save (creating the temporary file, each write call, fsync, close, the
// rename) first asks the plan in force whether it is to fail, and with which
// errno. Without a plan (the program) that is one load and one compare per
// step. A plan counts the steps it saw, so a test first learns how many steps
// a clean run of a command takes and then fails each of them in turn.
//
// The plan is process-wide and not synchronised: a test installs it on the
// thread that saves, and only one ScopedWriteFault lives at a time.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tolka::core {

enum class WriteStep { Open, Write, Sync, Close, Rename };

// "open", "write", "fsync", "close", "rename".
const char* WriteStepName(WriteStep step);

// One step as the plan saw it: what it was and the file being saved (the
// target, not the temporary file).
struct WriteStepRecord {
  WriteStep Step;
  std::filesystem::path Target;
};

class ScopedWriteFault;

namespace write_fault_detail {
extern ScopedWriteFault* active_plan;
int Consult(WriteStep step, const std::filesystem::path& target);
}  // namespace write_fault_detail

// Called by the saving helper before each step: 0 to go on, otherwise the
// errno the step is to fail with.
inline int InjectedWriteError(WriteStep step, const std::filesystem::path& target) {
  if (write_fault_detail::active_plan == nullptr) return 0;
  return write_fault_detail::Consult(step, target);
}

// False while a plan that skips the disk flush is in force.
bool DiskSyncWanted();

// How many of `wanted` bytes the next write call may take: all without a
// plan; a plan may make every call short (ScopedWriteFault::LimitWriteCalls).
size_t WriteCallSize(size_t wanted);

// Whether only the planned step fails, or it and every step after it (a
// medium that went away: also the attempts to put old files back fail).
enum class FaultSpan { OneStep, FromThenOn };

// While it lives, the `fail_at`-th step (counting from 1) of all saves fails
// with `error`; every other step runs (FaultSpan::OneStep). `fail_at` 0 only
// counts.
class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(size_t fail_at = 0, int error = 0, FaultSpan span = FaultSpan::OneStep);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

  // The steps seen so far, the failed one included.
  const std::vector<WriteStepRecord>& Steps() const { return steps_; }
  // True once the planned step came and failed.
  bool Struck() const { return fail_at_ != 0 && steps_.size() >= fail_at_; }

  // The fsync step is still counted (and may fail), but the real flush to
  // the disk is left out: it changes nothing a process can see, and a walk
  // saves thousands of files.
  void SkipDiskSync() { sync_ = false; }

  // Every write call takes at most `bytes` bytes, as on a file system that
  // writes short; a save then takes several write steps.
  void LimitWriteCalls(size_t bytes) { write_limit_ = bytes; }

 private:
  friend bool DiskSyncWanted();
  friend size_t WriteCallSize(size_t);
  friend int write_fault_detail::Consult(WriteStep, const std::filesystem::path&);
  size_t fail_at_;
  int error_;
  FaultSpan span_;
  bool sync_ = true;
  size_t write_limit_ = 0;
  std::vector<WriteStepRecord> steps_;
  ScopedWriteFault* previous_;
};

}  // namespace tolka::core
