#include "ui/editor/results_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/record_texts.h"
#include "ui/editor/editor_fields.h"
#include "ui/qt_text.h"

namespace tolka::ui {

ResultsPage::ResultsPage(QWidget* parent, InputNotices* notices) : RecordPage(parent) {
  setObjectName(QStringLiteral("ResultsPage"));
  auto* page = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(3);
  grid->setHorizontalSpacing(4);
  // Columns: caption, then points and credit box per semester, then the
  // exam points and "Komp.".
  constexpr int kWrittenColumn = 1 + 2 * static_cast<int>(core::kSemesterCount);
  grid->addWidget(Heading(QStringLiteral("Fach"), this), 0, 0);
  for (size_t s = 0; s < core::kSemesterCount; ++s) {
    grid->addWidget(Heading(QStringLiteral("Sem.%1").arg(s + 1), this), 0,
                    1 + 2 * static_cast<int>(s), 1, 2, Qt::AlignLeft);
  }
  grid->addWidget(Heading(QStringLiteral("schr."), this), 0, kWrittenColumn, Qt::AlignHCenter);
  grid->addWidget(Heading(QStringLiteral("mdl."), this), 0, kWrittenColumn + 1, Qt::AlignHCenter);
  grid->addWidget(Heading(QStringLiteral("Komp."), this), 0, kWrittenColumn + 2, Qt::AlignHCenter);

  // Tab runs through the points of a row (four semesters, written, oral)
  // and on to the next row; the credit and "Komp." boxes come after all
  // points, so entering a semester takes one Tab per field.
  std::vector<QWidget*> order;
  std::vector<QWidget*> boxes;
  for (size_t k = 0; k < rows_.size(); ++k) {
    const std::string n = std::to_string(k);
    const int line = static_cast<int>(k) + 1;
    Row& row = rows_[k];
    row.Caption = new QLabel(QString::fromLatin1(app::kResultRowCaptions[k]), this);
    row.Caption->setObjectName(QString::fromStdString("ResultCaption" + n));
    row.Caption->setToolTip(QString::fromLatin1(app::kResultRowCaptions[k]));
    row.Caption->setMinimumWidth(
        row.Caption->fontMetrics().horizontalAdvance(QStringLiteral("Grundkurs c")));
    row.Caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(row.Caption, line, 0);
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      const std::string ns = n + "_" + std::to_string(s);
      row.Points[s] = PointsField(this, ("Points" + ns).c_str(), notices);
      row.Credited[s] = new TriStateBox(QString(), this, ("Credited" + ns).c_str());
      row.Credited[s]->setToolTip(QStringLiteral("Sem.%1 angerechnet").arg(s + 1));
      grid->addWidget(row.Points[s], line, 1 + 2 * static_cast<int>(s));
      grid->addWidget(row.Credited[s], line, 2 + 2 * static_cast<int>(s));
      order.push_back(row.Points[s]);
      boxes.push_back(row.Credited[s]);
    }
    row.Written = PointsField(this, ("WrittenExam" + n).c_str(), notices);
    row.Oral = PointsField(this, ("OralExam" + n).c_str(), notices);
    row.Competence = new TriStateBox(QString(), this, ("Competence" + n).c_str());
    row.Competence->setToolTip(QStringLiteral("Komp."));
    grid->addWidget(row.Written, line, kWrittenColumn);
    grid->addWidget(row.Oral, line, kWrittenColumn + 1);
    grid->addWidget(row.Competence, line, kWrittenColumn + 2, Qt::AlignHCenter);
    order.insert(order.end(), {row.Written, row.Oral});
    boxes.push_back(row.Competence);
  }
  order.insert(order.end(), boxes.begin(), boxes.end());
  grid->setColumnStretch(0, 1);
  page->addLayout(grid);
  page->addStretch(1);
  ChainTabOrder(order);
}

void ResultsPage::Show(const app::ShownRecord& shown) {
  for (size_t k = 0; k < rows_.size(); ++k) {
    const auto& v = shown.Values.CourseResults[k];
    Row& row = rows_[k];
    row.Caption->setText(FromCore(shown.Labels.ResultCaptions[k]));
    // The tool tip and a screen reader name the row by its subject (a long
    // name is cut by the column), or by the row's own name while it has
    // none: "Deutsch, Sem.1, Punkte".
    const std::string& subject = shown.Labels.ResultCaptions[k];
    const bool none = subject.empty() || subject == core::kNothingChosen;
    const QString name =
        none ? QString::fromLatin1(app::kResultRowCaptions[k]) : FromCore(subject).trimmed();
    row.Caption->setToolTip(name);
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      row.Points[s]->setAccessibleName(QStringLiteral("%1, Sem.%2, Punkte").arg(name).arg(s + 1));
      row.Credited[s]->setAccessibleName(
          QStringLiteral("%1, Sem.%2, angerechnet").arg(name).arg(s + 1));
    }
    row.Written->setAccessibleName(QStringLiteral("%1, schriftliche Prüfung").arg(name));
    row.Oral->setAccessibleName(QStringLiteral("%1, mündliche Prüfung").arg(name));
    row.Competence->setAccessibleName(QStringLiteral("%1, Komp.").arg(name));
    SetTextColor(row.Caption, CourseRoleColor(shown.Labels.CourseRoles[k]));
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      row.Points[s]->Fill(v.SemesterPoints[s]);
      row.Credited[s]->Fill(v.Credited[s]);
    }
    row.Written->Fill(v.WrittenExamPoints);
    row.Oral->Fill(v.OralExamPoints);
    row.Competence->Fill(v.CompetenceFlag);
  }
}

void ResultsPage::Collect(app::EditorValues& v) const {
  for (size_t k = 0; k < rows_.size(); ++k) {
    auto& result = v.CourseResults[k];
    const Row& row = rows_[k];
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      result.SemesterPoints[s] = row.Points[s]->Value();
      result.Credited[s] = row.Credited[s]->Value();
    }
    result.WrittenExamPoints = row.Written->Value();
    result.OralExamPoints = row.Oral->Value();
    result.CompetenceFlag = row.Competence->Value();
  }
}

}  // namespace tolka::ui

#include "moc_results_page.cpp"
