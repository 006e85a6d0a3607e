#include "rules/fhr.h"

#include <gtest/gtest.h>

#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {
namespace {

// Catalogue numbers of the built-in table.
constexpr size_t kBiologie = 2, kChemie = 3, kDeutsch = 4, kEnglisch = 5, kFranzoesisch = 6,
                 kGeschichte = 8, kMathematik = 15, kPhilosophie = 18, kPhysik = 17, kSport = 25;

class FhrTest : public ::testing::Test {
 public:
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  settings::GeneralSettings general;
  RuleContext ctx{catalogue, exam, general};
  RuleWorkArea area;
  CheckResultList list;

  // A course over all four semesters with the same points, nothing credited.
  void Take(size_t k, int kind, int points) {
    SubjectSlot& s = area.SubjectSlots[k];
    s.CourseKind = static_cast<int16_t>(kind);
    for (int i = 1; i <= 4; ++i) {
      s.Points[i] = points;
      s.SemesterFactor[i] = static_cast<uint16_t>(kind);
    }
  }
  void Language(size_t row, const char* subject, const char* from) {
    area.Student.ForeignLanguages[row] = {subject, from, "--"};
  }
  // LK Mathematik and Englisch with 10, GK Deutsch 9, Biologie 8, Geschichte 7,
  // Physik 6, Sport 11, Chemie 5; English begun in grade 5.
  void TypicalStudent() {
    Take(kMathematik, 2, 10);
    Take(kEnglisch, 2, 10);
    Take(kDeutsch, 1, 9);
    Take(kBiologie, 1, 8);
    Take(kGeschichte, 1, 7);
    Take(kPhysik, 1, 6);
    Take(kSport, 1, 11);
    Take(kChemie, 1, 5);
    Language(0, "Englisch", " 5");
  }
  std::vector<int> Items() const {
    std::vector<int> items;
    for (int i = 1; i <= kItemCount; ++i) {
      if (list.IsSet(i)) items.push_back(i);
    }
    return items;
  }
};

TEST_F(FhrTest, CreditsTheCompulsorySubjectsAndFillsUpTheBasicCourses) {
  TypicalStudent();
  FhrCredit(ctx, area, 1, list);
  EXPECT_EQ(Items(), std::vector<int>{});
  const auto& s = area.SubjectSlots;
  // Advanced courses, German, the best science (Biologie 16 over Physik and
  // Chemie) and history are credited for semesters 1 and 2.
  for (size_t k : {kMathematik, kEnglisch, kDeutsch, kBiologie, kGeschichte, kSport, kPhysik}) {
    EXPECT_EQ(s[k].Credited[1], 1) << k;
    EXPECT_EQ(s[k].Credited[2], 1) << k;
    EXPECT_EQ(s[k].Credited[3], 0) << k;
  }
  // The eleventh basic course is Chemie's first semester.
  EXPECT_EQ(s[kChemie].Credited[1], 1);
  EXPECT_EQ(s[kChemie].Credited[2], 0);

  const FhrSums sums = FhrSum(ctx, area, 1, list);
  EXPECT_EQ(sums.BasicSum, 9 + 9 + 8 + 8 + 7 + 7 + 11 + 11 + 6 + 6 + 5);
  EXPECT_EQ(sums.AdvancedSum, 2 * 40);
  EXPECT_EQ(sums.Total, 167);
  EXPECT_EQ(FormatFhrGrade(FhrGrade(sums.Total, exam)), "2,7");
  EXPECT_EQ(Items(), std::vector<int>{});
}

TEST_F(FhrTest, EqualScienceSumsCreditTheEarlierSubject) {
  TypicalStudent();
  Take(kBiologie, 1, 6);  // Biologie 12 = Physik 12; Biologie comes first
  Take(kChemie, 1, 4);
  FhrCredit(ctx, area, 1, list);
  EXPECT_EQ(area.SubjectSlots[kBiologie].Credited[1], 1);
  // Physik is credited too, but only by the filling up (6 points before
  // Chemie's 4); both its semesters are then taken.
  EXPECT_EQ(area.SubjectSlots[kPhysik].Credited[2], 1);
}

TEST_F(FhrTest, ALanguageBegunInGrade11CountsOnlyForThePairThreePlusFour) {
  TypicalStudent();
  Take(kEnglisch, 0, 0);  // no English at all
  area.Student.ForeignLanguages[0] = {};
  Take(kFranzoesisch, 2, 10);
  Language(1, "Französisch", "11");
  for (int pair : {1, 2}) {
    RuleWorkArea copy = area;
    CheckResultList l;
    FhrCredit(ctx, copy, pair, l);
    EXPECT_TRUE(l.IsRaised(56)) << pair;
  }
  FhrCredit(ctx, area, 3, list);
  EXPECT_FALSE(list.IsRaised(56));
}

// Grade 10 is not late: the language counts for every pair, as one begun in
// grade 5 does.
TEST_F(FhrTest, ALanguageBegunInGrade10CountsForEveryPair) {
  TypicalStudent();
  Take(kEnglisch, 0, 0);
  area.Student.ForeignLanguages[0] = {};
  Take(kFranzoesisch, 2, 10);
  Language(1, "Französisch", "10");
  for (int pair : {1, 2, 3}) {
    RuleWorkArea copy = area;
    CheckResultList l;
    FhrCredit(ctx, copy, pair, l);
    EXPECT_FALSE(l.IsRaised(56)) << pair;
  }
}

TEST_F(FhrTest, AnUnusableAdvancedSemesterRaises40And53) {
  TypicalStudent();
  area.SubjectSlots[kMathematik].Points[2] = 0;
  FhrCredit(ctx, area, 1, list);
  EXPECT_TRUE(list.IsRaised(40));
  EXPECT_TRUE(list.IsRaised(53));  // only English is a complete advanced subject
  EXPECT_TRUE(list.IsRaised(55));  // mathematics is not complete either
  area = {};
  list = {};
  TypicalStudent();
  area.SubjectSlots[kMathematik].Points[2] = 1;  // the lowest usable mark
  FhrCredit(ctx, area, 1, list);
  EXPECT_FALSE(list.IsRaised(40));
  EXPECT_FALSE(list.IsRaised(53));
}

TEST_F(FhrTest, RequirementItemsFireForTheirConditionOnly) {
  struct Case {
    const char* what;
    void (*change)(FhrTest&);
    int item;
  };
  const Case cases[] = {
      {"no German", [](FhrTest& t) { t.Take(kDeutsch, 0, 0); }, 54},
      {"no science",
       [](FhrTest& t) {
         t.Take(kBiologie, 0, 0);
         t.Take(kPhysik, 0, 0);
         t.Take(kChemie, 0, 0);
       },
       57},
      {"no history", [](FhrTest& t) { t.Take(kGeschichte, 0, 0); }, 59},
      {"philosophy is no social science",
       [](FhrTest& t) {
         t.Take(kGeschichte, 0, 0);
         t.Take(kPhilosophie, 1, 12);
       },
       59},
      {"English not listed", [](FhrTest& t) { t.area.Student.ForeignLanguages[0] = {}; }, 56},
      {"advanced below 05",
       [](FhrTest& t) {
         t.Take(kMathematik, 2, 4);
         t.area.SubjectSlots[kEnglisch].Points[2] = 4;
       },
       45},
  };
  for (const Case& c : cases) {
    area = {};
    list = {};
    TypicalStudent();
    c.change(*this);
    FhrCredit(ctx, area, 1, list);
    EXPECT_TRUE(list.IsRaised(c.item)) << c.what;
  }
}

TEST_F(FhrTest, BasicCourseCountsAndPassesAtTheirLimits) {
  // Eleven usable basic courses exactly: no item 47; ten: item 47.
  TypicalStudent();
  FhrCredit(ctx, area, 1, list);
  EXPECT_FALSE(list.IsRaised(47));
  area = {};
  list = {};
  TypicalStudent();
  Take(kChemie, 0, 0);  // ten basic semesters remain
  FhrCredit(ctx, area, 1, list);
  EXPECT_TRUE(list.IsRaised(47));

  // Item 46: seven basic courses with at least 05 points pass, six do not.
  for (int passing : {7, 6}) {
    area = {};
    list = {};
    TypicalStudent();
    // Deutsch 9, Biologie 8, Geschichte 7 (six semesters), then one more
    // semester at 05 when seven are needed; the rest below 05.
    Take(kPhysik, 1, 4);
    Take(kSport, 1, 4);
    Take(kChemie, 1, 4);
    if (passing == 7) area.SubjectSlots[kSport].Points[1] = 5;
    FhrCredit(ctx, area, 1, list);
    EXPECT_EQ(list.IsRaised(46), passing == 6) << passing;
  }
}

TEST_F(FhrTest, TooManyCreditedBasicCoursesRaise42) {
  TypicalStudent();
  for (size_t k : {kDeutsch, kBiologie, kGeschichte, kPhysik, kSport, kChemie}) {
    area.SubjectSlots[k].Credited[1] = area.SubjectSlots[k].Credited[2] = 1;
  }
  FhrCredit(ctx, area, 1, list);  // twelve credited basic semesters
  EXPECT_TRUE(list.IsRaised(42));
}

TEST_F(FhrTest, FhrCheckRaisesOnTheMarksAsTheyStand) {
  TypicalStudent();
  FhrCheck(ctx, area, 1, list);  // nothing credited
  for (int item : {40, 47, 53, 54, 55, 56, 57, 59, 45, 46})
    EXPECT_TRUE(list.IsRaised(item)) << item;
}

TEST_F(FhrTest, SumLimitsRaise101To104AtTheirBoundaries) {
  // Eleven credited basic semesters and four credited advanced semesters of
  // pair 1 with the given points.
  auto sums_with = [&](std::vector<int> basic, std::vector<int> advanced) {
    area = {};
    list = {};
    const size_t subjects[] = {kDeutsch, kBiologie, kGeschichte, kPhysik, kSport, kChemie};
    for (size_t i = 0; i < basic.size(); ++i) {
      SubjectSlot& slot = area.SubjectSlots[subjects[i / 2]];
      slot.CourseKind = 1;
      slot.Points[1 + i % 2] = basic[i];
      slot.Credited[1 + i % 2] = 1;
    }
    for (size_t i = 0; i < advanced.size(); ++i) {
      SubjectSlot& slot = area.SubjectSlots[i < 2 ? kMathematik : kEnglisch];
      slot.CourseKind = 2;
      slot.Points[1 + i % 2] = advanced[i];
      slot.Credited[1 + i % 2] = 1;
    }
    return FhrSum(ctx, area, 1, list);
  };
  const std::vector<int> fives(11, 5);
  FhrSums s = sums_with(fives, {5, 5, 5, 5});
  EXPECT_EQ(s.BasicSum, 55);
  EXPECT_EQ(s.AdvancedSum, 40);
  EXPECT_EQ(s.Total, 95);
  EXPECT_FALSE(list.IsRaised(101));
  EXPECT_FALSE(list.IsRaised(102));
  std::vector<int> short_basic = fives;
  short_basic.back() = 4;
  s = sums_with(short_basic, {5, 5, 5, 4});
  EXPECT_EQ(s.BasicSum, 54);
  EXPECT_EQ(s.AdvancedSum, 38);
  EXPECT_TRUE(list.IsRaised(101));
  EXPECT_TRUE(list.IsRaised(102));
  const std::vector<int> full(11, 15);
  s = sums_with(full, {15, 15, 15, 15});
  EXPECT_EQ(s.BasicSum, 165);
  EXPECT_EQ(s.AdvancedSum, 120);
  EXPECT_FALSE(list.IsRaised(103));
  EXPECT_FALSE(list.IsRaised(104));
  // Eleven semesters and four advanced ones cannot pass the built-in
  // maximums, so the limits are lowered to see the items fire.
  exam.FhrBasicPointsMax = 164;
  exam.FhrAdvancedPointsMax = 119;
  s = sums_with(full, {15, 15, 15, 15});
  EXPECT_TRUE(list.IsRaised(103));
  EXPECT_TRUE(list.IsRaised(104));
}

TEST_F(FhrTest, ACreditedSemesterWithoutAMarkAddsNothing) {
  Take(kDeutsch, 1, 10);
  area.SubjectSlots[kDeutsch].Points[2] = kNoMark;
  area.SubjectSlots[kDeutsch].Credited[1] = area.SubjectSlots[kDeutsch].Credited[2] = 1;
  const FhrSums s = FhrSum(ctx, area, 1, list);
  EXPECT_EQ(s.BasicSum, 10);
  EXPECT_EQ(s.Total, 10);
}

TEST_F(FhrTest, CreditedCourseOfNoKindNotesItem3) {
  area.SubjectSlots[kDeutsch].Points[1] = 10;
  area.SubjectSlots[kDeutsch].Credited[1] = 1;
  const FhrSums s = FhrSum(ctx, area, 1, list);
  EXPECT_TRUE(list.IsNoted(3));
  EXPECT_EQ(s.Total, 0);
}

TEST(FhrGradeTest, GradeTableBoundaries) {
  const settings::ExamSettings exam = settings::BuiltInExamSettings();
  auto grade = [&](int total) { return FormatFhrGrade(FhrGrade(total, exam)); };
  EXPECT_EQ(grade(94), "0,0");
  EXPECT_EQ(FhrGrade(94, exam), 0.0);
  EXPECT_EQ(grade(95), "4,0");
  for (int t = 96; t <= 100; ++t) EXPECT_EQ(grade(t), "3,9") << t;
  for (int t = 101; t <= 106; ++t) EXPECT_EQ(grade(t), "3,8") << t;
  EXPECT_EQ(grade(107), "3,7");
  // The tenth threshold is 95 + 10 x 5.703 = 152.03, the twentieth 209.06:
  // both are reached only because the step is 5.703 and not 5.7 (whose sums
  // land just below 152 and 209 and truncate to 151 and 208).
  EXPECT_EQ(grade(152), "3,0");
  EXPECT_EQ(grade(153), "2,9");
  EXPECT_EQ(grade(209), "2,0");
  EXPECT_EQ(grade(210), "1,9");
  EXPECT_EQ(grade(260), "1,1");
  for (int t = 261; t <= 285; ++t) EXPECT_EQ(grade(t), "1,0") << t;
  EXPECT_EQ(grade(400), "1,0");
}

TEST(FhrGradeTest, GradeWordsForEveryStepOfTheRepeatedSubtraction) {
  const char* words[] = {"null", "eins",  "zwei",   "drei", "vier",
                         "fünf", "sechs", "sieben", "acht", "neun"};
  double g = 4.0;
  for (int tenths = 40; tenths >= 10; --tenths) {
    const auto spelled = GradeWords(g);
    EXPECT_EQ(spelled[0], words[tenths / 10]) << tenths;
    EXPECT_EQ(spelled[1], words[tenths % 10]) << tenths;
    g -= 0.1;  // the way the grade is computed
  }
  EXPECT_EQ(GradeWords(2.0)[0], "zwei");
  EXPECT_EQ(GradeWords(2.0)[1], "null");
  EXPECT_EQ(GradeWords(2.5)[1], "fünf");
  EXPECT_EQ(GradeWords(0.0)[0], "null");
}

}  // namespace
}  // namespace tolka::rules
