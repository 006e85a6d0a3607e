#include "rules/statistics_providers.h"

#include <gtest/gtest.h>

#include "core/record_texts.h"
#include "rules/pipeline_students.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {
namespace {

using testing::CleanStudent;
using testing::RowOf;
using testing::TableWith;

class StatisticsTest : public ::testing::Test {
 public:
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  settings::GeneralSettings general;
  RuleContext rules{catalogue, exam, general};
  core::StudentRecord clean = CleanStudent(catalogue);
};

TEST_F(StatisticsTest, OneRowPerSlotWithNameSumsAndErrors) {
  core::StudentTable table = TableWith(catalogue, clean, 0);
  // Slot 1: a man without the project courses (item 100).
  core::StudentRecord second = clean;
  second.Surname = "Beispiel";
  second.GivenNames = "Ben";
  second.Salutation = 2;
  second.ProjectCourses[0] = core::kNothingChosen;
  table.At(1) = second;
  // Slot 35, the spill slot, is covered too.
  table.At(35) = clean;
  table.At(35).Surname = "Letzte";

  const auto before = table;
  const auto rows = ExamStatistics(rules, table);

  EXPECT_EQ(rows[0].Name, "Muster, Anna");
  EXPECT_TRUE(rows[0].Female);
  EXPECT_EQ(rows[0].Total, 560);
  EXPECT_EQ(rows[0].BlockI, 202);
  EXPECT_EQ(rows[0].BlockII, 148);
  EXPECT_EQ(rows[0].BlockIII, 210);
  EXPECT_FALSE(rows[0].HasErrors);

  EXPECT_EQ(rows[1].Name, "Beispiel, Ben");
  EXPECT_FALSE(rows[1].Female);
  EXPECT_EQ(rows[1].Total, 560);
  EXPECT_TRUE(rows[1].HasErrors);

  // Free slots: no name; with no courses at all the checks fail.
  EXPECT_EQ(rows[2].Name, "");
  EXPECT_EQ(rows[2].Total, 0);
  EXPECT_TRUE(rows[2].HasErrors);

  EXPECT_EQ(rows[35].Name, "Letzte, Anna");
  EXPECT_EQ(rows[35].Total, 560);

  // Nothing is written back.
  for (size_t i = 0; i < core::kSlotCount; ++i) {
    EXPECT_EQ(core::EncodeStudentRecord(table.At(i)), core::EncodeStudentRecord(before.At(i))) << i;
  }
}

TEST_F(StatisticsTest, NameCutTo50AndSumsOutsideTheRangePassedAsZero) {
  core::StudentRecord s = clean;
  s.Surname = std::string(40, 'S');
  s.GivenNames = "Maximiliane Johanna";
  // Every basic-course semester credited with 15 points: Block I far above
  // its maximum, the total above 840.
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    for (auto& p : s.CourseResults[j].SemesterPoints) p = "15";
    s.CourseResults[j].Credited = {1, 1, 1, 1};
  }
  core::StudentTable table = TableWith(catalogue, s, 4);
  const auto rows = ExamStatistics(rules, table);
  EXPECT_EQ(rows[4].Name, std::string(40, 'S') + ", Maximili");
  EXPECT_EQ(rows[4].Name.size(), 50u);
  // Block I 7 x 4 x 15 + 2 x 3 x 15 = 510 is inside 0..840 and passed on;
  // the total 510 + 210 + 228 = 948 is not.
  EXPECT_EQ(rows[4].BlockI, 510);
  EXPECT_EQ(rows[4].BlockII, 210);
  EXPECT_EQ(rows[4].BlockIII, 228);
  EXPECT_EQ(rows[4].Total, 0);
  EXPECT_TRUE(rows[4].HasErrors);
}

TEST_F(StatisticsTest, AchievementRunsItsStepsOnly) {
  core::StudentRecord s = clean;
  s.ProjectCourses[0] = core::kNothingChosen;                        // item 100: not a step here
  s.CourseResults.at(RowOf(s, "Deutsch")).WrittenExamPoints = "--";  // item 91: neither
  core::StudentTable table = TableWith(catalogue, s, 2);
  const auto before = core::EncodeStudentRecord(table.At(2));
  const AchievementState a = AchievementAfterSemester4(rules, table, 2);
  EXPECT_FALSE(a.Results.IsSet(100));
  EXPECT_FALSE(a.Results.IsSet(91));
  EXPECT_FALSE(HasErrors(a.Results));
  EXPECT_EQ(a.Blocks.BlockI, 202);
  EXPECT_EQ(a.Blocks.BlockII, 148);
  EXPECT_EQ(a.Blocks.BlockIII, 210 - 40);
  EXPECT_EQ(a.Area.Student.Surname, "Muster");
  EXPECT_EQ(a.Area.SubjectSlots[15].CourseKind, 2);  // Mathematik LK
  EXPECT_EQ(core::EncodeStudentRecord(table.At(2)), before);

  // A missing compulsory course is reported (item 57: no natural science
  // credited four times).
  table.At(2).CourseResults.at(RowOf(s, "Biologie")).Credited = {1, 1, 0, 0};
  EXPECT_TRUE(AchievementAfterSemester4(rules, table, 2).Results.IsRaised(57));
  EXPECT_THROW(AchievementAfterSemester4(rules, table, 36), std::out_of_range);
}

TEST(AchievementSteps, AsTheSheetNeedsThem) {
  using S = StepKind;
  const std::vector<StepKind> expected = {S::CourseChoice, S::CompulsoryCount, S::BlockOneCourses,
                                          S::ExamSubjects, S::BlocksWithChecks};
  EXPECT_EQ(AchievementSteps(), expected);
}

}  // namespace
}  // namespace tolka::rules
