// The rules as data providers of two report sheets: the statistics over the
// whole year group ("Abiturstatistik") and the state of achievement after the
// fourth semester ("Leistungsstand nach 4. Semester"). Both work on their own
// rules state and write nothing back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/student_table.h"
#include "rules/check_result_list.h"
#include "rules/pipelines.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// One line of "Abiturstatistik".
struct StatisticsRow {
  std::string Name;     // Surname, ", ", GivenNames, cut to 50; empty for an unused slot
  bool Female = false;  // `Salutation` is 1
  // The sums of the exam-result computation; a value outside 0..840 is
  // passed as 0.
  int32_t Total = 0;
  int32_t BlockI = 0;
  int32_t BlockII = 0;
  int32_t BlockIII = 0;
  bool HasErrors = false;  // any error mark set
};

inline constexpr size_t kStatisticsNameWidth = 50;
inline constexpr int32_t kStatisticsSumMax = 840;

// "Abiturstatistik": for every slot 0..35 the checks and computations of
// "Abiturergebnis" (course choice, prerequisites, compulsory-course count,
// Block I courses, exam subjects, project courses, blocks with checks, exam
// slots, exam counts with all checks, block minima, exam marks).
std::array<StatisticsRow, core::kSlotCount> ExamStatistics(const RuleContext& rules,
                                                           const core::StudentTable& table);

// The steps of "Leistungsstand nach 4. Semester": course choice,
// compulsory-course count, Block I courses, exam subjects, blocks with checks.
const std::vector<StepKind>& AchievementSteps();

// What the sheet prints for one student: the work area after the steps, the
// block sums and the result list.
struct AchievementState {
  RuleWorkArea Area;
  BlockResult Blocks;
  CheckResultList Results;
};

// "Leistungsstand nach 4. Semester" for slot `index` (0..35, else
// std::out_of_range).
AchievementState AchievementAfterSemester4(const RuleContext& rules,
                                           const core::StudentTable& table, size_t index);

}  // namespace tolka::rules
