#include "settings/exam_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "core/io_error.h"
#include "settings/field_texts.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

uint16_t U16At(const std::vector<uint8_t>& b, size_t off) {
  return static_cast<uint16_t>(b[off] | (b[off + 1] << 8));
}

double F64At(const std::vector<uint8_t>& b, size_t off) {
  uint64_t bits = 0;
  for (size_t i = 0; i < 8; ++i) bits |= uint64_t{b[off + i]} << (8 * i);
  double value;
  std::memcpy(&value, &bits, 8);
  return value;
}

std::string ShortStringAt(const std::vector<uint8_t>& b, size_t off) {
  return std::string(b.begin() + long(off) + 1, b.begin() + long(off) + 1 + b[off]);
}

std::vector<uint8_t> RandomBytes(size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(gen());
  return bytes;
}

std::vector<uint8_t> FileWithMaxExams(uint16_t max_exams) {
  ExamSettings s = BuiltInExamSettings();
  s.MaxExams = max_exams;
  return EncodeExamSettings(s);
}

TEST(ExamSettings, BuiltInValuesAtTheirOffsets) {
  const std::vector<uint8_t> b = EncodeExamSettings(BuiltInExamSettings());
  ASSERT_EQ(b.size(), 1672u);
  const std::pair<size_t, uint16_t> words[] = {
      {0, 8},    {2, 22},   {4, 8},    {6, 4},    {8, 16},   {10, 7},   {12, 2},   {14, 2},
      {16, 2},   {18, 4},   {20, 12},  {22, 3},   {24, 3},   {26, 4},   {28, 27},  {56, 110},
      {58, 330}, {60, 70},  {62, 210}, {64, 100}, {66, 300}, {68, 280}, {70, 840}, {72, 11},
      {74, 95},  {76, 285}, {78, 40},  {80, 55},  {82, 120}, {84, 165}, {86, 25},  {88, 20},
  };
  for (const auto& [offset, value] : words) EXPECT_EQ(U16At(b, offset), value) << offset;
  EXPECT_EQ(F64At(b, 32), 7.0);
  EXPECT_EQ(F64At(b, 40), 5.0);
  EXPECT_EQ(F64At(b, 48), 5.5);
  EXPECT_EQ(ShortStringAt(b, 90), "Standard-Abitur-Definition");
  for (size_t k = 0; k < 10; ++k) EXPECT_EQ(U16At(b, 346 + 2 * k), 0);
  for (size_t k = 0; k < 3; ++k) EXPECT_EQ(F64At(b, 368 + 8 * k), 1.0);
  for (size_t k = 0; k < 5; ++k) EXPECT_EQ(ShortStringAt(b, 392 + 256 * k), "-- frei --");
}

TEST(ExamSettings, ResetKeepsPaddingAndRestoresReservedFields) {
  const std::vector<uint8_t> random = RandomBytes(1672, 5);
  ExamSettings s = DecodeExamSettings(random);
  EXPECT_EQ(EncodeExamSettings(s), random);
  ResetExamSettings(s);
  const std::vector<uint8_t> b = EncodeExamSettings(s);
  EXPECT_EQ(b[30], random[30]);
  EXPECT_EQ(b[31], random[31]);
  EXPECT_EQ(b[366], random[366]);
  EXPECT_EQ(b[367], random[367]);
  EXPECT_EQ(s.MinWeeklyHours, 27);
  EXPECT_EQ(s.MinHoursArea3, 5.5);
  EXPECT_EQ(s.Description, "Standard-Abitur-Definition");
  const std::vector<uint8_t> builtin = EncodeExamSettings(BuiltInExamSettings());
  for (size_t k = 0; k < 10; ++k) EXPECT_EQ(U16At(b, 346 + 2 * k), 0);
  for (size_t k = 0; k < 3; ++k) EXPECT_EQ(F64At(b, 368 + 8 * k), 1.0);
  for (size_t k = 0; k < 5; ++k) EXPECT_EQ(ShortStringAt(b, 392 + 256 * k), "-- frei --");
  EXPECT_TRUE(std::equal(b.begin(), b.begin() + 30, builtin.begin()));
  EXPECT_TRUE(std::equal(b.begin() + 32, b.begin() + 90, builtin.begin() + 32));
}

