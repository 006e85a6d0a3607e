#include "print_qt/pdf_output.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <numeric>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "print_qt/painter_canvas.h"

namespace tolka::print_qt {

namespace {

constexpr int kPdfResolution = 600;

}  // namespace

QByteArray RenderPdf(const print::PrintDocument& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Tolka"));
    writer.setTitle(QString::fromStdString(core::Cp1252ToUtf8(document.Title)));
    if (!document.Sheets.empty()) writer.setPageLayout(SheetLayout(document.Sheets[0].Format));
    QPainter painter;
    if (!painter.begin(&writer)) throw IoError("PDF-Ausgabe kann nicht beginnen.");
    std::vector<size_t> sheets(document.Sheets.size());
    std::iota(sheets.begin(), sheets.end(), size_t{0});
    PaintSheets(document, sheets, writer, painter,
                print::DeviceOffsets{0, 0, kPdfResolution, kPdfResolution});
    painter.end();
  }
  return bytes;
}

void WritePdf(const print::PrintDocument& document, const std::filesystem::path& path) {
  const QByteArray bytes = RenderPdf(document);
  try {
    core::SaveFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  } catch (const IoError& e) {
    throw IoError(core::PathText(path) + ": " + e.what());
  }
}

std::unique_ptr<QGuiApplication> MakeOffscreenApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  // The tool's output is its own messages: Qt's notes about the platform
  // (no runtime directory, no display) are dropped; errors stay.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
  });
  static char name[] = "tolka-cli";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  static int argc = 3;
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace tolka::print_qt
