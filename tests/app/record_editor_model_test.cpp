#include "app/record_editor_model.h"

#include <gtest/gtest.h>

#include <string>

#include "app/input_limits.h"
#include "core/record_texts.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

using core::CourseChange;
using core::StudentRecord;
using test::WriteAll;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

constexpr const char* kRemovedText =
    "Es wurde eventuell die Kurswahl geändert!\r\rBitte unbedingt die Bewertungen prüfen!\r"
    "(Lösch-Funktion für Bewertungen noch nicht integriert bzw. in Arbeit!)";
constexpr const char* kExchangedText =
    "Es wurde eventuell die Kurswahl geändert!\r\rBitte unbedingt die Bewertungen prüfen!\r"
    "(Tausch-Funktion noch nicht integriert bzw. in Arbeit!)";

// A program state as after start-up: built-in catalogue, initialised table,
// class, tutor and project-course lists in the program directory.
struct Editor {
  test::TempDir dir;
  AppState state;
  ItemLists lists;

  Editor() {
    state.Dirs = core::Directories::AllAt(dir.path());
    state.Catalogue = settings::BuiltInSubjectCatalogue();
    state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
    WriteAll(dir / "KLASSEN.KLL", Bytes("12a\r\n12b\r\n"));
    WriteAll(dir / "TUTOREN.STL", Bytes("Frau Köhler\r\nHerr Mustermann\r\n"));
    WriteAll(dir / "PKURSE.PKL", Bytes("Chor\r\nOrchester\r\n"));
    test::ScriptedInteraction ui;
    lists = BuildItemLists(state.Catalogue, state.Dirs, ui);
  }

  StudentRecord& Rec(size_t slot) { return state.Data.Table.At(slot); }
  EditorValues Shown(size_t slot) { return ShowRecord(state, lists, slot).Values; }
  TransferResult Store(size_t slot, const EditorValues& v) { return Transfer(state, slot, v); }

  // Makes slot `slot` hold a student.
  void Enrol(size_t slot, const std::string& surname, const std::string& given) {
    StudentRecord& r = Rec(slot);
    r.Surname = surname;
    r.GivenNames = given;
    r.BirthPlace = "Saarlouis";
    r.Residence = "Merzig";
    r.ClassName = "12a";
    r.Tutor = "Frau Köhler";
    r.Religion = "katholische";
  }
};

void Type(EditText& box, const std::string& text) {
  box.Text = text;
  box.Edited = true;
}

// ---------------------------------------------------------------- show

TEST(ShowRecord, FillsEveryControlFromTheRecord) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  StudentRecord& r = e.Rec(0);
  r.Salutation = 1;
  r.BirthDate = "03.04.2007";
  r.ForeignLanguages[1] = {"Französisch", " 7", "13"};
  r.Latinum = 2;
  r.IntroPhase[4].Subject = "Religion";
  r.IntroPhase[0].Mark1 = "2";
  r.IntroPhase[0].Mark2 = "3";
  r.SkippedIntroPhase = 1;
  r.CourseChoices[2] = {"Englisch", 1, 0};
  r.CourseResults[2].SubjectCopy = "Englisch";
  r.CourseResults[2].SemesterPoints = {"11", "12", "--", "5"};
  r.CourseResults[2].Credited = {1, 0, 0, 0};
  r.SpecialWorkMentor = "Herr Mustermann";
  r.ProjectCourses[1] = "Chor";

  const ShownRecord s = ShowRecord(e.state, e.lists, 0);
  const EditorValues& v = s.Values;
  EXPECT_EQ(v.StudentId, (EditText{"1", false}));
  EXPECT_EQ(v.Salutation, 0);  // code 1 is the first item
  EXPECT_EQ(v.Surname.Text, "Weber");
  EXPECT_FALSE(v.Surname.Edited);
  EXPECT_EQ(v.BirthDate.Text, "03.04.2007");
  EXPECT_EQ(v.ClassName, "12a");
  EXPECT_EQ(v.Tutor, "Frau Köhler");
  EXPECT_EQ(v.Religion, "katholische");
  EXPECT_EQ(v.ForeignLanguages[1].Subject, "Französisch");
  EXPECT_EQ(v.ForeignLanguages[1].FromGrade, " 7");
  EXPECT_EQ(v.Latinum, 2);
  EXPECT_EQ(v.IntroPhase[4].Subject, "Religion");
  EXPECT_FALSE(v.IntroPhase[0].Subject.has_value());  // fixed "Deutsch"
  EXPECT_EQ(v.IntroPhase[0].Mark2.Text, "3");
  EXPECT_EQ(v.IntroPhase[1].Mark1.Text, "-");
  EXPECT_EQ(v.IntroPhase[1].Mark2.Text, "");  // Kunst und Gestaltung: no second mark shown
  EXPECT_EQ(v.SkippedIntroPhase, CheckState::Checked);
  EXPECT_EQ(v.CourseChoices[0].ExamSubject, CheckState::Checked);  // LK1 initially
  EXPECT_EQ(v.CourseChoices[2].Subject, "Englisch");
  EXPECT_EQ(v.CourseChoices[2].AdvancedCourse, CheckState::Unchecked);
  EXPECT_EQ(v.CourseResults[2].SemesterPoints[3].Text, "5");  // shown as stored
  EXPECT_EQ(v.CourseResults[2].Credited[0], CheckState::Checked);
  EXPECT_EQ(v.CourseResults[2].WrittenExamPoints.Text, "--");
  EXPECT_EQ(v.SpecialWorkTopic, "   - - -");
  EXPECT_EQ(v.SpecialWorkMentor.Text, "Herr Mustermann");
  EXPECT_EQ(v.InternalRemarks, "   - - -");
  EXPECT_EQ(v.ProjectCourses[1], "Chor");

  // Known texts add no extra item.
  EXPECT_EQ(s.Items.ClassName, e.lists.Classes);
  EXPECT_EQ(s.Items.IntroSubject[4], e.lists.ReligionSubjects);
  EXPECT_EQ(s.Items.IntroSubject[9], e.lists.Languages);
  EXPECT_EQ(s.Items.IntroSubject[12], e.lists.Sciences);
  EXPECT_EQ(s.Items.IntroSubject[13], e.lists.Electives);
  EXPECT_EQ(s.Items.ProjectCourse[2], e.lists.ProjectCourses);
}

