// The menu "Einstellungen" of the main window and its settings windows.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/main_window.h"

namespace tolka::ui {

void MainWindow::CreateSettingsMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Einstellungen"));
  menu->setObjectName(QStringLiteral("Einstellungen1"));
  QAction* print = menu->addAction(QStringLiteral("Druckeinstellungen"));
  print->setObjectName(QStringLiteral("Druckeinstellungen1"));
  connect(print, &QAction::triggered, this, &MainWindow::EditPrintSettings);
}

}  // namespace tolka::ui
