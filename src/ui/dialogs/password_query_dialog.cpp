#include "ui/dialogs/password_query_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

PasswordQueryDialog::PasswordQueryDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PasswordQueryDialog"));
  setWindowTitle(QStringLiteral("Passwortabfrage"));
  setModal(true);

  auto* note = new QLabel(QStringLiteral("Die Daten in dieser Datei sind verschlüsselt! "), this);
  auto* prompt = new QLabel(QStringLiteral("Bitte geben Sie das Passwort ein:"), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("PasswordEdit"));
  edit_->setEchoMode(QLineEdit::Password);
  prompt->setBuddy(edit_);

  // Two columns: the items side by side.
  auto* group = new QGroupBox(QStringLiteral("Verschlüsselungsart"), this);
  neu_ = new QRadioButton(QStringLiteral("neu"), group);
  neu_->setObjectName(QStringLiteral("VariantNeu"));
  alt_ = new QRadioButton(QStringLiteral("alt"), group);
  alt_->setObjectName(QStringLiteral("VariantAlt"));
  auto* group_layout = new QHBoxLayout(group);
  group_layout->addWidget(neu_);
  group_layout->addWidget(alt_);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(prompt);
  layout->addWidget(edit_);
  layout->addWidget(group);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  edit_->setMinimumWidth(260);
  Prepare();
}

void PasswordQueryDialog::Prepare() {
  edit_->clear();
  // "neu" each time: "alt" chosen by mistake would decipher a file into
  // rubbish that the password test cannot detect.
  neu_->setChecked(true);
  accepted_text_.clear();
  edit_->setFocus();
}

core::CipherVariant PasswordQueryDialog::ChosenVariant() const {
  return alt_->isChecked() ? core::CipherVariant::Alt : core::CipherVariant::Neu;
}

void PasswordQueryDialog::accept() {
  auto text = StorableText(this, edit_);
  if (!text) return;
  accepted_text_ = std::move(*text);
  QDialog::accept();
}

core::PasswordQueryAnswer PasswordQueryDialog::Run() {
  Prepare();
  core::PasswordQueryAnswer answer;
  answer.Ok = exec() == QDialog::Accepted;
  answer.Variant = ChosenVariant();
  if (answer.Ok) answer.Password = accepted_text_;
  // The typed password does not stay in the reused dialog.
  edit_->clear();
  accepted_text_.clear();
  return answer;
}

}  // namespace tolka::ui

#include "moc_password_query_dialog.cpp"