TEST(ShowRecord, SalutationAndCodesOfTheRadioGroups) {
  Editor e;
  EXPECT_EQ(e.Shown(0).Salutation, kNoRadioItem);  // code 0 shows none
  e.Rec(0).Salutation = 2;
  e.Rec(0).Hebraicum = 1;
  EXPECT_EQ(e.Shown(0).Salutation, 1);  // "Herr"
  EXPECT_EQ(e.Shown(0).Hebraicum, 1);
  // A code outside the group is handed back unchanged.
  e.Rec(0).Salutation = 7;
  const EditorValues v = e.Shown(0);
  EXPECT_EQ(v.Salutation, 6);
  EXPECT_FALSE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).Salutation, 7);
}

TEST(ShowRecord, LabelsTakeTheSubjectCopyAndTheColourRoleOfTheirCourseRow) {
  Editor e;
  StudentRecord& r = e.Rec(0);
  r.CourseChoices[2] = {"Englisch", 1, 0};
  r.CourseChoices[3] = {"Chemie", 0, 1};
  r.CourseChoices[4] = {"Sport", 2, 0};  // not 1: not set
  r.CourseResults[2].SubjectCopy = "Englisch";
  r.CourseResults[3].SubjectCopy = "Biologie";  // the copy, not the choice
  const EditorLabels labels = ShowRecord(e.state, e.lists, 0).Labels;
  EXPECT_EQ(labels.CourseRoles[0], CourseRole::ExamAndAdvanced);
  EXPECT_EQ(labels.CourseRoles[2], CourseRole::ExamOnly);
  EXPECT_EQ(labels.CourseRoles[3], CourseRole::AdvancedOnly);
  EXPECT_EQ(labels.CourseRoles[4], CourseRole::Plain);
  EXPECT_EQ(labels.CourseRoles[12], CourseRole::Plain);
  EXPECT_EQ(labels.ResultCaptions[2], "Englisch");
  EXPECT_EQ(labels.ResultCaptions[3], "Biologie");
  EXPECT_EQ(labels.ResultCaptions[0], "   - - -");
}

// Mend: an empty BirthDate shows an empty date box, and a flag other than 0
// or 1 the greyed state, so nothing of the student shown before can stay in
// a control and be stored into this student.
TEST(ShowRecord, EmptyDateAndOddFlagsDoNotKeepThePreviousStudentsValues) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  e.Enrol(1, "Schmitt", "Jan");
  e.Rec(0).BirthDate = "03.04.2007";
  e.Rec(0).RepeatsIntroPhase = 1;
  e.Rec(1).BirthDate = "";
  e.Rec(1).RepeatsIntroPhase = 2;
  e.Rec(1).CourseResults[0].Credited[2] = 5;
  ASSERT_EQ(e.Shown(0).BirthDate.Text, "03.04.2007");
  const EditorValues v = e.Shown(1);
  EXPECT_EQ(v.BirthDate.Text, "");
  EXPECT_EQ(v.RepeatsIntroPhase, CheckState::Greyed);
  EXPECT_EQ(v.CourseResults[0].Credited[2], CheckState::Greyed);

  // The untouched date box with the date mask's blanks keeps the date empty.
  EditorValues masked = v;
  masked.BirthDate.Text = "  .  .    ";
  EXPECT_FALSE(e.Store(1, masked).Changed);
  EXPECT_EQ(e.Rec(1).BirthDate, "");
  // A date box that was typed in is stored as it stands.
  Type(masked.BirthDate, "  .  .    ");
  EXPECT_TRUE(e.Store(1, masked).Changed);
  EXPECT_EQ(e.Rec(1).BirthDate, "  .  .    ");
}

