// The menu "Drucken" of the main window: the certificate commands with
// their windows and prompts, the print preview with "Als PDF speichern ...",
// and printing directly to the chosen printer (here one set to write a PDF
// file, which shows what reached the paper).
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "print/print_settings.h"
#include "rules/pipeline_students.h"
#include "settings/exam_settings.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/dialogs/fhr_info_dialog.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/print_output.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using test::WhenModal;

// Answers the next sheet prompts in turn (true: OK, false: Abbrechen) and
// records their texts.
void AnswerPrompts(std::vector<bool> answers, std::vector<QString>* texts) {
  if (answers.empty()) return;
  WhenModal<QMessageBox>([answers, texts](QMessageBox* box) {
    texts->push_back(box->text());
    std::vector<bool> rest(answers.begin() + 1, answers.end());
    AnswerPrompts(rest, texts);
    box->done(answers.front() ? QMessageBox::Ok : QMessageBox::Cancel);
  });
}

int PdfPages(const fs::path& pdf) {
  std::ifstream in(pdf, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string bytes = buffer.str();
  int pages = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1)) {
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

class MainWindowPrintTest : public ::testing::Test {
 protected:
  MainWindowPrintTest() {
    QStandardPaths::setTestModeEnabled(true);
    state_.Catalogue = settings::BuiltInSubjectCatalogue();
    state_.Exam = settings::BuiltInExamSettings();
    state_.General.CertificatePrinting = 1;
    state_.General.Publisher = 0;
    print::ResetPrintSettings(state_.Print);
    state_.Print.PrintMode = 3;
    state_.Dirs = core::Directories::AllAt(temp_.path());
    state_.Data.Table =
        rules::testing::TableWith(state_.Catalogue, rules::testing::CleanStudent(state_.Catalogue));
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    window_->ShowState();
    window_->Printer().setOutputFormat(QPrinter::PdfFormat);
    window_->Printer().setOutputFileName(QString::fromStdString((temp_ / "papier.pdf").string()));
  }
  ~MainWindowPrintTest() override { window_->SetPreviewBeforePrinting(true); }

  QAction* Action(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }

  test::TempDir temp_;
  app::AppState state_;
  test::ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowPrintTest, TheMenuFollowsTheRulesMenuWithItsItems) {
  const QList<QAction*> menus = window_->menuBar()->actions();
  int rules = -1, print = -1;
  for (int i = 0; i < menus.size(); ++i) {
    if (menus[i]->text() == QStringLiteral("Prüfen und Berechnen")) rules = i;
    if (menus[i]->text() == QStringLiteral("Drucken")) print = i;
  }
  ASSERT_GE(rules, 0);
  EXPECT_EQ(print, rules + 1);
  EXPECT_EQ(Action("Abiturzeugnis1")->text(), QStringLiteral("Abiturzeugnis"));
  EXPECT_EQ(Action("N2und3Semester1")->text(), QStringLiteral("2. und 3. Semester"));
  QAction* preview = Action("SeitenansichtvordemDruck1");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isCheckable());
  EXPECT_TRUE(preview->isChecked());  // on by default
  preview->setChecked(false);
  EXPECT_FALSE(window_->PreviewBeforePrinting());
  MainWindow second(state_, &ui_);  // the setting outlives the window
  EXPECT_FALSE(second.PreviewBeforePrinting());
}

TEST_F(MainWindowPrintTest, DirectPrintingAsksBeforeEachSheetAndPrintsTheConfirmedOnes) {
  window_->SetPreviewBeforePrinting(false);
  ui_.ExpectAsk(core::Icon::Confirmation, "Abitur-Zeugnisdruck", core::Answer::Yes)
      .ExpectAsk(core::Icon::Information, "0TLK_ABS.FST");
  std::vector<QString> prompts;
  AnswerPrompts({true, false, true, true}, &prompts);
  Action("Abiturzeugnis1")->trigger();
  EXPECT_TRUE(ui_.Done());
  ASSERT_EQ(prompts.size(), 4u);
  EXPECT_TRUE(prompts[1].contains(QStringLiteral("Seite(n) 2 von 4")));
  EXPECT_TRUE(prompts[0].startsWith(QStringLiteral("Druck auf Formular: Vorlage für")));
  // One file for the command, with the three confirmed sheets.
  EXPECT_EQ(PdfPages(temp_ / "papier.pdf"), 3);
}

TEST_F(MainWindowPrintTest, ThePreviewShowsEverySheetAndSavesAPdf) {
  fs::copy_file(fs::path(TOLKA_EXAMPLE_TABLES_DIR) / "TLK_ABS.FST", temp_ / "0TLK_ABS.FST");
  ui_.ExpectAsk(core::Icon::Confirmation, "Abitur-Zeugnisdruck", core::Answer::Yes)
      .ExpectSaveDialog(temp_ / "Muster.pdf");
  int pages = -1;
  bool save_found = false;
  WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
    if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) pages = widget->pageCount();
    if (const char* keep = std::getenv("TOLKA_KEEP_PDF")) {
      dialog->resize(900, 700);
      dialog->grab().save(QString::fromLocal8Bit(keep) + QStringLiteral("/preview.png"));
    }
    if (auto* save = dialog->findChild<QAction*>(QStringLiteral("SavePdf"))) {
      save_found = save->text() == kSavePdfCaption;
      save->trigger();
    }
    dialog->reject();
  });
  Action("Abiturzeugnis1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(pages, 4);
  EXPECT_TRUE(save_found);
  EXPECT_EQ(PdfPages(temp_ / "Muster.pdf"), 4);
  // The saved file holds the form and the fields as text.
  const fs::path text = temp_ / "Muster.txt";
  ASSERT_EQ(
      std::system(
          ("pdftotext '" + (temp_ / "Muster.pdf").string() + "' '" + text.string() + "'").c_str()),
      0);
  std::ifstream in(text);
  std::stringstream words;
  words << in.rdbuf();
  EXPECT_NE(words.str().find("ZEUGNIS"), std::string::npos);
  EXPECT_NE(words.str().find("Anna Muster"), std::string::npos);
  EXPECT_NE(words.str().find("-12-"), std::string::npos);
  if (const char* keep = std::getenv("TOLKA_KEEP_PDF"))
    fs::copy_file(temp_ / "Muster.pdf", fs::path(keep) / "preview-saved.pdf",
                  fs::copy_options::overwrite_existing);
  EXPECT_FALSE(fs::exists(temp_ / "papier.pdf"));  // nothing went to the printer
}

