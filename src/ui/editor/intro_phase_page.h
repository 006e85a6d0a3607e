// Page "Einführungsphase": the 17 rows of the introductory phase in the areas
// "Pflichtbereich" (rows 0..8), "Wahlpflichtbereich" (9..12) and
// "Wahlbereich" (13..16), each with its subject (fixed, or chosen in a box
// for rows 4 and 9..16) and the marks of the half-years 11.1 and 11.2 (rows
// 1, 2, 5 and 6 have no second mark); below them the six flags.
#pragma once

#include <array>

#include "ui/editor/record_page.h"

namespace tolka::ui {

class ChoiceBox;
class FieldEdit;
class TriStateBox;

// The subject shown for a row without a subject box ("Deutsch", ...).
QString IntroFixedSubject(size_t row);

class IntroPhasePage : public RecordPage {
  Q_OBJECT

 public:
  IntroPhasePage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  struct Row {
    ChoiceBox* Subject = nullptr;  // rows with a subject box only
    FieldEdit* Mark1 = nullptr;
    FieldEdit* Mark2 = nullptr;  // rows with a second mark only
  };
  std::array<Row, core::kIntroPhaseRowCount> rows_{};
  TriStateBox* repeats_;
  TriStateBox* skipped_;
  TriStateBox* compensation_allowable_;
  TriStateBox* compensation_granted_;
  TriStateBox* promotable_;
  TriStateBox* promoted_by_conference_;
};

}  // namespace tolka::ui
