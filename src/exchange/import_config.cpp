#include "exchange/import_config.h"

#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::exchange {

namespace L = import_layout;

ImportConfig DecodeImportConfig(core::ConstBytes bytes) {
  ImportConfig config;
  for (size_t k = 0; k < L::kEntryCount; ++k) {
    const size_t base = k * L::kEntrySize;
    if (base >= bytes.size()) break;
    if (base + L::kEntrySize > bytes.size())
      throw IoError("IMPORT.CFG endet mitten in einem Eintrag (falsche Größe).",
                    "Die Datei endet mitten in einem Eintrag (falsche Größe)");
    const core::ConstBytes entry_bytes = bytes.subspan(base, L::kEntrySize);
    ImportEntry& entry = config.Entries[k];
    std::copy(entry_bytes.begin(), entry_bytes.end(), entry.carried.begin());
    entry.FieldCode = core::GetU16(entry_bytes, L::kFieldCode);
    entry.JoinText = core::GetShortString(entry_bytes, L::kJoinText, L::kJoinTextCapacity);
  }
  return config;
}

std::vector<uint8_t> EncodeImportConfig(const ImportConfig& config) {
  std::vector<uint8_t> bytes(L::kFileSize, 0);
  for (size_t k = 0; k < L::kEntryCount; ++k) {
    const ImportEntry& entry = config.Entries[k];
    const core::Bytes entry_bytes = core::Bytes(bytes).subspan(k * L::kEntrySize, L::kEntrySize);
    std::copy(entry.carried.begin(), entry.carried.end(), entry_bytes.begin());
    core::PutU16(entry_bytes, L::kFieldCode, entry.FieldCode);
    core::PutShortString(entry_bytes, L::kJoinText, L::kJoinTextCapacity, entry.JoinText);
  }
  return bytes;
}

ImportConfig BuiltInImportConfig() {
  ImportConfig config;
  const uint16_t codes[] = {
      kSurnameCode,    kGivenNamesCode, kBirthDateCode,          kBirthPlaceCode,
      kSalutationCode, kResidenceCode,  kResidenceExtendingCode, kClassNameCode};
  for (size_t column = 1; column <= 8; ++column) {
    config.Entries[column].FieldCode = codes[column - 1];
  }
  config.Entries[3].JoinText = ": ";
  return config;
}

bool FeedsAnyField(const ImportConfig& config) {
  for (size_t column = 1; column <= kImportColumnCount; ++column) {
    const uint16_t code = config.Entries[column].FieldCode;
    if (code >= kSurnameCode && code <= kHighestFieldCode) return true;
  }
  return false;
}

bool UsesJoinText(uint16_t code) {
  switch (code) {
    case kSurnameCode:
    case kGivenNamesCode:
    case kBirthPlaceCode:
    case kResidenceCode:
    case kResidenceExtendingCode:
    case kClassNameCode:
      return true;
    default:
      return false;
  }
}

size_t FieldWidth(uint16_t code) {
  switch (code) {
    case kSurnameCode:
    case kGivenNamesCode:
      return 40;
    case kBirthDateCode:
    case kClassNameCode:
      return 10;
    case kBirthPlaceCode:
    case kResidenceCode:
    case kResidenceExtendingCode:
      return 70;
    default:
      return 0;
  }
}

ImportConfig ReadImportConfigFile(const std::filesystem::path& path) {
  // Only the first 21 entries are read; a longer file keeps its tail.
  const std::vector<uint8_t> bytes = core::ReadFileBytes(path, L::kFileSize);
  return DecodeImportConfig(bytes);
}

LoadedImportConfig LoadImportConfig(const std::filesystem::path& dir) {
  LoadedImportConfig loaded;
  loaded.File = core::FindFile(dir, kImportConfigFileName);
  loaded.Config = loaded.File ? ReadImportConfigFile(*loaded.File) : BuiltInImportConfig();
  return loaded;
}

std::filesystem::path SaveImportConfig(const std::filesystem::path& dir,
                                       const ImportConfig& config) {
  const std::filesystem::path path = core::TargetPath(dir, kImportConfigFileName);
  core::SaveFileAtomically(path, EncodeImportConfig(config));
  return path;
}

std::string NoFieldFedMessage() {
  return "Die Spaltenzuordnung (IMPORT.CFG) ordnet keiner Spalte ein Feld zu:\r"
         "ein Import würde nichts verändern.";
}

}  // namespace tolka::exchange