TEST_F(MainWindowPrintTest, TheReportSheetsAndStatisticsAreInTheMenu) {
  EXPECT_EQ(Action("data-sheet")->text(), QStringLiteral("Schüler-Datenblatt"));
  EXPECT_EQ(Action("exam-result-sheet")->text(), QStringLiteral("Ergebnis Abiturverfahren"));
  EXPECT_EQ(Action("prerequisites-sheet")->text(),
            QStringLiteral("Voraussetzungen für Prüfungszulassung"));
  EXPECT_EQ(Action("extended-data-sheet"), nullptr);  // the button's only
  EXPECT_EQ(Action("Abiturstatistik1")->text(), QStringLiteral("Abiturstatistik"));
  auto* all = window_->findChild<QMenu*>(QStringLiteral("frALLE1"));
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->title(), QStringLiteral("für ALLE  (akt. Schüler bis Lücke)"));
  ASSERT_EQ(all->actions().size(), 10);
  EXPECT_EQ(all->actions()[1]->text(), QStringLiteral("Voraussetzung für Zulassung zur Prüfung"));
}

TEST_F(MainWindowPrintTest, TheDataSheetButtonAsksAndPrintsOnePage) {
  window_->SetPreviewBeforePrinting(false);
  ui_.ExpectAsk(core::Icon::Confirmation, "Datenblattes f", core::Answer::No);
  window_->findChild<QPushButton*>(QStringLiteral("Button6"))->click();
  EXPECT_TRUE(ui_.Done());
  EXPECT_FALSE(fs::exists(temp_ / "papier.pdf"));  // "No" prints nothing
  ui_.ExpectAsk(core::Icon::Confirmation, "Endergebnis der Abitur-Pr", core::Answer::Yes);
  window_->findChild<QPushButton*>(QStringLiteral("Button7"))->click();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(PdfPages(temp_ / "papier.pdf"), 1);
}

TEST_F(MainWindowPrintTest, ForAllPrintsUpToTheGapWithoutQuestion) {
  window_->SetPreviewBeforePrinting(false);
  for (size_t i = 1; i < 3; ++i) state_.Data.Table.At(i) = state_.Data.Table.At(0);
  state_.Data.Table.At(4) = state_.Data.Table.At(0);  // after the gap at 3
  window_->ShowState();
  Action("all_data-sheet")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(PdfPages(temp_ / "papier.pdf"), 3);
}

TEST_F(MainWindowPrintTest, ForAllOnAFreeSlotSaysSo) {
  window_->SetPreviewBeforePrinting(false);
  window_->findChild<QListWidget*>(QStringLiteral("StudentList"))->setCurrentRow(3);
  ui_.ExpectAsk(core::Icon::Information, "nichts gedruckt");
  Action("all_exam-result-sheet")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_FALSE(fs::exists(temp_ / "papier.pdf"));
}

TEST_F(MainWindowPrintTest, StatisticsPrintTwoPages) {
  window_->SetPreviewBeforePrinting(false);
  Action("Abiturstatistik1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(PdfPages(temp_ / "papier.pdf"), 2);
}

TEST_F(MainWindowPrintTest, WithoutPermissionOnlyTheMessage) {
  state_.General.CertificatePrinting = 0;
  ui_.ExpectAsk(core::Icon::Error, "nicht zum Zeugnisdruck berechtigt");
  Action("Abiturzeugnis1")->trigger();
  EXPECT_TRUE(ui_.Done());
}

TEST_F(MainWindowPrintTest, TheFhrWindowComesFirstAndAbbrechenStops) {
  WhenModal<FhrInfoDialog>([](FhrInfoDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("zusätzlich notwendige Informationen"));
    dialog->reject();
  });
  Action("N1und2Semester1")->trigger();
  EXPECT_TRUE(ui_.Log().empty());
  EXPECT_FALSE(fs::exists(temp_ / print::kFhrInfoFileName));
}

TEST_F(MainWindowPrintTest, TheFhrWindowsChoiceIsSavedAndPrinted) {
  window_->SetPreviewBeforePrinting(false);
  WhenModal<FhrInfoDialog>([](FhrInfoDialog* dialog) {
    dialog->findChild<QRadioButton*>(QStringLiteral("SchoolType2"))->setChecked(true);
    test::Type(dialog, "SchoolSubjectEdit", QStringLiteral("Gymnasium am See"));
    dialog->accept();
  });
  ui_.ExpectAsk(core::Icon::Confirmation, "Fachhochschulreife", core::Answer::Yes)
      .ExpectAsk(core::Icon::Information, "0TLK_FHR.FST");
  std::vector<QString> prompts;
  AnswerPrompts({true, true}, &prompts);
  Action("N1und2Semester1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_EQ(fs::file_size(temp_ / print::kFhrInfoFileName), 128u);
  EXPECT_EQ(PdfPages(temp_ / "papier.pdf"), 2);
}

}  // namespace
}  // namespace tolka::ui
