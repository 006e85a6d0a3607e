// The errors of the command-line tool that are the user's to mend: a wrong
// command line, a JSON file that does not fit the record, a wrong data
// password. They end the command with exit code 1, like an IoError; the text
// is German, Windows-1252, "\r" a line break.
#pragma once

#include <stdexcept>
#include <string>

namespace tolka::cli {

// The wrong-password message of the command-line tool: the program's warning
// about saving data shown enciphered does not apply here, where nothing is
// ever written from data that could not be deciphered.
inline constexpr const char* kCliWrongPassword =
    "Das angegebene Passwort ist falsch: die Daten können nicht entschlüsselt werden.";

inline constexpr const char* kPasswordMissing =
    "Die Datei ist mit einem Daten-Passwort geschützt: geben Sie es mit --password an.";

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tolka::cli
