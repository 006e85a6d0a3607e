#include "settings/subject_catalogue.h"

namespace tolka::settings {}  // namespace tolka::settings
