// The text form that both exports share: Windows-1252 bytes, fields separated
// by ";", every line ended by CR LF, no header, no quoting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolka::exchange {

inline constexpr char kFieldSeparator = ';';
inline constexpr const char* kLineEnd = "\r\n";

// A stored text as an export field: every ";", CR and LF is left out. The
// format has no quoting, so one ";" inside a surname would shift every later
// field of the line for every reader; a line break would split the line.
std::string ExportField(const std::string& text);

// A flag: "ja" for 1, "nein" for any other value.
std::string YesNo(uint16_t flag);

// The fields joined by ";", ended by CR LF. The fields must already be
// export fields.
std::string ExportLine(const std::vector<std::string>& fields);

}  // namespace tolka::exchange
