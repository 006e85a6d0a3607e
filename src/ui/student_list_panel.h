// The student list of the main window: the label "Schüler-Liste:" and one
// line per slot 0..34 (the list line of each record), single selection, the
// current student selected.
#pragma once

#include <QWidget>

#include "core/student_table.h"

class QListWidget;

namespace tolka::ui {

class StudentListPanel : public QWidget {
  Q_OBJECT

 public:
  explicit StudentListPanel(QWidget* parent);

  // Fills the list from slots 0..34 and selects `current` (0..34). Emits
  // nothing.
  void Rebuild(const core::StudentTable& table, int current);

  QListWidget* List() const { return list_; }

 Q_SIGNALS:
  // The user chose another line.
  void StudentSelected(int index);

 private:
  QListWidget* list_;
};

}  // namespace tolka::ui
