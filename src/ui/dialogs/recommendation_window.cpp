#include "ui/dialogs/recommendation_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "rules/check_report.h"
#include "ui/qt_text.h"

namespace tolka::ui {

QColor RecommendationQColor(rules::RecommendationColour colour) {
  using C = rules::RecommendationColour;
  switch (colour) {
    case C::Black:
      return QColor(Qt::black);
    case C::Blue:
      return QColor(Qt::blue);
    case C::Green:
      return QColor(0x00, 0x80, 0x00);
    case C::Olive:
      return QColor(0x80, 0x80, 0x00);
    case C::Red:
      return QColor(Qt::red);
    case C::Fuchsia:
      return QColor(0xFF, 0x00, 0xFF);
  }
  return QColor(Qt::black);
}

namespace {

constexpr const char* kSlotLabels[5] = {"", "1. Prüfungsfach (1. LK)", "2. Prüfungsfach (2. LK)",
                                        "3. Prüfungsfach (GK)", "4. Prüfungsfach (GK)"};

QLineEdit* ReadOnlyField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  return field;
}

}  // namespace

RecommendationWindow::RecommendationWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("THinwErgForm"));
  setModal(true);
  grid_ = BuildResultGrid(
      this,
      {{QStringLiteral("aktueller Stand"), rules::kColumnCurrent, false},
       {QStringLiteral("mit kalkulierten\nPrüfungsergebnissen"), rules::kColumnProjected, false},
       {QStringLiteral("bestes - noch -\nerreichbares Ergebnis"), rules::kColumnBest, true}});

  // The exam subjects: subject over the first two columns, then the marks.
  auto* exams = new QGridLayout;
  exams->addWidget(new QLabel(QStringLiteral("Fach"), this), 0, 1);
  exams->addWidget(new QLabel(QStringLiteral("schr."), this), 0, 2);
  exams->addWidget(new QLabel(QStringLiteral("mdl."), this), 0, 3);
  exams->addWidget(new QLabel(QStringLiteral("mdl. (kalk.)"), this), 0, 4);
  for (int k = 1; k <= 4; ++k) {
    exams->addWidget(new QLabel(QString::fromUtf8(kSlotLabels[k]), this), k, 0);
    const QString n = QString::number(k);
    auto& row = exam_fields_[static_cast<size_t>(k)];
    row[0] = ReadOnlyField(this, QStringLiteral("ExamSubject") + n);
    row[1] = ReadOnlyField(this, QStringLiteral("ExamWritten") + n);
    row[2] = ReadOnlyField(this, QStringLiteral("ExamOral") + n);
    row[3] = ReadOnlyField(this, QStringLiteral("ExamOralEstimated") + n);
    exams->addWidget(row[0], k, 1);
    for (int m = 1; m <= 3; ++m) {
      row[static_cast<size_t>(m)]->setAlignment(Qt::AlignCenter);
      row[static_cast<size_t>(m)]->setMaximumWidth(70);
      exams->addWidget(row[static_cast<size_t>(m)], k, 1 + m);
    }
  }
  exams->setColumnStretch(1, 1);
  const int span = 1 + static_cast<int>(grid_.Columns.size());
  grid_.Layout->addLayout(exams, grid_.NextRow++, 0, 1, span);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid_.Layout->addWidget(line, grid_.NextRow++, 0, 1, span);
  grid_.Layout->addWidget(new QLabel(QStringLiteral("Hinweise:"), this), grid_.NextRow++, 0, 1,
                          span);
  message_box_ = new QVBoxLayout;
  message_box_->setSpacing(4);
  grid_.Layout->addLayout(message_box_, grid_.NextRow++, 0, 1, span);
  AddCloseButton(this, grid_, QStringLiteral("OK"));
  resize(700, 540);
}

void RecommendationWindow::ShowRecommendations(const RecommendationView& view,
                                               const settings::SubjectCatalogue& catalogue) {
  setWindowTitle(FromCore(rules::kResultCaptionPrefix + view.Title));
  FillResultGrid(grid_, view.Student, view.Texts);
  for (size_t k = 1; k <= 4; ++k) {
    const rules::ExamSlot& slot = view.Slots[k];
    const size_t subject = slot.Subject;
    auto& row = exam_fields_[k];
    row[0]->setText(subject >= 1 && subject < catalogue.Entries.size()
                        ? FromCore(catalogue.Entries[subject].SubjectName)
                        : QString());
    row[1]->setText(FromCore(slot.Written));
    row[2]->setText(FromCore(slot.Oral));
    row[3]->setText(FromCore(view.SlotsProjected[k].Oral));
  }

  for (QLabel* label : messages_) delete label;
  messages_.clear();
  const auto& table = rules::RecommendationTable();
  for (int n = 1; n <= rules::kRecommendationCount; ++n) {
    const uint16_t value = view.Flags[static_cast<size_t>(n)];
    if (value == 0) continue;
    const rules::Recommendation& entry = table[static_cast<size_t>(n)];
    auto* label = new QLabel(FromCore(rules::RecommendationLine(n, value)), this);
    label->setObjectName(QStringLiteral("Message") + QString::number(n));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, RecommendationQColor(entry.Colour));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(entry.Bold);
    label->setFont(font);
    message_box_->addWidget(label);
    messages_.push_back(label);
  }
}

}  // namespace tolka::ui

#include "moc_recommendation_window.cpp"
