#include "rules/block_computation.h"

#include <gtest/gtest.h>

#include "rules/rules_compute_helpers.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

struct Blocks {
  BlockResult Result;
  CheckResultList List;
};

Blocks Compute(RuleWorkArea& area, bool with_checks = true,
               const RulesSetup& setup = RulesSetup{}) {
  Blocks out;
  ComputeBlocks(setup.Context(), area, out.List, out.Result, with_checks);
  return out;
}

TEST(ComputeBlocks, CompleteStudentFillsEveryBlockExactly) {
  RuleWorkArea area = CompleteStudent();
  const Blocks b = Compute(area);
  EXPECT_EQ(b.Result.BlockI, 220);
  EXPECT_EQ(b.Result.BlockII, 140);
  EXPECT_EQ(b.Result.BlockIII, 200);
  EXPECT_EQ(b.Result.Total, 560);
  EXPECT_EQ(Raised(b.List), std::vector<int>{});
  EXPECT_EQ(Noted(b.List), std::vector<int>{});
}

TEST(ComputeBlocks, FactorsCodesAndWeightsPerSemester) {
  RuleWorkArea area;
  SubjectSlot& lk = SetExam(area, kMathematik, kAdvanced, {7, 8, 9, 10}, 12, kNo);
  CreditAll(lk);
  SubjectSlot& exam_gk = SetExam(area, kDeutsch, kBasic, {5, 6, 7, 8}, kNo, 9);
  CreditAll(exam_gk);
  SubjectSlot& gk = SetCourse(area, kBiologie, kBasic, {11, 12, 13, 14});
  Credit(gk, {2, 4});
  Compute(area);

  EXPECT_EQ(lk.SemesterFactor[1], 2);
  EXPECT_EQ(lk.Weighted[1], 14);
  EXPECT_EQ(lk.BlockCode[1], 2);
  EXPECT_EQ(lk.SemesterFactor[4], 1);
  EXPECT_EQ(lk.Weighted[4], 10);
  EXPECT_EQ(lk.BlockCode[4], 5);  // Block II and Block III
  EXPECT_EQ(lk.SemesterFactor[5], 4);
  EXPECT_EQ(lk.Weighted[5], 48);
  EXPECT_EQ(lk.BlockCode[5], 3);

  EXPECT_EQ(exam_gk.BlockCode[3], 1);
  EXPECT_EQ(exam_gk.BlockCode[4], 3);  // the exam subject's last semester is Block III
  EXPECT_EQ(exam_gk.Weighted[4], 8);

  EXPECT_EQ(gk.BlockCode[1], 0);
  EXPECT_EQ(gk.Weighted[1], 0);
  EXPECT_EQ(gk.BlockCode[4], 1);
  EXPECT_EQ(gk.Weighted[4], 14);
}

TEST(ComputeBlocks, AdvancedLastSemesterCountsInBlockTwoAndThree) {
  RuleWorkArea area;
  Credit(SetCourse(area, kMathematik, kAdvanced, {kNo, kNo, kNo, 10}), {4});
  const Blocks b = Compute(area, false);
  EXPECT_EQ(b.Result.BlockI, 0);
  EXPECT_EQ(b.Result.BlockII, 10);
  EXPECT_EQ(b.Result.BlockIII, 10);
  EXPECT_EQ(b.Result.Total, 20);
}

TEST(ComputeBlocks, CreditedSemesterWithoutPointsAddsAndCountsNothing) {
  RuleWorkArea area = CompleteStudent();
  SubjectSlot& bio = area.SubjectSlots[kBiologie];
  bio.Points[1] = kNo;
  bio.Points[2] = 0;
  const Blocks b = Compute(area);
  EXPECT_EQ(b.Result.BlockI, 200);
  EXPECT_EQ(bio.Weighted[1], 0);
  EXPECT_EQ(bio.BlockCode[2], 0);
  EXPECT_TRUE(b.List.IsRaised(48));  // only 20 Block I courses
}

TEST(ComputeBlocks, RunsAgainFromScratch) {
  RuleWorkArea area = CompleteStudent();
  Compute(area);
  area.SubjectSlots[kBiologie].Credited[1] = 0;
  const Blocks b = Compute(area);
  EXPECT_EQ(b.Result.BlockI, 210);
  EXPECT_EQ(area.SubjectSlots[kBiologie].BlockCode[1], 0);
  EXPECT_EQ(area.SubjectSlots[kBiologie].Weighted[1], 0);
}

