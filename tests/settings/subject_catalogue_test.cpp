#include "settings/subject_catalogue.h"

#include <gtest/gtest.h>

#include <random>

#include "core/file_io.h"
#include "core/io_error.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

namespace L = subject_layout;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

constexpr const char* kPlaceholder = "   - - -";

// The built-in table written out once more, row by row, for the byte checks.
struct ExpectedRow {
  const char* name;
  uint16_t area, hours_basic, intro, one_semester, category, cert;
  const char* flags;  // FS NW RP KM De Ge GW Ma as '1'/'0'
};
const ExpectedRow kExpected[26] = {
    {"   - - -", 0, 0, 0, 0, 0, 0, "00000000"},
    {"Arbeit-Wirtschaft-Technik", 5, 2, 0, 0, 0, 0, "00000010"},
    {"Biologie", 3, 2, 0, 0, 0, 32, "01000000"},
    {"Chemie", 3, 2, 0, 0, 0, 33, "01000000"},
    {"Deutsch", 1, 3, 1, 0, 3, 11, "00001000"},
    {"Englisch", 1, 3, 0, 0, 0, 12, "10000000"},
    {"Französisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Geographie", 2, 2, 7, 1, 0, 22, "00000010"},
    {"Geschichte", 2, 2, 4, 0, 0, 21, "00000100"},
    {"Griechisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Häbräisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Informatik", 6, 2, 0, 0, 0, 35, "00000000"},
    {"Italienisch", 1, 3, 0, 0, 3, 0, "10000000"},
    {"Kunst und Gestaltung", 1, 2, 2, 1, 0, 17, "00010000"},
    {"Latein", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Mathematik", 3, 3, 8, 0, 3, 31, "00000001"},
    {"Musik", 1, 2, 3, 1, 0, 16, "00010000"},
    {"Physik", 3, 2, 0, 0, 0, 34, "01000000"},
    {"Philosophie", 2, 2, 0, 0, 0, 24, "00100010"},
    {"Polnisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Religion", 2, 2, 0, 0, 0, 25, "00100000"},
    {"Russisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Schwedisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Sozialkunde", 2, 2, 6, 1, 0, 23, "00000010"},
    {"Spanisch", 1, 3, 0, 0, 0, 0, "10000000"},
    {"Sport", 4, 2, 9, 0, 0, 41, "00000000"},
};

uint16_t U16At(const std::vector<uint8_t>& b, size_t off) {
  return static_cast<uint16_t>(b[off] | (b[off + 1] << 8));
}

std::string ShortStringAt(const std::vector<uint8_t>& b, size_t off) {
  return std::string(b.begin() + static_cast<long>(off) + 1,
                     b.begin() + static_cast<long>(off) + 1 + b[off]);
}

std::vector<uint8_t> RandomBytes(size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(gen());
  return bytes;
}

// A catalogue file that differs from the built-in table in a way a test can
// see: entry 1 renamed to `marker`.
std::vector<uint8_t> CatalogueFileNamed(const std::string& marker) {
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  c.Entries[1].SubjectName = marker;
  return EncodeSubjectCatalogue(c);
}

// Whether two catalogues agree in every field that has a meaning (the
// reserved fields included; padding and the bytes after a text excluded).
bool SameMeaning(const SubjectCatalogue& a, const SubjectCatalogue& b) {
  const std::vector<uint8_t> x = EncodeSubjectCatalogue(a), y = EncodeSubjectCatalogue(b);
  for (size_t k = 0; k < 31; ++k) {
    const size_t base = k * 596;
    auto same = [&](size_t off, size_t len) {
      return std::equal(x.begin() + long(base + off), x.begin() + long(base + off + len),
                        y.begin() + long(base + off));
    };
    if (!same(0, 1 + x[base]) || !same(31, 4) || !same(36, 13) || !same(50, 35 + x[base + 84]) ||
        !same(340, 1 + x[base + 340])) {
      return false;
    }
  }
  return true;
}

const uint8_t kOnePointZero[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};

TEST(SubjectCatalogue, BuiltInTableAtItsByteOffsets) {
  const std::vector<uint8_t> b = EncodeSubjectCatalogue(BuiltInSubjectCatalogue());
  ASSERT_EQ(b.size(), 18476u);
  for (size_t k = 0; k <= 30; ++k) {
    SCOPED_TRACE(k);
    const size_t base = k * 596;
    const ExpectedRow& row = kExpected[k <= 25 ? k : 0];
    const bool subject = k >= 1 && k <= 25;
    EXPECT_EQ(ShortStringAt(b, base + 0), row.name);
    EXPECT_EQ(b[base + 31], k <= 25 ? 1 : 0);  // Defined
    EXPECT_EQ(U16At(b, base + 32), row.intro);
    EXPECT_EQ(b[base + 34], row.one_semester);
    EXPECT_EQ(U16At(b, base + 36), row.category);
    EXPECT_EQ(U16At(b, base + 38), row.area);
    for (size_t f = 0; f < 8; ++f) {
      const size_t off = f < 4 ? 40 + f : 45 + (f - 4);  // 44 is AdvancedCourseAllowed
      EXPECT_EQ(b[base + off], row.flags[f] - '0') << "flag " << f;
    }
    EXPECT_EQ(b[base + 44], subject ? 1 : 0);         // AdvancedCourseAllowed
    EXPECT_EQ(U16At(b, base + 50), 0);                // CompetenceCourse
    EXPECT_EQ(U16At(b, base + 52), subject ? 5 : 0);  // HoursAdvanced
    EXPECT_EQ(U16At(b, base + 54), row.hours_basic);
    EXPECT_EQ(U16At(b, base + 56), row.cert);
    for (size_t w = 0; w < 5; ++w) EXPECT_EQ(U16At(b, base + 58 + 2 * w), 0);
    EXPECT_TRUE(std::equal(kOnePointZero, kOnePointZero + 8, b.begin() + long(base + 68)));
    EXPECT_TRUE(std::equal(kOnePointZero, kOnePointZero + 8, b.begin() + long(base + 76)));
    EXPECT_EQ(ShortStringAt(b, base + 84), " -- leer --");
    EXPECT_EQ(ShortStringAt(b, base + 340), " -- leer --");
  }
  // The example of the table: entry 4 "Deutsch", area 1.
  EXPECT_EQ(U16At(b, 4 * 596 + 38), 1);
  EXPECT_EQ(b[4 * 596], 7);
  // The names are Windows-1252 bytes.
  EXPECT_EQ(static_cast<uint8_t>(b[10 * 596 + 2]), 0xE4);  // "Häbräisch"
}

TEST(SubjectCatalogue, ResetRestoresFieldsAndReservedButKeepsPadding) {
  SubjectCatalogue c = DecodeSubjectCatalogue(RandomBytes(18476, 1));
  const std::vector<uint8_t> before = EncodeSubjectCatalogue(c);
  ResetSubjectCatalogue(c);
  const std::vector<uint8_t> after = EncodeSubjectCatalogue(c);
  for (size_t k = 0; k < 31; ++k) {
    EXPECT_EQ(after[k * 596 + 35], before[k * 596 + 35]);
    EXPECT_EQ(after[k * 596 + 49], before[k * 596 + 49]);
  }
  EXPECT_NE(after, EncodeSubjectCatalogue(BuiltInSubjectCatalogue()));
  EXPECT_TRUE(SameMeaning(c, BuiltInSubjectCatalogue()));
  EXPECT_FALSE(SameMeaning(DecodeSubjectCatalogue(before), BuiltInSubjectCatalogue()));
  EXPECT_EQ(c.Entries[4].SubjectName, "Deutsch");
}

TEST(SubjectCatalogue, EntryFieldsAtTheirOffsetsAndRandomBytesSurvive) {
  const std::vector<uint8_t> random = RandomBytes(18476, 7);
  SubjectCatalogue c = DecodeSubjectCatalogue(random);
  EXPECT_EQ(EncodeSubjectCatalogue(c), random);

  SubjectEntry& e = c.Entries[3];
  e.SubjectName = "Astronomie";
  e.Defined = 1;
  e.IntroPosition = 0x0102;
  e.OneSemesterIntro = 1;
  e.IntroCategory = 0x0304;
  e.SubjectArea = 0x0506;
  e.IsMathematics = 1;
  e.CompetenceCourse = 0x0708;
  e.HoursAdvanced = 0x090A;
  e.HoursBasic = 0x0B0C;
  e.CertificatePosition = 0x0D0E;
  const std::vector<uint8_t> b = EncodeSubjectCatalogue(c);
  const size_t base = 3 * 596;
  EXPECT_EQ(ShortStringAt(b, base), "Astronomie");
  EXPECT_EQ(b[base + 31], 1);
  EXPECT_EQ(U16At(b, base + 32), 0x0102);
  EXPECT_EQ(b[base + 34], 1);
  EXPECT_EQ(U16At(b, base + 36), 0x0304);
  EXPECT_EQ(U16At(b, base + 38), 0x0506);
  EXPECT_EQ(b[base + 48], 1);
  EXPECT_EQ(U16At(b, base + 50), 0x0708);
  EXPECT_EQ(U16At(b, base + 52), 0x090A);
  EXPECT_EQ(U16At(b, base + 54), 0x0B0C);
  EXPECT_EQ(U16At(b, base + 56), 0x0D0E);
  // Only the written fields changed: padding, reserved bytes, the name's tail
  // and the other entries are the file's.
  for (size_t i = 0; i < b.size(); ++i) {
    const bool written = i >= base && i < base + 58 && i != base + 35 && i != base + 49 &&
                         !(i > base + 10 && i < base + 31);
    if (!written) {
      ASSERT_EQ(b[i], random[i]) << i;
    }
  }
}

TEST(SubjectCatalogue, DamagedNameLengthIsReadAsTheCapacity) {
  std::vector<uint8_t> bytes = EncodeSubjectCatalogue(BuiltInSubjectCatalogue());
  bytes[5 * 596] = 200;
  const SubjectCatalogue c = DecodeSubjectCatalogue(bytes);
  EXPECT_EQ(c.Entries[5].SubjectName.size(), 30u);
  EXPECT_EQ(EncodeSubjectCatalogue(c), bytes);
}

TEST(SubjectCatalogue, FindSubjectMatchesExactlyAndTheLastWins) {
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  EXPECT_EQ(FindSubject(c, "Deutsch"), 4u);
  EXPECT_EQ(FindSubject(c, "Sport"), 25u);
  EXPECT_EQ(FindSubject(c, "deutsch"), 0u);
  EXPECT_EQ(FindSubject(c, "Deutsch "), 0u);
  EXPECT_EQ(FindSubject(c, "Astronomie"), 0u);
  EXPECT_EQ(FindSubject(c, ""), 0u);
  // Entries 26..30 carry the placeholder's name too: the last of them wins,
  // an entry with no properties just like entry 0.
  EXPECT_EQ(FindSubject(c, kPlaceholder), 30u);
  c.Entries[27].SubjectName = "Deutsch";
  EXPECT_EQ(FindSubject(c, "Deutsch"), 27u);
  c.Entries[2].SubjectName = "Deutsch";
  EXPECT_EQ(FindSubject(c, "Deutsch"), 27u);
  c.Entries[0].SubjectName = "Latein";  // entry 0 is never matched
  c.Entries[14].SubjectName = "Latin";
  EXPECT_EQ(FindSubject(c, "Latein"), 0u);
}

TEST(SubjectCatalogue, SelectionListsStartWithThePlaceholder) {
  const SubjectCatalogue c = BuiltInSubjectCatalogue();
  const auto religion =
      SelectionList(c, [](const SubjectEntry& e) { return e.IsReligionPhilosophy == 1; });
  EXPECT_EQ(religion, (std::vector<std::string>{kPlaceholder, "Philosophie", "Religion"}));
  const auto science =
      SelectionList(c, [](const SubjectEntry& e) { return e.IsNaturalScience == 1; });
  EXPECT_EQ(science, (std::vector<std::string>{kPlaceholder, "Biologie", "Chemie", "Physik"}));
  const auto languages =
      SelectionList(c, [](const SubjectEntry& e) { return e.IsForeignLanguage == 1; });
  ASSERT_EQ(languages.size(), 11u);
  EXPECT_EQ(languages[1], "Englisch");
  EXPECT_EQ(languages[10], "Spanisch");
}

TEST(SubjectCatalogue, IntroPhaseDefaultsOfTheBuiltInTable) {
  const core::IntroPhaseDefaults d = IntroPhaseDefaultsOf(BuiltInSubjectCatalogue());
  const char* names[9] = {"Deutsch",    "Kunst und Gestaltung", "Musik",
                          "Geschichte", kPlaceholder,           "Sozialkunde",
                          "Geographie", "Mathematik",           "Sport"};
  const bool one_semester[9] = {false, true, true, false, false, true, true, false, false};
  for (size_t r = 0; r < 9; ++r) {
    EXPECT_EQ(d[r].Subject, names[r]) << r;
    EXPECT_EQ(d[r].OneSemester, one_semester[r]) << r;
  }
  // The record built from them: "#" for the one-semester rows.
  const core::StudentRecord rec = core::InitialisedRecord(d);
  EXPECT_EQ(rec.IntroPhase[1].Mark2, "#");
  EXPECT_EQ(rec.IntroPhase[5].Mark2, "#");
  EXPECT_EQ(rec.IntroPhase[0].Mark2, "-");
  EXPECT_EQ(rec.IntroPhase[4].Subject, kPlaceholder);
}

TEST(SubjectCatalogue, IntroPhaseDefaultsTakeTheHighestNumber) {
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  c.Entries[28].SubjectName = "Darstellendes Spiel";
  c.Entries[28].IntroPosition = 2;
  c.Entries[28].OneSemesterIntro = 0;
  c.Entries[3].IntroPosition = 5;
  c.Entries[3].OneSemesterIntro = 1;
  c.Entries[25].IntroPosition = 0;  // Sport leaves row 9
  const core::IntroPhaseDefaults d = IntroPhaseDefaultsOf(c);
  EXPECT_EQ(d[1].Subject, "Darstellendes Spiel");
  EXPECT_FALSE(d[1].OneSemester);
  EXPECT_EQ(d[4].Subject, "Chemie");
  EXPECT_TRUE(d[4].OneSemester);
  EXPECT_EQ(d[8].Subject, kPlaceholder);
}

// Two directories as after opening a data file elsewhere.
struct Dirs {
  TempDir program, data;
  core::Directories dirs;
  Dirs() : dirs{program.path(), data.path(), program.path(), program.path()} {}
};

TEST(SubjectCatalogueFile, NoFileAnywhereGivesTheBuiltInTable) {
  Dirs d;
  SubjectCatalogue c;
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(EncodeSubjectCatalogue(c), EncodeSubjectCatalogue(BuiltInSubjectCatalogue()));
  EXPECT_EQ(d.dirs.Settings, d.data.path());
}

TEST(SubjectCatalogueFile, FallBackOrder) {
  Dirs d;
  WriteAll(d.program / "FachDef.DAT", CatalogueFileNamed("Programm"));
  SubjectCatalogue c;
  // The settings directory (the data directory, CentralSettings 0) lacks it.
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(c.Entries[1].SubjectName, "Programm");
  // Now it has one: it beats the program directory's.
  WriteAll(d.data / "FachDef.DAT", CatalogueFileNamed("Daten"));
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(c.Entries[1].SubjectName, "Daten");
  // Central settings read the program directory's.
  LoadSubjectCatalogue(c, d.dirs, true);
  EXPECT_EQ(c.Entries[1].SubjectName, "Programm");
  EXPECT_EQ(d.dirs.Settings, d.program.path());
}

TEST(SubjectCatalogueFile, NameInAnotherCaseIsFound) {
  Dirs d;
  WriteAll(d.data / "fachdef.dat", CatalogueFileNamed("klein"));
  SubjectCatalogue c;
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(c.Entries[1].SubjectName, "klein");
  // Saving replaces that file in place.
  c.Entries[1].SubjectName = "neu";
  SaveSubjectCatalogue(c, d.dirs, false);
  EXPECT_FALSE(std::filesystem::exists(d.data / "FachDef.DAT"));
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(c.Entries[1].SubjectName, "neu");
}

TEST(SubjectCatalogueFile, ShortFileGivesTheMessageAndTheBuiltInTable) {
  Dirs d;
  std::vector<uint8_t> bytes = CatalogueFileNamed("kurz");
  bytes.resize(18475);
  WriteAll(d.data / "FachDef.DAT", bytes);
  WriteAll(d.program / "FachDef.DAT", CatalogueFileNamed("Programm"));  // not a fall-back
  SubjectCatalogue c = DecodeSubjectCatalogue(RandomBytes(18476, 3));
  try {
    LoadSubjectCatalogue(c, d.dirs, false);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_EQ(e.Cause(), "Die Datei ist zu kurz (falsche Größe)");
  }
  EXPECT_TRUE(SameMeaning(c, BuiltInSubjectCatalogue()));
  WriteAll(d.data / "FachDef.DAT", {});
  EXPECT_THROW(LoadSubjectCatalogue(c, d.dirs, false), IoError);
  EXPECT_EQ(c.Entries[1].SubjectName, "Arbeit-Wirtschaft-Technik");
}

TEST(SubjectCatalogueFile, LongFileContributesItsFirstBlock) {
  Dirs d;
  std::vector<uint8_t> bytes = CatalogueFileNamed("lang");
  const std::vector<uint8_t> block = bytes;
  bytes.resize(18476 + 596, 0xAB);
  WriteAll(d.data / "FachDef.DAT", bytes);
  SubjectCatalogue c;
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(EncodeSubjectCatalogue(c), block);
  // Saving writes the exact size again.
  SaveSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(ReadAll(d.data / "FachDef.DAT"), block);
}

TEST(SubjectCatalogueFile, DirectoryInPlaceOfTheFileIsPassedOver) {
  Dirs d;
  std::filesystem::create_directory(d.data / "FachDef.DAT");
  WriteAll(d.program / "FachDef.DAT", CatalogueFileNamed("Programm"));
  SubjectCatalogue c;
  LoadSubjectCatalogue(c, d.dirs, false);
  EXPECT_EQ(c.Entries[1].SubjectName, "Programm");
  // The save cannot replace a directory: the message, nothing lost.
  EXPECT_THROW(SaveSubjectCatalogue(c, d.dirs, false), IoError);
  EXPECT_TRUE(std::filesystem::is_directory(d.data / "FachDef.DAT"));
}

TEST(SubjectCatalogueFile, RandomFileIsWrittenBackByteIdentical) {
  Dirs d;
  const std::vector<uint8_t> random = RandomBytes(18476, 11);
  WriteAll(d.program / "FachDef.DAT", random);
  SubjectCatalogue c;
  LoadSubjectCatalogue(c, d.dirs, true);
  SaveSubjectCatalogue(c, d.dirs, true);
  EXPECT_EQ(ReadAll(d.program / "FachDef.DAT"), random);
}

TEST(SubjectCatalogueFile, SaveGoesToTheSettingsDirectory) {
  Dirs d;
  const std::vector<uint8_t> program_file = CatalogueFileNamed("Programm");
  WriteAll(d.program / "FachDef.DAT", program_file);
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  c.Entries[26].SubjectName = "Astronomie";
  SaveSubjectCatalogue(c, d.dirs, false);
  const std::vector<uint8_t> written = ReadAll(d.data / "FachDef.DAT");  // the new spelling
  EXPECT_EQ(written.size(), 18476u);
  EXPECT_EQ(written, EncodeSubjectCatalogue(c));
  EXPECT_EQ(ReadAll(d.program / "FachDef.DAT"), program_file);
}

TEST(SubjectCatalogueFile, FailedSaveKeepsTheOldFile) {
  TempDir program;
  WriteAll(program / "FachDef.DAT", CatalogueFileNamed("alt"));
  WriteAll(program / "Datei", {1});
  // A data directory below a regular file: the save cannot create anything.
  core::Directories dirs{program.path(), program / "Datei", program.path(), program.path()};
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  try {
    SaveSubjectCatalogue(c, dirs, false);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_EQ(e.Cause(), "Datei nicht gefunden");
  }
  EXPECT_EQ(ReadAll(program / "FachDef.DAT"), CatalogueFileNamed("alt"));
  EXPECT_EQ(c.Entries[26].SubjectName, kPlaceholder);
}

SubjectEntryTexts ValidTexts() {
  SubjectEntryTexts t = DisplayedTextsOf(BuiltInSubjectCatalogue().Entries[4]);
  t.SubjectName = "Deutsch als Zweitsprache";
  t.IntroPosition = "5";
  t.SubjectArea = "1";
  t.HoursAdvanced = "6";
  t.HoursBasic = "4";
  t.CertificatePosition = "13";
  t.IntroCategory = "2";
  t.CompetenceCourse = "1";
  t.IsGerman = false;
  t.IsForeignLanguage = true;
  return t;
}

TEST(SubjectTakeOver, DisplayedTextsOfAnEntry) {
  const SubjectEntryTexts t = DisplayedTextsOf(BuiltInSubjectCatalogue().Entries[15]);
  EXPECT_EQ(t.SubjectName, "Mathematik");
  EXPECT_EQ(t.IntroPosition, "8");
  EXPECT_EQ(t.SubjectArea, "3");
  EXPECT_EQ(t.HoursAdvanced, "5");
  EXPECT_EQ(t.HoursBasic, "3");
  EXPECT_EQ(t.CertificatePosition, "31");
  EXPECT_EQ(t.IntroCategory, "3");
  EXPECT_EQ(t.CompetenceCourse, "0");
  EXPECT_TRUE(t.IsMathematics);
  EXPECT_TRUE(t.AdvancedCourseAllowed);
  EXPECT_FALSE(t.OneSemesterIntro);
}

TEST(SubjectTakeOver, ValidTextsAreStored) {
  SubjectEntry e = BuiltInSubjectCatalogue().Entries[4];
  SubjectEntryTexts t = ValidTexts();
  t.SubjectName = "Gesellschaftswissenschaftliches Seminar";  // 39 characters
  t.HoursBasic = "65535";
  t.IntroCategory = "0";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "");
  EXPECT_EQ(e.SubjectName, "Gesellschaftswissenschaftliche");
  EXPECT_EQ(e.IntroPosition, 5);
  EXPECT_EQ(e.HoursAdvanced, 6);
  EXPECT_EQ(e.HoursBasic, 65535);
  EXPECT_EQ(e.CertificatePosition, 13);
  EXPECT_EQ(e.IntroCategory, 0);
  EXPECT_EQ(e.CompetenceCourse, 1);
  EXPECT_EQ(e.IsGerman, 0);
  EXPECT_EQ(e.IsForeignLanguage, 1);
  EXPECT_EQ(e.AdvancedCourseAllowed, 1);
  EXPECT_EQ(e.Defined, 1);  // not in the window
}

