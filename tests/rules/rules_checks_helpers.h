// Realistic students for the tests of the course-choice and admission
// checks: a record built from course rows, prepared into the work area with
// the built-in subject catalogue, the built-in exam settings and the default
// general settings.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/student_record.h"
#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules::checks_test {

// One course row: subject, LK and exam flags, the four semester points and
// the credit marks as a text of four '0'/'1' ("1100": semesters 1 and 2).
struct CourseRow {
  std::string Subject;
  bool Advanced = false;
  bool Exam = false;
  std::string Credits = "0000";
  std::array<std::string, 4> Points{"10", "10", "10", "10"};
};

// An initialised record with the catalogue's intro-phase defaults, a name,
// and `rows` in course rows 0.. (the rest stay "   - - -").
core::StudentRecord BuildStudent(const std::vector<CourseRow>& rows);

// The student who passes every course-choice and admission check with the
// built-in catalogue and settings: LK Mathematik and Englisch, exam GKs
// Deutsch and Geschichte, Französisch (begun in grade 7) as second language,
// Physik, Biologie, Kunst und Gestaltung, Sozialkunde, Religion, Sport; all
// points 10; Englisch and Mathematik taught in the intro phase; three project
// courses.
core::StudentRecord CleanStudent();

// Row editing by subject (the first row naming it; a missing subject fails
// the test and returns a dummy).
core::CourseChoice& ChoiceOf(core::StudentRecord& record, const std::string& subject);
core::CourseResult& ResultOf(core::StudentRecord& record, const std::string& subject);
void SetCredits(core::StudentRecord& record, const std::string& subject,
                const std::string& credits);
void SetPoints(core::StudentRecord& record, const std::string& subject, size_t semester,
               const std::string& points);
void RemoveCourse(core::StudentRecord& record, const std::string& subject);
void AddCourse(core::StudentRecord& record, const CourseRow& row);  // first free row
void SetLanguage(core::StudentRecord& record, size_t row, const std::string& subject,
                 const std::string& from, const std::string& to);  // row 1..4
// Sets the intro-phase marks of `subject` (its row, else the first free row).
void SetIntroMarks(core::StudentRecord& record, const std::string& subject,
                   const std::string& mark1, const std::string& mark2);

// Catalogue, settings and the student; each Run* prepares the work area
// afresh from `Student` and runs one check into a fresh result list.
struct ChecksBench {
  settings::SubjectCatalogue Catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings Exam = settings::BuiltInExamSettings();
  settings::GeneralSettings General;
  core::StudentRecord Student = CleanStudent();
  RuleWorkArea Area;

  RuleContext Context() const { return RuleContext{Catalogue, Exam, General}; }
  CheckResultList Prepare();
  CheckResultList CourseChoice();
  CheckResultList Prerequisites();
  CheckResultList ExamSubjects();
  CheckResultList Compulsory(bool reporting = true);
  CheckResultList BlockOne();
  CheckResultList ProjectCourses();
  // Every check of this family in the order of "Abiturergebnis".
  CheckResultList AllChecks();
};

// The items whose error mark (hint mark) is set, for readable failures.
std::set<int> Raised(const CheckResultList& list);
std::set<int> Noted(const CheckResultList& list);

// Item n has its error mark and not its hint mark (raised), its hint mark and
// not its error mark (noted), or neither (silent). Failures list the marks.
::testing::AssertionResult RaisesItem(const CheckResultList& list, int item);
::testing::AssertionResult NotesItem(const CheckResultList& list, int item);
::testing::AssertionResult SilentOn(const CheckResultList& list, int item);

}  // namespace tolka::rules::checks_test
