#include "print_qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <array>
#include <cmath>

#include "core/cp1252.h"

namespace tolka::print_qt {

namespace {

// The painter's unit is a sixteenth of the page unit (a tenth of a
// millimetre), so that font sizes and letter spacing are not rounded to
// whole tenths; one transform per sheet, none per text.
constexpr double kTextScale = 16.0;

QPointF At(double x, double y) { return QPointF(x * kTextScale, y * kTextScale); }

QString FromCp1252(const std::string& text) {
  return QString::fromStdString(core::Cp1252ToUtf8(text));
}

QString Family(print::FontFace face) {
  switch (face) {
    case print::FontFace::CourierNew:
      return QStringLiteral("Liberation Mono");
    case print::FontFace::TimesNewRoman:
      return QStringLiteral("Liberation Serif");
    case print::FontFace::Arial:
      break;
  }
  return QStringLiteral("Liberation Sans");
}

}  // namespace

QFont QtFont(const print::PrintFont& font, double scale) {
  QFont q(Family(font.Face));
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setKerning(false);
  // Drawn at a fine scale: hinting for a small size would bend the metrics.
  q.setHintingPreference(QFont::PreferNoHinting);
  q.setStyleStrategy(QFont::PreferOutline);
  // The height is the cell height, ascent plus descent, as the print fonts
  // are measured; the em is that much smaller.
  // One measurement per face and style.
  static std::array<double, 12> ratios{};
  double& ratio =
      ratios[static_cast<size_t>(font.Face) * 4 + (font.Bold ? 2 : 0) + (font.Italic ? 1 : 0)];
  if (ratio == 0) {
    constexpr int kReference = 1000;
    q.setPixelSize(kReference);
    const QFontMetricsF reference(q);
    const double cell = reference.ascent() + reference.descent();
    ratio = cell > 0 ? kReference / cell : 1.0;
  }
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Height * scale * ratio))));
  return q;
}

PainterCanvas::PainterCanvas(QPainter& painter, print::DeviceOffsets offsets)
    : painter_(painter),
      offsets_(offsets),
      font_(QtFont(print::PrintFontFor(0, false), kTextScale)) {
  painter_.resetTransform();
  painter_.scale(offsets.DpiX / 254.0 / kTextScale, offsets.DpiY / 254.0 / kTextScale);
  painter_.setPen(QPen(Qt::black));
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterCanvas::SetFont(const print::PrintFont& font) {
  font_ = QtFont(font, kTextScale);
  if (char_extra_ != 0) font_.setLetterSpacing(QFont::AbsoluteSpacing, char_extra_ * kTextScale);
}

void PainterCanvas::SetCharExtra(int extra) {
  char_extra_ = extra;
  font_.setLetterSpacing(QFont::AbsoluteSpacing, extra * kTextScale);
}

void PainterCanvas::Text(int x, int y, const std::string& text) {
  if (text.empty()) return;
  const QString q = FromCp1252(text);
  const QFontMetricsF metrics(font_);
  double left = x * kTextScale;
  if (align_ == print::TextAlign::Centre) left -= metrics.horizontalAdvance(q) / 2.0;
  painter_.setFont(font_);
  if (painter_.pen() != QPen(Qt::black)) painter_.setPen(QPen(Qt::black));
  painter_.drawText(QPointF(left, y * kTextScale - metrics.descent()), q);
}

void PainterCanvas::RotatedText(int x, int y, int angle, const print::PrintFont& font,
                                const std::string& text) {
  if (text.empty()) return;
  const QFont q = QtFont(font, kTextScale);
  const QFontMetricsF metrics(q);
  painter_.save();
  painter_.translate(At(x, y));
  // Counter-clockwise on paper is a negative angle with y downwards.
  painter_.rotate(-angle);
  painter_.setFont(q);
  painter_.setPen(QPen(Qt::black));
  painter_.drawText(QPointF(0, -metrics.descent()), FromCp1252(text));
  painter_.restore();
}

void PainterCanvas::Line(int x1, int y1, int x2, int y2, int pen) {
  QPen p(Qt::black);
  p.setWidthF(pen * kTextScale);  // 0: a cosmetic hairline
  p.setCapStyle(Qt::FlatCap);
  painter_.setPen(p);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawLine(At(x1, y1), At(x2, y2));
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2, int pen, bool fill) {
  QPen p(Qt::black);
  p.setWidthF(pen * kTextScale);
  p.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(p);
  painter_.setBrush(fill ? QBrush(QColor(255, 255, 0)) : QBrush(Qt::NoBrush));
  painter_.drawRect(QRectF(At(x1, y1), At(x2, y2)).normalized());
  painter_.setBrush(Qt::NoBrush);
}

QPageLayout SheetLayout(const print::SheetFormat& format) {
  const QPageSize size(format.Paper == print::PaperSize::A3 ? QPageSize::A3 : QPageSize::A4);
  const auto turn =
      format.Turn == print::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  return QPageLayout(size, turn, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

print::DeviceOffsets OffsetsOf(const QRectF& paper, const QRectF& printable, int dpi_x, int dpi_y) {
  print::DeviceOffsets offsets;
  offsets.OffsetX = static_cast<int>(std::lround(printable.left() - paper.left()));
  offsets.OffsetY = static_cast<int>(std::lround(printable.top() - paper.top()));
  offsets.DpiX = dpi_x;
  offsets.DpiY = dpi_y;
  return offsets;
}

void PaintSheets(const print::PrintDocument& document, const std::vector<size_t>& sheets,
                 QPagedPaintDevice& device, QPainter& painter, print::DeviceOffsets offsets) {
  const print::SheetFormat* previous = nullptr;
  for (size_t index : sheets) {
    const print::PrintSheet& sheet = document.Sheets.at(index);
    if (previous != nullptr) {
      // A printer takes no new layout while active: only a change asks.
      if (!(sheet.Format == *previous)) device.setPageLayout(SheetLayout(sheet.Format));
      device.newPage();
    }
    previous = &sheet.Format;
    PainterCanvas canvas(painter, offsets);
    sheet.Draw(canvas);
  }
}

}  // namespace tolka::print_qt
