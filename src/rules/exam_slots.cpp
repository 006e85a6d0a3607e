#include "rules/exam_slots.h"

namespace tolka::rules {}  // namespace tolka::rules
