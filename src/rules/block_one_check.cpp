#include "rules/block_one_check.h"

#include "rules/subject_groups.h"

namespace tolka::rules {

void CheckBlockOneCourses(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list) {
  int basic_credited = 0;
  int basic_credited_five = 0;
  int basic_exams_semester4 = 0;
  int sport_credited = 0;
  bool sport_advanced = false;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (!IsTaken(slot)) continue;
    const bool basic_exam = IsBasicCourse(slot) && slot.IsExamSubject == 1;
    if (IsBasicCourse(slot)) {
      // Semester 4 of a basic-course exam subject goes to the exam block,
      // not to the basic courses of Block I.
      for (size_t s = 1; s <= 4; ++s) {
        if (basic_exam && s == 4) continue;
        if (!IsCreditedCourse(slot, s)) continue;
        ++basic_credited;
        if (slot.Points[s] >= 5) ++basic_credited_five;
      }
      if (basic_exam && IsCreditedCourse(slot, 4)) ++basic_exams_semester4;
    }
    if (ctx.Subject(k).SubjectArea == kAreaSport) {
      sport_credited += CreditedCourseCount(slot);
      if (IsAdvancedCourse(slot)) sport_advanced = true;
    }
  }
  const settings::ExamSettings& x = ctx.Exam;
  if (basic_credited > x.BlockICourseCount) list.Raise(42);
  if (basic_credited_five < x.MinBasicPassed) list.Raise(46);
  if (basic_exams_semester4 < x.BasicExamCount) list.Raise(52);
  // Items 62, 63: `DifferentiatedSport` 1 allows up to three credited sport
  // courses, 0 only one; an advanced course in sport is exempt.
  if (!sport_advanced) {
    if (ctx.General.DifferentiatedSport == 1) {
      if (sport_credited > 3) list.Raise(62);
    } else {
      if (sport_credited > 1) list.Raise(63);
    }
  }
}

}  // namespace tolka::rules
