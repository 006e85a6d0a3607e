// Preparing the work area from a stored record, and writing the credit marks
// back.
#pragma once

#include <cstddef>

#include "core/student_table.h"
#include "rules/check_result_list.h"
#include "rules/rule_work_area.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {

// `PrepareWorkArea`: copies the record of `index` (0..35, else
// std::out_of_range) into `area`, clears the subject slots and matches every
// course row against the catalogue: a row whose subject equals the name of
// subject k (and is not "   - - -") fills slot k; a subject named twice
// raises item 16 and the later row wins.
void PrepareWorkArea(const core::StudentTable& table, size_t index,
                     const settings::SubjectCatalogue& catalogue, RuleWorkArea& area,
                     CheckResultList& list);

// `WriteBackCredits`: the stored record's `StatusWord` and, for each result
// row whose `SubjectCopy` names catalogue subject k, its `Credited[1..4]`
// from slot k. Nothing else is written back.
void WriteBackCredits(const RuleWorkArea& area, size_t index, core::StudentTable& table,
                      const settings::SubjectCatalogue& catalogue);

// `ClearCredits`: `Credited[1..4]` of all 15 result rows of the record 0.
void ClearCredits(core::StudentTable& table, size_t index);

// Points conversion of the rules: "00".."15" give 0..15, anything else -1000.
int32_t RulePoints(const std::string& points);

}  // namespace tolka::rules
