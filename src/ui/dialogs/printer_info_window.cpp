#include "ui/dialogs/printer_info_window.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/cp1252.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

constexpr int kGridRows = 250;

// A text for the core: characters the code page lacks become '?'; the window
// only shows it.
std::string CoreText(const QString& text) {
  QString storable;
  for (const char32_t code_point : text.toUcs4()) {
    storable += core::IsCp1252Representable(code_point) ? QString::fromUcs4(&code_point, 1)
                                                        : QStringLiteral("?");
  }
  return ToCore(storable).value_or(std::string());
}

int MmToPixels(double mm, int dpi) { return static_cast<int>(std::lround(mm / 25.4 * dpi)); }

}  // namespace

print::PrinterDeviceValues DeviceValuesOf(QPrinter& printer) {
  print::PrinterDeviceValues v;
  const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
  v.Name = CoreText(pdf ? QStringLiteral("PDF-Datei") : printer.printerName());
  v.DriverVersion = pdf ? std::string() : CoreText(QPrinterInfo(printer).makeAndModel());
  v.Technology = pdf ? print::technology::kMetafile : print::technology::kRasterPrinter;
  v.WidthMm = printer.widthMM();
  v.HeightMm = printer.heightMM();
  v.WidthPx = printer.width();
  v.HeightPx = printer.height();
  v.DpiX = printer.logicalDpiX();
  v.DpiY = printer.logicalDpiY();
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF unprintable = layout.minimumMargins();
  v.OffsetXPx = MmToPixels(unprintable.left(), v.DpiX);
  v.OffsetYPx = MmToPixels(unprintable.top(), v.DpiY);
  // A device with more than 256 colours reports -1, as printer drivers do
  // (Qt gives the largest int for a true-colour device).
  v.Colors = printer.colorCount() > 256 ? -1 : printer.colorCount();
  for (const QString& family : QFontDatabase::families()) v.Fonts.push_back(CoreText(family));
  return v;
}

PrinterInfoWindow::PrinterInfoWindow(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("Tinfodrucker"));
  setWindowTitle(QStringLiteral("Information zum aktuellen Drucker"));
  setModal(true);

  grid_ = new QTableWidget(kGridRows, 2, this);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setColumnWidth(0, 200);
  grid_->setColumnWidth(1, 251);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setMinimumHeight(400);

  auto* close = new QPushButton(QStringLiteral("Schließen"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addWidget(close, 0, Qt::AlignRight);
}

void PrinterInfoWindow::showEvent(QShowEvent* event) {
  Fill();
  QDialog::showEvent(event);
}

void PrinterInfoWindow::Fill() {
  const auto rows = print::PrinterInformationRows(DeviceValuesOf(printer_));
  grid_->clearContents();
  // Every font is listed: the grid grows beyond its 250 rows when needed.
  grid_->setRowCount(std::max(kGridRows, static_cast<int>(rows.size())));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    grid_->setItem(r, 0, new QTableWidgetItem(FromCore(rows[static_cast<size_t>(r)].first)));
    grid_->setItem(r, 1, new QTableWidgetItem(FromCore(rows[static_cast<size_t>(r)].second)));
  }
  // The labels stay readable with a larger font than the grid's 200 pixels
  // were made for.
  grid_->resizeColumnToContents(0);
  grid_->setColumnWidth(0, std::max(200, grid_->columnWidth(0)));
  grid_->setMinimumWidth(grid_->columnWidth(0) + grid_->columnWidth(1) +
                         grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
}

}  // namespace tolka::ui

#include "moc_printer_info_window.cpp"
