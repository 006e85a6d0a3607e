// The page model: print fonts, page origins, the primitives' positions and
// visibility, lines and frames, and WrapText.
#include "print/print_primitives.h"

#include <gtest/gtest.h>

#include <cstring>

#include "print/recording_canvas.h"

namespace tolka::print {
namespace {

using Kind = RecordedPrimitive::Kind;

TEST(PrintFonts, FacesStylesAndBothHeights) {
  EXPECT_EQ(PrintFontFor(1, false), (PrintFont{1, FontFace::CourierNew, false, false, false, 40}));
  EXPECT_EQ(PrintFontFor(8, true), (PrintFont{8, FontFace::CourierNew, true, true, true, 40}));
  EXPECT_EQ(PrintFontFor(9, true).Height, 71);  // one of the few that grow
  EXPECT_EQ(PrintFontFor(13, true),
            (PrintFont{13, FontFace::TimesNewRoman, false, true, false, 34}));
  EXPECT_EQ(PrintFontFor(20, false),
            (PrintFont{20, FontFace::TimesNewRoman, true, false, false, 70}));
  EXPECT_EQ(PrintFontFor(20, true).Height, 62);
  EXPECT_EQ(PrintFontFor(26, false), (PrintFont{26, FontFace::Arial, true, false, true, 40}));
  EXPECT_EQ(PrintFontFor(29, true).Height, 26);
  EXPECT_EQ(PrintFontFor(31, true).Height, 29);
  EXPECT_EQ(PrintFontFor(34, true), (PrintFont{34, FontFace::CourierNew, true, true, false, 31}));
  EXPECT_EQ(PrintFontFor(40, false).Height, 55);
  EXPECT_EQ(PrintFontFor(40, true).Height, 56);
  for (int number : {0, 41, -3, 1000}) {
    EXPECT_EQ(PrintFontFor(number, false).Face, FontFace::Arial);
    EXPECT_FALSE(PrintFontFor(number, false).Bold);
    EXPECT_EQ(PrintFontFor(number, false).Height, 45);
    EXPECT_EQ(PrintFontFor(number, true).Height, 41);
  }
  EXPECT_STREQ(FaceName(FontFace::TimesNewRoman), "Times New Roman");
}

struct Printer {
  explicit Printer(DeviceOffsets offsets = {}, bool compensated = false)
      : canvas(offsets), printer(canvas, compensated) {}
  RecordingCanvas canvas;
  PagePrinter printer;
};

PageMargins Margins() {
  PageMargins m{};
  m[0] = {150, 150};
  m[1] = {200, 120};
  m[2] = {0, 0};
  m[3] = {-50, 300};
  return m;
}

TEST(PageOrigin, SubtractsTheRoundedUnprintableOffset) {
  Printer zero;
  EXPECT_EQ(zero.printer.PageOrigin({150, 160}), std::make_pair(150, 160));
  // 50 pixels at 600 dpi are 21.17 tenths, 71 pixels at 300 dpi 60.11.
  Printer offset(DeviceOffsets{50, 71, 600, 300});
  EXPECT_EQ(offset.printer.PageOrigin({150, 160}), std::make_pair(129, 100));
  // 3 pixels at 600 dpi are 1.27: rounds to 1; 4 are 1.69: rounds to 2.
  Printer small(DeviceOffsets{3, 4, 600, 600});
  EXPECT_EQ(small.printer.PageOrigin({0, 0}), std::make_pair(-1, -2));
}

TEST(PrintField, DrawsOnlyItsPageWhenSwitchedOnAtTheEntryPlusOrigin) {
  Printer p;
  const PageMargins m = Margins();
  const FormatEntry entry{300, 400, 22, 2, 1};
  p.printer.PrintField("auf Seite 1", entry, 1, m);
  p.printer.PrintField("Feld", entry, 2, m);
  p.printer.PrintField("aus", FormatEntry{300, 400, 22, 2, 0}, 2, m);
  p.printer.PrintField("aus2", FormatEntry{300, 400, 22, 2, 2}, 2, m);
  ASSERT_EQ(p.canvas.Primitives().size(), 1u);
  const RecordedPrimitive& text = p.canvas.Primitives()[0];
  EXPECT_EQ(text.Text, "Feld");
  EXPECT_EQ(text.X, 300 + 200);  // page 2's own margin
  EXPECT_EQ(text.Y, 400 + 120);
  EXPECT_EQ(text.Font.Number, 22);
  EXPECT_EQ(text.Align, TextAlign::Left);
  EXPECT_THROW(p.printer.PrintField("x", entry, 5, m), std::out_of_range);
  EXPECT_THROW(p.printer.PrintField("x", entry, 0, m), std::out_of_range);
}

TEST(PrintAt, IgnoresThePageButNotThePrintField) {
  Printer p;
  p.printer.PrintAt("a", FormatEntry{10, 20, 1, 4, 1}, 100, 200);
  p.printer.PrintAt("b", FormatEntry{10, 20, 1, 1, 0}, 100, 200);
  ASSERT_EQ(p.canvas.Texts().size(), 1u);
  EXPECT_EQ(p.canvas.Texts()[0].X, 110);
  EXPECT_EQ(p.canvas.Texts()[0].Y, 220);
}

TEST(PrintFieldLines, WritesCountLinesSpacingApartDownwards) {
  Printer p;
  TextLines lines;
  lines[0] = "eins";
  lines[1] = "zwei";
  lines[2] = "drei";
  p.printer.PrintFieldLines(3, 65, lines, Margins(), 1, FormatEntry{100, 1000, 11, 1, 1});
  const auto texts = p.canvas.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2].Text, "drei");
  EXPECT_EQ(texts[2].Y, 1000 + 150 + 130);
  EXPECT_EQ(texts[2].Font.Number, 11);
  EXPECT_THROW(p.printer.PrintFieldLines(11, 65, lines, Margins(), 1, FormatEntry{}),
               std::out_of_range);
}

