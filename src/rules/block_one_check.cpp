#include "rules/block_one_check.h"

namespace tolka::rules {}  // namespace tolka::rules
