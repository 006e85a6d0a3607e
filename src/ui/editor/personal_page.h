// Page "Personendaten": "Kenn-Nummer:", "Anrede", "Name:", "Vorname(n):",
// "Geburtsdatum:", "Geburtsort:", "wohnhaft in:", "Klasse/Kurs:", "TutorIn:"
// and "gewählter Religionsunterricht:".
#pragma once

#include "ui/editor/record_page.h"

namespace tolka::ui {

class ChoiceBox;
class FieldEdit;
class RadioGroup;

class PersonalPage : public RecordPage {
  Q_OBJECT

 public:
  PersonalPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  FieldEdit* student_id_;
  RadioGroup* salutation_;
  FieldEdit* surname_;
  FieldEdit* given_names_;
  FieldEdit* birth_date_;
  FieldEdit* birth_place_;
  FieldEdit* residence_;
  ChoiceBox* class_name_;
  ChoiceBox* tutor_;
  ChoiceBox* religion_;
};

}  // namespace tolka::ui
