// The credited courses of Block I, and the sport courses.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CheckBlockOneCourses`: items 42, 46, 52, 62, 63.
void CheckBlockOneCourses(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list);

}  // namespace tolka::rules
