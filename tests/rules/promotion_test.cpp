#include "rules/promotion.h"

#include <gtest/gtest.h>

#include "core/student_record.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {
namespace {

// Rows of the introductory phase: 0 Deutsch, 1 Kunst und Gestaltung, 2 Musik,
// 3 Geschichte, 4 religion, 5 Sozialkunde, 6 Geographie, 7 Mathematik,
// 8 Sport, 9 and 10 the languages, 11 and 12 sciences, 13..16 electives.
class PromotionTest : public ::testing::Test {
 protected:
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  settings::GeneralSettings general;
  RuleContext ctx{catalogue, exam, general};
  RuleWorkArea area;
  CheckResultList list;

  void SetUp() override {
    area.Student = core::InitialisedRecord(settings::IntroPhaseDefaultsOf(catalogue));
    auto& rows = area.Student.IntroPhase;
    rows[4].Subject = "Religion";
    rows[9].Subject = "Englisch";
    rows[10].Subject = "Französisch";
    rows[11].Subject = "Biologie";
    rows[12].Subject = "Chemie";
    // Every subject "3"; the one-semester subjects keep "#" as second mark.
    for (auto& row : rows) {
      if (row.Subject == core::kNothingChosen) continue;
      row.Mark1 = "3";
      if (row.Mark2 != core::kNotTaught) row.Mark2 = "3";
    }
  }
  void Mark(size_t row, const char* mark) {
    auto& r = area.Student.IntroPhase[row];
    (r.Mark2 == core::kNotTaught ? r.Mark1 : r.Mark2) = mark;
  }
  std::vector<int> Items() const {
    std::vector<int> items;
    for (int i = 1; i <= kItemCount; ++i) {
      if (list.IsSet(i)) items.push_back(i);
    }
    return items;
  }
};

TEST_F(PromotionTest, AllSatisfactoryIsPromotable) {
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_FALSE(r.Skipped);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.PromotableToQualPhase, 1);
  EXPECT_EQ(r.CompensationAllowable, 0);
}

TEST_F(PromotionTest, OneFiveInMathematicsIsCompensatedByATwoInGerman) {
  Mark(7, "5");
  Mark(0, "2");
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.CompensationAllowable, 1);
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

TEST_F(PromotionTest, OneFiveWithOnlyOneThreeAmongTheMainSubjectsIsNotCompensable) {
  Mark(7, "5");
  Mark(0, "3");
  Mark(9, "4");
  Mark(10, "4");
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{127});
  EXPECT_EQ(r.CompensationAllowable, 0);
  EXPECT_EQ(r.PromotableToQualPhase, 0);
}

TEST_F(PromotionTest, OneFiveWithExactlyTwoThreesAmongTheMainSubjectsIsCompensated) {
  Mark(7, "5");  // Mathematik
  Mark(0, "3");  // Deutsch
  Mark(9, "3");
  Mark(10, "4");
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.CompensationAllowable, 1);
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

TEST_F(PromotionTest, AFiveInAFurtherSubjectMayBeCompensatedByFurtherSubjects) {
  for (size_t row : {0, 7, 9, 10}) Mark(row, "4");
  Mark(3, "5");  // Geschichte
  Mark(1, "2");  // Kunst und Gestaltung, a further subject
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.CompensationAllowable, 1);
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

TEST_F(PromotionTest, TwoFivesNeedTheGrantedCompensation) {
  Mark(3, "5");
  Mark(8, "5");
  PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{126});
  EXPECT_EQ(r.PromotableToQualPhase, 0);
  list = {};
  area.Student.CompensationGranted = 1;
  r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{126});
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

TEST_F(PromotionTest, TwoFivesInMainSubjectsRaise125) {
  Mark(0, "5");
  Mark(7, "5");
  CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), (std::vector<int>{125, 126}));
}

TEST_F(PromotionTest, ASixIsNeverPromotable) {
  Mark(5, "6");
  area.Student.CompensationGranted = 1;
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{122});
  EXPECT_EQ(r.PromotableToQualPhase, 0);
}

TEST_F(PromotionTest, MissingMarksRaise123And124) {
  Mark(9, "-");
  CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{123});
  list = {};
  SetUp();
  Mark(8, "-");  // Sport
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{124});
  EXPECT_EQ(r.PromotableToQualPhase, 0);
}

TEST_F(PromotionTest, TooFewSubjectsRaise120And121) {
  // Mathematics in the religion row: five main subjects, eight further ones.
  area.Student.IntroPhase[4].Subject = "Mathematik";
  CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), (std::vector<int>{121, 124}));
  // No German row: three main subjects.
  list = {};
  SetUp();
  area.Student.IntroPhase[0].Subject = "Musik";
  CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), (std::vector<int>{120, 123}));
}

TEST_F(PromotionTest, UnmarkedFurtherEntriesNeverDisplaceMarkedOnes) {
  // Nine marked further subjects (two electives replace the unmarked row 4
  // and row 12): without a mark they sort last and the nine best are kept.
  area.Student.IntroPhase[4] = {core::kNothingChosen, "-", "-"};
  area.Student.IntroPhase[12].Mark2 = "-";
  area.Student.IntroPhase[12].Mark1 = "-";
  area.Student.IntroPhase[13] = {"Physik", "2", "2"};
  area.Student.IntroPhase[14] = {"Philosophie", "4", "-"};  // first half-year's mark
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

// Ten further subjects with a mark: only the nine best count, so a "5" in
// the tenth is no failing mark at all.
TEST_F(PromotionTest, AFiveInTheTenthBestFurtherSubjectIsIgnored) {
  area.Student.IntroPhase[13] = {"Physik", "3", "3"};
  Mark(5, "5");  // Sozialkunde, the worst of the ten
  const PromotionResult r = CheckPromotion(ctx, area, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  EXPECT_EQ(r.CompensationAllowable, 0);
  EXPECT_EQ(r.PromotableToQualPhase, 1);
}

TEST_F(PromotionTest, SkippedOrConferencePromotedIsNotChecked) {
  area.Student.SkippedIntroPhase = 1;
  Mark(0, "6");
  EXPECT_TRUE(CheckPromotion(ctx, area, list).Skipped);
  EXPECT_EQ(Items(), std::vector<int>{});
  area.Student.SkippedIntroPhase = 0;
  area.Student.PromotedByConference = 1;
  EXPECT_TRUE(CheckPromotion(ctx, area, list).Skipped);
}

}  // namespace
}  // namespace tolka::rules
