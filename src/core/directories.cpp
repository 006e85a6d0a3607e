#include "core/directories.h"

#include <unistd.h>

#include <cstdlib>

namespace tolka::core {

Directories Directories::AllAt(const std::filesystem::path& program) {
  return {program, program, program, program};
}

void Directories::ReevaluateSettings(bool central_settings) {
  Settings = central_settings ? Program : Data;
}

void Directories::ReevaluateLists(bool central_lists) { Lists = central_lists ? Program : Data; }

bool IsInstalledProgram(const std::filesystem::path& executable_dir) {
  std::error_code ec;
  return std::filesystem::is_directory(executable_dir / ".." / "share" / "tolka", ec);
}

std::filesystem::path DefaultProgramDirectory(const std::filesystem::path& executable_dir) {
  // An installed program never keeps settings beside its executable, even
  // when the folder is writable (root starting /usr/bin/tolka).
  if (!IsInstalledProgram(executable_dir) && ::access(executable_dir.c_str(), W_OK) == 0) {
    return executable_dir;
  }
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    return executable_dir;
  }
  std::error_code ec;
  std::filesystem::create_directories(base / "Tolka", ec);
  return ec ? executable_dir : base / "Tolka";
}

}  // namespace tolka::core
