// `GeneralSettings`: the school-wide options, one 84-byte record stored in
// `ABIEINST.DAT` with the backup `ABIEINST.BAK`. In memory `ConfigPassword`
// is plain text; in the file its characters are scrambled with `PasswordKey`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_fields.h"
#include "core/directories.h"

namespace tolka::settings {

namespace general_layout {
inline constexpr size_t kMultiLevelSecurity = 0;
inline constexpr size_t kAlwaysEncrypt = 2;
inline constexpr size_t kCertificatePrinting = 4;
inline constexpr size_t kPlaceDate = 6;  // string[40]; 47 padding
inline constexpr size_t kDifferentiatedSport = 48;
inline constexpr size_t kReserveS1 = 50;
inline constexpr size_t kIgnoreExamHints = 52;
inline constexpr size_t kPrintCorrectionCorner = 54;
inline constexpr size_t kConfigPassword = 56;  // string[15]
inline constexpr size_t kEncryptData = 72;
inline constexpr size_t kPredecessorAsTemplate = 74;
inline constexpr size_t kCentralLists = 76;
inline constexpr size_t kCentralSettings = 78;
inline constexpr size_t kPasswordLength = 80;
inline constexpr size_t kPublisher = 82;
inline constexpr size_t kRecordSize = 84;
static_assert(kPlaceDate + 41 + 1 == kDifferentiatedSport);
static_assert(kConfigPassword + 16 == kEncryptData);
static_assert(kPublisher + 2 == kRecordSize);
}  // namespace general_layout

inline constexpr const char* kGeneralSettingsFileName = "ABIEINST.DAT";
inline constexpr const char* kGeneralSettingsBackupName = "ABIEINST.BAK";

struct GeneralSettings {
  uint16_t MultiLevelSecurity = 0;
  uint16_t AlwaysEncrypt = 0;
  uint16_t CertificatePrinting = 0;
  std::string PlaceDate;  // string[40]
  uint16_t DifferentiatedSport = 0;
  uint16_t ReserveS1 = 0;
  uint16_t IgnoreExamHints = 0;
  uint16_t PrintCorrectionCorner = 0;
  std::string ConfigPassword;  // plain text in memory
  uint16_t EncryptData = 0;
  uint16_t PredecessorAsTemplate = 1;
  uint16_t CentralLists = 1;
  uint16_t CentralSettings = 1;
  uint16_t PasswordLength = 6;
  uint16_t Publisher = 1;  // radio group "Verlag", 0..7
  std::array<uint8_t, general_layout::kRecordSize> carried{};
};

// The `ProtectedOptions` as remembered at the last load.
struct ProtectedOptions {
  uint16_t MultiLevelSecurity = 0;
  uint16_t AlwaysEncrypt = 0;
  uint16_t ReserveS1 = 0;
  uint16_t IgnoreExamHints = 0;
  uint16_t PrintCorrectionCorner = 0;
  uint16_t CertificatePrinting = 0;
  uint16_t DifferentiatedSport = 0;
  std::string PlaceDate;
  bool operator==(const ProtectedOptions&) const = default;
};
ProtectedOptions ProtectedOptionsOf(const GeneralSettings& settings);
void SetProtectedOptions(GeneralSettings& settings, const ProtectedOptions& options);

// Decodes the file's record and unscrambles the password. Throws IoError
// (damaged) when `PasswordLength` exceeds 15.
GeneralSettings DecodeGeneralSettings(core::ConstBytes bytes);
// Encodes with the password scrambled (a copy: `settings` keeps the plain
// password) and `PasswordLength` set from it.
std::vector<uint8_t> EncodeGeneralSettings(const GeneralSettings& settings);

// The load outcome the caller needs: where the record came from and the
// message to show, if any.
struct GeneralSettingsLoad {
  ProtectedOptions Loaded;  // remembered state for the window
  std::string Message;      // non-empty: show it (error icon)
};

// `LoadGeneralSettings` with its fall-back order: ABIEINST.DAT in the
// settings directory, in the program directory, then ABIEINST.BAK in both,
// then the built-in defaults. The backup is written only after a complete
// read, beside the file that was read. A main file that cannot be read whole
// falls back to its backup, with the message.
GeneralSettingsLoad LoadGeneralSettings(GeneralSettings& settings, core::Directories& dirs);

// `SaveGeneralSettings`: writes ABIEINST.DAT in the settings directory.
// Throws IoError; the plain password stays in memory either way.
void SaveGeneralSettings(GeneralSettings& settings, core::Directories& dirs);

// The built-in default configuration password (six lower-case letters).
std::string DefaultConfigPassword();

}  // namespace tolka::settings
