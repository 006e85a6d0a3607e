#include "rules/course_choice_check.h"

#include <gtest/gtest.h>

#include "core/record_texts.h"
#include "rules/rules_checks_helpers.h"

namespace tolka::rules {
namespace {

using checks_test::AddCourse;
using checks_test::ChecksBench;
using checks_test::ChoiceOf;
using checks_test::NotesItem;
using checks_test::RaisesItem;
using checks_test::RemoveCourse;
using checks_test::SetIntroMarks;
using checks_test::SetLanguage;
using checks_test::SilentOn;

const char* const kFrench = "Französisch";
const char* const kArt = "Kunst und Gestaltung";
const char* const kAwt = "Arbeit-Wirtschaft-Technik";

class CourseChoiceCheck : public ::testing::Test {
 protected:
  ChecksBench b;
};

TEST_F(CourseChoiceCheck, CleanStudentRaisesNothing) {
  const CheckResultList list = b.CourseChoice();
  EXPECT_FALSE(HasErrors(list));
  EXPECT_FALSE(HasHints(list));
}

// Item 10 needs both: too few basic courses and too few courses overall.
TEST_F(CourseChoiceCheck, Item10TooFewBasicCourses) {
  RemoveCourse(b.Student, "Biologie");  // 8 GK + 2 LK
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 10));
  RemoveCourse(b.Student, "Sport");  // 7 GK + 2 LK
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 10));
}

TEST_F(CourseChoiceCheck, Item10SevenBasicAndThreeAdvancedCoursesSuffice) {
  RemoveCourse(b.Student, "Sport");
  ChoiceOf(b.Student, "Biologie").AdvancedCourse = 1;  // 7 GK + 3 LK reach 8 + 2
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 10));
}

TEST_F(CourseChoiceCheck, Item11TooManyBasicCourses) {
  AddCourse(b.Student, {"Chemie"});
  AddCourse(b.Student, {"Musik"});
  AddCourse(b.Student, {"Geographie"});  // 12 GK: the maximum
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 11));
  AddCourse(b.Student, {"Informatik"});
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 11));
}

TEST_F(CourseChoiceCheck, Items12And13NumberOfAdvancedCourses) {
  ChoiceOf(b.Student, "Englisch").AdvancedCourse = 0;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 12));

  b.Student = checks_test::CleanStudent();
  ChoiceOf(b.Student, "Deutsch").AdvancedCourse = 1;  // 3 LK: the maximum
  CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(SilentOn(list, 12));
  EXPECT_TRUE(SilentOn(list, 13));
  ChoiceOf(b.Student, "Geschichte").AdvancedCourse = 1;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 13));
}

TEST_F(CourseChoiceCheck, Item14NotedAndItem15RaisedForTheNumberOfExams) {
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 0;
  CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(NotesItem(list, 14));  // item 14 is a hint: noted, not raised
  EXPECT_TRUE(SilentOn(list, 15));

  ChoiceOf(b.Student, "Geschichte").ExamSubject = 1;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;  // five exams, MaxExams 4
  list = b.CourseChoice();
  EXPECT_TRUE(RaisesItem(list, 15));
  EXPECT_TRUE(SilentOn(list, 14));
}

TEST_F(CourseChoiceCheck, Item16SubjectInTwoRows) {
  EXPECT_TRUE(SilentOn(b.Prepare(), 16));
  AddCourse(b.Student, {"Biologie"});
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 16));
}

TEST_F(CourseChoiceCheck, Item17AdvancedCourseMathematicsOrForeignLanguage) {
  ChoiceOf(b.Student, "Mathematik").AdvancedCourse = 0;
  ChoiceOf(b.Student, "Deutsch").AdvancedCourse = 1;  // LK Englisch, Deutsch
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 17));
  ChoiceOf(b.Student, "Englisch").AdvancedCourse = 0;
  ChoiceOf(b.Student, "Geschichte").AdvancedCourse = 1;  // LK Deutsch, Geschichte
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 17));
}

TEST_F(CourseChoiceCheck, Item18SubjectThatMayNotBeAnAdvancedCourse) {
  b.Catalogue.Entries[2].AdvancedCourseAllowed = 0;  // Biologie
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 18));       // as GK it is fine
  ChoiceOf(b.Student, "Biologie").AdvancedCourse = 1;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 18));
}

TEST_F(CourseChoiceCheck, Items19To21GermanHistoryArtOrMusic) {
  RemoveCourse(b.Student, "Deutsch");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 19));
  b.Student = checks_test::CleanStudent();
  RemoveCourse(b.Student, "Geschichte");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 20));
  b.Student = checks_test::CleanStudent();
  RemoveCourse(b.Student, kArt);
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 21));
  AddCourse(b.Student, {"Musik"});
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 21));
}

