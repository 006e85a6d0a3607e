#include "ui/editor/project_courses_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/editor/editor_fields.h"

namespace tolka::ui {

ProjectCoursesPage::ProjectCoursesPage(QWidget* parent, InputNotices* /*notices*/)
    : RecordPage(parent) {
  setObjectName(QStringLiteral("ProjectCoursesPage"));
  auto* page = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(Heading(QStringLiteral("Kursbezeichnung:"), this), 0, 1);
  std::vector<QWidget*> order;
  for (size_t p = 0; p < courses_.size(); ++p) {
    courses_[p] = new ChoiceBox(this, ("ProjectCourse" + std::to_string(p)).c_str());
    const int line = static_cast<int>(p) + 1;
    grid->addWidget(Caption(QStringLiteral("Sem.%1:").arg(p + 1), courses_[p], this), line, 0);
    grid->addWidget(courses_[p], line, 1);
    order.push_back(courses_[p]);
  }
  grid->setColumnStretch(1, 1);
  page->addLayout(grid);
  hold_special_work_ =
      new TriStateBox(QStringLiteral("mindestens 2 Kurse für \"Besondere Lernleistung\" enthalten"),
                      this, "ProjectCoursesHoldSpecialWork");
  page->addWidget(hold_special_work_);
  page->addStretch(1);
  order.push_back(hold_special_work_);
  ChainTabOrder(order);
}

void ProjectCoursesPage::Show(const app::ShownRecord& shown) {
  for (size_t p = 0; p < courses_.size(); ++p) {
    courses_[p]->Fill(shown.Items.ProjectCourse[p], shown.Values.ProjectCourses[p]);
  }
  hold_special_work_->Fill(shown.Values.ProjectCoursesHoldSpecialWork);
}

void ProjectCoursesPage::Collect(app::EditorValues& v) const {
  for (size_t p = 0; p < courses_.size(); ++p) v.ProjectCourses[p] = courses_[p]->Value();
  v.ProjectCoursesHoldSpecialWork = hold_special_work_->Value();
}

}  // namespace tolka::ui

#include "moc_project_courses_page.cpp"
