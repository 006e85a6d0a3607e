// The main of the Qt tests: a QApplication on the offscreen platform (unless
// another is set), with Qt's German translation as the program loads it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "ui/translations.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // QSettings of the program (recent files, window geometry, last folder,
  // "Seitenansicht vor dem Druck") go to a test location, never into the
  // user's own, and one of each test process: ctest runs them side by side.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setOrganizationName(QStringLiteral("Tolka-Test"));
  QApplication::setApplicationName(
      QStringLiteral("Tolka-Test-%1").arg(QCoreApplication::applicationPid()));
  // A process killed earlier may have left its file under a PID that is
  // ours now: start from nothing.
  QSettings().clear();
  tolka::ui::InstallGermanTranslations(application);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  QFile::remove(QSettings().fileName());
  return result;
}
