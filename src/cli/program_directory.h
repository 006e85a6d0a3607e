// The program directory of a command: "--program-dir" when given (it must
// exist), else the directory beside the executable when it is writable, else
// the user's data directory (core::DefaultProgramDirectory).
#pragma once

#include <filesystem>

#include "cli/command_line.h"

namespace tolka::cli {

// Throws UserError when "--program-dir" names no directory.
std::filesystem::path ProgramDirectory(const CommandLine& line,
                                       const std::filesystem::path& executable_dir);

}  // namespace tolka::cli
