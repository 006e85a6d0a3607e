#include "rules/project_course_check.h"

#include <algorithm>

#include "core/record_texts.h"

namespace tolka::rules {

void CheckProjectCourses(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list) {
  // The record holds four project-course rows; a `ProjectCourseCount` above
  // four from a settings file is read as four.
  const size_t required =
      std::min(static_cast<size_t>(ctx.Exam.ProjectCourseCount), core::kProjectCourseCount);
  for (size_t i = 0; i < required; ++i) {
    const std::string& course = area.Student.ProjectCourses[i];
    // Item 100: a required project course is missing.
    if (course.empty() || course == core::kNothingChosen) list.Raise(100);
  }
}

}  // namespace tolka::rules