TEST(ShowRecord, FreeTextsUpToTheirZeroWithLineBreaksAsNewlines) {
  Editor e;
  e.Rec(0).InternalRemarks = "Zeile 1\r\nZeile 2\r\n\r\nEnde";
  e.Rec(0).CertificateRemarks = std::string("kurz\0Rest", 9);
  e.Rec(0).SpecialWorkTopic = "lone\rcr";
  const EditorValues v = e.Shown(0);
  EXPECT_EQ(v.InternalRemarks, "Zeile 1\nZeile 2\n\nEnde");
  EXPECT_EQ(v.CertificateRemarks, "kurz");
  EXPECT_EQ(v.SpecialWorkTopic, "lone\rcr");
  // Shown and transferred back: the same bytes.
  e.Store(0, v);
  EXPECT_EQ(e.Rec(0).InternalRemarks, "Zeile 1\r\nZeile 2\r\n\r\nEnde");
  EXPECT_EQ(e.Rec(0).SpecialWorkTopic, "lone\rcr");
  EXPECT_FALSE(e.state.Data.Modified);
}

TEST(ShowRecord, PredecessorTemplateIsShownButStoredOnlyByTheTransfer) {
  Editor e;
  e.Enrol(2, "Weber", "Anna");
  e.Rec(2).ClassName = "12b";
  e.Rec(3).BirthPlace = "";
  e.Rec(3).Residence = "Dillingen";  // its own is kept
  const EditorValues v = e.Shown(3);
  EXPECT_EQ(v.BirthPlace.Text, "Saarlouis");
  EXPECT_FALSE(v.BirthPlace.Edited);
  EXPECT_EQ(v.Residence.Text, "Dillingen");
  EXPECT_EQ(v.ClassName, "12b");
  EXPECT_EQ(v.Tutor, "Frau Köhler");
  EXPECT_EQ(v.Religion, "   - - -");  // not part of the template
  // Nothing written yet.
  EXPECT_EQ(e.Rec(3).BirthPlace, "");
  EXPECT_EQ(e.Rec(3).ClassName, "   - - -");
  EXPECT_EQ(e.Rec(3).Tutor, "   - - -");

  const TransferResult t = e.Store(3, v);
  EXPECT_EQ(e.Rec(3).BirthPlace, "Saarlouis");
  EXPECT_EQ(e.Rec(3).ClassName, "12b");
  EXPECT_EQ(e.Rec(3).Tutor, "Frau Köhler");
  EXPECT_TRUE(t.Changed);  // the choice boxes differ from the stored texts
  EXPECT_TRUE(e.state.Data.Modified);
}

TEST(ShowRecord, NoTemplateWhenOffForAStudentOrForTheFirstSlot) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  e.Rec(2).ClassName = "12b";  // a free slot before slot 3 counts too
  e.Rec(2).BirthPlace = "Homburg";
  EXPECT_EQ(e.Shown(3).ClassName, "12b");
  EXPECT_EQ(e.Shown(3).BirthPlace.Text, "Homburg");
  EXPECT_EQ(e.Shown(1).ClassName, "12a");  // slot 1 from slot 0

  e.Enrol(3, "Schmitt", "Jan");  // a student: own values
  e.Rec(3).ClassName = "   - - -";
  e.Rec(3).BirthPlace = "";
  EXPECT_EQ(e.Shown(3).ClassName, "   - - -");
  EXPECT_EQ(e.Shown(3).BirthPlace.Text, "");

  e.Rec(3).Surname = "";  // an empty surname is a free slot as well
  EXPECT_EQ(e.Shown(3).ClassName, "12b");

  e.state.General.PredecessorAsTemplate = 0;
  EXPECT_EQ(e.Shown(3).ClassName, "   - - -");
  EXPECT_EQ(e.Shown(1).ClassName, "   - - -");

  e.state.General.PredecessorAsTemplate = 1;
  e.Rec(0) = e.Rec(4);  // slot 0 free: nothing before it
  e.Rec(0).ClassName = "   - - -";
  EXPECT_EQ(e.Shown(0).ClassName, "   - - -");
}