TEST(ComputeBlocks, Item3CreditedCourseOfAnotherKind) {
  RuleWorkArea area = CompleteStudent();
  EXPECT_FALSE(Compute(area).List.IsNoted(3));
  area.SubjectSlots[kChemie].CourseKind = 3;
  area.SubjectSlots[kChemie].Points[1] = 10;
  area.SubjectSlots[kChemie].Credited[1] = 1;
  const Blocks b = Compute(area);
  EXPECT_TRUE(b.List.IsNoted(3));
  EXPECT_EQ(b.Result.Total, 560);
}

TEST(ComputeBlocks, ExamValues) {
  struct Case {
    int32_t written, oral;
    uint16_t special_work;
    int32_t value;
    uint16_t factor;
  };
  const Case cases[] = {
      {12, 9, 0, 44, 1},    // integer part of 4 x 33 / 3
      {12, 9, 1, 33, 1},    // 2W + O
      {12, kNo, 0, 48, 4},  // written only
      {12, kNo, 1, 36, 3},  // written only, special work counted
      {kNo, 9, 0, 36, 4},   // oral only
      {kNo, kNo, 0, 0, 0},  // no exam yet
      {15, 15, 0, 60, 1},   // the top of the range raises no item 4
      {15, 15, 1, 45, 1},  {0, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    RuleWorkArea area;
    area.SpecialWorkCounts() = c.special_work;
    area.Student.ProjectCoursesHoldSpecialWork = 1;
    area.Student.SpecialWorkDocPoints = "10";
    area.Student.SpecialWorkColloquiumPoints = "10";
    area.Student.SpecialWorkTotal = "10";
    SubjectSlot& slot = SetExam(area, kDeutsch, kBasic, {kNo, kNo, kNo, kNo}, c.written, c.oral);
    const Blocks b = Compute(area, false);
    EXPECT_EQ(slot.Weighted[5], c.value) << c.written << "/" << c.oral;
    EXPECT_EQ(slot.SemesterFactor[5], c.factor) << c.written << "/" << c.oral;
    EXPECT_EQ(slot.BlockCode[5], c.factor == 0 ? 0 : 3);
    EXPECT_EQ(b.Result.BlockIII, c.value + (c.special_work ? 40 : 0));
    EXPECT_FALSE(b.List.IsRaised(4));
  }
}

TEST(ComputeBlocks, NonExamSubjectHasNoExamValue) {
  RuleWorkArea area;
  SubjectSlot& slot = SetCourse(area, kBiologie, kBasic, {10, 10, 10, 10});
  slot.Points[5] = 12;  // a stray written mark of a subject that is not an exam subject
  Compute(area, false);
  EXPECT_EQ(slot.Weighted[5], 0);
  EXPECT_EQ(slot.BlockCode[5], 0);
}

TEST(ComputeBlocks, Items42To50CourseCountsWithChecksOnly) {
  // 23 Block I courses: item 42; 22: silent; 21: item 48.
  RuleWorkArea area = CompleteStudent();
  CreditAll(SetCourse(area, kChemie, kBasic, {10, kNo, kNo, kNo}));
  EXPECT_TRUE(Compute(area).List.IsRaised(42));
  EXPECT_FALSE(Compute(area, false).List.IsRaised(42));
  area.SubjectSlots[kChemie].Credited[1] = 0;
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{});
  area.SubjectSlots[kBiologie].Credited[1] = 0;
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{48});
  EXPECT_EQ(Raised(Compute(area, false).List), std::vector<int>{});

  // Block II: a third advanced course's first semester gives 9 results
  // (item 43); one semester less than 8 gives item 49.
  area = CompleteStudent();
  Credit(SetCourse(area, kChemie, kAdvanced, {10, kNo, kNo, kNo}), {1});
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{43});
  area = CompleteStudent();
  area.SubjectSlots[kEnglisch].Credited[2] = 0;
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{49});

  // Block III: a fifth exam subject's last semester (item 44); a missing
  // one (item 50).
  area = CompleteStudent();
  Credit(SetExam(area, kChemie, kBasic, {kNo, kNo, kNo, 10}, kNo, kNo), {4});
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{44});
  area = CompleteStudent();
  area.SubjectSlots[kGeschichte].Credited[4] = 0;
  EXPECT_EQ(Raised(Compute(area).List), std::vector<int>{50});
  EXPECT_EQ(Raised(Compute(area, false).List), std::vector<int>{});
}

