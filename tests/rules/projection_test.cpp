#include "rules/projection.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/student_table.h"
#include "rules/block_computation.h"
#include "rules/course_crediting.h"
#include "rules/rules_compute_helpers.h"
#include "rules/work_area.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

TEST(ProjectFromSemester, LaterSemestersTakeThePointsOfSemesterN) {
  for (int n = 1; n <= 3; ++n) {
    RuleWorkArea area;
    SubjectSlot& gk = SetCourse(area, kBiologie, kBasic, {4, 5, 6, 7});
    SubjectSlot& exam = SetExam(area, kMathematik, kAdvanced, {11, 12, 13, kNo}, 9, 8);
    SubjectSlot& untaken = area.SubjectSlots[kChemie];
    untaken.Points = {0, 3, 3, 3, 3, 3, 3};
    ProjectFromSemester(area, n);

    const int32_t base_gk = n + 3;   // 4, 5, 6
    const int32_t base_lk = n + 10;  // 11, 12, 13
    for (int s = 1; s <= 4; ++s) {
      EXPECT_EQ(gk.Points[s], s <= n ? s + 3 : base_gk) << n << "/" << s;
      EXPECT_EQ(exam.Points[s], s <= n ? s + 10 : base_lk) << n << "/" << s;
    }
    EXPECT_EQ(exam.Points[5], base_lk);
    EXPECT_EQ(exam.Points[6], kNo);
    EXPECT_EQ(gk.Points[5], kNo);  // no exam subject: no written mark invented
    EXPECT_EQ(untaken.Points[4], 3);
  }
}

TEST(ProjectFromSemester, MissingSemesterStaysMissing) {
  RuleWorkArea area;
  SubjectSlot& gk = SetCourse(area, kBiologie, kBasic, {8, kNo, 10, 10});
  ProjectFromSemester(area, 2);
  EXPECT_EQ(gk.Points[3], kNo);
  EXPECT_EQ(gk.Points[4], kNo);
}

TEST(ProjectFromSemester, SpecialWorkStaysCountedOnlyWithATotal) {
  const struct {
    const char* total;
    uint16_t counts;
  } cases[] = {{"01", 1}, {"12", 1}, {"15", 1}, {"00", 0}, {"--", 0}, {"", 0}};
  for (const auto& c : cases) {
    RuleWorkArea area;
    area.SpecialWorkCounts() = 1;
    area.Student.SpecialWorkTotal = c.total;
    ProjectFromSemester(area, 3);
    EXPECT_EQ(area.SpecialWorkCounts(), c.counts) << c.total;
    EXPECT_EQ(area.Student.SpecialWorkTotal, c.total);
  }
}

TEST(ProjectFromSemester, OnlySemestersOneToThree) {
  RuleWorkArea area;
  EXPECT_THROW(ProjectFromSemester(area, 0), std::out_of_range);
  EXPECT_THROW(ProjectFromSemester(area, 4), std::out_of_range);
}

// A student after semester 1: the projection, the crediting and the blocks
// as the projection command runs them, from a stored record.
TEST(ProjectFromSemester, ProjectedResultFromARecord) {
  std::vector<CourseRow> rows = {
      {"Mathematik", true, true, {"12", "--", "--", "--"}},
      {"Englisch", true, true, {"09", "--", "--", "--"}},
      {"Deutsch", false, true, {"08", "--", "--", "--"}},
      {"Geschichte", false, true, {"11", "--", "--", "--"}, "--", "10"},
  };
  for (const char* name : {"Biologie", "Physik", "Kunst und Gestaltung", "Religion"}) {
    rows.push_back({name, false, false, {"07", "--", "--", "--"}});
  }
  core::StudentTable table;
  table.At(3) = RecordWith(rows);
  const core::StudentRecord stored = table.At(3);

  RulesSetup setup;
  RuleWorkArea area;
  CheckResultList list;
  PrepareWorkArea(table, 3, setup.Catalogue, area, list);
  ProjectFromSemester(area, 1);
  CreditAdvancedCourses(setup.Context(), area, list);
  CreditExamBasicCourses(setup.Context(), area, list);
  for (size_t k : {kBiologie, kPhysik, kKunst, kReligion}) CreditAll(area.SubjectSlots[k]);
  for (size_t k : {kDeutsch, kGeschichte}) CreditAll(area.SubjectSlots[k]);
  BlockResult result;
  ComputeBlocks(setup.Context(), area, list, result, true);

  // Block I: De 3 x 8, Ge 3 x 11, four courses 4 x 4 x 7.
  EXPECT_EQ(result.BlockI, 24 + 33 + 112);
  // Block II: Ma 3 x 24 + 12, En 3 x 18 + 9.
  EXPECT_EQ(result.BlockII, 84 + 63);
  // Block III: last semesters 12 + 9 + 8 + 11, exams 4 x 12, 4 x 9, 4 x 8,
  // 4 x 11 (Geschichte's oral mark gave way to the projected written one).
  EXPECT_EQ(result.BlockIII, 40 + 160);
  EXPECT_EQ(result.Total, 169 + 147 + 200);
  EXPECT_EQ(Raised(list), std::vector<int>{});
  // The record keeps its points.
  EXPECT_EQ(table.At(3).CourseResults[0].SemesterPoints[3], "--");
  EXPECT_EQ(table.At(3).CourseResults[3].OralExamPoints, "10");
  EXPECT_EQ(table.At(3).SpecialWorkCounts, stored.SpecialWorkCounts);
}