// Mend: a stored choice that is none of the box's items is shown as an extra
// item and kept by the transfer; browsing never erases it.
TEST(ShowRecord, UnknownChoiceTextIsShownAsExtraItemAndKept) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  StudentRecord& r = e.Rec(0);
  r.ClassName = "11c";                        // deleted from the class list
  r.Tutor = "";                               // imported without a tutor
  r.CourseChoices[2].Subject = "Astronomie";  // not in the catalogue
  r.CourseResults[2].SubjectCopy = "Astronomie";
  r.IntroPhase[13].Subject = "Theater";
  r.ForeignLanguages[0].FromGrade = "5";

  const ShownRecord s = ShowRecord(e.state, e.lists, 0);
  EXPECT_EQ(s.Values.ClassName, "11c");
  EXPECT_EQ(s.Items.ClassName, (ItemList{"   - - -", "12a", "12b", "11c"}));
  EXPECT_EQ(s.Items.Tutor.back(), "");
  EXPECT_EQ(s.Items.CourseSubject[2].back(), "Astronomie");
  EXPECT_EQ(s.Items.CourseSubject[2].size(), e.lists.CourseSubjects.size() + 1);
  EXPECT_EQ(s.Items.IntroSubject[13].back(), "Theater");
  EXPECT_EQ(s.Items.FromGrade[0].back(), "5");

  const TransferResult t = e.Store(0, s.Values);
  EXPECT_FALSE(t.Changed);
  EXPECT_TRUE(t.Warnings.empty());
  EXPECT_EQ(r.ClassName, "11c");
  EXPECT_EQ(r.Tutor, "");
  EXPECT_EQ(r.CourseChoices[2].Subject, "Astronomie");
  EXPECT_EQ(r.IntroPhase[13].Subject, "Theater");
  EXPECT_EQ(r.ForeignLanguages[0].FromGrade, "5");
  EXPECT_FALSE(e.state.Data.Modified);

  // It changes when the user picks another item.
  EditorValues v = s.Values;
  v.ClassName = "12b";
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(r.ClassName, "12b");
  EXPECT_EQ(ShowRecord(e.state, e.lists, 0).Items.ClassName, e.lists.Classes);
}

// ---------------------------------------------------------------- transfer

TEST(Transfer, ShownValuesStoredBackChangeNothing) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  e.Rec(0).Salutation = 1;
  e.Rec(0).CourseChoices[2].Subject = "Englisch";
  e.Rec(0).CourseResults[2].SubjectCopy = "Englisch";
  const auto before = core::EncodeStudentRecord(e.Rec(0));
  const TransferResult t = e.Store(0, e.Shown(0));
  EXPECT_TRUE(t.Transferred);
  EXPECT_FALSE(t.Changed);
  EXPECT_TRUE(t.Warnings.empty());
  EXPECT_FALSE(e.state.Data.Modified);
  EXPECT_EQ(core::EncodeStudentRecord(e.Rec(0)), before);
}

TEST(Transfer, EditBoxCountsOnlyWhenEdited) {
  Editor e;
  EditorValues v = e.Shown(0);
  // Not edited: stored, but no change (as the editor's own filling).
  v.GivenNames.Text = "Anna";
  EXPECT_FALSE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).GivenNames, "Anna");
  EXPECT_FALSE(e.state.Data.Modified);
  // Edited: a change even when the text comes out the same.
  v = e.Shown(0);
  Type(v.CourseResults[5].SemesterPoints[1], "--");
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_TRUE(e.state.Data.Modified);
}

TEST(Transfer, ChoiceRadioAndCheckBoxChangeRules) {
  Editor e;
  const EditorValues shown = e.Shown(0);

  EditorValues v = shown;
  v.Religion = "evangelische";
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).Religion, "evangelische");

  v = e.Shown(0);
  v.Religion = std::nullopt;  // no selection stores the empty text
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).Religion, "");
  EXPECT_FALSE(e.Store(0, v).Changed);  // empty stays empty

  v = e.Shown(0);
  v.Salutation = 1;
  v.Graecum = 2;
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).Salutation, 2);
  EXPECT_EQ(e.Rec(0).Graecum, 2);
  v.Salutation = kNoRadioItem;
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).Salutation, 0);
  EXPECT_FALSE(e.Store(0, v).Changed);

  // Check boxes: checked while 0, or unchecked while 1.
  v = e.Shown(0);
  v.PromotedByConference = CheckState::Checked;
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).PromotedByConference, 1);
  v.PromotedByConference = CheckState::Unchecked;
  EXPECT_TRUE(e.Store(0, v).Changed);
  EXPECT_EQ(e.Rec(0).PromotedByConference, 0);
}

// A box left greyed shows a stored value other than 0 and 1: browsing keeps
// it, a click decides it.
TEST(Transfer, GreyedCheckBoxKeepsTheStoredValue) {
  Editor e;
  StudentRecord& r = e.Rec(0);
  r.CourseResults[1].CompetenceFlag = 1;
  r.SpecialWorkCounts = 3;
  EditorValues v = e.Shown(0);
  ASSERT_EQ(v.SpecialWorkCounts, CheckState::Greyed);
  v.CourseResults[1].CompetenceFlag = CheckState::Greyed;
  const TransferResult t = e.Store(0, v);
  EXPECT_EQ(r.CourseResults[1].CompetenceFlag, 1);
  EXPECT_EQ(r.SpecialWorkCounts, 3);
  EXPECT_FALSE(t.Changed);

  EditorValues w = e.Shown(0);
  w.SpecialWorkCounts = CheckState::Checked;  // the first click ticks
  EXPECT_TRUE(e.Store(0, w).Changed);
  EXPECT_EQ(r.SpecialWorkCounts, 1);
}