TEST(ComputeBlocks, Item5BlockAboveItsMaximumAlways) {
  // Block I: 22 courses of 15 points reach 330 exactly; one more passes it.
  RuleWorkArea area;
  for (size_t k : {kBiologie, kChemie, kPhysik, kKunst, kMusik}) {
    CreditAll(SetCourse(area, k, kBasic, {15, 15, 15, 15}));
  }
  Credit(SetCourse(area, kReligion, kBasic, {15, 15, 15, 15}), {1, 2});
  EXPECT_EQ(Compute(area, false).Result.BlockI, 330);
  EXPECT_FALSE(Compute(area, false).List.IsRaised(5));
  Credit(area.SubjectSlots[kReligion], {3});
  EXPECT_TRUE(Compute(area, false).List.IsRaised(5));

  // Block II and Block III against their maxima from the settings.
  RulesSetup setup;
  setup.Exam.BlockIIMax = 140;
  setup.Exam.BlockIIIMax = 200;
  area = CompleteStudent();
  EXPECT_FALSE(Compute(area, false, setup).List.IsRaised(5));
  area.SubjectSlots[kEnglisch].Points[1] = 11;  // Block II 142
  EXPECT_TRUE(Compute(area, false, setup).List.IsRaised(5));
  area = CompleteStudent();
  area.SubjectSlots[kGeschichte].Points[6] = 11;  // Block III 204
  EXPECT_TRUE(Compute(area, false, setup).List.IsRaised(5));
}

// The special work with documentation D, colloquium K and total T.
Blocks SpecialWork(const std::string& d, const std::string& k, const std::string& t,
                   bool with_checks = true, uint16_t hold = 1) {
  RuleWorkArea area = CompleteStudent();
  area.SpecialWorkCounts() = 1;
  area.Student.ProjectCoursesHoldSpecialWork = hold;
  area.Student.SpecialWorkDocPoints = d;
  area.Student.SpecialWorkColloquiumPoints = k;
  area.Student.SpecialWorkTotal = t;
  return Compute(area, with_checks);
}

// With the special work counted the exams weigh 2W + O or 3 x the mark:
// Block III of the complete student is 40 + 4 x 30 = 160 before the work.
constexpr int kBlockThreeBeforeWork = 160;

TEST(ComputeBlocks, SpecialWorkTotalAddsFourTimes) {
  const Blocks b = SpecialWork("10", "12", "11");
  EXPECT_EQ(b.Result.BlockIII, kBlockThreeBeforeWork + 44);
  EXPECT_EQ(b.Result.Total, 220 + 140 + kBlockThreeBeforeWork + 44);
  EXPECT_EQ(Raised(b.List), std::vector<int>{});
  EXPECT_EQ(Noted(b.List), std::vector<int>{});
}

TEST(ComputeBlocks, Item87TotalMustBeTheMean) {
  // D = 10, K = 13: the bounds are 10 and 12.
  for (const char* t : {"10", "11", "12"})
    EXPECT_FALSE(SpecialWork("10", "13", t).List.IsNoted(87));
  EXPECT_TRUE(SpecialWork("10", "13", "13").List.IsNoted(87));
  EXPECT_TRUE(SpecialWork("10", "13", "09").List.IsNoted(87));
  EXPECT_EQ(SpecialWork("10", "13", "13").Result.BlockIII, kBlockThreeBeforeWork + 52);
  // Equal marks: T must equal them; an even sum: T is half of it.
  EXPECT_FALSE(SpecialWork("12", "12", "12").List.IsNoted(87));
  EXPECT_TRUE(SpecialWork("12", "12", "11").List.IsNoted(87));
  EXPECT_FALSE(SpecialWork("10", "12", "11").List.IsNoted(87));
  EXPECT_TRUE(SpecialWork("10", "12", "12").List.IsNoted(87));
  EXPECT_FALSE(SpecialWork("00", "01", "00").List.IsNoted(87));
  // Without checks item 87 is not noted.
  EXPECT_FALSE(SpecialWork("10", "13", "13", false).List.IsNoted(87));
}

