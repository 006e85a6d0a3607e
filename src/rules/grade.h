// The average grade of a total, by the grade table of the exam settings.
#pragma once

#include <string>

#include "settings/exam_settings.h"

namespace tolka::rules {

// `GradeFromPoints` in tenths: 0 below `TotalMin` (not passed), 40 at it,
// then one tenth better every 16.805 points, never better than 10. Grades
// are compared and counted by their tenths as integers.
int GradeTenthsFromPoints(int total, const settings::ExamSettings& exam);
double GradeFromPoints(int total, const settings::ExamSettings& exam);

// A grade in tenths as the German program shows it: "2,8"; 0 gives "0,0".
std::string FormatGrade(int tenths);

}  // namespace tolka::rules
