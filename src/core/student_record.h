// The `StudentRecord`: everything the system knows about one student, a
// fixed 4436-byte block written to the data file byte for byte. The struct
// holds the decoded fields; `carried` holds the record's bytes as last read
// or encoded, so padding and the meaningless bytes after a short string's
// text survive a read/write round trip unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/byte_fields.h"

namespace tolka::core {

// Record layout (offsets from the start of the record).
namespace record_layout {
inline constexpr size_t kStatusWord = 0;          // u16
inline constexpr size_t kStudentId = 2;           // string[10]
inline constexpr size_t kSalutation = 14;         // u16 (13 is a pad byte)
inline constexpr size_t kSurname = 16;            // string[40]
inline constexpr size_t kGivenNames = 57;         // string[40]
inline constexpr size_t kBirthDate = 98;          // string[10]
inline constexpr size_t kBirthPlace = 109;        // string[70]
inline constexpr size_t kResidence = 180;         // string[70]
inline constexpr size_t kClassName = 251;         // string[10]
inline constexpr size_t kTutor = 262;             // string[40]
inline constexpr size_t kReligion = 303;          // string[40]
inline constexpr size_t kForeignLanguages = 344;  // 4 x 37
inline constexpr size_t kForeignLanguageSize = 37;
inline constexpr size_t kGraecum = 492;     // u16
inline constexpr size_t kLatinum = 494;     // u16
inline constexpr size_t kHebraicum = 496;   // u16
inline constexpr size_t kIntroPhase = 498;  // 17 x 35
inline constexpr size_t kIntroPhaseRowSize = 35;
inline constexpr size_t kRepeatsIntroPhase = 1094;  // flags; 1093 is a pad byte
inline constexpr size_t kSkippedIntroPhase = 1096;
inline constexpr size_t kCompensationAllowable = 1098;
inline constexpr size_t kCompensationGranted = 1100;
inline constexpr size_t kPromotableToQualPhase = 1102;
inline constexpr size_t kPromotedByConference = 1104;
inline constexpr size_t kCourseChoices = 1106;  // 15 x 36
inline constexpr size_t kCourseChoiceSize = 36;
inline constexpr size_t kCourseResults = 1646;  // 15 x 60
inline constexpr size_t kCourseResultSize = 60;
inline constexpr size_t kSpecialWorkTopic = 2546;   // char[200]
inline constexpr size_t kSpecialWorkMentor = 2746;  // string[70]
inline constexpr size_t kSpecialWorkCounts = 2818;  // flag; 2817 is a pad byte
inline constexpr size_t kSpecialWorkDocPoints = 2820;
inline constexpr size_t kSpecialWorkColloquiumPoints = 2823;
inline constexpr size_t kSpecialWorkTotal = 2826;    // 2829 is a pad byte
inline constexpr size_t kInternalRemarks = 2830;     // char[1000]
inline constexpr size_t kCertificateRemarks = 3830;  // char[400]
inline constexpr size_t kProjectCourses = 4230;      // 4 x string[50]
inline constexpr size_t kProjectCourseSize = 51;
inline constexpr size_t kProjectCoursesHoldSpecialWork = 4434;  // flag
inline constexpr size_t kRecordSize = 4436;

// Inside a `ForeignLanguages` entry.
inline constexpr size_t kLanguageSubject = 0;  // string[30]
inline constexpr size_t kFromGrade = 31;       // string[2]
inline constexpr size_t kToGrade = 34;         // string[2]
// Inside an `IntroPhase` row.
inline constexpr size_t kIntroSubject = 0;  // string[30]
inline constexpr size_t kMark1 = 31;        // string[1]
inline constexpr size_t kMark2 = 33;        // string[1]
// Inside a `CourseChoices` row (31 is a pad byte).
inline constexpr size_t kChoiceSubject = 0;  // string[30]
inline constexpr size_t kExamSubject = 32;   // flag
inline constexpr size_t kAdvancedCourse = 34;
// Inside a `CourseResults` row (49 is a pad byte).
inline constexpr size_t kSubjectCopy = 0;      // string[30]
inline constexpr size_t kSemesterPoints = 31;  // 4 x string[2]: 31, 34, 37, 40
inline constexpr size_t kWrittenExamPoints = 43;
inline constexpr size_t kOralExamPoints = 46;
inline constexpr size_t kCredited = 50;  // 4 x flag: 50, 52, 54, 56
inline constexpr size_t kCompetenceFlag = 58;

static_assert(kForeignLanguages + 4 * kForeignLanguageSize == kGraecum);
static_assert(kIntroPhase + 17 * kIntroPhaseRowSize + 1 == kRepeatsIntroPhase);
static_assert(kCourseChoices + 15 * kCourseChoiceSize == kCourseResults);
static_assert(kCourseResults + 15 * kCourseResultSize == kSpecialWorkTopic);
static_assert(kSpecialWorkTopic + 200 == kSpecialWorkMentor);
static_assert(kInternalRemarks + 1000 == kCertificateRemarks);
static_assert(kCertificateRemarks + 400 == kProjectCourses);
static_assert(kProjectCourses + 4 * kProjectCourseSize == kProjectCoursesHoldSpecialWork);
static_assert(kProjectCoursesHoldSpecialWork + 2 == kRecordSize);
static_assert(kCourseChoiceSize == kAdvancedCourse + 2);
static_assert(kCourseResultSize == kCompetenceFlag + 2);
}  // namespace record_layout

// Field widths (characters) of the texts.
namespace record_width {
inline constexpr size_t kStudentId = 10;
inline constexpr size_t kName = 40;  // Surname, GivenNames, Tutor, Religion
inline constexpr size_t kBirthDate = 10;
inline constexpr size_t kPlace = 70;  // BirthPlace, Residence, SpecialWorkMentor
inline constexpr size_t kClassName = 10;
inline constexpr size_t kSubject = 30;
inline constexpr size_t kPoints = 2;
inline constexpr size_t kMark = 1;
inline constexpr size_t kSpecialWorkTopic = 200;    // char[200], at most 199 characters
inline constexpr size_t kInternalRemarks = 1000;    // char[1000]
inline constexpr size_t kCertificateRemarks = 400;  // char[400]
inline constexpr size_t kProjectCourse = 50;
}  // namespace record_width

inline constexpr size_t kForeignLanguageCount = 4;
inline constexpr size_t kIntroPhaseRowCount = 17;
inline constexpr size_t kCourseRowCount = 15;
inline constexpr size_t kSemesterCount = 4;
inline constexpr size_t kProjectCourseCount = 4;

struct ForeignLanguageEntry {
  std::string Subject;    // string[30] "Fach:"
  std::string FromGrade;  // string[2] "von Klasse:"
  std::string ToGrade;    // string[2] "bis Klasse:"
};

struct IntroPhaseRow {
  std::string Subject;  // string[30]
  std::string Mark1;    // string[1], first half-year
  std::string Mark2;    // string[1], second half-year
};

struct CourseChoice {
  std::string Subject;          // string[30] "Fach"
  uint16_t ExamSubject = 0;     // column "Prüfung"
  uint16_t AdvancedCourse = 0;  // column "LK" / "ZLK"
};

struct CourseResult {
  std::string SubjectCopy;  // the course's subject at the last transfer
  std::array<std::string, kSemesterCount> SemesterPoints;  // "Sem.1".."Sem.4"
  std::string WrittenExamPoints;                           // "schr."
  std::string OralExamPoints;                              // "mdl."
  std::array<uint16_t, kSemesterCount> Credited{};         // credit marks
  uint16_t CompetenceFlag = 0;                             // "Komp."
};

struct StudentRecord {
  uint16_t StatusWord = 0;
  std::string StudentId;
  uint16_t Salutation = 0;  // 0 none, 1 "Frau/Fräulein", 2 "Herr"
  std::string Surname;
  std::string GivenNames;
  std::string BirthDate;  // DD.MM.YYYY
  std::string BirthPlace;
  std::string Residence;
  std::string ClassName;
  std::string Tutor;
  std::string Religion;
  std::array<ForeignLanguageEntry, kForeignLanguageCount> ForeignLanguages;
  uint16_t Graecum = 0;  // 0 "kein", 1 "kleines", 2 "großes"
  uint16_t Latinum = 0;
  uint16_t Hebraicum = 0;
  std::array<IntroPhaseRow, kIntroPhaseRowCount> IntroPhase;
  uint16_t RepeatsIntroPhase = 0;
  uint16_t SkippedIntroPhase = 0;
  uint16_t CompensationAllowable = 0;
  uint16_t CompensationGranted = 0;
  uint16_t PromotableToQualPhase = 0;
  uint16_t PromotedByConference = 0;
  std::array<CourseChoice, kCourseRowCount> CourseChoices;
  std::array<CourseResult, kCourseRowCount> CourseResults;
  std::string SpecialWorkTopic;  // char[200]
  std::string SpecialWorkMentor;
  uint16_t SpecialWorkCounts = 0;
  std::string SpecialWorkDocPoints;
  std::string SpecialWorkColloquiumPoints;
  std::string SpecialWorkTotal;
  std::string InternalRemarks;     // char[1000]
  std::string CertificateRemarks;  // char[400]
  std::array<std::string, kProjectCourseCount> ProjectCourses;
  uint16_t ProjectCoursesHoldSpecialWork = 0;