// Items 22, 23, 34: religion (R), philosophy (P), geography/social studies (G).
TEST_F(CourseChoiceCheck, BandGReligionPhilosophyAndSocialStudies) {
  struct Case {
    bool religion, philosophy, social;
    bool item22, item23, item34;
  };
  const Case cases[] = {
      {true, false, true, false, false, false},  // R + G
      {false, true, true, false, false, false},  // P + G
      {true, true, false, false, false, false},  // R + P: philosophy covers G
      {true, false, false, true, true, false},   // R only
      {false, false, true, true, false, false},  // G only
      {false, true, false, true, true, true},    // P only
      {false, false, false, true, true, false},  // none
  };
  for (const Case& c : cases) {
    b.Student = checks_test::CleanStudent();
    RemoveCourse(b.Student, "Religion");
    RemoveCourse(b.Student, "Sozialkunde");
    if (c.religion) AddCourse(b.Student, {"Religion"});
    if (c.philosophy) AddCourse(b.Student, {"Philosophie"});
    if (c.social) AddCourse(b.Student, {"Sozialkunde"});
    const CheckResultList list = b.CourseChoice();
    SCOPED_TRACE(::testing::Message()
                 << "R " << c.religion << " P " << c.philosophy << " G " << c.social);
    EXPECT_TRUE(c.item22 ? RaisesItem(list, 22) : SilentOn(list, 22));
    EXPECT_TRUE(c.item23 ? RaisesItem(list, 23) : SilentOn(list, 23));
    EXPECT_TRUE(c.item34 ? RaisesItem(list, 34) : SilentOn(list, 34));
  }
}

TEST_F(CourseChoiceCheck, Items24To26ScienceMathematicsForeignLanguage) {
  RemoveCourse(b.Student, "Physik");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 24));  // Biologie is left
  RemoveCourse(b.Student, "Biologie");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 24));

  b.Student = checks_test::CleanStudent();
  ChoiceOf(b.Student, "Mathematik").AdvancedCourse = 0;
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 25));  // a basic course is enough
  RemoveCourse(b.Student, "Mathematik");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 25));

  b.Student = checks_test::CleanStudent();
  RemoveCourse(b.Student, "Englisch");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 26));
  RemoveCourse(b.Student, kFrench);
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 26));
}

// The clean student has 13 hours in task field 1 (En 5, De 3, Fr 3, Ku 2),
// 6 in field 2 (Ge, Sk, Re), 9 in field 3 (Ma 5, Ph 2, Bi 2), 2 of sport.
TEST_F(CourseChoiceCheck, Item27HoursOfTaskField1) {
  b.Exam.MinHoursArea1 = 13.0;
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 27));
  b.Exam.MinHoursArea1 = 13.5;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 27));

  b.Exam.MinHoursArea1 = 7.0;
  RemoveCourse(b.Student, kFrench);
  RemoveCourse(b.Student, kArt);
  ChoiceOf(b.Student, "Englisch").AdvancedCourse = 0;  // En 3 + De 3 = 6
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 27));
}

TEST_F(CourseChoiceCheck, Items28And29HoursOfTaskField2) {
  b.Exam.MinHoursArea2 = 6.0;
  CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(SilentOn(list, 28));
  EXPECT_TRUE(SilentOn(list, 29));
  b.Exam.MinHoursArea2 = 6.5;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 28));

  // Informatik (code 6) and Arbeit-Wirtschaft-Technik (code 5) reach the
  // minimum only as a fall-back: item 29 is noted instead.
  AddCourse(b.Student, {"Informatik"});  // 6 + 2
  list = b.CourseChoice();
  EXPECT_TRUE(NotesItem(list, 29));
  EXPECT_TRUE(SilentOn(list, 28));
  b.Exam.MinHoursArea2 = 8.5;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 28));
  AddCourse(b.Student, {kAwt});  // 6 + 2 + 2
  list = b.CourseChoice();
  EXPECT_TRUE(NotesItem(list, 29));
  EXPECT_TRUE(SilentOn(list, 28));
}

TEST_F(CourseChoiceCheck, Items30And31HoursOfTaskField3) {
  b.Exam.MinHoursArea3 = 9.0;
  CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(SilentOn(list, 30));
  EXPECT_TRUE(SilentOn(list, 31));
  b.Exam.MinHoursArea3 = 9.5;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 30));

  // Defaults: Mathematik LK alone gives 5 < 5.5.
  b.Exam.MinHoursArea3 = 5.5;
  RemoveCourse(b.Student, "Physik");
  RemoveCourse(b.Student, "Biologie");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 30));
  // Arbeit-Wirtschaft-Technik (code 5) counts only as a fall-back: item 31.
  AddCourse(b.Student, {kAwt});
  list = b.CourseChoice();
  EXPECT_TRUE(NotesItem(list, 31));
  EXPECT_TRUE(SilentOn(list, 30));
  // Informatik (code 6) counts directly.
  RemoveCourse(b.Student, kAwt);
  AddCourse(b.Student, {"Informatik"});
  list = b.CourseChoice();
  EXPECT_TRUE(SilentOn(list, 30));
  EXPECT_TRUE(SilentOn(list, 31));
}

TEST_F(CourseChoiceCheck, Item32WeeklyHoursLeaveOutCodeZero) {
  b.Exam.MinWeeklyHours = 30;  // the clean student's 30 hours
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 32));
  b.Exam.MinWeeklyHours = 31;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 32));
  b.Catalogue.Entries[11].SubjectArea = 0;  // Informatik without task field
  AddCourse(b.Student, {"Informatik"});
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 32));
  b.Catalogue.Entries[11].SubjectArea = 6;
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 32));
}

