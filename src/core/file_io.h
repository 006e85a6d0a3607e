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

namespace tolka::core {

namespace fs = std::filesystem;

// The runtime's messages (Windows-1252).
inline constexpr const char* kReadPastEnd = "Versuch hinter dem Dateiende zu lesen";
inline constexpr const char* kAccessDenied = "Dateizugriff verweigert";
inline constexpr const char* kFileNotFound = "Datei nicht gefunden";
extern const char* const kWrongSize;

// "Datei nicht gefunden", "Dateizugriff verweigert" or "E/A-Fehler %d" for an
// errno value.
std::string IoErrorText(int error_number);

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
// Throws IoError with the runtime's text.
std::vector<uint8_t> ReadFileBytes(const fs::path& path, size_t max_size = 0);

// Reads exactly `size` bytes from the start of the file; a shorter file
// throws IoError("Versuch hinter dem Dateiende zu lesen").
std::vector<uint8_t> ReadExactly(const fs::path& path, size_t size);

// Size of a file in bytes; throws IoError.
uintmax_t FileSizeOf(const fs::path& path);

// Writes `bytes` as the whole new content of `path`: a temporary file in the
// same directory, flushed, then renamed over the target. On any failure the
// old file is as it was and IoError is thrown.
void SaveFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes);

// Deletes a file if it exists; throws IoError when it cannot.
void RemoveFileIfExists(const fs::path& path);

// A path as a Windows-1252 text for a message (characters the code page
// lacks become '?').
std::string PathText(const fs::path& path);

}  // namespace tolka::core
