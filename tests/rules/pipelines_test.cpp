#include "rules/pipelines.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "rules/check_item_table.h"
#include "rules/check_report.h"
#include "rules/pipeline_students.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::rules {
namespace {

using S = StepKind;
using testing::CleanStudent;
using testing::RowOf;
using testing::TableWith;
using testing::UncreditedStudent;

// ---------------------------------------------------------------------------
// The table itself, typed from the command list.

struct ExpectedRow {
  const char* id;
  const char* caption;
  const char* title;
  std::vector<StepKind> steps;
  bool writes_back, refreshes, changed;
  FinishKind finish;
  const char* prefix;
};

const std::vector<StepKind> kAdmission = {
    S::CourseChoice,    S::Prerequisites,   S::ExamSubjects,
    S::CompulsoryCount, S::BlockOneCourses, S::BlocksWithoutChecks,
    S::FillExamSlots,   S::MinimaIAndII,    S::Grade};

std::vector<StepKind> Plus(std::vector<StepKind> a, std::vector<StepKind> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<StepKind> Projection(StepKind p) {
  return {p,
          S::CourseChoice,
          S::Prerequisites,
          S::CreditAdvanced,
          S::CreditExamBasic,
          S::CreditCompulsory,
          S::FillBlockOne,
          S::BlocksWithChecks,
          S::ExamCountsNoCounts,
          S::Grade};
}

const std::vector<ExpectedRow>& Expected() {
  static const std::vector<ExpectedRow> rows = {
      {"course-choice",
       "Kurseinwahl",
       "Kurseinwahl-Test",
       {S::CourseChoice},
       true,
       false,
       false,
       FinishKind::A,
       "Kurseinwahl von: "},
      {"credit-advanced",
       "Leistungskurse",
       "Setzen der Leistungskurse",
       {S::CourseChoice, S::CreditAdvanced},
       true,
       true,
       true,
       FinishKind::A,
       "Setzen der Leistungskurse für: "},
      {"credit-compulsory",
       "Pflichtkurse",
       "Setzen der Leistungskurse",
       {S::CourseChoice, S::CreditAdvanced, S::CreditExamBasic, S::CreditCompulsory},
       true,
       true,
       true,
       FinishKind::A,
       "Setzen der Pflichtkurse (§35) für: "},
      {"clear-credits",
       "zurücknehmen",
       "",
       {S::ClearStoredCredits},
       false,
       true,
       true,
       FinishKind::None,
       ""},
      {"prerequisites",
       "Voraussetzung für Prüfungszulassung",
       "Überprüfung nach 3. Semester",
       {S::CourseChoice, S::Prerequisites},
       true,
       false,
       false,
       FinishKind::A,
       "Kurseinwahl von: "},
      {"exam-subjects",
       "Wahl der Prüfungsfächer",
       "Wahl der Prüfungsfächer",
       {S::CourseChoice, S::Prerequisites, S::ExamSubjects},
       false,
       true,
       true,
       FinishKind::A,
       "Wahl der Prüfungsfächer für:\r"},
      {"registration",
       "Anmeldung zur Prüfung",
       "Zulassung zur Abitur-Prüfung",
       {S::CourseChoice, S::CompulsoryCount, S::BlockOneCourses, S::ExamSubjects},
       false,
       true,
       true,
       FinishKind::A,
       "Anmeldung zur Abitur-Prüfung von:\r"},
      {"optimise",
       "Optimierung der Kursauswahl",
       "Optimierung",
       {S::CourseChoice, S::CreditAdvanced, S::CreditExamBasic, S::CreditCompulsory,
        S::FillBlockOne, S::BlocksWithChecks, S::Grade},
       true,
       true,
       true,
       FinishKind::D,
       ""},
      {"written-admission", "Zulassung zur schriftlichen Prüfung",
       "Zulassung zu den schr. Prüfungen",
       Plus(kAdmission,
            {S::BestCase, S::BlocksWithoutChecks, S::FillExamSlots, S::MinimaIAndII, S::Grade}),
       false, true, false, FinishKind::B, ""},
      {"oral-admission", "Zulassung zur mündlichen Prüfung", "Zulassung zu den mdl.Prüfungen",
       Plus(kAdmission, {S::BestCase, S::BlocksWithoutChecks, S::FillExamSlots, S::MinimaAll,
                         S::ExamMarks, S::Grade}),
       false, true, false, FinishKind::B, ""},
      {"projection-1", "Hochrechnung mit 1. Semester", "Hochrechnung !!! (mit 1. Semester)",
       Projection(S::ProjectFrom1), false, true, false, FinishKind::B, ""},
      {"projection-2", "Hochrechnung mit 2. Semester", "Hochrechnung !!! (mit 2. Semester)",
       Projection(S::ProjectFrom2), false, true, false, FinishKind::B, ""},
      {"projection-3", "Hochrechnung mit 3. Semester", "Hochrechnung !!! (mit 3. Semester)",
       Projection(S::ProjectFrom3), false, true, false, FinishKind::B, ""},
      {"exam-result",
       "Abiturergebnis",
       "Abitur-Ergebnisse",
       {S::CourseChoice, S::Prerequisites, S::CompulsoryCount, S::BlockOneCourses, S::ExamSubjects,
        S::ProjectCourses, S::BlocksWithChecks, S::FillExamSlots, S::ExamCountsAll, S::MinimaAll,
        S::ExamMarks, S::Grade},
       true,
       true,
       true,
       FinishKind::B,
       ""},
      // The commands that run their own sequence: no steps of the table.
      {"recommendations",
       "Empfehlungen zu den mündlichen Prüfungen",
       "Empfehlungen zu den mündlichen Prüfungen",
       {},
       false,
       false,
       false,
       FinishKind::C,
       ""},
      {"fhr-1",
       "mit 1.+ 2. Semester",
       "schul. Teil der FH-Reife 1.+ 2. Sem.",
       {},
       true,
       true,
       true,
       FinishKind::Fhr,
       ""},
      {"fhr-2",
       "mit 2.+ 3. Semester",
       "schul. Teil der FH-Reife 2.+ 3. Sem.",
       {},
       true,
       true,
       true,
       FinishKind::Fhr,
       ""},
      {"fhr-3",
       "mit 3.+ 4. Semester",
       "schul. Teil der FH-Reife 3.+ 4. Sem.",
       {},
       true,
       true,
       true,
       FinishKind::Fhr,
       ""},
      {"fhr-best",
       "beste Variante suchen",
       "beste Variante: FH-Reife",
       {},
       true,
       true,
       true,
       FinishKind::Fhr,
       ""},
      {"fhr-check-1",
       "1. und 2. Semester",
       "schul. Teil der FH-Reife 1.+ 2. Sem.",
       {},
       false,
       false,
       false,
       FinishKind::Fhr,
       ""},
      {"fhr-check-2",
       "2. und 3. Semester",
       "schul. Teil der FH-Reife 2.+ 3. Sem.",
       {},
       false,
       false,
       false,
       FinishKind::Fhr,
       ""},
      {"fhr-check-3",
       "3. und 4. Semester",
       "schul. Teil der FH-Reife 3.+ 4. Sem.",
       {},
       false,
       false,
       false,
       FinishKind::Fhr,
       ""},
      {"promotion",
       "Versetzung in Qualifikationsphase",
       "Versetzungs-Test",
       {},
       true,
       true,
       true,
       FinishKind::Promotion,
       ""},
  };
  return rows;
}

TEST(PipelineTable, EveryRowAsTheCommandListSays) {
  const auto& table = PipelineTable();
  ASSERT_EQ(table.size(), Expected().size());
  for (size_t i = 0; i < table.size(); ++i) {
    const ExpectedRow& e = Expected()[i];
    const PipelineRow& row = table[i];
    SCOPED_TRACE(e.id);
    EXPECT_EQ(row.Id, e.id);
    EXPECT_EQ(row.Caption, e.caption);
    EXPECT_EQ(row.Title, e.title);
    EXPECT_EQ(row.Steps, e.steps);
    EXPECT_EQ(row.WritesBack, e.writes_back);
    EXPECT_EQ(row.Refreshes, e.refreshes);
    EXPECT_EQ(row.MarksChanged, e.changed);
    EXPECT_EQ(row.Finish, e.finish);
    EXPECT_EQ(row.MessagePrefix, e.prefix);
    EXPECT_EQ(row.PreparesWorkArea, row.Id != "clear-credits");
    EXPECT_EQ(FindPipeline(e.id), &row);
  }
  EXPECT_EQ(FindPipeline("Kurseinwahl"), nullptr);
  EXPECT_EQ(FindPipeline(""), nullptr);
}

// ---------------------------------------------------------------------------
// Finish decisions and the success message.

TEST(PipelineFinish, DecidedFromTheMarks) {
  CheckResultList none, error, hint, hint_as_error;
  error.Raise(19);
  hint.Note(36);
  hint_as_error.Raise(48);  // a hint item raised: an error mark all the same

  struct Case {
    FinishKind kind;
    const CheckResultList& marks;
    uint16_t ignore;
    FinishAction expected;
  };
  const Case cases[] = {
      {FinishKind::A, none, 0, FinishAction::Message},
      {FinishKind::A, error, 0, FinishAction::Report},
      {FinishKind::A, hint, 0, FinishAction::Report},
      {FinishKind::A, hint, 1, FinishAction::Report},  // A counts every hint
      {FinishKind::A, hint_as_error, 0, FinishAction::Report},
      {FinishKind::B, none, 0, FinishAction::Result},
      {FinishKind::B, error, 0, FinishAction::Report},
      {FinishKind::B, hint, 0, FinishAction::Report},
      {FinishKind::B, hint, 1, FinishAction::Result},  // hints ignored by the setting
      {FinishKind::B, error, 1, FinishAction::Report},
      {FinishKind::B, hint_as_error, 1, FinishAction::Report},
      {FinishKind::D, none, 0, FinishAction::Result},
      {FinishKind::D, error, 0, FinishAction::Report},
      {FinishKind::D, hint, 0, FinishAction::Report},
      {FinishKind::D, hint, 1, FinishAction::Report},  // D counts hints regardless
      {FinishKind::None, error, 0, FinishAction::None},
      {FinishKind::None, none, 0, FinishAction::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecideFinish(c.kind, c.marks, c.ignore), c.expected)
        << static_cast<int>(c.kind) << " ignore " << c.ignore;
  }
}

TEST(PipelineFinish, SuccessMessageWithAndWithoutLineBreak) {
  core::StudentRecord s;
  s.Surname = "Muster";
  s.GivenNames = "Anna";
  EXPECT_EQ(SuccessMessage("Kurseinwahl von: ", s),
            "Kurseinwahl von: Muster, Anna erfolgte fehler- und hinweisfrei!!!");
  EXPECT_EQ(SuccessMessage("Wahl der Prüfungsfächer für:\r", s),
            "Wahl der Prüfungsfächer für:\rMuster, Anna erfolgte fehler- und hinweisfrei!!!");
}

// ---------------------------------------------------------------------------
// Running the pipelines on stored records.

class PipelineRun : public ::testing::Test {
 public:
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings exam = settings::BuiltInExamSettings();
  settings::GeneralSettings general;
  RuleContext rules{catalogue, exam, general};
  RulesState state;
  PipelineContext ctx{rules, state};
  core::StudentRecord student = CleanStudent(catalogue);
  core::StudentTable table;

  PipelineOutcome Run(const std::string& id, size_t index = 3) {
    table = TableWith(catalogue, student, index);
    return RunPipeline(ctx, table, index, id);
  }
  // Runs again on the table as the last command left it.
  PipelineOutcome Again(const std::string& id, size_t index = 3) {
    return RunPipeline(ctx, table, index, id);
  }
  static std::set<int> Items(const PipelineOutcome& o) {
    std::set<int> items;
    for (int i = 1; i <= kItemCount; ++i) {
      if (o.Marks.IsSet(i)) items.insert(i);
    }
    return items;
  }
  core::CourseResult& Row(core::StudentRecord& r, const std::string& subject) {
    return r.CourseResults.at(RowOf(r, subject));
  }
  const core::CourseResult& Stored(const std::string& subject, size_t index = 3) {
    const core::StudentRecord& r = table.At(index);
    return r.CourseResults.at(RowOf(r, subject));
  }
};

using Credits = std::array<uint16_t, 4>;

TEST_F(PipelineRun, TheCleanStudentPassesEveryCommandThatShowsAMessage) {
  for (const char* id : {"course-choice", "prerequisites", "exam-subjects", "registration"}) {
    SCOPED_TRACE(id);
    const PipelineOutcome o = Run(id);
    EXPECT_EQ(Items(o), std::set<int>{});
    EXPECT_EQ(o.Finish, FinishAction::Message);
    EXPECT_FALSE(o.HasErrors);
    EXPECT_FALSE(o.HasHints);
  }
  EXPECT_EQ(Run("course-choice").Message,
            "Kurseinwahl von: Muster, Anna erfolgte fehler- und hinweisfrei!!!");
  EXPECT_EQ(Run("registration").Message,
            "Anmeldung zur Abitur-Prüfung von:\rMuster, Anna erfolgte fehler- und hinweisfrei!!!");
}

TEST_F(PipelineRun, TheCleanStudentsExamResult) {
  const PipelineOutcome o = Run("exam-result");
  EXPECT_EQ(Items(o), std::set<int>{});
  EXPECT_EQ(o.Finish, FinishAction::Result);
  EXPECT_EQ(o.Blocks.BlockI, 202);
  EXPECT_EQ(o.Blocks.BlockII, 148);
  EXPECT_EQ(o.Blocks.BlockIII, 210);
  EXPECT_EQ(o.Blocks.Total, 560);
  const std::array<std::string, 5> current{"202", "148", "210", "560", "2,3"};
  EXPECT_EQ(state.Texts[kColumnCurrent], current);
  for (int c : {kColumnProjected, kColumnBest, kColumnSpare}) {
    for (const std::string& t : state.Texts[static_cast<size_t>(c)]) EXPECT_EQ(t, " - - -");
  }
  EXPECT_FALSE(o.BestColumn.has_value());
  // Mathematik moves to slot 1, the oral subject Geschichte stays in slot 4.
  EXPECT_EQ(o.Slots[1].Subject, 15);
  EXPECT_EQ(o.Slots[1].Written, "12");
  EXPECT_EQ(o.Slots[2].Subject, 5);
  EXPECT_EQ(o.Slots[3].Subject, 4);
  EXPECT_EQ(o.Slots[4].Subject, 8);
  EXPECT_EQ(o.Slots[4].Written, "--");
  EXPECT_EQ(o.Slots[4].Oral, "09");
}

TEST_F(PipelineRun, ResultTextsAreResetOnlyByResultWindowCommands) {
  for (auto& column : state.Texts) column.fill("alt");
  Run("course-choice");
  for (const auto& column : state.Texts) {
    for (const std::string& t : column) EXPECT_EQ(t, "alt");
  }
  Run("registration");
  EXPECT_EQ(state.Texts[kColumnSpare][0], "alt");
  // A result-window command resets all 20 fields before its steps.
  Run("projection-2");
  EXPECT_NE(state.Texts[kColumnCurrent][kRowTotal], " - - -");
  for (int c : {kColumnProjected, kColumnBest, kColumnSpare}) {
    for (const std::string& t : state.Texts[static_cast<size_t>(c)]) EXPECT_EQ(t, " - - -");
  }
}

TEST_F(PipelineRun, AdmissionComputesTheBestCaseColumn) {
  // Before the oral exam: Geschichte has no oral mark yet.
  Row(student, "Geschichte").OralExamPoints = "--";
  const PipelineOutcome o = Run("written-admission");
  // The current pass: Geschichte's exam adds nothing.
  EXPECT_EQ(o.CurrentBlocks.BlockIII, 210 - 36);
  EXPECT_EQ(o.CurrentBlocks.Total, 560 - 36);
  // The best case: oral 15 wherever no oral mark exists. Geschichte alone
  // 4 x 15 = 60; Mathematik int(4 x (24 + 15) / 3) = 52, Englisch
  // int(4 x 37 / 3) = 49, Deutsch int(4 x 35 / 3) = 46.
  EXPECT_EQ(o.Blocks.BlockIII, 22 + 20 + 52 + 49 + 46 + 60);
  EXPECT_EQ(o.Blocks.Total, 599);
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowTotal], "524");
  EXPECT_EQ(state.Texts[kColumnCurrent][kRowGrade], "2,5");
  ASSERT_TRUE(o.BestColumn.has_value());
  const std::array<std::string, 5> best{"202", "148", "249", "599", "2,1"};
  EXPECT_EQ(*o.BestColumn, best);
  EXPECT_EQ(state.Texts[kColumnBest], best);
  for (const std::string& t : state.Texts[kColumnProjected]) EXPECT_EQ(t, " - - -");
  // The first copy of the exam slots is the current pass; the best case has
  // its own.
  EXPECT_EQ(o.Slots[4].Subject, 8);
  EXPECT_EQ(o.Slots[4].Oral, "--");
  EXPECT_EQ(state.BestSlots[4].Oral, "15");
  // Only minima I and II in either pass; item 115 (slot 4 without oral mark)
  // is no matter for the written admission.
  EXPECT_EQ(Items(o), std::set<int>{});
  EXPECT_EQ(o.Finish, FinishAction::Result);
}