TEST(ComputeBlocks, Item86MarkMissingWithAndWithoutChecks) {
  for (bool checks : {true, false}) {
    const Blocks b = SpecialWork("--", "12", "12", checks);
    EXPECT_TRUE(b.List.IsRaised(86));
    EXPECT_EQ(b.Result.BlockIII, kBlockThreeBeforeWork + 48);  // T still counts
    EXPECT_TRUE(SpecialWork("12", "", "12", checks).List.IsRaised(86));
  }
  EXPECT_FALSE(SpecialWork("00", "00", "00").List.IsRaised(86));
  EXPECT_FALSE(SpecialWork("12", "12", "12").List.IsRaised(86));
}

TEST(ComputeBlocks, Item88NoTotalWithChecksOnly) {
  const Blocks b = SpecialWork("10", "12", "--");
  EXPECT_TRUE(b.List.IsRaised(88));
  EXPECT_EQ(b.Result.BlockIII, kBlockThreeBeforeWork);
  EXPECT_FALSE(SpecialWork("10", "12", "--", false).List.IsRaised(88));
  EXPECT_FALSE(SpecialWork("00", "00", "00").List.IsRaised(88));
  // With a documentation mark missing the total is still needed.
  EXPECT_TRUE(SpecialWork("--", "12", "--").List.IsRaised(88));
}

TEST(ComputeBlocks, Item89NoProjectCoursesForTheSpecialWork) {
  const Blocks b = SpecialWork("12", "12", "12", true, 0);
  EXPECT_TRUE(b.List.IsRaised(89));
  EXPECT_EQ(b.Result.BlockIII, kBlockThreeBeforeWork);  // nothing added
  EXPECT_FALSE(SpecialWork("12", "12", "12", false, 0).List.IsRaised(89));
  EXPECT_FALSE(SpecialWork("12", "12", "12", true, 1).List.IsRaised(89));
}

TEST(ComputeBlocks, SpecialWorkNotCountedIsIgnored) {
  RuleWorkArea area = CompleteStudent();
  area.Student.SpecialWorkTotal = "12";
  area.Student.SpecialWorkDocPoints = "--";
  const Blocks b = Compute(area);
  EXPECT_EQ(b.Result.BlockIII, 200);
  EXPECT_EQ(Raised(b.List), std::vector<int>{});
}

// ---- exam counts and the 25/20 rule ----

CheckResultList ExamChecks(RuleWorkArea& area, bool with_count_checks = true) {
  const RulesSetup setup;
  CheckResultList list;
  BlockResult result;
  ComputeBlocks(setup.Context(), area, list, result, false);
  CheckResultList checks;
  CheckExamCounts(setup.Context(), area, with_count_checks, checks);
  return checks;
}

TEST(CountExamResults, CountsOfTheCompleteStudent) {
  RuleWorkArea area = CompleteStudent();
  ExamChecks(area);
  const ExamCounts counts = CountExamResults(area);
  EXPECT_EQ(counts.ExamSubjects, 4);
  EXPECT_EQ(counts.WrittenExams, 3);
  EXPECT_EQ(counts.OralExams, 1);
  EXPECT_EQ(counts.AdvancedReachingThreshold, 2);
  EXPECT_EQ(counts.BasicReachingThreshold, 2);
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{});
}

TEST(CountExamResults, TwentyFiveTwentyThreshold) {
  // Last semester 5 and written 5: 5 + 20 = 25 reaches; 4 + 20 does not.
  RuleWorkArea area = CompleteStudent();
  area.SubjectSlots[kMathematik].Points[4] = 5;
  area.SubjectSlots[kMathematik].Points[5] = 5;
  ExamChecks(area);
  EXPECT_EQ(CountExamResults(area).AdvancedReachingThreshold, 2);
  area.SubjectSlots[kMathematik].Points[4] = 4;
  ExamChecks(area);
  EXPECT_EQ(CountExamResults(area).AdvancedReachingThreshold, 1);

  // With the special work: 3 x 5 + 5 = 20 reaches the lower threshold.
  area.SpecialWorkCounts() = 1;
  area.Student.ProjectCoursesHoldSpecialWork = 1;
  area.SubjectSlots[kMathematik].Points[4] = 5;
  ExamChecks(area);
  EXPECT_EQ(area.SubjectSlots[kMathematik].Weighted[5], 15);
  EXPECT_EQ(CountExamResults(area).AdvancedReachingThreshold, 2);
  area.SubjectSlots[kMathematik].Points[4] = 4;
  ExamChecks(area);
  EXPECT_EQ(CountExamResults(area).AdvancedReachingThreshold, 1);

  // The settings' thresholds.
  settings::ExamSettings exam;
  exam.ExamSubjectMinWithSpecialWork = 19;
  EXPECT_EQ(CountExamResults(exam, area).AdvancedReachingThreshold, 2);
}

