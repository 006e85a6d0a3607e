#include "rules/exam_slots.h"

#include <gtest/gtest.h>

#include "rules/rules_compute_helpers.h"

namespace tolka::rules {
namespace {

using namespace compute_test;

ExamSlots Build(const RuleWorkArea& area) {
  const RulesSetup setup;
  ExamSlots slots;
  slots[1] = ExamSlot{30, "15", "15"};  // left over from an earlier command
  BuildExamSlots(setup.Context(), area, slots);
  return slots;
}

std::vector<size_t> Subjects(const ExamSlots& slots) {
  return {slots[1].Subject, slots[2].Subject, slots[3].Subject, slots[4].Subject};
}

const Semesters kTen{10, 10, 10, 10};

TEST(BuildExamSlots, AdvancedCoursesFirstThenBasicCourses) {
  RuleWorkArea area;
  SetExam(area, kDeutsch, kBasic, kTen, 7, kNo);
  SetExam(area, kGeschichte, kBasic, kTen, kNo, 0);
  SetExam(area, kEnglisch, kAdvanced, kTen, 12, kNo);
  SetExam(area, kPhysik, kAdvanced, kTen, 9, 11);
  SetCourse(area, kChemie, kAdvanced, kTen);  // an advanced course that is no exam subject
  const ExamSlots slots = Build(area);
  EXPECT_EQ(Subjects(slots), (std::vector<size_t>{kEnglisch, kPhysik, kDeutsch, kGeschichte}));
  EXPECT_EQ(slots[1].Written, "12");
  EXPECT_EQ(slots[1].Oral, "--");
  EXPECT_EQ(slots[2].Written, "09");
  EXPECT_EQ(slots[2].Oral, "11");
  EXPECT_EQ(slots[3].Written, "07");
  EXPECT_EQ(slots[4].Written, "--");
  EXPECT_EQ(slots[4].Oral, "00");
}

TEST(BuildExamSlots, MathematicsAdvancedCourseSwapsIntoSlotOne) {
  RuleWorkArea area;
  SetExam(area, kBiologie, kAdvanced, kTen, 8, kNo);
  SetExam(area, kEnglisch, kAdvanced, kTen, 9, kNo);
  SetExam(area, kMathematik, kAdvanced, kTen, 10, kNo);
  // Three advanced exam subjects: mathematics (slot 3) swaps with slot 1.
  EXPECT_EQ(Subjects(Build(area)), (std::vector<size_t>{kMathematik, kEnglisch, kBiologie, 0}));
  EXPECT_EQ(Build(area)[1].Written, "10");
}

TEST(BuildExamSlots, ForeignLanguageWhenNoMathematics) {
  RuleWorkArea area;
  SetExam(area, kBiologie, kAdvanced, kTen, 8, kNo);
  SetExam(area, kEnglisch, kAdvanced, kTen, 9, kNo);
  EXPECT_EQ(Subjects(Build(area)), (std::vector<size_t>{kEnglisch, kBiologie, 0, 0}));
  // Neither: catalogue order stays.
  SetExam(area, kPhysik, kAdvanced, kTen, 9, kNo);
  area.SubjectSlots[kEnglisch] = SubjectSlot{};
  EXPECT_EQ(Subjects(Build(area)), (std::vector<size_t>{kBiologie, kPhysik, 0, 0}));
  // Mathematics as basic course does not move.
  SetExam(area, kMathematik, kBasic, kTen, 9, kNo);
  EXPECT_EQ(Subjects(Build(area)), (std::vector<size_t>{kBiologie, kPhysik, kMathematik, 0}));
}

TEST(BuildExamSlots, OralExamSubjectSwapsIntoSlotFour) {
  RuleWorkArea area;
  SetExam(area, kMathematik, kAdvanced, kTen, 10, kNo);
  SetExam(area, kEnglisch, kAdvanced, kTen, 10, kNo);
  SetExam(area, kDeutsch, kBasic, kTen, kNo, 12);  // oral only, earlier in the catalogue
  SetExam(area, kGeschichte, kBasic, kTen, 6, kNo);
  ExamSlots slots = Build(area);
  EXPECT_EQ(Subjects(slots), (std::vector<size_t>{kMathematik, kEnglisch, kGeschichte, kDeutsch}));
  EXPECT_EQ(slots[3].Written, "06");
  EXPECT_EQ(slots[4].Oral, "12");

  // With both basic courses oral only, the last one is the fourth.
  area.SubjectSlots[kGeschichte].Points[5] = kNo;
  EXPECT_EQ(Subjects(Build(area)),
            (std::vector<size_t>{kMathematik, kEnglisch, kDeutsch, kGeschichte}));

  // Three exam subjects: the oral one still goes to slot 4.
  area.SubjectSlots[kGeschichte] = SubjectSlot{};
  EXPECT_EQ(Subjects(Build(area)), (std::vector<size_t>{kMathematik, kEnglisch, 0, kDeutsch}));
}

TEST(BuildExamSlots, BothSwapsTogether) {
  RuleWorkArea area;
  SetExam(area, kEnglisch, kAdvanced, kTen, 10, kNo);
  SetExam(area, kMathematik, kAdvanced, kTen, 11, kNo);
  SetExam(area, kDeutsch, kBasic, kTen, kNo, 12);
  SetExam(area, kGeschichte, kBasic, kTen, 6, kNo);
  EXPECT_EQ(Subjects(Build(area)),
            (std::vector<size_t>{kMathematik, kEnglisch, kGeschichte, kDeutsch}));
}

TEST(BuildExamSlots, EmptySlotsAreReset) {
  const ExamSlots slots = Build(RuleWorkArea{});
  for (size_t i = 1; i <= 4; ++i) {
    EXPECT_EQ(slots[i].Subject, 0);
    EXPECT_EQ(slots[i].Written, "--");
    EXPECT_EQ(slots[i].Oral, "--");
  }
}

}  // namespace
}  // namespace tolka::rules
