// The student table as JSON and back, field by field: every field of the
// `StudentRecord` under its own name, numbers for flags and codes (u16),
// UTF-8 strings for the texts (Windows-1252 in the record), arrays for the
// repeated parts:
//
//   {"protected": bool, "slots": [36 record objects]}
//
// `ForeignLanguages` 4 objects (`Subject`, `FromGrade`, `ToGrade`),
// `IntroPhase` 17 (`Subject`, `Mark1`, `Mark2`), `CourseChoices` 15
// (`Subject`, `ExamSubject`, `AdvancedCourse`), `CourseResults` 15
// (`SubjectCopy`, `SemesterPoints` 4 texts, `WrittenExamPoints`,
// `OralExamPoints`, `Credited` 4 numbers, `CompetenceFlag`), `ProjectCourses`
// 4 texts. The char[N] texts (`SpecialWorkTopic`, `InternalRemarks`,
// `CertificateRemarks`) end at their first zero byte and hold at most N - 1
// characters; line breaks stay CR LF.
//
// Reading JSON applies what it gives onto records that already hold their
// initial values: any subset of the fields, arrays element by element from
// index 0 (a shorter array leaves the rest). Every problem is reported with
// the path of the field, e.g.
//   "slots[3].CourseResults[2].SemesterPoints[1]: Text länger als 2 Zeichen".
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/student_record.h"
#include "core/student_table.h"

namespace tolka::cli {

// Keys keep the record's order in the output.
using Json = nlohmann::ordered_json;

Json RecordToJson(const core::StudentRecord& record);
Json TableToJson(const core::StudentTable& table, bool is_protected);

// One problem of a JSON document: "path: reason" (Windows-1252).
using JsonErrors = std::vector<std::string>;

// Applies a record object onto `record`. `path` names the object in the
// messages ("slots[3]"); `extra_keys` are keys the caller handles itself
// (they are not reported as unknown). Appends every problem to `errors`;
// fields without a problem are applied even when others have one, so the
// caller discards the record when `errors` grew.
void ApplyRecordJson(const Json& object, core::StudentRecord& record, const std::string& path,
                     JsonErrors& errors, const std::vector<std::string>& extra_keys = {});

// Applies a whole document onto `table`: "slots" (at most 36 objects, each
// for the slot of its "slot" key, 0..35, else of its position; a slot named
// twice is an error), "protected" (a bool, ignored: it belongs to the file,
// not to the records). Returns every problem; `table` is changed only when
// there is none.
JsonErrors ApplyTableJson(const Json& document, core::StudentTable& table);

// Parses the UTF-8 text of a JSON file. A syntax error, ill-formed UTF-8 or a
// key given twice in one object throws UserError naming `source` and the
// line and column.
Json ParseJsonText(const std::string& text, const std::string& source);

}  // namespace tolka::cli
