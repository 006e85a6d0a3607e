#include "exchange/export_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::exchange {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

std::string Text(const fs::path& path) {
  const auto bytes = ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& path, const std::string& text) {
  WriteAll(path, std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(ExportFile, CreateWritesOrReplacesTheWholeFile) {
  TempDir dir;
  WriteExportFile(dir / "a.txt", "x;y\r\n", ExportMode::Create);
  EXPECT_EQ(Text(dir / "a.txt"), "x;y\r\n");
  WriteExportFile(dir / "a.txt", "", ExportMode::Create);  // an empty export: an empty file
  EXPECT_EQ(Text(dir / "a.txt"), "");
  // No temporary file is left beside the target.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(ExportFile, AppendFollowsTheOldContent) {
  TempDir dir;
  WriteText(dir / "a.txt", "alt\r\n");
  WriteExportFile(dir / "a.txt", "neu\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "a.txt"), "alt\r\nneu\r\n");
}

TEST(ExportFile, AppendEndsAnUnfinishedLastLineFirst) {
  TempDir dir;
  WriteText(dir / "a.txt", "alt");
  WriteExportFile(dir / "a.txt", "neu\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "a.txt"), "alt\r\nneu\r\n");
  WriteText(dir / "b.txt", "alt\r");  // a lone CR gets its LF only
  WriteExportFile(dir / "b.txt", "neu\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "b.txt"), "alt\r\nneu\r\n");
  WriteText(dir / "c.txt", "alt\n");  // an LF already ends the line
  WriteExportFile(dir / "c.txt", "neu\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "c.txt"), "alt\nneu\r\n");
  WriteText(dir / "d.txt", "");
  WriteExportFile(dir / "d.txt", "neu\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "d.txt"), "neu\r\n");
}

TEST(ExportFile, AppendingNothingLeavesTheFileUntouched) {
  TempDir dir;
  WriteText(dir / "a.txt", "alt");
  WriteExportFile(dir / "a.txt", "", ExportMode::Append);
  EXPECT_EQ(Text(dir / "a.txt"), "alt");
}

TEST(ExportFile, AppendToAMissingFileCreatesIt) {
  TempDir dir;
  WriteExportFile(dir / "neu.txt", "z\r\n", ExportMode::Append);
  EXPECT_EQ(Text(dir / "neu.txt"), "z\r\n");
}

TEST(ExportFile, FailedExportLeavesTheOldFile) {
  TempDir dir;
  WriteText(dir / "a.txt", "alt\r\n");
  {
    // A disk that fills up while the new content is written.
    test::FileSizeLimit limit(8);
    EXPECT_THROW(WriteExportFile(dir / "a.txt", "neue Zeile\r\n", ExportMode::Append), IoError);
    EXPECT_THROW(WriteExportFile(dir / "a.txt", "neue Zeile\r\n", ExportMode::Create), IoError);
  }
  EXPECT_EQ(Text(dir / "a.txt"), "alt\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(ExportFile, TargetInAMissingDirectoryFails) {
  TempDir dir;
  EXPECT_THROW(WriteExportFile(dir / "nicht" / "a.txt", "x\r\n", ExportMode::Create), IoError);
}

}  // namespace
}  // namespace tolka::exchange
