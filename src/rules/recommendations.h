// Recommendations for the oral exams: the result computed three times (the
// current state, missing exam marks estimated from the semester average, the
// best marks still possible) and the messages derived from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/student_table.h"
#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

inline constexpr int kRecommendationCount = 20;

// `RecommendationFlags` [1..20]: entry n non-zero shows message n; for 9, 10
// and 18 the value is a number of points appended to the text.
using RecommendationFlags = std::array<uint16_t, kRecommendationCount + 1>;

enum class RecommendationColour { Black, Blue, Green, Olive, Red, Fuchsia };

struct Recommendation {
  std::string Text;
  RecommendationColour Colour = RecommendationColour::Black;
  bool Bold = false;
  bool AppendsPoints = false;  // 9, 10 and 18: value + " Punkten"
};

// `RecommendationTable` [1..20]; unused entries "derzeit nicht benutzt".
const std::array<Recommendation, kRecommendationCount + 1>& RecommendationTable();

// The line shown for entry n with its value: the text, and for 9, 10 and 18
// the value followed by " Punkten".
std::string RecommendationLine(int n, uint16_t value);

// `EstimateExamsFromAverage`: per exam subject, A = the integer part of the
// mean of the semesters that have a mark; a missing oral mark becomes A when
// the written mark is missing or below A. A subject without any semester mark
// gets no estimate. A missing colloquium mark of counted special work takes
// the documentation mark, as does the total.
void EstimateExamsFromAverage(RuleWorkArea& area);

// `ComputeImprovementHints`: computes the blocks and sets entries 3 and 4,
// and from the grade steps and the 25/20 rule entries 5, 6, 9, 10, 11, 20.
void ComputeImprovementHints(const RuleContext& ctx, RuleWorkArea& area, bool best_case,
                             RecommendationFlags& flags, CheckResultList& list);

// `BlockThreeShortfall`: the points Block III lacks below `BlockIIIMin`, in
// entry 18 (current state) or entry 20 (best case).
void BlockThreeShortfall(const RuleContext& ctx, const BlockResult& result, bool best_case,
                         RecommendationFlags& flags);

// The whole command "Empfehlungen zu den mündlichen Prüfungen" for one
// student. Nothing is written back.
struct RecommendationOutcome {
  CheckResultList List;
  RecommendationFlags Flags{};
  ResultTexts Texts;         // columns current, projected, best
  ExamSlots Slots;           // current state
  ExamSlots SlotsProjected;  // the second copy, as the estimate fills it
  ExamSlots SlotsBest;       // the best marks still possible
  // The work area of each pass, for the report sheet's exam tables.
  RuleWorkArea AreaCurrent, AreaProjected, AreaBest;
  BlockResult Current, Projected, Best;
};
RecommendationOutcome RunRecommendations(const RuleContext& ctx, const core::StudentTable& table,
                                         size_t index);

// Fills one column of the result texts: the block sums and the total as
// decimal integers, the grade with the decimal comma.
void FillResultColumn(ResultTexts& texts, int column, const BlockResult& result,
                      const settings::ExamSettings& exam);

}  // namespace tolka::rules
