#include "exchange/export_file.h"

#include <cstdint>
#include <system_error>
#include <vector>

#include "core/file_io.h"

namespace tolka::exchange {

void WriteExportFile(const std::filesystem::path& path, const std::string& text, ExportMode mode) {
  std::vector<uint8_t> bytes;
  std::error_code ec;
  if (mode == ExportMode::Append && std::filesystem::exists(path, ec)) {
    if (text.empty()) return;
    bytes = core::ReadFileBytes(path);
    if (!bytes.empty() && bytes.back() != '\n') {
      if (bytes.back() != '\r') bytes.push_back('\r');
      bytes.push_back('\n');
    }
  }
  bytes.insert(bytes.end(), text.begin(), text.end());
  core::SaveFileAtomically(path, bytes);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

std::string ExportOntoDataFileMessage() {
  return "Die gewählte Datei ist die Daten-Datei, aus der exportiert wird.\rWählen Sie für den "
         "Export eine eigene Textdatei!";
}

}  // namespace tolka::exchange
