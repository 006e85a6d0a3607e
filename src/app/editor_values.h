// The record editor's controls as plain values: one member per control of the
// eight pages "Personendaten", "Fremdsprachen", "Einführungsphase", "Kurswahl
// und Prüfungen", "Bewertung und Auswahl", "Besondere Lernleistung",
// "Bemerkungen" and "Projektkurse". The UI fills its widgets from these after
// Show record and hands them back for Transfer; members of controls the UI
// does not have are passed back as Show record gave them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/student_record.h"

namespace tolka::app {

// An edit box (also the date box): its text and whether the user typed in it
// since Show record last filled it. Only an edited box counts as a change.
struct EditText {
  std::string Text;
  bool Edited = false;
  bool operator==(const EditText&) const = default;
};

// A choice box (drop-down list): the selected item's text, or nothing when no
// item is selected (the transfer then stores the empty text).
using Choice = std::optional<std::string>;

// A check box with its third, greyed state. Show record gives the greyed
// state for a stored value other than 0 and 1; the transfer keeps that value
// while the box stays greyed.
enum class CheckState { Unchecked, Checked, Greyed };

// A radio group's item index; kNoRadioItem shows no item. An index the group
// has no item for (a stored code outside its range) shows no item too and is
// handed back unchanged unless the user picks an item.
inline constexpr int kNoRadioItem = -1;

// The shown rows: course rows 0..12 ("a:  LK1" .. "z2:"); rows 13 and 14 and
// the fourth project course are kept in the record but not edited.
inline constexpr size_t kEditorCourseRows = 13;
inline constexpr size_t kEditorProjectCourses = 3;

// "Einführungsphase": rows 4 and 9..16 choose their subject in a box (the
// others show a fixed subject); rows 1, 2, 5 and 6 have no second mark.
bool IntroRowHasSubjectBox(size_t row);
bool IntroRowHasMark2(size_t row);

struct ForeignLanguageValues {
  Choice Subject;    // "Fach:" (languages list)
  Choice FromGrade;  // "von Klasse:" (grades list)
  Choice ToGrade;    // "bis Klasse:"
};

struct IntroPhaseValues {
  Choice Subject;  // only rows with a subject box
  EditText Mark1;
  EditText Mark2;  // only rows with a second mark
};

struct CourseChoiceValues {
  Choice Subject;                                     // "Fach"
  CheckState ExamSubject = CheckState::Unchecked;     // "Prüfung"
  CheckState AdvancedCourse = CheckState::Unchecked;  // "LK" / "ZLK"
};

struct CourseResultValues {
  std::array<EditText, core::kSemesterCount> SemesterPoints;  // "Sem.1".."Sem.4"
  EditText WrittenExamPoints;                                 // "schr."
  EditText OralExamPoints;                                    // "mdl."
  std::array<CheckState, core::kSemesterCount> Credited{};    // credited semester courses
  CheckState CompetenceFlag = CheckState::Unchecked;          // "Komp."
};

struct EditorValues {
  // "Personendaten"
  EditText StudentId;             // "Kenn-Nummer:"
  int Salutation = kNoRadioItem;  // "Anrede": item 0 "Frau/Fräulein", 1 "Herr"
  EditText Surname;               // "Name:"
  EditText GivenNames;            // "Vorname(n):"
  EditText BirthDate;             // date box "Geburtsdatum:", DD.MM.YYYY
  EditText BirthPlace;            // "Geburtsort:"
  EditText Residence;             // "wohnhaft in:"
  Choice ClassName;               // "Klasse/Kurs:"
  Choice Tutor;                   // "TutorIn:"
  Choice Religion;                // "gewählter Religionsunterricht:"

  // "Fremdsprachen"
  std::array<ForeignLanguageValues, core::kForeignLanguageCount> ForeignLanguages;
  int Graecum = 0;  // items "kein", "kleines", "großes"
  int Latinum = 0;
  int Hebraicum = 0;

  // "Einführungsphase"
  std::array<IntroPhaseValues, core::kIntroPhaseRowCount> IntroPhase;
  CheckState RepeatsIntroPhase = CheckState::Unchecked;
  CheckState SkippedIntroPhase = CheckState::Unchecked;
  CheckState CompensationAllowable = CheckState::Unchecked;
  CheckState CompensationGranted = CheckState::Unchecked;
  CheckState PromotableToQualPhase = CheckState::Unchecked;
  CheckState PromotedByConference = CheckState::Unchecked;

  // "Kurswahl und Prüfungen" and "Bewertung und Auswahl"
  std::array<CourseChoiceValues, kEditorCourseRows> CourseChoices;
  std::array<CourseResultValues, kEditorCourseRows> CourseResults;

