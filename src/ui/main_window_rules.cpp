// The rules commands of the main window: the menu "Prüfen und Berechnen",
// the submenu "automatisches Setzen von Kursanrechnungen" of "B&earbeiten",
// and the functions the check buttons call.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/record_commands.h"
#include "ui/editor/record_editor.h"
#include "ui/main_window.h"
#include "ui/rules_commands.h"

namespace tolka::ui {

namespace {

struct RulesMenuEntry {
  const char* Name;     // the action's object name (the handler's name)
  const char* Caption;  // UTF-8
  const char* Id;       // the pipeline
};

}  // namespace

void MainWindow::RunRulesPipeline(const char* id) {
  // The command checks what the user sees: typing is transferred first.
  editor_->TransferIntoRecord();
  // On enciphered data a check would compute on cipher bytes and write marks
  // into them.
  if (app::RefusedWhileEnciphered(state_, *interaction_)) {
    ShowState();
    return;
  }
  RunRulesCommand(this, state_, rules_state_, static_cast<size_t>(current_student_), id,
                  [this]() { ShowState(); });
  ShowState();
}

void MainWindow::CreateRulesMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Prüfen und Berechnen"));
  menu->setObjectName(QStringLiteral("PrfenundBerechnen1"));
  const auto add = [this](QMenu* into, const RulesMenuEntry& entry) {
    QAction* action = into->addAction(QString::fromUtf8(entry.Caption));
    action->setObjectName(QString::fromLatin1(entry.Name));
    const char* id = entry.Id;
    connect(action, &QAction::triggered, this, [this, id]() { RunRulesPipeline(id); });
  };
  add(menu, {"V1", "Versetzung in Qualifikationsphase", "promotion"});
  menu->addSeparator();
  add(menu, {"Kurseinwahl1", "Kurseinwahl", "course-choice"});
  add(menu, {"VoraussetzungzurZulassung1", "Voraussetzung für Prüfungszulassung", "prerequisites"});
  add(menu, {"WahlderPrfungsfcher1", "Wahl der Prüfungsfächer", "exam-subjects"});
  add(menu, {"AnmeldungzurPrfung1", "Anmeldung zur Prüfung", "registration"});
  QMenu* projection = menu->addMenu(QStringLiteral("Hochrechnung"));
  projection->setObjectName(QStringLiteral("Hochrechnung1"));
  add(projection, {"mit1Semester1", "mit 1. Semester", "projection-1"});
  add(projection, {"mit2Semester1", "mit 2. Semester", "projection-2"});
  add(projection, {"mit3Semester1", "mit 3. Semester", "projection-3"});
  add(menu, {"OptimierungderKursauswahl1", "Optimierung der Kursauswahl", "optimise"});
  QMenu* fhr = menu->addMenu(QStringLiteral("schulischer Teil der Fachhochschulreife"));
  fhr->setObjectName(QStringLiteral("schulischerTeilderFachhochschulreife1"));
  add(fhr, {"mit12Semester1", "mit 1.+ 2. Semester", "fhr-1"});
  add(fhr, {"mit23Semester1", "mit 2.+ 3. Semester", "fhr-2"});
  add(fhr, {"mit34Semester1", "mit 3.+ 4. Semester", "fhr-3"});
  fhr->addSeparator();
  add(fhr, {"besteVariantesuchen1", "beste Variante suchen", "fhr-best"});
  menu->addSeparator();
  add(menu, {"ZulassungzurPrfung1", "Zulassung zur schriftlichen Prüfung", "written-admission"});
  add(menu, {"ZulassungzurmndlichenPrfung1", "Zulassung zur mündlichen Prüfung", "oral-admission"});
  add(menu, {"EmpfehlungenzudenmndlichenPrfungen1", "Empfehlungen zu den mündlichen Prüfungen",
             "recommendations"});
  menu->addSeparator();
  add(menu, {"Abiturergebnis1", "Abiturergebnis", "exam-result"});
}

void MainWindow::AddCreditingMenu(QMenu* edit) {
  QMenu* crediting = edit->addMenu(QStringLiteral("automatisches Setzen von Kursanrechnungen"));
  crediting->setObjectName(QStringLiteral("automatischesSetzenvonKursanrechnungen1"));
  const auto add = [this, crediting](const char* name, const QString& caption,
                                     void (MainWindow::*handler)()) {
    QAction* action = crediting->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
  };
  add("Leistungskurse1", QStringLiteral("Leistungskurse"), &MainWindow::CreditAdvancedCourses);
  add("Pflichtkurse1", QStringLiteral("Pflichtkurse"), &MainWindow::CreditCompulsoryCourses);
  crediting->addSeparator();
  add("zurcknehmen1", QStringLiteral("zurücknehmen"), &MainWindow::ClearCredits);
}

void MainWindow::CheckPromotion() { RunRulesPipeline("promotion"); }
void MainWindow::CheckCourseChoice() { RunRulesPipeline("course-choice"); }
void MainWindow::CheckPrerequisites() { RunRulesPipeline("prerequisites"); }
void MainWindow::CheckExamSubjects() { RunRulesPipeline("exam-subjects"); }
void MainWindow::CheckRegistration() { RunRulesPipeline("registration"); }

void MainWindow::Project(int semester) {
  static const char* const kIds[] = {"projection-1", "projection-2", "projection-3"};
  if (semester >= 1 && semester <= 3) RunRulesPipeline(kIds[semester - 1]);
}

void MainWindow::OptimiseCourses() { RunRulesPipeline("optimise"); }

void MainWindow::ComputeFhr(int pair) {
  static const char* const kIds[] = {"fhr-1", "fhr-2", "fhr-3"};
  if (pair >= 1 && pair <= 3) RunRulesPipeline(kIds[pair - 1]);
}

void MainWindow::FindBestFhr() { RunRulesPipeline("fhr-best"); }
void MainWindow::CheckWrittenAdmission() { RunRulesPipeline("written-admission"); }
void MainWindow::CheckOralAdmission() { RunRulesPipeline("oral-admission"); }
void MainWindow::Recommend() { RunRulesPipeline("recommendations"); }
void MainWindow::ComputeExamResult() { RunRulesPipeline("exam-result"); }
void MainWindow::CreditAdvancedCourses() { RunRulesPipeline("credit-advanced"); }
void MainWindow::CreditCompulsoryCourses() { RunRulesPipeline("credit-compulsory"); }
void MainWindow::ClearCredits() {
  // Every credit mark of the student goes: asked first.
  editor_->TransferIntoRecord();
  if (!state_.Data.ShownEnciphered &&
      !app::ConfirmClearCredits(state_, *interaction_, static_cast<size_t>(current_student_))) {
    ShowState();
    return;
  }
  RunRulesPipeline("clear-credits");
}

}  // namespace tolka::ui