TEST(ExamSettings, FieldsAtTheirOffsets) {
  ExamSettings s = DecodeExamSettings(RandomBytes(1672, 9));
  s.MinBasicCourses = 0x0102;
  s.MinWeeklyHours = 0x0304;
  s.MinHoursArea2 = 6.25;
  s.ExamSubjectMinWithSpecialWork = 0x0506;
  s.Description = "Test";
  const std::vector<uint8_t> b = EncodeExamSettings(s);
  EXPECT_EQ(U16At(b, 0), 0x0102);
  EXPECT_EQ(U16At(b, 28), 0x0304);
  EXPECT_EQ(F64At(b, 40), 6.25);
  EXPECT_EQ(U16At(b, 88), 0x0506);
  EXPECT_EQ(ShortStringAt(b, 90), "Test");
}

struct Dirs {
  TempDir program, data;
  core::Directories dirs;
  Dirs() : dirs{program.path(), data.path(), program.path(), program.path()} {}
};

TEST(ExamSettingsFile, FallBackOrder) {
  Dirs d;
  ExamSettings s;
  s.MaxExams = 99;
  LoadExamSettings(s, d.dirs, false);  // nowhere: the built-in values
  EXPECT_EQ(EncodeExamSettings(s), EncodeExamSettings(BuiltInExamSettings()));

  WriteAll(d.program / "AbiDef.DAT", FileWithMaxExams(5));
  LoadExamSettings(s, d.dirs, false);
  EXPECT_EQ(s.MaxExams, 5);
  WriteAll(d.data / "AbiDef.DAT", FileWithMaxExams(6));
  LoadExamSettings(s, d.dirs, false);
  EXPECT_EQ(s.MaxExams, 6);
  LoadExamSettings(s, d.dirs, true);
  EXPECT_EQ(s.MaxExams, 5);
}

TEST(ExamSettingsFile, DamagedFiles) {
  Dirs d;
  ExamSettings s;
  // Another case of the name is found.
  WriteAll(d.data / "ABIDEF.DAT", FileWithMaxExams(7));
  LoadExamSettings(s, d.dirs, false);
  EXPECT_EQ(s.MaxExams, 7);
  // Longer: the first 1672 bytes.
  std::vector<uint8_t> bytes = FileWithMaxExams(8);
  bytes.resize(2000, 0xEE);
  WriteAll(d.data / "ABIDEF.DAT", bytes);
  LoadExamSettings(s, d.dirs, false);
  EXPECT_EQ(s.MaxExams, 8);
  bytes.resize(1672);
  EXPECT_EQ(EncodeExamSettings(s), bytes);
  // Shorter by one byte: the message, the built-in values in force.
  bytes.resize(1671);
  WriteAll(d.data / "ABIDEF.DAT", bytes);
  try {
    LoadExamSettings(s, d.dirs, false);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_EQ(e.Cause(), "Die Datei ist zu kurz (falsche Größe)");
  }
  EXPECT_EQ(EncodeExamSettings(s), EncodeExamSettings(BuiltInExamSettings()));
}

TEST(ExamSettingsFile, SaveStampsTheDescription) {
  Dirs d;
  ExamSettings s = BuiltInExamSettings();
  SaveExamSettings(s, d.dirs, false, "Gymnasium am Markt", "03.07.2025");
  const std::vector<uint8_t> b = ReadAll(d.data / "AbiDef.DAT");
  EXPECT_EQ(b.size(), 1672u);
  EXPECT_EQ(ShortStringAt(b, 90), "Gymnasium am Markt; 03.07.2025");
  EXPECT_EQ(s.Description, "Gymnasium am Markt; 03.07.2025");
  EXPECT_FALSE(std::filesystem::exists(d.program / "AbiDef.DAT"));

  const std::string fifty(50, 'S');
  EXPECT_EQ(StampedDescription(fifty, "D"), fifty + "; D");
  EXPECT_EQ(StampedDescription(fifty + "x", "D"), fifty + "x;D");
  EXPECT_EQ(StampedDescription(fifty + "xyz", "D"), fifty + "xyD");
  EXPECT_EQ(StampedDescription("", "01.01.2000"), "; 01.01.2000");
}