  // "Besondere Lernleistung"; the free texts use "\n" as line break.
  std::string SpecialWorkTopic;  // "Thema:"
  EditText SpecialWorkMentor;    // "MentorIn:"
  CheckState SpecialWorkCounts = CheckState::Unchecked;
  EditText SpecialWorkDocPoints;         // "Bewertung Dokumentation:"
  EditText SpecialWorkColloquiumPoints;  // "Bewertung Kolloquium:"
  EditText SpecialWorkTotal;             // "Gesamtnote:"

  // "Bemerkungen"
  std::string InternalRemarks;     // "interne Bemerkungen:"
  std::string CertificateRemarks;  // "Bemerkungen auf dem Abiturzeugnis:"

  // "Projektkurse": "Kursbezeichnung:" for semester 1, 2, 3.
  std::array<Choice, kEditorProjectCourses> ProjectCourses;
  CheckState ProjectCoursesHoldSpecialWork = CheckState::Unchecked;
};

// The items of every choice box, parallel to the Choice members above: the
// box's item list, and after it the shown text as one extra item when that
// text is not among them (a class deleted from the class list, a subject
// renamed in the catalogue, an imported name). Browsing thus never erases a
// stored choice; it changes only when the user picks another item. Boxes that
// do not exist (intro rows without a subject box) have no items.
using ChoiceItems = std::vector<std::string>;
struct EditorItems {
  ChoiceItems ClassName;
  ChoiceItems Tutor;
  ChoiceItems Religion;
  std::array<ChoiceItems, core::kForeignLanguageCount> LanguageSubject;
  std::array<ChoiceItems, core::kForeignLanguageCount> FromGrade;
  std::array<ChoiceItems, core::kForeignLanguageCount> ToGrade;
  std::array<ChoiceItems, core::kIntroPhaseRowCount> IntroSubject;
  std::array<ChoiceItems, kEditorCourseRows> CourseSubject;
  std::array<ChoiceItems, kEditorProjectCourses> ProjectCourse;
};

// The colour role of a course row's choice label ("a:  LK1" ..) and of its
// caption on the points page, from the row's `ExamSubject` and
// `AdvancedCourse`.
enum class CourseRole {
  ExamAndAdvanced,  // both set: red
  ExamOnly,         // only `ExamSubject`: blue
  AdvancedOnly,     // only `AdvancedCourse`: fuchsia
  Plain,            // neither: black
};
CourseRole CourseRoleOf(const core::CourseChoice& choice);

// What Show record gives besides the controls: per shown course row its
// colour role and the caption of its points row (the row's `SubjectCopy`).
struct EditorLabels {
  std::array<CourseRole, kEditorCourseRows> CourseRoles{};
  std::array<std::string, kEditorCourseRows> ResultCaptions;
};

// The fixed texts of the rows (ASCII only, so the same in every code page).
inline constexpr std::array<const char*, kEditorCourseRows> kCourseChoiceLabels = {
    "a:  LK1", "b:  LK2",  "c:  GK1", "d:  GK2",  "e:  GK3", "f:   GK4", "g:  GK5",
    "h:  GK6", "i:   GK7", "k:  GK8", "l:   ZGK", "z1:",     "z2:"};
// The points page's row captions before a record is shown.
inline constexpr std::array<const char*, kEditorCourseRows> kResultRowCaptions = {
    "Leistungskurs a", "Leistungskurs b", "Grundkurs c", "Grundkurs d", "Grundkurs e",
    "Grundkurs f",     "Grundkurs g",     "Grundkurs h", "Grundkurs i", "Grundkurs k",
    "Grundkurs l",     "Zusatzkurs 1",    "Zusatzkurs 2"};

// The eight pages in their order.
enum class EditorPage {
  PersonalData,      // "Personendaten"
  ForeignLanguages,  // "Fremdsprachen"
  IntroPhase,        // "Einführungsphase"
  CourseChoice,      // "Kurswahl und Prüfungen"
  Results,           // "Bewertung und Auswahl"
  SpecialWork,       // "Besondere Lernleistung"
  Remarks,           // "Bemerkungen"
  ProjectCourses,    // "Projektkurse"
};
inline constexpr size_t kEditorPageCount = 8;
// The page's tab caption (Windows-1252).
const char* PageCaption(EditorPage page);
// "Anrechng. löschen" is enabled only while "Bewertung und Auswahl" is active.
bool ClearCreditsEnabled(EditorPage active_page);

}  // namespace tolka::app
