#include "print/print_settings.h"

namespace tolka::print {}  // namespace tolka::print
