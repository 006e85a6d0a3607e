// The FHR result window `TFHRErgForm` ("Ergebnis: " + the command title): the
// layout of the exam result window with the column "erreichte Punkte". The
// FHR commands fill Block I (basic-course part), Block II (advanced-course
// part), the total and the grade; Block III and the best-case column show
// " - - -". The grade label always reads "Durchschnittsnote: ".
#pragma once

#include <QDialog>
#include <string>

#include "rules/rule_work_area.h"
#include "ui/dialogs/result_grid.h"

namespace tolka::ui {

class FhrResultWindow : public QDialog {
  Q_OBJECT

 public:
  explicit FhrResultWindow(QWidget* parent = nullptr);

  void ShowResult(const std::string& title, const std::string& student,
                  const rules::ResultTexts& texts);

  const ResultGrid& Grid() const { return grid_; }

 private:
  ResultGrid grid_;
};

}  // namespace tolka::ui