TEST_F(PipelineRun, OralAdmissionChecksBlockThreeAndTheExamMarksInTheBestCase) {
  // Written marks still missing in Deutsch: the best case cannot add them.
  Row(student, "Deutsch").WrittenExamPoints = "--";
  const PipelineOutcome written = Run("written-admission");
  EXPECT_EQ(Items(written).count(114), 0u);
  const PipelineOutcome oral = Run("oral-admission");
  // Geschichte, the later subject without a written mark, keeps slot 4, so
  // slot 3 (Deutsch) lacks its written mark: item 114.
  EXPECT_EQ(Items(oral).count(114), 1u);
  EXPECT_EQ(oral.Finish, FinishAction::Report);
}

TEST_F(PipelineRun, EachCommandRunsOnlyItsChecks) {
  // Geschichte is no exam subject: the exam-subject check raises 70 (and the
  // course choice notes 14); the course choice alone does not raise 70.
  student.CourseChoices.at(RowOf(student, "Geschichte")).ExamSubject = 0;
  EXPECT_EQ(Items(Run("course-choice")).count(70), 0u);
  EXPECT_EQ(Items(Run("course-choice")).count(14), 1u);
  EXPECT_EQ(Items(Run("prerequisites")).count(70), 0u);
  EXPECT_EQ(Items(Run("exam-subjects")).count(70), 1u);
  EXPECT_EQ(Items(Run("registration")).count(70), 1u);
  EXPECT_EQ(Items(Run("exam-result")).count(70), 1u);
  EXPECT_EQ(Items(Run("optimise")).count(70), 0u);
}