TEST(PrintFieldRotated, UsesTheEntryFaceAtOnePointSixMillimetres) {
  Printer p;
  p.printer.PrintFieldRotated("Kennung", FormatEntry{25, 2500, 13, 4, 1}, 270, Margins(), 4);
  p.printer.PrintFieldRotated("", FormatEntry{25, 2500, 13, 4, 1}, 270, Margins(), 4);
  ASSERT_EQ(p.canvas.Primitives().size(), 1u);
  const RecordedPrimitive& r = p.canvas.Primitives()[0];
  EXPECT_EQ(r.What, Kind::RotatedText);
  EXPECT_EQ(r.Angle, 270);
  EXPECT_EQ(r.Font.Face, FontFace::TimesNewRoman);
  EXPECT_EQ(r.Font.Height, 16);
  EXPECT_FALSE(r.Font.Italic);
  EXPECT_EQ(r.X, 25 - 50);
  EXPECT_EQ(r.Y, 2500 + 300);
}

TEST(Fillers, TextsByKind) {
  EXPECT_EQ(FillerText(1), "    XXX ");
  EXPECT_EQ(FillerText(2), "XXX");
  EXPECT_EQ(FillerText(0), "        ");
  EXPECT_EQ(LongFillerText(1), "             XXXXXXXXXXXXX");
  EXPECT_EQ(LongFillerText(2), "XXXXXXXXXXX");
  EXPECT_EQ(LongFillerText(3), " ");
  EXPECT_EQ(SalutationText(1), "Frau");
  EXPECT_EQ(SalutationText(2), "Herr");
  EXPECT_EQ(SalutationText(7), "    ");
  Printer p;
  p.printer.PrintSalutation(2, FormatEntry{1, 2, 3, 1, 1}, 1, Margins());
  p.printer.PrintLongFiller(1, FormatEntry{1, 2, 3, 1, 1}, 1, Margins());
  ASSERT_EQ(p.canvas.Texts().size(), 2u);
  EXPECT_EQ(p.canvas.Texts()[0].Text, "Herr");
}

TEST(Lines, EndPointIncludedAndPenByStyle) {
  Printer p;
  p.printer.DrawHLine(100, 500, 40, 2, 10, 20);
  p.printer.DrawVLine(100, 40, 90, 7, 10, 20);
  p.printer.DrawHLine(0, 1, 0, 3, 0, 0);
  const auto& prims = p.canvas.Primitives();
  ASSERT_EQ(prims.size(), 3u);
  EXPECT_EQ(prims[0].X, 110);
  EXPECT_EQ(prims[0].X2, 511);
  EXPECT_EQ(prims[0].Y, 60);
  EXPECT_EQ(prims[0].Pen, 2);
  EXPECT_EQ(prims[1].Y2, 110);
  EXPECT_EQ(prims[1].Pen, 1);
  EXPECT_EQ(prims[2].Pen, 3);
}

