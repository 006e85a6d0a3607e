// The commands of tolka-cli. Each runs to its end or throws: UserError or
// tolka::IoError for what the user can mend (exit code 1), anything else is
// an internal error. Nothing is written unless the whole command succeeds,
// and files are written only through core::SaveFileAtomically.
#pragma once

#include <cstdio>
#include <filesystem>

#include "cli/command_line.h"

namespace tolka::cli {

// Runs the command of `line`. `executable_dir` is where the program lies (the
// program directory unless "--program-dir" names another); the JSON of dump
// goes to `out`, messages of the start-up to `messages`.
void RunCommand(const CommandLine& line, const std::filesystem::path& executable_dir,
                std::FILE* out, std::FILE* messages);

// dump: the table of a data file as JSON, deciphered with `password` when
// the file is protected. Reads only; a wrong or missing password throws
// UserError with the message of the password test and prints nothing.
void DumpCommand(const std::filesystem::path& file, const std::optional<std::string>& password,
                 core::CipherVariant variant, std::FILE* out);

}  // namespace tolka::cli
