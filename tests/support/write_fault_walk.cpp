#include "support/write_fault_walk.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::test {

namespace {

namespace fs = std::filesystem;

constexpr int kErrors[] = {ENOSPC, EACCES, EIO};

const char* ErrorName(int error) {
  switch (error) {
    case ENOSPC:
      return "ENOSPC";
    case EACCES:
      return "EACCES";
    case EIO:
      return "EIO";
    default:
      return "errno";
  }
}

using Snapshot = std::map<fs::path, std::vector<uint8_t>>;

Snapshot TakeSnapshot(const fs::path& root) {
  Snapshot files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[entry.path()] = ReadAll(entry.path());
  }
  return files;
}

constexpr size_t kAllErrorsUpTo = 15;

bool MayChange(const WriteFaultWalk& walk, const WriteFaultRun& run, const fs::path& file) {
  return walk.MayChange && walk.MayChange(run, file);
}

// The errors to inject at `step` (counted from 1).
std::vector<int> ErrorsAt(const std::vector<core::WriteStepRecord>& steps, size_t step) {
  size_t first_write = 0;
  for (size_t i = 0; i < steps.size() && first_write == 0; ++i) {
    if (steps[i].Step == core::WriteStep::Write) first_write = i + 1;
  }
  if (steps.size() <= kAllErrorsUpTo || step == 1 || step == first_write) {
    return {std::begin(kErrors), std::end(kErrors)};
  }
  return {kErrors[step % 3]};
}

// The temporary files of SaveFileAtomically: "." + name + ".XXXXXX".
bool LooksTemporary(const fs::path& file) {
  const std::string name = file.filename().string();
  return name.size() > 8 && name[0] == '.' && name[name.size() - 7] == '.';
}

void CompareScene(const WriteFaultWalk& walk, const WriteFaultRun& run, const Snapshot& before,
                  const Snapshot& after) {
  for (const auto& [file, bytes] : after) {
    EXPECT_FALSE(LooksTemporary(file)) << run.Describe() << ": temporary file left: " << file;
    if (MayChange(walk, run, file)) continue;
    const auto old = before.find(file);
    if (old == before.end()) {
      ADD_FAILURE() << run.Describe() << ": file created: " << file;
    } else if (old->second != bytes) {
      ADD_FAILURE() << run.Describe() << ": file changed: " << file;
    }
  }
  for (const auto& [file, bytes] : before) {
    if (!MayChange(walk, run, file) && after.count(file) == 0) {
      ADD_FAILURE() << run.Describe() << ": file lost: " << file;
    }
  }
}

// The scene's own files are saved without the flush to the disk too.
fs::path SetUpWithoutSync(const WriteFaultWalk& walk, const FailingStep& failing) {
  core::ScopedWriteFault quiet;
  quiet.SkipDiskSync();
  return walk.Setup(failing);
}

// Runs the action, keeping an IoError's text.
std::optional<std::string> RunAction(const WriteFaultWalk& walk) {
  try {
    walk.Action();
  } catch (const IoError& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

}  // namespace

std::string WriteFaultRun::ExpectedMessage() const {
  return core::FileError(Error, Failed.Target, core::IoAccess::Write).what();
}

std::string WriteFaultRun::Describe() const {
  return "step " + std::to_string(Step) + " of " + std::to_string(StepCount) + " (" +
         core::WriteStepName(Failed.Step) + " of " + Failed.Target.string() + "), " +
         ErrorName(Error);
}

size_t WalkWriteFaults(const WriteFaultWalk& walk) {
  std::vector<core::WriteStepRecord> clean_steps;
  {
    SetUpWithoutSync(walk, FailingStep{});
    core::ScopedWriteFault counting;
    counting.SkipDiskSync();
    counting.LimitWriteCalls(walk.WriteCallLimit);
    const auto thrown = RunAction(walk);
    if (thrown) ADD_FAILURE() << "the clean run failed: " << core::Cp1252ToUtf8(*thrown);
    clean_steps = counting.Steps();
  }
  EXPECT_GT(clean_steps.size(), 0u) << "the command saved nothing";
  for (size_t step = 1; step <= clean_steps.size(); ++step) {
    for (int error : ErrorsAt(clean_steps, step)) {
      const fs::path root = SetUpWithoutSync(walk, FailingStep{step, clean_steps[step - 1]});
      const Snapshot before = TakeSnapshot(root);
      WriteFaultRun run;
      run.Step = step;
      run.StepCount = clean_steps.size();
      run.Error = error;
      {
        core::ScopedWriteFault fault(step, error);
        fault.SkipDiskSync();
        fault.LimitWriteCalls(walk.WriteCallLimit);
        run.Thrown = RunAction(walk);
        if (!fault.Struck()) {
          ADD_FAILURE() << "step " << step << " never came: the command took "
                        << fault.Steps().size() << " steps";
          return clean_steps.size();
        }
        run.Failed = fault.Steps()[step - 1];
      }
      EXPECT_EQ(run.Failed.Step, clean_steps[step - 1].Step) << run.Describe();
      CompareScene(walk, run, before, TakeSnapshot(root));
      if (walk.Check) walk.Check(run);
      if (::testing::Test::HasFatalFailure()) return clean_steps.size();
    }
  }
  return clean_steps.size();
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

void ExpectReported(const WriteFaultRun& run, const ScriptedInteraction& ui) {
  const std::string expected = run.ExpectedMessage();
  if (run.Thrown && Contains(*run.Thrown, expected)) return;
  for (const auto& shown : ui.Log()) {
    if (Contains(shown, expected)) return;
  }
  ADD_FAILURE() << run.Describe() << ": the user was not told \"" << core::Cp1252ToUtf8(expected)
                << "\"; thrown: "
                << (run.Thrown ? core::Cp1252ToUtf8(*run.Thrown) : std::string("nothing"));
}

}  // namespace tolka::test
