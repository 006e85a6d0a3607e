#include "settings/subject_catalogue.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "core/file_io.h"
#include "core/record_texts.h"
#include "settings/field_texts.h"

namespace tolka::settings {

namespace L = subject_layout;

namespace {

constexpr size_t kNameWidth = 30;
constexpr size_t kReservedTextWidth = 255;
constexpr size_t kReservedWordCount = 5;
constexpr const char* kReservedText = " -- leer --";
constexpr double kReservedReal = 1.0;

// One row of the built-in table. Every entry 1..25 also has `Defined` 1,
// `HoursAdvanced` 5, `AdvancedCourseAllowed` 1 and `CompetenceCourse` 0.
enum Flag : unsigned {
  FS = 1u << 0,  // IsForeignLanguage
  NW = 1u << 1,  // IsNaturalScience
  RP = 1u << 2,  // IsReligionPhilosophy
  KM = 1u << 3,  // IsArtMusic
  De = 1u << 4,  // IsGerman
  Ge = 1u << 5,  // IsHistory
  GW = 1u << 6,  // IsSocialScience
  Ma = 1u << 7,  // IsMathematics
};

struct BuiltInRow {
  const char* Name;
  uint16_t Area;
  uint16_t HoursBasic;
  uint16_t IntroPosition;
  bool OneSemester;
  uint16_t Category;
  uint16_t CertificatePosition;
  unsigned Flags;
};

constexpr BuiltInRow kBuiltInTable[] = {
    {"Arbeit-Wirtschaft-Technik", 5, 2, 0, false, 0, 0, GW},
    {"Biologie", 3, 2, 0, false, 0, 32, NW},
    {"Chemie", 3, 2, 0, false, 0, 33, NW},
    {"Deutsch", 1, 3, 1, false, 3, 11, De},
    {"Englisch", 1, 3, 0, false, 0, 12, FS},
    {"Französisch", 1, 3, 0, false, 0, 0, FS},
    {"Geographie", 2, 2, 7, true, 0, 22, GW},
    {"Geschichte", 2, 2, 4, false, 0, 21, Ge},
    {"Griechisch", 1, 3, 0, false, 0, 0, FS},
    {"Häbräisch", 1, 3, 0, false, 0, 0, FS},
    {"Informatik", 6, 2, 0, false, 0, 35, 0},
    {"Italienisch", 1, 3, 0, false, 3, 0, FS},
    {"Kunst und Gestaltung", 1, 2, 2, true, 0, 17, KM},
    {"Latein", 1, 3, 0, false, 0, 0, FS},
    {"Mathematik", 3, 3, 8, false, 3, 31, Ma},
    {"Musik", 1, 2, 3, true, 0, 16, KM},
    {"Physik", 3, 2, 0, false, 0, 34, NW},
    {"Philosophie", 2, 2, 0, false, 0, 24, RP | GW},
    {"Polnisch", 1, 3, 0, false, 0, 0, FS},
    {"Religion", 2, 2, 0, false, 0, 25, RP},
    {"Russisch", 1, 3, 0, false, 0, 0, FS},
    {"Schwedisch", 1, 3, 0, false, 0, 0, FS},
    {"Sozialkunde", 2, 2, 6, true, 0, 23, GW},
    {"Spanisch", 1, 3, 0, false, 0, 0, FS},
    {"Sport", 4, 2, 9, false, 0, 41, 0},
};
constexpr size_t kBuiltInCount = std::size(kBuiltInTable);
static_assert(kBuiltInCount == 25);

uint8_t FlagOf(unsigned flags, Flag flag) { return (flags & flag) != 0 ? 1 : 0; }

// The reserved fields at their built-in values, written into the carried
// bytes (padding and the bytes after the texts stay as they were).
void ResetReservedFields(core::Bytes bytes) {
  for (size_t k = 0; k < kReservedWordCount; ++k) core::PutU16(bytes, L::kReservedWords + 2 * k, 0);
  core::PutF64(bytes, L::kReservedReal1, kReservedReal);
  core::PutF64(bytes, L::kReservedReal2, kReservedReal);
  core::PutShortString(bytes, L::kReservedText1, kReservedTextWidth, kReservedText);
  core::PutShortString(bytes, L::kReservedText2, kReservedTextWidth, kReservedText);
}

// Sets every field of `entry` to the built-in value of entry `index`.
void ResetEntry(SubjectEntry& entry, size_t index) {
  SubjectEntry fresh;
  fresh.carried = entry.carried;
  if (index >= 1 && index <= kBuiltInCount) {
    const BuiltInRow& row = kBuiltInTable[index - 1];
    fresh.SubjectName = row.Name;
    fresh.Defined = 1;
    fresh.IntroPosition = row.IntroPosition;
    fresh.OneSemesterIntro = row.OneSemester ? 1 : 0;
    fresh.IntroCategory = row.Category;
    fresh.SubjectArea = row.Area;
    fresh.IsForeignLanguage = FlagOf(row.Flags, FS);
    fresh.IsNaturalScience = FlagOf(row.Flags, NW);
    fresh.IsReligionPhilosophy = FlagOf(row.Flags, RP);
    fresh.IsArtMusic = FlagOf(row.Flags, KM);
    fresh.AdvancedCourseAllowed = 1;
    fresh.IsGerman = FlagOf(row.Flags, De);
    fresh.IsHistory = FlagOf(row.Flags, Ge);
    fresh.IsSocialScience = FlagOf(row.Flags, GW);
    fresh.IsMathematics = FlagOf(row.Flags, Ma);
    fresh.CompetenceCourse = 0;
    fresh.HoursAdvanced = 5;
    fresh.HoursBasic = row.HoursBasic;
    fresh.CertificatePosition = row.CertificatePosition;
  } else {
    // Entry 0 (the placeholder, `Defined` 1) and the free entries 26..30.
    fresh.SubjectName = core::kNothingChosen;
    fresh.Defined = index == 0 ? 1 : 0;
  }
  ResetReservedFields(fresh.carried);
  // Bring the carried bytes in line with the fields, so the entry's bytes
  // are the built-in ones whatever encodes them.
  std::array<uint8_t, L::kEntrySize> bytes{};
  EncodeSubjectEntry(fresh, bytes);
  fresh.carried = bytes;
  entry = std::move(fresh);
}

// The FachDef.DAT to read: the settings directory's, else the program
// directory's.
std::optional<core::fs::path> CatalogueFile(const core::Directories& dirs) {
  if (auto found = core::FindFile(dirs.Settings, kSubjectFileName)) return found;
  return core::FindFile(dirs.Program, kSubjectFileName);
}

}  // namespace

SubjectEntry DecodeSubjectEntry(core::ConstBytes bytes) {
  if (bytes.size() != L::kEntrySize) throw std::invalid_argument("subject entry size");
  SubjectEntry e;
  std::copy(bytes.begin(), bytes.end(), e.carried.begin());
  e.SubjectName = core::GetShortString(bytes, L::kSubjectName, kNameWidth);
  e.Defined = bytes[L::kDefined];
  e.IntroPosition = core::GetU16(bytes, L::kIntroPosition);
  e.OneSemesterIntro = bytes[L::kOneSemesterIntro];
  e.IntroCategory = core::GetU16(bytes, L::kIntroCategory);
  e.SubjectArea = core::GetU16(bytes, L::kSubjectArea);
  e.IsForeignLanguage = bytes[L::kIsForeignLanguage];
  e.IsNaturalScience = bytes[L::kIsNaturalScience];
  e.IsReligionPhilosophy = bytes[L::kIsReligionPhilosophy];
  e.IsArtMusic = bytes[L::kIsArtMusic];
  e.AdvancedCourseAllowed = bytes[L::kAdvancedCourseAllowed];
  e.IsGerman = bytes[L::kIsGerman];
  e.IsHistory = bytes[L::kIsHistory];
  e.IsSocialScience = bytes[L::kIsSocialScience];
  e.IsMathematics = bytes[L::kIsMathematics];
  e.CompetenceCourse = core::GetU16(bytes, L::kCompetenceCourse);
  e.HoursAdvanced = core::GetU16(bytes, L::kHoursAdvanced);
  e.HoursBasic = core::GetU16(bytes, L::kHoursBasic);
  e.CertificatePosition = core::GetU16(bytes, L::kCertificatePosition);
  return e;
}

void EncodeSubjectEntry(const SubjectEntry& e, core::Bytes out) {
  if (out.size() != L::kEntrySize) throw std::invalid_argument("subject entry size");
  std::copy(e.carried.begin(), e.carried.end(), out.begin());
  core::PutShortString(out, L::kSubjectName, kNameWidth, e.SubjectName);
  out[L::kDefined] = e.Defined;
  core::PutU16(out, L::kIntroPosition, e.IntroPosition);
  out[L::kOneSemesterIntro] = e.OneSemesterIntro;
  core::PutU16(out, L::kIntroCategory, e.IntroCategory);
  core::PutU16(out, L::kSubjectArea, e.SubjectArea);
  out[L::kIsForeignLanguage] = e.IsForeignLanguage;
  out[L::kIsNaturalScience] = e.IsNaturalScience;
  out[L::kIsReligionPhilosophy] = e.IsReligionPhilosophy;
  out[L::kIsArtMusic] = e.IsArtMusic;
  out[L::kAdvancedCourseAllowed] = e.AdvancedCourseAllowed;
  out[L::kIsGerman] = e.IsGerman;
  out[L::kIsHistory] = e.IsHistory;
  out[L::kIsSocialScience] = e.IsSocialScience;
  out[L::kIsMathematics] = e.IsMathematics;
  core::PutU16(out, L::kCompetenceCourse, e.CompetenceCourse);
  core::PutU16(out, L::kHoursAdvanced, e.HoursAdvanced);
  core::PutU16(out, L::kHoursBasic, e.HoursBasic);
  core::PutU16(out, L::kCertificatePosition, e.CertificatePosition);
}

std::vector<uint8_t> EncodeSubjectCatalogue(const SubjectCatalogue& catalogue) {
  std::vector<uint8_t> bytes(L::kCatalogueSize);
  for (size_t k = 0; k < L::kEntryCount; ++k) {
    EncodeSubjectEntry(catalogue.Entries[k],
                       core::Bytes(bytes).subspan(k * L::kEntrySize, L::kEntrySize));
  }
  return bytes;
}

SubjectCatalogue DecodeSubjectCatalogue(core::ConstBytes bytes) {
  if (bytes.size() != L::kCatalogueSize) throw std::invalid_argument("subject catalogue size");
  SubjectCatalogue catalogue;
  for (size_t k = 0; k < L::kEntryCount; ++k) {
    catalogue.Entries[k] = DecodeSubjectEntry(bytes.subspan(k * L::kEntrySize, L::kEntrySize));
  }
  return catalogue;
}

void ResetSubjectCatalogue(SubjectCatalogue& catalogue) {
  for (size_t k = 0; k < L::kEntryCount; ++k) ResetEntry(catalogue.Entries[k], k);
}

SubjectCatalogue BuiltInSubjectCatalogue() {
  SubjectCatalogue catalogue;
  ResetSubjectCatalogue(catalogue);
  return catalogue;
}

size_t FindSubject(const SubjectCatalogue& catalogue, const std::string& name) {
  size_t found = 0;
  for (size_t k = 1; k < L::kEntryCount; ++k) {
    if (catalogue.Entries[k].SubjectName == name) found = k;
  }
  return found;
}

core::IntroPhaseDefaults IntroPhaseDefaultsOf(const SubjectCatalogue& catalogue) {
  core::IntroPhaseDefaults defaults;
  for (size_t row = 0; row < defaults.size(); ++row) {
    defaults[row] = {core::kNothingChosen, false};
    for (size_t k = 1; k < L::kEntryCount; ++k) {
      const SubjectEntry& e = catalogue.Entries[k];
      if (e.IntroPosition == row + 1) defaults[row] = {e.SubjectName, e.OneSemesterIntro != 0};
    }
  }
  return defaults;
}

void LoadSubjectCatalogue(SubjectCatalogue& catalogue, core::Directories& dirs,
                          bool central_settings) {
  ResetSubjectCatalogue(catalogue);
  dirs.ReevaluateSettings(central_settings);
  const auto path = CatalogueFile(dirs);
  if (!path) return;
  // Read the whole block before anything changes: a short or unreadable file
  // leaves the built-in table in force.
  const std::vector<uint8_t> bytes = core::ReadExactly(*path, L::kCatalogueSize);
  catalogue = DecodeSubjectCatalogue(bytes);
}

void SaveSubjectCatalogue(const SubjectCatalogue& catalogue, core::Directories& dirs,
                          bool central_settings) {
  dirs.ReevaluateSettings(central_settings);
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kSubjectFileName),
                           EncodeSubjectCatalogue(catalogue));
}

