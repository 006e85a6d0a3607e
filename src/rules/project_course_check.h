// The project-course entries.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CheckProjectCourses`: item 100 for an empty or "   - - -" entry among the
// first `ProjectCourseCount` project courses.
void CheckProjectCourses(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list);

}  // namespace tolka::rules
