#include "rules/exam_slots.h"

#include <cstdio>
#include <utility>

namespace tolka::rules {

namespace {

std::string PointsText(int32_t points) {
  if (!IsValidMark(points)) return core::kNoPoints;
  char text[16];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(points));
  return text;
}

}  // namespace

void BuildExamSlots(const RuleContext& ctx, const RuleWorkArea& area, ExamSlots& slots) {
  slots = ExamSlots{};
  // The advanced-course exam subjects first, then the basic-course ones, each
  // in catalogue order; more than four exam subjects leave the rest out.
  size_t next = 1;
  for (int16_t kind : {int16_t{2}, int16_t{1}}) {
    for (size_t k = 1; k <= kSubjectCount && next <= 4; ++k) {
      const SubjectSlot& slot = area.SubjectSlots[k];
      if (slot.IsExamSubject != 1 || slot.CourseKind != kind) continue;
      slots[next].Subject = static_cast<uint16_t>(k);
      slots[next].Written = PointsText(slot.Points[5]);
      slots[next].Oral = PointsText(slot.Points[6]);
      ++next;
    }
  }
  const auto kind_of = [&](size_t i) { return area.SubjectSlots[slots[i].Subject].CourseKind; };

  // The first exam subject is the mathematics advanced course (the last such
  // in catalogue order), else the first foreign-language advanced course.
  size_t first = 0;
  for (size_t i = 1; i < next; ++i) {
    if (kind_of(i) == 2 && ctx.Subject(slots[i].Subject).IsMathematics) first = i;
  }
  for (size_t i = 1; i < next && first == 0; ++i) {
    if (kind_of(i) == 2 && ctx.Subject(slots[i].Subject).IsForeignLanguage) first = i;
  }
  if (first > 1) std::swap(slots[1], slots[first]);

  // The fourth is the oral exam subject: the (last) basic-course exam subject
  // without a valid written mark.
  size_t oral = 0;
  for (size_t i = 1; i < next; ++i) {
    if (kind_of(i) == 1 && slots[i].Written == core::kNoPoints) oral = i;
  }
  if (oral != 0 && oral != 4) std::swap(slots[4], slots[oral]);
}

}  // namespace tolka::rules
