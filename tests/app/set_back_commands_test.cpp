#include "app/set_back_commands.h"

#include <gtest/gtest.h>

#include "core/record_texts.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"

namespace tolka::app {
namespace {

using core::Answer;
using core::Icon;

class SetBackTest : public ::testing::Test {
 protected:
  AppState state;
  test::ScriptedInteraction ui;

  void SetUp() override {
    state.Catalogue = settings::BuiltInSubjectCatalogue();
    core::StudentRecord r =
        core::InitialisedRecord(settings::IntroPhaseDefaultsOf(state.Catalogue));
    r.Surname = "Berg";
    for (auto& row : r.IntroPhase) {
      row.Mark1 = "2";
      if (row.Mark2 != core::kNotTaught) row.Mark2 = "3";
    }
    r.PromotableToQualPhase = 1;
    r.CompensationGranted = 1;
    r.CourseChoices[0].Subject = "Mathematik";
    auto& course = r.CourseResults[0];
    course.SubjectCopy = "Mathematik";
    course.SemesterPoints = {"11", "12", "13", "14"};
    course.Credited = {1, 1, 1, 1};
    course.WrittenExamPoints = "10";
    course.OralExamPoints = "09";
    state.Data.Table.At(0) = r;
  }
  const core::StudentRecord& Student() const { return state.Data.Table.At(0); }
  std::string Points() const {
    std::string s;
    for (const auto& p : Student().CourseResults[0].SemesterPoints) s += p + " ";
    return s;
  }
};

TEST_F(SetBackTest, From132To122ResetsTheLastTwoHalfYearsAndTheExams) {
  ui.ExpectAsk(Icon::Confirmation, "der Halbjahre 13.1 und 13.2\rwirklich löschen?", Answer::Yes);
  EXPECT_TRUE(SetBackStudent(state, ui, 0, SetBack::From132To122));
  EXPECT_EQ(Points(), "11 12 -- -- ");
  EXPECT_EQ(Student().CourseResults[0].Credited, (std::array<uint16_t, 4>{1, 1, 0, 0}));
  EXPECT_EQ(Student().CourseResults[0].WrittenExamPoints, "--");
  EXPECT_EQ(Student().CourseResults[0].OralExamPoints, "--");
  EXPECT_EQ(Student().PromotableToQualPhase, 1);  // the intro phase is untouched
  EXPECT_EQ(Student().IntroPhase[0].Mark2, "3");
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(SetBackTest, EachCommandResetsItsHalfYears) {
  struct Case {
    SetBack kind;
    const char* points;
    const char* mark1;
    const char* mark2;
  };
  const Case cases[] = {
      {SetBack::From131To121, "11 -- -- -- ", "2", "3"},
      {SetBack::From122To112, "-- -- -- -- ", "2", "3"},
      {SetBack::From121To111, "-- -- -- -- ", "2", "-"},
      {SetBack::RepeatIntroPhase, "-- -- -- -- ", "-", "-"},
  };
  for (const Case& c : cases) {
    SetUp();
    ui.ExpectAsk(Icon::Confirmation, "wirklich löschen?", Answer::Yes);
    ASSERT_TRUE(SetBackStudent(state, ui, 0, c.kind)) << SetBackCaption(c.kind);
    EXPECT_EQ(Points(), c.points) << SetBackCaption(c.kind);
    EXPECT_EQ(Student().IntroPhase[0].Mark1, c.mark1) << SetBackCaption(c.kind);
    EXPECT_EQ(Student().IntroPhase[0].Mark2, c.mark2) << SetBackCaption(c.kind);
    EXPECT_EQ(Student().IntroPhase[1].Mark2, "#");  // a one-semester subject keeps "#"
    const bool intro = c.kind == SetBack::From121To111 || c.kind == SetBack::RepeatIntroPhase;
    EXPECT_EQ(Student().PromotableToQualPhase, intro ? 0 : 1);
    EXPECT_EQ(Student().CompensationGranted, intro ? 0 : 1);
    EXPECT_EQ(Student().RepeatsIntroPhase, c.kind == SetBack::RepeatIntroPhase ? 1 : 0);
    EXPECT_EQ(Student().CourseChoices[0].Subject, "Mathematik");  // the choice stays
  }
}

TEST_F(SetBackTest, NoChangesNothing) {
  const auto before = core::EncodeStudentRecord(Student());
  ui.ExpectAsk(Icon::Confirmation, "alle Daten\rder Qualifikationsphase", Answer::No);
  EXPECT_FALSE(SetBackStudent(state, ui, 0, SetBack::From121To111));
  EXPECT_EQ(core::EncodeStudentRecord(Student()), before);
  EXPECT_FALSE(state.Data.Modified);
}

TEST_F(SetBackTest, RefusedOnAFreeSlotAndWhileShownEnciphered) {
  ui.ExpectAsk(Icon::Information, "kein Schüler");
  EXPECT_FALSE(SetBackStudent(state, ui, 1, SetBack::From132To122));
  state.Data.ShownEnciphered = true;
  ui.ExpectAsk(Icon::Warning, "verschlüsselt angezeigt");
  EXPECT_FALSE(SetBackStudent(state, ui, 0, SetBack::From132To122));
  EXPECT_EQ(Points(), "11 12 13 14 ");
}

}  // namespace
}  // namespace tolka::app
