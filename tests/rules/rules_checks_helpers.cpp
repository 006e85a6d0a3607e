#include "rules/rules_checks_helpers.h"

#include <gtest/gtest.h>

#include "core/record_texts.h"
#include "core/student_table.h"
#include "rules/block_one_check.h"
#include "rules/compulsory_course_check.h"
#include "rules/course_choice_check.h"
#include "rules/exam_subject_check.h"
#include "rules/prerequisites_check.h"
#include "rules/project_course_check.h"
#include "rules/work_area.h"

namespace tolka::rules::checks_test {

namespace {

void FillRow(core::StudentRecord& record, size_t j, const CourseRow& row) {
  core::CourseChoice& choice = record.CourseChoices[j];
  choice.Subject = row.Subject;
  choice.AdvancedCourse = row.Advanced ? 1 : 0;
  choice.ExamSubject = row.Exam ? 1 : 0;
  core::CourseResult& result = record.CourseResults[j];
  result.SubjectCopy = row.Subject;
  for (size_t s = 0; s < core::kSemesterCount; ++s) {
    result.SemesterPoints[s] = row.Points[s];
    result.Credited[s] = s < row.Credits.size() && row.Credits[s] == '1' ? 1 : 0;
  }
}

size_t RowOf(const core::StudentRecord& record, const std::string& subject) {
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    if (record.CourseChoices[j].Subject == subject) return j;
  }
  ADD_FAILURE() << "no course row for " << subject;
  return core::kCourseRowCount;
}

core::CourseChoice g_dummy_choice;
core::CourseResult g_dummy_result;

}  // namespace

core::StudentRecord BuildStudent(const std::vector<CourseRow>& rows) {
  const settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  core::StudentRecord record = core::InitialisedRecord(settings::IntroPhaseDefaultsOf(catalogue));
  record.Surname = "Muster";
  record.GivenNames = "Anna";
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    record.CourseChoices[j].ExamSubject = 0;
    record.CourseChoices[j].AdvancedCourse = 0;
  }
  for (size_t j = 0; j < rows.size() && j < core::kCourseRowCount; ++j) FillRow(record, j, rows[j]);
  return record;
}

core::StudentRecord CleanStudent() {
  core::StudentRecord record = BuildStudent({
      {"Mathematik", true, true, "1111"},
      {"Englisch", true, true, "1111"},
      {"Deutsch", false, true, "1111"},
      {"Geschichte", false, true, "1111"},
      {"Französisch", false, false, "1100"},
      {"Physik", false, false, "1111"},
      {"Biologie", false, false, "1100"},
      {"Kunst und Gestaltung", false, false, "1100"},
      {"Sozialkunde", false, false, "1100"},
      {"Religion", false, false, "1100"},
      {"Sport", false, false, "1000"},
  });
  SetLanguage(record, 1, "Englisch", " 5", "--");
  SetLanguage(record, 2, "Französisch", " 7", "--");
  SetIntroMarks(record, "Mathematik", "3", "2");
  SetIntroMarks(record, "Englisch", "2", "2");
  record.ProjectCourses[0] = "Schulgarten";
  record.ProjectCourses[1] = "Stadtgeschichte";
  record.ProjectCourses[2] = "Theater";
  return record;
}

core::CourseChoice& ChoiceOf(core::StudentRecord& record, const std::string& subject) {
  const size_t j = RowOf(record, subject);
  return j < core::kCourseRowCount ? record.CourseChoices[j] : g_dummy_choice;
}

core::CourseResult& ResultOf(core::StudentRecord& record, const std::string& subject) {
  const size_t j = RowOf(record, subject);
  return j < core::kCourseRowCount ? record.CourseResults[j] : g_dummy_result;
}

void SetCredits(core::StudentRecord& record, const std::string& subject,
                const std::string& credits) {
  core::CourseResult& result = ResultOf(record, subject);
  for (size_t s = 0; s < core::kSemesterCount; ++s) {
    result.Credited[s] = s < credits.size() && credits[s] == '1' ? 1 : 0;
  }
}

void SetPoints(core::StudentRecord& record, const std::string& subject, size_t semester,
               const std::string& points) {
  ResultOf(record, subject).SemesterPoints.at(semester - 1) = points;
}

