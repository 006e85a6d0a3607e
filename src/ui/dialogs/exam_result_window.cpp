#include "ui/dialogs/exam_result_window.h"

#include <QLabel>
#include <QLineEdit>

#include "rules/check_report.h"
#include "ui/qt_text.h"

namespace tolka::ui {

ExamResultWindow::ExamResultWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TErgForm"));
  setModal(true);
  grid_ = BuildResultGrid(
      this, {{QStringLiteral("aktueller Stand"), rules::kColumnCurrent, false},
             {QStringLiteral("bestes - noch -\nerreichbares Ergebnis"), rules::kColumnBest, true}});
  AddCloseButton(this, grid_, QStringLiteral("OK"));
  resize(460, 300);
}

void ExamResultWindow::ShowResult(const std::string& title, const std::string& student,
                                  const rules::ResultTexts& texts, int current_block_three,
                                  int block_three_min) {
  setWindowTitle(FromCore(rules::kResultCaptionPrefix + title));
  FillResultGrid(grid_, student, texts);
  grade_greyed_ = current_block_three < block_three_min;
  grid_.GradeLabel->setText(FromCore(grade_greyed_ ? kTheoreticalGradeLabel : kGradeLabel));
  SetFieldGreyed(grid_.Fields[0][rules::kRowGrade], grade_greyed_);
}

}  // namespace tolka::ui

#include "moc_exam_result_window.cpp"
