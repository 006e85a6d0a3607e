#include "app/startup.h"

namespace tolka::app {}  // namespace tolka::app
