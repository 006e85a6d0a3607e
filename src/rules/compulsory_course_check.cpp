#include "rules/compulsory_course_check.h"

namespace tolka::rules {}  // namespace tolka::rules
