#include "ui/dialogs/password_change_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
  first_->setMinimumWidth(260);
  second_ = new QLineEdit(this);
  second_->setObjectName(QStringLiteral("SecondEdit"));
  second_->setEchoMode(QLineEdit::Password);
  prompt->setBuddy(first_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(first_);
  layout->addWidget(second_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordChangeDialog::accept() {
  auto first = TypedTextToCore(this, first_->text());
  if (!first) {
    first_->setFocus();
    first_->selectAll();
    return;
  }
  auto second = TypedTextToCore(this, second_->text());
  if (!second) {
    second_->setFocus();
    second_->selectAll();
    return;
  }
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
