#include "settings/settings_passwords.h"

namespace tolka::settings {}  // namespace tolka::settings
