// The three settings-password dialogs "Zugangskontrolle für
// Konfigurationsbereich": the configuration password (`TPasswordDlg`), the
// exam-settings password (`TDefPasswordDlg`) and the subject-settings
// password (`TFachPasswordDlg`). The last two carry a six-line read-only note.
// The dialog only asks; the settings code decides whether the text is right.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/interaction.h"

class QLineEdit;

namespace tolka::ui {

class SettingsPasswordDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsPasswordDialog(core::SettingsPasswordKind kind, QWidget* parent);

  // Shows the dialog modally with an empty field: the typed text
  // (Windows-1252) on OK, nothing on "Abbrechen". The field is cleared again.
  std::optional<std::string> Run();

  void accept() override;

  // The prompt above the field and the lines of the note (none for the
  // configuration password).
  static QString Prompt(core::SettingsPasswordKind kind);
  static QStringList NoteLines(core::SettingsPasswordKind kind);

 private:
  QLineEdit* edit_;
  std::string accepted_text_;
};

}  // namespace tolka::ui
