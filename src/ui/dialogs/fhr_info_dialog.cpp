#include "ui/dialogs/fhr_info_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

FhrInfoDialog::FhrInfoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFHRzusinfoForm"));
  setWindowTitle(QStringLiteral("zusätzlich notwendige Informationen"));
  setModal(true);

  auto* intro = new QLabel(QStringLiteral("Für die Bescheinigung über den schulischen Teil der\n"
                                          "Fachhochschulreife werden zusätzlich benötigt:"),
                           this);

  auto* group = new QGroupBox(QStringLiteral("Schultyp"), this);
  auto* group_layout = new QVBoxLayout(group);
  school_type_ = new QButtonGroup(this);
  for (size_t i = 0; i < print::kSchoolTypeItems.size(); ++i) {
    auto* radio = new QRadioButton(FromCore(print::kSchoolTypeItems[i]), group);
    radio->setObjectName(QStringLiteral("SchoolType%1").arg(i));
    school_type_->addButton(radio, static_cast<int>(i));
    group_layout->addWidget(radio);
  }

  auto* label = new QLabel(QStringLiteral("Name der Schule (Fachrichtung):"), this);
  subject_ = new QLineEdit(this);
  subject_->setObjectName(QStringLiteral("SchoolSubjectEdit"));
  subject_->setMaxLength(static_cast<int>(print::fhr_info_layout::kSchoolSubjectWidth));
  subject_->setMinimumWidth(360);
  label->setBuddy(subject_);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(group);
  layout->addWidget(label);
  layout->addWidget(subject_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FhrInfoDialog::accept() {
  auto text = StorableText(this, subject_);
  if (!text) return;
  accepted_subject_ = std::move(*text);
  QDialog::accept();
}

bool FhrInfoDialog::Run(print::FhrInfo& info) {
  // A stored type outside the list shows "ohne Angabe".
  const int type = info.SchoolType < print::kSchoolTypeItems.size() ? info.SchoolType : 0;
  school_type_->button(type)->setChecked(true);
  subject_->setText(FromCore(info.SchoolSubject));
  subject_->selectAll();
  subject_->setFocus();
  if (exec() != QDialog::Accepted) return false;
  info.SchoolType = static_cast<uint16_t>(std::max(0, school_type_->checkedId()));
  info.SchoolSubject = accepted_subject_.substr(0, print::fhr_info_layout::kSchoolSubjectWidth);
  return true;
}

}  // namespace tolka::ui
