#include "settings/general_settings.h"

namespace tolka::settings {}  // namespace tolka::settings
