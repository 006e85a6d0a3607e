// The main window with the program state behind it: start-up, the student
// list, the "&Datei" menu and tool bar, the status line and leaving the
// program. The dialogs are scripted here; their Qt side has its own tests.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "app/data_file_commands.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "core/cp1252.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/modal_driver.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using test::ScriptedInteraction;
using test::TempDir;

// A Windows-1252 text written in UTF-8 here.
std::string Cp(const char* utf8) { return *core::Utf8ToCp1252(utf8); }

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    app::StartUp(state_, ui_, dir_.path());
    window_->ShowState();
  }

  QListWidget* List() { return window_->findChild<QListWidget*>(QStringLiteral("StudentList")); }

  QAction* MenuAction(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }

  // Writes a data file with one named student, as another session would.
  fs::path WriteDataFile(const std::string& name) {
    app::AppState other;
    ScriptedInteraction quiet;
    app::StartUp(other, quiet, dir_.path());
    auto& record = other.Data.Table.At(0);
    record.Surname = Cp("Müller");
    record.GivenNames = Cp("Jörg");
    const fs::path path = dir_ / name;
    quiet.ExpectSaveDialog(path).ExpectSavingWindow();
    EXPECT_TRUE(app::SaveDataAs(other, quiet));
    return path;
  }

  TempDir dir_;
  app::AppState state_;
  ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartUpState) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Tolka 3.1 für Windows"));
  EXPECT_EQ(window_->size(), QSize(755, 563));
  ASSERT_NE(List(), nullptr);
  ASSERT_EQ(List()->count(), 35);
  for (int row = 0; row < List()->count(); ++row) {
    EXPECT_EQ(List()->item(row)->text(), QStringLiteral("   - frei -")) << row;
  }
  EXPECT_EQ(List()->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("aktuelle (leere) Datei"));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowTest, DateiMenuHoldsTheFileCommands) {
  const QList<QAction*> menus = window_->menuBar()->actions();
  ASSERT_FALSE(menus.empty());
  ASSERT_NE(menus[0]->menu(), nullptr);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("&Datei"));
  QStringList captions;
  for (const QAction* action : menus[0]->menu()->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  EXPECT_EQ(captions,
            (QStringList{QStringLiteral("&Neu"), QStringLiteral("Ö&ffnen..."),
                         QStringLiteral("&Speichern"), QStringLiteral("Speichern &unter..."),
                         QStringLiteral("&Drucken..."), QStringLiteral("D&rucker einrichten..."),
                         QStringLiteral("&Beenden")}));
  EXPECT_EQ(MenuAction("FileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(MenuAction("FileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(MenuAction("FileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(MenuAction("FileSaveAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  EXPECT_EQ(MenuAction("FileExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
  EXPECT_EQ(MenuAction("FileSaveAs")->statusTip(),
            QStringLiteral("Aktuelle Datei unter neuem Namen speichern"));
}

TEST_F(MainWindowTest, ToolBarHintsAndTheModifiedBoxAtTheRightEnd) {
  const auto* bar = window_->findChild<QToolBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList hints;
  for (const QAction* action : bar->actions()) {
    if (!action->statusTip().isEmpty()) hints << action->statusTip();
  }
  EXPECT_EQ(hints, (QStringList{QStringLiteral("Neu"), QStringLiteral("Öffnen"),
                                QStringLiteral("Speichern"), QStringLiteral("Druckereinstellungen"),
                                QStringLiteral("Ausschneiden des aktuellen Schülerdatensatzes"),
                                QStringLiteral("Kopieren des aktuellen Schülerdatensatzes"),
                                QStringLiteral("Einfügen des Schülerdatensatzes"),
                                QStringLiteral("Inhalt der Hilfe"), QStringLiteral("Info"),
                                QStringLiteral("Beenden")}));
  EXPECT_EQ(bar->widgetForAction(bar->actions().last())->objectName(),
            QStringLiteral("ModifiedBox"));

  state_.Data.Modified = true;
  window_->ShowState();
  EXPECT_TRUE(window_->ModifiedBoxShown());
  state_.Data.Modified = false;
  window_->ShowState();
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowTest, HintsGoToFieldOneAndLeaveTheFileName) {
  QStatusTipEvent tip(QStringLiteral("Neue Datei erzeugen"));
  QApplication::sendEvent(window_.get(), &tip);
  EXPECT_EQ(window_->HintField(), QStringLiteral("Neue Datei erzeugen"));
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("aktuelle (leere) Datei"));
  QStatusTipEvent none{QString()};
  QApplication::sendEvent(window_.get(), &none);
  EXPECT_TRUE(window_->HintField().isEmpty());
}

TEST_F(MainWindowTest, CancelledSaveShowsTheFileName) {
  ui_.ExpectSaveDialog(std::nullopt);
  MenuAction("FileSave")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("VORLAGE.TLK"));
}

TEST_F(MainWindowTest, OpenListsTheStudentsOfTheFile) {
  const fs::path path = WriteDataFile("Jahrgang Süd.TLK");
  List()->setCurrentRow(7);
  EXPECT_EQ(window_->CurrentStudent(), 7);
  ui_.ExpectOpenDialog(path);
  MenuAction("FileOpen")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Müller, Jörg"));
  EXPECT_EQ(List()->item(1)->text(), QStringLiteral("   - frei -"));
  EXPECT_EQ(window_->CurrentStudent(), 0);
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("Jahrgang Süd.TLK"));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

// An I/O failure ends the command with its message in an error box; the
// data in memory stay as they were.
TEST_F(MainWindowTest, IoErrorIsShownAsAnErrorBox) {
  const fs::path short_file = dir_ / "KURZ.TLK";
  test::WriteAll(short_file, std::vector<uint8_t>(100, 0));
  state_.Data.Table.At(3).Surname = "Keller";
  window_->ShowState();
  ui_.ExpectOpenDialog(short_file).ExpectAsk(Icon::Error, "");
  MenuAction("FileOpen")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(List()->item(3)->text(), QStringLiteral("Keller, "));
  EXPECT_FALSE(fs::exists(dir_ / "KURZ.BAK"));
}

TEST_F(MainWindowTest, SaveAsWritesTheFileAndShowsItsName) {
  state_.Data.Table.At(0).Surname = Cp("Özdemir");
  state_.Data.Modified = true;
  window_->ShowState();
  EXPECT_TRUE(window_->ModifiedBoxShown());
  const fs::path path = dir_ / "JG2024.TLK";
  ui_.ExpectSaveDialog(path).ExpectSavingWindow();
  MenuAction("FileSaveAs")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("JG2024.TLK"));
  EXPECT_FALSE(window_->ModifiedBoxShown());
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Özdemir, "));
}

TEST_F(MainWindowTest, NewShowsTheFirstSlot) {
  List()->setCurrentRow(12);
  MenuAction("FileNew")->trigger();
  EXPECT_EQ(window_->CurrentStudent(), 0);
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(window_->FileNameField(), QStringLiteral("VORLAGE.TLK"));
}

// Closing by any means asks first; No keeps the program, Yes writes
// "Sicherung.DAT" and closes.
TEST_F(MainWindowTest, ClosingAsksAndWritesTheBackup) {
  window_->show();
  ui_.ExpectAsk(Icon::Confirmation, "Wollen Sie das Programm jetzt wirklich beenden?", Answer::No);
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(fs::exists(dir_ / "Sicherung.DAT"));

  state_.Data.Modified = true;
  ui_.ExpectAsk(Icon::Confirmation, "wirklich beenden", Answer::Yes)
      .ExpectAsk(Icon::Warning, Cp("Sollen die Änderungen gespeichert werden?"), Answer::No);
  MenuAction("FileExit")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(fs::exists(dir_ / "Sicherung.DAT"));
}

}  // namespace
}  // namespace tolka::ui

namespace tolka::ui {
namespace {

// The recovery timer writes the copy of modified data, but never while a
// modal dialog of a command is open (the command's state is half-way then).
TEST(MainWindowRecovery, TheTimerWritesTheCopyButNotWhileADialogIsOpen) {
  TempDir dir;
  app::AppState state;
  ScriptedInteraction ui;
  MainWindow window(state, &ui);
  app::StartUp(state, ui, dir.path());
  const fs::path copy = app::RecoveryCopyPath(dir.path());
  auto* timer = window.findChild<QTimer*>(QStringLiteral("RecoveryTimer"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_LE(timer->interval(), 120000);
  timer->setInterval(1);
  state.Data.Table.At(0).Surname = "Zwischenstand";
  state.Data.Modified = true;

  bool written_while_modal = true;
  QDialog dialog(&window);
  test::WhenModal<QDialog>([&](QDialog* shown) {
    // Ticks go by inside the dialog's event loop.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    written_while_modal = fs::exists(copy);
    shown->accept();
  });
  dialog.exec();
  EXPECT_FALSE(written_while_modal);

  QElapsedTimer waited;
  waited.start();
  while (!fs::exists(copy) && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  ASSERT_TRUE(fs::exists(copy));
  EXPECT_TRUE(ui.Done());
  app::RemoveRecoveryCopy(state, ui);
}

}  // namespace
}  // namespace tolka::ui
