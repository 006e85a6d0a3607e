#include "ui/message_box.h"

#include <QAbstractButton>
#include <QPushButton>

namespace tolka::ui {

QMessageBox::Icon MessageBoxIcon(core::Icon icon) {
  switch (icon) {
    case core::Icon::Error:
      return QMessageBox::Critical;
    case core::Icon::Warning:
      return QMessageBox::Warning;
    case core::Icon::Information:
      return QMessageBox::Information;
    case core::Icon::Confirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString MessageBoxTitle(core::Icon icon) {
  switch (icon) {
    case core::Icon::Error:
      return QStringLiteral("Fehler");
    case core::Icon::Warning:
      return QStringLiteral("Warnung");
    case core::Icon::Information:
      return QStringLiteral("Information");
    case core::Icon::Confirmation:
      return QStringLiteral("Bestätigung");
  }
  return {};
}

std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, core::Icon icon, const QString& text,
                                              core::Buttons buttons) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setIcon(MessageBoxIcon(icon));
  box->setWindowTitle(MessageBoxTitle(icon));
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  switch (buttons) {
    case core::Buttons::YesNo:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::No);
      return box;
    case core::Buttons::YesNoDefaultNo:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box->setDefaultButton(QMessageBox::No);
      box->setEscapeButton(QMessageBox::No);
      return box;
    case core::Buttons::YesNoCancel:
      // Escape and the close box press "Abbrechen": the command does not
      // happen and nothing unsaved is lost.
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::Cancel);
      return box;
    case core::Buttons::RestoreDiscard: {
      // Two own buttons and no escape button: neither Escape nor the close
      // box can be taken for "Verwerfen", which deletes the recovery copy.
      QPushButton* restore =
          box->addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
      restore->setObjectName(QStringLiteral("RestoreButton"));
      box->addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole)
          ->setObjectName(QStringLiteral("DiscardButton"));
      box->setDefaultButton(restore);
      return box;
    }
    case core::Buttons::Ok:
      break;
  }
  {
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
  }
  return box;
}

core::Answer AnswerFor(QMessageBox::StandardButton clicked, core::Buttons buttons) {
  if (buttons == core::Buttons::Ok) return core::Answer::Ok;
  // The own buttons of RestoreDiscard are no standard buttons.
  if (buttons == core::Buttons::RestoreDiscard) return core::Answer::Cancel;
  if (clicked == QMessageBox::Yes) return core::Answer::Yes;
  if (clicked == QMessageBox::No) return core::Answer::No;
  // Closed any other way: a Yes/No box answers No, a box with "Abbrechen"
  // answers Cancel.
  return buttons == core::Buttons::YesNoCancel ? core::Answer::Cancel : core::Answer::No;
}

core::Answer ShowMessageBox(QWidget* parent, core::Icon icon, const QString& text,
                            core::Buttons buttons) {
  const auto box = CreateMessageBox(parent, icon, text, buttons);
  box->exec();
  if (buttons == core::Buttons::RestoreDiscard) {
    const QAbstractButton* clicked = box->clickedButton();
    const QString name = clicked != nullptr ? clicked->objectName() : QString();
    if (name == QStringLiteral("RestoreButton")) return core::Answer::Yes;
    if (name == QStringLiteral("DiscardButton")) return core::Answer::No;
    return core::Answer::Cancel;
  }
  return AnswerFor(box->standardButton(box->clickedButton()), buttons);
}

}  // namespace tolka::ui
