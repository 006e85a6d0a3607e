// Work areas for the tests of crediting, blocks, grade, exam slots and
// projection: slots filled by hand (catalogue numbers of the built-in
// subject catalogue), or a record prepared with PrepareWorkArea.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/student_record.h"
#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules::compute_test {

// Catalogue numbers of the built-in subject catalogue.
inline constexpr size_t kBiologie = 2;
inline constexpr size_t kChemie = 3;
inline constexpr size_t kDeutsch = 4;
inline constexpr size_t kEnglisch = 5;
inline constexpr size_t kFranzoesisch = 6;
inline constexpr size_t kGeographie = 7;
inline constexpr size_t kGeschichte = 8;
inline constexpr size_t kKunst = 13;
inline constexpr size_t kLatein = 14;
inline constexpr size_t kMathematik = 15;
inline constexpr size_t kMusik = 16;
inline constexpr size_t kPhysik = 17;
inline constexpr size_t kPhilosophie = 18;
inline constexpr size_t kReligion = 20;
inline constexpr size_t kSozialkunde = 23;
inline constexpr size_t kSpanisch = 24;
inline constexpr size_t kSport = 25;

inline constexpr int16_t kBasic = 1;
inline constexpr int16_t kAdvanced = 2;
inline constexpr int32_t kNo = kNoMark;  // a "--" points text

using Semesters = std::array<int32_t, 4>;

// Slot k as a course of `kind` with the four semester points, nothing
// credited, no exam.
SubjectSlot& SetCourse(RuleWorkArea& area, size_t k, int16_t kind, Semesters points);
// The same as an exam subject with written and oral marks.
SubjectSlot& SetExam(RuleWorkArea& area, size_t k, int16_t kind, Semesters points, int32_t written,
                     int32_t oral);
void Credit(SubjectSlot& slot, std::initializer_list<size_t> semesters);
void CreditAll(SubjectSlot& slot);
// The credit marks of semesters 1..4 as "1010".
std::string Credits(const SubjectSlot& slot);

// The student who completes every block exactly with 10 points everywhere,
// everything credited: LK Mathematik and Englisch (written exams), GK
// Deutsch (written exam) and Geschichte (oral exam), GK Biologie, Physik,
// Kunst und Gestaltung and Religion. Block I 22 x 10 = 220, Block II
// 2 x (3 x 20 + 10) = 140, Block III 4 x 10 + 4 x 40 = 200, total 560.
RuleWorkArea CompleteStudent();

// Item numbers whose error mark / hint mark is set, ascending.
std::vector<int> Raised(const CheckResultList& list);
std::vector<int> Noted(const CheckResultList& list);

// Catalogue and settings as built in.
struct RulesSetup {
  settings::SubjectCatalogue Catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings Exam = settings::BuiltInExamSettings();
  settings::GeneralSettings General;
  RuleContext Context() const { return RuleContext{Catalogue, Exam, General}; }
};

// A record course row: subject, LK and exam flags, four semester points and
// the exam marks as the record holds them.
struct CourseRow {
  std::string Subject;
  bool Advanced = false;
  bool Exam = false;
  std::array<std::string, 4> Points{"--", "--", "--", "--"};
  std::string Written = "--";
  std::string Oral = "--";
};
// A record with `rows` in course rows 0.. and the rest "   - - -".
core::StudentRecord RecordWith(const std::vector<CourseRow>& rows);

}  // namespace tolka::rules::compute_test
