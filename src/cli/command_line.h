// The command line of tolka-cli:
//
//   tolka-cli [--program-dir DIR] COMMAND ARGUMENTS [OPTIONS]
//
// Long options only, as "--name VALUE" or "--name=VALUE", anywhere after the
// program name; "--" ends the options. "--help" (or "-h") anywhere before
// "--" asks for the usage text and wins over every other problem.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/data_cipher.h"

namespace tolka::cli {

enum class Command {
  New,
  Dump,
  Load,
  SchoolPasswords,
  Run,
  ExportAll,
  ExportResults,
  Import,
  Print
};

struct CommandLine {
  bool Help = false;
  Command Which = Command::Dump;
  // The command's arguments: new, dump FILE.TLK; load JSON FILE.TLK.
  std::vector<std::string> Operands;
  std::optional<std::filesystem::path> ProgramDir;
  std::optional<std::string> Password;  // as typed (UTF-8)
  core::CipherVariant Variant = core::CipherVariant::Neu;
  bool Write = false;  // run: save the write-back ("--write", takes no value)
  // export-all, export-results: append to an existing file ("--append").
  bool Append = false;
  // import: the configuration file ("--config") and the first slot ("--slot",
  // as typed; checked by the command).
  std::optional<std::filesystem::path> Config;
  std::optional<std::string> Slot;
  std::optional<std::filesystem::path> Pdf;  // print: the PDF file to write ("--pdf")
  // print: a report sheet from SLOT up to the first free slot ("--all"),
  // and one PDF per student into a directory ("--pdf-dir").
  bool All = false;
  std::optional<std::filesystem::path> PdfDir;
};

// `args` are the arguments after the program name. Throws UserError for an
// unknown command or option, an option the command does not take, an option
// given twice or without its value, a wrong "--variant" or a wrong number of
// arguments.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text for "--help" (Windows-1252).
std::string UsageText();

}  // namespace tolka::cli
