#include "rules/recommendations.h"

#include <gtest/gtest.h>

#include "core/student_table.h"
#include "rules/block_computation.h"
#include "rules_compute_helpers.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

class RecommendationsTest : public ::testing::Test {
 protected:
  RulesSetup setup;
  RuleContext ctx = setup.Context();
  RecommendationFlags flags{};
  CheckResultList list;
};

TEST_F(RecommendationsTest, DistancesToTheNextTwoGradeSteps) {
  // 560 points give 2,3 (the step ends at 565); 566 give 2,2 and 583 give 2,1.
  RuleWorkArea area = CompleteStudent();
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[3], 1);
  EXPECT_EQ(flags[4], 1);
  EXPECT_EQ(flags[9], 6);
  EXPECT_EQ(flags[10], 23);
  EXPECT_EQ(flags[11], 1);
  EXPECT_EQ(flags[5], 0);
  EXPECT_EQ(flags[6], 0);
  EXPECT_EQ(flags[20], 0);
}

TEST_F(RecommendationsTest, BestCaseSetsNoDistances) {
  RuleWorkArea area = CompleteStudent();
  ComputeImprovementHints(ctx, area, true, flags, list);
  EXPECT_EQ(flags[9], 0);
  EXPECT_EQ(flags[10], 0);
  EXPECT_EQ(flags[11], 0);
  EXPECT_EQ(flags[3], 1);
}

TEST_F(RecommendationsTest, AtTheTopGradeThereIsNoBetterStep) {
  RuleWorkArea area = CompleteStudent();
  for (auto& slot : area.SubjectSlots) {
    if (slot.CourseKind == 0) continue;
    for (int s = 1; s <= 4; ++s) slot.Points[s] = 15;
    if (slot.Points[5] != kNoMark) slot.Points[5] = 15;
    if (slot.Points[6] != kNoMark) slot.Points[6] = 15;
  }
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[9], 0);
  EXPECT_EQ(flags[10], 0);
  EXPECT_EQ(flags[11], 0);
}

TEST_F(RecommendationsTest, APassingGradeIsBetterThanFailing) {
  // 270 points: not passed; 280 passes with 4,0 and 297 gives 3,8.
  RuleWorkArea area = CompleteStudent();
  for (auto& slot : area.SubjectSlots) {
    for (int s = 1; s <= 6; ++s) {
      if (slot.Points[s] == 10) slot.Points[s] = 5;
    }
  }
  BlockResult r;
  ComputeBlocks(ctx, area, list, r, false);
  ASSERT_EQ(r.Total, 280);
  area.SubjectSlots[kBiologie].Points[1] = 0;  // 275: below the minimum
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[9], 5);   // 280: 4,0
  EXPECT_EQ(flags[10], 6);  // 281: 3,9
}

TEST_F(RecommendationsTest, TheTwentyFiveTwentyRuleNeedsAnOralExam) {
  // Both advanced exam subjects below 25 points in Block III: entry 5.
  RuleWorkArea area = CompleteStudent();
  for (size_t k : {kMathematik, kEnglisch}) {
    area.SubjectSlots[k].Points[4] = 2;
    area.SubjectSlots[k].Points[5] = 5;  // 2 + 20 = 22
  }
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[5], 1);
  EXPECT_EQ(flags[6], 0);
  // One advanced subject reaching it and no basic one: entry 6.
  flags = {};
  area.SubjectSlots[kMathematik].Points[5] = 10;  // 2 + 40
  for (size_t k : {kDeutsch, kGeschichte}) {
    area.SubjectSlots[k].Points[4] = 2;
    area.SubjectSlots[k].Points[5] = area.SubjectSlots[k].Points[5] == kNoMark ? kNoMark : 5;
    area.SubjectSlots[k].Points[6] = area.SubjectSlots[k].Points[6] == kNoMark ? kNoMark : 5;
  }
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[5], 0);
  EXPECT_EQ(flags[6], 1);
}

TEST_F(RecommendationsTest, FourOralExamsAlreadyMakeTheRecommendationsPointless) {
  RuleWorkArea area = CompleteStudent();
  for (size_t k : {kMathematik, kEnglisch, kDeutsch}) area.SubjectSlots[k].Points[6] = 9;
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[20], 4);
  RecommendationFlags best{};
  ComputeImprovementHints(ctx, area, true, best, list);
  EXPECT_EQ(best[20], 0);  // counted for the current state only
}

TEST_F(RecommendationsTest, ThreeOralExamsStillLeaveTheRecommendations) {
  RuleWorkArea area = CompleteStudent();  // Geschichte: oral exam
  for (size_t k : {kMathematik, kEnglisch}) area.SubjectSlots[k].Points[6] = 9;
  ComputeImprovementHints(ctx, area, false, flags, list);
  EXPECT_EQ(flags[20], 0);
}

