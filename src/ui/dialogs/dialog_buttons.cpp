#include "ui/dialogs/dialog_buttons.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt_text.h"

namespace tolka::ui {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool with_cancel) {
  auto* buttons = new QDialogButtonBox(dialog);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  if (with_cancel) {
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  }
  return buttons;
}

std::optional<std::string> StorableText(QDialog* dialog, QLineEdit* edit) {
  auto text = TypedTextToCore(dialog, edit->text());
  if (!text) {
    edit->setFocus();
    edit->selectAll();
  }
  return text;
}

}  // namespace tolka::ui
