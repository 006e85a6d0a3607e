#include "rules/prerequisites_check.h"

#include "rules/subject_groups.h"

namespace tolka::rules {

void CheckPrerequisitesAfterSemester3(const RuleContext& /*ctx*/, const RuleWorkArea& area,
                                      CheckResultList& list) {
  // The numbers of these prerequisites are fixed, not taken from the exam
  // settings: 3 semesters per advanced course.
  int advanced_semesters = 0;
  int advanced_valid = 0;
  int advanced_five = 0;
  int basic_valid = 0;
  int basic_five = 0;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    for (size_t s = 1; s <= 3; ++s) {
      const int32_t p = slot.Points[s];
      if (IsAdvancedCourse(slot)) {
        ++advanced_semesters;
        if (IsValidCourse(p)) ++advanced_valid;
        if (p >= 5 && p <= 15) ++advanced_five;
      } else if (IsBasicCourse(slot)) {
        if (IsValidCourse(p)) ++basic_valid;
        if (p >= 5 && p <= 15) ++basic_five;
      }
    }
  }
  // Item 40: an advanced-course semester with 00 or no points, or fewer than
  // six valid advanced-course semesters.
  if (advanced_valid < advanced_semesters || advanced_valid < 6) list.Raise(40);
  if (advanced_five < 4) list.Raise(45);
  if (basic_five < 7) list.Raise(46);
  if (basic_valid < 14) list.Raise(47);
}

}  // namespace tolka::rules