TEST_F(RecommendationsTest, EstimateFromTheSemesterAverage) {
  RuleWorkArea area;
  // Written 08, semesters averaging 10 (10, 11, 9, 10): the oral mark is 10.
  SetExam(area, kDeutsch, kBasic, {10, 11, 9, 10}, 8, kNo);
  // Written above the average: no oral mark is assumed.
  SetExam(area, kEnglisch, kAdvanced, {10, 10, 10, 10}, 12, kNo);
  // Written equal to the average (12, 11, 13, 12): not below it, no oral mark.
  SetExam(area, kPhysik, kBasic, {12, 11, 13, 12}, 12, kNo);
  // An oral mark already given stays.
  SetExam(area, kGeschichte, kBasic, {12, 12, 12, 12}, kNo, 7);
  // Only two semesters with a mark: their mean (13 + 14) / 2 = 13.
  SetExam(area, kMathematik, kAdvanced, {13, 14, kNo, kNo}, kNo, kNo);
  // No semester mark at all: no estimate.
  SetExam(area, kBiologie, kBasic, {kNo, kNo, kNo, kNo}, kNo, kNo);
  EstimateExamsFromAverage(area);
  EXPECT_EQ(area.SubjectSlots[kDeutsch].Points[6], 10);
  EXPECT_EQ(area.SubjectSlots[kEnglisch].Points[6], kNoMark);
  EXPECT_EQ(area.SubjectSlots[kPhysik].Points[6], kNoMark);
  EXPECT_EQ(area.SubjectSlots[kGeschichte].Points[6], 7);
  EXPECT_EQ(area.SubjectSlots[kMathematik].Points[6], 13);
  EXPECT_EQ(area.SubjectSlots[kBiologie].Points[6], kNoMark);
}

TEST_F(RecommendationsTest, EstimateFillsAMissingColloquiumMarkFromTheDocumentation) {
  RuleWorkArea area;
  area.Student.SpecialWorkCounts = 1;
  area.Student.SpecialWorkDocPoints = "09";
  area.Student.SpecialWorkColloquiumPoints = "--";
  area.Student.SpecialWorkTotal = "--";
  EstimateExamsFromAverage(area);
  EXPECT_EQ(area.Student.SpecialWorkColloquiumPoints, "09");
  EXPECT_EQ(area.Student.SpecialWorkTotal, "09");
  area.Student.SpecialWorkCounts = 0;
  area.Student.SpecialWorkColloquiumPoints = "--";
  EstimateExamsFromAverage(area);
  EXPECT_EQ(area.Student.SpecialWorkColloquiumPoints, "--");
}

TEST_F(RecommendationsTest, BlockThreeShortfall) {
  BlockResult r;
  r.BlockIII = 99;
  BlockThreeShortfall(ctx, r, false, flags);
  EXPECT_EQ(flags[18], 1);
  BlockThreeShortfall(ctx, r, true, flags);
  EXPECT_EQ(flags[20], 1);
  RecommendationFlags none{};
  r.BlockIII = 100;
  BlockThreeShortfall(ctx, r, false, none);
  BlockThreeShortfall(ctx, r, true, none);
  EXPECT_EQ(none[18], 0);
  EXPECT_EQ(none[20], 0);
}

TEST(RecommendationTableTest, TextsColoursAndAppendedPoints) {
  const auto& t = RecommendationTable();
  EXPECT_EQ(t[7].Text, "derzeit nicht benutzt");
  EXPECT_EQ(t[20].Colour, RecommendationColour::Red);
  EXPECT_TRUE(t[20].Bold);
  EXPECT_EQ(t[18].Colour, RecommendationColour::Fuchsia);
  EXPECT_EQ(t[3].Colour, RecommendationColour::Olive);
  EXPECT_EQ(RecommendationLine(9, 6),
            "Das nächstbessere Abitur-Ergebnisse ist erreichbar mit zusätzlich: 6 Punkten");
  EXPECT_EQ(RecommendationLine(18, 12),
            "Punkte im Block III so noch nicht ausreichend! Untere Grenze erst erreicht mit "
            "mindestens: 12 Punkten");
  EXPECT_EQ(RecommendationLine(11, 1), t[11].Text);
}

TEST(RunRecommendationsTest, ThreeColumnsAndTheSpecialWorkMarksExpected) {
  RulesSetup setup;
  const RuleContext ctx = setup.Context();
  core::StudentTable table;
  core::StudentRecord r = RecordWith({
      {"Mathematik", true, true, {"10", "10", "10", "10"}, "10", "--"},
      {"Englisch", true, true, {"10", "10", "10", "10"}, "--", "--"},
      {"Deutsch", false, true, {"10", "10", "10", "10"}, "10", "--"},
      {"Geschichte", false, true, {"10", "10", "10", "10"}, "--", "--"},
  });
  r.SpecialWorkCounts = 1;
  r.ProjectCoursesHoldSpecialWork = 1;  // marks missing: item 86
  table.At(0) = r;
  const RecommendationOutcome out = RunRecommendations(ctx, table, 0);
  EXPECT_FALSE(out.List.IsRaised(86));
  EXPECT_EQ(out.Texts[kColumnSpare][kRowTotal], kNoResultText);
  // The estimate gives English and history an oral 10; the best case 15.
  EXPECT_GT(out.Projected.BlockIII, out.Current.BlockIII);
  EXPECT_GT(out.Best.BlockIII, out.Projected.BlockIII);
  EXPECT_EQ(out.Texts[kColumnCurrent][kRowBlockIII], std::to_string(out.Current.BlockIII));
  EXPECT_EQ(out.Texts[kColumnBest][kRowTotal], std::to_string(out.Best.Total));
  EXPECT_EQ(out.SlotsProjected[2].Oral, "10");  // Englisch, the second exam subject
  EXPECT_EQ(out.Slots[2].Oral, "--");
}

}  // namespace
}  // namespace tolka::rules
