#include "core/write_fault_injection.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "core/file_io.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::core {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(WriteFaultInjection, CountsTheStepsOfOneSave) {
  TempDir dir;
  ScopedWriteFault counting;
  SaveFileAtomically(dir / "A.DAT", {1, 2, 3});
  std::vector<WriteStep> steps;
  for (const auto& s : counting.Steps()) {
    steps.push_back(s.Step);
    EXPECT_EQ(s.Target, dir / "A.DAT");
  }
  EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::Open, WriteStep::Write, WriteStep::Sync,
                                           WriteStep::Close, WriteStep::Rename}));
  EXPECT_FALSE(counting.Struck());
  // An empty file has no write call.
  SaveFileAtomically(dir / "B.DAT", {});
  EXPECT_EQ(counting.Steps().size(), 9u);
}

// The helper itself, walked: a new file stays absent, an old one stays as it
// was, and the message names the file and the cause.
TEST(WriteFaultInjection, SaveLeavesTheOldFileOrNoneOnEveryFailure) {
  for (const bool existed : {false, true}) {
    std::unique_ptr<TempDir> dir;
    test::WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep&) {
              dir = std::make_unique<TempDir>();
              if (existed) WriteAll(*dir / "JG.TLK", {9, 9});
              return dir->path();
            },
        .Action = [&] { SaveFileAtomically(*dir / "JG.TLK", std::vector<uint8_t>(5000, 7)); },
        .Check =
            [&](const test::WriteFaultRun& run) {
              ASSERT_TRUE(run.Thrown) << run.Describe();
              EXPECT_EQ(*run.Thrown, run.ExpectedMessage());
            },
    });
  }
}

// Short write calls: the save goes on where the last call ended, and a
// failure after some of them leaves the old file.
TEST(WriteFaultInjection, ShortWritesAreContinuedAndEachCanFail) {
  std::vector<uint8_t> content(5000);
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<uint8_t>(i * 7);
  std::unique_ptr<TempDir> dir;
  const size_t steps = test::WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            WriteAll(*dir / "JG.TLK", {9, 9});
            return dir->path();
          },
      .Action = [&] { SaveFileAtomically(*dir / "JG.TLK", content); },
      .Check =
          [&](const test::WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
          },
      .WriteCallLimit = 1000,
  });
  EXPECT_EQ(steps, 9u) << "open, five writes, fsync, close, rename";
  ScopedWriteFault short_calls;
  short_calls.LimitWriteCalls(999);
  SaveFileAtomically(dir->path() / "JG.TLK", content);
  EXPECT_EQ(ReadAll(dir->path() / "JG.TLK"), content);
}

TEST(WriteFaultInjection, MessagesForTheInjectedErrors) {
  TempDir dir;
  const auto path = dir / "JG.TLK";
  const std::string q = "\x84" + PathText(path) + "\x93";
  const std::pair<int, std::string> cases[] = {
      {ENOSPC, "Der Datenträger ist voll:\r" + q + " konnte nicht gespeichert werden."},
      {EACCES, "Keine Schreibberechtigung für " + q + "."},
      {EIO, q + " konnte nicht gespeichert werden:\rLese- oder Schreibfehler des Datenträgers."}};
  for (const auto& [error, text] : cases) {
    ScopedWriteFault fault(2, error);
    try {
      SaveFileAtomically(path, {1});
      ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
      EXPECT_EQ(std::string(e.what()), text);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  // Without a plan the same save goes through.
  SaveFileAtomically(path, {1});
  EXPECT_EQ(ReadAll(path), std::vector<uint8_t>{1});
}

// Three files saved together, two of them replacing older ones: whichever
// step fails, the directory is as before.
TEST(WriteFaultInjection, FilesSavedTogetherAreAllNewOrAllOld) {
  std::unique_ptr<TempDir> dir;
  const size_t steps = test::WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            std::filesystem::create_directory(*dir / "listen");
            WriteAll(*dir / "A.DAT", {1});
            WriteAll(*dir / "listen" / "C.KLL", {3});
            return dir->path();
          },
      .Action =
          [&] {
            SaveFilesAtomically({{*dir / "A.DAT", {10, 11}},
                                 {*dir / "B.DAT", {20}},
                                 {*dir / "listen" / "C.KLL", {30}}});
          },
      .Check =
          [&](const test::WriteFaultRun& run) {
            ASSERT_TRUE(run.Thrown) << run.Describe();
            EXPECT_EQ(*run.Thrown, run.ExpectedMessage());
          },
  });
  // Every file is complete before the first one is replaced.
  EXPECT_EQ(steps, 15u);
  ScopedWriteFault counting;
  SaveFilesAtomically({{dir->path() / "A.DAT", {1}}, {dir->path() / "B.DAT", {2}}});
  ASSERT_EQ(counting.Steps().size(), 10u);
  EXPECT_EQ(counting.Steps()[7].Step, WriteStep::Close);
  EXPECT_EQ(counting.Steps()[8].Step, WriteStep::Rename);
}

// When the medium fails for good, a file already replaced cannot get its old
// content back: the message says so and names it.
TEST(WriteFaultInjection, AFileThatCannotBePutBackIsNamed) {
  TempDir dir;
  WriteAll(dir / "A.DAT", {1});
  WriteAll(dir / "B.DAT", {2});
  ScopedWriteFault fault(10, EIO, FaultSpan::FromThenOn);  // the second rename on
  try {
    SaveFilesAtomically({{dir / "A.DAT", {10}}, {dir / "B.DAT", {20}}});
    ADD_FAILURE() << "no error";
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()),
              std::string(FileError(EIO, dir / "B.DAT", IoAccess::Write).what()) +
                  "\r\rDiese Dateien haben schon den neuen Inhalt und konnten nicht "
                  "zurückgesetzt werden:\r  " +
                  PathText(dir / "A.DAT"));
  }
  EXPECT_EQ(ReadAll(dir / "A.DAT"), std::vector<uint8_t>{10});
  EXPECT_EQ(ReadAll(dir / "B.DAT"), std::vector<uint8_t>{2});
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2u) << "no temporary file stays";
}

}  // namespace
}  // namespace tolka::core