SubjectEntryTexts DisplayedTextsOf(const SubjectEntry& e) {
  SubjectEntryTexts t;
  t.SubjectName = e.SubjectName;
  t.IntroPosition = WordFieldText(e.IntroPosition);
  t.SubjectArea = WordFieldText(e.SubjectArea);
  t.HoursAdvanced = WordFieldText(e.HoursAdvanced);
  t.HoursBasic = WordFieldText(e.HoursBasic);
  t.CertificatePosition = WordFieldText(e.CertificatePosition);
  t.IntroCategory = WordFieldText(e.IntroCategory);
  t.CompetenceCourse = WordFieldText(e.CompetenceCourse);
  t.OneSemesterIntro = e.OneSemesterIntro != 0;
  t.AdvancedCourseAllowed = e.AdvancedCourseAllowed != 0;
  t.IsForeignLanguage = e.IsForeignLanguage != 0;
  t.IsNaturalScience = e.IsNaturalScience != 0;
  t.IsReligionPhilosophy = e.IsReligionPhilosophy != 0;
  t.IsArtMusic = e.IsArtMusic != 0;
  t.IsGerman = e.IsGerman != 0;
  t.IsHistory = e.IsHistory != 0;
  t.IsSocialScience = e.IsSocialScience != 0;
  t.IsMathematics = e.IsMathematics != 0;
  return t;
}

