// What every command of the command-line tool needs: its program
// directory, the SLOT operand and writing to standard output.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

// Writes a data file for a command (new, load, run --write, import): refused
// with UserError while a running desktop program holds the file open (its
// lock file), since that program's next save would undo the change; an
// IoError names the file.
void SaveDataFile(const std::filesystem::path& file, const std::vector<uint8_t>& block);

}  // namespace tolka::cli
