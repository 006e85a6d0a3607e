// The rules commands of the main window, each finish with its real window:
// the menu entries run their pipelines on the current student, the modal
// window that opens is inspected and closed from its own event loop.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextEdit>

#include "core/cp1252.h"
#include "core/record_texts.h"
#include "rules/pipeline_students.h"
#include "rules/pipelines.h"
#include "settings/exam_settings.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "ui/dialogs/check_report_window.h"
#include "ui/dialogs/exam_result_window.h"
#include "ui/dialogs/fhr_result_window.h"
#include "ui/dialogs/recommendation_window.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/rules_commands.h"

namespace tolka::ui {
namespace {

using rules::testing::CleanStudent;
using rules::testing::RowOf;
using rules::testing::TableWith;
using test::Child;
using test::WhenModal;

class MainWindowRulesTest : public ::testing::Test {
 protected:
  MainWindowRulesTest() {
    state_.Catalogue = settings::BuiltInSubjectCatalogue();
    state_.Exam = settings::BuiltInExamSettings();
    student_ = CleanStudent(state_.Catalogue);
  }

  void Place(size_t index = 2) {
    state_.Data.Table = TableWith(state_.Catalogue, student_, index);
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    window_->ShowState();
    index_ = index;
  }

  QAction* Action(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }

  // Runs the menu entry `name` on the student in slot 0 and hands the first
  // modal window of type T to `inspect` before closing it.
  template <typename T>
  bool Trigger(const char* name, std::function<void(T*)> inspect) {
    bool seen = false;
    WhenModal<T>([&seen, inspect](T* window) {
      seen = true;
      inspect(window);
      window->done(QDialog::Accepted);
    });
    QAction* action = Action(name);
    EXPECT_NE(action, nullptr) << name;
    if (action != nullptr) action->trigger();
    return seen;
  }

  core::StudentRecord& Stored() { return state_.Data.Table.At(0); }

