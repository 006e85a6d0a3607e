// Pieces the small modal dialogs share: the "OK" / "Abbrechen" button row and
// the take-over of a typed text into the core's code page.
#pragma once

#include <QDialogButtonBox>
#include <optional>
#include <string>

class QDialog;
class QLineEdit;

namespace tolka::ui {

// "OK" (default, object name "OkButton") and, with `with_cancel`,
// "Abbrechen" ("CancelButton"), wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool with_cancel = true);

// The edit's text as Windows-1252; a character the code page lacks is
// refused with the message, and the edit gets the focus with its text
// selected so the user can correct it.
std::optional<std::string> StorableText(QDialog* dialog, QLineEdit* edit);

}  // namespace tolka::ui
