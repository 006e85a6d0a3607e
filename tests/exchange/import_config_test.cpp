#include "exchange/import_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/io_error.h"
#include "support/temp_dir.h"

namespace tolka::exchange {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// One 6-byte entry: code (little-endian), length byte, three characters.
std::vector<uint8_t> Entry(uint16_t code, const std::string& join, uint8_t length_byte = 255) {
  std::vector<uint8_t> e = {static_cast<uint8_t>(code & 0xFF),
                            static_cast<uint8_t>(code >> 8),
                            length_byte == 255 ? static_cast<uint8_t>(join.size()) : length_byte,
                            'x',
                            'x',
                            'x'};
  for (size_t i = 0; i < join.size() && i < 3; ++i) e[3 + i] = static_cast<uint8_t>(join[i]);
  return e;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(ImportConfig, DecodesEntriesAtTheirOffsets) {
  // Entry 0 is not used; entry 1 is column 1.
  const auto bytes = Concat({Entry(9, ""), Entry(2, "++"), Entry(0x0107, ", "), Entry(7, "")});
  const ImportConfig config = DecodeImportConfig(bytes);
  EXPECT_EQ(config.Column(1).FieldCode, 2);
  EXPECT_EQ(config.Column(1).JoinText, "++");
  EXPECT_EQ(config.Column(2).FieldCode, 0x0107);  // high byte second: an unknown code
  EXPECT_EQ(config.Column(2).JoinText, ", ");
  EXPECT_EQ(config.Column(3).FieldCode, 7);
  EXPECT_EQ(config.Column(3).JoinText, "");
  // Missing entries count as code 0.
  for (size_t column = 4; column <= 20; ++column) EXPECT_EQ(config.Column(column).FieldCode, 0);
}

TEST(ImportConfig, JoinTextLengthAboveThreeReadsAsThree) {
  const auto bytes = Concat({Entry(0, ""), Entry(1, "abc", 200)});
  EXPECT_EQ(DecodeImportConfig(bytes).Column(1).JoinText, "abc");
}

TEST(ImportConfig, AFileEndingInsideAnEntryIsDamaged) {
  EXPECT_THROW(DecodeImportConfig(std::vector<uint8_t>{1, 0, 0}), IoError);
  auto bytes = Concat({Entry(0, ""), Entry(1, "")});
  bytes.push_back(2);
  EXPECT_THROW(DecodeImportConfig(bytes), IoError);
  // An empty file holds no entry at all.
  EXPECT_FALSE(FeedsAnyField(DecodeImportConfig(std::vector<uint8_t>{})));
}

TEST(ImportConfig, OnlyTwentyOneEntriesAreRead) {
  std::vector<uint8_t> bytes;
  for (int k = 0; k < 21; ++k) {
    const auto e = Entry(k == 20 ? 8 : 0, "");
    bytes.insert(bytes.end(), e.begin(), e.end());
  }
  bytes.push_back(5);  // a 22nd, partial entry is never read
  const ImportConfig config = DecodeImportConfig(bytes);
  EXPECT_EQ(config.Column(20).FieldCode, 8);
}

TEST(ImportConfig, EncodeWritesAllEntriesAndCarriesTheirBytes) {
  std::vector<uint8_t> bytes;
  for (int k = 0; k < 21; ++k) {
    const auto e = Entry(static_cast<uint16_t>(k % 9), k % 2 ? "ab" : "");
    bytes.insert(bytes.end(), e.begin(), e.end());
  }
  // Read and written back byte for byte, the "x" after short join texts too.
  EXPECT_EQ(EncodeImportConfig(DecodeImportConfig(bytes)), bytes);

  ImportConfig config = DecodeImportConfig(bytes);
  config.Entries[5].FieldCode = 0x0203;
  config.Entries[5].JoinText = "1234";  // cut to 3
  const auto encoded = EncodeImportConfig(config);
  ASSERT_EQ(encoded.size(), 126u);
  EXPECT_EQ(encoded[30], 0x03);
  EXPECT_EQ(encoded[31], 0x02);
  EXPECT_EQ(encoded[32], 3);
  EXPECT_EQ(std::string(encoded.begin() + 33, encoded.begin() + 36), "123");
}

TEST(ImportConfig, BuiltInConfiguration) {
  const ImportConfig config = BuiltInImportConfig();
  const uint16_t codes[] = {1, 2, 3, 4, 5, 6, 7, 8};
  for (size_t column = 1; column <= 8; ++column) {
    EXPECT_EQ(config.Column(column).FieldCode, codes[column - 1]);
    EXPECT_EQ(config.Column(column).JoinText, column == 3 ? ": " : "");
  }
  for (size_t column = 9; column <= 20; ++column) EXPECT_EQ(config.Column(column).FieldCode, 0);
  EXPECT_TRUE(FeedsAnyField(config));
}

TEST(ImportConfig, FeedsAnyFieldLooksAtColumnsOneToTwenty) {
  ImportConfig config;
  EXPECT_FALSE(FeedsAnyField(config));
  config.Entries[0].FieldCode = 1;  // entry 0 is not a column
  EXPECT_FALSE(FeedsAnyField(config));
  config.Entries[4].FieldCode = 9;  // unknown codes skip
  EXPECT_FALSE(FeedsAnyField(config));
  config.Entries[20].FieldCode = 5;
  EXPECT_TRUE(FeedsAnyField(config));
}

TEST(ImportConfig, LoadFromTheProgramDirectory) {
  TempDir dir;
  LoadedImportConfig loaded = LoadImportConfig(dir.path());
  EXPECT_FALSE(loaded.File);
  EXPECT_EQ(loaded.Config.Column(8).FieldCode, 8);  // built-in

  // A file copied from another system may be spelt in lower case.
  WriteAll(dir / "import.cfg", Concat({Entry(0, ""), Entry(2, "")}));
  loaded = LoadImportConfig(dir.path());
  ASSERT_TRUE(loaded.File);
  EXPECT_EQ(loaded.Config.Column(1).FieldCode, 2);
  EXPECT_EQ(loaded.Config.Column(2).FieldCode, 0);

  // Saving replaces that file rather than adding a second one.
  ImportConfig config = loaded.Config;
  config.Entries[2].FieldCode = 1;
  EXPECT_EQ(SaveImportConfig(dir.path(), config), dir / "import.cfg");
  EXPECT_EQ(ReadAll(dir / "import.cfg").size(), 126u);
  EXPECT_EQ(LoadImportConfig(dir.path()).Config.Column(2).FieldCode, 1);

  WriteAll(dir / "import.cfg", {1, 0, 0, 0});
  EXPECT_THROW(LoadImportConfig(dir.path()), IoError);
}

}  // namespace
}  // namespace tolka::exchange