  // The record's bytes as last decoded or encoded (all zero for a record built
  // in memory); Encode writes the fields over them.
  std::array<uint8_t, record_layout::kRecordSize> carried{};
};

StudentRecord DecodeStudentRecord(ConstBytes bytes);
// Writes the record into `out` (kRecordSize bytes), starting from `carried`.
void EncodeStudentRecord(const StudentRecord& record, Bytes out);
std::array<uint8_t, record_layout::kRecordSize> EncodeStudentRecord(const StudentRecord& record);

// The subject and second-half-year mark that a new record gets in
// `IntroPhase` row r (0..8), taken from the subject catalogue.
struct IntroPhaseDefault {
  std::string Subject;
  bool OneSemester = false;  // "einsemestrig in Einführungsphase": Mark2 "#"
};
using IntroPhaseDefaults = std::array<IntroPhaseDefault, 9>;

// Initialise record: every field at its initial value, `IntroPhase` rows 0..8
// from the catalogue's defaults, the other rows "   - - -", "-", "-".
StudentRecord InitialisedRecord(const IntroPhaseDefaults& defaults);

// Is free: `Surname` empty or "   - frei -".
bool IsFree(const StudentRecord& record);

// List line of a slot: "    - frei -" (four blanks) for an empty surname,
// "   - frei -" followed by `GivenNames` for a free slot, else
// "Surname, GivenNames".
std::string ListLine(const StudentRecord& record);

// Points value: "00".."15" give 0..15; every other text is no value.
inline constexpr int kNoValue = -1000;
int PointsValue(const std::string& points);

// The course-change rule: compares the new subject of a course row with the
// row's `SubjectCopy`. `None` when they agree or the copy is empty or
// "   - - -"; `Removed` when the new subject is "   - - -"; `Exchanged` when it
// is another subject.
enum class CourseChange { None, Removed, Exchanged };
CourseChange DetectCourseChange(const std::string& old_copy, const std::string& new_subject);

// Runs the rule on row `row` after its subject was stored: reports the change
// and overwrites `SubjectCopy` with the new subject. Points, exam points and
// credit marks stay as they were.
CourseChange ApplyCourseChange(StudentRecord& record, size_t row);

}  // namespace tolka::core
