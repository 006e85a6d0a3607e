#include "cli/terminal_text.h"

#include "core/cp1252.h"

namespace tolka::cli {

std::string ToTerminal(const std::string& cp1252) {
  std::string lines;
  lines.reserve(cp1252.size());
  for (size_t i = 0; i < cp1252.size(); ++i) {
    if (cp1252[i] == '\r') {
      lines += '\n';
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
    } else {
      lines += cp1252[i];
    }
  }
  return core::Cp1252ToUtf8(lines);
}

std::string FromUtf8Lossy(const std::string& utf8) {
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    size_t length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    bool well_formed = i + length <= utf8.size() && (lead < 0x80 || lead >= 0xC0);
    for (size_t k = 1; well_formed && k < length; ++k) {
      well_formed = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    }
    if (!well_formed) {
      out += '?';
      ++i;
      continue;
    }
    const auto one = core::Utf8ToCp1252(utf8.substr(i, length));
    out += one && one->size() == 1 ? *one : std::string("?");
    i += length;
  }
  return out;
}

void PrintMessage(std::FILE* stream, const std::string& cp1252) {
  const std::string text = ToTerminal(cp1252) + "\n";
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace tolka::cli
