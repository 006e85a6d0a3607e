#include "settings/school_data.h"

namespace tolka::settings {}  // namespace tolka::settings