TEST(AssumeBestExams, OralFifteenWhereNoOralMark) {
  RuleWorkArea area;
  SubjectSlot& written = SetExam(area, kMathematik, kAdvanced, {10, 10, 10, 10}, 12, kNo);
  SubjectSlot& oral = SetExam(area, kGeschichte, kBasic, {10, 10, 10, 10}, kNo, 7);
  SubjectSlot& zero = SetExam(area, kDeutsch, kBasic, {10, 10, 10, 10}, 5, 0);
  SubjectSlot& other = SetCourse(area, kBiologie, kBasic, {10, 10, 10, 10});
  AssumeBestExams(area);
  EXPECT_EQ(written.Points[6], 15);
  EXPECT_EQ(written.Points[5], 12);
  EXPECT_EQ(oral.Points[6], 7);
  EXPECT_EQ(zero.Points[6], 0);  // 00 is a mark
  EXPECT_EQ(other.Points[6], kNo);

  // The best case weighs written 12 and oral 15: 4 x 39 / 3 = 52.
  RulesSetup setup;
  CheckResultList list;
  BlockResult result;
  ComputeBlocks(setup.Context(), area, list, result, false);
  EXPECT_EQ(written.Weighted[5], 52);
}

TEST(AssumeBestExams, SpecialWorkMissingMarkBecomesFifteen) {
  RuleWorkArea area;
  area.SpecialWorkCounts() = 1;
  area.Student.SpecialWorkDocPoints = "--";
  area.Student.SpecialWorkColloquiumPoints = "12";
  area.Student.SpecialWorkTotal = "--";
  AssumeBestExams(area);
  EXPECT_EQ(area.Student.SpecialWorkDocPoints, "15");
  EXPECT_EQ(area.Student.SpecialWorkColloquiumPoints, "12");
  EXPECT_EQ(area.Student.SpecialWorkTotal, "13");  // integer part of 27.5 / 2

  area.Student.SpecialWorkDocPoints = "";
  area.Student.SpecialWorkColloquiumPoints = "";
  AssumeBestExams(area);
  EXPECT_EQ(area.Student.SpecialWorkTotal, "15");

  area.Student.SpecialWorkDocPoints = "--";
  area.Student.SpecialWorkColloquiumPoints = "00";
  AssumeBestExams(area);
  EXPECT_EQ(area.Student.SpecialWorkTotal, "07");
}

TEST(AssumeBestExams, CompleteSpecialWorkKeepsItsTotal) {
  RuleWorkArea area;
  area.SpecialWorkCounts() = 1;
  area.Student.SpecialWorkDocPoints = "10";
  area.Student.SpecialWorkColloquiumPoints = "13";
  area.Student.SpecialWorkTotal = "10";
  AssumeBestExams(area);
  EXPECT_EQ(area.Student.SpecialWorkTotal, "10");
  EXPECT_EQ(area.Student.SpecialWorkDocPoints, "10");

  // Not counted: nothing is filled in.
  area.SpecialWorkCounts() = 0;
  area.Student.SpecialWorkDocPoints = "--";
  AssumeBestExams(area);
  EXPECT_EQ(area.Student.SpecialWorkDocPoints, "--");
}

}  // namespace
}  // namespace tolka::rules
