// tolka-cli print: a certificate, a report sheet or the statistics as a PDF
// file.
//
//   tolka-cli print DATEI.TLK SLOT DOKUMENT --pdf AUSGABE.pdf
//                   [--password P] [--variant neu|alt]
//   tolka-cli print DATEI.TLK SLOT BLATT (--pdf AUSGABE.pdf | --pdf-dir VERZ) [--all]
//
// DOKUMENT: abitur-certificate, fhr-certificate-1 .. fhr-certificate-3.
// BLATT: the report sheet names (data-sheet, ..., extended-data-sheet) or
// statistics (SLOT checked, not used). Report sheets print in every print
// mode and ask nothing; --all prints from SLOT up to the first free slot
// (nothing and a note when SLOT is free), --pdf-dir writes one file per
// student ("07-Mueller.pdf") into an existing directory.
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
