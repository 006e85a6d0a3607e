#include "rules/grade.h"

#include <gtest/gtest.h>

namespace tolka::rules {
namespace {

settings::ExamSettings Defaults() { return settings::ExamSettings{}; }

TEST(GradeFromPoints, BoundariesOfTheBuiltInTable) {
  const settings::ExamSettings exam = Defaults();
  EXPECT_EQ(GradeTenthsFromPoints(0, exam), 0);
  EXPECT_EQ(GradeTenthsFromPoints(279, exam), 0);  // not passed
  EXPECT_EQ(GradeTenthsFromPoints(280, exam), 40);
  for (int p = 281; p <= 296; ++p) EXPECT_EQ(GradeTenthsFromPoints(p, exam), 39) << p;
  for (int p = 297; p <= 313; ++p) EXPECT_EQ(GradeTenthsFromPoints(p, exam), 38) << p;
  EXPECT_EQ(GradeTenthsFromPoints(314, exam), 37);
  EXPECT_EQ(GradeTenthsFromPoints(330, exam), 37);
  EXPECT_EQ(GradeTenthsFromPoints(331, exam), 36);
  // 280 + 11 x 16.805 = 464.855, 280 + 12 x 16.805 = 481.66.
  EXPECT_EQ(GradeTenthsFromPoints(464, exam), 29);
  EXPECT_EQ(GradeTenthsFromPoints(465, exam), 28);
  EXPECT_EQ(GradeTenthsFromPoints(481, exam), 28);
  EXPECT_EQ(GradeTenthsFromPoints(482, exam), 27);
  // 280 + 29 x 16.805 = 767.345.
  EXPECT_EQ(GradeTenthsFromPoints(750, exam), 12);
  EXPECT_EQ(GradeTenthsFromPoints(751, exam), 11);
  EXPECT_EQ(GradeTenthsFromPoints(767, exam), 11);
  EXPECT_EQ(GradeTenthsFromPoints(768, exam), 10);
  EXPECT_EQ(GradeTenthsFromPoints(840, exam), 10);
  EXPECT_EQ(GradeTenthsFromPoints(2000, exam), 10);  // never better than 1.0
}

TEST(GradeFromPoints, RealValueIsTheTenths) {
  const settings::ExamSettings exam = Defaults();
  EXPECT_DOUBLE_EQ(GradeFromPoints(279, exam), 0.0);
  EXPECT_DOUBLE_EQ(GradeFromPoints(280, exam), 4.0);
  EXPECT_DOUBLE_EQ(GradeFromPoints(314, exam), 3.7);
  EXPECT_DOUBLE_EQ(GradeFromPoints(767, exam), 1.1);
  EXPECT_DOUBLE_EQ(GradeFromPoints(768, exam), 1.0);
}

TEST(GradeFromPoints, FollowsTheSettingsScale) {
  settings::ExamSettings exam = Defaults();
  exam.TotalMin = 300;
  EXPECT_EQ(GradeTenthsFromPoints(299, exam), 0);
  EXPECT_EQ(GradeTenthsFromPoints(300, exam), 40);
  EXPECT_EQ(GradeTenthsFromPoints(316, exam), 39);  // 300 + 16.805
  EXPECT_EQ(GradeTenthsFromPoints(317, exam), 38);
  // The table ends at the maximum: with 400 the steps stop at 414.
  exam.TotalMin = 280;
  exam.TotalMax = 400;
  EXPECT_EQ(GradeTenthsFromPoints(397, exam), 33);
  EXPECT_EQ(GradeTenthsFromPoints(398, exam), 32);
  EXPECT_EQ(GradeTenthsFromPoints(800, exam), 32);
}

TEST(FormatGrade, GermanDecimalComma) {
  EXPECT_EQ(FormatGrade(28), "2,8");
  EXPECT_EQ(FormatGrade(40), "4,0");
  EXPECT_EQ(FormatGrade(10), "1,0");
  EXPECT_EQ(FormatGrade(0), "0,0");
  EXPECT_EQ(FormatGrade(GradeTenthsFromPoints(279, Defaults())), "0,0");
  EXPECT_EQ(FormatGrade(GradeTenthsFromPoints(560, Defaults())), "2,3");
}

}  // namespace
}  // namespace tolka::rules
