#include "exchange/import_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolka::exchange {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

using Lines = std::vector<std::string>;
using Columns = std::vector<std::string>;

TEST(ImportText, LinesEndWithCrLfOrLf) {
  ImportLines read = DecodeImportText(Bytes("a;b\r\nc\n\r\nd"));
  EXPECT_EQ(read.Refusal, "");
  EXPECT_EQ(read.Lines, (Lines{"a;b", "c", "", "d"}));
  EXPECT_EQ(DecodeImportText(Bytes("a\r\n")).Lines, (Lines{"a"}));
  EXPECT_EQ(DecodeImportText(Bytes("")).Lines, Lines{});
}

TEST(ImportText, Windows1252StaysAsItIs) {
  // "Müller;Jürgen" in Windows-1252: 0xFC is not valid UTF-8 on its own.
  const ImportLines read = DecodeImportText(Bytes("M\xFCller;J\xFCrgen\r\n"));
  EXPECT_EQ(read.Encoding, TextEncoding::Windows1252);
  EXPECT_EQ(read.Lines, (Lines{"M\xFCller;J\xFCrgen"}));
}

TEST(ImportText, Utf8IsConvertedWithOrWithoutTheMark) {
  // "Müller;Weiß;€" in UTF-8.
  const std::string utf8 = "M\xC3\xBCller;Wei\xC3\x9F;\xE2\x82\xAC";
  const std::string cp1252 = "M\xFCller;Wei\xDF;\x80";
  for (const std::string& file : {utf8 + "\r\n", "\xEF\xBB\xBF" + utf8 + "\r\n"}) {
    const ImportLines read = DecodeImportText(Bytes(file));
    EXPECT_EQ(read.Refusal, "");
    EXPECT_EQ(read.Encoding, TextEncoding::Utf8);
    EXPECT_EQ(read.Lines, (Lines{cp1252}));
  }
  // Plain ASCII with the mark: UTF-8, nothing to convert.
  EXPECT_EQ(DecodeImportText(Bytes("\xEF\xBB\xBF"
                                   "abc"))
                .Lines,
            (Lines{"abc"}));
}

TEST(ImportText, CharacterOutsideWindows1252IsRefusedNamingTheLine) {
  // "Ayşe" (ş is U+015F) in line 2.
  const ImportLines read =
      DecodeImportText(Bytes("M\xC3\xBCller\r\nAy\xC5\x9F"
                             "e\r\n"));
  EXPECT_TRUE(read.Lines.empty());
  EXPECT_NE(read.Refusal.find("Zeile 2:"), std::string::npos) << read.Refusal;
  EXPECT_NE(read.Refusal.find("U+015F"), std::string::npos) << read.Refusal;
}

TEST(ImportText, BrokenUtf8AfterTheMarkIsRefused) {
  const ImportLines read =
      DecodeImportText(Bytes("\xEF\xBB\xBF"
                             "a\r\nM\xFCller\r\n"));
  EXPECT_NE(read.Refusal.find("Zeile 2:"), std::string::npos) << read.Refusal;
  EXPECT_NE(read.Refusal.find("UTF-8"), std::string::npos);
}

TEST(ImportText, Utf16AndNulBytesAreRefused) {
  EXPECT_NE(DecodeImportText(Bytes(std::string("\xFF\xFE"
                                               "a\0b\0",
                                               6)))
                .Refusal.find("UTF-16"),
            std::string::npos);
  EXPECT_NE(DecodeImportText(Bytes(std::string("\xFE\xFF\0a", 4))).Refusal.find("UTF-16"),
            std::string::npos);
  const ImportLines nul = DecodeImportText(Bytes(std::string("ab\r\nc\0d\r\n", 9)));
  EXPECT_NE(nul.Refusal.find("Zeile 2:"), std::string::npos) << nul.Refusal;
  EXPECT_TRUE(nul.Lines.empty());
}

TEST(ImportColumns, RestOfLineTestedBeforeEachColumn) {
  EXPECT_EQ(SplitColumns("A;B;", 20).Columns, (Columns{"A", "B"}));
  EXPECT_EQ(SplitColumns("A;;C", 20).Columns, (Columns{"A", "", "C"}));
  EXPECT_EQ(SplitColumns(";", 20).Columns, (Columns{""}));
  EXPECT_EQ(SplitColumns("", 20).Columns, Columns{});
  EXPECT_EQ(SplitColumns("A\tB;C", 20).Columns, (Columns{"A", "B", "C"}));
  EXPECT_EQ(SplitColumns("A;B;C;D", 2).Columns, (Columns{"A", "B"}));
  EXPECT_EQ(SplitColumns(" A ; B", 20).Columns, (Columns{" A ", " B"}));  // kept as they are
}

TEST(ImportColumns, QuotedColumnsLoseTheirQuotes) {
  EXPECT_EQ(SplitColumns("\"M\xFCller\";\"Anna Lena\"", 20).Columns,
            (Columns{"M\xFCller", "Anna Lena"}));
  EXPECT_EQ(SplitColumns("\"\";B", 20).Columns, (Columns{"", "B"}));
  EXPECT_EQ(SplitColumns("\"A\"\tB", 20).Columns, (Columns{"A", "B"}));
  EXPECT_EQ(SplitColumns("\"A\";", 20).Columns, (Columns{"A"}));
}

std::string Refusal(const std::string& line) {
  const SplitLine split = SplitColumns(line, 20);
  EXPECT_TRUE(split.Columns.empty() || !split.Refusal.empty());
  return split.Refusal;
}

TEST(ImportColumns, QuoteRulesThatWouldShiftColumnsAreRefused) {
  // A ";" inside quotes still ends the column and leaves the quote open.
  EXPECT_EQ(Refusal("A;\"Meier; Anna\";C").substr(0, 10), "Spalte 2: ");
  EXPECT_NE(Refusal("A;\"Meier; Anna\";C").find("nicht geschlossen"), std::string::npos);
  EXPECT_NE(Refusal("\"offen").find("nicht geschlossen"), std::string::npos);
  // A closing quote must be followed by a separator or the line end.
  EXPECT_NE(Refusal("\"Meier\"x;B").find("Spalte 1: nach dem"), std::string::npos);
  EXPECT_NE(Refusal("\"Meier \"\"Jr\"\"\"").find("Spalte 1"), std::string::npos);
  // A quote inside an unquoted column.
  EXPECT_NE(Refusal("A;Me\"ier").find("Spalte 2: Anf"), std::string::npos);
}

TEST(ImportColumns, ControlCharactersAreRefused) {
  EXPECT_NE(Refusal("A;B\x0B"
                    "C")
                .find("Spalte 2: Steuerzeichen (Code 0B)"),
            std::string::npos);
  EXPECT_NE(Refusal("A\rB").find("Spalte 1: Steuerzeichen (Code 0D)"), std::string::npos);
  EXPECT_NE(Refusal("\"A\x7F\"").find("Code 7F"), std::string::npos);
  EXPECT_NE(Refusal("A\x81").find("Code 81"), std::string::npos);  // undefined in Windows-1252
}

TEST(ImportColumns, BlankColumns) {
  EXPECT_TRUE(AllColumnsBlank({}));
  EXPECT_TRUE(AllColumnsBlank({"", " ", "  "}));
  EXPECT_FALSE(AllColumnsBlank({"", "x"}));
}

}  // namespace
}  // namespace tolka::exchange
