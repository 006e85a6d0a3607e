#include "rules/course_crediting.h"

#include <gtest/gtest.h>

#include "rules/rules_compute_helpers.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

const Semesters kTen{10, 10, 10, 10};

// ---- advanced courses and basic courses of exam subjects ----

TEST(CreditAdvancedCourses, CreditsEverySemesterWithPoints) {
  RuleWorkArea area;
  SetExam(area, kMathematik, kAdvanced, {10, 1, 15, 12}, kNo, kNo);
  SubjectSlot& en = SetExam(area, kEnglisch, kAdvanced, {0, kNo, 8, 9}, kNo, kNo);
  CreditAll(en);  // marks from before are cleared first
  SubjectSlot& gk = SetCourse(area, kBiologie, kBasic, {0, kNo, 10, 10});
  Credit(gk, {1});
  CheckResultList list;
  CreditAdvancedCourses(RulesSetup{}.Context(), area, list);
  EXPECT_EQ(Credits(area.SubjectSlots[kMathematik]), "1111");
  EXPECT_EQ(Credits(en), "0011");
  EXPECT_EQ(Credits(gk), "1000");  // basic courses untouched
  // 00 raises 40, no mark 39; six credited semesters are fewer than 2 x 4 (41).
  EXPECT_EQ(Raised(list), (std::vector<int>{39, 40, 41}));
}

TEST(CreditAdvancedCourses, Items13And41AtTheirBoundaries) {
  RuleWorkArea area;
  SetCourse(area, kMathematik, kAdvanced, kTen);
  SetCourse(area, kEnglisch, kAdvanced, {1, 1, 1, 1});
  SetCourse(area, kBiologie, kBasic, {0, kNo, 0, kNo});
  CheckResultList list;
  CreditAdvancedCourses(RulesSetup{}.Context(), area, list);
  EXPECT_EQ(Raised(list), std::vector<int>{});

  SetCourse(area, kPhysik, kAdvanced, kTen);
  CheckResultList three;
  CreditAdvancedCourses(RulesSetup{}.Context(), area, three);
  EXPECT_EQ(Raised(three), std::vector<int>{13});

  area.SubjectSlots[kPhysik] = SubjectSlot{};
  RulesSetup setup;
  setup.Exam.AdvancedCourseCount = 3;  // now 8 credited are too few, 2 courses not too many
  CheckResultList more;
  CreditAdvancedCourses(setup.Context(), area, more);
  EXPECT_EQ(Raised(more), std::vector<int>{41});
}

TEST(CreditExamBasicCourses, CreditsExamSubjectsOnlyWithItems39And40) {
  RuleWorkArea area;
  SubjectSlot& de = SetExam(area, kDeutsch, kBasic, {10, 0, kNo, 5}, kNo, kNo);
  Credit(de, {2, 3});
  SubjectSlot& ge = SetExam(area, kGeschichte, kBasic, {kNo, kNo, kNo, kNo}, kNo, kNo);
  SubjectSlot& bio = SetExam(area, kBiologie, kBasic, {0, 0, 0, 0}, kNo, kNo);
  SubjectSlot& plain = SetCourse(area, kPhysik, kBasic, {0, kNo, 7, 7});
  SubjectSlot& lk = SetExam(area, kMathematik, kAdvanced, {kNo, 0, 9, 9}, kNo, kNo);
  CheckResultList list;
  CreditExamBasicCourses(RulesSetup{}.Context(), area, list);
  EXPECT_EQ(Credits(de), "1001");
  EXPECT_EQ(Credits(ge), "0000");
  EXPECT_EQ(Credits(bio), "0000");
  EXPECT_EQ(Credits(plain), "0000");
  EXPECT_EQ(Credits(lk), "0000");
  // Three basic-course exam subjects with few creditable semesters: still no
  // item 13 or 41 (those name advanced courses).
  EXPECT_EQ(Raised(list), (std::vector<int>{39, 40}));

  RuleWorkArea clean;
  SetExam(clean, kDeutsch, kBasic, {1, 2, 3, 15}, kNo, kNo);
  CheckResultList none;
  CreditExamBasicCourses(RulesSetup{}.Context(), clean, none);
  EXPECT_EQ(Credits(clean.SubjectSlots[kDeutsch]), "1111");
  EXPECT_EQ(Raised(none), std::vector<int>{});
}