TEST_F(PipelineRun, PrerequisitesRunWhereTheRowSaysSo) {
  // An advanced-course semester without points: item 40 after semester 3.
  Row(student, "Englisch").SemesterPoints[1] = "--";
  Row(student, "Englisch").Credited = {};
  EXPECT_EQ(Items(Run("course-choice")).count(40), 0u);
  EXPECT_EQ(Items(Run("prerequisites")).count(40), 1u);
  EXPECT_EQ(Items(Run("exam-subjects")).count(40), 1u);
  // The advanced-course crediting reports the missing mark as item 39.
  EXPECT_EQ(Items(Run("credit-advanced")).count(39), 1u);
  EXPECT_EQ(Items(Run("course-choice")).count(39), 0u);
}

TEST_F(PipelineRun, ProjectCoursesOnlyInTheExamResult) {
  student.ProjectCourses[2] = core::kNothingChosen;
  EXPECT_EQ(Items(Run("exam-result")).count(100), 1u);
  for (const char* id : {"course-choice", "registration", "written-admission", "oral-admission",
                         "projection-3", "optimise"}) {
    EXPECT_EQ(Items(Run(id)).count(100), 0u) << id;
  }
}

TEST_F(PipelineRun, SportCoursesCheckedByTheBlockOneCheck) {
  // Two credited sport courses with the one-sport setting: item 63.
  Row(student, "Sport").Credited = {1, 1, 0, 0};
  EXPECT_EQ(Items(Run("registration")).count(63), 1u);
  EXPECT_EQ(Items(Run("exam-result")).count(63), 1u);
  EXPECT_EQ(Items(Run("written-admission")).count(63), 1u);
  EXPECT_EQ(Items(Run("exam-subjects")).count(63), 0u);
  EXPECT_EQ(Items(Run("course-choice")).count(63), 0u);
}

