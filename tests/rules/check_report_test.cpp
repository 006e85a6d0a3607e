#include "rules/check_report.h"

#include <gtest/gtest.h>

#include "settings/exam_settings.h"

namespace tolka::rules {
namespace {

class CheckReportTest : public ::testing::Test {
 public:
  CheckItemTable items = BuildCheckItemTable(settings::ExamSettings{});
  core::StudentRecord student;
  CheckResultList list;

  CheckReportTest() {
    student.Surname = "Muster";
    student.GivenNames = "Anna Lena";
  }
  CheckReport Build() { return BuildCheckReport(items, "Kurseinwahl-Test", student, list); }
};

TEST_F(CheckReportTest, CaptionAndStudentField) {
  const CheckReport report = Build();
  EXPECT_EQ(report.Caption, "Fehlerinformationen: Kurseinwahl-Test");
  EXPECT_EQ(report.Student, "Muster, Anna Lena");
}

TEST_F(CheckReportTest, NoMarkGivesAnEmptyProtocolThatPasses) {
  const CheckReport report = Build();
  EXPECT_TRUE(report.Lines.empty());
  EXPECT_TRUE(report.Passed);
  EXPECT_EQ(report.Verdict, "Mit Hinweisen bestanden!");
  EXPECT_EQ(report.VerdictRole, ReportRole::Hint);
}

TEST_F(CheckReportTest, AnErrorItemNotedByACheckIsListedAsErrorAndFails) {
  list.Note(10);  // item 10 is classed error
  const CheckReport report = Build();
  ASSERT_EQ(report.Lines.size(), 2u);
  EXPECT_EQ(report.Lines[0].Text, "[10] Anzahl der Grundkurse");
  EXPECT_EQ(report.Lines[0].Role, ReportRole::Label);
  EXPECT_EQ(report.Lines[1].Text, "  --->   zu gering");
  EXPECT_EQ(report.Lines[1].Role, ReportRole::Error);
  EXPECT_FALSE(report.Passed);
  EXPECT_EQ(report.Verdict, "Test nicht bestanden!");
  EXPECT_EQ(report.VerdictRole, ReportRole::Error);
  // The marks now agree with the class.
  EXPECT_TRUE(list.IsRaised(10));
  EXPECT_FALSE(list.IsNoted(10));
}

TEST_F(CheckReportTest, OnlyHintsPassWithHintsEvenWhenAHintItemWasRaised) {
  list.Note(14);
  list.Raise(48);  // the block counts raise 48, a hint by its class
  const CheckReport report = Build();
  ASSERT_EQ(report.Lines.size(), 4u);
  EXPECT_EQ(report.Lines[0].Text, "[14] Anzahl der ausgewählten Prüfungen");
  EXPECT_EQ(report.Lines[1].Text, "  --->   für Abitur insgesamt noch zu gering");
  EXPECT_EQ(report.Lines[1].Role, ReportRole::Hint);
  EXPECT_EQ(report.Lines[2].Text, "[48] Anzahl der einzelnen Kurse im Block I");
  EXPECT_EQ(report.Lines[3].Text, "  --->   zu gering (Blocksumme provisorisch!!!)");
  EXPECT_EQ(report.Lines[3].Role, ReportRole::Hint);
  EXPECT_TRUE(report.Passed);
  EXPECT_EQ(report.Verdict, "Mit Hinweisen bestanden!");
  EXPECT_EQ(report.VerdictRole, ReportRole::Hint);
  EXPECT_FALSE(list.IsRaised(48));
  EXPECT_TRUE(list.IsNoted(48));
  EXPECT_FALSE(HasErrors(list));
}

TEST_F(CheckReportTest, AnItemRaisedAndNotedIsListedOnce) {
  list.Raise(16);
  list.Note(16);
  list.Raise(5);
  list.Note(5);
  const CheckReport report = Build();
  ASSERT_EQ(report.Lines.size(), 4u);
  EXPECT_EQ(report.Lines[0].Text, "[5]  Fehler in den Berechnungen");
  EXPECT_EQ(report.Lines[1].Role, ReportRole::Hint);
  EXPECT_EQ(report.Lines[2].Text, "[16] Fächer mehrfach gewählt");
  EXPECT_EQ(report.Lines[3].Text, "  --->   ja");
  EXPECT_EQ(report.Lines[3].Role, ReportRole::Error);
  EXPECT_FALSE(report.Passed);
  EXPECT_TRUE(list.IsRaised(16));
  EXPECT_FALSE(list.IsNoted(16));
  EXPECT_FALSE(list.IsRaised(5));
  EXPECT_TRUE(list.IsNoted(5));
}

TEST_F(CheckReportTest, ItemsFollowInNumberOrderWithTheirItemNumbers) {
  for (int item : {140, 93, 1, 36}) list.Raise(item);
  const CheckReport report = Build();
  ASSERT_EQ(report.Lines.size(), 8u);
  const int order[] = {1, 36, 93, 140};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(report.Lines[2 * i].Item, order[i]);
    EXPECT_EQ(report.Lines[2 * i + 1].Item, order[i]);
  }
  // An unused number shows the default texts as a hint.
  EXPECT_EQ(report.Lines[6].Text, "[140]  derzeit nicht benutzt");
  EXPECT_EQ(report.Lines[7].Text, "  --->   nicht OK");
  EXPECT_EQ(report.Lines[7].Role, ReportRole::Hint);
  EXPECT_FALSE(report.Passed);  // item 1 and 93 are errors
}

TEST_F(CheckReportTest, Item11ShowsTheMaximumTheTableWasBuiltWith) {
  settings::ExamSettings exam;
  exam.MaxBasicCourses = 13;
  items = BuildCheckItemTable(exam);
  list.Raise(11);
  const CheckReport report = Build();
  ASSERT_EQ(report.Lines.size(), 2u);
  EXPECT_EQ(report.Lines[1].Text, "  --->   zu hoch (über 13)");
}

TEST_F(CheckReportTest, BuildingTwiceGivesTheSameReport) {
  list.Note(10);
  list.Raise(29);
  const CheckReport first = Build();
  const CheckReport second = Build();
  ASSERT_EQ(first.Lines.size(), second.Lines.size());
  for (size_t i = 0; i < first.Lines.size(); ++i) {
    EXPECT_EQ(first.Lines[i].Text, second.Lines[i].Text);
    EXPECT_EQ(first.Lines[i].Role, second.Lines[i].Role);
  }
  EXPECT_EQ(first.Verdict, second.Verdict);
}

TEST(CheckReportTexts, WindowTexts) {
  EXPECT_STREQ(kReportRunningVerdict, "Prüfung läuft !!!");
  EXPECT_STREQ(kReportPendingVerdict, "Noch nicht fertig!");
  EXPECT_STREQ(kReportWindowTitle, "Fehleranzeige: ");
  EXPECT_STREQ(kResultCaptionPrefix, "Ergebnis: ");
}

}  // namespace
}  // namespace tolka::rules
