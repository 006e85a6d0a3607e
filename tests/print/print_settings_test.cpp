#include "print/print_settings.h"

#include <gtest/gtest.h>

#include "core/byte_fields.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::print {
namespace {

namespace L = print_layout;
namespace fs = std::filesystem;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// A 288-byte record with every margin different, the switches set and the
// reserved bytes and the tail filled.
std::vector<uint8_t> SampleRecord() {
  std::vector<uint8_t> b(L::kRecordSize);
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 13 + 1);
  for (size_t i = 0; i < L::kMarginCount; ++i) core::PutI32(b, 4 * i, 100 + int32_t(i));
  core::PutI32(b, 4 * 45, -20);
  core::PutU16(b, 184, 0);
  core::PutU16(b, 186, 4);
  core::PutU16(b, 188, 1);
  core::PutU16(b, 190, 1);
  core::PutU16(b, 192, 1);
  return b;
}

TEST(PrintSettingsRecord, DefaultsAndResetKeepTheTail) {
  PrintSettings s = DecodePrintSettings(SampleRecord());
  ResetPrintSettings(s);
  for (int32_t m : s.Margins) EXPECT_EQ(m, 150);
  EXPECT_EQ(s.FrameOption, 1);
  EXPECT_EQ(s.PrintMode, 1);
  EXPECT_EQ(s.NoSchoolName, 0);
  EXPECT_EQ(s.NoCertificateName, 0);
  EXPECT_EQ(s.CompensatedFonts, 0);
  const auto b = EncodePrintSettings(s);
  const auto sample = SampleRecord();
  for (size_t i = 194; i < 205; ++i) EXPECT_EQ(b[i], 0) << i;          // reserved, set to 0
  for (size_t i = 205; i < 288; ++i) EXPECT_EQ(b[i], sample[i]) << i;  // tail kept
  EXPECT_EQ(core::GetI32(b, 0), 150);
  EXPECT_EQ(core::GetI32(b, 180), 150);
  EXPECT_EQ(core::GetU16(b, 184), 1);
  EXPECT_EQ(core::GetU16(b, 186), 1);
}

TEST(PrintSettingsRecord, FieldsSitAtTheirOffsetsAndRoundTripByteForByte) {
  const auto bytes = SampleRecord();
  const PrintSettings s = DecodePrintSettings(bytes);
  EXPECT_EQ(s.Margins[0], 100);
  EXPECT_EQ(s.Margins[44], 144);
  EXPECT_EQ(s.Margins[45], -20);
  EXPECT_EQ(s.FrameOption, 0);
  EXPECT_EQ(s.PrintMode, 4);
  EXPECT_EQ(s.NoSchoolName, 1);
  EXPECT_EQ(s.NoCertificateName, 1);
  EXPECT_EQ(s.CompensatedFonts, 1);
  EXPECT_EQ(EncodePrintSettings(s), bytes);

  PrintSettings changed = s;
  changed.Margins[MarginIndex(margin_row::kInternalForms, 1, true)] = 0x01020304;
  changed.PrintMode = 2;
  const auto b = EncodePrintSettings(changed);
  EXPECT_EQ(b[4 * 29], 0x04);
  EXPECT_EQ(b[4 * 29 + 3], 0x01);
  EXPECT_EQ(b[186], 2);
  EXPECT_EQ(b[187], 0);
}

TEST(PrintSettingsRecord, MarginIndexContinuesWithoutAGapAfterRowThree) {
  EXPECT_EQ(MarginIndex(0, 1, false), 0u);
  EXPECT_EQ(MarginIndex(0, 4, true), 7u);
  EXPECT_EQ(MarginIndex(2, 3, false), 20u);
  EXPECT_EQ(MarginIndex(margin_row::kFhrCertificate, 2, true), 27u);
  EXPECT_EQ(MarginIndex(margin_row::kInternalForms, 1, false), 28u);  // report sheets' origin
  EXPECT_EQ(MarginIndex(margin_row::kInternalForms, 1, true), 29u);
  EXPECT_EQ(MarginIndex(margin_row::kInternalForms, 4, true), 35u);
  EXPECT_EQ(MarginIndex(margin_row::kAcknowledgement, 1, false), 36u);
  EXPECT_EQ(MarginIndex(margin_row::kAcknowledgement, 1, true), 37u);
  EXPECT_EQ(MarginIndex(margin_row::kReserve, 1, false), 38u);
  EXPECT_EQ(MarginIndex(margin_row::kReserve, 4, true), 45u);
  EXPECT_THROW(MarginIndex(margin_row::kFhrCertificate, 3, false), std::out_of_range);
  EXPECT_THROW(MarginIndex(margin_row::kAcknowledgement, 2, false), std::out_of_range);
  EXPECT_THROW(MarginIndex(0, 0, false), std::out_of_range);
  EXPECT_THROW(MarginIndex(7, 1, false), std::out_of_range);
}

