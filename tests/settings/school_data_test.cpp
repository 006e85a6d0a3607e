#include "settings/school_data.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string ReadText(const fs::path& path) {
  const auto bytes = test::ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& path, const std::string& text) {
  test::WriteAll(path, std::vector<uint8_t>(text.begin(), text.end()));
}

SchoolData Sample() {
  SchoolData d;
  d.SchoolName = "Gymnasium Süd";
  d.CertificateName = "Staatliches Gymnasium Süd";
  d.ShortName = "Gym Süd";
  d.SchoolNumber = "123456";
  d.SchoolKey = "Ahorn";
  return d;
}

TEST(SchoolDataText, ReadsKeysIgnoringCaseBlanksCommentsAndUnknownKeys) {
  const SchoolData d = ParseSchoolData(
      "; Kommentar mit Schulname=falsch\r\n"
      "[Schule]\r\n"
      "  schulname =  Gymnasium Nord  \r\n"
      "Zeugnisname=Staatliches Gymnasium Nord\r\n"
      "# Schulnummer=000\n"
      "Kurzname=GN\n"
      "Ort=Neustadt\n"
      "keine Zuweisung\n"
      "Schulnummer=111\n"
      "Schulnummer=222\n"
      "SCHLUESSEL=Eiche");
  EXPECT_EQ(d.SchoolName, "Gymnasium Nord");
  EXPECT_EQ(d.CertificateName, "Staatliches Gymnasium Nord");
  EXPECT_EQ(d.ShortName, "GN");
  EXPECT_EQ(d.SchoolNumber, "222");  // the last line wins
  EXPECT_EQ(d.SchoolKey, "Eiche");
}

TEST(SchoolDataText, CutsValuesToTheirWidths) {
  const std::string long_text(60, 'x');
  const SchoolData d = ParseSchoolData("Schulname=" + long_text + "\nZeugnisname=" + long_text +
                                       "\nKurzname=" + long_text + "\nSchulnummer=" + long_text +
                                       "\nSchluessel=" + long_text);
  EXPECT_EQ(d.SchoolName.size(), 50u);
  EXPECT_EQ(d.CertificateName.size(), 50u);
  EXPECT_EQ(d.ShortName.size(), 20u);
  EXPECT_EQ(d.SchoolNumber.size(), 12u);
  EXPECT_EQ(d.SchoolKey.size(), 25u);
  const std::string formatted = FormatSchoolData(d);
  EXPECT_NE(formatted.find("Schulname=" + std::string(50, 'x') + "\r\n"), std::string::npos);
  EXPECT_EQ(formatted.find(std::string(51, 'x')), std::string::npos);
}

// Found by fuzzing: a value cut at a blank kept that blank, so a save wrote
// it and the next read gave another value (trimmed).
TEST(SchoolDataText, AValueCutAtABlankLosesTheBlank) {
  const std::string name = std::string(49, 'x') + "  Ende";
  const SchoolData d = ParseSchoolData("Zeugnisname=" + name + "\r\n");
  EXPECT_EQ(d.CertificateName, name.substr(0, 49));
  SchoolData changed = d;
  changed.ShortName = "Neu";
  EXPECT_EQ(ParseSchoolData(MergeSchoolData("Zeugnisname=" + name + "\r\n", changed)), changed);
}

// Found by fuzzing: in a Windows-1252 file whose only byte that UTF-8 does
// not allow was in a replaced value, the saved text was valid UTF-8 and was
// read back as UTF-8 ("\xDF\x99" became one character).
TEST(SchoolDataText, AWindows1252FileStaysReadableAfterTheLastNonUtf8ByteWasReplaced) {
  const std::string file =
      "; Stra\xDF\x99"
      "e\r\nSchulname=Gymnasium S\xFC\x64\r\n";
  SchoolData changed = ParseSchoolData(file);
  ASSERT_EQ(changed.SchoolName, "Gymnasium S\xFC\x64");
  changed.SchoolName = "Gymnasium Nord";
  const std::string merged = MergeSchoolData(file, changed);
  EXPECT_EQ(ParseSchoolData(merged), changed);
  // The comment is kept, converted; the missing keys follow.
  EXPECT_EQ(merged.rfind("\xEF\xBB\xBF; Stra\xC3\x9F\xE2\x84\xA2"
                         "e\r\nSchulname=Gymnasium Nord\r\nZeugnisname=\r\n",
                         0),
            0u);
}

TEST(SchoolDataText, Windows1252AndUtf8AreBothRead) {
  const std::string cp1252 = "Schulname=Gymnasium Süd\r\n";  // compiled as Windows-1252
  EXPECT_EQ(ParseSchoolData(cp1252).SchoolName, "Gymnasium Süd");
  const std::string utf8 =
      "Schulname=Gymnasium S\xC3\xBC"
      "d\r\n";
  EXPECT_EQ(ParseSchoolData(utf8).SchoolName, "Gymnasium Süd");
  EXPECT_EQ(ParseSchoolData("\xEF\xBB\xBFSchulname=Nord").SchoolName, "Nord");
  // Valid UTF-8 with a character the code page lacks ("Ł").
  EXPECT_EQ(ParseSchoolData("Schulname=\xC5\x81odz\r\n").SchoolName, "?odz");
  // Invalid UTF-8 stays Windows-1252 bytes.
  EXPECT_EQ(ParseSchoolData("Schulname=\xC3(\r\n").SchoolName, "\xC3(");
}

