// tolka-cli print: a certificate of one student as a PDF file.
//
//   tolka-cli print DATEI.TLK SLOT DOKUMENT --pdf AUSGABE.pdf
//                   [--password P] [--variant neu|alt]
//
// DOKUMENT: abitur-certificate, fhr-certificate-1 .. fhr-certificate-3.
// Exactly the desktop command: the same checks, settings, control tables
// (the data directory is the directory of DATEI.TLK, then the program
// directory) and FHRINFO.DAT; every question is answered Yes/OK, every sheet
// prompt OK. One PDF page per sheet, in order; the file appears only when
// the whole document was rendered (temporary file, then renamed).
// Outcomes:
//   - checks that block printing: the findings as the `run` JSON on stdout,
//     exit code 1, no file;
//   - "Zeugnisdruck möglich" off: its message, exit code 1, no file;
//   - print mode 0: a note on stderr, exit code 0, no file;
//   - a template just written, a table with faults, a damaged FHRINFO.DAT:
//     a note on stderr, printing goes on;
//   - a damaged control table: exit code 1 with the file and line, no file;
//   - an unknown DOKUMENT or SLOT: exit code 1.
#pragma once

#include <cstdio>
#include <filesystem>

#include "cli/command_line.h"

namespace tolka::cli {

void PrintCommand(const CommandLine& line, const std::filesystem::path& executable_dir,
                  std::FILE* out, std::FILE* messages);

}  // namespace tolka::cli