TEST(Frames, PenFillAndDoubleFrame) {
  Printer p;
  p.printer.DrawFrame(0, 0, 1800, 2600, 150, 150, 12);
  p.printer.DrawFrame(0, 0, 10, 10, 0, 0, 20);
  p.printer.DrawFrame(0, 0, 10, 10, 0, 0, 10);
  p.printer.DrawFrame(0, 0, 10, 10, 0, 0, 5);
  p.printer.DrawFrame(0, 0, 10, 10, 0, 0, 32);  // not a listed style: 1, filled
  const auto& prims = p.canvas.Primitives();
  ASSERT_EQ(prims.size(), 6u);
  EXPECT_EQ(prims[5].Pen, 1);
  EXPECT_TRUE(prims[5].Fill);
  EXPECT_EQ(prims[0].Pen, 2);
  EXPECT_EQ(prims[1].X, 160);  // the inner frame, 10 inside
  EXPECT_EQ(prims[1].Y2, 2740);
  EXPECT_TRUE(prims[2].Fill);
  EXPECT_EQ(prims[2].Pen, 0);
  EXPECT_FALSE(prims[3].Fill);
  EXPECT_EQ(prims[3].Pen, 0);
  EXPECT_EQ(prims[4].Pen, 1);
}

TEST(CornerMark, TwoLinesFiftyLongFromThePageOrigin) {
  Printer p;
  p.printer.DrawCornerMark(2, Margins());
  const auto& prims = p.canvas.Primitives();
  ASSERT_EQ(prims.size(), 2u);
  EXPECT_EQ(prims[0].X, 200);
  EXPECT_EQ(prims[0].X2, 250);
  EXPECT_EQ(prims[0].Y, 120);
  EXPECT_EQ(prims[1].Y2, 170);
}

TEST(Positions, AWildMarginMovesTheTextOffThePaperWithoutOverflow) {
  Printer p;
  PageMargins m{};
  m[0] = {2147483647, -2147483647};
  p.printer.PrintField("x", FormatEntry{65535, 65535, 1, 1, 1}, 1, m);
  ASSERT_EQ(p.canvas.Texts().size(), 1u);
  EXPECT_GT(p.canvas.Texts()[0].X, 100000);
  EXPECT_LT(p.canvas.Texts()[0].Y, -100000);
}

// WrapText on a NUL-terminated text in a 256-character buffer.
TextLines Wrap(const std::string& text, size_t width, size_t lines) {
  const auto buffer = ToCharBuffer(text);
  return WrapText(buffer.data(), 255, 256, width, lines);
}

TEST(WrapText, BreaksAfterTheBlankOfTheLastWholeWord) {
  const TextLines lines = Wrap("abcd efgh", 6, 3);
  EXPECT_EQ(lines[0], "abcd ");
  EXPECT_EQ(lines[1], "efgh");
  EXPECT_EQ(lines[2], "");
}

TEST(WrapText, AWordFillingAWholeLineStopsTheWrapping) {
  const TextLines lines = Wrap("ab " + std::string(80, 'x') + " cd", 75, 3);
  EXPECT_EQ(lines[0], "ab ");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(Wrap(std::string(80, 'x'), 75, 7)[0], "");
}

TEST(WrapText, LineBreaksHyphensAndTheEnd) {
  const TextLines lines = Wrap("eins\r\nzwei drei-vier", 9, 4);
  EXPECT_EQ(lines[0], "eins");
  EXPECT_EQ(lines[1], "zwei drei");  // full: the hyphen after it is dropped
  EXPECT_EQ(lines[2], "vier");
  const TextLines cut = Wrap("Schul-Abschluss", 10, 2);
  EXPECT_EQ(cut[0], "Schul-");
  EXPECT_EQ(cut[1], "Abschluss");
  // Text beyond the last line is not printed.
  const TextLines two = Wrap("aa bb cc dd", 3, 2);
  EXPECT_EQ(two[0], "aa ");
  EXPECT_EQ(two[1], "bb ");
  EXPECT_TRUE(Wrap(std::string(), 10, 3)[0].empty());
  EXPECT_THROW(Wrap("x", 10, 11), std::out_of_range);
}

TEST(WrapText, AFullLineEndedByCrOrNulKeepsItsLastWord) {
  // Mend: a CR right after a full line ends it without cutting the word.
  const TextLines cr = Wrap("abc defgh\rneu", 9, 3);
  EXPECT_EQ(cr[0], "abc defgh");
  EXPECT_EQ(cr[1], "neu");
  // Mend: the text ending exactly at a full line keeps its last word.
  const TextLines end = Wrap("abc defgh", 9, 3);
  EXPECT_EQ(end[0], "abc defgh");
  EXPECT_EQ(end[1], "");
}

TEST(WrapText, ReadsNothingBeyondMaxChars) {
  // A buffer full to its last character: the index after it reads as NUL.
  char buffer[12];
  std::memcpy(buffer, "abcde fghij!", 12);
  const TextLines lines = WrapText(buffer, 11, 12, 6, 3);
  EXPECT_EQ(lines[0], "abcde ");
  EXPECT_EQ(lines[1], "fghij!");
  EXPECT_EQ(lines[2], "");
}

}  // namespace
}  // namespace tolka::print
