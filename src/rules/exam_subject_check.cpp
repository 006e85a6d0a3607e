#include "rules/exam_subject_check.h"

#include "rules/subject_groups.h"

namespace tolka::rules {

void CheckExamSubjects(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list) {
  int exams = 0;
  int advanced_exams = 0;
  int basic_exams = 0;
  bool advanced_without_exam = false;
  bool area1_german_or_language = false;
  bool area2 = false;
  bool area2_fallback = false;
  bool area3 = false;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    const settings::SubjectEntry& e = ctx.Subject(k);
    if (IsAdvancedCourse(slot) && slot.IsExamSubject != 1) advanced_without_exam = true;
    if (slot.IsExamSubject != 1) continue;
    ++exams;
    if (IsAdvancedCourse(slot)) ++advanced_exams;
    if (IsBasicCourse(slot)) ++basic_exams;
    if (e.SubjectArea == kAreaLanguages && (e.IsGerman != 0 || e.IsForeignLanguage != 0)) {
      area1_german_or_language = true;
    }
    if (e.SubjectArea == kAreaSocial) area2 = true;
    if (e.SubjectArea == kAreaFallback) area2_fallback = true;
    if (e.SubjectArea == kAreaScience || e.SubjectArea == kAreaScienceToo) area3 = true;
  }
  const settings::ExamSettings& x = ctx.Exam;
  if (exams < x.ExamSubjectCount) list.Raise(70);
  if (exams > x.ExamSubjectCount) list.Raise(15);
  if (advanced_exams < x.AdvancedCourseCount) list.Raise(71);
  if (advanced_exams > x.AdvancedCourseCount) list.Raise(72);
  if (basic_exams < x.BasicExamCount) list.Raise(73);
  if (basic_exams > x.BasicExamCount) list.Raise(74);
  // Item 75: every advanced course is an exam subject.
  if (advanced_without_exam) list.Raise(75);
  // Item 76: task field 1 is examined in German or a foreign language.
  if (!area1_german_or_language) list.Raise(76);
  // Items 77, 78: an exam subject of task field 2; Arbeit-Wirtschaft-Technik
  // (code 5) is only a hint that the membership must be checked.
  if (!area2) {
    if (area2_fallback) {
      list.Note(78);
    } else {
      list.Raise(77);
    }
  }
  // Item 79: an exam subject of task field 3 or code 6 (Informatik).
  if (!area3) list.Raise(79);
}

}  // namespace tolka::rules
