// Print control tables (`FormatSteuerTabelle`, files *.FST): where each
// variable field of a certificate goes, in which print font, on which
// logical page, and whether it is printed. Plain text, one value a line,
// Windows-1252, CR LF:
//   line 1  the title (shown in every sheet prompt)
//   line 2  ignored ("=============")
//   then 211 blocks of 7 lines: the entry number, x, y, font, page, print,
//   and a separator line ("- - - - -", ignored).
// A number line may carry a comment after the number (separated by a blank
// or a tab); blank and empty lines before a number are skipped; a value
// keeps its low 16 bits (65536 reads as 0, -1 as 65535). A table found
// nowhere is written as a template into the data directory.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "core/directories.h"
#include "print/print_primitives.h"

namespace tolka::print {

inline constexpr size_t kFormatEntryCount = 211;  // entries 0..210
inline constexpr const char* kUnnamedTableTitle = "- - ???";
// The template's title and the warning after a table whose entry numbers
// are out of sequence or that ends early (Windows-1252).
const char* TemplateTitle();
const char* FormatTableWarning();

struct FormatTable {
  std::string Title;
  std::array<FormatEntry, kFormatEntryCount> Entries{};
  const FormatEntry& operator[](size_t i) const { return Entries.at(i); }
  FormatEntry& operator[](size_t i) { return Entries.at(i); }
};

struct ParsedFormatTable {
  FormatTable Table;
  bool NumbersOutOfSequence = false;  // an entry number differs from its place
  bool EndedEarly = false;            // the file ends before the 211th block
  bool Warning() const { return NumbersOutOfSequence || EndedEarly; }
};

// Reads a table's text. Entries the text does not reach stay all zero. A
// line where a number belongs that holds none (a word, binary garbage, a
// number run into letters) throws IoError naming `file_label` and the line:
// "Fehler in der Steuerdatei NAME, Zeile N: Zahl erwartet".
ParsedFormatTable ParseFormatTable(const std::string& text, const std::string& file_label);

// The table written when none is found (title TemplateTitle()).
FormatTable FormatTableTemplate();
// The file text of `table` (the writing rules: unsigned decimals, CR LF).
std::string FormatTableText(const FormatTable& table);

struct LoadedFormatTable {
  ParsedFormatTable Parsed;
  std::filesystem::path Path;  // the file read, or the template written
  bool TemplateWritten = false;
};

// `LoadFormatTable`: the bare file name (e.g. "1TLK_ABS.FST") is looked for
// in the data directory, then the program directory (any letter case);
// without either the template is written atomically into the data
// directory and used. Throws IoError for an unreadable or damaged file and
// for a template that cannot be written.
LoadedFormatTable LoadFormatTable(const std::string& name, const core::Directories& dirs);

}  // namespace tolka::print
