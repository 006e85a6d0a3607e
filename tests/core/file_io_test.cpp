#include "core/file_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

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

// The quoted path as the messages show it.
std::string Q(const std::filesystem::path& path) { return "\x84" + PathText(path) + "\x93"; }

TEST(FileIo, ReadErrorsNameTheFileAndTheCause) {
  TempDir dir;
  try {
    ReadFileBytes(dir / "none");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Datei " + Q(dir / "none") + " wurde nicht gefunden.");
    EXPECT_EQ(e.Cause(), "Datei nicht gefunden");
  }
  WriteAll(dir / "short", {1, 2, 3});
  try {
    ReadExactly(dir / "short", 4);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Datei " + Q(dir / "short") + " ist zu kurz (falsche Größe).");
  }
  EXPECT_EQ(ReadExactly(dir / "short", 2).size(), 2u);
  EXPECT_EQ(ReadFileBytes(dir / "short", 2).size(), 2u);
  // Causes in German words, never a bare error number of the runtime.
  EXPECT_EQ(IoErrorText(ENOSPC), "Der Datenträger ist voll");
  EXPECT_EQ(IoErrorText(EROFS), "Der Datenträger ist schreibgeschützt");
  EXPECT_EQ(IoErrorText(9999), "Ein-/Ausgabefehler (Nr. 9999)");
  EXPECT_EQ(std::string(FileError(ENOSPC, "/x/JG.TLK", IoAccess::Write).what()),
            "Der Datenträger ist voll:\r\x84/x/JG.TLK\x93 konnte nicht gespeichert werden.");
  EXPECT_EQ(std::string(FileError(EACCES, "/x/JG.TLK", IoAccess::Write).what()),
            "Keine Schreibberechtigung für \x84/x/JG.TLK\x93.");
}

// A file its owner marked read-only (no write bit) is not replaced, not even
// by a privileged user whom the system would let write it.
TEST(FileIo, AWriteProtectedFileOrFolderIsNeverReplaced) {
  namespace fs = std::filesystem;
  TempDir dir;
  WriteAll(dir / "f", {1, 2, 3});
  EXPECT_FALSE(IsWriteProtected(dir / "f"));
  EXPECT_FALSE(IsWriteProtected(dir / "new"));
  fs::permissions(dir / "f", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_TRUE(IsWriteProtected(dir / "f"));
  try {
    SaveFileAtomically(dir / "f", {9});
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()), "Keine Schreibberechtigung für " + Q(dir / "f") + ".");
  }
  EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));

  TempDir other;
  WriteAll(other / "g", {4});
  fs::permissions(other.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(IsWriteProtected(other / "g"));
  EXPECT_TRUE(IsWriteProtected(other / "new"));
  EXPECT_THROW(SaveFileAtomically(other / "g", {5}), IoError);
  EXPECT_EQ(ReadAll(other / "g"), (std::vector<uint8_t>{4}));
  fs::permissions(other.path(), fs::perms::owner_all);
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

TEST(FileIo, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  WriteAll(dir / "f", {1, 2, 3});
  {
    test::FileSizeLimit limit(10);  // the disk is "full" after 10 bytes
    try {
      SaveFileAtomically(dir / "f", std::vector<uint8_t>(100, 9));
      FAIL();
    } catch (const IoError& e) {
      EXPECT_EQ(e.Cause(), "Die Datei ist zu groß für den Datenträger");
    }
  }
  EXPECT_EQ(ReadAll(dir / "f"), (std::vector<uint8_t>{1, 2, 3}));
  size_t entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

// The last step fails: a folder of the target's name cannot be replaced by
// the rename. That holds for every user, root included, so the failure does
// not hang on permissions.
TEST(FileIo, AFailedFinalRenameReportsItAndLeavesNoTemporaryFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "JG.TLK");
  WriteAll(dir / "JG.TLK" / "inside", {1, 2});
  ASSERT_FALSE(IsWriteProtected(dir / "JG.TLK"));
  try {
    SaveFileAtomically(dir / "JG.TLK", {7, 8, 9});
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_EQ(
        std::string(e.what()),
        Q(dir / "JG.TLK") + " konnte nicht gespeichert werden:\rDas ist ein Ordner, keine Datei.");
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / "JG.TLK"));
  EXPECT_EQ(ReadAll(dir / "JG.TLK" / "inside"), (std::vector<uint8_t>{1, 2}));
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
