// `ImportConfig`: which column of an import line feeds which record field,
// and whether the column replaces or extends the field. Kept in the binary
// file "IMPORT.CFG" in the program directory: up to 21 entries of 6 bytes, no
// header. Entry 0 is not used; entries 1..20 describe the columns 1..20 of a
// line in order.
//
// Entry layout (offsets inside the entry):
//   0  u16        FieldCode (table below; 0 and unknown codes skip the column)
//   2  string[3]  JoinText (length byte + 3 characters)
//
// FieldCode: 1 Surname, 2 GivenNames, 3 BirthDate, 4 BirthPlace,
// 5 Salutation, 6 Residence, 7 Residence extending (an empty JoinText means
// ", "), 8 ClassName. JoinText (codes 1, 2, 4, 6, 7, 8): empty replaces the
// field with the column; "++" appends the column directly; any other text
// appends it after the join text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_fields.h"

namespace tolka::exchange {

inline constexpr const char* kImportConfigFileName = "IMPORT.CFG";

namespace import_layout {
inline constexpr size_t kFieldCode = 0;  // u16
inline constexpr size_t kJoinText = 2;   // string[3]
inline constexpr size_t kJoinTextCapacity = 3;
inline constexpr size_t kEntrySize = 6;  // 2 + (1 + 3)
inline constexpr size_t kEntryCount = 21;
inline constexpr size_t kFileSize = kEntryCount * kEntrySize;  // 126
static_assert(kJoinText + 1 + kJoinTextCapacity == kEntrySize);
static_assert(kFileSize == 126);
}  // namespace import_layout

// Entries 1..20 are the columns 1..20.
inline constexpr size_t kImportColumnCount = import_layout::kEntryCount - 1;

enum FieldCode : uint16_t {
  kSkipColumn = 0,
  kSurnameCode = 1,
  kGivenNamesCode = 2,
  kBirthDateCode = 3,
  kBirthPlaceCode = 4,
  kSalutationCode = 5,
  kResidenceCode = 6,
  kResidenceExtendingCode = 7,
  kClassNameCode = 8,
};
inline constexpr uint16_t kHighestFieldCode = kClassNameCode;

// "++": the column follows the present text directly.
inline constexpr const char* kAppendDirectly = "++";
// Code 7 with an empty join text.
inline constexpr const char* kDefaultResidenceJoin = ", ";

struct ImportEntry {
  uint16_t FieldCode = kSkipColumn;
  std::string JoinText;  // at most 3 characters
  // The entry's bytes as read, so the meaningless bytes after a short join
  // text survive a read and write of the window.
  std::array<uint8_t, import_layout::kEntrySize> carried{};
};

struct ImportConfig {
  std::array<ImportEntry, import_layout::kEntryCount> Entries;  // [0] unused

  const ImportEntry& Column(size_t column) const { return Entries.at(column); }
};

// Reads the entries from the bytes of the file: reading stops at the end of
// the bytes or after 21 entries, missing entries count as code 0, bytes
// after the 21st entry are ignored. A length byte of a join text above 3
// reads as 3. A file that ends inside an entry is damaged: IoError
// "... endet mitten in einem Eintrag (falsche Größe).", as for a read of
// a typed file past its end.
ImportConfig DecodeImportConfig(core::ConstBytes bytes);

// The 126 bytes of all 21 entries.
std::vector<uint8_t> EncodeImportConfig(const ImportConfig& config);

// The built-in configuration used without "IMPORT.CFG": columns 1..8 feed
// Surname, GivenNames, BirthDate, BirthPlace, Salutation, Residence,
// Residence extending, ClassName; every join text empty except entry 3,
// which holds ": " (unused by the birth date); columns 9..20 skipped.
ImportConfig BuiltInImportConfig();

// True when a column 1..20 has a code 1..8.
bool FeedsAnyField(const ImportConfig& config);

// Whether a code uses the join text, and the width of the field it feeds
// (0 for the salutation and codes that feed nothing).
bool UsesJoinText(uint16_t code);
size_t FieldWidth(uint16_t code);

// The configuration the import uses: "IMPORT.CFG" in `dir` (whatever the
// case of its name) or the built-in one. `File` names the file read.
struct LoadedImportConfig {
  ImportConfig Config;
  std::optional<std::filesystem::path> File;
};
LoadedImportConfig LoadImportConfig(const std::filesystem::path& dir);

// Reads a configuration file; throws IoError.
ImportConfig ReadImportConfigFile(const std::filesystem::path& path);

// Writes "IMPORT.CFG" into `dir` through a temporary file; throws IoError.
// Returns the path written.
std::filesystem::path SaveImportConfig(const std::filesystem::path& dir,
                                       const ImportConfig& config);

// The text that refuses a configuration that feeds no field (Windows-1252).
std::string NoFieldFedMessage();

}  // namespace tolka::exchange
