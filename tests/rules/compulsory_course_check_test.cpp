#include "rules/compulsory_course_check.h"

#include <gtest/gtest.h>

#include "core/record_texts.h"
#include "rules/rules_checks_helpers.h"

namespace tolka::rules {
namespace {

using checks_test::AddCourse;
using checks_test::ChecksBench;
using checks_test::ChoiceOf;
using checks_test::RaisesItem;
using checks_test::RemoveCourse;
using checks_test::SetCredits;
using checks_test::SetLanguage;
using checks_test::SetPoints;
using checks_test::SilentOn;

const char* const kFrench = "Französisch";
const char* const kArt = "Kunst und Gestaltung";

class CompulsoryCourseCheck : public ::testing::Test {
 protected:
  Obligations Decide() {
    CheckResultList list = b.Prepare();
    return CheckCompulsoryCourses(b.Context(), b.Area, list, false);
  }
  ChecksBench b;
};

TEST_F(CompulsoryCourseCheck, CleanStudentMeetsEveryObligation) {
  const CheckResultList list = b.Compulsory();
  EXPECT_TRUE(checks_test::Raised(list).empty());
  const Obligations ob = Decide();
  EXPECT_TRUE(ob.ExamCoursesCredited && ob.BasicExamSubjects && ob.AdvancedExamSubjects &&
              ob.German && ob.Mathematics && ob.ForeignLanguage && ob.NaturalScience &&
              ob.History && ob.ArtMusic && ob.SocialSciencePhilosophy && ob.ReligionPhilosophy &&
              ob.LateSecondLanguage);
}

TEST_F(CompulsoryCourseCheck, WithoutReportingNothingIsRaisedButObligationsAreDecided) {
  SetCredits(b.Student, "Deutsch", "0000");
  SetCredits(b.Student, "Geschichte", "0000");
  const CheckResultList list = b.Compulsory(false);
  EXPECT_TRUE(checks_test::Raised(list).empty());
  EXPECT_TRUE(checks_test::Noted(list).empty());
  const Obligations ob = Decide();
  EXPECT_FALSE(ob.ExamCoursesCredited);
  EXPECT_FALSE(ob.BasicExamSubjects);
  EXPECT_FALSE(ob.German);
  EXPECT_FALSE(ob.History);
  EXPECT_TRUE(ob.Mathematics);
  EXPECT_TRUE(ob.AdvancedExamSubjects);
}

TEST_F(CompulsoryCourseCheck, Item40ExamSubjectSemesterNotCredited) {
  SetCredits(b.Student, "Physik", "1101");  // not an exam subject
  EXPECT_TRUE(SilentOn(b.Compulsory(), 40));
  SetCredits(b.Student, "Deutsch", "1101");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 40));
  SetCredits(b.Student, "Deutsch", "1111");
  SetPoints(b.Student, "Mathematik", 3, "00");  // credited with 00 points
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 40));
}

TEST_F(CompulsoryCourseCheck, Items52And53ExamSubjectsWithFourCredited) {
  SetCredits(b.Student, "Geschichte", "1110");
  CheckResultList list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 52));
  EXPECT_TRUE(SilentOn(list, 53));
  SetCredits(b.Student, "Geschichte", "1111");
  SetCredits(b.Student, "Englisch", "0111");
  list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 53));
  EXPECT_TRUE(SilentOn(list, 52));
}

TEST_F(CompulsoryCourseCheck, Items54And55GermanAndMathematicsFourCredited) {
  SetCredits(b.Student, "Deutsch", "1110");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 54));
  SetCredits(b.Student, "Deutsch", "1111");
  SetCredits(b.Student, "Mathematik", "0111");
  CheckResultList list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 55));
  EXPECT_TRUE(SilentOn(list, 54));
}

TEST_F(CompulsoryCourseCheck, Items56And57SomeLanguageAndSomeScienceFourCredited) {
  SetCredits(b.Student, "Englisch", "0111");  // Französisch has only two
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 56));
  SetCredits(b.Student, kFrench, "1111");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 56));

  SetCredits(b.Student, "Physik", "1110");  // Biologie has only two
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 57));
  SetCredits(b.Student, "Biologie", "1111");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 57));
}

TEST_F(CompulsoryCourseCheck, Item51HistoryTwoCreditedAndZeroIsNotACourse) {
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 0;
  SetCredits(b.Student, "Geschichte", "0011");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 51));
  SetCredits(b.Student, "Geschichte", "1000");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 51));
  SetCredits(b.Student, "Geschichte", "1100");
  SetPoints(b.Student, "Geschichte", 2, "00");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 51));
}