TEST(CheckExamCounts, Items93And94) {
  RuleWorkArea area = CompleteStudent();
  // One advanced course below the threshold, the basic courses above: fine.
  area.SubjectSlots[kMathematik].Points[5] = 0;
  area.SubjectSlots[kMathematik].Points[4] = 10;
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{});
  // One advanced course and no basic course reaching it: item 94.
  area.SubjectSlots[kDeutsch].Points[5] = 3;  // 10 + 12
  area.SubjectSlots[kGeschichte].Points[6] = 3;
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{94});
  area.SubjectSlots[kGeschichte].Points[6] = 4;  // 10 + 16 = 26
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{});
  // No advanced course reaching it: item 93.
  area.SubjectSlots[kEnglisch].Points[5] = 3;
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{93});
}

TEST(CheckExamCounts, Items90To92WithCountChecksOnly) {
  RuleWorkArea area = CompleteStudent();
  area.SubjectSlots[kGeschichte].Points[6] = kNo;
  area.SubjectSlots[kGeschichte].Points[5] = 10;
  EXPECT_EQ(Raised(ExamChecks(area)), (std::vector<int>{90, 92}));
  EXPECT_EQ(Raised(ExamChecks(area, false)), std::vector<int>{});
  area.SubjectSlots[kGeschichte].Points[5] = kNo;
  area.SubjectSlots[kGeschichte].Points[6] = 10;
  area.SubjectSlots[kDeutsch].Points[5] = kNo;
  area.SubjectSlots[kDeutsch].Points[6] = 10;
  EXPECT_EQ(Raised(ExamChecks(area)), std::vector<int>{91});
  EXPECT_EQ(Raised(ExamChecks(area, false)), std::vector<int>{});
}

TEST(CheckExamCounts, Item15MoreExamSubjectsThanTheMaximum) {
  RuleWorkArea area = CompleteStudent();
  SetExam(area, kChemie, kBasic, {10, 10, 10, 10}, kNo, kNo);
  EXPECT_TRUE(ExamChecks(area, false).IsRaised(15));
  EXPECT_EQ(CountExamResults(area).ExamSubjects, 5);
  area.SubjectSlots[kChemie].IsExamSubject = 0;
  EXPECT_FALSE(ExamChecks(area, false).IsRaised(15));
}

TEST(CheckBlockMinima, Items111To113AsRequested) {
  const RulesSetup setup;
  const BlockResult at_minimum{280, 110, 70, 100};
  CheckResultList list;
  CheckBlockMinima(setup.Context(), at_minimum, list, true, true, true);
  EXPECT_EQ(Raised(list), std::vector<int>{});
  const BlockResult below{277, 109, 69, 99};
  CheckBlockMinima(setup.Context(), below, list, true, false, false);
  EXPECT_EQ(Raised(list), std::vector<int>{111});
  CheckBlockMinima(setup.Context(), below, list, false, true, true);
  EXPECT_EQ(Raised(list), (std::vector<int>{111, 112, 113}));
}

TEST(CheckExamMarks, Items114And115) {
  ExamSlots slots;
  for (size_t i = 1; i <= 3; ++i) slots[i].Written = "08";
  slots[4].Oral = "11";
  CheckResultList list;
  CheckExamMarks(slots, list);
  EXPECT_EQ(Raised(list), std::vector<int>{});

  for (size_t i = 1; i <= 3; ++i) {
    ExamSlots missing = slots;
    missing[i].Written = "--";
    CheckResultList l;
    CheckExamMarks(missing, l);
    EXPECT_EQ(Raised(l), std::vector<int>{114}) << i;
  }
  ExamSlots no_oral = slots;
  no_oral[4].Oral = "--";
  CheckResultList l1;
  CheckExamMarks(no_oral, l1);
  EXPECT_EQ(Raised(l1), std::vector<int>{115});
  ExamSlots written_fourth = slots;
  written_fourth[4].Written = "05";
  CheckResultList l2;
  CheckExamMarks(written_fourth, l2);
  EXPECT_EQ(Raised(l2), std::vector<int>{115});
}

}  // namespace
}  // namespace tolka::rules
