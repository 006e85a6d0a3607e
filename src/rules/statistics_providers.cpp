#include "rules/statistics_providers.h"

#include "rules/check_report.h"
#include "rules/work_area.h"

namespace tolka::rules {

namespace {

int32_t SumOrZero(int32_t value) { return value >= 0 && value <= kStatisticsSumMax ? value : 0; }

// Clears the result list, prepares the work area of `index` and runs `steps`.
void RunOnSlot(const RuleContext& rules, const core::StudentTable& table, size_t index,
               const std::vector<StepKind>& steps, RulesState& state) {
  ClearResults(state.Results);
  state.Slots = ExamSlots{};
  state.BestSlots = ExamSlots{};
  state.Blocks = BlockResult{};
  PrepareWorkArea(table, index, rules.Catalogue, state.Area, state.Results);
  RunSteps(rules, state, steps);
}

}  // namespace

std::array<StatisticsRow, core::kSlotCount> ExamStatistics(const RuleContext& rules,
                                                           const core::StudentTable& table) {
  static const std::vector<StepKind> steps = ExamResultSteps();
  std::array<StatisticsRow, core::kSlotCount> rows;
  RulesState state;
  for (size_t index = 0; index < core::kSlotCount; ++index) {
    RunOnSlot(rules, table, index, steps, state);
    const core::StudentRecord& record = table.At(index);
    StatisticsRow& row = rows[index];
    if (!core::IsFree(record)) {
      row.Name = StudentName(record);
      if (row.Name.size() > kStatisticsNameWidth) row.Name.resize(kStatisticsNameWidth);
    }
    row.Female = record.Salutation == 1;
    row.Total = SumOrZero(state.Blocks.Total);
    row.BlockI = SumOrZero(state.Blocks.BlockI);
    row.BlockII = SumOrZero(state.Blocks.BlockII);
    row.BlockIII = SumOrZero(state.Blocks.BlockIII);
    row.HasErrors = HasErrors(state.Results);
  }
  return rows;
}

const std::vector<StepKind>& AchievementSteps() {
  static const std::vector<StepKind> steps = {StepKind::CourseChoice, StepKind::CompulsoryCount,
                                              StepKind::BlockOneCourses, StepKind::ExamSubjects,
                                              StepKind::BlocksWithChecks};
  return steps;
}

AchievementState AchievementAfterSemester4(const RuleContext& rules,
                                           const core::StudentTable& table, size_t index) {
  RulesState state;
  RunOnSlot(rules, table, index, AchievementSteps(), state);
  return {state.Area, state.Blocks, state.Results};
}

}  // namespace tolka::rules
