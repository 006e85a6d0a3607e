// One list of sheets per print command. A command builds its sheets once
// (each with its paper format and its prompt) and hands them to whichever
// output the user chose: the print preview, the printer (one job per sheet,
// each after its prompt) or a PDF file (one page per sheet). The sheets draw
// only onto the canvas, so the same drawing serves every output.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/print_canvas.h"

namespace tolka::print {

enum class PaperSize { A4, A3 };
enum class Orientation { Portrait, Landscape };

struct SheetFormat {
  PaperSize Paper = PaperSize::A4;
  Orientation Turn = Orientation::Portrait;
  // The sheet's size in tenths of a millimetre as it lies (A4 portrait
  // 2100 x 2970, A3 landscape 4200 x 2970).
  int Width() const;
  int Height() const;
  bool operator==(const SheetFormat&) const = default;
};

inline constexpr SheetFormat kA4Portrait{PaperSize::A4, Orientation::Portrait};
inline constexpr SheetFormat kA3Landscape{PaperSize::A3, Orientation::Landscape};

struct PrintSheet {
  SheetFormat Format;
  // The information prompt before the sheet goes to a printer (OK prints
  // it, Cancel skips it); empty for no prompt. Windows-1252.
  std::string Prompt;
  std::function<void(PrintCanvas&)> Draw;
};

struct PrintDocument {
  std::string Title;  // the preview window's and the print job's name (Windows-1252)
  std::vector<PrintSheet> Sheets;
};

}  // namespace tolka::print
