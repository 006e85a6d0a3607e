#include "rules/check_report.h"

namespace tolka::rules {

// Texts declared in the header: defined here, in this library's code page.
const char* const kReportRunningVerdict = "Prüfung läuft !!!";

std::string StudentName(const core::StudentRecord& record) {
  return record.Surname + ", " + record.GivenNames;
}

CheckReport BuildCheckReport(const CheckItemTable& items, const std::string& title,
                             const core::StudentRecord& student, CheckResultList& list) {
  CheckReport report;
  report.Caption = kReportCaptionPrefix + title;
  report.Student = StudentName(student);
  report.Passed = true;
  for (int i = 1; i <= kItemCount; ++i) {
    CheckMark& mark = list.At(i);
    if (mark.Error == 0 && mark.Hint == 0) continue;
    const CheckItem& item = items[static_cast<size_t>(i)];
    report.Lines.push_back({i, ReportRole::Label, "[" + std::to_string(i) + "] " + item.Label});
    if (item.IsError) {
      report.Lines.push_back({i, ReportRole::Error, kFailTextPrefix + item.FailText});
      mark.Error = 1;
      mark.Hint = 0;
      report.Passed = false;
    } else {
      report.Lines.push_back({i, ReportRole::Hint, kFailTextPrefix + item.FailText});
      mark.Hint = 1;
      mark.Error = 0;
    }
  }
  report.Verdict = report.Passed ? kVerdictPassedWithHints : kVerdictFailed;
  report.VerdictRole = report.Passed ? ReportRole::Hint : ReportRole::Error;
  return report;
}

}  // namespace tolka::rules
