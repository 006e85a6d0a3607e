// The prerequisites after semester 3, the exam subjects, the Block I courses
// and the project courses; and the clean student through every check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/record_texts.h"
#include "rules/rules_checks_helpers.h"

namespace tolka::rules {
namespace {

using checks_test::AddCourse;
using checks_test::ChecksBench;
using checks_test::ChoiceOf;
using checks_test::NotesItem;
using checks_test::RaisesItem;
using checks_test::SetCredits;
using checks_test::SetPoints;
using checks_test::SilentOn;

const char* const kFrench = "Französisch";
const char* const kArt = "Kunst und Gestaltung";
const char* const kAwt = "Arbeit-Wirtschaft-Technik";

// The nine basic courses of the clean student.
const std::vector<std::string> kBasicCourses = {"Deutsch",     "Geschichte", kFrench,
                                                "Physik",      "Biologie",   kArt,
                                                "Sozialkunde", "Religion",   "Sport"};

TEST(AdmissionChecks, CleanStudentPassesEveryCheck) {
  ChecksBench b;
  const CheckResultList list = b.AllChecks();
  EXPECT_TRUE(checks_test::Raised(list).empty());
  EXPECT_TRUE(checks_test::Noted(list).empty());
}

class PrerequisitesCheck : public ::testing::Test {
 protected:
  // Semesters 1..3 of every basic course get `points`.
  void SetBasicPoints(const std::string& points) {
    for (const std::string& subject : kBasicCourses) {
      for (size_t s = 1; s <= 3; ++s) SetPoints(b.Student, subject, s, points);
    }
  }
  // The first `n` basic-course semesters (subject by subject) get `points`.
  void SetFirstBasicSemesters(int n, const std::string& points) {
    for (const std::string& subject : kBasicCourses) {
      for (size_t s = 1; s <= 3 && n > 0; ++s, --n) SetPoints(b.Student, subject, s, points);
    }
  }
  ChecksBench b;
};

TEST_F(PrerequisitesCheck, CleanStudentMeetsThem) {
  const CheckResultList list = b.Prerequisites();
  for (int item : {40, 45, 46, 47}) EXPECT_TRUE(SilentOn(list, item));
}

TEST_F(PrerequisitesCheck, Item40AdvancedSemesterWithoutPoints) {
  SetPoints(b.Student, "Mathematik", 3, "01");
  EXPECT_TRUE(SilentOn(b.Prerequisites(), 40));
  SetPoints(b.Student, "Mathematik", 3, "00");
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 40));
  SetPoints(b.Student, "Mathematik", 3, "--");
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 40));
  // Semester 4 is not looked at.
  SetPoints(b.Student, "Mathematik", 3, "10");
  SetPoints(b.Student, "Mathematik", 4, "00");
  EXPECT_TRUE(SilentOn(b.Prerequisites(), 40));
}

TEST_F(PrerequisitesCheck, Item40FewerThanSixAdvancedSemesters) {
  ChoiceOf(b.Student, "Englisch").AdvancedCourse = 0;  // one LK: 3 semesters
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 40));
}

TEST_F(PrerequisitesCheck, Item45AdvancedSemestersWithFivePoints) {
  SetPoints(b.Student, "Mathematik", 1, "04");
  SetPoints(b.Student, "Mathematik", 2, "04");  // 4 left with 05 and more
  EXPECT_TRUE(SilentOn(b.Prerequisites(), 45));
  SetPoints(b.Student, "Mathematik", 3, "04");
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 45));
}

TEST_F(PrerequisitesCheck, Item46BasicSemestersWithFivePoints) {
  SetBasicPoints("04");
  SetFirstBasicSemesters(7, "05");
  EXPECT_TRUE(SilentOn(b.Prerequisites(), 46));
  SetBasicPoints("04");
  SetFirstBasicSemesters(6, "05");
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 46));
}

TEST_F(PrerequisitesCheck, Item47BasicSemestersWithPointsAndZeroCountsAsNotTaken) {
  SetBasicPoints("--");
  SetFirstBasicSemesters(14, "10");
  EXPECT_TRUE(SilentOn(b.Prerequisites(), 47));
  SetPoints(b.Student, "Deutsch", 1, "00");  // 13 with points
  EXPECT_TRUE(RaisesItem(b.Prerequisites(), 47));
}

class ExamSubjectCheck : public ::testing::Test {
 protected:
  ChecksBench b;
};

TEST_F(ExamSubjectCheck, CleanStudentChoosesCorrectly) {
  const CheckResultList list = b.ExamSubjects();
  for (int item = 70; item <= 79; ++item) EXPECT_TRUE(SilentOn(list, item));
  EXPECT_TRUE(SilentOn(list, 15));
}