struct Install {
  TempDir program;
  TempDir data;
  core::Directories dirs;
  Install() {
    dirs = core::Directories::AllAt(program.path());
    dirs.Data = data.path();
  }
};

TEST(PrintSettingsLoad, NoFileKeepsTheDefaultsAndWritesNoBackup) {
  Install in;
  PrintSettings s = DecodePrintSettings(SampleRecord());
  EXPECT_EQ(LoadPrintSettings(s, in.dirs, true), "");
  const auto b = EncodePrintSettings(s);
  const auto sample = SampleRecord();
  EXPECT_TRUE(std::equal(b.begin() + 205, b.end(), sample.begin() + 205));  // tail kept
  for (int32_t m : s.Margins) EXPECT_EQ(m, 150);
  EXPECT_EQ(s.FrameOption, 1);
  EXPECT_EQ(s.PrintMode, 1);
  EXPECT_EQ(s.CompensatedFonts, 0);
  EXPECT_TRUE(fs::is_empty(in.program.path()));
}

TEST(PrintSettingsLoad, FullRecordIsReadAndBackedUpInTheSettingsDirectory) {
  Install in;
  const auto bytes = SampleRecord();
  WriteAll(in.program / "DRKEINST.DAT", bytes);
  PrintSettings s;
  EXPECT_EQ(LoadPrintSettings(s, in.dirs, false), "");  // settings directory: data
  EXPECT_EQ(EncodePrintSettings(s), bytes);
  EXPECT_EQ(ReadAll(in.data / "DRKEINST.BAK"), bytes);
  EXPECT_FALSE(fs::exists(in.program / "DRKEINST.BAK"));
  EXPECT_EQ(ReadAll(in.program / "DRKEINST.DAT"), bytes);

  // The data directory's own file wins.
  auto own = bytes;
  core::PutU16(own, 186, 3);
  WriteAll(in.data / "drkeinst.dat", own);
  EXPECT_EQ(LoadPrintSettings(s, in.dirs, false), "");
  EXPECT_EQ(s.PrintMode, 3);
  EXPECT_EQ(LoadPrintSettings(s, in.dirs, true), "");
  EXPECT_EQ(s.PrintMode, 4);
}

TEST(PrintSettingsLoad, OlderFormIsConvertedAndWrittenBackWhole) {
  Install in;
  const auto full = SampleRecord();
  const std::vector<uint8_t> old(full.begin(), full.begin() + 192);
  WriteAll(in.program / "DRKEINST.DAT", old);
  PrintSettings s;
  EXPECT_EQ(LoadPrintSettings(s, in.dirs, true), "");
  EXPECT_EQ(s.Margins[0], 100);
  EXPECT_EQ(s.Margins[45], -20);
  EXPECT_EQ(s.FrameOption, 0);
  EXPECT_EQ(s.PrintMode, 4);
  EXPECT_EQ(s.NoSchoolName, 1);
  EXPECT_EQ(s.NoCertificateName, 1);
  EXPECT_EQ(s.CompensatedFonts, 0);  // not in the older form
  const auto bak = ReadAll(in.program / "DRKEINST.BAK");
  ASSERT_EQ(bak.size(), 288u);
  EXPECT_TRUE(std::equal(old.begin(), old.end(), bak.begin()));
  for (size_t i = 192; i < 288; ++i) EXPECT_EQ(bak[i], 0) << i;
  EXPECT_EQ(ReadAll(in.program / "DRKEINST.DAT"), bak);

  // The next load reads the converted record.
  PrintSettings again;
  EXPECT_EQ(LoadPrintSettings(again, in.dirs, true), "");
  EXPECT_EQ(EncodePrintSettings(again), bak);
}

