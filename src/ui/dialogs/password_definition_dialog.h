// The password definition "Festlegung des Daten-Passwortes", shown by Save
// and Save As until it ends with OK: two masked edits (at most 15
// characters), "OK" and "Abbrechen". Whether the two texts are accepted
// (equal, at least 4 characters) is decided by the caller, which shows the
// dialog again otherwise. "Abbrechen", Escape and the close box leave the
// dialog: the Save or Save As that asked ends and writes nothing, so nobody
// is trapped in a dialog that only a valid password ends.
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

 private:
  QLineEdit* first_;
  QLineEdit* second_;
  core::PasswordDefinitionAnswer accepted_;
};

}  // namespace tolka::ui
