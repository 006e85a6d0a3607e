#include "exchange/results_export.h"

#include <cstdio>
#include <vector>

#include "exchange/export_text.h"
#include "rules/grade.h"

namespace tolka::exchange {

std::string ResultsName(const core::StudentRecord& record) {
  if (core::IsFree(record)) return "";
  std::string given = record.GivenNames;
  if (record.Surname.size() + given.size() >= kResultsNameLength) {
    // A surname has at most 40 characters, so the cut never goes below 10.
    given.resize(kResultsNameLength - record.Surname.size());
  }
  return ExportField(record.Surname + ", " + given);
}

std::string ExamResultsLine(const core::StudentRecord& record, const rules::StatisticsRow& result,
                            const settings::ExamSettings& exam) {
  // The grade of the clamped total, "%.1f" with a decimal comma.
  char grade[16];
  std::snprintf(grade, sizeof grade, "%.1f", rules::GradeFromPoints(result.Total, exam));
  std::string grade_text = grade;
  for (char& c : grade_text) {
    if (c == '.') c = ',';
  }
  return ExportLine({ResultsName(record), record.Salutation == 1 ? "w" : "m",
                     result.HasErrors ? "fehlerhaft" : "", std::to_string(result.BlockI),
                     std::to_string(result.BlockII), std::to_string(result.BlockIII),
                     std::to_string(result.Total), grade_text});
}

std::string ExamResultsExport(const rules::RuleContext& rules, const core::StudentTable& table) {
  // The statistics run the steps of "Abiturergebnis" on every slot 0..35 on
  // a fresh work area and clamp the sums to 0..840.
  const auto results = rules::ExamStatistics(rules, table);
  std::string text;
  for (size_t slot = 0; slot < core::kListCount; ++slot) {
    text += ExamResultsLine(table.At(slot), results[slot], rules.Exam);
  }
  return text;
}

}  // namespace tolka::exchange
