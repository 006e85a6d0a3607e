#include "rules/check_item_table.h"

namespace tolka::rules {}  // namespace tolka::rules
