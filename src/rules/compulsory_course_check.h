// The count of credited compulsory courses (§35), also used by the crediting
// of compulsory courses to learn which obligations are already met.
#pragma once

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// Which obligations the current credit marks meet.
struct Obligations {
  bool ExamCoursesCredited = false;      // item 40: every exam-subject semester credited
  bool BasicExamSubjects = false;        // item 52
  bool AdvancedExamSubjects = false;     // item 53
  bool German = false;                   // item 54
  bool Mathematics = false;              // item 55
  bool ForeignLanguage = false;          // item 56
  bool NaturalScience = false;           // item 57
  bool History = false;                  // item 51
  bool ArtMusic = false;                 // item 58
  bool SocialSciencePhilosophy = false;  // item 59
  bool ReligionPhilosophy = false;       // item 60
  bool LateSecondLanguage = false;       // item 61
};

// `CheckCompulsoryCourses`: decides the obligations; with `reporting` it
// raises the item of every obligation not met.
Obligations CheckCompulsoryCourses(const RuleContext& ctx, const RuleWorkArea& area,
                                   CheckResultList& list, bool reporting);

}  // namespace tolka::rules
