// Driving modal dialogs from a test: WhenModal<T>(action) runs `action` on
// the active modal widget as soon as it is a visible T. The action runs from
// the event loop of the dialog's exec(), so it can fill fields and press
// buttons. If no such dialog comes within a minute of polls, the test fails and the
// active modal widget is closed so the test cannot hang.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <ostream>

// Failing comparisons of Qt texts print the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace tolka::test {

template <typename T>
void WhenModal(std::function<void(T*)> action) {
  auto* timer = new QTimer;
  auto polls = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, polls, action]() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<T*>(modal); dialog != nullptr && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(dialog);
      return;
    }
    if (++*polls > 12000) {  // a minute: slow sanitizer builds on a busy machine
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "the expected modal dialog did not come";
      if (auto* other = qobject_cast<QDialog*>(modal)) other->done(QDialog::Rejected);
    }
  });
  timer->start(5);
}

// The child of `parent` with the object name, failing the test when missing.
template <typename T>
T* Child(QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

inline void Type(QObject* parent, const char* edit, const QString& text) {
  if (auto* e = Child<QLineEdit>(parent, edit)) e->setText(text);
}

inline void Click(QObject* parent, const char* button) {
  if (auto* b = Child<QPushButton>(parent, button)) b->click();
}

}  // namespace tolka::test
