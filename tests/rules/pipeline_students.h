// Students for the pipeline, report and statistics tests and the benchmark,
// built as stored records (the way the record editor leaves them), with the
// built-in subject catalogue in mind.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/student_record.h"
#include "core/student_table.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules::testing {

struct Course {
  std::string Subject;
  bool Advanced = false;
  bool Exam = false;
  std::array<std::string, 4> Points{"--", "--", "--", "--"};
  std::string Written = "--";
  std::string Oral = "--";
  std::array<uint16_t, 4> Credited{};
};

// Writes `course` into course row `row` (choice and result, `SubjectCopy`
// included).
void SetCourse(core::StudentRecord& record, size_t row, const Course& course);
// Row of `subject`, or kCourseRowCount.
size_t RowOf(const core::StudentRecord& record, const std::string& subject);

// "Muster, Anna": LK Mathematik (11 12 10 12, written 12) and Englisch
// (10 09 11 10, written 11), exam GK Deutsch (09 10 08 11, written 10) and
// Geschichte (08 09 10 09, oral 09), GK Französisch, Biologie, Physik, Kunst
// und Gestaltung, Religion, Sozialkunde, Sport; Englisch from grade 5 and
// Französisch from grade 7; three project courses. Credited: all four
// semesters of the exam subjects, Französisch and Biologie, semesters 1 and 2
// of Physik, Kunst und Gestaltung, Religion and Sozialkunde (22 courses in
// Block I). Every check passes: Block I 202, Block II 148, Block III 210,
// total 560, grade 2,3.
core::StudentRecord CleanStudent(const settings::SubjectCatalogue& catalogue);

// The same student with every credit mark 0.
core::StudentRecord UncreditedStudent(const settings::SubjectCatalogue& catalogue);

// A table with every slot initialised (free) and `record` in slot `index`.
core::StudentTable TableWith(const settings::SubjectCatalogue& catalogue,
                             const core::StudentRecord& record, size_t index = 0);

}  // namespace tolka::rules::testing
