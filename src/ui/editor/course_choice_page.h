// Page "Kurswahl und Prüfungen": the course rows "a:  LK1" .. "z2:", each with
// its label coloured from the row's `ExamSubject` and `AdvancedCourse` (red,
// blue, fuchsia, black), the subject box ("Fach") and the check boxes
// "Prüfung" and "LK" (headed "ZLK" from row c on); and the buttons
// "Projektkurse" and "Besondere Lernleistung", which only turn to that page.
#pragma once

#include <array>

#include "ui/editor/record_page.h"

class QPushButton;

namespace tolka::ui {

class ChoiceBox;
class TriStateBox;

class CourseChoicePage : public RecordPage {
  Q_OBJECT

 public:
  CourseChoicePage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

  QLabel* RowLabel(size_t row) const { return rows_[row].Label; }

 Q_SIGNALS:
  void ProjectCoursesRequested();  // "Projektkurse" (`Button18Click`)
  void SpecialWorkRequested();     // "Besondere Lernleistung" (`Button19Click`)

 private:
  struct Row {
    QLabel* Label = nullptr;
    ChoiceBox* Subject = nullptr;
    TriStateBox* Exam = nullptr;
    TriStateBox* Advanced = nullptr;
  };
  std::array<Row, app::kEditorCourseRows> rows_{};
};

}  // namespace tolka::ui
