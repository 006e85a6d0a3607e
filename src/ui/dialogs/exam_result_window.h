// The exam result window `TErgForm` ("Ergebnis: " + the command title): the
// block sums, the total and the grade of the current state ("aktueller
// Stand") and, in grey fields, of the best still reachable state ("bestes -
// noch - erreichbares Ergebnis"), from the `ResultTexts`. While the current
// Block III lies below `BlockIIIMin` the grade is only theoretical: its label
// reads "theoretische Durchschnittsnote: " and its field is greyed.
#pragma once

#include <QDialog>
#include <string>

#include "rules/rule_work_area.h"
#include "ui/dialogs/result_grid.h"

namespace tolka::ui {

class ExamResultWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ExamResultWindow(QWidget* parent = nullptr);

  void ShowResult(const std::string& title, const std::string& student,
                  const rules::ResultTexts& texts, int current_block_three, int block_three_min);

  const ResultGrid& Grid() const { return grid_; }
  bool GradeGreyed() const { return grade_greyed_; }

 private:
  ResultGrid grid_;
  bool grade_greyed_ = false;
};

}  // namespace tolka::ui