TEST_F(ExamSubjectCheck, Items70And15NumberOfExamSubjects) {
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 0;
  EXPECT_TRUE(RaisesItem(b.ExamSubjects(), 70));  // raised here, not noted
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 1;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;
  const CheckResultList list = b.ExamSubjects();
  EXPECT_TRUE(RaisesItem(list, 15));
  EXPECT_TRUE(SilentOn(list, 70));
}

TEST_F(ExamSubjectCheck, Items71And75AdvancedCourseWithoutExam) {
  ChoiceOf(b.Student, "Englisch").ExamSubject = 0;
  ChoiceOf(b.Student, kFrench).ExamSubject = 1;
  const CheckResultList list = b.ExamSubjects();
  EXPECT_TRUE(RaisesItem(list, 71));
  EXPECT_TRUE(RaisesItem(list, 75));
}

TEST_F(ExamSubjectCheck, Item72ThreeAdvancedCourseExams) {
  ChoiceOf(b.Student, "Physik").AdvancedCourse = 1;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;
  ChoiceOf(b.Student, "Deutsch").ExamSubject = 0;
  const CheckResultList list = b.ExamSubjects();
  EXPECT_TRUE(RaisesItem(list, 72));
  EXPECT_TRUE(SilentOn(list, 71));
  EXPECT_TRUE(SilentOn(list, 75));
}

TEST_F(ExamSubjectCheck, Items73And74BasicCourseExams) {
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 0;
  EXPECT_TRUE(RaisesItem(b.ExamSubjects(), 73));
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 1;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;
  const CheckResultList list = b.ExamSubjects();
  EXPECT_TRUE(RaisesItem(list, 74));
  EXPECT_TRUE(SilentOn(list, 73));
}

TEST_F(ExamSubjectCheck, Item76TaskField1ExamInGermanOrAForeignLanguage) {
  ChoiceOf(b.Student, "Englisch").AdvancedCourse = 0;
  ChoiceOf(b.Student, "Englisch").ExamSubject = 0;
  ChoiceOf(b.Student, "Physik").AdvancedCourse = 1;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;
  ChoiceOf(b.Student, "Deutsch").ExamSubject = 0;
  ChoiceOf(b.Student, kArt).ExamSubject = 1;  // task field 1, but neither
  EXPECT_TRUE(RaisesItem(b.ExamSubjects(), 76));
  ChoiceOf(b.Student, kArt).ExamSubject = 0;
  ChoiceOf(b.Student, kFrench).ExamSubject = 1;
  EXPECT_TRUE(SilentOn(b.ExamSubjects(), 76));
}

TEST_F(ExamSubjectCheck, Items77And78TaskField2Exam) {
  ChoiceOf(b.Student, "Geschichte").ExamSubject = 0;
  ChoiceOf(b.Student, "Physik").ExamSubject = 1;
  CheckResultList list = b.ExamSubjects();
  EXPECT_TRUE(RaisesItem(list, 77));
  EXPECT_TRUE(SilentOn(list, 78));

  ChoiceOf(b.Student, "Physik").ExamSubject = 0;
  AddCourse(b.Student, {kAwt, false, true});  // code 5: only a hint
  list = b.ExamSubjects();
  EXPECT_TRUE(NotesItem(list, 78));
  EXPECT_TRUE(SilentOn(list, 77));

  ChoiceOf(b.Student, kAwt).ExamSubject = 0;
  ChoiceOf(b.Student, "Religion").ExamSubject = 1;
  list = b.ExamSubjects();
  EXPECT_TRUE(SilentOn(list, 77));
  EXPECT_TRUE(SilentOn(list, 78));
}

TEST_F(ExamSubjectCheck, Item79TaskField3ExamOrInformatik) {
  ChoiceOf(b.Student, "Mathematik").ExamSubject = 0;
  ChoiceOf(b.Student, kFrench).ExamSubject = 1;
  EXPECT_TRUE(RaisesItem(b.ExamSubjects(), 79));
  ChoiceOf(b.Student, kFrench).ExamSubject = 0;
  AddCourse(b.Student, {kAwt, false, true});  // code 5 does not count for field 3
  EXPECT_TRUE(RaisesItem(b.ExamSubjects(), 79));
  ChoiceOf(b.Student, kAwt).ExamSubject = 0;
  AddCourse(b.Student, {"Informatik", false, true});  // code 6 does
  EXPECT_TRUE(SilentOn(b.ExamSubjects(), 79));
}

class BlockOneCheck : public ::testing::Test {
 protected:
  ChecksBench b;
};

TEST_F(BlockOneCheck, CleanStudentHasTwentyOneBasicCoursesInBlockOne) {
  const CheckResultList list = b.BlockOne();
  for (int item : {42, 46, 52, 62, 63}) EXPECT_TRUE(SilentOn(list, item));
}

