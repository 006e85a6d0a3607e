#include "rules/grade.h"

namespace tolka::rules {}  // namespace tolka::rules
