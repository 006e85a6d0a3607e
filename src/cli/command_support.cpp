#include "cli/command_support.h"

#include <cerrno>
#include <system_error>

#include "app/data_file_lock.h"
#include "cli/cli_error.h"
#include "cli/terminal_text.h"
#include "core/directories.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "core/student_table.h"

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

size_t SlotNumber(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 2 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || std::stoul(text) >= core::kSlotCount) {
    throw UserError("SLOT: eine Platznummer von 0 bis 35 erwartet, nicht \"" + FromUtf8Lossy(text) +
                    "\".");
  }
  return std::stoul(text);
}

void WriteOut(std::FILE* out, const std::string& text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    throw IoError("Ausgabe fehlgeschlagen: " + core::IoErrorText(errno));
  }
}

void SaveDataFile(const fs::path& file, const std::vector<uint8_t>& block) {
  if (auto held = app::HeldByAnotherProgram(file)) {
    throw UserError(*held + "\rNichts wurde geschrieben: schließen Sie die Datei dort zuerst.");
  }
  try {
    core::SaveFileAtomically(file, block);
  } catch (const IoError& e) {
    const std::string message = e.what();
    if (message.find(core::PathText(file)) != std::string::npos) throw;
    throw IoError(core::PathText(file) + ": " + message);
  }
}

}  // namespace tolka::cli