TEST(PrintSettingsLoad, WrongSizeKeepsTheDefaultsAndTouchesNothing) {
  for (size_t size : {289u, 287u, 191u, 0u}) {
    Install in;
    std::vector<uint8_t> wrong(size, 7);
    WriteAll(in.program / "DRKEINST.DAT", wrong);
    PrintSettings s = DecodePrintSettings(SampleRecord());
    EXPECT_EQ(LoadPrintSettings(s, in.dirs, true), "Datei hat falsche Größe!") << size;
    for (int32_t m : s.Margins) EXPECT_EQ(m, 150);
    EXPECT_EQ(s.PrintMode, 1);
    EXPECT_EQ(ReadAll(in.program / "DRKEINST.DAT"), wrong);
    EXPECT_FALSE(fs::exists(in.program / "DRKEINST.BAK"));
  }
}

TEST(PrintSettingsLoad, BackupWriteFailureThrowsWithTheValuesReadInForce) {
  Install in;
  WriteAll(in.program / "DRKEINST.DAT", SampleRecord());
  fs::create_directory(in.program / "DRKEINST.BAK");
  PrintSettings s;
  EXPECT_THROW(LoadPrintSettings(s, in.dirs, true), IoError);
  EXPECT_EQ(s.PrintMode, 4);
}

TEST(PrintSettingsLoad, FailedConversionLeavesTheOlderFile) {
  Install in;
  const auto full = SampleRecord();
  const std::vector<uint8_t> old(full.begin(), full.begin() + 192);
  WriteAll(in.program / "DRKEINST.DAT", old);
  PrintSettings s;
  {
    test::FileSizeLimit limit(200);
    EXPECT_THROW(LoadPrintSettings(s, in.dirs, true), IoError);
  }
  EXPECT_EQ(ReadAll(in.program / "DRKEINST.DAT"), old);
  EXPECT_EQ(s.PrintMode, 4);
}

TEST(PrintSettingsSave, WritesTheRecordIntoTheSettingsDirectory) {
  Install in;
  PrintSettings s = DecodePrintSettings(SampleRecord());
  s.Margins[3] = 77;
  SavePrintSettings(s, in.dirs, false);
  EXPECT_EQ(ReadAll(in.data / "DRKEINST.DAT"), EncodePrintSettings(s));
  EXPECT_FALSE(fs::exists(in.program / "DRKEINST.DAT"));

  WriteAll(in.program / "DRKEINST.DAT", SampleRecord());
  {
    test::FileSizeLimit limit(100);
    EXPECT_THROW(SavePrintSettings(s, in.dirs, true), IoError);
  }
  EXPECT_EQ(ReadAll(in.program / "DRKEINST.DAT"), SampleRecord());
}

TEST(MarginField, EmptyWholeAndDecimalTexts) {
  EXPECT_EQ(ParseMargin(""), 0);
  EXPECT_EQ(ParseMargin("   "), 0);
  EXPECT_EQ(ParseMargin("150"), 150);
  EXPECT_EQ(ParseMargin(" 150 "), 150);
  EXPECT_EQ(ParseMargin("-25"), -25);
  EXPECT_EQ(ParseMargin("+7"), 7);
  EXPECT_EQ(ParseMargin("0"), 0);
  EXPECT_EQ(ParseMargin("2147483647"), 2147483647);
  EXPECT_EQ(ParseMargin("-2147483648"), -2147483647 - 1);
}

TEST(MarginField, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ParseMargin("12.5"), 12);
  EXPECT_EQ(ParseMargin("12,5"), 12);
  EXPECT_EQ(ParseMargin("13.5"), 14);
  EXPECT_EQ(ParseMargin("13,5"), 14);
  EXPECT_EQ(ParseMargin("12.50001"), 13);
  EXPECT_EQ(ParseMargin("12.4999"), 12);
  EXPECT_EQ(ParseMargin("12.6"), 13);
  EXPECT_EQ(ParseMargin("0.5"), 0);
  EXPECT_EQ(ParseMargin(",5"), 0);
  EXPECT_EQ(ParseMargin("1,5"), 2);
  EXPECT_EQ(ParseMargin("-12.5"), -12);
  EXPECT_EQ(ParseMargin("-13.5"), -14);
  EXPECT_EQ(ParseMargin("-0.7"), -1);
  EXPECT_EQ(ParseMargin("7."), 7);
}

TEST(MarginField, OtherTextsAreNoNumber) {
  for (const char* text : {"abc", "12mm", "1,2,3", "1.2.3", "1 2", "-", ".", "+", "1e2", "--1",
                           "2147483648", "-2147483649", "99999999999999999999"}) {
    EXPECT_FALSE(ParseMargin(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace tolka::print