TEST(SubjectTakeOver, NotAnIntegerChangesNothing) {
  SubjectEntry e = BuiltInSubjectCatalogue().Entries[4];
  SubjectEntryTexts t = ValidTexts();
  t.HoursAdvanced = "5a";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "'5a' ist kein gültiger Integerwert");
  // All or nothing: the fields before the failing one keep their old values.
  EXPECT_EQ(e.SubjectName, "Deutsch");
  EXPECT_EQ(e.IntroPosition, 1);
  EXPECT_EQ(e.SubjectArea, 1);
  EXPECT_EQ(e.HoursAdvanced, 5);
  EXPECT_EQ(e.HoursBasic, 3);
  EXPECT_EQ(e.CertificatePosition, 11);
  EXPECT_EQ(e.CompetenceCourse, 0);
  EXPECT_EQ(e.IsGerman, 1);  // check boxes come last
  EXPECT_EQ(e.IsForeignLanguage, 0);

  for (const char* bad : {"", " ", "1,5", "0x10", "+", "12 3", "99999999999"}) {
    t = ValidTexts();
    t.CompetenceCourse = bad;
    EXPECT_EQ(TakeOverSubjectEntry(e, t),
              "'" + std::string(bad) + "' ist kein gültiger Integerwert");
  }
}

