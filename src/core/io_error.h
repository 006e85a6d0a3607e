// The one exception type of the core: an input/output failure that ends a
// command. It carries the German text that the user sees (Windows-1252),
// which names the file and the cause; the front end catches it where it
// dispatches the command and shows it. Cause() is the cause alone, for a
// caller whose own message already names the file.
#pragma once

#include <stdexcept>
#include <string>

namespace tolka {

class IoError : public std::runtime_error {
 public:
  explicit IoError(const std::string& message) : std::runtime_error(message), cause_(message) {}
  IoError(const std::string& message, const std::string& cause)
      : std::runtime_error(message), cause_(cause) {}

  const std::string& Cause() const { return cause_; }

 private:
  std::string cause_;
};

}  // namespace tolka
