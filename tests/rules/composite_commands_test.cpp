#include "rules/composite_commands.h"

#include <gtest/gtest.h>

#include "core/student_table.h"
#include "rules/pipelines.h"
#include "rules_compute_helpers.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

// LK Mathematik and Englisch, GK Deutsch, Geschichte, Biologie, Chemie,
// Physik and Sport, 10 points in every semester, English since grade 5.
core::StudentRecord FhrStudent() {
  const std::array<std::string, 4> ten{"10", "10", "10", "10"};
  core::StudentRecord r = RecordWith({{"Mathematik", true, true, ten},
                                      {"Englisch", true, true, ten},
                                      {"Deutsch", false, true, ten},
                                      {"Geschichte", false, true, ten},
                                      {"Biologie", false, false, ten},
                                      {"Chemie", false, false, ten},
                                      {"Physik", false, false, ten},
                                      {"Sport", false, false, ten}});
  r.ForeignLanguages[0] = {"Englisch", " 5", "--"};
  return r;
}

class CompositeCommandsTest : public ::testing::Test {
 protected:
  RulesSetup setup;
  RuleContext rules = setup.Context();
  RulesState state;
  PipelineContext ctx{rules, state};
  core::StudentTable table;

  PipelineOutcome Run(const char* id) { return RunPipeline(ctx, table, 0, id); }
  std::string Credits(size_t row) const {
    std::string s;
    for (uint16_t c : table.At(0).CourseResults[row].Credited) s += static_cast<char>('0' + c);
    return s;
  }
};

TEST_F(CompositeCommandsTest, FhrPairCreditsWritesBackAndFillsTheTexts) {
  table.At(0) = FhrStudent();
  const PipelineOutcome o = Run("fhr-2");
  EXPECT_EQ(o.Finish, FinishAction::FhrResult);
  ASSERT_TRUE(o.Fhr);
  // 4 advanced semesters (x2) and 11 basic ones of 10 points.
  EXPECT_EQ(o.Fhr->Sums.AdvancedSum, 80);
  EXPECT_EQ(o.Fhr->Sums.BasicSum, 110);
  EXPECT_EQ(o.Fhr->Sums.Total, 190);
  EXPECT_EQ(state.FhrSemesterPair, 2);
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowBlockI], "110");
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowBlockII], "80");
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowBlockIII], kNoResultText);
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowTotal], "190");
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowGrade], "2,3");
  EXPECT_EQ(state.Texts[kColumnProjected][kRowTotal], kNoResultText);  // words: best only
  EXPECT_EQ(Credits(0), "0110");  // Mathematik, semesters 2 and 3
  EXPECT_EQ(Credits(7), "0100");  // Sport: the eleventh basic course
  EXPECT_TRUE(o.RecordChanged);
}

TEST_F(CompositeCommandsTest, BestVariantTakesTheLaterPairOnATie) {
  table.At(0) = FhrStudent();
  const PipelineOutcome o = Run("fhr-best");
  ASSERT_TRUE(o.Fhr);
  EXPECT_EQ(o.Fhr->Pair, 3);
  EXPECT_EQ(o.Title, "beste Variante: FH-Reife 3.+ 4. Sem.");
  EXPECT_EQ(state.FhrSemesterPair, 3);
  EXPECT_EQ(state.Texts[kColumnProjected][kRowTotal], "zwei");
  EXPECT_EQ(state.Texts[kColumnProjected][kRowGrade], "drei");
  // Only the chosen pair's credits reach the record.
  EXPECT_EQ(Credits(0), "0011");
}

TEST_F(CompositeCommandsTest, NoValidPairShowsTheMessageAndChangesNothing) {
  table.At(0) = RecordWith({{"Deutsch", false, false, {"10", "10", "10", "10"}}});
  const auto before = core::EncodeStudentRecord(table.At(0));
  const PipelineOutcome o = Run("fhr-best");
  EXPECT_EQ(o.Finish, FinishAction::Message);
  EXPECT_EQ(o.Message, "KEINE gültige Variante gefunden!");
  EXPECT_EQ(o.MessageCaption, "Schulischer Teil der Fachhochschulreife");
  EXPECT_TRUE(o.MessageIsWarning);
  EXPECT_FALSE(o.RecordChanged);
  EXPECT_EQ(core::EncodeStudentRecord(table.At(0)), before);
}

