// Walks injected write failures over every step of a command that saves
// (with the real flush to the disk left out, ScopedWriteFault::SkipDiskSync):
// one clean run counts the steps (every open, write, fsync, close and rename
// of core::SaveFileAtomically), then the command runs again on a fresh scene
// for each step n and each of ENOSPC, EACCES and EIO, with step n failing.
// After every failing run the walk itself asserts that the scene's files are
// byte-identical to what they were before the command (no file changed,
// none added, no temporary file left), apart from the files the command may
// still write on purpose; the walk's Check asserts what the user was told
// and what is in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/write_fault_injection.h"

namespace tolka::test {

class ScriptedInteraction;

// One failing run.
struct WriteFaultRun {
  size_t Step = 0;       // counted from 1
  size_t StepCount = 0;  // of the clean run
  int Error = 0;
  core::WriteStepRecord Failed{core::WriteStep::Open, {}};
  // The text of the IoError that left the command, if one did.
  std::optional<std::string> Thrown;

  // The message the user must get for this failure (Windows-1252):
  // core::FileError of the error for the file whose save failed.
  std::string ExpectedMessage() const;
  // "step 3 of 5 (fsync of /tmp/.../JG.TLK), ENOSPC" for failure messages.
  std::string Describe() const;
};

// The run a scene is built for.
struct FailingStep {
  size_t Number = 0;  // counted from 1; 0 for the clean run
  // The step as the clean run took it (nothing for the clean run).
  std::optional<core::WriteStepRecord> Record;

  bool IsClean() const { return Number == 0; }
  // True when the failing step belongs to the save of a file named `name`.
  bool Saves(const std::string& name) const { return Record && Record->Target.filename() == name; }
};

struct WriteFaultWalk {
  // Builds a fresh scene (files on disk, the objects in memory, the prompts
  // the interaction expects) for the run of `failing` and returns the
  // directory that holds all of its files.
  std::function<std::filesystem::path(const FailingStep& failing)> Setup = {};
  // The command. An IoError it lets through is caught by the walk
  // (WriteFaultRun::Thrown); the clean run must not throw one.
  std::function<void()> Action = {};
  // After each failing run, before the next Setup.
  std::function<void(const WriteFaultRun&)> Check = {};
  // Files the command may still create or change although the run's step
  // failed (another, independent file of the same command); none when not
  // given.
  std::function<bool(const WriteFaultRun& run, const std::filesystem::path& file)> MayChange = {};
  // When not 0, every write call takes at most this many bytes, so a save
  // takes several write steps (ScopedWriteFault::LimitWriteCalls).
  size_t WriteCallLimit = 0;
};

// Runs the walk: each error on every step while a clean run takes at most
// 15 steps; beyond that one error per step in turn, and all three on the
// first step and on the first write. Returns the number of steps of the clean run (at least one,
// else the walk fails).
size_t WalkWriteFaults(const WriteFaultWalk& walk);

// True when `text` (Windows-1252) contains `part`.
bool Contains(const std::string& text, const std::string& part);

// Asserts that the user got the run's message: in the IoError that left the
// command or in a message box of `ui`.
void ExpectReported(const WriteFaultRun& run, const ScriptedInteraction& ui);

}  // namespace tolka::test