TEST(SchoolDataText, FormatAndParseRoundTrip) {
  const std::string text = FormatSchoolData(Sample());
  EXPECT_EQ(text.substr(0, 1), ";");
  EXPECT_NE(text.find("Schluessel=Ahorn\r\n"), std::string::npos);
  EXPECT_NE(text.find("Schulname=Gymnasium Süd\r\n"), std::string::npos);  // Windows-1252
  EXPECT_EQ(ParseSchoolData(text), Sample());
}

TEST(SchoolDataText, MergeKeepsCommentsUnknownKeysOrderEncodingAndLineEnds) {
  const std::string existing =
      "; Kommentar in UTF-8: \xC5\x81\xC3\xB3\x64\xC5\xBA\n"
      "Ort=M\xC3\xBCnchen\n"
      "schulname = Alt\n"
      "Schluessel=Ahorn\n";
  SchoolData d = Sample();
  const std::string merged = MergeSchoolData(existing, d);
  EXPECT_EQ(merged,
            "; Kommentar in UTF-8: \xC5\x81\xC3\xB3\x64\xC5\xBA\n"
            "Ort=M\xC3\xBCnchen\n"
            "schulname =Gymnasium S\xC3\xBC"
            "d\n"
            "Schluessel=Ahorn\n"
            "Zeugnisname=Staatliches Gymnasium S\xC3\xBC"
            "d\n"
            "Kurzname=Gym S\xC3\xBC"
            "d\n"
            "Schulnummer=123456\n");
  EXPECT_EQ(ParseSchoolData(merged), d);
  // Unchanged data give the same bytes.
  EXPECT_EQ(MergeSchoolData(merged, d), merged);
}

TEST(SchoolDataText, LineBreaksInAValueCannotAddKeys) {
  SchoolData d;
  d.SchoolName = "Nord\r\nSchluessel=geklaut";
  const SchoolData back = ParseSchoolData(FormatSchoolData(d));
  EXPECT_EQ(back.SchoolName, "Nord  Schluessel=geklaut");
  EXPECT_EQ(back.SchoolKey, "");
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

TEST(SchoolDataFile, NoFileGivesEmptyData) {
  Install in;
  EXPECT_EQ(LoadSchoolData(in.dirs, true), SchoolData{});
  EXPECT_EQ(LoadSchoolData(in.dirs, false), SchoolData{});
  EXPECT_TRUE(fs::is_empty(in.program.path()));
}

TEST(SchoolDataFile, FollowsCentralSettingsWithTheProgramDirectoryAsFallback) {
  Install in;
  WriteText(in.program / "SCHULE.INI", "Schulname=Zentral\r\n");
  EXPECT_EQ(LoadSchoolData(in.dirs, false).SchoolName, "Zentral");
  EXPECT_EQ(in.dirs.Settings, in.data.path());
  WriteText(in.data / "schule.ini", "Schulname=Vor Ort\r\n");
  EXPECT_EQ(LoadSchoolData(in.dirs, false).SchoolName, "Vor Ort");
  EXPECT_EQ(LoadSchoolData(in.dirs, true).SchoolName, "Zentral");
}

TEST(SchoolDataFile, SaveWritesANewFileAndLoadReadsItBack) {
  Install in;
  SaveSchoolData(Sample(), in.dirs, true);
  EXPECT_EQ(ReadText(in.program / "SCHULE.INI"), FormatSchoolData(Sample()));
  EXPECT_EQ(LoadSchoolData(in.dirs, true), Sample());
}

TEST(SchoolDataFile, SaveKeepsTheCommentsOfTheFileInForce) {
  Install in;
  WriteText(in.program / "SCHULE.INI", "; von Hand\r\nSchulname=Alt\r\nFax=0123\r\n");
  SaveSchoolData(Sample(), in.dirs, false);  // into the data directory
  const std::string written = ReadText(in.data / "SCHULE.INI");
  EXPECT_EQ(written.rfind("; von Hand\r\nSchulname=Gymnasium Süd\r\nFax=0123\r\n", 0), 0u)
      << written;
  EXPECT_EQ(ReadText(in.program / "SCHULE.INI"), "; von Hand\r\nSchulname=Alt\r\nFax=0123\r\n");
}

TEST(SchoolDataFile, SaveReplacesAFileOfAnotherCase) {
  Install in;
  WriteText(in.program / "schule.ini", "Schulname=Alt\r\n");
  SaveSchoolData(Sample(), in.dirs, true);
  EXPECT_EQ(LoadSchoolData(in.dirs, true), Sample());
  EXPECT_FALSE(fs::exists(in.program / "SCHULE.INI"));
}

TEST(SchoolDataFile, FailuresThrowAndLeaveTheOldFile) {
  Install in;
  fs::create_directory(in.program / "SCHULE.INI");  // not a file: not found as one
  EXPECT_EQ(LoadSchoolData(in.dirs, true), SchoolData{});
  EXPECT_THROW(SaveSchoolData(Sample(), in.dirs, true), IoError);
  WriteText(in.data / "SCHULE.INI", "Schulname=Alt\r\n");
  in.dirs.Data = in.data / "SCHULE.INI" / "sub";  // a file as a directory
  EXPECT_THROW(SaveSchoolData(Sample(), in.dirs, false), IoError);
  EXPECT_EQ(ReadText(in.data / "SCHULE.INI"), "Schulname=Alt\r\n");
  in.dirs.Data = in.data.path();
  {
    test::FileSizeLimit limit(8);
    EXPECT_THROW(SaveSchoolData(Sample(), in.dirs, false), IoError);
  }
  EXPECT_EQ(ReadText(in.data / "SCHULE.INI"), "Schulname=Alt\r\n");
}

}  // namespace
}  // namespace tolka::settings
