#include "rules/grade.h"

#include <cstdio>

namespace tolka::rules {

namespace {
// One tenth of a grade every 16.805 points, kept in thousandths of a point so
// that the steps land on the same whole points as the grade table (296, 313,
// 330, ... 767): no floating-point comparison decides a boundary.
constexpr long kStepThousandths = 16805;
}  // namespace

int GradeTenthsFromPoints(int total, const settings::ExamSettings& exam) {
  const long minimum = exam.TotalMin;
  const long maximum = exam.TotalMax;
  if (total < minimum) return 0;  // not passed
  if (total == minimum) return 40;
  int grade = 40;
  long d = minimum * 1000;
  long c = minimum;
  do {
    d += kStepThousandths;
    c = d / 1000;
    --grade;
  } while (total > c && c < maximum && grade > 10);
  return grade;
}

double GradeFromPoints(int total, const settings::ExamSettings& exam) {
  return GradeTenthsFromPoints(total, exam) / 10.0;
}

std::string FormatGrade(int tenths) {
  if (tenths < 0) tenths = 0;
  char text[16];
  std::snprintf(text, sizeof text, "%d,%d", tenths / 10, tenths % 10);
  return text;
}

}  // namespace tolka::rules
