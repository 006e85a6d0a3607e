// The content of the check report ("Fehlerinformationen"): the caption, the
// student, the protocol of every raised or noted item with its label and fail
// text, and the verdict. The report window and the report sheets draw this
// one content; colours are theirs to choose for each role.
#pragma once

#include <string>
#include <vector>

#include "core/student_record.h"
#include "rules/check_item_table.h"
#include "rules/check_result_list.h"

namespace tolka::rules {

// The window's fixed texts.
inline constexpr const char* kReportWindowTitle = "Fehleranzeige: ";  // before the first fill
inline constexpr const char* kReportCaptionPrefix = "Fehlerinformationen: ";
extern const char* const kReportRunningVerdict;                             // initial text
inline constexpr const char* kReportPendingVerdict = "Noch nicht fertig!";  // while filling
inline constexpr const char* kVerdictPassedWithHints = "Mit Hinweisen bestanden!";
inline constexpr const char* kVerdictFailed = "Test nicht bestanden!";
inline constexpr const char* kFailTextPrefix = "  --->  ";
// The caption of the result windows: "Ergebnis: " followed by the title.
inline constexpr const char* kResultCaptionPrefix = "Ergebnis: ";

// How a line or the verdict is shown: a label line in black, an error's fail
// text and the failed verdict in red, a hint's fail text and the passed
// verdict in blue.
enum class ReportRole { Label, Error, Hint };

struct ReportLine {
  int Item = 0;  // the check item the line belongs to
  ReportRole Role = ReportRole::Label;
  std::string Text;
};

struct CheckReport {
  std::string Caption;  // "Fehlerinformationen: " + title
  std::string Student;  // Surname, ", ", GivenNames
  std::vector<ReportLine> Lines;
  bool Passed = true;  // no shown item is classed error
  std::string Verdict;
  ReportRole VerdictRole = ReportRole::Hint;
};

// The student as the report, the result windows and the success messages
// name them: `Surname`, ", ", `GivenNames`.
std::string StudentName(const core::StudentRecord& record);

// Fills the report from the marks: for every item 1..140 whose error or hint
// mark is set, the line "[n] " + label, then "  --->  " + fail text in the
// role of the item's class. The marks are normalised to the class on the way
// (an error item keeps only its error mark, a hint item only its hint mark),
// so an item noted by a check but classed error (item 10, say) fails the
// test, and an item raised twice is listed once.
CheckReport BuildCheckReport(const CheckItemTable& items, const std::string& title,
                             const core::StudentRecord& student, CheckResultList& list);

}  // namespace tolka::rules
