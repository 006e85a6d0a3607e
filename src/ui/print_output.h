// Where a print command's sheets go in the desktop program: the print
// preview (`QPrintPreviewDialog` with every sheet of the command; from it the
// user prints or saves a PDF), the printer the user chose (each sheet after
// its prompt, its own job, because the office inserts each pre-printed form
// by hand; a printer set to write a file gets one file with every confirmed
// sheet), and a PDF file (one page per sheet). All three paint the same
// sheets through the one Qt paint path.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "core/interaction.h"
#include "print/print_document.h"

class QPrinter;
class QWidget;

namespace tolka::ui {

struct PrintOutputs {
  QWidget* Parent = nullptr;
  QPrinter* Printer = nullptr;
  core::Interaction* Ui = nullptr;
  // The sheet prompt (OK prints the sheet, Abbrechen skips it); empty: a
  // message box with "OK" and "Abbrechen".
  std::function<bool(QWidget* parent, const std::string& prompt)> AskSheet;
  // Where "Als PDF speichern ..." starts and the name it suggests.
  std::filesystem::path PdfDirectory;
  std::string PdfName;  // Windows-1252
};

// The caption of the preview's PDF button.
inline const QString kSavePdfCaption = QStringLiteral("Als PDF speichern ...");

// Shows the preview of every sheet, modally. The preview's print button
// prints through PrintToPrinter; "Als PDF speichern ..." through SaveAsPdf.
void ShowPrintPreview(const PrintOutputs& outputs, const print::PrintDocument& document);

// Prints to the chosen printer: the prompt before each sheet, one job per
// sheet. Returns the number of sheets printed.
int PrintToPrinter(const PrintOutputs& outputs, const print::PrintDocument& document);

// Asks for a file name (save dialog) and writes the PDF atomically; an
// error is shown. Returns true when the file was written.
bool SaveAsPdf(const PrintOutputs& outputs, const print::PrintDocument& document);

// True while a QPrinter paints for a preview (not for paper).
bool PaintsPreview(QPrinter& printer);

}  // namespace tolka::ui
