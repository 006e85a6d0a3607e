#include "settings/name_lists.h"

namespace tolka::settings {}  // namespace tolka::settings