TEST(SubjectTakeOver, OutOfRangeStopsWithTheRangeMessage) {
  SubjectEntry e = BuiltInSubjectCatalogue().Entries[4];
  SubjectEntryTexts t = ValidTexts();
  t.CertificatePosition = "65536";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "Fehler bei Bereichsprüfung");
  EXPECT_EQ(e.HoursBasic, 3);  // read before the failing field, not stored
  EXPECT_EQ(e.CertificatePosition, 11);
  t.CertificatePosition = "-1";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "Fehler bei Bereichsprüfung");
  t.CertificatePosition = "2147483648";  // beyond 32 bits: no integer at all
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "'2147483648' ist kein gültiger Integerwert");
  t.CertificatePosition = "2147483647";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "Fehler bei Bereichsprüfung");
  t.CertificatePosition = " +12 ";
  EXPECT_EQ(TakeOverSubjectEntry(e, t), "");
  EXPECT_EQ(e.CertificatePosition, 12);
}

TEST(SubjectTakeOver, CatalogueEntryRefusesBlankAndDuplicateNamesAndOddPositions) {
  SubjectCatalogue c = BuiltInSubjectCatalogue();
  const SubjectCatalogue before = c;
  SubjectEntryTexts t = DisplayedTextsOf(c.Entries[4]);  // Deutsch
  for (const char* blank : {"", "   "}) {
    t.SubjectName = blank;
    const auto error = TakeOverCatalogueEntry(c, 4, t);
    ASSERT_TRUE(error) << blank;
    EXPECT_EQ(error->Field, SubjectField::SubjectName);
  }
  t.SubjectName = "Englisch";  // entry 5
  auto error = TakeOverCatalogueEntry(c, 4, t);
  ASSERT_TRUE(error);
  EXPECT_NE(error->Message.find("Nr. 5"), std::string::npos);
  t.SubjectName = "Deutsch";
  for (const char* position : {"9", "43", "1"}) {
    t.CertificatePosition = position;
    error = TakeOverCatalogueEntry(c, 4, t);
    ASSERT_TRUE(error) << position;
    EXPECT_EQ(error->Field, SubjectField::CertificatePosition);
  }
  t.HoursBasic = "x";
  t.CertificatePosition = "11";
  error = TakeOverCatalogueEntry(c, 4, t);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Field, SubjectField::HoursBasic);
  EXPECT_EQ(EncodeSubjectCatalogue(c), EncodeSubjectCatalogue(before));

  // Accepted: its own name, the placeholder shared with 26..30, 0, 10 and 42.
  t = DisplayedTextsOf(c.Entries[4]);
  for (const char* position : {"0", "10", "42"}) {
    t.CertificatePosition = position;
    EXPECT_FALSE(TakeOverCatalogueEntry(c, 4, t)) << position;
  }
  t.SubjectName = "   - - -";
  EXPECT_FALSE(TakeOverCatalogueEntry(c, 4, t));
  EXPECT_EQ(c.Entries[4].SubjectName, "   - - -");
  EXPECT_EQ(c.Entries[4].CertificatePosition, 42);
}

TEST(SubjectTakeOver, VanishedNamesAreTheRenamedAndClearedOnes) {
  const SubjectCatalogue before = BuiltInSubjectCatalogue();
  SubjectCatalogue after = before;
  after.Entries[2].SubjectName = "Biologie (bilingual)";
  after.Entries[3].SubjectName = "   - - -";
  after.Entries[26].SubjectName = "Chemie";  // still offered elsewhere
  after.Entries[27].SubjectName = "Astronomie";
  EXPECT_EQ(VanishedSubjectNames(before, after), (std::vector<std::string>{"Biologie"}));
}

}  // namespace
}  // namespace tolka::settings
