// Print control tables: the reading rules, damaged files, the template and
// where a table is looked for.
#include "print/format_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/io_error.h"
#include "support/temp_dir.h"

namespace tolka::print {
namespace {

namespace fs = std::filesystem;

// A table text with the given entry blocks (number, x, y, font, page, print).
std::string Text(const std::string& title, const std::vector<std::array<int, 6>>& blocks) {
  std::string text = title + "\r\n=============\r\n";
  for (const auto& b : blocks) {
    for (int v : b) text += std::to_string(v) + "\r\n";
    text += "- - - - -\r\n";
  }
  return text;
}

TEST(ParseFormatTable, ReadsTheTitleAndAllEntries) {
  const ParsedFormatTable parsed = ParseFormatTable(FormatTableText(FormatTableTemplate()), "T");
  EXPECT_EQ(parsed.Table.Title, TemplateTitle());
  EXPECT_FALSE(parsed.Warning());
  for (size_t i = 0; i < kFormatEntryCount; ++i) {
    EXPECT_EQ(parsed.Table[i], FormatTableTemplate()[i]) << i;
  }
}

TEST(ParseFormatTable, CommentsBlanksAndSixteenBitValues) {
  std::string text = "Titel mit Umlaut: Prüfung\r\nirgendwas\r\n";
  text +=
      "  0   Eintrag null\r\n\r\n   \r\n1250 \tx-Wert mit "
      "Kommentar\r\n65536\r\n-1\r\n70000\r\n1\r\n";
  text += "beliebiger Trenner 12 34\r\n";
  const ParsedFormatTable parsed = ParseFormatTable(text, "T");
  EXPECT_EQ(parsed.Table.Title, "Titel mit Umlaut: Prüfung");
  EXPECT_EQ(parsed.Table[0], (FormatEntry{1250, 0, 65535, 70000 - 65536, 1}));
  EXPECT_TRUE(parsed.EndedEarly);  // only one block
  EXPECT_EQ(parsed.Table[1], FormatEntry{});
}

TEST(ParseFormatTable, NumbersOutOfSequenceWarnButKeepTheValues) {
  const ParsedFormatTable parsed = ParseFormatTable(Text("T", {{1, 600, 0, 10, 1, 1}}), "T");
  EXPECT_TRUE(parsed.NumbersOutOfSequence);
  EXPECT_EQ(parsed.Table[0], (FormatEntry{600, 0, 10, 1, 1}));
}

TEST(ParseFormatTable, AnEmptyTitleAndAnEmptyFile) {
  EXPECT_EQ(ParseFormatTable(Text("", {}), "T").Table.Title, kUnnamedTableTitle);
  const ParsedFormatTable empty = ParseFormatTable("", "T");
  EXPECT_EQ(empty.Table.Title, kUnnamedTableTitle);
  EXPECT_TRUE(empty.EndedEarly);
}

TEST(ParseFormatTable, ALongTitleAndLfLineEnds) {
  const std::string title(5000, 'T');
  std::string text = Text(title, {{0, 1, 2, 3, 4, 1}});
  std::string lf;
  for (char c : text) {
    if (c != '\r') lf += c;
  }
  const ParsedFormatTable parsed = ParseFormatTable(lf, "T");
  EXPECT_EQ(parsed.Table.Title, title);
  EXPECT_EQ(parsed.Table[0], (FormatEntry{1, 2, 3, 4, 1}));
}

TEST(ParseFormatTable, AWordOrGarbageWhereANumberBelongsNamesFileAndLine) {
  try {
    ParseFormatTable("T\r\n=\r\n0\r\n100\r\nzwanzig\r\n", "1TLK_ABS.FST");
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Fehler in der Steuerdatei 1TLK_ABS.FST, Zeile 5: Zahl erwartet");
  }
  EXPECT_THROW(ParseFormatTable("T\r\n=\r\n0\r\n12x5\r\n", "T"), IoError);
  EXPECT_THROW(ParseFormatTable(std::string("T\r\n=\r\n\x01\x80\xff\r\n", 11), "T"), IoError);
  EXPECT_THROW(ParseFormatTable("T\r\n=\r\n-\r\n", "T"), IoError);
}

TEST(FormatTableTemplate, TheListedEntries) {
  const FormatTable t = FormatTableTemplate();
  EXPECT_EQ(t[0], (FormatEntry{600, 0, 10, 1, 1}));
  EXPECT_EQ(t[2], (FormatEntry{0, 0, 3, 1, 0}));
  EXPECT_EQ(t[10], (FormatEntry{100, 540, 1, 1, 1}));
  EXPECT_EQ(t[11], (FormatEntry{750, 540, 3, 1, 1}));
  EXPECT_EQ(t[13], (FormatEntry{1600, 540, 1, 1, 1}));
  EXPECT_EQ(t[29], (FormatEntry{1500, 780, 1, 1, 1}));
  EXPECT_EQ(t[53], (FormatEntry{1600, 1140, 1, 1, 1}));
  EXPECT_EQ(t[54], FormatEntry{});
  EXPECT_EQ(t[96], (FormatEntry{0, 0, 1, 1, 0}));
  EXPECT_EQ(t[99], (FormatEntry{1250, 2650, 30, 1, 1}));
  EXPECT_EQ(t[100], FormatEntry{});
  const std::string text = FormatTableText(t);
  const std::string start =
      std::string(TemplateTitle()) +
      "\r\n=============\r\n0\r\n600\r\n0\r\n10\r\n1\r\n1\r\n- - - - -\r\n1\r\n";
  EXPECT_EQ(text.rfind(start, 0), 0u);
}

class LoadFormatTableTest : public ::testing::Test {
 protected:
  LoadFormatTableTest() {
    fs::create_directory(dirs.Program);
    fs::create_directory(dirs.Data);
  }
  void Write(const fs::path& dir, const std::string& title) {
    std::ofstream(dir / "1TLK_ABS.FST", std::ios::binary) << Text(title, {{0, 1, 1, 1, 1, 1}});
  }
  test::TempDir temp;
  core::Directories dirs{temp / "prog", temp / "data", temp / "prog", temp / "prog"};
};

TEST_F(LoadFormatTableTest, TheDataDirectoryComesFirst) {
  Write(dirs.Program, "Programm");
  Write(dirs.Data, "Daten");
  const LoadedFormatTable loaded = LoadFormatTable("1TLK_ABS.FST", dirs);
  EXPECT_EQ(loaded.Parsed.Table.Title, "Daten");
  EXPECT_FALSE(loaded.TemplateWritten);
}

TEST_F(LoadFormatTableTest, OnlyInTheProgramDirectoryIsUsedAndNothingWritten) {
  Write(dirs.Program, "Programm");
  const LoadedFormatTable loaded = LoadFormatTable("1tlk_abs.fst", dirs);
  EXPECT_EQ(loaded.Parsed.Table.Title, "Programm");
  EXPECT_TRUE(fs::is_empty(dirs.Data));
}

TEST_F(LoadFormatTableTest, MissingEverywhereWritesTheTemplateOnceIntoTheDataDirectory) {
  const LoadedFormatTable first = LoadFormatTable("3ORG_FHR.FST", dirs);
  EXPECT_TRUE(first.TemplateWritten);
  EXPECT_EQ(first.Path, dirs.Data / "3ORG_FHR.FST");
  EXPECT_EQ(first.Parsed.Table.Title, TemplateTitle());
  const LoadedFormatTable second = LoadFormatTable("3ORG_FHR.FST", dirs);
  EXPECT_FALSE(second.TemplateWritten);
  EXPECT_FALSE(second.Parsed.Warning());
  EXPECT_EQ(second.Parsed.Table[29], FormatTableTemplate()[29]);
}

TEST_F(LoadFormatTableTest, AnUnwritableDataDirectoryEndsWithAnError) {
  // A data "directory" below a plain file cannot take the template, even for
  // root.
  test::WriteAll(temp / "datei", {'x'});
  dirs.Data = temp / "datei" / "daten";
  try {
    LoadFormatTable("3ORG_FHR.FST", dirs);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("3ORG_FHR.FST"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace tolka::print
