// The desktop program: German texts whatever the system's locale, the
// program directory beside the executable (or the user's data directory when
// that is not writable or an installation), start-up of the program state,
// the main window, then the data file given on the command line.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/app_state.h"
#include "app/startup.h"
#include "core/directories.h"
#include "ui/main_window.h"
#include "ui/program_arguments.h"
#include "ui/qt_text.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tolka"));
  // No display name: Qt would append it to every window title, and the
  // titles are the program's own ("Tolka 3.1 für Windows").
  QApplication::setOrganizationName(QStringLiteral("Tolka"));
  if (!tolka::ui::InstallGermanTranslations(application)) {
    std::fprintf(stderr, "tolka: Qt's German translation (qtbase_de) was not found\n");
  }

  QApplication::setApplicationVersion(QStringLiteral(TOLKA_VERSION));
  // Before start-up: it moves into the program directory, and a relative
  // file name means the folder the program was called from.
  const tolka::ui::ProgramArguments arguments =
      tolka::ui::ParseProgramArguments(QCoreApplication::arguments());

  const std::filesystem::path program_dir = tolka::core::DefaultProgramDirectory(
      tolka::ui::QStringToPath(QCoreApplication::applicationDirPath()));

  tolka::app::AppState state;
  // Created once with every dialog and reused until the program ends.
  tolka::ui::MainWindow window(state);
  tolka::app::StartUp(state, window.Interaction(), program_dir);
  // Unsaved changes of a session that ended abnormally come first. It
  // returns true when data were restored: a file named on the command line
  // must then not be opened over them.
  const bool restored = window.OfferRecovery();
  window.ShowState();
  window.RestoreWindowState();
  window.show();
  if (!arguments.Error.isEmpty()) {
    QMessageBox::warning(&window, QStringLiteral("Tolka"), arguments.Error);
  } else if (arguments.DataFile && !restored) {
    window.OpenFile(*arguments.DataFile);
  }
  return application.exec();
}
