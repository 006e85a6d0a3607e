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

void CreditAdvancedCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);
void CreditExamBasicCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);
void CreditCompulsoryCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);
void FillBlockOne(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list);

}  // namespace tolka::rules
