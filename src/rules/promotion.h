// Promotion from the introductory phase (grade 11) to the qualification
// phase: the main subjects (German, mathematics, first and second foreign
// language) and the nine best further subjects, the failing marks and the
// compensation of one "5" ("Notenausgleich").
#pragma once

#include <string>

#include "rules/check_result_list.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

extern const char* const kPromotionSkippedMessage;

struct PromotionResult {
  // The student skipped the intro phase or was promoted by the conference:
  // nothing is checked and the flags stay as they are.
  bool Skipped = false;
  uint16_t CompensationAllowable = 0;
  uint16_t PromotableToQualPhase = 0;
};

// The promotion check on the intro-phase marks of the work area; raises
// items 120-127. The caller writes both flags into the stored record unless
// the check was skipped.
PromotionResult CheckPromotion(const RuleContext& ctx, const RuleWorkArea& area,
                               CheckResultList& list);

}  // namespace tolka::rules
