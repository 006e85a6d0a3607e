// `GeneralSettings`: the school-wide options, one 84-byte record stored in
// `ABIEINST.DAT` with the backup `ABIEINST.BAK`. In memory `ConfigPassword`
// is plain text; in the file its characters are scrambled with `PasswordKey`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
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

inline constexpr size_t kPlaceDateWidth = 40;
inline constexpr size_t kConfigPasswordWidth = 15;

// `PasswordKey`: byte 0 is the key length (15, the whole password field),
// bytes 1..15 the key bytes. Character i (1-based) of `ConfigPassword` is
// stored as plain XOR key byte i; positions `PasswordLength` + 1 .. 15 hold
// blanks; the length byte of the string stays plain.
using PasswordKeyTable = std::array<uint8_t, 1 + kConfigPasswordWidth>;
const PasswordKeyTable& PasswordKey();

// The radio group "Verlag": item texts for `Publisher` 0..7. Certificate
// printing chooses its form layouts by the value.
extern const std::array<const char*, 8> kPublisherItems;

// A record whose `PasswordLength` exceeds the 15 characters of the password
// field cannot have been written by the program: the file counts as damaged.
extern const char* const kGeneralSettingsDamaged;

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

// Load step 1 and "Standard herstellen": `EncryptData` 0,
// `PredecessorAsTemplate` 1, `CentralLists` 1, `CentralSettings` 1,
// `Publisher` 1. The protected options are not touched.
void SetUnprotectedDefaults(GeneralSettings& settings);

// The settings when no file exists at all: the unprotected defaults, every
// protected option 0, `PlaceDate` empty, the built-in password (length 6).
GeneralSettings DefaultGeneralSettings();

// Decodes the file's record (kRecordSize bytes) and unscrambles characters
// 1..`PasswordLength` of the password. Throws IoError(kGeneralSettingsDamaged)
// when `PasswordLength` exceeds 15.
GeneralSettings DecodeGeneralSettings(core::ConstBytes bytes);
// Encodes with the password (cut to 15) scrambled and `PasswordLength` set
// from it; `settings` keeps the plain password. A password field that already
// holds this password is left as it was, so a record read and written back is
// byte-identical.
std::vector<uint8_t> EncodeGeneralSettings(const GeneralSettings& settings);

// The load outcome the caller needs: where the record came from and the
// message to show, if any.
struct GeneralSettingsLoad {
  ProtectedOptions Loaded;  // remembered state for the window
  std::string Message;      // non-empty: show it (error icon)
};

// `LoadGeneralSettings` with its fall-back order. The settings directory is
// first pointed by the in-memory `CentralSettings` (the value before this
// load). Then, taking the first file that exists and reads whole:
//   1. ABIEINST.DAT in the settings directory (when it exists but is damaged:
//      ABIEINST.BAK beside it),
//   2. ABIEINST.DAT in the program directory (damaged: ABIEINST.BAK beside
//      it),
//   3. ABIEINST.BAK in the settings directory, then in the program directory,
//   4. the built-in defaults (DefaultGeneralSettings).
// A file read from the program directory makes it the settings directory.
// ABIEINST.BAK is written only after a complete read of an ABIEINST.DAT,
// beside it, with the 84 bytes read; so a damaged main file never destroys
// the good backup. A file shorter than 84 bytes, an unreadable one and one
// with `PasswordLength` above 15 count as damaged; a longer file contributes
// its first 84 bytes. Nothing here throws for a file: every failure (also a
// backup that cannot be written) goes into Message, and the settings in
// force are the ones read (or the defaults).
GeneralSettingsLoad LoadGeneralSettings(GeneralSettings& settings, core::Directories& dirs);

// `SaveGeneralSettings`: writes the record through SaveFileAtomically to
// ABIEINST.DAT in `dirs.Settings` as it stands (the menu command evaluates
// it before the window opens and again after it closes, so a changed
// `CentralSettings` is written where the next load looks first). Sets
// `PasswordLength` from the password and refreshes `carried` after the
// write. Throws IoError; the old file and the plain password stay as they
// were.
void SaveGeneralSettings(GeneralSettings& settings, const core::Directories& dirs);
// The same record into ABIEINST.DAT of each of `settings_dirs`, saved
// together (core::SaveFilesAtomically): all files are new or all as they
// were.
void SaveGeneralSettings(GeneralSettings& settings,
                         const std::vector<std::filesystem::path>& settings_dirs);

// The built-in default configuration password (six lower-case letters).
std::string DefaultConfigPassword();

}  // namespace tolka::settings
