// The printer commands of the main window: "&Drucken..." and "D&rucker
// einrichten..." in the menu "&Datei" with the tool button
// "Druckereinstellungen", "Drucker-Informationen" in the menu "Werkzeuge",
// and the print settings window of "Druckeinstellungen".
#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>

#include "print/printer_information.h"
#include "ui/dialogs/print_settings_window.h"
#include "ui/dialogs/printer_info_window.h"
#include "ui/editor/record_editor.h"
#include "ui/main_window.h"

namespace tolka::ui {

void MainWindow::AddPrintSetupItems(QMenu* file) {
  file->addSeparator();
  QAction* print = file->addAction(QStringLiteral("&Drucken..."));
  print->setObjectName(QStringLiteral("FilePrint"));
  print->setStatusTip(QStringLiteral("Aktuelle Datei drucken"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, &MainWindow::FilePrint);
  QAction* setup = file->addAction(QStringLiteral("D&rucker einrichten..."));
  setup->setObjectName(QStringLiteral("FilePrintSetup"));
  setup->setStatusTip(QStringLiteral("Druckereinrichtung ändern"));
  connect(setup, &QAction::triggered, this, &MainWindow::FilePrintSetup);
}

void MainWindow::AddPrintSetupToolButton(QToolBar* bar) {
  const QString hint = QStringLiteral("Druckereinstellungen");
  QAction* action =
      bar->addAction(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("Drucker"));
  action->setObjectName(QStringLiteral("PrintSetupButton"));
  action->setToolTip(hint);
  action->setStatusTip(hint);
  connect(action, &QAction::triggered, this, &MainWindow::FilePrintSetup);
}

void MainWindow::AddPrinterInformationItem() {
  tools_menu_->addSeparator();
  QAction* action = tools_menu_->addAction(QStringLiteral("Drucker-Informationen"));
  action->setObjectName(QStringLiteral("Druckerinformationen1"));
  connect(action, &QAction::triggered, this, &MainWindow::ShowPrinterInformation);
}

void MainWindow::FilePrint() {
  QPrintDialog dialog(&Printer(), this);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  if (dialog.exec() != QDialog::Accepted) return;
  interaction_->Tell(core::Icon::Information, print::UsePrintMenuMessage());
}

void MainWindow::FilePrintSetup() {
  // The platform's printer set-up: printer, paper and orientation. Accepted,
  // the choice stays in the program's printer for every later job.
  QPrintDialog dialog(&Printer(), this);
  dialog.setObjectName(QStringLiteral("PrintSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
  dialog.exec();
}

void MainWindow::ShowPrinterInformation() {
  PrinterInfoWindow window(Printer(), this);
  window.exec();
}

void MainWindow::EditPrintSettings() {
  editor_->TransferIntoRecord();
  PrintSettingsWindow window(state_, *interaction_, this);
  window.Run();
  ShowState();
}

}  // namespace tolka::ui
