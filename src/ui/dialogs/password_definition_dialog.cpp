#include "ui/dialogs/password_definition_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

PasswordDefinitionDialog::PasswordDefinitionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PasswordDefinitionDialog"));
  setWindowTitle(QStringLiteral("Festlegung des Daten-Passwortes"));
  setModal(true);

  auto* line1 = new QLabel(QStringLiteral("Bitte geben Sie zweimal  das Passwort"), this);
  auto* line2 = new QLabel(QStringLiteral("für Ihre Daten ein!"), this);
  first_ = new QLineEdit(this);
  first_->setObjectName(QStringLiteral("FirstEdit"));
  first_->setEchoMode(QLineEdit::Password);
  second_ = new QLineEdit(this);
  second_->setObjectName(QStringLiteral("SecondEdit"));
  second_->setEchoMode(QLineEdit::Password);
  for (QLineEdit* edit : {first_, second_}) edit->setMaxLength(15);
  line1->setBuddy(first_);

  QDialogButtonBox* buttons = OkCancelButtons(this, true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line1);
  layout->addWidget(line2);
  layout->addWidget(first_);
  layout->addWidget(second_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  first_->setMinimumWidth(260);
}

void PasswordDefinitionDialog::accept() {
  auto first = StorableText(this, first_);
  if (!first) return;
  auto second = StorableText(this, second_);
  if (!second) return;
  accepted_ = {std::move(*first), std::move(*second)};
  QDialog::accept();
}

core::PasswordDefinitionAnswer PasswordDefinitionDialog::Run() {
  first_->clear();
  second_->clear();
  accepted_ = {};
  first_->setFocus();
  if (exec() != QDialog::Accepted) {
    first_->clear();
    second_->clear();
    return {{}, {}, false};
  }
  core::PasswordDefinitionAnswer answer = std::move(accepted_);
  accepted_ = {};
  first_->clear();
  second_->clear();
  first_->setFocus();
  return answer;
}

}  // namespace tolka::ui

#include "moc_password_definition_dialog.cpp"