TEST_F(PipelineRun, ExamCountChecksOnlyWhereTheRowHasThem) {
  // Only two written exams: item 91 with the count checks.
  Row(student, "Deutsch").WrittenExamPoints = "--";
  Row(student, "Deutsch").OralExamPoints = "10";
  EXPECT_EQ(Items(Run("exam-result")).count(91), 1u);
  EXPECT_EQ(Items(Run("projection-3")).count(91), 0u);
  EXPECT_EQ(Items(Run("written-admission")).count(91), 0u);
}

TEST_F(PipelineRun, CreditingCommandsSetTheirCredits) {
  student = UncreditedStudent(catalogue);
  // The course choice writes back what the record held: nothing credited.
  Run("course-choice");
  EXPECT_EQ(Stored("Mathematik").Credited, (Credits{0, 0, 0, 0}));

  const PipelineOutcome lk = Run("credit-advanced");
  EXPECT_TRUE(lk.RecordChanged);
  EXPECT_EQ(Stored("Mathematik").Credited, (Credits{1, 1, 1, 1}));
  EXPECT_EQ(Stored("Englisch").Credited, (Credits{1, 1, 1, 1}));
  EXPECT_EQ(Stored("Deutsch").Credited, (Credits{0, 0, 0, 0}));
  EXPECT_EQ(Stored("Biologie").Credited, (Credits{0, 0, 0, 0}));

  const PipelineOutcome pk = Run("credit-compulsory");
  EXPECT_EQ(Stored("Mathematik").Credited, (Credits{1, 1, 1, 1}));
  EXPECT_EQ(Stored("Deutsch").Credited, (Credits{1, 1, 1, 1}));
  EXPECT_EQ(Stored("Geschichte").Credited, (Credits{1, 1, 1, 1}));
  // Natural science: Biologie (42 points) before Physik (26).
  EXPECT_EQ(Stored("Biologie").Credited, (Credits{1, 1, 1, 1}));
  EXPECT_EQ(Stored("Physik").Credited, (Credits{0, 0, 0, 0}));
  // Art/music: the two best semesters of Kunst und Gestaltung, 13 and the
  // earlier of the two 12s.
  EXPECT_EQ(Stored("Kunst und Gestaltung").Credited, (Credits{1, 1, 0, 0}));
  EXPECT_EQ(Stored("Sport").Credited, (Credits{0, 0, 0, 0}));

  // Checks without crediting leave the credits as stored.
  student = UncreditedStudent(catalogue);
  for (const char* id : {"exam-subjects", "registration", "exam-result", "written-admission"}) {
    Run(id);
    EXPECT_EQ(Stored("Mathematik").Credited, (Credits{0, 0, 0, 0})) << id;
  }
  // The projection credits in the work area only.
  const PipelineOutcome p = Run("projection-2");
  EXPECT_FALSE(p.RecordChanged);
  EXPECT_EQ(Stored("Mathematik").Credited, (Credits{0, 0, 0, 0}));
  EXPECT_GT(p.Blocks.BlockII, 0);
}