TEST(Transfer, TextsAreCutToTheirFieldWidths) {
  Editor e;
  EditorValues v = e.Shown(0);
  const std::string forty(40, 'N');
  Type(v.Surname, forty);
  Type(v.GivenNames, forty + "x");  // the 41st character typed
  Type(v.StudentId, "12345678901");
  Type(v.BirthPlace, std::string(71, 'o'));
  Type(v.IntroPhase[3].Mark1, "12");
  Type(v.CourseResults[0].OralExamPoints, "123");
  v.ProjectCourses[0] = std::string(51, 'p');
  e.Store(0, v);
  EXPECT_EQ(e.Rec(0).Surname, forty);
  EXPECT_EQ(e.Rec(0).GivenNames, forty);
  EXPECT_EQ(e.Rec(0).StudentId, "1234567890");
  EXPECT_EQ(e.Rec(0).BirthPlace, std::string(70, 'o'));
  EXPECT_EQ(e.Rec(0).IntroPhase[3].Mark1, "1");
  EXPECT_EQ(e.Rec(0).CourseResults[0].OralExamPoints, "12");
  EXPECT_EQ(e.Rec(0).ProjectCourses[0], std::string(50, 'p'));
  // The surname of 40 characters survives the file layout too.
  const auto bytes = core::EncodeStudentRecord(e.Rec(0));
  EXPECT_EQ(bytes[core::record_layout::kSurname], 40);
  EXPECT_EQ(core::DecodeStudentRecord(bytes).Surname, forty);
}

TEST(Transfer, FreeTextsHoldTheirCapacityAndATerminatingZero) {
  namespace L = core::record_layout;
  Editor e;
  EditorValues v = e.Shown(0);
  v.SpecialWorkTopic = std::string(199, 't');
  v.InternalRemarks = std::string(999, 'i');
  v.CertificateRemarks = std::string(400, 'c');  // one too many
  EXPECT_TRUE(e.Store(0, v).Changed);            // mend: typed remarks are a change
  EXPECT_TRUE(e.state.Data.Modified);
  EXPECT_EQ(e.Rec(0).SpecialWorkTopic, std::string(199, 't'));
  EXPECT_EQ(e.Rec(0).InternalRemarks, std::string(999, 'i'));
  EXPECT_EQ(e.Rec(0).CertificateRemarks, std::string(399, 'c'));
  const auto bytes = core::EncodeStudentRecord(e.Rec(0));
  EXPECT_EQ(bytes[L::kSpecialWorkTopic + 198], 't');
  EXPECT_EQ(bytes[L::kSpecialWorkTopic + 199], 0);
  EXPECT_EQ(bytes[L::kInternalRemarks + 999], 0);
  EXPECT_EQ(bytes[L::kCertificateRemarks + 398], 'c');
  EXPECT_EQ(bytes[L::kCertificateRemarks + 399], 0);

  // A shorter text: zero bytes to the end of the array.
  v.SpecialWorkTopic = "Thema\nzwei";
  e.Store(0, v);
  EXPECT_EQ(e.Rec(0).SpecialWorkTopic, "Thema\r\nzwei");
  const auto shorter = core::EncodeStudentRecord(e.Rec(0));
  for (size_t i = 11; i < 200; ++i) ASSERT_EQ(shorter[L::kSpecialWorkTopic + i], 0) << i;

  // A line break takes two bytes, and a cut never splits it.
  v.SpecialWorkTopic = std::string(198, 'a') + "\nb";
  e.Store(0, v);
  EXPECT_EQ(e.Rec(0).SpecialWorkTopic, std::string(198, 'a'));
  v.SpecialWorkTopic = std::string(197, 'a') + "\nb";
  e.Store(0, v);
  EXPECT_EQ(e.Rec(0).SpecialWorkTopic, std::string(197, 'a') + "\r\n");
}

TEST(Transfer, HiddenFieldsAreLeftAlone) {
  Editor e;
  StudentRecord& r = e.Rec(0);
  r.CourseChoices[13].Subject = "Musik";
  r.CourseResults[14].SubjectCopy = "Physik";
  r.ProjectCourses[3] = "Theater";
  EditorValues v = e.Shown(0);
  // Members of controls that do not exist are ignored.
  v.IntroPhase[0].Subject = "Latein";
  Type(v.IntroPhase[1].Mark2, "1");
  e.Store(0, v);
  EXPECT_EQ(r.CourseChoices[13].Subject, "Musik");
  EXPECT_EQ(r.CourseResults[14].SubjectCopy, "Physik");
  EXPECT_EQ(r.ProjectCourses[3], "Theater");
  EXPECT_EQ(r.IntroPhase[0].Subject, "Deutsch");
  EXPECT_EQ(r.IntroPhase[1].Mark2, "#");
}

TEST(Transfer, NothingWhileTheDataAreShownEnciphered) {
  Editor e;
  e.state.Data.ShownEnciphered = true;
  const auto before = core::EncodeStudentRecord(e.Rec(0));
  EditorValues v = e.Shown(0);
  Type(v.Surname, "Weber");
  v.CourseChoices[0].Subject = "Deutsch";
  const TransferResult t = e.Store(0, v);
  EXPECT_FALSE(t.Transferred);
  EXPECT_FALSE(t.Changed);
  EXPECT_FALSE(e.state.Data.Modified);
  EXPECT_EQ(core::EncodeStudentRecord(e.Rec(0)), before);
}

