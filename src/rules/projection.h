// Projection of the result from an incomplete record, and the best result
// still reachable.
#pragma once

#include "rules/rule_work_area.h"

namespace tolka::rules {

// `ProjectFromSemester` (n = 1, 2, 3): later semesters take the points of
// semester n; exam subjects take them as written mark and lose the oral mark;
// the special work stays counted only with a total 1..15. Only the work area
// changes; nothing reaches the record. An n outside 1..3 is a programming
// error (std::out_of_range).
void ProjectFromSemester(RuleWorkArea& area, int n);

// `AssumeBestExams`: oral 15 for every exam subject without an oral mark; if
// the special work counts, a missing documentation or colloquium mark
// becomes "15" and only then the total is recomputed as the integer part of
// (D + K + 0.5) / 2 (a complete pair keeps the total it was given).
void AssumeBestExams(RuleWorkArea& area);

}  // namespace tolka::rules
