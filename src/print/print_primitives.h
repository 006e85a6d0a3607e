// The print primitives: fields placed by a `FormatEntry` of a print control
// table, fixed texts, lines and frames, on the logical pages 1..4 of a
// sheet. A logical page has its own origin (`PageMargin`, the paper position
// of its top-left corner); every position below is measured from that
// origin in tenths of a millimetre, y downwards, and text is bottom-aligned.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "print/print_canvas.h"

namespace tolka::print {

// One placement of a print control table. The entry is drawn only when
// `print` is 1 and, for the page-tested operations, `page` is the page
// being drawn.
struct FormatEntry {
  uint16_t x = 0;
  uint16_t y = 0;
  uint16_t font = 0;
  uint16_t page = 0;
  uint16_t print = 0;
  bool operator==(const FormatEntry&) const = default;
};

struct PageMargin {
  int32_t left = 0;
  int32_t top = 0;
};
// Pages 1..4 at index 0..3.
using PageMargins = std::array<PageMargin, 4>;

// Up to ten lines of at most 130 characters for multi-line output.
inline constexpr size_t kTextLineCount = 10;
inline constexpr size_t kTextLineWidth = 130;
using TextLines = std::array<std::string, kTextLineCount>;

// The fillers of forms that print both alternatives.
std::string FillerText(int kind);      // 1 "    XXX ", 2 "XXX", else eight blanks
std::string LongFillerText(int kind);  // 1 13 blanks + 13 X, 2 11 X, else one blank
std::string SalutationText(int kind);  // 1 "Frau", 2 "Herr", else four blanks

// Breaks `source[0..maxChars)` into at most `lineCount` lines of at most
// `width` characters: CR starts the next line, LF is skipped, any other
// control character (NUL) ends the text; a line that would cut a word is
// broken after its last blank or hyphen, and a word that fills a whole line
// stops the wrapping there (the line stays empty). An index at or beyond
// `maxChars` reads as NUL; a CR or NUL right after a full line ends that
// line without cutting its last word. `lastIndex` is the highest index the
// caller's buffer holds (maxChars - 1). lineCount must be 1..10.
TextLines WrapText(const char* source, size_t lastIndex, size_t maxChars, size_t width,
                   size_t lineCount);
// A text as a 256-character buffer, the rest NUL, to feed WrapText.
std::array<char, 256> ToCharBuffer(const std::string& text);

// The primitives over one canvas. A page outside 1..4 or a line count
// outside 1..10 is a programming error (std::out_of_range).
class PagePrinter {
 public:
  PagePrinter(PrintCanvas& canvas, bool compensated_fonts);

  PrintCanvas& Canvas() { return canvas_; }
  bool CompensatedFonts() const { return compensated_; }

  // The canvas offset of a logical page: its margin minus the printer's
  // unprintable offset (device pixels turned into tenths of a millimetre,
  // rounded to the nearest).
  std::pair<int, int> PageOrigin(const PageMargin& margin) const;

  void SelectPrintFont(const FormatEntry& entry);
  void SelectFontNumber(int number);
  void SetAlign(TextAlign align) { canvas_.SetAlign(align); }
  void SetCharExtra(int extra) { canvas_.SetCharExtra(extra); }

  // Page-tested fields.
  void PrintField(const std::string& text, const FormatEntry& entry, int page,
                  const PageMargins& margins);
  void PrintFieldRotated(const std::string& text, const FormatEntry& entry, int angle,
                         const PageMargins& margins, int page);
  void PrintFiller(int kind, const FormatEntry& entry, int page, const PageMargins& margins);
  void PrintLongFiller(int kind, const FormatEntry& entry, int page, const PageMargins& margins);
  void PrintSalutation(int kind, const FormatEntry& entry, int page, const PageMargins& margins);
  void PrintFieldLines(size_t count, int spacing, const TextLines& lines,
                       const PageMargins& margins, int page, const FormatEntry& entry);

  // Without the page test (built-in forms, one-page sheets).
  void PrintAt(const std::string& text, const FormatEntry& entry, int dx, int dy);
  void PrintLinesAt(size_t count, int spacing, const TextLines& lines, int dy, int dx,
                    const FormatEntry& entry);

  // Lines: style 2 and 3 are that many tenths wide, anything else 1.
  void DrawHLine(int x1, int x2, int y, int style, int dx, int dy);
  void DrawVLine(int x, int y1, int y2, int style, int dx, int dy);
  // Frames: pen 0 for styles 0/10/20, 2 for 2/12/22, 3 for 3/13/23, else 1;
  // 20 and above filled yellow; 11..19 add a frame inset by 10.
  void DrawFrame(int x1, int y1, int x2, int y2, int dx, int dy, int style);
  // The L-shaped origin mark of a logical page, 50 long each way.
  void DrawCornerMark(int page, const PageMargins& margins);

 private:
  bool Visible(const FormatEntry& entry, int page) const;
  std::pair<int, int> Origin(int page, const PageMargins& margins) const;
  void Write(int x, int y, const std::string& text);

  PrintCanvas& canvas_;
  bool compensated_;
};

// Validates a logical page number (1..4); std::out_of_range otherwise.
size_t PageIndex(int page);

}  // namespace tolka::print
