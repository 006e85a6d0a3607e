// The one Qt paint path of every printed document: a print canvas over a
// QPainter on any QPagedPaintDevice (QPrinter for the printer and the print
// preview, QPdfWriter for PDF). Needs QtGui only, so tolka-cli renders PDF
// without a display. Tenths of a millimetre become device units through one
// world transform per sheet; "Courier New", "Times New Roman" and "Arial"
// are drawn with the metric-compatible Liberation Mono, Serif and Sans. A
// print font's height is its cell height (ascent plus descent, as the
// fonts were always measured); a text's baseline lies at the cell bottom
// minus the font's descent.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <cstddef>
#include <vector>

#include "print/print_canvas.h"
#include "print/print_document.h"

namespace tolka::print_qt {

class PainterCanvas : public print::PrintCanvas {
 public:
  // `painter` is active on the device of resolution `dpi_x` x `dpi_y`; the
  // canvas sets its world transform.
  PainterCanvas(QPainter& painter, print::DeviceOffsets offsets);

  print::DeviceOffsets Offsets() const override { return offsets_; }
  void SetFont(const print::PrintFont& font) override;
  void SetAlign(print::TextAlign align) override { align_ = align; }
  void SetCharExtra(int extra) override;
  void Text(int x, int y, const std::string& text) override;
  void RotatedText(int x, int y, int angle, const print::PrintFont& font,
                   const std::string& text) override;
  void Line(int x1, int y1, int x2, int y2, int pen) override;
  void Rectangle(int x1, int y1, int x2, int y2, int pen, bool fill) override;

 private:
  QPainter& painter_;
  print::DeviceOffsets offsets_;
  QFont font_;
  print::TextAlign align_ = print::TextAlign::Left;
  int char_extra_ = 0;
};

// The Liberation font of a print font: its cell (ascent + descent) is the
// print font's height times `scale` pixels.
QFont QtFont(const print::PrintFont& font, double scale = 1.0);

// The page layout of a sheet format, without margins.
QPageLayout SheetLayout(const print::SheetFormat& format);

// The unprintable offsets of a device whose painter starts at `printable`
// inside `paper` (both in device pixels).
print::DeviceOffsets OffsetsOf(const QRectF& paper, const QRectF& printable, int dpi_x, int dpi_y);

// Paints `sheets` (indices into the document) onto `device`, one page each:
// the painter must be active on the device; before every sheet after the
// first a new page is begun in that sheet's layout. `offsets` are the
// device's unprintable offsets (zero for PDF).
void PaintSheets(const print::PrintDocument& document, const std::vector<size_t>& sheets,
                 QPagedPaintDevice& device, QPainter& painter, print::DeviceOffsets offsets);

}  // namespace tolka::print_qt
