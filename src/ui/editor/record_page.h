// One page of the record editor: fills its controls from what Show record
// gives and collects them back into app::EditorValues for the transfer. A
// page collects only the members of its own controls; the others stay as
// Show record gave them.
#pragma once

#include <QWidget>

#include "app/record_editor_model.h"

class QLabel;

namespace tolka::ui {

class InputNotices;

class RecordPage : public QWidget {
  Q_OBJECT

 public:
  explicit RecordPage(QWidget* parent) : QWidget(parent) {}

  virtual void Show(const app::ShownRecord& shown) = 0;
  virtual void Collect(app::EditorValues& values) const = 0;
};

// A label for `buddy`, so its mnemonic and a click on it reach the control.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent);
// A bold column or area heading.
QLabel* Heading(const QString& text, QWidget* parent);

}  // namespace tolka::ui
