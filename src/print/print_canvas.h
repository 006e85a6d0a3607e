// The print canvas: what every printed document draws onto. Coordinates are
// tenths of a millimetre on the sheet, x to the right and y downwards from
// the sheet's top-left paper corner as the device reports it (a printer's
// canvas starts at its printable area; `PageOrigin` subtracts that offset).
// Text is Windows-1252 and bottom-aligned: the y of a text is the bottom of
// its cell. The Qt device (src/print_qt) draws on paper, preview and PDF;
// the recording canvas lists what was drawn for the tests.
#pragma once

#include <string>

namespace tolka::print {

enum class FontFace { CourierNew, TimesNewRoman, Arial };

// One print font: face, style and cell height in tenths of a millimetre.
// `Number` is the print font number it came from (0 for the temporary font
// of rotated text), kept for the recording canvas.
struct PrintFont {
  int Number = 0;
  FontFace Face = FontFace::Arial;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  int Height = 45;
  bool operator==(const PrintFont&) const = default;
};

// The print fonts 1..40; any other number is Arial regular 45 (41 with the
// compensated heights of "Kyocera-Problem ausgleichen").
PrintFont PrintFontFor(int number, bool compensated);
// "Courier New", "Times New Roman", "Arial".
const char* FaceName(FontFace face);

enum class TextAlign { Left, Centre };  // both bottom-aligned

// The device values that `PageOrigin` needs: the unprintable offsets in
// device pixels and the resolution (PHYSICALOFFSETX/Y, LOGPIXELSX/Y).
struct DeviceOffsets {
  int OffsetX = 0;
  int OffsetY = 0;
  int DpiX = 254;
  int DpiY = 254;
};

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  virtual DeviceOffsets Offsets() const = 0;
  virtual void SetFont(const PrintFont& font) = 0;
  virtual void SetAlign(TextAlign align) = 0;
  // Extra space after every character, tenths of a millimetre (negative
  // narrows a line).
  virtual void SetCharExtra(int extra) = 0;
  // `text` with the bottom of its cell at y; x is its left end or, centred,
  // its middle.
  virtual void Text(int x, int y, const std::string& text) = 0;
  // `text` in `font` turned by `angle` degrees counter-clockwise about
  // (x, y): 270 runs downwards, 0 horizontally. Left/bottom-aligned in its
  // own direction.
  virtual void RotatedText(int x, int y, int angle, const PrintFont& font,
                           const std::string& text) = 0;
  // Pen width in tenths of a millimetre; 0 is the thinnest line the device
  // draws.
  virtual void Line(int x1, int y1, int x2, int y2, int pen) = 0;
  // A rectangle's outline, or filled yellow with `fill`.
  virtual void Rectangle(int x1, int y1, int x2, int y2, int pen, bool fill) = 0;
};

}  // namespace tolka::print