void RemoveCourse(core::StudentRecord& record, const std::string& subject) {
  const size_t j = RowOf(record, subject);
  if (j >= core::kCourseRowCount) return;
  FillRow(record, j, CourseRow{core::kNothingChosen});
}

void AddCourse(core::StudentRecord& record, const CourseRow& row) {
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    if (record.CourseChoices[j].Subject == core::kNothingChosen) {
      FillRow(record, j, row);
      return;
    }
  }
  ADD_FAILURE() << "no free course row for " << row.Subject;
}

void SetLanguage(core::StudentRecord& record, size_t row, const std::string& subject,
                 const std::string& from, const std::string& to) {
  record.ForeignLanguages.at(row - 1) = {subject, from, to};
}

void SetIntroMarks(core::StudentRecord& record, const std::string& subject,
                   const std::string& mark1, const std::string& mark2) {
  for (auto& row : record.IntroPhase) {
    if (row.Subject == subject) {
      row.Mark1 = mark1;
      row.Mark2 = mark2;
      return;
    }
  }
  for (auto& row : record.IntroPhase) {
    if (row.Subject == core::kNothingChosen) {
      row = {subject, mark1, mark2};
      return;
    }
  }
  ADD_FAILURE() << "no free intro-phase row for " << subject;
}

CheckResultList ChecksBench::Prepare() {
  core::StudentTable table;
  table.At(0) = Student;
  CheckResultList list;
  PrepareWorkArea(table, 0, Catalogue, Area, list);
  return list;
}

CheckResultList ChecksBench::CourseChoice() {
  CheckResultList list = Prepare();
  CheckCourseChoice(Context(), Area, list);
  return list;
}

CheckResultList ChecksBench::Prerequisites() {
  CheckResultList list = Prepare();
  CheckPrerequisitesAfterSemester3(Context(), Area, list);
  return list;
}

CheckResultList ChecksBench::ExamSubjects() {
  CheckResultList list = Prepare();
  CheckExamSubjects(Context(), Area, list);
  return list;
}

CheckResultList ChecksBench::Compulsory(bool reporting) {
  CheckResultList list = Prepare();
  CheckCompulsoryCourses(Context(), Area, list, reporting);
  return list;
}

CheckResultList ChecksBench::BlockOne() {
  CheckResultList list = Prepare();
  CheckBlockOneCourses(Context(), Area, list);
  return list;
}

CheckResultList ChecksBench::ProjectCourses() {
  CheckResultList list = Prepare();
  CheckProjectCourses(Context(), Area, list);
  return list;
}

CheckResultList ChecksBench::AllChecks() {
  CheckResultList list = Prepare();
  const RuleContext ctx = Context();
  CheckCourseChoice(ctx, Area, list);
  CheckPrerequisitesAfterSemester3(ctx, Area, list);
  CheckCompulsoryCourses(ctx, Area, list, true);
  CheckBlockOneCourses(ctx, Area, list);
  CheckExamSubjects(ctx, Area, list);
  CheckProjectCourses(ctx, Area, list);
  return list;
}

std::set<int> Raised(const CheckResultList& list) {
  std::set<int> items;
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsRaised(i)) items.insert(i);
  }
  return items;
}

std::set<int> Noted(const CheckResultList& list) {
  std::set<int> items;
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsNoted(i)) items.insert(i);
  }
  return items;
}

namespace {

std::string Marks(const CheckResultList& list) {
  std::string text = "raised {";
  for (int i : Raised(list)) text += " " + std::to_string(i);
  text += " }, noted {";
  for (int i : Noted(list)) text += " " + std::to_string(i);
  return text + " }";
}

::testing::AssertionResult Expect(bool ok, const CheckResultList& list, int item,
                                  const char* what) {
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "item " << item << " expected " << what << "; " << Marks(list);
}

}  // namespace

::testing::AssertionResult RaisesItem(const CheckResultList& list, int item) {
  return Expect(list.IsRaised(item) && !list.IsNoted(item), list, item, "raised");
}

::testing::AssertionResult NotesItem(const CheckResultList& list, int item) {
  return Expect(list.IsNoted(item) && !list.IsRaised(item), list, item, "noted");
}

::testing::AssertionResult SilentOn(const CheckResultList& list, int item) {
  return Expect(!list.IsSet(item), list, item, "silent");
}

}  // namespace tolka::rules::checks_test