// Item 58 needs one art or music subject with two credited courses; a course
// of each does not add up.
TEST_F(CompulsoryCourseCheck, Item58OneArtOrMusicSubjectWithTwoCredited) {
  SetCredits(b.Student, kArt, "1000");
  AddCourse(b.Student, {"Musik", false, false, "0100"});
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 58));
  SetCredits(b.Student, "Musik", "0110");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 58));
}

TEST_F(CompulsoryCourseCheck, Item59GeographyOrSocialStudiesOrReligionWithPhilosophy) {
  // One course each of Sozialkunde and Geographie does not add up.
  SetCredits(b.Student, "Sozialkunde", "1000");
  AddCourse(b.Student, {"Geographie", false, false, "0100"});
  CheckResultList list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 59));
  EXPECT_TRUE(SilentOn(list, 60));  // a credited social-studies course and 2 of religion

  // Two religion and two philosophy courses replace geography/social studies.
  b.Student = checks_test::CleanStudent();
  RemoveCourse(b.Student, "Sozialkunde");
  AddCourse(b.Student, {"Philosophie", false, false, "0011"});
  list = b.Compulsory();
  EXPECT_TRUE(SilentOn(list, 59));
  EXPECT_TRUE(SilentOn(list, 60));
  SetCredits(b.Student, "Philosophie", "0001");
  list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 59));
  EXPECT_TRUE(RaisesItem(list, 60));
}

TEST_F(CompulsoryCourseCheck, Item60ReligionAndPhilosophyCountTogether) {
  SetCredits(b.Student, "Religion", "1000");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 60));
  AddCourse(b.Student, {"Philosophie", false, false, "0001"});
  EXPECT_TRUE(SilentOn(b.Compulsory(), 60));
}

TEST_F(CompulsoryCourseCheck, Item60NeedsACreditedSocialStudiesCourseOrItem59) {
  SetCredits(b.Student, "Sozialkunde", "0000");  // taken, nothing credited
  CheckResultList list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 59));
  EXPECT_TRUE(RaisesItem(list, 60));
  SetCredits(b.Student, "Sozialkunde", "0010");
  list = b.Compulsory();
  EXPECT_TRUE(RaisesItem(list, 59));
  EXPECT_TRUE(SilentOn(list, 60));
}

TEST_F(CompulsoryCourseCheck, Item60ReligionCountsAreSummedOverReligionSubjects) {
  // A school's second religion subject in a free catalogue entry.
  settings::SubjectEntry& ethics = b.Catalogue.Entries[26];
  ethics.SubjectName = "Ethik";
  ethics.SubjectArea = 2;
  ethics.IsReligionPhilosophy = 1;
  ethics.HoursBasic = 2;
  ethics.HoursAdvanced = 5;
  SetCredits(b.Student, "Religion", "1000");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 60));
  AddCourse(b.Student, {"Ethik", false, false, "0100"});
  EXPECT_TRUE(SilentOn(b.Compulsory(), 60));
}

// Item 61 concerns only a late-beginning second language (row 2 fails the
// grade test): it must be taken with semesters 3 and 4 credited.
TEST_F(CompulsoryCourseCheck, Item61LateSecondLanguageNeedsSemesters3And4) {
  SetLanguage(b.Student, 2, kFrench, " 8", "--");
  SetCredits(b.Student, kFrench, "0011");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 61));
  SetCredits(b.Student, kFrench, "1110");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 61));
  SetCredits(b.Student, kFrench, "0011");
  SetPoints(b.Student, kFrench, 4, "00");
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 61));
  RemoveCourse(b.Student, kFrench);
  EXPECT_TRUE(RaisesItem(b.Compulsory(), 61));
  EXPECT_FALSE(Decide().LateSecondLanguage);
}

TEST_F(CompulsoryCourseCheck, Item61SilentForAnEarlySecondLanguageOrNone) {
  SetCredits(b.Student, kFrench, "0000");  // begun in grade 7, nothing credited
  EXPECT_TRUE(SilentOn(b.Compulsory(), 61));
  RemoveCourse(b.Student, kFrench);  // dropped after the lower school
  EXPECT_TRUE(SilentOn(b.Compulsory(), 61));
  SetLanguage(b.Student, 2, core::kNothingChosen, "--", "--");
  EXPECT_TRUE(SilentOn(b.Compulsory(), 61));
  EXPECT_TRUE(Decide().LateSecondLanguage);
}

}  // namespace
}  // namespace tolka::rules
