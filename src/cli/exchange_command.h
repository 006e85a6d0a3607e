// tolka-cli export-all, export-results and import: the data-exchange
// commands of the menu "Werkzeuge" on a data file.
//
//   tolka-cli export-all DATEI.TLK AUSGABE.TXT [--password P] [--append]
//   tolka-cli export-results DATEI.TLK AUSGABE.TXT [--password P] [--append]
//   tolka-cli import DATEI.TLK EINGABE.TXT [--config IMPORT.CFG] [--slot N]
//                    [--password P]
//
// The exports read the data file only; an existing AUSGABE.TXT is refused
// unless --append is given. export-results uses the settings the program
// would use for the file (start-up from the program directory, then the
// file's directory). import takes its configuration from --config, else
// from "IMPORT.CFG" in the program directory, else the built-in one; it
// writes the data file only when the whole input was accepted, names on
// stderr the slots that held a student and the lines whose joined text was
// cut, and prints a summary on stdout. Every error: exit code 1 with the
// German message, nothing written.
#pragma once

#include <cstdio>
#include <filesystem>

#include "cli/command_line.h"

namespace tolka::cli {

void ExportAllCommand(const CommandLine& line, const std::filesystem::path& executable_dir);
void ExportResultsCommand(const CommandLine& line, const std::filesystem::path& executable_dir,
                          std::FILE* messages);
void ImportCommand(const CommandLine& line, const std::filesystem::path& executable_dir,
                   std::FILE* out, std::FILE* messages);

}  // namespace tolka::cli
