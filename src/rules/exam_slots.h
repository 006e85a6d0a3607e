// The four exam slots for display and printing.
#pragma once

#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `BuildExamSlots`: the advanced-course exam subjects, then the basic-course
// ones; the mathematics (else first foreign-language) advanced course moves
// to slot 1 and the oral exam subject to slot 4, by swapping.
void BuildExamSlots(const RuleContext& ctx, const RuleWorkArea& area, ExamSlots& slots);

}  // namespace tolka::rules
