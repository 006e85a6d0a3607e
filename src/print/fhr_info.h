// `FHRINFO.DAT`: what the FHR certificate needs beyond the student record,
// asked in the window "zusätzlich notwendige Informationen" before each FHR
// certificate. One fixed-size binary block beside the other settings files
// (it follows `CentralSettings`):
//   offset 0   u16         SchoolType: 0 "ohne Angabe", 1 "Gymnasium",
//                          2 "Gesamtschule", 3 "Fachgymnasium" (entry 8)
//   offset 2   string[50]  "Name der Schule (Fachrichtung)" (entry 9)
//   offset 53  75 bytes    reserved, carried as loaded
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_fields.h"
#include "core/directories.h"

namespace tolka::print {

namespace fhr_info_layout {
inline constexpr size_t kSchoolType = 0;     // u16
inline constexpr size_t kSchoolSubject = 2;  // string[50]
inline constexpr size_t kSchoolSubjectWidth = 50;
inline constexpr size_t kReserved = 53;  // 75 bytes
inline constexpr size_t kRecordSize = 128;
static_assert(kSchoolSubject + 1 + kSchoolSubjectWidth == kReserved);
static_assert(kReserved + 75 == kRecordSize);
}  // namespace fhr_info_layout

inline constexpr const char* kFhrInfoFileName = "FHRINFO.DAT";
inline constexpr std::array<const char*, 4> kSchoolTypeItems = {"ohne Angabe", "Gymnasium",
                                                                "Gesamtschule", "Fachgymnasium"};

struct FhrInfo {
  uint16_t SchoolType = 0;    // 0..3; another value prints as "ohne Angabe"
  std::string SchoolSubject;  // Windows-1252, at most 50
  std::array<uint8_t, fhr_info_layout::kRecordSize> carried{};
  bool SameValues(const FhrInfo& other) const {
    return SchoolType == other.SchoolType && SchoolSubject == other.SchoolSubject;
  }
};

FhrInfo DecodeFhrInfo(core::ConstBytes bytes);  // 128 bytes
std::vector<uint8_t> EncodeFhrInfo(const FhrInfo& info);

// Reads FHRINFO.DAT from the settings directory (pointed by
// `central_settings`), else the program directory; neither: the defaults.
// A file of another size keeps the defaults and returns "Datei hat falsche
// Größe!" (the file stays untouched); otherwise an empty text. Throws
// IoError for an unreadable file.
std::string LoadFhrInfo(FhrInfo& info, core::Directories& dirs, bool central_settings);

// Writes FHRINFO.DAT into the settings directory through the atomic save.
// Throws IoError; the old file stays as it was.
void SaveFhrInfo(const FhrInfo& info, core::Directories& dirs, bool central_settings);

}  // namespace tolka::print