// ---- compulsory courses ----

// Advanced courses Mathematik and Biologie, exam basic courses Deutsch and
// Sozialkunde, all credited: German, mathematics, natural science and
// geography/social studies are met; the rest is left to the crediting.
RuleWorkArea CompulsoryStudent() {
  RuleWorkArea area;
  CreditAll(SetExam(area, kMathematik, kAdvanced, kTen, 10, kNo));
  CreditAll(SetExam(area, kBiologie, kAdvanced, kTen, 10, kNo));
  CreditAll(SetExam(area, kDeutsch, kBasic, kTen, 10, kNo));
  CreditAll(SetExam(area, kSozialkunde, kBasic, {8, 9, 10, 11}, kNo, 10));
  SetCourse(area, kGeschichte, kBasic, {8, 12, 12, 5});
  SetCourse(area, kFranzoesisch, kBasic, {10, 10, 10, 10});
  SetCourse(area, kLatein, kBasic, {11, 11, 11, kNo});
  SetCourse(area, kSpanisch, kBasic, {12, 12, 12, 4});
  SetCourse(area, kMusik, kBasic, {9, 9, 14, 3});
  SetCourse(area, kKunst, kBasic, {10, 10, 10, 10});
  SetCourse(area, kReligion, kBasic, {12, 12, 12, 12});
  SetCourse(area, kPhysik, kBasic, {15, 15, 15, 15});
  return area;
}

CheckResultList Compulsory(RuleWorkArea& area) {
  CheckResultList list;
  CreditCompulsoryCourses(RulesSetup{}.Context(), area, list);
  return list;
}

TEST(CreditCompulsoryCourses, CreditsWhatEachObligationNeeds) {
  RuleWorkArea area = CompulsoryStudent();
  const CheckResultList list = Compulsory(area);
  const auto& slots = area.SubjectSlots;
  // History: 12 and 12, the earlier semester first among equals.
  EXPECT_EQ(Credits(slots[kGeschichte]), "0110");
  // Foreign language: Französisch and Spanisch both sum 40, Französisch is
  // earlier in the catalogue; Latein lacks a semester.
  EXPECT_EQ(Credits(slots[kFranzoesisch]), "1111");
  EXPECT_EQ(Credits(slots[kSpanisch]), "0000");
  EXPECT_EQ(Credits(slots[kLatein]), "0000");
  // Art/music: Musik's best two (14 + 9) beat Kunst's (10 + 10).
  EXPECT_EQ(Credits(slots[kMusik]), "1010");
  EXPECT_EQ(Credits(slots[kKunst]), "0000");
  // Religion beside the credited Sozialkunde.
  EXPECT_EQ(Credits(slots[kReligion]), "1100");
  // Natural science was met already.
  EXPECT_EQ(Credits(slots[kPhysik]), "0000");
  EXPECT_EQ(Raised(list), std::vector<int>{});
}

TEST(CreditCompulsoryCourses, ReportsWhatRemainsUnmet) {
  RuleWorkArea area = CompulsoryStudent();
  area.SubjectSlots[kGeschichte] = SubjectSlot{};  // no history at all
  // German as a plain basic course with a 00 and a missing semester.
  SubjectSlot& de = SetCourse(area, kDeutsch, kBasic, {10, 0, 8, kNo});
  const CheckResultList list = Compulsory(area);
  EXPECT_EQ(Credits(de), "1010");
  // 51 (history), 54 (German); Deutsch is no longer an exam subject, so only
  // Sozialkunde completes a basic exam subject (52).
  EXPECT_EQ(Raised(list), (std::vector<int>{51, 52, 54}));
}

TEST(CreditCompulsoryCourses, NothingIsUncredited) {
  RuleWorkArea area = CompulsoryStudent();
  Credit(area.SubjectSlots[kKunst], {4});
  Credit(area.SubjectSlots[kGeschichte], {4});
  Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kKunst]), "0001");
  EXPECT_EQ(Credits(area.SubjectSlots[kMusik]), "1010");
  // History had one credited course: one more, the best, makes two.
  EXPECT_EQ(Credits(area.SubjectSlots[kGeschichte]), "0101");
}

