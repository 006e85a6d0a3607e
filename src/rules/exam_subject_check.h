// The choice of the exam subjects.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CheckExamSubjects`: items 15, 70-79.
void CheckExamSubjects(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list);

}  // namespace tolka::rules
