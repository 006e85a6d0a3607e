// The menu "B&earbeiten" of the main window with the program state behind it:
// cut, copy and paste of whole records (menu, tool buttons and the
// shortcuts of the student list), the sorts, "Schüler Suchen" and "Weiter
// Suchen", and the transfer into another data file. The dialogs are
// scripted; the shortcuts go through Qt's own key handling.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include "app/data_file_commands.h"
#include "app/record_commands.h"
#include "app/startup.h"
#include "core/cp1252.h"
#include "core/data_file_image.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using core::MatchKind;
using core::SearchField;
using core::SearchRequest;
using test::ScriptedInteraction;
using test::TempDir;

// A Windows-1252 text written in UTF-8 here.
std::string Cp(const char* utf8) { return *core::Utf8ToCp1252(utf8); }

const char* const kListFull =
    "Die Schülerliste ist voll.\rDer Schüler-Datensatz kann nicht eingefügt werden!";
const char* const kNoMatch = "Keine (weitere) Entsprechung gefunden!";
const char* const kAskAppend =
    "Sollen der aktuelle Schüler-Datensatz an die ausgewählte Datei angehängt werden?";
const QString kFree = QStringLiteral("   - frei -");

class MainWindowRecordsTest : public ::testing::Test {
 protected:
  MainWindowRecordsTest() {
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    app::StartUp(state_, ui_, dir_.path());
    window_->ShowState();
  }

  QListWidget* List() { return window_->findChild<QListWidget*>(QStringLiteral("StudentList")); }

  QAction* Action(const char* name) {
    auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }

  // Surnames into slots 0, 1, ... (given names stay empty), shown in the list.
  void Students(std::initializer_list<const char*> surnames) {
    size_t slot = 0;
    for (const char* surname : surnames) state_.Data.Table.At(slot++).Surname = Cp(surname);
    window_->ShowState();
  }

  // The first `count` lines of the list; "Name, " shows as "Name".
  QStringList Lines(int count) {
    QStringList lines;
    for (int row = 0; row < count; ++row) {
      QString line = List()->item(row)->text();
      if (line.endsWith(QStringLiteral(", "))) line.chop(2);
      lines << line;
    }
    return lines;
  }

  void Select(int row) {
    List()->setCurrentRow(row);
    ASSERT_EQ(window_->CurrentStudent(), row);
  }

  // Shown and active, so that Qt delivers shortcuts; the list has the focus.
  void ShowActive() {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    List()->setFocus();
    ASSERT_TRUE(List()->hasFocus());
  }

  // A data file with one student in slot 0, as another session wrote it.
  fs::path WriteTargetFile(const std::string& name) {
    app::AppState other;
    ScriptedInteraction quiet;
    app::StartUp(other, quiet, dir_.path());
    other.Data.Table.At(0).Surname = "Ziel";
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

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

TEST_F(MainWindowRecordsTest, BearbeitenMenuCaptionsAndShortcuts) {
  QStringList titles;
  for (const QAction* action : window_->menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("B&earbeiten"),
                                 QStringLiteral("Prüfen und Berechnen"), QStringLiteral("Drucken"),
                                 QStringLiteral("Werkzeuge"), QStringLiteral("Einstellungen"),
                                 QStringLiteral("&Hilfe")}));

