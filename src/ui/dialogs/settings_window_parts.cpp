#include "ui/dialogs/settings_window_parts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolka::ui {

QLabel* WarningLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("WarningLabel"));
  label->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  label->setWordWrap(true);
  return label;
}

QLineEdit* AddField(QFormLayout* form, const QString& label, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  form->addRow(label, edit);
  return edit;
}

QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void CentreOnParent(QWidget* window) {
  QWidget* parent = window->parentWidget();
  if (parent == nullptr) return;
  window->adjustSize();
  const QRect frame = parent->window()->frameGeometry();
  QRect mine(QPoint(0, 0), window->frameGeometry().size());
  mine.moveCenter(frame.center());
  window->move(mine.topLeft());
}

}  // namespace tolka::ui