TEST(Transfer, SlotOutsideTheTableIsARangeError) {
  Editor e;
  EXPECT_THROW(e.Store(36, EditorValues{}), std::out_of_range);
  EXPECT_THROW(ShowRecord(e.state, e.lists, 36), std::out_of_range);
  EXPECT_NO_THROW(e.Store(35, e.Shown(35)));
}

// ------------------------------------------------------- course changes

TEST(CourseChange, OneWarningPerAffectedRowWithTheExactTexts) {
  Editor e;
  StudentRecord& r = e.Rec(0);
  for (size_t k : {2, 3, 4}) {
    r.CourseChoices[k].Subject = k == 2 ? "Chemie" : k == 3 ? "Biologie" : "Physik";
    r.CourseResults[k].SubjectCopy = r.CourseChoices[k].Subject;
    r.CourseResults[k].SemesterPoints = {"10", "11", "12", "13"};
  }
  r.CourseResults[3].Credited = {1, 1, 0, 0};
  EditorValues v = e.Shown(0);
  v.CourseChoices[4].Subject = "   - - -";  // removed
  v.CourseChoices[2].Subject = "Englisch";  // exchanged
  v.CourseChoices[5].Subject = "Sport";     // a new course: the copy was "   - - -"
  const TransferResult t = e.Store(0, v);
  ASSERT_EQ(t.Warnings.size(), 2u);
  EXPECT_EQ(t.Warnings[0].Row, 2u);
  EXPECT_EQ(t.Warnings[0].Change, CourseChange::Exchanged);
  EXPECT_EQ(t.Warnings[0].Text, kExchangedText);
  EXPECT_EQ(t.Warnings[0].Icon, core::Icon::Warning);
  EXPECT_EQ(t.Warnings[1].Row, 4u);
  EXPECT_EQ(t.Warnings[1].Change, CourseChange::Removed);
  EXPECT_EQ(t.Warnings[1].Text, kRemovedText);
  EXPECT_TRUE(t.Changed);
  // The copies follow; the points stay for the user to check.
  EXPECT_EQ(r.CourseResults[2].SubjectCopy, "Englisch");
  EXPECT_EQ(r.CourseResults[4].SubjectCopy, "   - - -");
  EXPECT_EQ(r.CourseResults[5].SubjectCopy, "Sport");
  EXPECT_EQ(r.CourseResults[2].SemesterPoints[0], "10");
  EXPECT_EQ(r.CourseResults[4].SemesterPoints[3], "13");
  EXPECT_EQ(r.CourseResults[3].Credited[1], 1);

  // The next transfer warns no more, and the caption shows the new subject.
  const ShownRecord again = ShowRecord(e.state, e.lists, 0);
  EXPECT_EQ(again.Labels.ResultCaptions[2], "Englisch");
  EXPECT_TRUE(e.Store(0, again.Values).Warnings.empty());

  test::ScriptedInteraction ui;
  ui.ExpectAsk(core::Icon::Warning, "Tausch-Funktion")
      .ExpectAsk(core::Icon::Warning, "Lösch-Funktion");
  ShowCourseWarnings(t, ui);
  EXPECT_TRUE(ui.Done());
}

TEST(CourseChange, NoSelectionOfAChosenCourseIsAnExchange) {
  Editor e;
  e.Rec(0).CourseChoices[0].Subject = "Deutsch";
  e.Rec(0).CourseResults[0].SubjectCopy = "Deutsch";
  EditorValues v = e.Shown(0);
  v.CourseChoices[0].Subject = std::nullopt;
  const TransferResult t = e.Store(0, v);
  ASSERT_EQ(t.Warnings.size(), 1u);
  EXPECT_EQ(t.Warnings[0].Change, CourseChange::Exchanged);
  EXPECT_EQ(e.Rec(0).CourseChoices[0].Subject, "");
  EXPECT_EQ(CourseWarningText(CourseChange::Removed), kRemovedText);
}

// ------------------------------------------------------- selecting

TEST(SelectStudent, TypedSurnameIsStoredAndTheListLineChanges) {
  Editor e;
  e.Rec(0).ClassName = "12a";
  EditorValues v = e.Shown(0);
  Type(v.Surname, "Müller");
  Type(v.GivenNames, "Lena");
  const EditorStep step = SelectStudent(e.state, e.lists, 0, 1, v);
  EXPECT_EQ(e.Rec(0).Surname, "Müller");
  EXPECT_TRUE(e.state.Data.Modified);
  EXPECT_TRUE(step.Transfer.Changed);
  ASSERT_TRUE(step.ListLines.has_value());
  ASSERT_EQ(step.ListLines->size(), 35u);
  EXPECT_EQ((*step.ListLines)[0], "Müller, Lena");
  EXPECT_EQ((*step.ListLines)[1], "   - frei -");
  EXPECT_EQ(step.Current, 1u);
  EXPECT_EQ(step.Shown.Values.StudentId.Text, "2");
  // Slot 1 is free: the template shows the class of the student before it.
  EXPECT_EQ(step.Shown.Values.ClassName, "12a");
  EXPECT_EQ(e.Rec(1).ClassName, "   - - -");
}

