// `ExamSettings`: the numeric parameters of the exam regulations, one
// 1672-byte record stored byte for byte in `AbiDef.DAT`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_fields.h"
#include "core/directories.h"

namespace tolka::settings {

namespace exam_layout {
inline constexpr size_t kMinBasicCourses = 0;
inline constexpr size_t kBlockICourseCount = 2;
inline constexpr size_t kBlockIICourseCount = 4;
inline constexpr size_t kBlockIIICourseCount = 6;
inline constexpr size_t kMinBasicPassed = 8;
inline constexpr size_t kFhrMinBasicPassed = 10;
inline constexpr size_t kFhrMinAdvancedPassed = 12;
inline constexpr size_t kAdvancedCourseCount = 14;
inline constexpr size_t kBasicExamCount = 16;
inline constexpr size_t kExamSubjectCount = 18;
inline constexpr size_t kMaxBasicCourses = 20;
inline constexpr size_t kMaxAdvancedCourses = 22;
inline constexpr size_t kProjectCourseCount = 24;
inline constexpr size_t kMaxExams = 26;
inline constexpr size_t kMinWeeklyHours = 28;  // 30..31 padding
inline constexpr size_t kMinHoursArea1 = 32;   // f64
inline constexpr size_t kMinHoursArea2 = 40;   // f64
inline constexpr size_t kMinHoursArea3 = 48;   // f64
inline constexpr size_t kBlockIMin = 56;
inline constexpr size_t kBlockIMax = 58;
inline constexpr size_t kBlockIIMin = 60;
inline constexpr size_t kBlockIIMax = 62;
inline constexpr size_t kBlockIIIMin = 64;
inline constexpr size_t kBlockIIIMax = 66;
inline constexpr size_t kTotalMin = 68;
inline constexpr size_t kTotalMax = 70;
inline constexpr size_t kFhrBasicCourseCount = 72;
inline constexpr size_t kFhrTotalMin = 74;
inline constexpr size_t kFhrTotalMax = 76;
inline constexpr size_t kFhrAdvancedPointsMin = 78;
inline constexpr size_t kFhrBasicPointsMin = 80;
inline constexpr size_t kFhrAdvancedPointsMax = 82;
inline constexpr size_t kFhrBasicPointsMax = 84;
inline constexpr size_t kExamSubjectMin = 86;
inline constexpr size_t kExamSubjectMinWithSpecialWork = 88;
inline constexpr size_t kDescription = 90;     // string[255]
inline constexpr size_t kReservedWords = 346;  // 10 x u16, 0; 366..367 padding
inline constexpr size_t kReservedReals = 368;  // 3 x f64, 1.0
inline constexpr size_t kReservedTexts = 392;  // 5 x string[255], "-- frei --"
inline constexpr size_t kRecordSize = 1672;
static_assert(kDescription + 256 == kReservedWords);
static_assert(kReservedTexts + 5 * 256 == kRecordSize);
}  // namespace exam_layout

inline constexpr const char* kExamSettingsFileName = "AbiDef.DAT";

struct ExamSettings {
  uint16_t MinBasicCourses = 8;
  uint16_t BlockICourseCount = 22;
  uint16_t BlockIICourseCount = 8;
  uint16_t BlockIIICourseCount = 4;
  uint16_t MinBasicPassed = 16;
  uint16_t FhrMinBasicPassed = 7;
  uint16_t FhrMinAdvancedPassed = 2;
  uint16_t AdvancedCourseCount = 2;
  uint16_t BasicExamCount = 2;
  uint16_t ExamSubjectCount = 4;
  uint16_t MaxBasicCourses = 12;    // "maximale Anzahl GK's"
  uint16_t MaxAdvancedCourses = 3;  // "maximale Anzahl LK's"
  uint16_t ProjectCourseCount = 3;
  uint16_t MaxExams = 4;
  uint16_t MinWeeklyHours = 27;  // "Mindeststundenzahl für GK's und LK's pro Woche"
  double MinHoursArea1 = 7.0;
  double MinHoursArea2 = 5.0;
  double MinHoursArea3 = 5.5;
  uint16_t BlockIMin = 110;
  uint16_t BlockIMax = 330;
  uint16_t BlockIIMin = 70;
  uint16_t BlockIIMax = 210;
  uint16_t BlockIIIMin = 100;
  uint16_t BlockIIIMax = 300;
  uint16_t TotalMin = 280;
  uint16_t TotalMax = 840;
  uint16_t FhrBasicCourseCount = 11;
  uint16_t FhrTotalMin = 95;
  uint16_t FhrTotalMax = 285;
  uint16_t FhrAdvancedPointsMin = 40;
  uint16_t FhrBasicPointsMin = 55;
  uint16_t FhrAdvancedPointsMax = 120;
  uint16_t FhrBasicPointsMax = 165;
  uint16_t ExamSubjectMin = 25;
  uint16_t ExamSubjectMinWithSpecialWork = 20;
  std::string Description = "Standard-Abitur-Definition";
  // The record's bytes (padding, reserved fields) as last decoded or reset.
  std::array<uint8_t, exam_layout::kRecordSize> carried{};
};

ExamSettings DecodeExamSettings(core::ConstBytes bytes);
std::vector<uint8_t> EncodeExamSettings(const ExamSettings& settings);

// `ResetExamSettings`: built-in values into every field, reserved fields
// included; padding untouched.
void ResetExamSettings(ExamSettings& settings);
ExamSettings BuiltInExamSettings();

// `LoadExamSettings`: reset, then AbiDef.DAT from the settings directory,
// else from the program directory; a longer file contributes its first 1672
// bytes. Throws IoError (built-in values in force) for a short or unreadable
// file.
void LoadExamSettings(ExamSettings& settings, core::Directories& dirs, bool central_settings);

// `SaveExamSettings`: stamps `Description` with the school's name, "; " (the
// two cut to 52 characters) and `date_text` (the short date), then writes
// AbiDef.DAT in the settings directory. Throws IoError.
void SaveExamSettings(ExamSettings& settings, core::Directories& dirs, bool central_settings,
                      const std::string& school_name, const std::string& date_text);

// "Standard wiederherstellen und Beenden": writes the built-in values to
// AbiDef.DAT in the settings directory (where the next load looks first; a
// deleted file would let an older copy in the program directory come back),
// then puts them in force. Throws IoError: `settings` and the file stay as
// they were.
void RestoreDefaultExamSettings(ExamSettings& settings, core::Directories& dirs,
                                bool central_settings);

// The six edit fields of the window "Abitureinstellungen", as texts.
struct ExamSettingsTexts {
  std::string MinWeeklyHours;      // "Mindeststundenzahl für GK's und LK's pro Woche"
  std::string MaxBasicCourses;     // "maximale Anzahl GK's"
  std::string MaxAdvancedCourses;  // "maximale Anzahl LK's"
  std::string MinHoursArea1;       // "Mindeststundenanzahl Aufgabenfeld 1"
  std::string MinHoursArea2;       // "Mindeststundenanzahl Aufgabenfeld 2"
  std::string MinHoursArea3;       // "Mindeststundenanzahl Aufgabenfeld 3"
};

// What the window shows: the counts as decimal integers, the hour minimums
// fixed with one decimal and the decimal comma ("5,5").
ExamSettingsTexts DisplayedTextsOf(const ExamSettings& settings);

// "Speichern und Beenden" before the save, all or nothing: the counts as
// decimal integers in 0..65535 ("'%s' ist kein gültiger Integerwert",
// "Fehler bei Bereichsprüfung"), the hour minimums as numbers with the
// decimal comma ("'%s' ist kein gültiger Gleitkommawert"). A field whose
// text is still the one DisplayedTextsOf shows keeps its stored value
// exactly (6.75 is shown as "6,8" and must not come back as 6.8). Every
// field is read before any is stored; the first that fails is returned with
// its number (0..5 in the order of ExamSettingsTexts) and nothing changes.
struct ExamFieldError {
  int Field = 0;
  std::string Message;
};
std::optional<ExamFieldError> TakeOverExamFields(ExamSettings& settings,
                                                 const ExamSettingsTexts& texts);
// The same, returning only the message (empty on success).
std::string TakeOverExamSettings(ExamSettings& settings, const ExamSettingsTexts& texts);

// `Description` as the save stamps it: school name and "; " cut together to
// 52 characters, then `date_text`.
std::string StampedDescription(const std::string& school_name, const std::string& date_text);

// The short date of the platform for `Description`: "DD.MM.YYYY".
std::string ShortDateToday();

}  // namespace tolka::settings
