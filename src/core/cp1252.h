// Conversion between the Windows-1252 bytes that the core keeps and UTF-8,
// used once at the boundaries (Qt, JSON, the terminal).
#pragma once

#include <optional>
#include <string>

namespace tolka::core {

// Every byte has a meaning in Windows-1252 here: the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same number, as the platform does, so a conversion round
// trip never loses a byte of a stored text.
std::string Cp1252ToUtf8(const std::string& text);

// Returns nothing when `utf8` is not valid UTF-8 or holds a character that
// Windows-1252 cannot store.
std::optional<std::string> Utf8ToCp1252(const std::string& utf8);

// True when the Unicode code point can be stored as one Windows-1252 byte.
bool IsCp1252Representable(char32_t code_point);

}  // namespace tolka::core
