// A test driver, not a product: the desktop program's window built as
// main.cpp builds it, on the program directory and data file given as its
// two arguments. It types `surname` (third argument) into "Name" of the
// first student with key events, presses "Daten übernehmen", prints "READY"
// when the recovery copy is on disk and then runs until it is killed, as a
// program that crashes with unsaved changes.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "app/app_state.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "ui/command_button_column.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: tolka_crash_driver PROGRAM_DIR DATA_FILE SURNAME\n");
    return 2;
  }
  // The window's QSettings (recent files) go to a test location.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setOrganizationName(QStringLiteral("Tolka-Test"));
  QApplication::setApplicationName(
      QStringLiteral("Tolka-Crash-%1").arg(QCoreApplication::applicationPid()));

  const std::filesystem::path program_dir =
      tolka::ui::QStringToPath(QString::fromLocal8Bit(argv[1]));
  const QString data_file = QString::fromLocal8Bit(argv[2]);
  const QString surname = QString::fromLocal8Bit(argv[3]);

  tolka::app::AppState state;
  tolka::ui::MainWindow window(state);
  tolka::app::StartUp(state, window.Interaction(), program_dir);
  window.OfferRecovery();
  window.ShowState();
  window.show();

  QTimer::singleShot(0, &window, [&]() {
    window.OpenRecentFile(data_file);
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Surname"));
    if (edit == nullptr) {
      std::fprintf(stderr, "tolka_crash_driver: no field Surname\n");
      QApplication::exit(3);
      return;
    }
    edit->setFocus();
    edit->selectAll();
    for (const QChar character : surname) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QApplication::sendEvent(edit, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QApplication::sendEvent(edit, &release);
    }
    window.CommandButtons()->Button(tolka::ui::CommandButton::TakeOverData)->click();
    const bool written = std::filesystem::exists(tolka::app::RecoveryCopyPath(state.Dirs.Program));
    std::printf(written ? "READY\n" : "NO COPY\n");
    std::fflush(stdout);
  });
  return application.exec();
}
