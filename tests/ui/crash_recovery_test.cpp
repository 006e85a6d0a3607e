// End to end: the desktop program's window in a child process gets typing
// and "Daten übernehmen", is killed with SIGKILL, and the next start offers
// the recovery copy in a real message box; "Wiederherstellen" brings back
// what was typed, marked as changed.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <memory>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "core/file_io.h"
#include "core/lock_file.h"
#include "modal_driver.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;

TEST(CrashRecovery, TypingOfAKilledProgramIsOfferedAndRestored) {
  test::TempDir dir;
  const fs::path data_file = dir / "JG2024.TLK";
  {
    app::AppState saved;
    saved.Data.Table.Initialise({});
    saved.Data.Table.At(0).Surname = "Vorher";
    test::WriteAll(data_file, saved.Data.Block());
  }

  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.start(QString::fromUtf8(TOLKA_CRASH_DRIVER),
              {PathToQString(dir.path()), PathToQString(data_file), QStringLiteral("Getippt")});
  ASSERT_TRUE(child.waitForStarted(30000));
  QByteArray output;
  while (!output.contains('\n') && child.state() == QProcess::Running) {
    child.waitForReadyRead(100);
    output += child.readAllStandardOutput();
  }
  ASSERT_EQ(output.trimmed(), QByteArray("READY")) << child.readAllStandardError().toStdString();
  child.kill();  // SIGKILL: no closeEvent, no LeaveProgram
  ASSERT_TRUE(child.waitForFinished(30000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
  // The lock file of the killed program is still there, as after a crash.
  EXPECT_TRUE(fs::exists(dir / "JG2024.TLK.LCK"));

  // The next start, in this process, with the program's own dialogs.
  app::AppState state;
  auto window = std::make_unique<MainWindow>(state);
  app::StartUp(state, window->Interaction(), dir.path());
  QString offer;
  test::WhenModal<QMessageBox>([&offer](QMessageBox* box) {
    offer = box->text();
    EXPECT_EQ(box->findChild<QPushButton*>(QStringLiteral("DiscardButton"))->text(),
              QStringLiteral("Verwerfen"));
    auto* restore = box->findChild<QPushButton*>(QStringLiteral("RestoreButton"));
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->text(), QStringLiteral("Wiederherstellen"));
    restore->click();
  });
  ASSERT_TRUE(window->OfferRecovery());
  EXPECT_TRUE(offer.startsWith(QStringLiteral(
      "Es gibt ungesicherte Änderungen aus einer unterbrochenen Sitzung\nan der Datei\n„")))
      << offer.toStdString();
  EXPECT_TRUE(offer.contains(PathToQString(data_file))) << offer.toStdString();
  EXPECT_EQ(state.Data.Table.At(0).Surname, "Getippt");
  EXPECT_EQ(state.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_TRUE(window->ModifiedBoxShown());
  EXPECT_EQ(window->FileNameField(), QStringLiteral("JG2024.TLK"));
  // The data file itself still holds what was saved; the killed program's
  // lock was taken over without a question (it was the restored session's).
  EXPECT_EQ(core::DecodeTable(test::ReadAll(data_file)).At(0).Surname, "Vorher");
  EXPECT_TRUE(core::IsThisProcess(core::DecodeLockText(test::ReadAll(dir / "JG2024.TLK.LCK"))));
}

}  // namespace
}  // namespace tolka::ui