TEST(SelectStudent, TutorAndClassCopiedForTheThirdSlotNotForTheSecond) {
  Editor e;
  e.state.General.PredecessorAsTemplate = 0;
  e.Enrol(0, "Weber", "Anna");
  e.Enrol(1, "Schmitt", "Jan");
  e.Rec(1).Tutor = "   - - -";
  e.Rec(1).ClassName = "   - - -";
  e.Rec(2).Tutor = "   - - -";
  e.Rec(2).ClassName = "   - - -";

  // The second slot (index 1): nothing copied from the first.
  EditorStep step = SelectStudent(e.state, e.lists, 0, 1, e.Shown(0));
  EXPECT_EQ(e.Rec(1).Tutor, "   - - -");
  EXPECT_EQ(e.Rec(1).ClassName, "   - - -");
  EXPECT_EQ(step.Shown.Values.Tutor, "   - - -");

  e.Rec(1).Tutor = "Herr Mustermann";
  e.Rec(1).ClassName = "12b";
  // The third slot (index 2) takes the second's tutor and class, shown at once.
  step = SelectStudent(e.state, e.lists, 1, 2, e.Shown(1));
  EXPECT_EQ(e.Rec(2).Tutor, "Herr Mustermann");
  EXPECT_EQ(e.Rec(2).ClassName, "12b");
  EXPECT_EQ(step.Shown.Values.Tutor, "Herr Mustermann");
  EXPECT_EQ(step.Shown.Values.ClassName, "12b");
  EXPECT_FALSE(e.state.Data.Modified);  // the copy does not set the flag

  // An empty tutor is copied over too; a chosen one is not.
  e.Rec(4).Tutor = "";
  e.Rec(4).ClassName = "12a";
  e.Rec(3).Tutor = "Frau Köhler";
  e.Rec(3).ClassName = "12b";
  SelectStudent(e.state, e.lists, 2, 4, e.Shown(2));
  EXPECT_EQ(e.Rec(4).Tutor, "Frau Köhler");
  EXPECT_EQ(e.Rec(4).ClassName, "12a");
}

TEST(SelectStudent, TransferGoesIntoThePreviousStudentFirst) {
  Editor e;
  e.state.General.PredecessorAsTemplate = 0;
  e.Enrol(0, "Weber", "Anna");
  e.Rec(1).Tutor = "   - - -";
  // The user picks a tutor for student 0, then clicks line 2: slot 1 is not
  // touched, slot 2 copies from slot 1.
  EditorValues v = e.Shown(0);
  v.Tutor = "Herr Mustermann";
  const EditorStep step = SelectStudent(e.state, e.lists, 0, 2, v);
  EXPECT_EQ(e.Rec(0).Tutor, "Herr Mustermann");
  EXPECT_EQ(e.Rec(1).Tutor, "   - - -");
  EXPECT_EQ(e.Rec(2).Tutor, "   - - -");
  EXPECT_EQ(step.Current, 2u);

  // Moving on from slot 2 to 3 after picking its tutor: slot 3 copies it.
  EditorValues w = step.Shown.Values;
  w.Tutor = "Frau Köhler";
  SelectStudent(e.state, e.lists, 2, 3, w);
  EXPECT_EQ(e.Rec(3).Tutor, "Frau Köhler");
}

TEST(SelectStudent, NoCopyWhileShownEnciphered) {
  Editor e;
  e.Rec(1).Tutor = "Herr Mustermann";
  e.Rec(2).Tutor = "";
  e.state.Data.ShownEnciphered = true;
  EditorValues v = e.Shown(1);
  Type(v.Surname, "x");
  const EditorStep step = SelectStudent(e.state, e.lists, 1, 2, v);
  EXPECT_FALSE(step.Transfer.Transferred);
  EXPECT_EQ(e.Rec(1).Surname, "   - frei -");
  EXPECT_EQ(e.Rec(2).Tutor, "");
  EXPECT_FALSE(e.state.Data.Modified);
}

TEST(SelectStudent, ClickOutsideTheTableStoresNothing) {
  Editor e;
  EditorValues v = e.Shown(0);
  Type(v.Surname, "Weber");
  EXPECT_THROW(SelectStudent(e.state, e.lists, 0, 36, v), std::out_of_range);
  EXPECT_EQ(e.Rec(0).Surname, "   - frei -");
}

// --------------------------------------------- page switch, take over, discard

