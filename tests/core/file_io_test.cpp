#include "core/file_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::core {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(FileIo, FindsFixedNamesWhateverTheirCase) {
  TempDir dir;
  WriteAll(dir / "fachdef.dat", {1});
  auto found = FindFile(dir.path(), "FachDef.DAT");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "fachdef.dat");
  EXPECT_EQ(TargetPath(dir.path(), "FachDef.DAT").filename(), "fachdef.dat");
  EXPECT_EQ(TargetPath(dir.path(), "AbiDef.DAT").filename(), "AbiDef.DAT");
  WriteAll(dir / "FachDef.DAT", {2});
  EXPECT_EQ(FindFile(dir.path(), "FachDef.DAT")->filename(), "FachDef.DAT");  // exact wins
  EXPECT_FALSE(FindFile(dir.path(), "ABIEINST.DAT"));
  EXPECT_FALSE(FindFile(dir / "missing", "x"));
}

TEST(FileIo, ReadErrorsCarryTheRuntimeTexts) {
  TempDir dir;
  try {
    ReadFileBytes(dir / "none");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), kFileNotFound);
  }
  WriteAll(dir / "short", {1, 2, 3});
  try {
    ReadExactly(dir / "short", 4);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), kReadPastEnd);
  }
  EXPECT_EQ(ReadExactly(dir / "short", 2).size(), 2u);
  EXPECT_EQ(ReadFileBytes(dir / "short", 2).size(), 2u);
  EXPECT_EQ(IoErrorText(28), "E/A-Fehler 28");
}

TEST(FileIo, AtomicSaveReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  WriteAll(dir / "f", std::vector<uint8_t>(100, 1));
  SaveFileAtomically(dir / "f", {7, 8});
  EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{7, 8}));
  size_t entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(FileIo, FailedSaveLeavesTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores directory permissions";
  TempDir dir;
  WriteAll(dir / "f", {1, 2, 3});
  std::filesystem::permissions(
      dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  try {
    SaveFileAtomically(dir / "f", {9});
    FAIL();
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), kAccessDenied);
  }
  EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(FileIo, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  WriteAll(dir / "f", {1, 2, 3});
  {
    test::FileSizeLimit limit(10);  // the disk is "full" after 10 bytes
    try {
      SaveFileAtomically(dir / "f", std::vector<uint8_t>(100, 9));
      FAIL();
    } catch (const IoError& e) {
      EXPECT_STREQ(e.what(), "E/A-Fehler 27");
    }
  }
  EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));
  size_t entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(FileIo, SaveIntoAMissingDirectoryFails) {
  TempDir dir;
  EXPECT_THROW(SaveFileAtomically(dir / "no" / "f", {1}), IoError);
}

}  // namespace
}  // namespace tolka::core