TEST_F(PipelineRun, OptimisationFillsBlockOneAndWritesBack) {
  student = UncreditedStudent(catalogue);
  const PipelineOutcome o = Run("optimise");
  // 22 basic-course semesters in Block I: the best remaining ones after the
  // compulsory courses.
  int block_one = 0;
  const core::StudentRecord& r = table.At(3);
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    const bool exam_gk =
        r.CourseChoices[j].ExamSubject == 1 && r.CourseChoices[j].AdvancedCourse == 0;
    if (r.CourseChoices[j].AdvancedCourse == 1) continue;
    for (size_t s = 0; s < 4; ++s) {
      if (exam_gk && s == 3) continue;
      block_one += r.CourseResults[j].Credited[s];
    }
  }
  EXPECT_EQ(block_one, 22);
  EXPECT_TRUE(o.RecordChanged);
  EXPECT_NE(state.Texts[kColumnCurrent][kRowGrade], " - - -");
}

TEST_F(PipelineRun, WriteBackChangesOnlyCreditMarksAndStatusWord) {
  student = UncreditedStudent(catalogue);
  student.StatusWord = 0x1234;
  for (const PipelineRow& row : PipelineTable()) {
    SCOPED_TRACE(row.Id);
    table = TableWith(catalogue, student, 3);
    const auto before = core::EncodeStudentRecord(table.At(3));
    const auto other_before = core::EncodeStudentRecord(table.At(4));
    RunPipeline(ctx, table, 3, row.Id);
    const auto after = core::EncodeStudentRecord(table.At(3));
    EXPECT_EQ(core::EncodeStudentRecord(table.At(4)), other_before);
    for (size_t b = 0; b < before.size(); ++b) {
      if (before[b] == after[b]) continue;
      const bool credit_mark = b >= core::record_layout::kCourseResults &&
                               b < core::record_layout::kSpecialWorkTopic &&
                               (b - core::record_layout::kCourseResults) % 60 >= 50 &&
                               (b - core::record_layout::kCourseResults) % 60 < 58;
      EXPECT_TRUE(credit_mark) << "byte " << b;
      if (!row.WritesBack && row.Id != "clear-credits") ADD_FAILURE() << "byte " << b;
    }
  }
}

