// The print settings: page origins per document kind and logical page, the
// certificate print mode and a few switches; one 288-byte record stored in
// DRKEINST.DAT with the backup DRKEINST.BAK. An older 192-byte form is read
// and converted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_fields.h"
#include "core/directories.h"

namespace tolka::print {

namespace print_layout {
inline constexpr size_t kMarginCount = 46;
inline constexpr size_t kMargins = 0;              // 46 x i32, tenths of a millimetre
inline constexpr size_t kFrameOption = 184;        // u16
inline constexpr size_t kPrintMode = 186;          // u16 0..4
inline constexpr size_t kNoSchoolName = 188;       // u16
inline constexpr size_t kNoCertificateName = 190;  // u16
inline constexpr size_t kCompensatedFonts = 192;   // u16 "Kyocera-Problem ausgleichen"
inline constexpr size_t kReservedWords = 194;      // 5 x u16
inline constexpr size_t kReservedByte = 204;
inline constexpr size_t kReservedTail = 205;  // 83 bytes, never set
inline constexpr size_t kRecordSize = 288;
inline constexpr size_t kOldRecordSize = 192;
static_assert(kMargins + 4 * kMarginCount == kFrameOption);
static_assert(kReservedTail + 83 == kRecordSize);
}  // namespace print_layout

inline constexpr const char* kPrintSettingsFileName = "DRKEINST.DAT";
inline constexpr const char* kPrintSettingsBackupName = "DRKEINST.BAK";

// Margin index = 8 x row + 2 x (page - 1) + (0 left, 1 top); rows 0..3 are the
// certificate kinds, then "interne Formulare" 28..35, "Empfangsbekenntnis"
// 36..37, "Reserve" 38..45.
size_t MarginIndex(size_t row, size_t page, bool top);

struct PrintSettings {
  std::array<int32_t, print_layout::kMarginCount> Margins{};
  uint16_t FrameOption = 1;
  uint16_t PrintMode = 1;
  uint16_t NoSchoolName = 0;
  uint16_t NoCertificateName = 0;
  uint16_t CompensatedFonts = 0;
  std::array<uint8_t, print_layout::kRecordSize> carried{};
};

PrintSettings DecodePrintSettings(core::ConstBytes bytes);  // 288 bytes
std::vector<uint8_t> EncodePrintSettings(const PrintSettings& settings);

// `ResetPrintSettings`: margins 150, frame 1, print mode 1, the rest 0 (the
// 83 tail bytes are kept).
void ResetPrintSettings(PrintSettings& settings);

// `LoadPrintSettings`. Returns the message to show ("Datei hat falsche
// Größe!"), or an empty text. A 192-byte file is converted and written back
// as the 288-byte DRKEINST.DAT and DRKEINST.BAK. Throws IoError for read or
// write failures (defaults in force).
std::string LoadPrintSettings(PrintSettings& settings, core::Directories& dirs,
                              bool central_settings);

// "Einstellungen übernehmen": writes DRKEINST.DAT in the settings directory.
void SavePrintSettings(const PrintSettings& settings, core::Directories& dirs,
                       bool central_settings);

// Reading one margin field: empty gives 0; a number is rounded half to even;
// anything else gives nothing (the window shows "Für die Ränder sind nur
// ganze Zahlen\r zugelassen!" and takes 0).
std::optional<int32_t> ParseMargin(const std::string& text);

}  // namespace tolka::print
