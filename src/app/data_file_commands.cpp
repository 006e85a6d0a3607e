#include "app/data_file_commands.h"

namespace tolka::app {}  // namespace tolka::app
