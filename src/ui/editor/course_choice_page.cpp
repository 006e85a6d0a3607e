#include "ui/editor/course_choice_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/record_texts.h"
#include "ui/editor/editor_fields.h"
#include "ui/qt_text.h"

namespace tolka::ui {

CourseChoicePage::CourseChoicePage(QWidget* parent, InputNotices* /*notices*/)
    : RecordPage(parent) {
  setObjectName(QStringLiteral("CourseChoicePage"));
  auto* page = new QVBoxLayout(this);
  // The two buttons come first, so they are in view without scrolling.
  auto* buttons = new QHBoxLayout;
  auto* project = new QPushButton(QStringLiteral("Projektkurse"), this);
  project->setObjectName(QStringLiteral("Button18"));
  auto* special = new QPushButton(QStringLiteral("Besondere Lernleistung"), this);
  special->setObjectName(QStringLiteral("Button19"));
  connect(project, &QPushButton::clicked, this, &CourseChoicePage::ProjectCoursesRequested);
  connect(special, &QPushButton::clicked, this, &CourseChoicePage::SpecialWorkRequested);
  buttons->addWidget(project);
  buttons->addWidget(special);
  buttons->addStretch(1);
  page->addLayout(buttons);
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(3);
  grid->addWidget(Heading(QStringLiteral("Fach"), this), 0, 1);
  grid->addWidget(Heading(QStringLiteral("Prüfung"), this), 0, 2, Qt::AlignHCenter);
  grid->addWidget(Heading(QStringLiteral("LK"), this), 0, 3, Qt::AlignHCenter);
  std::vector<QWidget*> order = {project, special};
  int line = 1;
  for (size_t k = 0; k < rows_.size(); ++k) {
    if (k == 2) {
      // From row c on the column holds the additional advanced courses.
      grid->addWidget(Heading(QStringLiteral("ZLK"), this), line++, 3, Qt::AlignHCenter);
    }
    const std::string n = std::to_string(k);
    Row& row = rows_[k];
    row.Subject = new ChoiceBox(this, ("CourseSubject" + n).c_str());
    row.Label = Caption(QString::fromLatin1(app::kCourseChoiceLabels[k]), row.Subject, this);
    row.Label->setObjectName(QString::fromStdString("CourseLabel" + n));
    row.Exam = new TriStateBox(QString(), this, ("CourseExam" + n).c_str());
    row.Advanced = new TriStateBox(QString(), this, ("CourseAdvanced" + n).c_str());
    row.Exam->setToolTip(QStringLiteral("Prüfung"));
    row.Advanced->setToolTip(k < 2 ? QStringLiteral("LK") : QStringLiteral("ZLK"));
    grid->addWidget(row.Label, line, 0);
    grid->addWidget(row.Subject, line, 1);
    grid->addWidget(row.Exam, line, 2, Qt::AlignHCenter);
    grid->addWidget(row.Advanced, line, 3, Qt::AlignHCenter);
    ++line;
    order.insert(order.end(), {row.Subject, row.Exam, row.Advanced});
  }
  grid->setColumnStretch(1, 1);
  page->addLayout(grid);
  page->addStretch(1);
  ChainTabOrder(order);
}

void CourseChoicePage::Show(const app::ShownRecord& shown) {
  for (size_t k = 0; k < rows_.size(); ++k) {
    const auto& v = shown.Values.CourseChoices[k];
    SetTextColor(rows_[k].Label, CourseRoleColor(shown.Labels.CourseRoles[k]));
    rows_[k].Subject->Fill(shown.Items.CourseSubject[k], v.Subject);
    rows_[k].Exam->Fill(v.ExamSubject);
    rows_[k].Advanced->Fill(v.AdvancedCourse);
    // Named for a screen reader by the row and, once chosen, its subject:
    // "a: LK1, Deutsch, Prüfung".
    QString name = QString::fromLatin1(app::kCourseChoiceLabels[k]).simplified();
    if (v.Subject && !v.Subject->empty() && *v.Subject != core::kNothingChosen) {
      name += QStringLiteral(", ") + FromCore(*v.Subject).trimmed();
    }
    rows_[k].Subject->setAccessibleName(name + QStringLiteral(", Fach"));
    rows_[k].Exam->setAccessibleName(name + QStringLiteral(", Prüfung"));
    rows_[k].Advanced->setAccessibleName(
        name + (k < 2 ? QStringLiteral(", LK") : QStringLiteral(", ZLK")));
  }
}

void CourseChoicePage::Collect(app::EditorValues& v) const {
  for (size_t k = 0; k < rows_.size(); ++k) {
    auto& choice = v.CourseChoices[k];
    choice.Subject = rows_[k].Subject->Value();
    choice.ExamSubject = rows_[k].Exam->Value();
    choice.AdvancedCourse = rows_[k].Advanced->Value();
  }
}

}  // namespace tolka::ui

#include "moc_course_choice_page.cpp"
