#include "rules/block_computation.h"

namespace tolka::rules {}  // namespace tolka::rules