namespace {

std::optional<SubjectFieldError> TakeOverEntry(SubjectEntry& entry, const SubjectEntryTexts& t) {
  SubjectEntry e = entry;
  e.SubjectName = t.SubjectName.substr(0, kNameWidth);
  const std::tuple<SubjectField, const std::string*, uint16_t*> numbers[] = {
      {SubjectField::IntroPosition, &t.IntroPosition, &e.IntroPosition},
      {SubjectField::SubjectArea, &t.SubjectArea, &e.SubjectArea},
      {SubjectField::HoursAdvanced, &t.HoursAdvanced, &e.HoursAdvanced},
      {SubjectField::HoursBasic, &t.HoursBasic, &e.HoursBasic},
      {SubjectField::CertificatePosition, &t.CertificatePosition, &e.CertificatePosition},
      {SubjectField::IntroCategory, &t.IntroCategory, &e.IntroCategory},
      {SubjectField::CompetenceCourse, &t.CompetenceCourse, &e.CompetenceCourse},
  };
  for (const auto& [field, text, value] : numbers) {
    if (std::string message = ParseWordField(*text, *value); !message.empty()) {
      return SubjectFieldError{field, message};
    }
  }
  auto flag = [](bool checked) -> uint8_t { return checked ? 1 : 0; };
  e.OneSemesterIntro = flag(t.OneSemesterIntro);
  e.AdvancedCourseAllowed = flag(t.AdvancedCourseAllowed);
  e.IsForeignLanguage = flag(t.IsForeignLanguage);
  e.IsNaturalScience = flag(t.IsNaturalScience);
  e.IsReligionPhilosophy = flag(t.IsReligionPhilosophy);
  e.IsArtMusic = flag(t.IsArtMusic);
  e.IsGerman = flag(t.IsGerman);
  e.IsHistory = flag(t.IsHistory);
  e.IsSocialScience = flag(t.IsSocialScience);
  e.IsMathematics = flag(t.IsMathematics);
  entry = e;
  return std::nullopt;
}

}  // namespace