  const auto* edit = window_->findChild<QMenu*>(QStringLiteral("Bearbeiten1"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(Captions(edit),
            (QStringList{QStringLiteral("Schülerdatensatz-&Ausschneiden"),
                         QStringLiteral("Schülerdatensatz-&Kopieren"),
                         QStringLiteral("Schülerdatensatz-&Einfügen"),
                         QStringLiteral("Schülerdatensatz in andere Datei exportieren"),
                         QStringLiteral("automatisches Setzen von Kursanrechnungen"),
                         QStringLiteral("Schüler zurückstufen")}));
  const auto* set_back = window_->findChild<QMenu*>(QStringLiteral("Zurueckstufen1"));
  ASSERT_NE(set_back, nullptr);
  EXPECT_EQ(Captions(set_back),
            (QStringList{QStringLiteral("Wiederholen der Einführungsphase"),
                         QStringLiteral("von 12.1 nach abgeschlossenen 11.1"),
                         QStringLiteral("von 12.2 nach abgeschlossenen 11.2"),
                         QStringLiteral("von 13.1 nach abgeschlossenen 12.1"),
                         QStringLiteral("von 13.2 nach abgeschlossenen 12.2")}));
  // The sorts and the search stand in "Werkzeuge", after the data exchange.
  const auto* tools = window_->findChild<QMenu*>(QStringLiteral("Werkzeuge1"));
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(Captions(tools),
            (QStringList{
                QStringLiteral("Export aller Daten ..."),
                QStringLiteral("Export der Abiturergebnisse ..."),
                QStringLiteral("Import von Personendaten ..."),
                QStringLiteral("Sortieren nach Namen"), QStringLiteral("Sortieren nach Kennummern"),
                QStringLiteral("Sortieren nach Klassen"), QStringLiteral("Schüler Suchen"),
                QStringLiteral("Weiter Suchen"), QStringLiteral("Drucker-Informationen")}));
  const auto* transfer = window_->findChild<QMenu*>(QStringLiteral("Exportieren1"));
  ASSERT_NE(transfer, nullptr);
  EXPECT_EQ(Captions(transfer), (QStringList{QStringLiteral("durch Kopieren..."),
                                             QStringLiteral("durch Ausschneiden...")}));

  // The record shortcuts belong to the student list; the search keys to the
  // whole window.
  for (const char* name : {"EditCut", "EditCopy", "EditPaste"}) {
    EXPECT_EQ(Action(name)->shortcutContext(), Qt::WidgetWithChildrenShortcut) << name;
    EXPECT_TRUE(List()->actions().contains(Action(name))) << name;
  }
  EXPECT_EQ(Action("EditCut")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
  EXPECT_EQ(Action("EditCopy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(Action("EditPaste")->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
  EXPECT_EQ(Action("SuchennachSchlerName1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
  EXPECT_EQ(Action("WeiterSuchen1")->shortcut(), QKeySequence(QStringLiteral("F3")));
  EXPECT_EQ(Action("WeiterSuchen1")->shortcutContext(), Qt::WindowShortcut);
}

// The clipboard is an initialised record from the first show on, and a
// later show keeps what was copied.
TEST_F(MainWindowRecordsTest, TheFirstShowInitialisesTheClipboard) {
  const auto initialised =
      core::InitialisedRecord(settings::IntroPhaseDefaultsOf(state_.Catalogue));
  EXPECT_NE(core::EncodeStudentRecord(state_.RecordList.Clipboard),
            core::EncodeStudentRecord(initialised));
  state_.RecordList.Search.Text = "alt";
  window_->show();
  EXPECT_EQ(core::EncodeStudentRecord(state_.RecordList.Clipboard),
            core::EncodeStudentRecord(initialised));
  EXPECT_TRUE(state_.RecordList.Search.Text.empty());

  Students({"Adler"});
  Action("EditCopy")->trigger();
  window_->hide();
  window_->show();
  EXPECT_EQ(state_.RecordList.Clipboard.Surname, "Adler");

  // Pasting before anything was copied inserts a free slot.
  Students({"Adler", "Bauer"});
  app::InitialiseRecordList(state_);
  Action("EditPaste")->trigger();
  EXPECT_EQ(Lines(3), (QStringList{kFree, QStringLiteral("Adler"), QStringLiteral("Bauer")}));
}

TEST_F(MainWindowRecordsTest, CutMovesTheFollowingRecordsUp) {
  Students({"Adler", "Bauer", "Cramer", "Dietz"});
  Select(1);
  Action("EditCut")->trigger();
  EXPECT_EQ(Lines(4), (QStringList{QStringLiteral("Adler"), QStringLiteral("Cramer"),
                                   QStringLiteral("Dietz"), kFree}));
  EXPECT_EQ(window_->CurrentStudent(), 1);
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_TRUE(window_->ModifiedBoxShown());
  EXPECT_EQ(state_.RecordList.Clipboard.Surname, "Bauer");
  EXPECT_TRUE(ui_.Done());
}

TEST_F(MainWindowRecordsTest, CopyAndPasteInsertAtTheCurrentStudent) {
  Students({"Adler", "Bauer", "Cramer"});
  Select(2);
  Action("EditCopy")->trigger();
  EXPECT_FALSE(window_->ModifiedBoxShown()) << "copy changes no record";
  Select(0);
  Action("EditPaste")->trigger();
  EXPECT_EQ(Lines(5), (QStringList{QStringLiteral("Cramer"), QStringLiteral("Adler"),
                                   QStringLiteral("Bauer"), QStringLiteral("Cramer"), kFree}));
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_TRUE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowRecordsTest, TheToolButtonsCopyAndPaste) {
  const auto* bar = window_->findChild<QToolBar*>();
  ASSERT_NE(bar, nullptr);
  for (const char* name : {"CutButton", "CopyButton", "PasteButton"}) {
    EXPECT_TRUE(bar->actions().contains(Action(name))) << name;
  }
  EXPECT_EQ(Action("CutButton")->statusTip(),
            QStringLiteral("Ausschneiden des aktuellen Schülerdatensatzes"));
  EXPECT_EQ(Action("PasteButton")->toolTip(), QStringLiteral("Einfügen des Schülerdatensatzes"));

  Students({"Adler", "Bauer"});
  Select(0);
  Action("CopyButton")->trigger();
  Select(1);
  Action("PasteButton")->trigger();
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), QStringLiteral("Adler"),
                                   QStringLiteral("Bauer")}));
  Action("CutButton")->trigger();
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), QStringLiteral("Bauer"), kFree}));
}

