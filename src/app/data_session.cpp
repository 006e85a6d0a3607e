#include "app/data_session.h"

namespace tolka::app {}  // namespace tolka::app