std::string TakeOverSubjectEntry(SubjectEntry& e, const SubjectEntryTexts& t) {
  const auto error = TakeOverEntry(e, t);
  return error ? error->Message : std::string();
}

std::optional<SubjectFieldError> TakeOverCatalogueEntry(SubjectCatalogue& catalogue, size_t number,
                                                        const SubjectEntryTexts& texts) {
  SubjectEntry e = catalogue.Entries.at(number);
  if (auto error = TakeOverEntry(e, texts)) return error;
  if (e.SubjectName.find_first_not_of(' ') == std::string::npos) {
    return SubjectFieldError{SubjectField::SubjectName,
                             "Der Fachname darf nicht leer sein!\r(Für ein freies Fach "
                             "\"   - - -\" eintragen.)"};
  }
  if (e.SubjectName != catalogue.Entries[0].SubjectName) {
    for (size_t k = 1; k < catalogue.Entries.size(); ++k) {
      if (k != number && catalogue.Entries[k].SubjectName == e.SubjectName) {
        return SubjectFieldError{SubjectField::SubjectName, "Den Fachnamen \"" + e.SubjectName +
                                                                "\" trägt schon Fach Nr. " +
                                                                std::to_string(k) +
                                                                "!\rJeder Fachname darf nur einmal "
                                                                "vorkommen."};
      }
    }
  }
  if (e.CertificatePosition != 0 && (e.CertificatePosition < 10 || e.CertificatePosition > 42)) {
    return SubjectFieldError{SubjectField::CertificatePosition,
                             "Die Zeugnisposition muss 0 (keine feste Stelle) oder eine Zahl "
                             "von 10 bis 42 sein!"};
  }
  catalogue.Entries[number] = e;
  return std::nullopt;
}

std::vector<std::string> VanishedSubjectNames(const SubjectCatalogue& before,
                                              const SubjectCatalogue& after) {
  std::vector<std::string> vanished;
  const std::string& placeholder = before.Entries[0].SubjectName;
  for (size_t k = 1; k < before.Entries.size(); ++k) {
    const std::string& name = before.Entries[k].SubjectName;
    if (name == placeholder || FindSubject(after, name) != 0) continue;
    if (std::find(vanished.begin(), vanished.end(), name) == vanished.end()) {
      vanished.push_back(name);
    }
  }
  return vanished;
}

}  // namespace tolka::settings