// Slot 34 holds a student: the paste is refused with the message, nothing
// moves and the spill slot keeps its record.
TEST_F(MainWindowRecordsTest, PasteIntoAFullListShowsTheMessageAndMovesNothing) {
  for (size_t slot = 0; slot < core::kListCount; ++slot) {
    state_.Data.Table.At(slot).Surname = "S" + std::to_string(slot);
  }
  state_.Data.Table.At(35).Surname = "Reserve";
  window_->ShowState();
  Select(10);
  Action("EditCopy")->trigger();
  const QStringList before = Lines(35);

  ui_.ExpectAsk(Icon::Information, Cp(kListFull));
  Action("EditPaste")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(Lines(35), before);
  EXPECT_EQ(state_.Data.Table.At(35).Surname, "Reserve");
  EXPECT_EQ(List()->currentRow(), 10);
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowRecordsTest, SortByNameSortsTheBlockFromTheCurrentStudent) {
  Students({"Zander", "Cramer", "Bauer", "Adler", "Dietz"});
  Select(1);
  Action("SortierennachNamen1")->trigger();
  EXPECT_EQ(Lines(6),
            (QStringList{QStringLiteral("Zander"), QStringLiteral("Adler"), QStringLiteral("Bauer"),
                         QStringLiteral("Cramer"), QStringLiteral("Dietz"), kFree}));
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_TRUE(window_->ModifiedBoxShown());

  // Already sorted: nothing exchanged, the flag stays clear.
  state_.Data.Modified = false;
  window_->SortByName();  // the button "Sortieren (Namen)"
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowRecordsTest, SortByStudentIdAndByClass) {
  Students({"Adler", "Bauer", "Cramer"});
  state_.Data.Table.At(0).StudentId = "9";
  state_.Data.Table.At(1).StudentId = "10";
  state_.Data.Table.At(2).StudentId = "11";
  Action("SortierennachKennummern1")->trigger();
  state_.Data.Table.At(0).StudentId = "11";
  state_.Data.Table.At(2).StudentId = "9";
  window_->ShowState();  // the commands store what the editor shows first
  Action("SortierennachKennummern1")->trigger();
  // Identification numbers compare as numbers: "9" before "10" before "11".
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Cramer"), QStringLiteral("Bauer"),
                                   QStringLiteral("Adler")}));

  state_.Data.Table.At(0).ClassName = "12c";
  state_.Data.Table.At(1).ClassName = "12A";
  state_.Data.Table.At(2).ClassName = "12b";
  window_->ShowState();
  Action("SortierennachKlassen1")->trigger();
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Bauer"), QStringLiteral("Adler"),
                                   QStringLiteral("Cramer")}));
}