TEST_F(PipelineRun, ProjectedPointsNeverReachTheRecord) {
  Row(student, "Mathematik").SemesterPoints[3] = "--";
  Row(student, "Mathematik").WrittenExamPoints = "--";
  table = TableWith(catalogue, student, 3);
  const auto before = core::EncodeStudentRecord(table.At(3));
  RunPipeline(ctx, table, 3, "projection-1");
  EXPECT_EQ(core::EncodeStudentRecord(table.At(3)), before);
}

TEST_F(PipelineRun, ClearCreditsClearsTheStoredRecordAndShowsNothing) {
  for (auto& c : state.Texts) c.fill("alt");
  const PipelineOutcome o = Run("clear-credits");
  EXPECT_EQ(o.Finish, FinishAction::None);
  EXPECT_TRUE(o.RecordChanged);
  for (const auto& result : table.At(3).CourseResults) {
    EXPECT_EQ(result.Credited, (Credits{0, 0, 0, 0}));
  }
  EXPECT_EQ(state.Texts[0][0], "alt");
  EXPECT_EQ(Items(o), std::set<int>{});
}

TEST_F(PipelineRun, EveryCommandStartsFromAClearedList) {
  // A failing student first, then the clean one: nothing carries over.
  core::StudentRecord failing = CleanStudent(catalogue);
  failing.CourseChoices.at(RowOf(failing, "Deutsch")).Subject = "Latein";
  table = TableWith(catalogue, failing, 0);
  table.At(1) = student;
  EXPECT_FALSE(Items(RunPipeline(ctx, table, 0, "exam-result")).empty());
  const PipelineOutcome clean = RunPipeline(ctx, table, 1, "course-choice");
  EXPECT_EQ(Items(clean), std::set<int>{});
  EXPECT_EQ(clean.Finish, FinishAction::Message);
}

