// The common layout of the result windows: the student, the rows "Block I",
// "Block II", "Block III", "Gesamtpunktzahl:" and the grade row, one column
// of read-only fields per column of the `ResultTexts`, and the button that
// closes the window. The exam result window, the FHR result window and the
// recommendation window build on it.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "rules/rule_work_area.h"

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tolka::ui {

struct ResultGridColumn {
  QString Caption;  // the header above the column ("\n" breaks it)
  rules::ResultColumn Source = rules::kColumnCurrent;
  bool Grey = false;  // the grey fields of the best-case column
};

struct ResultGrid {
  QGridLayout* Layout = nullptr;
  QLineEdit* Student = nullptr;
  QLabel* GradeLabel = nullptr;
  std::vector<ResultGridColumn> Columns;
  // [column][row]: row 0..4 = Block I, Block II, Block III, total, grade.
  std::vector<std::array<QLineEdit*, 5>> Fields;
  int NextRow = 0;  // the first free row of `Layout`
};

// Builds the grid into `dialog` (which must not have a layout yet). Field
// object names: "<prefix><row>" with the prefixes "Current", "Projected",
// "Best" after the column's source.
ResultGrid BuildResultGrid(QDialog* dialog, const std::vector<ResultGridColumn>& columns);

// Appends the close button `caption` (accepts the dialog) below the grid.
void AddCloseButton(QDialog* dialog, ResultGrid& grid, const QString& caption);

// Shows the student and the texts of each column.
void FillResultGrid(ResultGrid& grid, const std::string& student, const rules::ResultTexts& texts);

// A field's look: black on white, or `grey` text on the button-face colour.
void SetFieldGreyed(QLineEdit* field, bool greyed);

// The grade labels.
inline const char* const kGradeLabel = "Durchschnittsnote: ";
inline const char* const kTheoreticalGradeLabel = "theoretische Durchschnittsnote: ";

}  // namespace tolka::ui
