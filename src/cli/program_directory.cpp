#include "cli/program_directory.h"

#include <system_error>

#include "cli/cli_error.h"
#include "core/directories.h"
#include "core/file_io.h"

namespace tolka::cli {

namespace fs = std::filesystem;

fs::path ProgramDirectory(const CommandLine& line, const fs::path& executable_dir) {
  if (!line.ProgramDir) return core::DefaultProgramDirectory(executable_dir);
  const fs::path dir = fs::absolute(*line.ProgramDir);
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    throw UserError("--program-dir: " + core::PathText(dir) + ": Verzeichnis nicht gefunden");
  }
  return dir;
}

}  // namespace tolka::cli
