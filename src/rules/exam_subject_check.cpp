#include "rules/exam_subject_check.h"

namespace tolka::rules {}  // namespace tolka::rules
