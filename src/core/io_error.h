// The one exception type of the core: an input/output failure that ends a
// command. It carries the German text that the user sees (Windows-1252); the
// front end catches it where it dispatches the command and shows it.
#pragma once

#include <stdexcept>
#include <string>

namespace tolka {

class IoError : public std::runtime_error {
 public:
  explicit IoError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tolka