TEST_F(PipelineRun, HintsIgnoredBySettingDecideFinishB) {
  // The first foreign language without "von Klasse": item 36 noted, a hint
  // and the only finding.
  student.ForeignLanguages[0].FromGrade = "--";
  const PipelineOutcome counted = Run("exam-result");
  EXPECT_TRUE(counted.HasHints);
  EXPECT_FALSE(counted.HasErrors);
  EXPECT_EQ(counted.Finish, FinishAction::Report);
  general.IgnoreExamHints = 1;
  const PipelineOutcome ignored = Run("exam-result");
  EXPECT_TRUE(ignored.HasHints);
  EXPECT_FALSE(ignored.HasCountedHints);
  EXPECT_EQ(ignored.Finish, FinishAction::Result);
  // Finish A and D count the hint whatever the setting.
  EXPECT_EQ(Run("course-choice").Finish, FinishAction::Report);
  EXPECT_EQ(Run("optimise").Finish, FinishAction::Report);
}

TEST_F(PipelineRun, TheReportOfAFailedCommand) {
  student.CourseChoices.at(RowOf(student, "Geschichte")).Subject = "Geographie";
  Row(student, "Geographie").SubjectCopy = "Geographie";
  const PipelineOutcome o = Run("course-choice");
  EXPECT_EQ(o.Finish, FinishAction::Report);
  EXPECT_TRUE(Items(o).count(20));  // no history
  CheckResultList marks = o.Marks;
  const CheckReport report =
      BuildCheckReport(BuildCheckItemTable(exam), o.Row->Title, table.At(3), marks);
  EXPECT_EQ(report.Caption, "Fehlerinformationen: Kurseinwahl-Test");
  EXPECT_EQ(report.Verdict, "Test nicht bestanden!");
}

TEST_F(PipelineRun, BadArguments) {
  table = TableWith(catalogue, student, 3);
  EXPECT_THROW(RunPipeline(ctx, table, 3, "abitur"), std::invalid_argument);
  state.Results.Raise(7);
  EXPECT_THROW(RunPipeline(ctx, table, 36, "course-choice"), std::out_of_range);
  EXPECT_TRUE(state.Results.IsRaised(7));  // nothing ran
}

}  // namespace
}  // namespace tolka::rules