TEST(EditorSteps, SwitchPageTakeOverAndDiscard) {
  Editor e;
  e.Enrol(0, "Weber", "Anna");
  EditorValues v = e.Shown(0);
  Type(v.Surname, "Weber-Schmitt");
  v.CourseChoices[2].Subject = "Chemie";

  // "Daten verwerfen": the typing is dropped.
  EditorStep step = DiscardData(e.state, e.lists, 0);
  EXPECT_EQ(step.Shown.Values.Surname.Text, "Weber");
  EXPECT_FALSE(step.ListLines.has_value());
  EXPECT_FALSE(step.Transfer.Transferred);
  EXPECT_EQ(e.Rec(0).Surname, "Weber");

  // Switching the page: transferred and shown again, the list not rebuilt.
  step = SwitchPage(e.state, e.lists, 0, v);
  EXPECT_EQ(e.Rec(0).Surname, "Weber-Schmitt");
  EXPECT_EQ(step.Shown.Values.Surname, (EditText{"Weber-Schmitt", false}));
  EXPECT_EQ(step.Shown.Values.CourseChoices[2].Subject, "Chemie");
  EXPECT_FALSE(step.ListLines.has_value());
  EXPECT_TRUE(e.state.Data.Modified);

  // "Daten übernehmen": the same, and the list shows the new name at once.
  EditorValues w = step.Shown.Values;
  Type(w.GivenNames, "Anna Maria");
  step = TakeOverData(e.state, e.lists, 0, w);
  ASSERT_TRUE(step.ListLines.has_value());
  EXPECT_EQ((*step.ListLines)[0], "Weber-Schmitt, Anna Maria");
  EXPECT_EQ(step.Current, 0u);
}

// ---------------------------------------------------------- input limits

TEST(InputLimits, PointsBoxes) {
  EXPECT_EQ(ValidatePoints("00"), InputState::Acceptable);
  EXPECT_EQ(ValidatePoints("09"), InputState::Acceptable);
  EXPECT_EQ(ValidatePoints("15"), InputState::Acceptable);
  EXPECT_EQ(ValidatePoints("--"), InputState::Acceptable);
  EXPECT_EQ(ValidatePoints("16"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints("20"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints("150"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints("-1"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints("1-"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints(" 5"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints("a"), InputState::Invalid);
  EXPECT_EQ(ValidatePoints(""), InputState::Intermediate);
  EXPECT_EQ(ValidatePoints("1"), InputState::Intermediate);
  EXPECT_EQ(ValidatePoints("-"), InputState::Intermediate);
  EXPECT_EQ(ValidatePoints("7"), InputState::Intermediate);
  // Settled as a whole when the box is left: never cut into another value.
  EXPECT_EQ(SettlePoints("7").Text, "07");
  EXPECT_EQ(SettlePoints("12").Text, "12");
  EXPECT_EQ(SettlePoints("-").Text, "--");
  EXPECT_EQ(SettlePoints("").Text, "--");
  for (const char* bad : {"16", "20", "99", "123", "1-", " 5", "a"}) {
    EXPECT_FALSE(SettlePoints(bad).Text) << bad;
    EXPECT_NE(SettlePoints(bad).Message.find("keine gültige Punktzahl"), std::string::npos);
  }
  EXPECT_EQ(SettleIntroMark("").Text, "-");
  EXPECT_FALSE(SettleIntroMark("0").Text);
  // Dates: valid calendar dates (leap years too), no digits, or the
  // initialised record's "00.00.0000".
  EXPECT_EQ(SettleBirthDate("29.02.2008").Text, "29.02.2008");
  EXPECT_EQ(SettleBirthDate(" 7. 3.2008").Text, "07.03.2008");
  EXPECT_EQ(SettleBirthDate("  .  .    ").Text, "");
  EXPECT_EQ(SettleBirthDate("00.00.0000").Text, "00.00.0000");
  for (const char* bad :
       {"29.02.2007", "31.04.2008", "99.99.9999", "12.04.    ", "01.13.2008", "01.01.1899"}) {
    EXPECT_FALSE(SettleBirthDate(bad).Text) << bad;
  }
}

TEST(InputLimits, IntroPhaseMarks) {
  for (const char* mark : {"1", "2", "3", "4", "5", "6", "-", "#"}) {
    EXPECT_EQ(ValidateIntroMark(mark), InputState::Acceptable) << mark;
  }
  for (const char* mark : {"0", "7", "+", "11", "1-", " "}) {
    EXPECT_EQ(ValidateIntroMark(mark), InputState::Invalid) << mark;
  }
  EXPECT_EQ(ValidateIntroMark(""), InputState::Intermediate);
}

TEST(InputLimits, FreeTextSizes) {
  EXPECT_EQ(input_width::kSpecialWorkTopic, 199u);
  EXPECT_EQ(input_width::kInternalRemarks, 999u);
  EXPECT_EQ(input_width::kCertificateRemarks, 399u);
  EXPECT_EQ(FreeTextStoredSize("ab\ncd\n"), 8u);
  EXPECT_EQ(FreeTextStoredSize("ab\r\ncd"), 6u);  // CR LF is one line break
  EXPECT_EQ(FreeTextStored("ab\ncd", 3), "ab");
  EXPECT_EQ(FreeTextStored("ab\ncd", 4), "ab\r\n");
  EXPECT_EQ(FreeTextStored(std::string("a\0b", 3), 10), "a");
  EXPECT_EQ(FreeTextShown(FreeTextStored("x\n\ny", 10)), "x\n\ny");
}

}  // namespace
}  // namespace tolka::app
