// FHRINFO.DAT: the byte layout, the size check and the atomic save.
#include "print/fhr_info.h"

#include <gtest/gtest.h>

#include "core/byte_fields.h"
#include "core/file_io.h"
#include "support/temp_dir.h"

namespace tolka::print {
namespace {

namespace fs = std::filesystem;
namespace L = fhr_info_layout;

TEST(FhrInfo, FieldsAtTheirOffsetsAndReservedBytesCarried) {
  std::vector<uint8_t> bytes(L::kRecordSize, 0);
  bytes[100] = 0xAB;  // reserved
  FhrInfo info = DecodeFhrInfo(bytes);
  info.SchoolType = 3;
  info.SchoolSubject = "Gymnasium (Wirtschaft)";
  const std::vector<uint8_t> out = EncodeFhrInfo(info);
  ASSERT_EQ(out.size(), 128u);
  EXPECT_EQ(out[0], 3);
  EXPECT_EQ(out[1], 0);
  EXPECT_EQ(out[2], 22);  // the length byte of the string[50]
  EXPECT_EQ(out[3], 'G');
  EXPECT_EQ(out[100], 0xAB);
  EXPECT_EQ(DecodeFhrInfo(out).SchoolSubject, "Gymnasium (Wirtschaft)");
  info.SchoolSubject = std::string(60, 'x');  // cut to 50
  EXPECT_EQ(DecodeFhrInfo(EncodeFhrInfo(info)).SchoolSubject.size(), 50u);
}

class FhrInfoFile : public ::testing::Test {
 protected:
  FhrInfoFile() {
    fs::create_directory(dirs.Program);
    fs::create_directory(dirs.Data);
  }
  test::TempDir temp;
  core::Directories dirs{temp / "prog", temp / "data", temp / "prog", temp / "prog"};
};

TEST_F(FhrInfoFile, MissingGivesDefaultsAndSaveLoadRoundTrips) {
  FhrInfo info;
  info.SchoolType = 9;
  EXPECT_EQ(LoadFhrInfo(info, dirs, true), "");
  EXPECT_EQ(info.SchoolType, 0);
  info.SchoolType = 1;
  info.SchoolSubject = "Gymnasium am See";
  SaveFhrInfo(info, dirs, false);  // beside the data file
  EXPECT_TRUE(fs::exists(dirs.Data / kFhrInfoFileName));
  FhrInfo loaded;
  EXPECT_EQ(LoadFhrInfo(loaded, dirs, false), "");
  EXPECT_TRUE(loaded.SameValues(info));
}

TEST_F(FhrInfoFile, AWrongSizeKeepsTheDefaultsAndTheFile) {
  test::WriteAll(dirs.Program / kFhrInfoFileName, std::vector<uint8_t>(129, 1));
  FhrInfo info;
  EXPECT_EQ(LoadFhrInfo(info, dirs, true), core::kWrongSize);
  EXPECT_EQ(info.SchoolType, 0);
  EXPECT_EQ(fs::file_size(dirs.Program / kFhrInfoFileName), 129u);
}

}  // namespace
}  // namespace tolka::print
