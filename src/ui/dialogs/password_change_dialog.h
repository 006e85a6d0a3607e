// The password change dialog "Konfigurationspasswort ändern ..."
// (`Tpwaendern`): the new configuration password twice. The settings code
// checks the two texts (equal, longer than 3 characters).
#pragma once

#include <QDialog>
#include <optional>

#include "core/interaction.h"

class QLineEdit;

namespace tolka::ui {

class PasswordChangeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordChangeDialog(QWidget* parent);

  // Shows the dialog modally with both fields empty: the two typed texts
  // (Windows-1252) on OK, nothing on "Abbrechen".
  std::optional<core::PasswordDefinitionAnswer> Run();

  void accept() override;

 private:
  QLineEdit* first_;
  QLineEdit* second_;
  core::PasswordDefinitionAnswer accepted_;
};

}  // namespace tolka::ui
