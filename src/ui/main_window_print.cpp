// The printing of the main window: the menu "Drucken" with the report
// sheets (one student or "für ALLE"), the certificate commands, the
// statistics and the check item "Seitenansicht vor dem Druck", the printer the
// user chose, and the way every print command's sheets leave the program
// (print preview, printer, PDF).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "core/io_error.h"
#include "print/certificate_command.h"
#include "print/report_sheets.h"
#include "print/report_statistics.h"
#include "ui/dialogs/fhr_info_dialog.h"
#include "ui/main_window.h"
#include "ui/print_output.h"
#include "ui/qt_text.h"
#include "ui/rules_commands.h"

namespace tolka::ui {

namespace {

const QString kPreviewKey = QStringLiteral("Drucken/SeitenansichtVorDemDruck");

// The program's own QSettings (organisation and application name set by
// main(); the tests set their own per process).
QSettings ProgramSettings() { return QSettings(); }

}  // namespace

void MainWindow::CreatePrintMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Drucken"));
  menu->setObjectName(QStringLiteral("Drucken1"));
  print_menu_ = menu;
  const auto add = [this](QMenu* into, const char* name, const QString& caption,
                          print::CertificateCommand command) {
    QAction* action = into->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, command]() { PrintCertificate(command); });
  };
  // The report sheets: the "für ALLE" submenu, then one item per sheet for
  // the current student.
  QMenu* all = menu->addMenu(FromCore(print::AllStudentsMenuCaption()));
  all->setObjectName(QStringLiteral("frALLE1"));
  for (print::ReportSheet sheet : print::AllStudentsSheets()) {
    QAction* action = all->addAction(FromCore(print::ReportSheetCaption(sheet, true)));
    action->setObjectName(QStringLiteral("all_") +
                          QString::fromLatin1(print::ReportSheetName(sheet)));
    connect(action, &QAction::triggered, this, [this, sheet]() { PrintReportSheetForAll(sheet); });
  }
  for (print::ReportSheet sheet : print::ReportSheets()) {
    // "Probezeugnis" is the command button's; the menu item stays hidden.
    if (sheet == print::ReportSheet::ExtendedDataSheet) continue;
    QAction* action = menu->addAction(FromCore(print::ReportSheetCaption(sheet, false)));
    action->setObjectName(QString::fromLatin1(print::ReportSheetName(sheet)));
    connect(action, &QAction::triggered, this, [this, sheet]() { PrintReportSheet(sheet); });
  }
  menu->addSeparator();
  QMenu* fhr = menu->addMenu(QStringLiteral("schulischer Teil der Fachhochschulreife"));
  fhr->setObjectName(QStringLiteral("schulischerTeilderFachhochschulreife2"));
  add(fhr, "N1und2Semester1", QStringLiteral("1. und 2. Semester"),
      print::CertificateCommand::Fhr12);
  add(fhr, "N2und3Semester1", QStringLiteral("2. und 3. Semester"),
      print::CertificateCommand::Fhr23);
  add(fhr, "N3und4Semester1", QStringLiteral("3. und 4. Semester"),
      print::CertificateCommand::Fhr34);
  add(menu, "Abiturzeugnis1", QStringLiteral("Abiturzeugnis"), print::CertificateCommand::Abitur);
  QAction* statistics = menu->addAction(QString::fromLatin1(print::kStatisticsCaption));
  statistics->setObjectName(QStringLiteral("Abiturstatistik1"));
  connect(statistics, &QAction::triggered, this, [this]() { PrintStatistics(); });
  menu->addSeparator();
  QAction* preview = menu->addAction(QStringLiteral("Seitenansicht vor dem Druck"));
  preview->setObjectName(QStringLiteral("SeitenansichtvordemDruck1"));
  preview->setCheckable(true);
  preview->setChecked(PreviewBeforePrinting());
  connect(preview, &QAction::toggled, this, [this](bool on) { SetPreviewBeforePrinting(on); });
}

