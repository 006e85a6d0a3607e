#include "exchange/export_text.h"

namespace tolka::exchange {

std::string ExportField(const std::string& text) {
  std::string field;
  field.reserve(text.size());
  for (char c : text) {
    if (c != kFieldSeparator && c != '\r' && c != '\n') field += c;
  }
  return field;
}

std::string YesNo(uint16_t flag) { return flag == 1 ? "ja" : "nein"; }

std::string ExportLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += kFieldSeparator;
    line += fields[i];
  }
  line += kLineEnd;
  return line;
}

}  // namespace tolka::exchange
