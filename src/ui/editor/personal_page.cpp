#include "ui/editor/personal_page.h"

#include <QFormLayout>
#include <QLabel>

#include "app/input_limits.h"
#include "ui/editor/editor_fields.h"

namespace tolka::ui {

namespace W = app::input_width;

PersonalPage::PersonalPage(QWidget* parent, InputNotices* notices) : RecordPage(parent) {
  setObjectName(QStringLiteral("PersonalPage"));
  student_id_ = TextField(this, "StudentId", W::kStudentId, notices);
  salutation_ =
      new RadioGroup({QStringLiteral("Frau/Fräulein"), QStringLiteral("Herr")}, this, "Salutation");
  surname_ = TextField(this, "Surname", W::kName, notices);
  given_names_ = TextField(this, "GivenNames", W::kName, notices);
  birth_date_ = DateField(this, "BirthDate", notices);
  birth_place_ = TextField(this, "BirthPlace", W::kPlace, notices);
  residence_ = TextField(this, "Residence", W::kPlace, notices);
  class_name_ = new ChoiceBox(this, "ClassName");
  tutor_ = new ChoiceBox(this, "Tutor");
  religion_ = new ChoiceBox(this, "Religion");

  // The short fields keep a width that fits their text.
  const QFontMetrics metrics(font());
  student_id_->setMaximumWidth(metrics.horizontalAdvance(QString(14, QLatin1Char('0'))));
  class_name_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  auto* form = new QFormLayout(this);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setRowWrapPolicy(QFormLayout::WrapLongRows);
  form->addRow(Caption(QStringLiteral("Kenn-Nummer:"), student_id_, this), student_id_);
  form->addRow(new QLabel(QStringLiteral("Anrede"), this), salutation_);
  form->addRow(Caption(QStringLiteral("Name:"), surname_, this), surname_);
  form->addRow(Caption(QStringLiteral("Vorname(n):"), given_names_, this), given_names_);
  form->addRow(Caption(QStringLiteral("Geburtsdatum:"), birth_date_, this), birth_date_);
  form->addRow(Caption(QStringLiteral("Geburtsort:"), birth_place_, this), birth_place_);
  form->addRow(Caption(QStringLiteral("wohnhaft in:"), residence_, this), residence_);
  form->addRow(Caption(QStringLiteral("Klasse/Kurs:"), class_name_, this), class_name_);
  form->addRow(Caption(QStringLiteral("TutorIn:"), tutor_, this), tutor_);
  form->addRow(Caption(QStringLiteral("gewählter Religionsunterricht:"), religion_, this),
               religion_);

  std::vector<QWidget*> order = {student_id_};
  for (QAbstractButton* b : salutation_->Buttons()) order.push_back(b);
  for (QWidget* w :
       std::initializer_list<QWidget*>{surname_, given_names_, birth_date_, birth_place_,
                                       residence_, class_name_, tutor_, religion_}) {
    order.push_back(w);
  }
  ChainTabOrder(order);
}

void PersonalPage::Show(const app::ShownRecord& shown) {
  const app::EditorValues& v = shown.Values;
  student_id_->Fill(v.StudentId);
  salutation_->Fill(v.Salutation);
  surname_->Fill(v.Surname);
  given_names_->Fill(v.GivenNames);
  birth_date_->Fill(v.BirthDate);
  birth_place_->Fill(v.BirthPlace);
  residence_->Fill(v.Residence);
  class_name_->Fill(shown.Items.ClassName, v.ClassName);
  tutor_->Fill(shown.Items.Tutor, v.Tutor);
  religion_->Fill(shown.Items.Religion, v.Religion);
}

void PersonalPage::Collect(app::EditorValues& v) const {
  v.StudentId = student_id_->Value();
  v.Salutation = salutation_->Value();
  v.Surname = surname_->Value();
  v.GivenNames = given_names_->Value();
  v.BirthDate = birth_date_->Value();
  v.BirthPlace = birth_place_->Value();
  v.Residence = residence_->Value();
  v.ClassName = class_name_->Value();
  v.Tutor = tutor_->Value();
  v.Religion = religion_->Value();
}

}  // namespace tolka::ui

#include "moc_personal_page.cpp"
