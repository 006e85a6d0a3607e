// The prerequisites of exam admission after the third semester.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CheckPrerequisitesAfterSemester3`: items 40, 45, 46, 47 over semesters 1..3.
void CheckPrerequisitesAfterSemester3(const RuleContext& ctx, const RuleWorkArea& area,
                                      CheckResultList& list);

}  // namespace tolka::rules
