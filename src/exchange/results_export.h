// "Export der Abiturergebnisse ...": for each of the slots 0..34 one short
// line with the exam result that the rules compute ("Abiturergebnis" without
// write-back), free slots included. Changes no record.
//
// Fields: 1 name (empty for a free slot; else Surname, ", ", GivenNames, the
// given names cut to 50 - length(Surname) characters when both together
// have 50 or more), 2 "w" for `Salutation` 1, else "m", 3 "fehlerhaft" when
// the computation set an error mark (hint marks do not count), else empty,
// 4..7 Block I, Block II, Block III and the total as plain decimal numbers
// (a sum below 0 or above 840 is written as 0), 8 the average grade of the
// total with one decimal and a decimal comma ("2,3"; "0,0" when the total
// does not reach the minimum).
#pragma once

#include <cstddef>
#include <string>

#include "core/student_table.h"
#include "rules/rule_context.h"
#include "rules/statistics_providers.h"

namespace tolka::exchange {

inline constexpr size_t kResultsFieldCount = 8;
// Surname and given names together are cut at this length (field 1).
inline constexpr size_t kResultsNameLength = 50;

// Field 1 of a record.
std::string ResultsName(const core::StudentRecord& record);

// One line from the record and the slot's computed result.
std::string ExamResultsLine(const core::StudentRecord& record, const rules::StatisticsRow& result,
                            const settings::ExamSettings& exam);

// The 35 lines of the table.
std::string ExamResultsExport(const rules::RuleContext& rules, const core::StudentTable& table);

}  // namespace tolka::exchange
