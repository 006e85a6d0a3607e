// Page "Projektkurse": "Kursbezeichnung:" of the project courses of
// semesters 1, 2 and 3 (the fourth entry is kept but not shown) and
// "mindestens 2 Kurse für "Besondere Lernleistung" enthalten".
#pragma once

#include <array>

#include "ui/editor/record_page.h"

namespace tolka::ui {

class ChoiceBox;
class TriStateBox;

class ProjectCoursesPage : public RecordPage {
  Q_OBJECT

 public:
  ProjectCoursesPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  std::array<ChoiceBox*, app::kEditorProjectCourses> courses_{};
  TriStateBox* hold_special_work_;
};

}  // namespace tolka::ui
