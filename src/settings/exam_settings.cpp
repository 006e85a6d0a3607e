#include "settings/exam_settings.h"

namespace tolka::settings {}  // namespace tolka::settings
