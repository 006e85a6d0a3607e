// The data-exchange commands of the main window: the first three items of the
// menu "Werkzeuge".
#include <QAction>
#include <QMenu>

#include "exchange/exchange_commands.h"
#include "ui/main_window.h"

namespace tolka::ui {

void MainWindow::AddExchangeMenuItems() {
  QAction* first = tools_menu_->actions().isEmpty() ? nullptr : tools_menu_->actions().front();
  const auto add = [this, first](const char* name, const QString& caption,
                                 void (MainWindow::*handler)()) {
    auto* action = new QAction(caption, tools_menu_);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    tools_menu_->insertAction(first, action);
  };
  add("Export1", QStringLiteral("Export aller Daten ..."), &MainWindow::ExportAllData);
  add("ExportAbiturergebnisse1", QStringLiteral("Export der Abiturergebnisse ..."),
      &MainWindow::ExportExamResults);
  add("Import1", QStringLiteral("Import von Personendaten ..."), &MainWindow::ImportPersonData);
  tools_menu_->insertSeparator(first);
}

void MainWindow::ExportAllData() {
  RunRecordCommand([this](size_t) { exchange::ExportAllData(state_, *interaction_); });
}

void MainWindow::ExportExamResults() {
  RunRecordCommand([this](size_t) { exchange::ExportExamResults(state_, *interaction_); });
}

void MainWindow::ImportPersonData() {
  RunRecordCommand(
      [this](size_t current) { exchange::ImportPersonData(state_, *interaction_, current); });
}

}  // namespace tolka::ui
