// The school part of the vocational-college entrance qualification (FHR),
// computed from one pair of consecutive semesters: pair p is semester p and
// semester p + 1 (p = 1, 2, 3), always visited in that order.
#pragma once

#include <array>
#include <string>

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `FhrSums`: the basic-course part, the advanced-course part and their sum.
struct FhrSums {
  int32_t BasicSum = 0;
  int32_t AdvancedSum = 0;
  int32_t Total = 0;
};

// `FhrCredit`: credits the advanced courses of the pair, the compulsory
// subjects still missing (German, mathematics, the best foreign language,
// natural science and social science), fills up the basic courses with the
// best remaining ones, and ends with the requirement check that raises
// items 40, 45, 46, 47, 53-57, 59 (and 42 for too many basic courses).
void FhrCredit(const RuleContext& ctx, RuleWorkArea& area, int pair, CheckResultList& list);

// `FhrCheck`: the requirement check alone, on the credit marks as they stand.
void FhrCheck(const RuleContext& ctx, const RuleWorkArea& area, int pair, CheckResultList& list);

// `FhrSum`: weights the credited semesters of the pair (basic courses 1,
// advanced courses 2), sums them and raises items 101-104 against the
// settings' limits. A credited semester without a mark adds nothing.
FhrSums FhrSum(const RuleContext& ctx, RuleWorkArea& area, int pair, CheckResultList& list);

// `FhrGrade`: 0 below `FhrTotalMin`, 4.0 at it, then one tenth better every
// 5.703 points, by repeated subtraction of 0.1 in double precision as the
// certificates have always shown it.
double FhrGrade(int total, const settings::ExamSettings& exam);

// The grade as "%.1f" with the German decimal comma ("2,5"); 0 gives "0,0".
std::string FormatFhrGrade(double grade);

// `GradeWords`: the grade spelled as two German number words ("zwei",
// "fünf" for 2.5).
std::array<std::string, 2> GradeWords(double grade);

}  // namespace tolka::rules
