#include "rules/project_course_check.h"

namespace tolka::rules {}  // namespace tolka::rules