TEST_F(CompositeCommandsTest, CheckOnlyVariantUsesTheStoredCreditsAndWritesNothing) {
  table.At(0) = FhrStudent();
  const auto before = core::EncodeStudentRecord(table.At(0));
  const PipelineOutcome o = Run("fhr-check-1");
  EXPECT_EQ(o.Finish, FinishAction::Report);  // nothing credited yet
  EXPECT_TRUE(o.Marks.IsRaised(40));
  EXPECT_EQ(core::EncodeStudentRecord(table.At(0)), before);
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowTotal], "0");
  EXPECT_EQ(state.Texts[kColumnProjected][kRowTotal], "null");  // the words of 0

  Run("fhr-1");  // credits pair 1
  const PipelineOutcome checked = Run("fhr-check-1");
  EXPECT_EQ(checked.Finish, FinishAction::FhrResult);
  EXPECT_EQ(checked.Fhr->Sums.Total, 190);
}

TEST_F(CompositeCommandsTest, PromotionWritesBothFlags) {
  core::StudentRecord r = core::InitialisedRecord(settings::IntroPhaseDefaultsOf(setup.Catalogue));
  r.Surname = "Berg";
  auto& rows = r.IntroPhase;
  rows[4].Subject = "Religion";
  rows[9].Subject = "Englisch";
  rows[10].Subject = "Französisch";
  rows[11].Subject = "Biologie";
  rows[12].Subject = "Chemie";
  for (auto& row : rows) {
    if (row.Subject == core::kNothingChosen) continue;
    row.Mark1 = "3";
    if (row.Mark2 != core::kNotTaught) row.Mark2 = "3";
  }
  rows[7].Mark2 = "5";  // mathematics, compensated by two "3" among the main subjects
  r.CompensationAllowable = 0;
  r.PromotableToQualPhase = 0;
  table.At(0) = r;
  PipelineOutcome o = Run("promotion");
  EXPECT_EQ(o.Finish, FinishAction::None);
  EXPECT_EQ(table.At(0).CompensationAllowable, 1);
  EXPECT_EQ(table.At(0).PromotableToQualPhase, 1);

  // Not compensable: item 127, both flags written back as 0, the report.
  for (size_t row : {0, 9, 10}) table.At(0).IntroPhase[row].Mark2 = "4";
  o = Run("promotion");
  EXPECT_EQ(o.Finish, FinishAction::Report);
  EXPECT_TRUE(o.Marks.IsRaised(127));
  EXPECT_EQ(table.At(0).CompensationAllowable, 0);
  EXPECT_EQ(table.At(0).PromotableToQualPhase, 0);

  // Promoted by the conference: the message, the flags stay.
  table.At(0).PromotedByConference = 1;
  table.At(0).PromotableToQualPhase = 1;
  o = Run("promotion");
  EXPECT_EQ(o.Finish, FinishAction::Message);
  EXPECT_EQ(o.Message, kPromotionSkippedMessage);
  EXPECT_FALSE(o.RecordChanged);
  EXPECT_EQ(table.At(0).PromotableToQualPhase, 1);
}

TEST_F(CompositeCommandsTest, RecommendationsFinishWithTheirWindowOrTheReport) {
  table.At(0) = FhrStudent();
  const PipelineOutcome o = Run("recommendations");
  ASSERT_TRUE(o.Recommendations);
  EXPECT_EQ((*o.Recommendations)[3], 1);
  // No exam marks yet: the course-choice and exam checks report.
  EXPECT_EQ(o.Finish, o.HasErrors || o.HasCountedHints ? FinishAction::Report
                                                       : FinishAction::Recommendations);
  EXPECT_FALSE(o.RecordChanged);
  EXPECT_EQ(DecideFinish(FinishKind::C, CheckResultList{}, 0), FinishAction::Recommendations);
}

}  // namespace
}  // namespace tolka::rules
