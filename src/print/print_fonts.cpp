#include <array>

#include "print/print_canvas.h"

namespace tolka::print {

namespace {

struct FontRow {
  FontFace Face;
  bool Bold, Italic, Underline;
  int Normal, Compensated;
};

constexpr FontFace C = FontFace::CourierNew;
constexpr FontFace T = FontFace::TimesNewRoman;
constexpr FontFace A = FontFace::Arial;

// Fonts 1..40. The compensated heights fit the printers whose cell heights
// came out too large; a few become one tenth larger.
constexpr std::array<FontRow, 40> kFonts = {{
    {C, false, false, false, 40, 40}, {C, true, false, false, 40, 40},
    {C, false, true, false, 40, 39},  {C, true, true, false, 40, 40},
    {C, false, false, true, 40, 40},  {C, true, false, true, 40, 40},
    {C, false, true, true, 40, 39},   {C, true, true, true, 40, 40},
    {C, false, false, false, 70, 71}, {C, true, false, false, 70, 70},
    {T, false, false, false, 40, 35}, {T, true, false, false, 40, 35},
    {T, false, true, false, 40, 34},  {T, true, true, false, 40, 35},
    {T, false, false, true, 40, 35},  {T, true, false, true, 40, 35},
    {T, false, true, true, 40, 34},   {T, true, true, true, 40, 35},
    {T, false, false, false, 70, 62}, {T, true, false, false, 70, 62},
    {A, false, false, false, 40, 35}, {A, true, false, false, 40, 35},
    {A, false, true, false, 40, 35},  {A, true, true, false, 40, 35},
    {A, false, false, true, 40, 35},  {A, true, false, true, 40, 35},
    {A, false, true, true, 40, 35},   {A, true, true, true, 40, 35},
    {A, false, false, false, 30, 26}, {A, true, false, false, 30, 26},
    {C, false, false, false, 30, 29}, {C, true, false, false, 30, 31},
    {C, false, true, false, 30, 31},  {C, true, true, false, 30, 31},
    {C, false, false, true, 30, 29},  {C, true, false, true, 30, 31},
    {C, false, true, true, 30, 31},   {C, true, true, true, 30, 31},
    {C, false, false, false, 55, 55}, {C, true, false, false, 55, 56},
}};

}  // namespace

PrintFont PrintFontFor(int number, bool compensated) {
  PrintFont font;
  font.Number = number;
  if (number < 1 || number > static_cast<int>(kFonts.size())) {
    font.Face = FontFace::Arial;
    font.Height = compensated ? 41 : 45;
    return font;
  }
  const FontRow& row = kFonts[static_cast<size_t>(number - 1)];
  font.Face = row.Face;
  font.Bold = row.Bold;
  font.Italic = row.Italic;
  font.Underline = row.Underline;
  font.Height = compensated ? row.Compensated : row.Normal;
  return font;
}

const char* FaceName(FontFace face) {
  switch (face) {
    case FontFace::CourierNew:
      return "Courier New";
    case FontFace::TimesNewRoman:
      return "Times New Roman";
    case FontFace::Arial:
      break;
  }
  return "Arial";
}

}  // namespace tolka::print
