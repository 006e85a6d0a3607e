#include "rules/course_crediting.h"

namespace tolka::rules {}  // namespace tolka::rules
