// PDF output of a print document: one page per sheet, in order, each in its
// sheet's paper format (A3 sheets as A3 pages), text kept as text.
#pragma once

#include <QByteArray>
#include <filesystem>
#include <memory>

#include "print/print_document.h"

class QGuiApplication;

namespace tolka::print_qt {

// The PDF bytes of `document`. Throws IoError when Qt cannot paint.
QByteArray RenderPdf(const print::PrintDocument& document);

// Writes the PDF through the atomic save (a temporary file, then renamed),
// so a failure never leaves a half-written file. Throws IoError.
void WritePdf(const print::PrintDocument& document, const std::filesystem::path& path);

// A QGuiApplication on the offscreen platform for a program without a
// window (tolka-cli); nothing when one exists already.
std::unique_ptr<QGuiApplication> MakeOffscreenApplication();

}  // namespace tolka::print_qt