TEST(CreditCompulsoryCourses, GermanAndMathematicsEverySemester) {
  RuleWorkArea area = CompulsoryStudent();
  SetExam(area, kMathematik, kBasic, {6, 7, 8, 9}, kNo, kNo);  // uncredited
  SetCourse(area, kDeutsch, kBasic, {6, 7, 8, 9});
  Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kMathematik]), "1111");
  EXPECT_EQ(Credits(area.SubjectSlots[kDeutsch]), "1111");
}

TEST(CreditCompulsoryCourses, NaturalScienceHighestSum) {
  RuleWorkArea area = CompulsoryStudent();
  SetCourse(area, kBiologie, kBasic, {kNo, 15, 15, 15});
  SetCourse(area, kChemie, kBasic, {9, 9, 9, 9});     // 36
  SetCourse(area, kPhysik, kBasic, {10, 10, 10, 5});  // 35
  const CheckResultList list = Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kChemie]), "1111");
  EXPECT_EQ(Credits(area.SubjectSlots[kPhysik]), "0000");
  EXPECT_EQ(Credits(area.SubjectSlots[kBiologie]), "0000");
  EXPECT_FALSE(list.IsRaised(57));
}

TEST(CreditCompulsoryCourses, ReligionAndPhilosophyWithoutSocialStudies) {
  RuleWorkArea area = CompulsoryStudent();
  area.SubjectSlots[kSozialkunde] = SubjectSlot{};
  SetCourse(area, kReligion, kBasic, {10, 10, 9, 9});
  SetCourse(area, kPhilosophie, kBasic, {9, 9, 11, 8});
  const CheckResultList list = Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kReligion]), "1100");
  EXPECT_EQ(Credits(area.SubjectSlots[kPhilosophie]), "1010");
  EXPECT_FALSE(list.IsRaised(59));
  EXPECT_FALSE(list.IsRaised(60));
}

TEST(CreditCompulsoryCourses, HigherBestTwoBetweenReligionAndPhilosophy) {
  RuleWorkArea area = CompulsoryStudent();
  SetCourse(area, kReligion, kBasic, {10, 10, 5, 5});
  SetCourse(area, kPhilosophie, kBasic, {12, 12, 5, 5});
  const CheckResultList list = Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kPhilosophie]), "1100");
  EXPECT_EQ(Credits(area.SubjectSlots[kReligion]), "0000");
  EXPECT_FALSE(list.IsRaised(60));
}

TEST(CreditCompulsoryCourses, GeographyWhenSocialStudiesIsMissing) {
  RuleWorkArea area = CompulsoryStudent();
  SetCourse(area, kSozialkunde, kBasic, {4, 4, 4, 4});
  SetCourse(area, kGeographie, kBasic, {6, 9, 9, 2});
  area.SubjectSlots[kSozialkunde].IsExamSubject = 0;
  const CheckResultList list = Compulsory(area);
  // Geographie (9 + 9) beats Sozialkunde (4 + 4).
  EXPECT_EQ(Credits(area.SubjectSlots[kGeographie]), "0110");
  EXPECT_EQ(Credits(area.SubjectSlots[kSozialkunde]), "0000");
  EXPECT_FALSE(list.IsRaised(59));
  EXPECT_FALSE(list.IsRaised(60));
}

TEST(CreditCompulsoryCourses, LateBeginningLanguageSemestersThreeAndFour) {
  RuleWorkArea area = CompulsoryStudent();
  area.Student.ForeignLanguages[1] = {"Spanisch", "11", "--"};
  SetCourse(area, kSpanisch, kBasic, {5, 6, 7, 8});
  CreditAll(SetCourse(area, kFranzoesisch, kBasic, kTen));
  const CheckResultList list = Compulsory(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kSpanisch]), "0011");
  EXPECT_FALSE(list.IsRaised(61));

  RuleWorkArea missing = CompulsoryStudent();
  missing.Student.ForeignLanguages[1] = {"Spanisch", "11", "--"};
  SetCourse(missing, kSpanisch, kBasic, {5, 6, 7, kNo});
  const CheckResultList unmet = Compulsory(missing);
  EXPECT_EQ(Credits(missing.SubjectSlots[kSpanisch]), "0010");
  EXPECT_TRUE(unmet.IsRaised(61));
}

