// The course-choice check: languages, course counts, obligations, weekly
// hours per Aufgabenfeld and the intro-phase test of the advanced courses.
#pragma once

#include "core/student_record.h"
#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// `CheckCourseChoice`: items 10-38 as the course-choice rules decide.
void CheckCourseChoice(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list);

// The grade test of the second foreign language (`ForeignLanguages` row 2):
// begun before grade 8 and kept past grade 9, or begun in grade 9 and kept
// past grade 10 ("--" as `ToGrade` means still taken). A row-2 language that
// fails it is late-beginning.
bool SecondLanguageAcceptableByGrades(const core::ForeignLanguageEntry& row2);

}  // namespace tolka::rules
