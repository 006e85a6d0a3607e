// The data-exchange items of the menu "Werkzeuge" in the main window, the
// question before the import with its button "Spaltenzuordnung ...", and the
// window of IMPORT.CFG.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <fstream>

#include "app/startup.h"
#include "core/cp1252.h"
#include "exchange/exchange_commands.h"
#include "exchange/import_config.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/dialogs/import_config_window.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/qt_interaction.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using ImportAnswer = core::Interaction::ImportAnswer;
using test::ScriptedInteraction;
using test::TempDir;

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class MainWindowExchangeTest : public ::testing::Test {
 protected:
  MainWindowExchangeTest() {
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
  QString Line(int row) { return List()->item(row)->text(); }

  TempDir dir_;
  app::AppState state_;
  ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowExchangeTest, ThreeItemsOpenTheMenuWerkzeuge) {
  QMenu* tools = window_->findChild<QMenu*>(QStringLiteral("Werkzeuge1"));
  ASSERT_NE(tools, nullptr);
  const QList<QAction*> actions = tools->actions();
  ASSERT_GE(actions.size(), 5);
  EXPECT_EQ(actions[0]->text(), QStringLiteral("Export aller Daten ..."));
  EXPECT_EQ(actions[0]->objectName(), QStringLiteral("Export1"));
  EXPECT_EQ(actions[1]->text(), QStringLiteral("Export der Abiturergebnisse ..."));
  EXPECT_EQ(actions[2]->text(), QStringLiteral("Import von Personendaten ..."));
  EXPECT_TRUE(actions[3]->isSeparator());
  EXPECT_EQ(actions[4]->text(), QStringLiteral("Sortieren nach Namen"));
}

TEST_F(MainWindowExchangeTest, ImportRebuildsTheListAndShowsTheCurrentStudent) {
  List()->setCurrentRow(2);
  ASSERT_EQ(window_->CurrentStudent(), 2);
  // A spreadsheet's UTF-8 file with the byte-order mark.
  const fs::path input = dir_ / "klasse.csv";
  WriteBytes(input, "\xEF\xBB\xBFM\xC3\xBCller;J\xC3\xBCrgen\r\n\xC3\x96zdemir;Ayla\r\n");
  ui_.ExpectOpenDialog(input).ExpectImportQuestion(ImportAnswer::Yes);
  Action("Import1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(Line(2), QStringLiteral("Müller, Jürgen"));
  EXPECT_EQ(Line(3), QStringLiteral("Özdemir, Ayla"));
  EXPECT_EQ(window_->CurrentStudent(), 2);
  EXPECT_EQ(List()->currentRow(), 2);
  EXPECT_EQ(test::Child<QLineEdit>(window_.get(), "Surname")->text(), QStringLiteral("Müller"));
  EXPECT_TRUE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowExchangeTest, RefusedImportShowsTheErrorAndKeepsTheList) {
  const fs::path input = dir_ / "klasse.csv";
  WriteBytes(input, "A;a;99.99.2007\r\n");
  ui_.ExpectOpenDialog(input)
      .ExpectImportQuestion(ImportAnswer::Yes)
      .ExpectAsk(core::Icon::Error, "Zeile 1, Spalte 3:");
  Action("Import1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(Line(0), QStringLiteral("   - frei -"));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

TEST_F(MainWindowExchangeTest, ExportsWriteTheirFiles) {
  state_.Data.Table.At(0).Surname = "Adler";
  window_->ShowState();  // the commands store what the editor shows first
  ui_.ExpectSaveDialog(dir_ / "alle.txt").ExpectSavingWindow();
  Action("Export1")->trigger();
  ui_.ExpectSaveDialog(dir_ / "ergebnis.txt").ExpectSavingWindow();
  Action("ExportAbiturergebnisse1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(ReadBytes(dir_ / "alle.txt").substr(0, 11), "1;???;Adler");
  EXPECT_EQ(ReadBytes(dir_ / "ergebnis.txt").substr(0, 9), "Adler, ;m");
  // An export failure is shown, not thrown: a directory as target.
  fs::create_directory(dir_ / "ordner.txt");
  ui_.ExpectSaveDialog(dir_ / "ordner.txt")
      .ExpectAsk(core::Icon::Information, "angeh", core::Answer::Yes)
      .ExpectAsk(core::Icon::Error, "");
  Action("Export1")->trigger();
  EXPECT_TRUE(ui_.Done());
}

// The real question box of the desktop program.
TEST(ImportQuestion, FourButtons) {
  QWidget parent;
  QtInteraction qt(&parent);
  const auto answer_after = [&qt](std::function<void(QMessageBox*)> press) {
    test::WhenModal<QMessageBox>(press);
    return qt.AskBeforeImport(exchange::kAskImport);
  };
  EXPECT_EQ(answer_after([](QMessageBox* box) {
              EXPECT_EQ(box->icon(), QMessageBox::Warning);
              EXPECT_TRUE(
                  box->text().startsWith(QStringLiteral("Importierte Datensätze werden ab\n"
                                                        "der aktuellen Schüler-Position")));
              test::Click(box, "ImportColumnsButton");
            }),
            ImportAnswer::EditColumns);
  EXPECT_EQ(answer_after([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }),
            ImportAnswer::Yes);
  EXPECT_EQ(answer_after([](QMessageBox* box) { box->button(QMessageBox::No)->click(); }),
            ImportAnswer::No);
  EXPECT_EQ(answer_after([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); }),
            ImportAnswer::Cancel);
}

TEST(ImportConfigWindowTest, ShowsTheBuiltInConfigurationAndSavesTheFile) {
  TempDir dir;
  QWidget parent;
  ImportConfigWindow window(&parent);
  test::WhenModal<ImportConfigWindow>([](ImportConfigWindow* w) {
    EXPECT_EQ(w->FieldBox(1)->currentText(), QStringLiteral("Name"));
    EXPECT_EQ(w->FieldBox(7)->currentText(), QStringLiteral("wohnhaft in (ergänzend)"));
    EXPECT_EQ(w->FieldBox(9)->currentData().toInt(), 0);
    EXPECT_FALSE(w->JoinEdit(3)->isEnabled());  // the birth date takes no join text
    EXPECT_TRUE(w->JoinEdit(2)->isEnabled());
    w->FieldBox(1)->setCurrentIndex(w->FieldBox(1)->findData(2));  // column 1: given names
    w->JoinEdit(1)->setText(QStringLiteral("++"));
    w->FieldBox(2)->setCurrentIndex(w->FieldBox(2)->findData(1));
    w->FieldBox(12)->setCurrentIndex(w->FieldBox(12)->findData(8));
    w->JoinEdit(12)->setText(QStringLiteral("/"));
    test::Click(w, "SaveButton");
  });
  EXPECT_TRUE(window.Run(dir.path()));
  const std::string bytes = ReadBytes(dir / "IMPORT.CFG");
  ASSERT_EQ(bytes.size(), 126u);
  EXPECT_EQ(bytes.substr(6, 6), std::string("\x02\x00\x02++\x00", 6));
  EXPECT_EQ(bytes.substr(12, 3), std::string("\x01\x00\x00", 3));
  EXPECT_EQ(bytes.substr(18, 4), std::string("\x03\x00\x02:", 4));  // entry 3 keeps ": "
  EXPECT_EQ(bytes.substr(72, 4), std::string("\x08\x00\x01/", 4));

  // Opened again, the window shows the file.
  test::WhenModal<ImportConfigWindow>([](ImportConfigWindow* w) {
    EXPECT_EQ(w->FieldBox(1)->currentText(), QStringLiteral("Vorname(n)"));
    EXPECT_EQ(w->JoinEdit(1)->text(), QStringLiteral("++"));
    EXPECT_EQ(w->JoinEdit(12)->text(), QStringLiteral("/"));
    test::Click(w, "CancelButton");
  });
  EXPECT_FALSE(window.Run(dir.path()));
}

TEST(ImportConfigWindowTest, AConfigurationThatFeedsNothingIsNotSaved) {
  TempDir dir;
  QWidget parent;
  ImportConfigWindow window(&parent);
  test::WhenModal<ImportConfigWindow>([](ImportConfigWindow* w) {
    for (size_t column = 1; column <= 20; ++column) w->FieldBox(column)->setCurrentIndex(0);
    test::WhenModal<QMessageBox>([w](QMessageBox* box) {
      EXPECT_TRUE(box->text().contains(QStringLiteral("keiner Spalte ein Feld")));
      box->button(QMessageBox::Ok)->click();
      // The window stays open; the user gives up.
      test::WhenModal<ImportConfigWindow>(
          [](ImportConfigWindow* again) { test::Click(again, "CancelButton"); });
      (void)w;
    });
    test::Click(w, "SaveButton");
  });
  EXPECT_FALSE(window.Run(dir.path()));
  EXPECT_FALSE(fs::exists(dir / "IMPORT.CFG"));
}

TEST(ImportConfigWindowTest, BuiltInButtonRestoresTheColumns) {
  TempDir dir;
  exchange::ImportConfig config;
  config.Entries[1].FieldCode = 2;
  config.Entries[4].FieldCode = 300;  // unknown: shown and kept as its number
  exchange::SaveImportConfig(dir.path(), config);
  QWidget parent;
  ImportConfigWindow window(&parent);
  test::WhenModal<ImportConfigWindow>([](ImportConfigWindow* w) {
    EXPECT_EQ(w->FieldBox(4)->currentText(), QStringLiteral("Code 300 (Spalte überspringen)"));
    test::Click(w, "BuiltInButton");
    EXPECT_EQ(w->FieldBox(1)->currentText(), QStringLiteral("Name"));
    EXPECT_EQ(w->FieldBox(4)->currentText(), QStringLiteral("Geburtsort"));
    if (const char* shots = std::getenv("TOLKA_SCREENSHOT_DIR")) {
      w->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/import_cfg_window.png"));
    }
    test::Click(w, "SaveButton");
  });
  EXPECT_TRUE(window.Run(dir.path()));
  EXPECT_EQ(exchange::LoadImportConfig(dir.path()).Config.Column(8).FieldCode, 8);
}

TEST(ImportConfigWindowTest, ADamagedFileIsReportedAndReplacedOnSave) {
  TempDir dir;
  WriteBytes(dir / "IMPORT.CFG", std::string("\x02\x00\x00", 3));  // ends inside an entry
  QWidget parent;
  ImportConfigWindow window(&parent);
  test::WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_TRUE(box->text().contains(QStringLiteral("falsche Größe")));
    box->button(QMessageBox::Ok)->click();
    test::WhenModal<ImportConfigWindow>([](ImportConfigWindow* w) {
      EXPECT_EQ(w->FieldBox(1)->currentText(), QStringLiteral("Name"));  // the built-in one
      test::Click(w, "SaveButton");
    });
  });
  EXPECT_TRUE(window.Run(dir.path()));
  EXPECT_EQ(ReadBytes(dir / "IMPORT.CFG").size(), 126u);
}

}  // namespace
}  // namespace tolka::ui
