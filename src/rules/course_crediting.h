// Automatic crediting ("Kursanrechnung") in its fixed order: advanced
// courses, basic courses of exam subjects, the compulsory courses (§35), and
// for the optimisation the filling of Block I with the best remaining
// courses. Everything works on the credit marks of the work area; the
// command writes them back.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CreditAdvancedCourses`: every advanced course loses its credits, then each
// semester with 1..15 points is credited; 00 raises item 40, no mark item 39.
// More advanced courses than `AdvancedCourseCount` raise item 13, fewer
// credited semesters than 4 x `AdvancedCourseCount` item 41.
void CreditAdvancedCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);

// `CreditExamBasicCourses`: the same for the basic courses that are exam
// subjects, with items 39 and 40 only.
void CreditExamBasicCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);

// `CreditCompulsoryCourses` (§35): credits what each obligation that
// `CheckCompulsoryCourses` finds unmet needs, then runs that check with
// reporting, so exactly the obligations still unmet are raised. Never
// uncredits a course.
void CreditCompulsoryCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);

// `FillBlockOne` (optimisation): credits the best uncredited basic-course
// semesters (15 points down to 1; earlier catalogue subject, then earlier
// semester first) until Block I holds `BlockICourseCount` courses; semester 4
// of an exam subject is Block III and is left alone. Sport (task field 4)
// gets at most 3 credited courses with `DifferentiatedSport` 1, else 1.
// Ends with `CheckBlockOneCourses`.
void FillBlockOne(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);

}  // namespace tolka::rules
