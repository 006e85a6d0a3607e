// "Abiturstatistik": the exam results of every slot of the data file on two
// pages, "Abiturergebnisse" (one line per student) and "Notenstatistik"
// (the number of students per grade step, female, male and total, with a
// bar). The statistics run the full exam-result checks of every slot on a
// copy; nothing is written back.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/student_table.h"
#include "print/print_document.h"
#include "print/report_sheets.h"

namespace tolka::print {

struct StatisticsLine {
  size_t Slot = 0;
  std::string Name;  // "Surname, GivenNames", at most 50 characters
  bool Female = false;
  // The sums; a value outside 0..840 is taken as 0.
  int BlockI = 0, BlockII = 0, BlockIII = 0, Total = 0;
  int GradeTenths = 0;     // of Total; 0 below the pass mark
  bool HasErrors = false;  // an item of class error is set: "----"
};

// One grade step 1,0 .. 4,0.
struct GradeCount {
  int Tenths = 0;
  int Female = 0, Male = 0, Total = 0;
};
inline constexpr size_t kGradeSteps = 31;

struct ExamStatistics {
  std::vector<StatisticsLine> Lines;  // the named slots in slot order
  std::array<GradeCount, kGradeSteps> Grades{};
};

// A sum as the statistics take it: outside 0..840 it counts as 0.
int StatisticsValue(int32_t value);

// The statistics of the 36 slots. Students with errors are listed but not
// counted in the grade steps.
ExamStatistics CollectStatistics(const ReportSources& sources, const core::StudentTable& table);

// The two pages (two print jobs).
PrintDocument BuildStatisticsDocument(const ReportSources& sources,
                                      const core::StudentTable& table);
// The statistics' `tolka-cli print` name, "statistics".
inline constexpr const char* kStatisticsName = "statistics";
// The menu caption "Abiturstatistik".
inline constexpr const char* kStatisticsCaption = "Abiturstatistik";

}  // namespace tolka::print
