#include "ui/student_list_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace tolka::ui {

StudentListPanel::StudentListPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StudentListPanel"));
  auto* label = new QLabel(QStringLiteral("Schüler-Liste:"), this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("StudentList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setFixedWidth(153);
  list_->setUniformItemSizes(true);
  label->setBuddy(list_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(list_, 1);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) Q_EMIT StudentSelected(row);
  });
}

void StudentListPanel::Rebuild(const core::StudentTable& table, int current) {
  const QSignalBlocker blocker(list_);
  // The lines are replaced in place: a click in the list rebuilds it from
  // inside the list's own selection signal, where clearing would delete the
  // item being clicked.
  for (size_t slot = 0; slot < core::kListCount; ++slot) {
    const QString line = FromCore(core::ListLine(table.At(slot)));
    QListWidgetItem* item = list_->item(static_cast<int>(slot));
    if (item == nullptr) {
      list_->addItem(line);
      item = list_->item(static_cast<int>(slot));
    }
    item->setText(line);
    // A long name is cut by the list's width: the tool tip shows it whole.
    item->setToolTip(line.trimmed());
  }
  list_->setCurrentRow(current);
}

}  // namespace tolka::ui

#include "moc_student_list_panel.cpp"
