#include "ui/print_output.h"

#include <QAction>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <numeric>

#include "core/io_error.h"
#include "print_qt/painter_canvas.h"
#include "print_qt/pdf_output.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

bool AskSheetBox(QWidget* parent, const std::string& prompt) {
  QMessageBox box(parent);
  box.setIcon(QMessageBox::Information);
  box.setWindowTitle(MessageBoxTitle(core::Icon::Information));
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageText(prompt));
  box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

bool AskSheet(const PrintOutputs& outputs, QWidget* parent, const std::string& prompt) {
  if (prompt.empty()) return true;
  return outputs.AskSheet ? outputs.AskSheet(parent, prompt) : AskSheetBox(parent, prompt);
}

print::DeviceOffsets PrinterOffsets(QPrinter& printer) {
  return print_qt::OffsetsOf(printer.paperRect(QPrinter::DevicePixel),
                             printer.pageRect(QPrinter::DevicePixel), printer.logicalDpiX(),
                             printer.logicalDpiY());
}

// One job with `sheets` on `printer`; false when it cannot begin.
bool PrintJob(QPrinter& printer, const print::PrintDocument& document,
              const std::vector<size_t>& sheets) {
  if (sheets.empty()) return true;
  printer.setPageLayout(print_qt::SheetLayout(document.Sheets[sheets[0]].Format));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  print_qt::PaintSheets(document, sheets, printer, painter, PrinterOffsets(printer));
  return painter.end();
}

void PrintingFailed(const PrintOutputs& outputs) {
  outputs.Ui->Tell(core::Icon::Error,
                   ToCore(QStringLiteral("Der Druckauftrag konnte nicht ausgeführt werden."))
                       .value_or(std::string()));
}

}  // namespace

bool PaintsPreview(QPrinter& printer) {
  // The preview records the pages with its own paint engine; paper and PDF
  // have the printer's.
  const QPaintEngine* engine = printer.paintEngine();
  return engine != nullptr && engine->type() == QPaintEngine::Picture;
}

int PrintToPrinter(const PrintOutputs& outputs, const print::PrintDocument& document) {
  QPrinter& printer = *outputs.Printer;
  printer.setDocName(FromCore(document.Title));
  printer.setFullPage(false);
  const bool to_file = printer.outputFormat() == QPrinter::PdfFormat;
  std::vector<size_t> confirmed;
  int printed = 0;
  for (size_t i = 0; i < document.Sheets.size(); ++i) {
    if (!AskSheet(outputs, outputs.Parent, document.Sheets[i].Prompt)) continue;
    if (to_file) {
      // One file for the command: a job per sheet would overwrite it.
      confirmed.push_back(i);
      continue;
    }
    if (!PrintJob(printer, document, {i})) {
      PrintingFailed(outputs);
      return printed;
    }
    ++printed;
  }
  if (to_file) {
    if (!PrintJob(printer, document, confirmed)) {
      PrintingFailed(outputs);
      return 0;
    }
    printed = static_cast<int>(confirmed.size());
  }
  return printed;
}

bool SaveAsPdf(const PrintOutputs& outputs, const print::PrintDocument& document) {
  core::FileDialogRequest request;
  request.Title = "Als PDF speichern";
  request.Filter = "PDF-Dateien (*.pdf)|*.pdf";
  request.DefaultExtension = "pdf";
  request.InitialDirectory = outputs.PdfDirectory;
  request.InitialName = outputs.PdfName;
  const auto path = outputs.Ui->SaveFileDialog(request);
  if (!path) return false;
  try {
    print_qt::WritePdf(document, *path);
  } catch (const IoError& e) {
    outputs.Ui->Tell(core::Icon::Error, e.what());
    return false;
  }
  return true;
}

void ShowPrintPreview(const PrintOutputs& outputs, const print::PrintDocument& document) {
  if (document.Sheets.empty()) return;
  QPrinter& printer = *outputs.Printer;
  printer.setFullPage(false);
  printer.setPageLayout(print_qt::SheetLayout(document.Sheets[0].Format));
  QPrintPreviewDialog dialog(&printer, outputs.Parent);
  dialog.setObjectName(QStringLiteral("PrintPreview"));
  dialog.setWindowTitle(QStringLiteral("Seitenansicht – ") + FromCore(document.Title));
  PrintOutputs inner = outputs;
  inner.Parent = &dialog;
  QObject::connect(
      &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&document, inner](QPrinter* target) {
        if (!PaintsPreview(*target)) {
          PrintToPrinter(inner, document);
          return;
        }
        QPainter painter(target);
        std::vector<size_t> sheets(document.Sheets.size());
        std::iota(sheets.begin(), sheets.end(), size_t{0});
        print_qt::PaintSheets(document, sheets, *target, painter, PrinterOffsets(*target));
      });
  if (auto* bar = dialog.findChild<QToolBar*>()) {
    bar->addSeparator();
    QAction* pdf = bar->addAction(kSavePdfCaption);
    pdf->setObjectName(QStringLiteral("SavePdf"));
    QObject::connect(pdf, &QAction::triggered, &dialog,
                     [&document, inner]() { SaveAsPdf(inner, document); });
  }
  dialog.exec();
}

}  // namespace tolka::ui
