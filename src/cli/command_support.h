// What every command of the command-line tool needs: its program
// directory, the SLOT operand and writing to standard output.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/command_line.h"

namespace tolka::cli {

// "--program-dir" when given (it must exist, else UserError), else the
// directory beside the executable when it is writable, else the user's data
// directory (core::DefaultProgramDirectory).
std::filesystem::path ProgramDirectory(const CommandLine& line,
                                       const std::filesystem::path& executable_dir);

// SLOT: a decimal slot number 0..35; UserError otherwise.
size_t SlotNumber(const std::string& text);

// Writes `text` and flushes; a failed write is an IoError, never a silent
// success.
void WriteOut(std::FILE* out, const std::string& text);

}  // namespace tolka::cli
