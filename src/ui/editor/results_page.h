// Page "Bewertung und Auswahl": one row per course, captioned with the row's
// `SubjectCopy` in the colour of its course row; per semester "Sem.1" ..
// "Sem.4" the points and the credit check box right of them, then the exam
// points "schr." and "mdl." and the check box "Komp.".
#pragma once

#include <array>

#include "ui/editor/record_page.h"

namespace tolka::ui {

class FieldEdit;
class TriStateBox;

class ResultsPage : public RecordPage {
  Q_OBJECT

 public:
  ResultsPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

  QLabel* RowCaption(size_t row) const { return rows_[row].Caption; }

 private:
  struct Row {
    QLabel* Caption = nullptr;
    std::array<FieldEdit*, core::kSemesterCount> Points{};
    std::array<TriStateBox*, core::kSemesterCount> Credited{};
    FieldEdit* Written = nullptr;
    FieldEdit* Oral = nullptr;
    TriStateBox* Competence = nullptr;
  };
  std::array<Row, app::kEditorCourseRows> rows_{};
};

}  // namespace tolka::ui
