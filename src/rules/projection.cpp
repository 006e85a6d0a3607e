#include "rules/projection.h"

namespace tolka::rules {}  // namespace tolka::rules