TEST_F(CourseChoiceCheck, Item33AdvancedSubjectsTaughtInTheIntroPhase) {
  SetIntroMarks(b.Student, "Englisch", "-", "#");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 33));
  for (const char* mark : {"1", "6", "B", "b"}) {
    SetIntroMarks(b.Student, "Englisch", "-", mark);
    EXPECT_TRUE(SilentOn(b.CourseChoice(), 33)) << mark;
  }
  for (const char* mark : {"0", "7", "x", "-"}) {
    SetIntroMarks(b.Student, "Englisch", mark, "#");
    EXPECT_TRUE(RaisesItem(b.CourseChoice(), 33)) << mark;
  }
  b.Student.SkippedIntroPhase = 1;
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 33));
}

TEST_F(CourseChoiceCheck, Item33ThirdAdvancedCourseNeedsItsIntroRowToo) {
  ChoiceOf(b.Student, "Physik").AdvancedCourse = 1;
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 33));
  SetIntroMarks(b.Student, "Physik", "3", "3");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 33));
}

TEST(SecondLanguageGrades, TextComparisonOfTheGrades) {
  struct Case {
    const char* from;
    const char* to;
    bool acceptable;
  };
  const Case cases[] = {
      {" 7", "10", true},  {" 7", "--", true},  {" 5", "11", true},  {" 7", " 9", false},
      {" 8", "--", false}, {" 8", "12", false}, {" 9", "--", true},  {" 9", "11", true},
      {" 9", "10", false}, {"10", "--", false}, {"--", "--", false}, {"7", "--", false},
  };
  for (const Case& c : cases) {
    const core::ForeignLanguageEntry row{"Latein", c.from, c.to};
    EXPECT_EQ(SecondLanguageAcceptableByGrades(row), c.acceptable)
        << "'" << c.from << "' to '" << c.to << "'";
  }
}

TEST_F(CourseChoiceCheck, Item35SecondLanguageFromGrade7ToGrade10IsAcceptable) {
  RemoveCourse(b.Student, kFrench);
  SetLanguage(b.Student, 2, kFrench, " 7", "10");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 35));
}

TEST_F(CourseChoiceCheck, Item35LateSecondLanguageMustBeTakenInTheUpperSchool) {
  SetLanguage(b.Student, 2, kFrench, " 8", "--");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 35));  // taken as GK
  RemoveCourse(b.Student, kFrench);
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 35));
}

TEST_F(CourseChoiceCheck, Items35And37WithoutASecondLanguage) {
  SetLanguage(b.Student, 2, core::kNothingChosen, "--", "--");
  CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(RaisesItem(list, 35));
  EXPECT_TRUE(RaisesItem(list, 37));
  // A name outside the catalogue is no language either.
  SetLanguage(b.Student, 2, "Esperanto", " 5", "--");
  list = b.CourseChoice();
  EXPECT_TRUE(RaisesItem(list, 35));
  EXPECT_TRUE(RaisesItem(list, 37));
}

TEST_F(CourseChoiceCheck, Item36GradesMissingOrReversed) {
  SetLanguage(b.Student, 2, kFrench, " 7", " 7");  // equal grades are fine
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 36));
  SetLanguage(b.Student, 2, kFrench, " 9", " 7");
  EXPECT_TRUE(NotesItem(b.CourseChoice(), 36));
  SetLanguage(b.Student, 2, kFrench, "--", "10");
  EXPECT_TRUE(NotesItem(b.CourseChoice(), 36));
}

TEST_F(CourseChoiceCheck, Item36GapAmongTheCountedRows) {
  SetLanguage(b.Student, 2, core::kNothingChosen, "--", "--");
  SetLanguage(b.Student, 3, kFrench, " 7", "--");  // two languages, rows 1 and 3
  const CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(NotesItem(list, 36));
  EXPECT_TRUE(SilentOn(list, 37));
  EXPECT_TRUE(RaisesItem(list, 35));
}

TEST_F(CourseChoiceCheck, Item37OneLanguageIsTooFew) {
  SetLanguage(b.Student, 3, "Latein", " 9", "--");  // three languages
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 37));
  SetLanguage(b.Student, 3, core::kNothingChosen, "--", "--");
  SetLanguage(b.Student, 2, core::kNothingChosen, "--", "--");
  EXPECT_TRUE(RaisesItem(b.CourseChoice(), 37));
}

TEST_F(CourseChoiceCheck, Item38SameLanguageInTwoRows) {
  SetLanguage(b.Student, 3, "Latein", " 9", "--");
  EXPECT_TRUE(SilentOn(b.CourseChoice(), 38));
  SetLanguage(b.Student, 3, "Englisch", " 9", "--");
  const CheckResultList list = b.CourseChoice();
  EXPECT_TRUE(RaisesItem(list, 38));
  EXPECT_TRUE(NotesItem(list, 36));  // the repeated row is not valid
}

}  // namespace
}  // namespace tolka::rules