TEST_F(MainWindowRecordsTest, SearchFindsAStudentOrSaysSo) {
  Students({"Adler", "Bauer", "Weber", "Dietz"});
  ui_.ExpectSearchDialog(SearchRequest{"Weber", SearchField::Surname, MatchKind::Whole});
  Action("SuchennachSchlerName1")->trigger();
  EXPECT_EQ(window_->CurrentStudent(), 2);
  EXPECT_EQ(List()->currentRow(), 2);

  ui_.ExpectSearchDialog(SearchRequest{"Weber", SearchField::GivenNames, MatchKind::Whole})
      .ExpectAsk(Icon::Information, kNoMatch);
  Action("SuchennachSchlerName1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(window_->CurrentStudent(), 2);
  EXPECT_EQ(List()->currentRow(), 2);
  EXPECT_TRUE(state_.RecordList.Search.Text.empty());
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

// "Weiter Suchen" goes on from the slot after the current student; with an
// empty search text it opens the dialog as "Schüler Suchen" does.
TEST_F(MainWindowRecordsTest, WeiterSuchenGoesOnOrOpensTheDialog) {
  Students({"Weber", "Bauer", "Webermann", "Dietz", "Weberling"});
  Select(1);
  ui_.ExpectSearchDialog(SearchRequest{"Weber", SearchField::Surname, MatchKind::Part});
  Action("WeiterSuchen1")->trigger();
  EXPECT_EQ(window_->CurrentStudent(), 2);

  window_->SearchNext();  // the button "Weiter Suchen"
  EXPECT_EQ(window_->CurrentStudent(), 4);
  // Past the last student it goes on from the top.
  ui_.ExpectAsk(Icon::Information, "am Anfang der Liste fortgesetzt");
  window_->SearchNext();
  EXPECT_EQ(window_->CurrentStudent(), 0);
  EXPECT_TRUE(ui_.Done());
  ui_.ExpectSearchDialog(SearchRequest{"Dietz", SearchField::Surname, MatchKind::Whole});
  Action("SuchennachSchlerName1")->trigger();
  ui_.ExpectAsk(Icon::Information, kNoMatch);
  window_->SearchNext();
  EXPECT_EQ(window_->CurrentStudent(), 3);
  EXPECT_TRUE(ui_.Done());

  ui_.ExpectSearchDialog(std::nullopt);
  window_->SearchNext();
  EXPECT_TRUE(ui_.Done());
  ASSERT_EQ(ui_.SearchRequests().size(), 3u);
  EXPECT_EQ(ui_.SearchRequests()[2].Text, "") << "the search text was emptied";
}

TEST_F(MainWindowRecordsTest, TransferByCopyingAppendsToTheTargetFile) {
  const fs::path target = WriteTargetFile("ZIEL.TLK");
  Students({"Adler", "Bauer"});
  Select(1);
  ui_.ExpectSaveDialog(target)
      .ExpectAsk(Icon::Information, Cp(kAskAppend), Answer::Yes)
      .ExpectSavingWindow()
      .ExpectAsk(core::Icon::Information, "wurde in die Datei");
  Action("durchKopieren1")->trigger();
  EXPECT_TRUE(ui_.Done());
  const auto table = core::DecodeTable(app::ReadDataFileBlock(target));
  EXPECT_EQ(table.At(0).Surname, "Ziel");
  EXPECT_EQ(table.At(1).Surname, "Bauer");
  EXPECT_EQ(Lines(2), (QStringList{QStringLiteral("Adler"), QStringLiteral("Bauer")}));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowRecordsTest, TransferByCuttingFreesTheCurrentSlot) {
  const fs::path target = WriteTargetFile("ZIEL.TLK");
  Students({"Adler", "Bauer", "Cramer"});
  Select(1);
  ui_.ExpectSaveDialog(target)
      .ExpectAsk(Icon::Information, Cp(kAskAppend), Answer::Yes)
      .ExpectSavingWindow()
      .ExpectAsk(core::Icon::Information, "wurde in die Datei");
  Action("durchAusschneiden1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(core::DecodeTable(app::ReadDataFileBlock(target)).At(1).Surname, "Bauer");
  // The following records do not move up.
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), kFree, QStringLiteral("Cramer")}));
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_TRUE(window_->ModifiedBoxShown());
}

