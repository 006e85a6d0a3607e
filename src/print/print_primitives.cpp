#include "print/print_primitives.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tolka::print {

namespace {

// Positions are sums of 16-bit entries and 32-bit margins; they are worked
// out in 64 bits and kept within a range every device can take, so a wild
// margin in a settings file moves a text off the paper instead of
// overflowing.
constexpr int64_t kCoordinateLimit = 1'000'000;

int Clamp(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

int LineWidth(int style) { return style == 2 || style == 3 ? style : 1; }

int FrameWidth(int style) {
  switch (style) {
    case 0:
    case 10:
    case 20:
      return 0;
    case 2:
    case 12:
    case 22:
      return 2;
    case 3:
    case 13:
    case 23:
      return 3;
    default:
      return 1;
  }
}

}  // namespace

std::string FillerText(int kind) {
  if (kind == 1) return "    XXX ";
  if (kind == 2) return "XXX";
  return "        ";
}

std::string LongFillerText(int kind) {
  if (kind == 1) return "             XXXXXXXXXXXXX";
  if (kind == 2) return "XXXXXXXXXXX";
  return " ";
}

std::string SalutationText(int kind) {
  if (kind == 1) return "Frau";
  if (kind == 2) return "Herr";
  return "    ";
}

size_t PageIndex(int page) {
  if (page < 1 || page > 4) throw std::out_of_range("logical page outside 1..4");
  return static_cast<size_t>(page - 1);
}

TextLines WrapText(const char* source, size_t lastIndex, size_t maxChars, size_t width,
                   size_t lineCount) {
  if (lineCount < 1 || lineCount > kTextLineCount) {
    throw std::out_of_range("WrapText: line count outside 1..10");
  }
  (void)lastIndex;  // the buffer ends at maxChars - 1; reads beyond it give NUL
  TextLines lines;
  const auto at = [&](size_t j) -> unsigned char {
    return j < maxChars ? static_cast<unsigned char>(source[j]) : 0;
  };
  if (at(0) == 0) return lines;
  size_t j = 0;
  size_t k = 0;
  bool end = false;
  while (j < lineCount * width && j < maxChars && k < lineCount && !end) {
    const unsigned char c = at(j);
    if (c == '\n') {
      ++j;
      continue;
    }
    if (c == '\r') {
      ++k;
      ++j;
      continue;
    }
    if (c < 32) {
      end = true;
      break;
    }
    std::string& line = lines[k];
    line.push_back(static_cast<char>(c));
    ++j;
    if (line.size() < width) continue;
    // The line is full: look at what follows.
    const unsigned char next = at(j);
    if (next == ' ' || next == '-') {
      ++j;  // dropped: the next line begins after it
      ++k;
    } else if (next == '\r') {
      ++j;  // the line break coincides with the full line
      ++k;
    } else if (next == 0) {
      ++k;  // the text ends exactly here; the loop stops at the NUL
    } else {
      // A word is cut: move it to the next line.
      size_t removed = 0;
      while (!line.empty() && line.back() != ' ' && line.back() != '-') {
        line.pop_back();
        ++removed;
      }
      if (line.empty()) break;  // one word fills the whole line: stop, line stays empty
      j -= removed;
      ++k;
    }
  }
  return lines;
}

std::array<char, 256> ToCharBuffer(const std::string& text) {
  std::array<char, 256> buffer{};
  std::copy_n(text.begin(), std::min(text.size(), buffer.size()), buffer.begin());
  return buffer;
}

PagePrinter::PagePrinter(PrintCanvas& canvas, bool compensated_fonts)
    : canvas_(canvas), compensated_(compensated_fonts) {}

std::pair<int, int> PagePrinter::PageOrigin(const PageMargin& margin) const {
  const DeviceOffsets device = canvas_.Offsets();
  const auto tenths = [](int pixels, int dpi) -> int64_t {
    if (dpi <= 0) return 0;
    return std::llround(static_cast<double>(pixels) * 254.0 / dpi);
  };
  return {Clamp(int64_t{margin.left} - tenths(device.OffsetX, device.DpiX)),
          Clamp(int64_t{margin.top} - tenths(device.OffsetY, device.DpiY))};
}

std::pair<int, int> PagePrinter::Origin(int page, const PageMargins& margins) const {
  return PageOrigin(margins[PageIndex(page)]);
}

bool PagePrinter::Visible(const FormatEntry& entry, int page) const {
  return entry.print == 1 && entry.page == page;
}

void PagePrinter::SelectPrintFont(const FormatEntry& entry) { SelectFontNumber(entry.font); }

void PagePrinter::SelectFontNumber(int number) {
  // The entry's 16-bit field: a value above 32767 is a negative number.
  if (number > 32767) number -= 65536;
  canvas_.SetFont(PrintFontFor(number, compensated_));
}

void PagePrinter::Write(int x, int y, const std::string& text) {
  if (!text.empty()) canvas_.Text(x, y, text);  // an empty text draws nothing
}

void PagePrinter::PrintField(const std::string& text, const FormatEntry& entry, int page,
                             const PageMargins& margins) {
  const auto [dx, dy] = Origin(page, margins);
  if (!Visible(entry, page)) return;
  SelectPrintFont(entry);
  Write(Clamp(int64_t{entry.x} + dx), Clamp(int64_t{entry.y} + dy), text);
}

void PagePrinter::PrintFieldRotated(const std::string& text, const FormatEntry& entry, int angle,
                                    const PageMargins& margins, int page) {
  const auto [dx, dy] = Origin(page, margins);
  if (!Visible(entry, page) || text.empty()) return;
  // The entry's font gives the face; the turned font is 1.6 mm high, regular.
  PrintFont font = PrintFontFor(entry.font, compensated_);
  font.Number = 0;
  font.Bold = font.Italic = font.Underline = false;
  font.Height = 16;
  canvas_.RotatedText(Clamp(int64_t{entry.x} + dx), Clamp(int64_t{entry.y} + dy), angle, font,
                      text);
}

void PagePrinter::PrintFiller(int kind, const FormatEntry& entry, int page,
                              const PageMargins& margins) {
  PrintField(FillerText(kind), entry, page, margins);
}

void PagePrinter::PrintLongFiller(int kind, const FormatEntry& entry, int page,
                                  const PageMargins& margins) {
  PrintField(LongFillerText(kind), entry, page, margins);
}

void PagePrinter::PrintSalutation(int kind, const FormatEntry& entry, int page,
                                  const PageMargins& margins) {
  PrintField(SalutationText(kind), entry, page, margins);
}

void PagePrinter::PrintFieldLines(size_t count, int spacing, const TextLines& lines,
                                  const PageMargins& margins, int page, const FormatEntry& entry) {
  const auto [dx, dy] = Origin(page, margins);
  if (count < 1 || count > kTextLineCount) throw std::out_of_range("line count outside 1..10");
  if (!Visible(entry, page)) return;
  SelectPrintFont(entry);
  for (size_t i = 0; i < count; ++i) {
    Write(Clamp(int64_t{entry.x} + dx),
          Clamp(int64_t{entry.y} + dy + int64_t{spacing} * static_cast<int64_t>(i)), lines[i]);
  }
}

void PagePrinter::PrintAt(const std::string& text, const FormatEntry& entry, int dx, int dy) {
  if (entry.print != 1) return;
  SelectPrintFont(entry);
  Write(Clamp(int64_t{entry.x} + dx), Clamp(int64_t{entry.y} + dy), text);
}

void PagePrinter::PrintLinesAt(size_t count, int spacing, const TextLines& lines, int dy, int dx,
                               const FormatEntry& entry) {
  if (count < 1 || count > kTextLineCount) throw std::out_of_range("line count outside 1..10");
  if (entry.print != 1) return;
  SelectPrintFont(entry);
  for (size_t i = 0; i < count; ++i) {
    Write(Clamp(int64_t{entry.x} + dx),
          Clamp(int64_t{entry.y} + dy + int64_t{spacing} * static_cast<int64_t>(i)), lines[i]);
  }
}

void PagePrinter::DrawHLine(int x1, int x2, int y, int style, int dx, int dy) {
  // The end point is included.
  canvas_.Line(Clamp(int64_t{x1} + dx), Clamp(int64_t{y} + dy), Clamp(int64_t{x2} + dx + 1),
               Clamp(int64_t{y} + dy), LineWidth(style));
}

void PagePrinter::DrawVLine(int x, int y1, int y2, int style, int dx, int dy) {
  canvas_.Line(Clamp(int64_t{x} + dx), Clamp(int64_t{y1} + dy), Clamp(int64_t{x} + dx),
               Clamp(int64_t{y2} + dy), LineWidth(style));
}

void PagePrinter::DrawFrame(int x1, int y1, int x2, int y2, int dx, int dy, int style) {
  const int pen = FrameWidth(style);
  const bool fill = style >= 20;
  const int ax = Clamp(int64_t{x1} + dx), ay = Clamp(int64_t{y1} + dy);
  const int bx = Clamp(int64_t{x2} + dx), by = Clamp(int64_t{y2} + dy);
  canvas_.Rectangle(ax, ay, bx, by, pen, fill);
  if (style >= 11 && style <= 19) canvas_.Rectangle(ax + 10, ay + 10, bx - 10, by - 10, pen, false);
}

void PagePrinter::DrawCornerMark(int page, const PageMargins& margins) {
  const auto [dx, dy] = Origin(page, margins);
  canvas_.Line(dx, dy, Clamp(int64_t{dx} + 50), dy, 1);
  canvas_.Line(dx, dy, dx, Clamp(int64_t{dy} + 50), 1);
}

}  // namespace tolka::print
