// The blocks of the exam result (Block I basic courses, Block II advanced
// courses, Block III the exam subjects and the special work), the exam
// counts with the 25/20 rule, the block minima and the exam marks.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `ComputeBlocks`: factors, weights and block codes of every slot, the block
// sums and the special work; with checks the course counts of the blocks.
// Every slot's `SemesterFactor`, `Weighted` and `BlockCode` are computed
// anew, so it may run twice on one area (current and best case). A credited
// semester without 1..15 points is no credited course: it counts in no block
// and adds nothing. Items: 3 (credited semester of another course kind),
// 4 (exam value out of range), 5 (a block above its maximum, always),
// 86 (learning-achievement mark missing, always), 87, 88, 89 and 42-44, 48-50 (with
// checks only).
void ComputeBlocks(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list,
                   BlockResult& result, bool with_checks);

struct ExamCounts {
  int ExamSubjects = 0;  // at most 15 counted
  int OralExams = 0;
  int WrittenExams = 0;
  int AdvancedReachingThreshold = 0;  // 25/20 rule
  int BasicReachingThreshold = 0;
};
// `CountExamResults`: per exam subject (catalogue order) the value
// `Points[4]` + `Weighted[5]` (after ComputeBlocks) against the 25/20
// threshold (`ExamSubjectMin`, or `ExamSubjectMinWithSpecialWork` when the
// special work counts); a valid written / oral mark counts one written / oral
// exam. The one-argument form uses the built-in thresholds 25 and 20.
ExamCounts CountExamResults(const settings::ExamSettings& exam, const RuleWorkArea& area);
ExamCounts CountExamResults(const RuleWorkArea& area);

// `CheckExamCounts`: with the count checks items 90-92; always 15, 93, 94.
void CheckExamCounts(const RuleContext& ctx, const RuleWorkArea& area, bool with_count_checks,
                     CheckResultList& list);

// `CheckBlockMinima`: items 111, 112, 113 as requested.
void CheckBlockMinima(const RuleContext& ctx, const BlockResult& result, CheckResultList& list,
                      bool check_i, bool check_ii, bool check_iii);

// `CheckExamMarks`: items 114 and 115 on the exam slots.
void CheckExamMarks(const ExamSlots& slots, CheckResultList& list);

}  // namespace tolka::rules