TEST(ExamSettingsFile, RandomFileIsWrittenBackIdenticalApartFromTheStamp) {
  Dirs d;
  const std::vector<uint8_t> random = RandomBytes(1672, 13);
  WriteAll(d.program / "abidef.dat", random);
  ExamSettings s;
  LoadExamSettings(s, d.dirs, true);
  SaveExamSettings(s, d.dirs, true, "Schule", "01.02.2025");
  EXPECT_FALSE(std::filesystem::exists(d.program / "AbiDef.DAT"));  // replaced in place
  const std::vector<uint8_t> b = ReadAll(d.program / "abidef.dat");
  ASSERT_EQ(b.size(), 1672u);
  EXPECT_TRUE(std::equal(b.begin(), b.begin() + 90, random.begin()));
  EXPECT_EQ(ShortStringAt(b, 90), "Schule; 01.02.2025");
  // The Description's unused bytes and everything after it are the file's.
  EXPECT_TRUE(std::equal(b.begin() + 90 + 19, b.end(), random.begin() + 90 + 19));
}

TEST(ExamSettingsFile, FailedSaveReportsTheError) {
  TempDir program;
  WriteAll(program / "Datei", {1});
  core::Directories dirs{program.path(), program / "Datei", program.path(), program.path()};
  ExamSettings s = BuiltInExamSettings();
  EXPECT_THROW(SaveExamSettings(s, dirs, false, "Schule", "01.02.2025"), IoError);
  EXPECT_FALSE(std::filesystem::exists(program / "AbiDef.DAT"));
}

// Runs with the process's working directory at `dir`.

TEST(ExamSettingsFile, RestoreDefaultsWritesTheBuiltInValuesToTheSettingsDirectory) {
  Dirs d;
  WriteAll(d.program / "AbiDef.DAT", FileWithMaxExams(5));
  WriteAll(d.data / "AbiDef.DAT", FileWithMaxExams(6));
  ExamSettings s;
  LoadExamSettings(s, d.dirs, false);
  ASSERT_EQ(s.MaxExams, 6);
  RestoreDefaultExamSettings(s, d.dirs, false);
  EXPECT_EQ(EncodeExamSettings(s), EncodeExamSettings(BuiltInExamSettings()));
  EXPECT_EQ(ReadAll(d.data / "AbiDef.DAT"), EncodeExamSettings(BuiltInExamSettings()));
  // The program directory's older copy does not come back at the next load.
  ExamSettings reloaded;
  LoadExamSettings(reloaded, d.dirs, false);
  EXPECT_EQ(reloaded.MaxExams, 4);
  EXPECT_EQ(ReadAll(d.program / "AbiDef.DAT"), FileWithMaxExams(5));
}

TEST(ExamSettingsFile, RestoreDefaultsThatCannotBeWrittenChangesNothing) {
  Dirs d;
  WriteAll(d.program / "AbiDef.DAT", FileWithMaxExams(6));
  ExamSettings s;
  LoadExamSettings(s, d.dirs, true);
  {
    test::FileSizeLimit limit(100);
    EXPECT_THROW(RestoreDefaultExamSettings(s, d.dirs, true), IoError);
  }
  EXPECT_EQ(s.MaxExams, 6);
  EXPECT_EQ(ReadAll(d.program / "AbiDef.DAT"), FileWithMaxExams(6));
}

TEST(ExamTakeOver, DisplayedTexts) {
  const ExamSettingsTexts t = DisplayedTextsOf(BuiltInExamSettings());
  EXPECT_EQ(t.MinWeeklyHours, "27");
  EXPECT_EQ(t.MaxBasicCourses, "12");
  EXPECT_EQ(t.MaxAdvancedCourses, "3");
  EXPECT_EQ(t.MinHoursArea1, "7,0");
  EXPECT_EQ(t.MinHoursArea2, "5,0");
  EXPECT_EQ(t.MinHoursArea3, "5,5");
  EXPECT_EQ(RealFieldText(6.26), "6,3");
  EXPECT_EQ(RealFieldText(-0.5), "-0,5");
  EXPECT_EQ(RealFieldText(12345.0), "12345,0");
}

