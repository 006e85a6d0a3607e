// The `SubjectCatalogue`: 31 `SubjectEntry` records (index 0 the
// nothing-chosen placeholder, 1..30 the subjects), one 18476-byte block that
// `FachDef.DAT` holds byte for byte. Student records name subjects; every
// consumer turns a name into an index with `FindSubject`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_fields.h"
#include "core/directories.h"
#include "core/student_record.h"

namespace tolka::settings {

namespace subject_layout {
inline constexpr size_t kSubjectName = 0;         // string[30]
inline constexpr size_t kDefined = 31;            // u8
inline constexpr size_t kIntroPosition = 32;      // u16
inline constexpr size_t kOneSemesterIntro = 34;   // u8; 35 padding
inline constexpr size_t kIntroCategory = 36;      // u16
inline constexpr size_t kSubjectArea = 38;        // u16
inline constexpr size_t kIsForeignLanguage = 40;  // u8 flags 40..48; 49 padding
inline constexpr size_t kIsNaturalScience = 41;
inline constexpr size_t kIsReligionPhilosophy = 42;
inline constexpr size_t kIsArtMusic = 43;
inline constexpr size_t kAdvancedCourseAllowed = 44;
inline constexpr size_t kIsGerman = 45;
inline constexpr size_t kIsHistory = 46;
inline constexpr size_t kIsSocialScience = 47;
inline constexpr size_t kIsMathematics = 48;
inline constexpr size_t kCompetenceCourse = 50;     // u16
inline constexpr size_t kHoursAdvanced = 52;        // u16
inline constexpr size_t kHoursBasic = 54;           // u16
inline constexpr size_t kCertificatePosition = 56;  // u16
inline constexpr size_t kReservedWords = 58;        // 5 x u16, 0
inline constexpr size_t kReservedReal1 = 68;        // f64, 1.0
inline constexpr size_t kReservedReal2 = 76;        // f64, 1.0
inline constexpr size_t kReservedText1 = 84;        // string[255], " -- leer --"
inline constexpr size_t kReservedText2 = 340;       // string[255], " -- leer --"
inline constexpr size_t kEntrySize = 596;
inline constexpr size_t kEntryCount = 31;
inline constexpr size_t kCatalogueSize = kEntryCount * kEntrySize;  // 18476
static_assert(kReservedText2 + 256 == kEntrySize);
static_assert(kCatalogueSize == 18476);
}  // namespace subject_layout

inline constexpr const char* kSubjectFileName = "FachDef.DAT";

struct SubjectEntry {
  std::string SubjectName;  // "Fachname"
  uint8_t Defined = 0;
  uint16_t IntroPosition = 0;  // row 1..9 of the fixed intro-phase subjects; 0 none
  uint8_t OneSemesterIntro = 0;
  uint16_t IntroCategory = 0;
  uint16_t SubjectArea = 0;  // "Aufgabenfeld" 1..4 (built-in table also 5, 6)
  uint8_t IsForeignLanguage = 0;
  uint8_t IsNaturalScience = 0;
  uint8_t IsReligionPhilosophy = 0;
  uint8_t IsArtMusic = 0;
  uint8_t AdvancedCourseAllowed = 0;
  uint8_t IsGerman = 0;
  uint8_t IsHistory = 0;
  uint8_t IsSocialScience = 0;
  uint8_t IsMathematics = 0;
  uint16_t CompetenceCourse = 0;
  uint16_t HoursAdvanced = 0;
  uint16_t HoursBasic = 0;
  uint16_t CertificatePosition = 0;
  // The entry's bytes as last decoded or reset: padding and the reserved
  // fields are written back unchanged.
  std::array<uint8_t, subject_layout::kEntrySize> carried{};
};

SubjectEntry DecodeSubjectEntry(core::ConstBytes bytes);
void EncodeSubjectEntry(const SubjectEntry& entry, core::Bytes out);

struct SubjectCatalogue {
  std::array<SubjectEntry, subject_layout::kEntryCount> Entries;
};

std::vector<uint8_t> EncodeSubjectCatalogue(const SubjectCatalogue& catalogue);
SubjectCatalogue DecodeSubjectCatalogue(core::ConstBytes bytes);  // 18476 bytes

// `ResetSubjectCatalogue`: all 31 entries from the built-in table.
void ResetSubjectCatalogue(SubjectCatalogue& catalogue);
SubjectCatalogue BuiltInSubjectCatalogue();

// `FindSubject`: the entry 1..30 whose name equals `name` byte for byte; the
// last match wins; 0 when none matches.
size_t FindSubject(const SubjectCatalogue& catalogue, const std::string& name);

// A selection list: the placeholder name, then the names of entries 1..30 in
// number order whose entry satisfies `filter`.
template <typename Filter>
std::vector<std::string> SelectionList(const SubjectCatalogue& catalogue, Filter filter) {
  std::vector<std::string> list{catalogue.Entries[0].SubjectName};
  for (size_t k = 1; k < catalogue.Entries.size(); ++k) {
    if (filter(catalogue.Entries[k])) list.push_back(catalogue.Entries[k].SubjectName);
  }
  return list;
}

// The introductory-phase defaults of a new record: row r (0..8) from the
// entry whose `IntroPosition` is r + 1 (highest number wins; none gives the
// placeholder's name).
core::IntroPhaseDefaults IntroPhaseDefaultsOf(const SubjectCatalogue& catalogue);

// `LoadSubjectCatalogue`: reset, then read FachDef.DAT from the settings
// directory, else from the program directory, else keep the built-in table.
// A longer file contributes its first 18476 bytes. A short or unreadable
// file throws IoError after the catalogue was reset (the built-in values
// stay in force), so the caller shows the message and goes on.
void LoadSubjectCatalogue(SubjectCatalogue& catalogue, core::Directories& dirs,
                          bool central_settings);

// `SaveSubjectCatalogue`: write the block to FachDef.DAT in the settings
// directory. Throws IoError; the old file stays as it was.
void SaveSubjectCatalogue(const SubjectCatalogue& catalogue, core::Directories& dirs,
                          bool central_settings);

// The displayed values of one entry in the window "Fächereinstellungen": the
// name, the seven numeric edit fields as texts, the ten check boxes.
struct SubjectEntryTexts {
  std::string SubjectName;             // "Fachname"
  std::string IntroPosition;           // "Position bei den Fächern der Einführungsphase"
  std::string SubjectArea;             // "Aufgabenfeld"
  std::string HoursAdvanced;           // "Stundenanzahl als Leistungskurs"
  std::string HoursBasic;              // "Stundenanzahl als Grundkurs"
  std::string CertificatePosition;     // "Zeugnisposition"
  std::string IntroCategory;           // "Kategorie des Einführungsfach"
  std::string CompetenceCourse;        // "Kompetenzkurs"
  bool OneSemesterIntro = false;       // "einsemestrig in Einführungsphase"
  bool AdvancedCourseAllowed = false;  // "kann Leistungskurs sein"
  bool IsForeignLanguage = false;      // "Fremdsprache"
  bool IsNaturalScience = false;       // "Naturwissenschaft"
  bool IsReligionPhilosophy = false;   // "Religion / Philosophie"
  bool IsArtMusic = false;             // "Kunst / Musik"
  bool IsGerman = false;               // "Deutsch"
  bool IsHistory = false;              // "Geschichte"
  bool IsSocialScience = false;        // "Gesellschaftswissenschaft"
  bool IsMathematics = false;          // "Mathematik"
};

// What the window shows for `entry` (numbers as decimal integers).
SubjectEntryTexts DisplayedTextsOf(const SubjectEntry& entry);

// The fields of the window, in the order they are read.
enum class SubjectField {
  SubjectName,
  IntroPosition,
  SubjectArea,
  HoursAdvanced,
  HoursBasic,
  CertificatePosition,
  IntroCategory,
  CompetenceCourse
};

// A refused take-over: the field to focus and the message (Windows-1252).
struct SubjectFieldError {
  SubjectField Field = SubjectField::SubjectName;
  std::string Message;
};

// Taking the displayed values over into `entry`, all or nothing: the name
// cut to 30 characters, every numeric field a decimal integer in 0..65535
// ("'%s' ist kein gültiger Integerwert", "Fehler bei Bereichsprüfung"), the
// check boxes 1 or 0. Every field is read before any is stored; the first
// that fails is returned and `entry` stays as it was. Returns the message,
// empty on success.
std::string TakeOverSubjectEntry(SubjectEntry& entry, const SubjectEntryTexts& texts);

// The window's take-over of entry `number` (1..30) of `catalogue`: the
// checks of TakeOverSubjectEntry, and further, because the rules match
// subjects by name and place them on the certificate by their position:
//   - a name that is empty or only blanks is refused (it would match every
//     empty course row);
//   - a name equal to that of another entry 1..30 is refused, except the
//     placeholder "   - - -" (a course would be counted twice);
//   - a "Zeugnisposition" other than 0 or 10..42 is refused.
// Nothing is stored unless every field passes.
std::optional<SubjectFieldError> TakeOverCatalogueEntry(SubjectCatalogue& catalogue, size_t number,
                                                        const SubjectEntryTexts& texts);

// The names that were in `before` (entries 1..30, not the placeholder) and
// are in no entry of `after`: renamed or cleared subjects.
std::vector<std::string> VanishedSubjectNames(const SubjectCatalogue& before,
                                              const SubjectCatalogue& after);

}  // namespace tolka::settings
