// The errors of the command-line tool that are the user's to mend: a wrong
// command line, a JSON file that does not fit the record, a wrong data
// password. They end the command with exit code 1, like an IoError; the text
// is German, Windows-1252, "\r" a line break.
#pragma once

#include <stdexcept>
#include <string>

namespace tolka::cli {

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tolka::cli
