// File access for the fixed binary blocks and the text lists: reading with
// the runtime's German error texts, saving through a temporary file so a
// failed save never leaves a truncated file, and finding the system's fixed
// file names whatever their case on a case-sensitive file system.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/io_error.h"

namespace tolka::core {

namespace fs = std::filesystem;

extern const char* const kWrongSize;  // "Datei hat falsche Größe!"

// The cause of a failure in German for an errno value: "Datei nicht
// gefunden", "Zugriff verweigert", "Der Datenträger ist voll", ... (an
// unknown value as "Ein-/Ausgabefehler (Nr. %d)").
std::string IoErrorText(int error_number);

// The IoError of a failed read or write of `path`: the message names the
// file and the cause ("Keine Schreibberechtigung für ...", "Der Datenträger
// ist voll: ... konnte nicht gespeichert werden."); Cause() is
// IoErrorText(error_number).
enum class IoAccess { Read, Write };
IoError FileError(int error_number, const fs::path& path, IoAccess access);

// The IoError of a file shorter than its fixed block: "Die Datei ... ist zu
// kurz (falsche Größe)."
IoError TooShortError(const fs::path& path);

// True when `path` may not be written: an existing file without write
// permission (also a file whose write bits are all cleared, which a
// privileged user could write but which its owner marked read-only), or a
// file whose directory may not be written (the atomic save needs to create
// its temporary file there).
bool IsWriteProtected(const fs::path& path);

// `dir` / `name` when it exists; otherwise a directory entry whose name
// equals `name` ignoring ASCII case (files copied from another system);
// otherwise nothing. The exact spelling wins over other spellings.
std::optional<fs::path> FindFile(const fs::path& dir, const std::string& name);

// True when FindFile finds the file.
bool FileExists(const fs::path& dir, const std::string& name);

// The path to write `name` in `dir`: an existing file of another case is
// replaced in place, a new file gets the system's spelling.
fs::path TargetPath(const fs::path& dir, const std::string& name);

// Reads at most `max_size` bytes (all of the file when max_size is 0).
// Throws IoError (FileError).
std::vector<uint8_t> ReadFileBytes(const fs::path& path, size_t max_size = 0);

// Reads exactly `size` bytes from the start of the file; a shorter file
// throws TooShortError.
std::vector<uint8_t> ReadExactly(const fs::path& path, size_t size);

// Size of a file in bytes; throws IoError.
uintmax_t FileSizeOf(const fs::path& path);

// Writes `bytes` as the whole new content of `path`: a temporary file in the
// same directory, flushed, then renamed over the target. A write-protected
// target (IsWriteProtected) is refused before anything is written: the
// rename would replace a file its owner protected. On any failure the old
// file is as it was, no temporary file is left and IoError is thrown.
void SaveFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes);

// Several files saved as one: the new contents are first written into
// temporary files beside their targets (the steps that can run out of space),
// and only when all of them are complete do they replace their targets one
// after the other. Any write-protected target refuses the whole save before
// anything is written. On failure no temporary file is left, and files that
// were already replaced get their old content back (a file that did not
// exist is removed again); IoError names the failure, and also each file that
// could not be put back.
struct FileContent {
  fs::path Path;
  std::vector<uint8_t> Bytes;
};
void SaveFilesAtomically(const std::vector<FileContent>& files);

// Deletes a file if it exists; throws IoError when it cannot.
void RemoveFileIfExists(const fs::path& path);

// A path as a Windows-1252 text for a message (characters the code page
// lacks become '?').
std::string PathText(const fs::path& path);

}  // namespace tolka::core