// ---- filling Block I ----

CheckResultList Fill(RuleWorkArea& area, uint16_t differentiated_sport = 0,
                     uint16_t block_one_count = 22) {
  RulesSetup setup;
  setup.General.DifferentiatedSport = differentiated_sport;
  setup.Exam.BlockICourseCount = block_one_count;
  CheckResultList list;
  FillBlockOne(setup.Context(), area, list);
  return list;
}

TEST(FillBlockOne, NothingWhenBlockOneIsFull) {
  RuleWorkArea area = CompleteStudent();
  SetCourse(area, kChemie, kBasic, {15, 15, 15, 15});
  area.SubjectSlots[kDeutsch].Credited[4] = 0;  // Block III, not Block I
  area.SubjectSlots[kMathematik].Credited[1] = 0;
  const CheckResultList list = Fill(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kChemie]), "0000");
  EXPECT_EQ(Credits(area.SubjectSlots[kDeutsch]), "1110");
  EXPECT_EQ(Credits(area.SubjectSlots[kMathematik]), "0111");
  // The Block I check runs: the uncredited exam semester gives item 52.
  EXPECT_EQ(Raised(list), std::vector<int>{52});
}

TEST(FillBlockOne, BestPointsFirstEarlierSubjectOnEqualPoints) {
  RuleWorkArea area = CompleteStudent();
  area.SubjectSlots[kBiologie].Credited[1] = 0;
  area.SubjectSlots[kBiologie].Credited[2] = 0;
  SetCourse(area, kChemie, kBasic, {5, 5, 12, 5});
  SetCourse(area, kMusik, kBasic, {12, 5, 5, 5});
  SetCourse(area, kLatein, kBasic, {13, 2, 2, 2});
  const CheckResultList list = Fill(area);
  EXPECT_EQ(Credits(area.SubjectSlots[kLatein]), "1000");
  EXPECT_EQ(Credits(area.SubjectSlots[kChemie]), "0010");
  EXPECT_EQ(Credits(area.SubjectSlots[kMusik]), "0000");
  EXPECT_EQ(Credits(area.SubjectSlots[kBiologie]), "0011");
  EXPECT_EQ(Raised(list), std::vector<int>{});

  // A larger Block I takes the next ones, down to the lower points.
  RuleWorkArea larger = CompleteStudent();
  SetCourse(larger, kChemie, kBasic, {9, 8, kNo, 0});
  Fill(larger, 0, 24);
  EXPECT_EQ(Credits(larger.SubjectSlots[kChemie]), "1100");
}

TEST(FillBlockOne, OneSportCourseWithSettingZero) {
  RuleWorkArea area = CompleteStudent();
  area.SubjectSlots[kBiologie].Credited[1] = 0;
  area.SubjectSlots[kBiologie].Credited[2] = 0;
  SetCourse(area, kSport, kBasic, {15, 15, 15, 15});
  const CheckResultList list = Fill(area, 0);
  EXPECT_EQ(Credits(area.SubjectSlots[kSport]), "1000");
  EXPECT_EQ(Credits(area.SubjectSlots[kBiologie]), "1011");
  EXPECT_FALSE(list.IsRaised(63));

  // A sport course credited already leaves no room for another.
  area = CompleteStudent();
  area.SubjectSlots[kBiologie].Credited = {};
  Credit(SetCourse(area, kSport, kBasic, {15, 15, 15, 15}), {2});
  Fill(area, 0);
  EXPECT_EQ(Credits(area.SubjectSlots[kSport]), "0100");
  EXPECT_EQ(Credits(area.SubjectSlots[kBiologie]), "1110");
}

TEST(FillBlockOne, ThreeSportCoursesWithSettingOne) {
  RuleWorkArea area = CompleteStudent();
  area.SubjectSlots[kBiologie].Credited = {};
  SetCourse(area, kSport, kBasic, {15, 15, 15, 15});
  const CheckResultList list = Fill(area, 1);
  EXPECT_EQ(Credits(area.SubjectSlots[kSport]), "1110");
  EXPECT_EQ(Credits(area.SubjectSlots[kBiologie]), "1000");
  EXPECT_FALSE(list.IsRaised(62));
}

}  // namespace
}  // namespace tolka::rules
