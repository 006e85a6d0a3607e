// The subject groups and course tests that several check families share:
// which catalogue subjects the rules call philosophy, religion, geography or
// social studies, and what a credited course is.
#pragma once

#include <cstddef>

#include "rules/rule_work_area.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {

// Philosophy: both `IsReligionPhilosophy` and `IsSocialScience`.
inline bool IsPhilosophy(const settings::SubjectEntry& e) {
  return e.IsReligionPhilosophy != 0 && e.IsSocialScience != 0;
}
// Religion: `IsReligionPhilosophy` only.
inline bool IsReligion(const settings::SubjectEntry& e) {
  return e.IsReligionPhilosophy != 0 && e.IsSocialScience == 0;
}
// Geography or social studies: `IsSocialScience` only (in the built-in
// catalogue also Arbeit-Wirtschaft-Technik).
inline bool IsGeographyOrSocialStudies(const settings::SubjectEntry& e) {
  return e.IsSocialScience != 0 && e.IsReligionPhilosophy == 0;
}

// Task-field codes of `SubjectArea`: 1..4 the four task fields, 5 and 6 the
// subjects that may count towards fields 2 and 3 (code 6 towards field 3
// directly, code 5 only as a fall-back); 0 none.
inline constexpr int kAreaLanguages = 1;
inline constexpr int kAreaSocial = 2;
inline constexpr int kAreaScience = 3;
inline constexpr int kAreaSport = 4;
inline constexpr int kAreaFallback = 5;    // Arbeit-Wirtschaft-Technik
inline constexpr int kAreaScienceToo = 6;  // Informatik
inline constexpr int kAreaCodeCount = 7;   // codes 0..6

inline bool IsTaken(const SubjectSlot& slot) {
  return slot.CourseKind == 1 || slot.CourseKind == 2;
}
inline bool IsBasicCourse(const SubjectSlot& slot) { return slot.CourseKind == 1; }
inline bool IsAdvancedCourse(const SubjectSlot& slot) { return slot.CourseKind == 2; }

// A credited course: semester s (1..4) with `Credited[s]` = 1 and 1..15
// points. 00 points and no mark never count.
inline bool IsCreditedCourse(const SubjectSlot& slot, size_t s) {
  return slot.Credited[s] == 1 && IsValidCourse(slot.Points[s]);
}

// The number of credited courses of semesters 1..4.
inline int CreditedCourseCount(const SubjectSlot& slot) {
  int n = 0;
  for (size_t s = 1; s <= 4; ++s) n += IsCreditedCourse(slot, s) ? 1 : 0;
  return n;
}

}  // namespace tolka::rules
