// The password definition "Festlegung des Daten-Passwortes", shown by Save
// and Save As until it ends with OK: two masked edits and one button "OK".
// The window has no close box and ignores Escape; whether the two texts are
// accepted (equal, at least 4 characters) is decided by the caller, which
// shows the dialog again otherwise.
#pragma once

#include <QDialog>

#include "core/interaction.h"

class QLineEdit;

namespace tolka::ui {

class PasswordDefinitionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordDefinitionDialog(QWidget* parent);

  // Shows the dialog modally with both edits empty and the focus in the
  // first; returns the two typed texts (Windows-1252).
  core::PasswordDefinitionAnswer Run();

  void accept() override;
  // Escape and the window manager's close do nothing: only "OK" ends it.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* first_;
  QLineEdit* second_;
  core::PasswordDefinitionAnswer accepted_;
};

}  // namespace tolka::ui
