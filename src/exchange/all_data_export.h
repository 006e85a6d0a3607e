// "Export aller Daten ...": every occupied student record of the table as one
// text line of 286 fields, for spreadsheets and school administration
// software. Reads the records as stored and changes nothing.
//
// The fields of a line, numbered from 1 (field names of the student record):
//   1 StudentId, 2 Salutation ("Frau" 1, "Herr" 2, "???" otherwise),
//   3 Surname, 4 GivenNames, 5 BirthDate, 6 BirthPlace, 7 Residence,
//   8 Religion, 9 ClassName, 10 Tutor,
//   11..22 the four ForeignLanguages: Subject, FromGrade, ToGrade,
//   23..25 Graecum, Latinum, Hebraicum ("", "Graecum", "Großes Graecum"),
//   26..48 IntroPhase rows 0..8: Subject, Mark1, and Mark2 only for the
//          rows 0, 3, 4, 7, 8 (9 + 9 + 5 = 23 fields),
//   49..60 IntroPhase rows 9..12 and 61..72 rows 13..16: Subject, Mark1,
//          Mark2,
//   73..78 the six introductory-phase flags,
//   79..117 CourseChoices rows 0..12: Subject, ExamSubject, AdvancedCourse,
//   118..273 CourseResults rows 0..12, 12 fields each: SubjectCopy, then per
//          semester SemesterPoints and Credited, then CompetenceFlag,
//          WrittenExamPoints, OralExamPoints,
//   274 SpecialWorkTopic, 275 SpecialWorkMentor, 276 SpecialWorkCounts,
//   277..279 the three special-work points, 280 InternalRemarks,
//   281 CertificateRemarks, 282..285 the four ProjectCourses,
//   286 ProjectCoursesHoldSpecialWork.
// Flags are "ja" for 1 and "nein" otherwise. Texts are written as stored
// (no trimming), without ";", CR and LF; the char arrays up to their first
// zero byte. Rows 13 and 14 of the course tables are not exported.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/student_table.h"

namespace tolka::exchange {

inline constexpr size_t kAllDataFieldCount = 286;

// The 286 fields of one record, already export fields.
std::vector<std::string> AllDataFields(const core::StudentRecord& record);

// One line: the fields, ";" between them, CR LF at the end.
std::string AllDataLine(const core::StudentRecord& record);

// The lines of the slots 0..34 that are not free, in slot order; empty when
// every slot is free.
std::string AllDataExport(const core::StudentTable& table);

}  // namespace tolka::exchange