// A target shorter than a data file: the read fails, the message is shown
// once, and the current record stays.
TEST_F(MainWindowRecordsTest, AnIoErrorOfTheTransferIsShownAndChangesNothing) {
  const fs::path target = dir_ / "KURZ.TLK";
  test::WriteAll(target, std::vector<uint8_t>(100, 0));
  Students({"Adler", "Bauer"});
  Select(1);
  ui_.ExpectSaveDialog(target)
      .ExpectAsk(Icon::Information, Cp(kAskAppend), Answer::Yes)
      .ExpectAsk(Icon::Error, "");
  Action("durchAusschneiden1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(ui_.Log().size(), 3u);
  EXPECT_EQ(Lines(2), (QStringList{QStringLiteral("Adler"), QStringLiteral("Bauer")}));
  EXPECT_EQ(test::ReadAll(target), std::vector<uint8_t>(100, 0));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

// --- Shortcuts ---------------------------------------------------------------

TEST_F(MainWindowRecordsTest, CtrlXCAndVInTheListMoveRecords) {
  Students({"Adler", "Bauer", "Cramer"});
  ShowActive();
  Select(1);
  QTest::keyClick(List(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), QStringLiteral("Cramer"), kFree}));
  EXPECT_EQ(state_.RecordList.Clipboard.Surname, "Bauer");

  Select(0);
  QTest::keyClick(List(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Bauer"), QStringLiteral("Adler"),
                                   QStringLiteral("Cramer")}));

  Select(2);
  QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(state_.RecordList.Clipboard.Surname, "Cramer");
}

// Outside the list the record shortcuts do nothing: a check box lets them
// pass, an edit box keeps its own cut and paste of text.
TEST_F(MainWindowRecordsTest, TheRecordShortcutsAreNotTriggeredFromAnotherWidget) {
  Students({"Adler", "Bauer"});
  auto* check = new QCheckBox(QStringLiteral("Prüfung"), window_->centralWidget());
  auto* edit = new QLineEdit(QStringLiteral("Probe"), window_->centralWidget());
  window_->centralWidget()->layout()->addWidget(check);
  window_->centralWidget()->layout()->addWidget(edit);
  ShowActive();
  Select(0);
  Action("EditCopy")->trigger();

  check->setFocus();
  ASSERT_TRUE(check->hasFocus());
  QTest::keyClick(check, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), QStringLiteral("Bauer"), kFree}));
  EXPECT_FALSE(window_->ModifiedBoxShown());

  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QString());
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("Probe"));
  EXPECT_EQ(Lines(3), (QStringList{QStringLiteral("Adler"), QStringLiteral("Bauer"), kFree}));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowRecordsTest, F3AndCtrlFOpenTheSearchDialog) {
  Students({"Adler", "Bauer"});
  auto* edit = new QLineEdit(window_->centralWidget());
  window_->centralWidget()->layout()->addWidget(edit);
  ShowActive();
  // F3 with an empty search text, from the list.
  ui_.ExpectSearchDialog(std::nullopt);
  QTest::keyClick(List(), Qt::Key_F3);
  EXPECT_TRUE(ui_.Done());

  // Ctrl+F from anywhere in the window.
  edit->setFocus();
  ui_.ExpectSearchDialog(SearchRequest{"Bauer", SearchField::Surname, MatchKind::Whole});
  QTest::keyClick(edit, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(window_->CurrentStudent(), 1);
}

}  // namespace
}  // namespace tolka::ui
