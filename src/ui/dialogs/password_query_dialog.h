// The password query "Passwortabfrage", shown by Open for a file whose data
// carry a password: a masked edit and the radio group "Verschlüsselungsart"
// with "neu" and "alt" (the form of older files).
#pragma once

#include <QDialog>

#include "core/interaction.h"

class QLineEdit;
class QRadioButton;

namespace tolka::ui {

class PasswordQueryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordQueryDialog(QWidget* parent);

  // Shows the dialog modally with an empty edit and "neu" chosen. OK gives
  // the typed text (Windows-1252; the caller cuts it to 15 characters) and
  // the variant; "Abbrechen" gives no password and the variant.
  core::PasswordQueryAnswer Run();

  void accept() override;

 private:
  void Prepare();
  core::CipherVariant ChosenVariant() const;

  QLineEdit* edit_;
  QRadioButton* neu_;
  QRadioButton* alt_;
  std::string accepted_text_;
};

}  // namespace tolka::ui