bool MainWindow::PreviewBeforePrinting() const {
  return ProgramSettings().value(kPreviewKey, true).toBool();
}

void MainWindow::SetPreviewBeforePrinting(bool on) {
  ProgramSettings().setValue(kPreviewKey, on);
  if (print_menu_ != nullptr) {
    if (auto* item = print_menu_->findChild<QAction*>(QStringLiteral("SeitenansichtvordemDruck1")))
      item->setChecked(on);
  }
}

QPrinter& MainWindow::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void MainWindow::PrintCertificate(print::CertificateCommand command) {
  const size_t index = static_cast<size_t>(current_student_);
  const print::CertificateSources sources{state_.Catalogue, state_.Exam,   state_.General,
                                          state_.Print,     state_.School, state_.Dirs};
  print::CertificateHooks hooks;
  hooks.ShowReport = [this, index](const rules::PipelineOutcome& outcome) {
    ShowState();
    ShowRulesFinish(this, state_, rules_state_, index, outcome);
  };
  hooks.AskFhrInfo = [this](print::FhrInfo& info) {
    FhrInfoDialog dialog(this);
    return dialog.Run(info);
  };
  print::CertificateRun run;
  try {
    run = print::RunCertificateCommand(sources, *interaction_, hooks, rules_state_,
                                       state_.Data.Table, index, command);
  } catch (const IoError& e) {
    ShowState();
    interaction_->Tell(core::Icon::Error, e.what());
    return;
  }
  ShowState();
  if (run.Status == print::CertificateStatus::NotAllowed) {
    interaction_->Tell(core::Icon::Error, print::CertificateNotAllowedMessage());
    return;
  }
  if (run.Status == print::CertificateStatus::Ready) OutputDocument(run.Document);
}

namespace {

print::ReportSources SourcesOf(const app::AppState& state) {
  return {state.Catalogue, state.Exam, state.General, state.Print, state.School, ""};
}

}  // namespace

void MainWindow::PrintReportSheet(print::ReportSheet sheet) {
  const size_t index = static_cast<size_t>(current_student_);
  const core::StudentRecord& student = state_.Data.Table.At(index);
  if (interaction_->Ask(core::Icon::Confirmation, print::ReportSheetQuestion(sheet, student),
                        core::Buttons::YesNo) != core::Answer::Yes) {
    return;
  }
  // The sheet reads the record as the editor shows it.
  ShowState();
  OutputDocument(print::BuildReportDocument(SourcesOf(state_), state_.Data.Table, index, sheet));
}

void MainWindow::PrintReportSheetForAll(print::ReportSheet sheet) {
  ShowState();
  const size_t first = static_cast<size_t>(current_student_);
  const print::PrintDocument document =
      print::BuildAllStudentsDocument(SourcesOf(state_), state_.Data.Table, first, sheet);
  if (document.Sheets.empty()) {
    interaction_->Tell(core::Icon::Information, print::AllStudentsNothingMessage());
    return;
  }
  // The file of a whole run is named after the sheet, not one student.
  OutputDocument(document, print::ReportSheetName(sheet) + std::string("-alle.pdf"));
}

void MainWindow::PrintStatistics() {
  ShowState();
  OutputDocument(print::BuildStatisticsDocument(SourcesOf(state_), state_.Data.Table),
                 std::string(print::kStatisticsCaption) + ".pdf");
}

void MainWindow::OutputDocument(const print::PrintDocument& document, const std::string& pdf_name) {
  PrintOutputs outputs;
  outputs.Parent = this;
  outputs.Printer = &Printer();
  outputs.Ui = interaction_;
  outputs.PdfDirectory = state_.Dirs.Data;
  const core::StudentRecord& student = state_.Data.Table.At(static_cast<size_t>(current_student_));
  outputs.PdfName = pdf_name.empty() ? student.Surname + ".pdf" : pdf_name;
  if (PreviewBeforePrinting()) {
    ShowPrintPreview(outputs, document);
  } else {
    PrintToPrinter(outputs, document);
  }
}

}  // namespace tolka::ui
