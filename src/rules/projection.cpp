#include "rules/projection.h"

#include <cstdio>
#include <stdexcept>

#include "rules/work_area.h"

namespace tolka::rules {

namespace {

std::string TwoDigits(int32_t points) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(points));
  return text;
}

}  // namespace

void ProjectFromSemester(RuleWorkArea& area, int n) {
  if (n < 1 || n > 3) throw std::out_of_range("projection from semester outside 1..3");
  const size_t from = static_cast<size_t>(n);
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.CourseKind != 1 && slot.CourseKind != 2) continue;
    for (size_t s = from + 1; s <= 4; ++s) slot.Points[s] = slot.Points[from];
    if (slot.IsExamSubject == 1) {
      slot.Points[5] = slot.Points[from];
      slot.Points[6] = kNoMark;
    }
  }
  // The special work stays counted only with a total of 1..15 points.
  if (!IsValidCourse(RulePoints(area.Student.SpecialWorkTotal))) area.SpecialWorkCounts() = 0;
}

void AssumeBestExams(RuleWorkArea& area) {
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.IsExamSubject == 1 && !IsValidMark(slot.Points[6])) slot.Points[6] = 15;
  }
  if (area.SpecialWorkCounts() != 1) return;
  core::StudentRecord& student = area.Student;
  bool filled = false;
  for (std::string* mark : {&student.SpecialWorkDocPoints, &student.SpecialWorkColloquiumPoints}) {
    if (IsValidMark(RulePoints(*mark))) continue;
    *mark = "15";
    filled = true;
  }
  // The total is recomputed only when a mark was filled in: recomputing a
  // complete pair could lower the total that was actually given.
  if (!filled) return;
  const int32_t sum =
      RulePoints(student.SpecialWorkDocPoints) + RulePoints(student.SpecialWorkColloquiumPoints);
  // The integer part of (D + K + 0.5) / 2, in whole numbers.
  student.SpecialWorkTotal = TwoDigits((2 * sum + 1) / 4);
}

}  // namespace tolka::rules
