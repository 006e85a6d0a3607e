#include "ui/dialogs/password_change_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

PasswordChangeDialog::PasswordChangeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tpwaendern"));
  setWindowTitle(QStringLiteral("Konfigurationspasswort ändern ..."));
  setModal(true);

  auto* prompt = new QLabel(QStringLiteral("Bitte das NEUE Passwort zweimal eingeben:"), this);
  first_ = new QLineEdit(this);
  first_->setObjectName(QStringLiteral("FirstEdit"));
  first_->setEchoMode(QLineEdit::Password);
  first_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  first_->setMinimumWidth(260);
  second_ = new QLineEdit(this);
  second_->setObjectName(QStringLiteral("SecondEdit"));
  second_->setEchoMode(QLineEdit::Password);
  second_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  // The password is stored as string[15]: a longer one would be cut on
  // storing and never be accepted again.
  first_->setMaxLength(15);
  second_->setMaxLength(15);
  prompt->setBuddy(first_);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(first_);
  layout->addWidget(second_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordChangeDialog::accept() {
  auto first = StorableText(this, first_);
  if (!first) return;
  auto second = StorableText(this, second_);
  if (!second) return;
  accepted_ = {std::move(*first), std::move(*second)};
  QDialog::accept();
}

std::optional<core::PasswordDefinitionAnswer> PasswordChangeDialog::Run() {
  first_->clear();
  second_->clear();
  accepted_ = {};
  first_->setFocus();
  std::optional<core::PasswordDefinitionAnswer> result;
  if (exec() == QDialog::Accepted) result = std::move(accepted_);
  accepted_ = {};
  first_->clear();
  second_->clear();
  return result;
}

}  // namespace tolka::ui

#include "moc_password_change_dialog.cpp"
