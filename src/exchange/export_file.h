// Writing an export file. The new content goes to a temporary file in the
// target directory that then replaces the target, so a failed export (a full
// disk, a missing permission) leaves an existing file as it was, with none of
// the new lines half written.
#pragma once

#include <filesystem>
#include <string>

namespace tolka::exchange {

enum class ExportMode {
  Create,  // the file becomes `text` (an existing file is replaced)
  Append,  // `text` follows the file's old content (a missing file is created)
};

// Writes `text` (Windows-1252 lines ended by CR LF) to `path`. Appending
// reads the old content first and, when it does not end with a line end,
// adds CR LF (or the LF of a lone final CR) so the first new line does not
// run into the last old one; appending an empty text leaves the file
// untouched. Throws IoError with the runtime's text.
void WriteExportFile(const std::filesystem::path& path, const std::string& text, ExportMode mode);

// True when both paths name one existing file. An export onto the data file
// it reads (typed over the "*.TXT" filter) would append text to the binary
// table; the commands refuse it with ExportOntoDataFileMessage().
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);
std::string ExportOntoDataFileMessage();

}  // namespace tolka::exchange