// Semester 4 of Deutsch and Geschichte (basic-course exam subjects) is
// credited but belongs to the exam block: 21 basic courses count.
TEST_F(BlockOneCheck, Item42MoreBasicCoursesThanBlockOneHolds) {
  SetCredits(b.Student, kFrench, "1110");  // 22
  EXPECT_TRUE(SilentOn(b.BlockOne(), 42));
  SetCredits(b.Student, kFrench, "1111");     // 23
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 42));  // a hint item, but raised
}

TEST_F(BlockOneCheck, Item46CreditedBasicCoursesWithFivePoints) {
  for (size_t s = 1; s <= 4; ++s) SetPoints(b.Student, "Physik", s, "04");
  SetPoints(b.Student, "Biologie", 1, "04");  // 16 of 21 with 05 and more
  EXPECT_TRUE(SilentOn(b.BlockOne(), 46));
  SetPoints(b.Student, "Biologie", 2, "04");
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 46));
}

TEST_F(BlockOneCheck, Item46CreditedZeroPointsIsNoCourse) {
  for (size_t s = 1; s <= 4; ++s) SetPoints(b.Student, "Physik", s, "00");
  SetPoints(b.Student, "Biologie", 1, "00");  // 16 credited courses left
  EXPECT_TRUE(SilentOn(b.BlockOne(), 46));
  SetPoints(b.Student, "Biologie", 2, "00");
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 46));
}

TEST_F(BlockOneCheck, Item52FourthSemesterOfTheBasicCourseExams) {
  SetCredits(b.Student, "Deutsch", "1110");
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 52));
  SetCredits(b.Student, "Deutsch", "1111");
  SetPoints(b.Student, "Deutsch", 4, "00");
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 52));
}

TEST_F(BlockOneCheck, Item63OneSportCourseWithoutDifferentiatedSport) {
  b.General.DifferentiatedSport = 0;
  SetCredits(b.Student, "Sport", "1100");
  EXPECT_TRUE(RaisesItem(b.BlockOne(), 63));
  SetCredits(b.Student, "Sport", "1000");
  EXPECT_TRUE(SilentOn(b.BlockOne(), 63));
}

TEST_F(BlockOneCheck, Item62ThreeSportCoursesWithDifferentiatedSport) {
  b.General.DifferentiatedSport = 1;
  SetCredits(b.Student, "Sport", "1110");
  CheckResultList list = b.BlockOne();
  EXPECT_TRUE(SilentOn(list, 62));
  EXPECT_TRUE(SilentOn(list, 63));
  SetCredits(b.Student, "Sport", "1111");
  list = b.BlockOne();
  EXPECT_TRUE(RaisesItem(list, 62));
  EXPECT_TRUE(SilentOn(list, 63));
}

TEST_F(BlockOneCheck, SportAsAdvancedCourseHasNoLimit) {
  ChoiceOf(b.Student, "Sport").AdvancedCourse = 1;
  SetCredits(b.Student, "Sport", "1111");
  const CheckResultList list = b.BlockOne();
  EXPECT_TRUE(SilentOn(list, 62));
  EXPECT_TRUE(SilentOn(list, 63));
}

class ProjectCourseCheck : public ::testing::Test {
 protected:
  ChecksBench b;
};

TEST_F(ProjectCourseCheck, Item100MissingRequiredProjectCourse) {
  EXPECT_TRUE(SilentOn(b.ProjectCourses(), 100));  // row 4 is not required
  b.Student.ProjectCourses[2] = core::kNothingChosen;
  EXPECT_TRUE(RaisesItem(b.ProjectCourses(), 100));
  b.Student.ProjectCourses[2] = "";
  EXPECT_TRUE(RaisesItem(b.ProjectCourses(), 100));
  b.Exam.ProjectCourseCount = 2;
  EXPECT_TRUE(SilentOn(b.ProjectCourses(), 100));
}

TEST_F(ProjectCourseCheck, Item100CountFromTheExamSettings) {
  b.Exam.ProjectCourseCount = 4;
  EXPECT_TRUE(RaisesItem(b.ProjectCourses(), 100));
  b.Student.ProjectCourses[3] = "Chor";
  EXPECT_TRUE(SilentOn(b.ProjectCourses(), 100));
  // More than the record's four rows: the four rows are checked.
  b.Exam.ProjectCourseCount = 9;
  EXPECT_TRUE(SilentOn(b.ProjectCourses(), 100));
  b.Student.ProjectCourses[3] = core::kNothingChosen;
  EXPECT_TRUE(RaisesItem(b.ProjectCourses(), 100));
}

}  // namespace
}  // namespace tolka::rules
