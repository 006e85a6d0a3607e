#include "rules/pipeline_students.h"

#include "core/record_texts.h"

namespace tolka::rules::testing {

void SetCourse(core::StudentRecord& record, size_t row, const Course& course) {
  core::CourseChoice& choice = record.CourseChoices.at(row);
  choice.Subject = course.Subject;
  choice.AdvancedCourse = course.Advanced ? 1 : 0;
  choice.ExamSubject = course.Exam ? 1 : 0;
  core::CourseResult& result = record.CourseResults.at(row);
  result.SubjectCopy = course.Subject;
  for (size_t s = 0; s < 4; ++s) result.SemesterPoints[s] = course.Points[s];
  result.WrittenExamPoints = course.Written;
  result.OralExamPoints = course.Oral;
  result.Credited = course.Credited;
}

size_t RowOf(const core::StudentRecord& record, const std::string& subject) {
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    if (record.CourseChoices[j].Subject == subject) return j;
  }
  return core::kCourseRowCount;
}

core::StudentRecord CleanStudent(const settings::SubjectCatalogue& catalogue) {
  core::StudentRecord r = core::InitialisedRecord(settings::IntroPhaseDefaultsOf(catalogue));
  r.StudentId = "7";
  r.Salutation = 1;
  r.Surname = "Muster";
  r.GivenNames = "Anna";
  r.BirthDate = "14.03.2006";
  r.ForeignLanguages[0] = {"Englisch", " 5", "--"};
  r.ForeignLanguages[1] = {"Französisch", " 7", "--"};
  // The introductory phase: the default rows with marks, and the advanced
  // subjects taught in grade 11 (item 33).
  const char* marks[9][2] = {{"2", "2"}, {"1", "#"}, {"3", "#"}, {"3", "2"}, {"-", "-"},
                             {"2", "#"}, {"3", "#"}, {"2", "2"}, {"1", "1"}};
  for (size_t i = 0; i < 9; ++i) {
    r.IntroPhase[i].Mark1 = marks[i][0];
    r.IntroPhase[i].Mark2 = marks[i][1];
  }
  r.IntroPhase[9] = {"Englisch", "2", "3"};
  r.IntroPhase[10] = {"Französisch", "3", "3"};

  const std::array<uint16_t, 4> all{1, 1, 1, 1}, first_two{1, 1, 0, 0}, none{};
  size_t row = 0;
  SetCourse(r, row++, {"Mathematik", true, true, {"11", "12", "10", "12"}, "12", "--", all});
  SetCourse(r, row++, {"Englisch", true, true, {"10", "09", "11", "10"}, "11", "--", all});
  SetCourse(r, row++, {"Deutsch", false, true, {"09", "10", "08", "11"}, "10", "--", all});
  SetCourse(r, row++, {"Geschichte", false, true, {"08", "09", "10", "09"}, "--", "09", all});
  SetCourse(r, row++, {"Französisch", false, false, {"07", "08", "08", "09"}, "--", "--", all});
  SetCourse(r, row++, {"Biologie", false, false, {"10", "11", "09", "12"}, "--", "--", all});
  SetCourse(r, row++, {"Physik", false, false, {"06", "07", "05", "08"}, "--", "--", first_two});
  SetCourse(
      r, row++,
      {"Kunst und Gestaltung", false, false, {"12", "13", "11", "12"}, "--", "--", first_two});
  SetCourse(r, row++, {"Religion", false, false, {"09", "09", "10", "10"}, "--", "--", first_two});
  SetCourse(r, row++,
            {"Sozialkunde", false, false, {"08", "10", "09", "11"}, "--", "--", first_two});
  SetCourse(r, row++, {"Sport", false, false, {"13", "14", "13", "14"}, "--", "--", none});
  // Rows 11..14 stay empty; they are no advanced courses.
  for (; row < core::kCourseRowCount; ++row) {
    r.CourseChoices[row].ExamSubject = 0;
    r.CourseChoices[row].AdvancedCourse = 0;
  }
  r.ProjectCourses[0] = "Astronomie";
  r.ProjectCourses[1] = "Schulgarten";
  r.ProjectCourses[2] = "Schülerzeitung";
  return r;
}

core::StudentRecord UncreditedStudent(const settings::SubjectCatalogue& catalogue) {
  core::StudentRecord r = CleanStudent(catalogue);
  for (auto& result : r.CourseResults) result.Credited = {};
  return r;
}

core::StudentTable TableWith(const settings::SubjectCatalogue& catalogue,
                             const core::StudentRecord& record, size_t index) {
  core::StudentTable table;
  table.Initialise(settings::IntroPhaseDefaultsOf(catalogue));
  table.At(35) = core::InitialisedRecord(settings::IntroPhaseDefaultsOf(catalogue));
  table.At(index) = record;
  return table;
}

}  // namespace tolka::rules::testing
