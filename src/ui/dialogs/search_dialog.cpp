#include "ui/dialogs/search_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

QRadioButton* AddRadio(QGroupBox* group, const QString& caption, const char* name) {
  auto* radio = new QRadioButton(caption, group);
  radio->setObjectName(QString::fromLatin1(name));
  group->layout()->addWidget(radio);
  return radio;
}

}  // namespace

SearchDialog::SearchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SearchDialog"));
  setWindowTitle(QStringLiteral("Suchen ..."));
  setModal(true);

  auto* label = new QLabel(QStringLiteral("Suchtext:"), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("SearchEdit"));
  edit_->setMaxLength(static_cast<int>(core::kSearchTextCapacity));
  edit_->setMinimumWidth(280);
  label->setBuddy(edit_);

  auto* field = new QGroupBox(QStringLiteral("Suchbereich"), this);
  field->setLayout(new QVBoxLayout);
  given_names_ = AddRadio(field, QStringLiteral("Vorname"), "FieldGivenNames");
  surname_ = AddRadio(field, QStringLiteral("Name"), "FieldSurname");

  auto* option = new QGroupBox(QStringLiteral("Such-Option"), this);
  option->setLayout(new QVBoxLayout);
  whole_ = AddRadio(option, QStringLiteral("volle Übereinstimmung"), "MatchWhole");
  part_ = AddRadio(option, QStringLiteral("teilweise Übereinstimmung"), "MatchPart");
  surname_->setChecked(true);
  whole_->setChecked(true);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addWidget(field);
  layout->addWidget(option);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SearchDialog::accept() {
  auto text = StorableText(this, edit_);
  if (!text) return;
  accepted_text_ = std::move(*text);
  QDialog::accept();
}

std::optional<core::SearchRequest> SearchDialog::Run(const core::SearchRequest& last) {
  edit_->setText(FromCore(last.Text));
  edit_->selectAll();
  edit_->setFocus();
  (last.Field == core::SearchField::GivenNames ? given_names_ : surname_)->setChecked(true);
  (last.Kind == core::MatchKind::Part ? part_ : whole_)->setChecked(true);
  accepted_text_.clear();
  if (exec() != QDialog::Accepted) return std::nullopt;
  core::SearchRequest request;
  request.Text = accepted_text_.substr(0, core::kSearchTextCapacity);
  request.Field =
      given_names_->isChecked() ? core::SearchField::GivenNames : core::SearchField::Surname;
  request.Kind = part_->isChecked() ? core::MatchKind::Part : core::MatchKind::Whole;
  return request;
}

}  // namespace tolka::ui

#include "moc_search_dialog.cpp"
