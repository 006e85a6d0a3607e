#include "ui/dialogs/result_grid.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

QString SourcePrefix(rules::ResultColumn source) {
  switch (source) {
    case rules::kColumnCurrent:
      return QStringLiteral("Current");
    case rules::kColumnProjected:
      return QStringLiteral("Projected");
    case rules::kColumnBest:
      return QStringLiteral("Best");
    case rules::kColumnSpare:
      break;
  }
  return QStringLiteral("Spare");
}

}  // namespace

void SetFieldGreyed(QLineEdit* field, bool greyed) {
  QPalette palette = field->palette();
  if (greyed) {
    palette.setColor(QPalette::Base, field->palette().color(QPalette::Button));
    palette.setColor(QPalette::Text, QColor(Qt::darkGray));
  } else {
    palette.setColor(QPalette::Base, QColor(Qt::white));
    palette.setColor(QPalette::Text, QColor(Qt::black));
  }
  field->setPalette(palette);
}

ResultGrid BuildResultGrid(QDialog* dialog, const std::vector<ResultGridColumn>& columns) {
  ResultGrid grid;
  grid.Columns = columns;
  grid.Layout = new QGridLayout(dialog);
  const int span = static_cast<int>(columns.size());

  grid.Layout->addWidget(new QLabel(QStringLiteral("für (SchülerIN):"), dialog), 0, 0);
  grid.Student = new QLineEdit(dialog);
  grid.Student->setObjectName(QStringLiteral("Student"));
  grid.Student->setReadOnly(true);
  grid.Layout->addWidget(grid.Student, 0, 1, 1, span);

  for (int c = 0; c < span; ++c) {
    auto* header = new QLabel(columns[static_cast<size_t>(c)].Caption, dialog);
    header->setObjectName(SourcePrefix(columns[static_cast<size_t>(c)].Source) +
                          QStringLiteral("Header"));
    header->setAlignment(Qt::AlignCenter);
    grid.Layout->addWidget(header, 1, 1 + c);
  }

  const QString labels[5] = {QStringLiteral("Block I"), QStringLiteral("Block II"),
                             QStringLiteral("Block III"), QStringLiteral("Gesamtpunktzahl:"),
                             FromCore(kGradeLabel)};
  for (int r = 0; r < 5; ++r) {
    auto* label = new QLabel(labels[r], dialog);
    if (r == rules::kRowGrade) {
      label->setObjectName(QStringLiteral("GradeLabel"));
      grid.GradeLabel = label;
    }
    grid.Layout->addWidget(label, 2 + r, 0);
  }
  for (int c = 0; c < span; ++c) {
    const ResultGridColumn& column = columns[static_cast<size_t>(c)];
    std::array<QLineEdit*, 5> fields{};
    for (int r = 0; r < 5; ++r) {
      auto* field = new QLineEdit(dialog);
      field->setObjectName(SourcePrefix(column.Source) + QString::number(r));
      field->setReadOnly(true);
      field->setAlignment(Qt::AlignRight);
      field->setFocusPolicy(Qt::NoFocus);
      SetFieldGreyed(field, column.Grey);
      if (column.Grey) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, QColor(Qt::black));
        field->setPalette(palette);
      }
      grid.Layout->addWidget(field, 2 + r, 1 + c);
      fields[static_cast<size_t>(r)] = field;
    }
    grid.Fields.push_back(fields);
  }
  grid.Layout->setColumnStretch(0, 0);
  for (int c = 0; c < span; ++c) grid.Layout->setColumnStretch(1 + c, 1);
  grid.NextRow = 7;
  return grid;
}

void AddCloseButton(QDialog* dialog, ResultGrid& grid, const QString& caption) {
  grid.Layout->setRowStretch(grid.NextRow, 1);
  ++grid.NextRow;
  auto* buttons = new QDialogButtonBox(dialog);
  auto* close = buttons->addButton(caption, QDialogButtonBox::AcceptRole);
  close->setObjectName(caption);
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
  grid.Layout->addWidget(buttons, grid.NextRow, 0, 1, 1 + static_cast<int>(grid.Columns.size()));
  ++grid.NextRow;
}

void FillResultGrid(ResultGrid& grid, const std::string& student, const rules::ResultTexts& texts) {
  grid.Student->setText(FromCore(student));
  for (size_t c = 0; c < grid.Columns.size(); ++c) {
    const auto& column = texts.at(static_cast<size_t>(grid.Columns[c].Source));
    for (size_t r = 0; r < 5; ++r) grid.Fields[c][r]->setText(FromCore(column[r]));
  }
}

}  // namespace tolka::ui
