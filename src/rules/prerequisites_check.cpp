#include "rules/prerequisites_check.h"

namespace tolka::rules {}  // namespace tolka::rules