ExamSettingsTexts Texts(const char* weekly, const char* gk, const char* lk, const char* a1,
                        const char* a2, const char* a3) {
  return {weekly, gk, lk, a1, a2, a3};
}

TEST(ExamTakeOver, ValidTextsAreStored) {
  ExamSettings s = BuiltInExamSettings();
  EXPECT_EQ(TakeOverExamSettings(s, Texts("30", "65535", "0", "8", "4,5", " 6,75 ")), "");
  EXPECT_EQ(s.MinWeeklyHours, 30);
  EXPECT_EQ(s.MaxBasicCourses, 65535);
  EXPECT_EQ(s.MaxAdvancedCourses, 0);
  EXPECT_EQ(s.MinHoursArea1, 8.0);
  EXPECT_EQ(s.MinHoursArea2, 4.5);
  EXPECT_EQ(s.MinHoursArea3, 6.75);
  EXPECT_EQ(TakeOverExamSettings(s, Texts("30", "12", "3", ",5", "5,", "1,5E1")), "");
  EXPECT_EQ(s.MinHoursArea1, 0.5);
  EXPECT_EQ(s.MinHoursArea2, 5.0);
  EXPECT_EQ(s.MinHoursArea3, 15.0);
}

TEST(ExamTakeOver, FailingFieldChangesNothing) {
  ExamSettings s = BuiltInExamSettings();
  const auto error = TakeOverExamFields(s, Texts("28", "13", "4", "6,0", "5.5", "9,0"));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Field, 4);
  EXPECT_EQ(error->Message, "'5.5' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(EncodeExamSettings(s), EncodeExamSettings(BuiltInExamSettings()));

  EXPECT_EQ(TakeOverExamSettings(s, Texts("28", "65536", "4", "6,0", "5,5", "9,0")),
            "Fehler bei Bereichsprüfung");
  EXPECT_EQ(s.MinWeeklyHours, 27);
  EXPECT_EQ(s.MaxBasicCourses, 12);

  EXPECT_EQ(TakeOverExamSettings(s, Texts("2,5", "12", "3", "7", "5", "5")),
            "'2,5' ist kein gültiger Integerwert");
  for (const char* bad :
       {"", "abc", "1,2,3", "1e", "e5", ",", "-", "1.000,5", "nan", "inf", "1e999"}) {
    EXPECT_EQ(TakeOverExamSettings(s, Texts("27", "12", "3", "7", "5", bad)),
              "'" + std::string(bad) + "' ist kein gültiger Gleitkommawert")
        << bad;
  }
}

TEST(ExamTakeOver, UneditedFieldKeepsItsStoredValueExactly) {
  ExamSettings s = BuiltInExamSettings();
  s.MinHoursArea2 = 6.75;  // shown as "6,8"
  ExamSettingsTexts t = DisplayedTextsOf(s);
  ASSERT_EQ(t.MinHoursArea2, "6,8");
  t.MaxBasicCourses = "11";
  EXPECT_EQ(TakeOverExamSettings(s, t), "");
  EXPECT_EQ(s.MinHoursArea2, 6.75);
  EXPECT_EQ(s.MaxBasicCourses, 11);
  t = DisplayedTextsOf(s);
  t.MinHoursArea2 = "6,80";  // edited: taken as typed
  EXPECT_EQ(TakeOverExamSettings(s, t), "");
  EXPECT_EQ(s.MinHoursArea2, 6.8);
}

TEST(ExamSettings, ShortDateTodayIsDayMonthYear) {
  const std::string date = ShortDateToday();
  ASSERT_EQ(date.size(), 10u);
  EXPECT_EQ(date[2], '.');
  EXPECT_EQ(date[5], '.');
  const int day = std::stoi(date.substr(0, 2));
  const int month = std::stoi(date.substr(3, 2));
  EXPECT_TRUE(day >= 1 && day <= 31);
  EXPECT_TRUE(month >= 1 && month <= 12);
  EXPECT_GE(std::stoi(date.substr(6)), 2024);
}

}  // namespace
}  // namespace tolka::settings
