#include "rules/course_choice_check.h"

namespace tolka::rules {}  // namespace tolka::rules
