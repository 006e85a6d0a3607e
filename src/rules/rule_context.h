// What every check and computation reads besides the work area: the subject
// catalogue, the exam settings and the general settings.
#pragma once

#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {

struct RuleContext {
  const settings::SubjectCatalogue& Catalogue;
  const settings::ExamSettings& Exam;
  const settings::GeneralSettings& General;

  const settings::SubjectEntry& Subject(size_t k) const { return Catalogue.Entries.at(k); }
};

}  // namespace tolka::rules
