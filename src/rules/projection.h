// Projection of the result from an incomplete record, and the best result
// still reachable.
#pragma once

#include "rules/rule_work_area.h"

namespace tolka::rules {

// `ProjectFromSemester` (n = 1, 2, 3): later semesters take the points of
// semester n; exam subjects take them as written mark and lose the oral mark;
// the special work stays counted only with a total 1..15.
void ProjectFromSemester(RuleWorkArea& area, int n);

// `AssumeBestExams`: oral 15 where no oral mark exists; a missing special
// work mark becomes 15 and its total is recomputed.
void AssumeBestExams(RuleWorkArea& area);

}  // namespace tolka::rules