  app::AppState state_;
  test::ScriptedInteraction ui_;
  core::StudentRecord student_;
  std::unique_ptr<MainWindow> window_;
  size_t index_ = 0;
};

QStringList MenuCaptions(QMenu* menu) {
  QStringList captions;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

TEST_F(MainWindowRulesTest, MenuHoldsEveryCommandInOrder) {
  Place(0);
  auto* menu = window_->findChild<QMenu*>(QStringLiteral("PrfenundBerechnen1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("Prüfen und Berechnen"));
  EXPECT_EQ(MenuCaptions(menu),
            (QStringList{
                QStringLiteral("Versetzung in Qualifikationsphase"), QStringLiteral("Kurseinwahl"),
                QStringLiteral("Voraussetzung für Prüfungszulassung"),
                QStringLiteral("Wahl der Prüfungsfächer"), QStringLiteral("Anmeldung zur Prüfung"),
                QStringLiteral("Hochrechnung"), QStringLiteral("Optimierung der Kursauswahl"),
                QStringLiteral("schulischer Teil der Fachhochschulreife"),
                QStringLiteral("Zulassung zur schriftlichen Prüfung"),
                QStringLiteral("Zulassung zur mündlichen Prüfung"),
                QStringLiteral("Empfehlungen zu den mündlichen Prüfungen"),
                QStringLiteral("Abiturergebnis")}));
  EXPECT_EQ(MenuCaptions(window_->findChild<QMenu*>(QStringLiteral("Hochrechnung1"))),
            (QStringList{QStringLiteral("mit 1. Semester"), QStringLiteral("mit 2. Semester"),
                         QStringLiteral("mit 3. Semester")}));
  EXPECT_EQ(MenuCaptions(window_->findChild<QMenu*>(
                QStringLiteral("schulischerTeilderFachhochschulreife1"))),
            (QStringList{
                QStringLiteral("mit 1.+ 2. Semester"), QStringLiteral("mit 2.+ 3. Semester"),
                QStringLiteral("mit 3.+ 4. Semester"), QStringLiteral("beste Variante suchen")}));
  auto* crediting =
      window_->findChild<QMenu*>(QStringLiteral("automatischesSetzenvonKursanrechnungen1"));
  ASSERT_NE(crediting, nullptr);
  EXPECT_EQ(crediting->title(), QStringLiteral("automatisches Setzen von Kursanrechnungen"));
  EXPECT_EQ(MenuCaptions(crediting),
            (QStringList{QStringLiteral("Leistungskurse"), QStringLiteral("Pflichtkurse"),
                         QStringLiteral("zurücknehmen")}));
  // The submenu belongs to "B&earbeiten".
  auto* edit = window_->findChild<QMenu*>(QStringLiteral("Bearbeiten1"));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->actions().contains(crediting->menuAction()));
}

TEST_F(MainWindowRulesTest, CleanCourseChoiceShowsTheSuccessMessage) {
  Place(0);
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  EXPECT_TRUE(Trigger<QMessageBox>("Kurseinwahl1", [&](QMessageBox* box) {
    text = box->text();
    icon = box->icon();
  }));
  EXPECT_EQ(text, QStringLiteral("Kurseinwahl von: Muster, Anna erfolgte fehler- und "
                                 "hinweisfrei!!!"));
  EXPECT_EQ(icon, QMessageBox::Information);
  // The course-choice command does not mark the data as changed.
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(MainWindowRulesTest, RegistrationMessageBreaksTheLineAfterThePrefix) {
  Place(0);
  QString text;
  EXPECT_TRUE(
      Trigger<QMessageBox>("AnmeldungzurPrfung1", [&](QMessageBox* box) { text = box->text(); }));
  EXPECT_EQ(text, QStringLiteral("Anmeldung zur Abitur-Prüfung von:\nMuster, Anna erfolgte "
                                 "fehler- und hinweisfrei!!!"));
  EXPECT_TRUE(state_.Data.Modified);  // "Anmeldung zur Prüfung" marks the data as changed
}

TEST_F(MainWindowRulesTest, FailingCourseChoiceShowsTheReport) {
  // Without Deutsch item 19 is raised (an error).
  const size_t row = RowOf(student_, *core::Utf8ToCp1252("Deutsch"));
  ASSERT_LT(row, core::kCourseRowCount);
  student_.CourseChoices[row].Subject = core::kNothingChosen;
  student_.CourseResults[row].SubjectCopy = core::kNothingChosen;
  Place(0);
  QString caption, name, verdict;
  QColor verdict_colour;
  std::vector<std::pair<QString, QColor>> lines;
  EXPECT_TRUE(Trigger<CheckReportWindow>("Kurseinwahl1", [&](CheckReportWindow* w) {
    caption = w->windowTitle();
    name = w->StudentText();
    verdict = w->VerdictText();
    verdict_colour = w->Verdict()->palette().color(QPalette::Text);
    for (QTextBlock b = w->Protocol()->document()->begin(); b.isValid(); b = b.next()) {
      lines.emplace_back(b.text(), b.begin().fragment().charFormat().foreground().color());
    }
  }));
  EXPECT_EQ(caption, QStringLiteral("Fehlerinformationen: Kurseinwahl-Test"));
  EXPECT_EQ(name, QStringLiteral("Muster, Anna"));
  EXPECT_EQ(verdict, QStringLiteral("Test nicht bestanden!"));
  EXPECT_EQ(verdict_colour, QColor(Qt::red));
  // Deutsch was an exam subject too: item 14 (a hint) comes first, in blue.
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].first, QStringLiteral("[14] Anzahl der ausgewählten Prüfungen"));
  EXPECT_EQ(lines[0].second, QColor(Qt::black));
  EXPECT_EQ(lines[1].first, QStringLiteral("  --->   für Abitur insgesamt noch zu gering"));
  EXPECT_EQ(lines[1].second, QColor(Qt::blue));
  EXPECT_EQ(lines[2].first, QStringLiteral("[19] Deutsch wurde"));
  EXPECT_EQ(lines[2].second, QColor(Qt::black));
  EXPECT_EQ(lines[3].first, QStringLiteral("  --->   nicht belegt"));
  EXPECT_EQ(lines[3].second, QColor(Qt::red));
}

TEST_F(MainWindowRulesTest, HintsOnlyPassWithHintsInBlue) {
  Place(0);
  rules::CheckResultList list;
  list.Note(29);  // a hint item
  const rules::CheckReport report = rules::BuildCheckReport(rules::BuildCheckItemTable(state_.Exam),
                                                            "Kurseinwahl-Test", Stored(), list);
  CheckReportWindow window;
  window.ShowReport(report);
  EXPECT_EQ(window.VerdictText(), QStringLiteral("Mit Hinweisen bestanden!"));
  EXPECT_EQ(window.Verdict()->palette().color(QPalette::Text), QColor(Qt::blue));
  const QTextBlock second = window.Protocol()->document()->begin().next();
  EXPECT_EQ(second.begin().fragment().charFormat().foreground().color(), QColor(Qt::blue));
}

TEST_F(MainWindowRulesTest, ExamResultShowsBothColumns) {
  Place(0);
  std::vector<QString> current;
  QString caption, grade_label;
  bool greyed = true;
  EXPECT_TRUE(Trigger<ExamResultWindow>("Abiturergebnis1", [&](ExamResultWindow* w) {
    caption = w->windowTitle();
    for (QLineEdit* f : w->Grid().Fields[0]) current.push_back(f->text());
    grade_label = w->Grid().GradeLabel->text();
    greyed = w->GradeGreyed();
    EXPECT_EQ(Child<QLineEdit>(w, "Best3")->text(), QStringLiteral(" - - -"));
    EXPECT_EQ(Child<QLabel>(w, "CurrentHeader")->text(), QStringLiteral("aktueller Stand"));
  }));
  EXPECT_EQ(caption, QStringLiteral("Ergebnis: Abitur-Ergebnisse"));
  EXPECT_EQ(current, (std::vector<QString>{QStringLiteral("202"), QStringLiteral("148"),
                                           QStringLiteral("210"), QStringLiteral("560"),
                                           QStringLiteral("2,3")}));
  EXPECT_EQ(grade_label, QStringLiteral("Durchschnittsnote: "));
  EXPECT_FALSE(greyed);
  EXPECT_TRUE(state_.Data.Modified);
}

TEST_F(MainWindowRulesTest, BlockThreeBelowTheMinimumGreysTheTheoreticalGrade) {
  // Before the exams: no exam marks, so the current Block III is 0.
  for (core::CourseResult& r : student_.CourseResults) {
    r.WrittenExamPoints = core::kNoPoints;
    r.OralExamPoints = core::kNoPoints;
  }
  Place(0);
  QString grade_label;
  bool greyed = false;
  QColor base, text;
  QString best_total;
  EXPECT_TRUE(Trigger<ExamResultWindow>("ZulassungzurPrfung1", [&](ExamResultWindow* w) {
    grade_label = w->Grid().GradeLabel->text();
    greyed = w->GradeGreyed();
    QLineEdit* grade = w->Grid().Fields[0][rules::kRowGrade];
    base = grade->palette().color(QPalette::Base);
    text = grade->palette().color(QPalette::Text);
    best_total = Child<QLineEdit>(w, "Best3")->text();
  }));
  EXPECT_EQ(grade_label, QStringLiteral("theoretische Durchschnittsnote: "));
  EXPECT_TRUE(greyed);
  EXPECT_NE(base, QColor(Qt::white));
  EXPECT_NE(text, QColor(Qt::black));
  EXPECT_NE(best_total, QStringLiteral(" - - -"));  // the best case is computed
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(MainWindowRulesTest, FhrShowsItsResultWindow) {
  Place(0);
  QString caption, header, block_three, grade_label;
  EXPECT_TRUE(Trigger<FhrResultWindow>("mit34Semester1", [&](FhrResultWindow* w) {
    caption = w->windowTitle();
    header = Child<QLabel>(w, "CurrentHeader")->text();
    block_three = Child<QLineEdit>(w, "Current2")->text();
    grade_label = w->Grid().GradeLabel->text();
  }));
  EXPECT_EQ(caption, QStringLiteral("Ergebnis: schul. Teil der FH-Reife 3.+ 4. Sem."));
  EXPECT_EQ(header, QStringLiteral("erreichte Punkte"));
  EXPECT_EQ(block_three, QStringLiteral(" - - -"));
  EXPECT_EQ(grade_label, QStringLiteral("Durchschnittsnote: "));
  EXPECT_EQ(window_->RulesState().FhrSemesterPair, 3);
  EXPECT_TRUE(state_.Data.Modified);
}

TEST_F(MainWindowRulesTest, NoValidFhrPairShowsTheWarning) {
  for (core::CourseResult& r : student_.CourseResults) r.SemesterPoints.fill(core::kNoPoints);
  Place(0);
  const auto before = core::EncodeStudentRecord(Stored());
  QString text, caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  EXPECT_TRUE(Trigger<QMessageBox>("besteVariantesuchen1", [&](QMessageBox* box) {
    text = box->text();
    caption = box->windowTitle();
    icon = box->icon();
  }));
  EXPECT_EQ(text, QStringLiteral("KEINE gültige Variante gefunden!"));
  EXPECT_EQ(caption, QStringLiteral("Schulischer Teil der Fachhochschulreife"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  // Nothing else changes.
  EXPECT_EQ(core::EncodeStudentRecord(Stored()), before);
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(MainWindowRulesTest, RecommendationWindowShowsSlotsAndColouredMessages) {
  Place(0);
  QString caption, first_subject;
  std::vector<std::pair<QString, QColor>> messages;
  bool has_projected = false;
  EXPECT_TRUE(Trigger<RecommendationWindow>(
      "EmpfehlungenzudenmndlichenPrfungen1", [&](RecommendationWindow* w) {
        caption = w->windowTitle();
        first_subject = Child<QLineEdit>(w, "ExamSubject1")->text();
        has_projected = w->findChild<QLineEdit*>(QStringLiteral("Projected3")) != nullptr;
        for (QLabel* l : w->Messages()) {
          messages.emplace_back(l->text(), l->palette().color(QPalette::WindowText));
        }
      }));
  EXPECT_EQ(caption, QStringLiteral("Ergebnis: Empfehlungen zu den mündlichen Prüfungen"));
  EXPECT_EQ(first_subject, QStringLiteral("Mathematik"));
  EXPECT_TRUE(has_projected);
  // Messages 3 and 4 are always set, in olive.
  ASSERT_GE(messages.size(), 2u);
  EXPECT_TRUE(messages[0].first.startsWith(QStringLiteral("Die Kalkulation")));
  EXPECT_EQ(messages[0].second, QColor(0x80, 0x80, 0x00));
}

TEST_F(MainWindowRulesTest, RecommendationMessagesWithPointsAndBold) {
  RecommendationView view;
  view.Title = "Empfehlungen";
  view.Student = "Muster, Anna";
  view.Texts = rules::EmptyResultTexts();
  view.Flags[18] = 7;
  view.Flags[20] = 4;
  RecommendationWindow window;
  window.ShowRecommendations(view, state_.Catalogue);
  ASSERT_EQ(window.Messages().size(), 2u);
  EXPECT_TRUE(window.Messages()[0]->text().endsWith(QStringLiteral("7 Punkten")));
  EXPECT_EQ(window.Messages()[0]->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0xFF));
  EXPECT_TRUE(window.Messages()[1]->font().bold());
  EXPECT_EQ(window.Messages()[1]->palette().color(QPalette::WindowText), QColor(Qt::red));
  // Shown again, the old messages go.
  view.Flags = {};
  window.ShowRecommendations(view, state_.Catalogue);
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(MainWindowRulesTest, ClearCreditsAsksThenMarksTheDataChanged) {
  Place(0);
  // No keeps every credit mark.
  ui_.ExpectAsk(core::Icon::Confirmation, "Sollen alle Kursanrechnungen von", core::Answer::No);
  window_->ClearCredits();
  EXPECT_FALSE(state_.Data.Modified);
  ui_.ExpectAsk(core::Icon::Confirmation, "Sollen alle Kursanrechnungen von", core::Answer::Yes);
  window_->ClearCredits();
  for (const core::CourseResult& r : Stored().CourseResults) {
    for (uint16_t c : r.Credited) EXPECT_EQ(c, 0);
  }
  EXPECT_TRUE(state_.Data.Modified);
  EXPECT_TRUE(window_->ModifiedBoxShown());
}

}  // namespace
}  // namespace tolka::ui
