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
// 36..37, "Reserve" 38..45 (rows 4, 5 and 6 here, continuing without a gap).
// A row above 6 or a page outside the row's pages is a programming error
// (std::out_of_range).
namespace margin_row {
inline constexpr size_t kLeavingIntroPhase = 0;  // "Abgang Einf.-phase", pages 1..4
inline constexpr size_t kLeavingQualPhase = 1;   // "Abgang Qual.-phase", pages 1..4
inline constexpr size_t kAbiturCertificate = 2;  // "Abiturzeugnis", pages 1..4
inline constexpr size_t kFhrCertificate = 3;     // "Fachhochschulreife", pages 1..2
inline constexpr size_t kInternalForms = 4;      // "interne Formulare", pages 1..4
inline constexpr size_t kAcknowledgement = 5;    // "Empfangsbekenntnis", page 1
inline constexpr size_t kReserve = 6;            // "Reserve", pages 1..4
inline constexpr size_t kCount = 7;
}  // namespace margin_row
// The window's row labels (Windows-1252), for rows 0..6.
const char* MarginRowLabel(size_t row);
size_t MarginPageCount(size_t row);
size_t MarginIndex(size_t row, size_t page, bool top);

// The radio group "Druckart / Formulardruck": item texts (Windows-1252) for
// `PrintMode` 0..4. Texts with letters beyond ASCII live in the .cpp file:
// this header is also read by the UTF-8 Qt layer.
inline constexpr size_t kPrintModeCount = 5;
const char* PrintModeItem(size_t mode);

// Captions of the options at offsets 188 and 190: with a school name set the
// names are always printed and the two boxes are reserves without effect.
struct NameOptionCaptions {
  const char* NoSchoolName;
  const char* NoCertificateName;
};
NameOptionCaptions NameOptionCaptionsFor(bool school_name_set);

// "Für die Ränder sind nur ganze Zahlen\r zugelassen!" (title
// kMarginInputErrorTitle).
const char* MarginInputError();
inline constexpr const char* kMarginInputErrorTitle = "Eingabefehler";

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
// reserved words at 194 and the byte at 204 included); the 83 tail bytes are
// kept.
void ResetPrintSettings(PrintSettings& settings);

// `LoadPrintSettings`: `ResetPrintSettings`, point the settings directory by
// `central_settings`, then DRKEINST.DAT from the settings directory, else the
// program directory (neither: defaults, no backup).
//   - 288 bytes: the record is read whole;
//   - 192 bytes (the older form): its margins and the four words after them
//     are taken, the rest keeps the defaults; the file that was read is
//     replaced by the 288-byte record, so the converted values survive the
//     next load;
//   - any other size: returns kWrongSize ("Datei hat falsche Größe!"), the
//     defaults stay in force, the file stays untouched, no backup.
// After a successful read the 288 bytes are written to DRKEINST.BAK in the
// settings directory. Returns the message to show, or an empty text. Throws
// IoError: for a read failure with the defaults in force; for a failure to
// write the converted file or the backup with the values read in force
// (every write goes through SaveFileAtomically: the old file stays).
std::string LoadPrintSettings(PrintSettings& settings, core::Directories& dirs,
                              bool central_settings);

// "Einstellungen übernehmen": writes the 288 bytes to DRKEINST.DAT in the
// settings directory (pointed by `central_settings`) through
// SaveFileAtomically. Throws IoError; the old file stays as it was.
void SavePrintSettings(const PrintSettings& settings, core::Directories& dirs,
                       bool central_settings);

// Reading one margin field: empty (or only blanks) gives 0; a decimal number
// with an optional sign and a decimal comma or point ("12,5", "12.5",
// "-3", ",5"), blanks around it allowed, is rounded to the nearest integer
// with halves to the even neighbour (12.5 -> 12, 13.5 -> 14), exactly on
// the decimal digits. Anything else (letters, two separators, an exponent,
// a value outside the 32-bit range) gives nothing: the window shows
// kMarginInputError and takes 0.
std::optional<int32_t> ParseMargin(const std::string& text);

}  // namespace tolka::print
