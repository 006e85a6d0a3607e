// The text of a person-data import file: its encoding, its lines and the
// columns of a line. Everything here only reads; a problem is returned as the
// refusal text that names the line (and column), numbered from 1, in
// Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolka::exchange {

enum class TextEncoding { Windows1252, Utf8 };

// The lines of an import file as Windows-1252 text, without their line ends.
// Lines end with CR LF or LF; a last line without a line end counts too. A
// file with a UTF-16 byte-order mark or with NUL bytes is refused; a file
// that starts with the UTF-8 byte-order mark, or is valid UTF-8 and holds a
// multi-byte character, is UTF-8 and converted (a character outside
// Windows-1252, or a broken sequence after the mark, is refused naming the
// line); any other file is Windows-1252 as it is.
struct ImportLines {
  std::vector<std::string> Lines;
  TextEncoding Encoding = TextEncoding::Windows1252;
  std::string Refusal;  // empty when the text could be read
};
ImportLines DecodeImportText(const std::vector<uint8_t>& bytes);

// The columns 1..`max_columns` of one line. Columns are separated by ";" or a
// tab. "The rest of the line is empty" is tested before each column, so
// "A;B;" gives two columns and "A;;C" three with an empty second; an empty
// line gives none. A column may be enclosed in double quotes; the quotes are
// not part of its value. Refused (the quote rule would otherwise swallow
// characters and shift every later column): a quote inside an unquoted
// column, a closing quote not followed by a separator or the line end, a
// quote that is not closed (a ";" or tab between quotes ends the column, so
// it leaves the quote unclosed), and a control character anywhere in the
// column.
struct SplitLine {
  std::vector<std::string> Columns;
  std::string Refusal;  // "Spalte K: ..." without the line number
};
SplitLine SplitColumns(const std::string& line, size_t max_columns);

// True when every column is empty or holds only blanks (spreadsheets write
// ";;;;" for an empty row).
bool AllColumnsBlank(const std::vector<std::string>& columns);

}  // namespace tolka::exchange
