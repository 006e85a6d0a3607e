#include "rules/pipelines.h"

#include <stdexcept>

#include "rules/block_computation.h"
#include "rules/block_one_check.h"
#include "rules/check_report.h"
#include "rules/composite_commands.h"
#include "rules/compulsory_course_check.h"
#include "rules/course_choice_check.h"
#include "rules/course_crediting.h"
#include "rules/exam_slots.h"
#include "rules/exam_subject_check.h"
#include "rules/grade.h"
#include "rules/prerequisites_check.h"
#include "rules/project_course_check.h"
#include "rules/projection.h"
#include "rules/recommendations.h"
#include "rules/work_area.h"

namespace tolka::rules {

namespace {

using S = StepKind;

// The admission commands: the current state, then the best case. The oral
// admission adds Block III to the best case's minima, and the exam marks.
const std::vector<StepKind> kAdmissionCurrent = {
    S::CourseChoice,    S::Prerequisites,   S::ExamSubjects,
    S::CompulsoryCount, S::BlockOneCourses, S::BlocksWithoutChecks,
    S::FillExamSlots,   S::MinimaIAndII,    S::Grade};

std::vector<StepKind> Concat(std::vector<StepKind> a, const std::vector<StepKind>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<StepKind> ProjectionSteps(StepKind projection) {
  // The result window needs the grade, so the projection formats the current
  // column at the end.
  return {projection,        S::CourseChoice,     S::Prerequisites,
          S::CreditAdvanced, S::CreditExamBasic,  S::CreditCompulsory,
          S::FillBlockOne,   S::BlocksWithChecks, S::ExamCountsNoCounts,
          S::Grade};
}

// What a command does with the record after its steps.
enum Effect : unsigned {
  kNoEffect = 0,
  kWrite = 1,    // WriteBackCredits
  kRefresh = 2,  // the editor is reloaded
  kChanged = 4,  // the data-changed flag is set
};

PipelineRow Row(std::string id, std::string caption, std::string title, std::vector<StepKind> steps,
                unsigned effects, FinishKind finish, std::string prefix = "") {
  PipelineRow row;
  row.Id = std::move(id);
  row.Caption = std::move(caption);
  row.Title = std::move(title);
  row.Steps = std::move(steps);
  row.WritesBack = (effects & kWrite) != 0;
  row.Refreshes = (effects & kRefresh) != 0;
  row.MarksChanged = (effects & kChanged) != 0;
  row.Finish = finish;
  row.MessagePrefix = std::move(prefix);
  return row;
}

std::vector<PipelineRow> BuildTable() {
  const auto A = FinishKind::A;
  const auto B = FinishKind::B;
  const unsigned kAll = kWrite | kRefresh | kChanged;
  std::vector<PipelineRow> rows;
  rows.push_back(Row("course-choice", "Kurseinwahl", "Kurseinwahl-Test", {S::CourseChoice}, kWrite,
                     A, "Kurseinwahl von: "));
  rows.push_back(Row("credit-advanced", "Leistungskurse", "Setzen der Leistungskurse",
                     {S::CourseChoice, S::CreditAdvanced}, kAll, A,
                     "Setzen der Leistungskurse für: "));
  // The compulsory-course command carries the advanced-course command's
  // title in its windows.
  rows.push_back(Row("credit-compulsory", "Pflichtkurse", "Setzen der Leistungskurse",
                     {S::CourseChoice, S::CreditAdvanced, S::CreditExamBasic, S::CreditCompulsory},
                     kAll, A, "Setzen der Pflichtkurse (§35) für: "));
  // "zurücknehmen" works on the stored record itself and shows nothing.
  PipelineRow clear = Row("clear-credits", "zurücknehmen", "", {S::ClearStoredCredits},
                          kRefresh | kChanged, FinishKind::None);
  clear.PreparesWorkArea = false;
  rows.push_back(std::move(clear));
  rows.push_back(Row("prerequisites", "Voraussetzung für Prüfungszulassung",
                     "Überprüfung nach 3. Semester", {S::CourseChoice, S::Prerequisites}, kWrite, A,
                     "Kurseinwahl von: "));
  rows.push_back(Row("exam-subjects", "Wahl der Prüfungsfächer", "Wahl der Prüfungsfächer",
                     {S::CourseChoice, S::Prerequisites, S::ExamSubjects}, kRefresh | kChanged, A,
                     "Wahl der Prüfungsfächer für:\r"));
  rows.push_back(Row("registration", "Anmeldung zur Prüfung", "Zulassung zur Abitur-Prüfung",
                     {S::CourseChoice, S::CompulsoryCount, S::BlockOneCourses, S::ExamSubjects},
                     kRefresh | kChanged, A, "Anmeldung zur Abitur-Prüfung von:\r"));
  rows.push_back(Row("optimise", "Optimierung der Kursauswahl", "Optimierung",
                     {S::CourseChoice, S::CreditAdvanced, S::CreditExamBasic, S::CreditCompulsory,
                      S::FillBlockOne, S::BlocksWithChecks, S::Grade},
                     kAll, FinishKind::D));
  rows.push_back(Row("written-admission", "Zulassung zur schriftlichen Prüfung",
                     "Zulassung zu den schr. Prüfungen",
                     Concat(kAdmissionCurrent, {S::BestCase, S::BlocksWithoutChecks,
                                                S::FillExamSlots, S::MinimaIAndII, S::Grade}),
                     kRefresh, B));
  rows.push_back(
      Row("oral-admission", "Zulassung zur mündlichen Prüfung", "Zulassung zu den mdl.Prüfungen",
          Concat(kAdmissionCurrent, {S::BestCase, S::BlocksWithoutChecks, S::FillExamSlots,
                                     S::MinimaAll, S::ExamMarks, S::Grade}),
          kRefresh, B));
  const StepKind projections[] = {S::ProjectFrom1, S::ProjectFrom2, S::ProjectFrom3};
  for (int n = 1; n <= 3; ++n) {
    const std::string semester = std::to_string(n) + ". Semester";
    rows.push_back(Row("projection-" + std::to_string(n), "Hochrechnung mit " + semester,
                       "Hochrechnung !!! (mit " + semester + ")",
                       ProjectionSteps(projections[n - 1]), kRefresh, B));
  }
  // The grade is no check; the result window shows it, so it is formatted
  // after the checks.
  rows.push_back(Row("exam-result", "Abiturergebnis", "Abitur-Ergebnisse",
                     Concat(ExamResultSteps(), {S::Grade}), kAll, B));

  const char* const kRecommendations = "Empfehlungen zu den mündlichen Prüfungen";
  PipelineRow recommendations =
      Row("recommendations", kRecommendations, kRecommendations, {}, kNoEffect, FinishKind::C);
  recommendations.Special = SpecialCommand::Recommendations;
  rows.push_back(std::move(recommendations));
  // The FHR commands of the menu, the search for the best pair, and the
  // check-only variant of the FHR certificate commands.
  for (int n = 1; n <= 3; ++n) {
    const std::string pair = std::to_string(n) + ".+ " + std::to_string(n + 1) + ". Semester";
    PipelineRow fhr = Row("fhr-" + std::to_string(n), "mit " + pair, FhrTitle(n, false), {}, kAll,
                          FinishKind::Fhr);
    fhr.Special = SpecialCommand::Fhr;
    fhr.Pair = n;
    rows.push_back(std::move(fhr));
  }
  PipelineRow best = Row("fhr-best", "beste Variante suchen", "beste Variante: FH-Reife", {}, kAll,
                         FinishKind::Fhr);
  best.Special = SpecialCommand::FhrBest;
  rows.push_back(std::move(best));
  for (int n = 1; n <= 3; ++n) {
    PipelineRow check = Row("fhr-check-" + std::to_string(n),
                            std::to_string(n) + ". und " + std::to_string(n + 1) + ". Semester",
                            FhrTitle(n, false), {}, kNoEffect, FinishKind::Fhr);
    check.Special = SpecialCommand::FhrCheck;
    check.Pair = n;
    rows.push_back(std::move(check));
  }
  PipelineRow promotion = Row("promotion", "Versetzung in Qualifikationsphase", "Versetzungs-Test",
                              {}, kAll, FinishKind::Promotion);
  promotion.Special = SpecialCommand::Promotion;
  rows.push_back(std::move(promotion));
  return rows;
}

}  // namespace

std::vector<StepKind> ExamResultSteps() {
  return {S::CourseChoice,  S::Prerequisites,  S::CompulsoryCount,  S::BlockOneCourses,
          S::ExamSubjects,  S::ProjectCourses, S::BlocksWithChecks, S::FillExamSlots,
          S::ExamCountsAll, S::MinimaAll,      S::ExamMarks};
}

const std::vector<PipelineRow>& PipelineTable() {
  static const std::vector<PipelineRow> table = BuildTable();
  return table;
}

const PipelineRow* FindPipeline(std::string_view id) {
  for (const PipelineRow& row : PipelineTable()) {
    if (row.Id == id) return &row;
  }
  return nullptr;
}

bool ShowsResultWindow(const PipelineRow& row) {
  return row.Finish == FinishKind::B || row.Finish == FinishKind::C ||
         row.Finish == FinishKind::D || row.Finish == FinishKind::Fhr;
}

void RunSteps(const RuleContext& rules, RulesState& state, const std::vector<StepKind>& steps) {
  RuleWorkArea& area = state.Area;
  CheckResultList& list = state.Results;
  bool best_case = false;
  for (StepKind step : steps) {
    switch (step) {
      case S::CourseChoice:
        CheckCourseChoice(rules, area, list);
        break;
      case S::Prerequisites:
        CheckPrerequisitesAfterSemester3(rules, area, list);
        break;
      case S::ExamSubjects:
        CheckExamSubjects(rules, area, list);
        break;
      case S::CompulsoryCount:
        CheckCompulsoryCourses(rules, area, list, true);
        break;
      case S::BlockOneCourses:
        CheckBlockOneCourses(rules, area, list);
        break;
      case S::ProjectCourses:
        CheckProjectCourses(rules, area, list);
        break;
      case S::CreditAdvanced:
        CreditAdvancedCourses(rules, area, list);
        break;
      case S::CreditExamBasic:
        CreditExamBasicCourses(rules, area, list);
        break;
      case S::CreditCompulsory:
        CreditCompulsoryCourses(rules, area, list);
        break;
      case S::FillBlockOne:
        FillBlockOne(rules, area, list);
        break;
      case S::BlocksWithChecks:
        ComputeBlocks(rules, area, list, state.Blocks, true);
        break;
      case S::BlocksWithoutChecks:
        ComputeBlocks(rules, area, list, state.Blocks, false);
        break;
      case S::FillExamSlots:
        BuildExamSlots(rules, area, best_case ? state.BestSlots : state.Slots);
        break;
      case S::ExamCountsAll:
        CheckExamCounts(rules, area, true, list);
        break;
      case S::ExamCountsNoCounts:
        CheckExamCounts(rules, area, false, list);
        break;
      case S::MinimaIAndII:
        CheckBlockMinima(rules, state.Blocks, list, true, true, false);
        break;
      case S::MinimaAll:
        CheckBlockMinima(rules, state.Blocks, list, true, true, true);
        break;
      case S::ExamMarks:
        CheckExamMarks(best_case ? state.BestSlots : state.Slots, list);
        break;
      case S::Grade:
        FillResultColumn(state.Texts, best_case ? kColumnBest : kColumnCurrent, state.Blocks,
                         rules.Exam);
        break;
      case S::ProjectFrom1:
        ProjectFromSemester(area, 1);
        break;
      case S::ProjectFrom2:
        ProjectFromSemester(area, 2);
        break;
      case S::ProjectFrom3:
        ProjectFromSemester(area, 3);
        break;
      case S::BestCase:
        AssumeBestExams(area);
        best_case = true;
        break;
      case S::ClearStoredCredits:
        // Works on the stored record, not the work area: RunPipeline does it.
        break;
    }
  }
}

FinishAction DecideFinish(FinishKind kind, const CheckResultList& marks,
                          uint16_t ignore_exam_hints) {
  switch (kind) {
    case FinishKind::None:
      return FinishAction::None;
    case FinishKind::A:
      return HasErrors(marks) || HasHints(marks) ? FinishAction::Report : FinishAction::Message;
    case FinishKind::B:
      return HasErrors(marks) || HasCountedHints(marks, ignore_exam_hints) ? FinishAction::Report
                                                                           : FinishAction::Result;
    case FinishKind::C:
      return HasErrors(marks) || HasCountedHints(marks, ignore_exam_hints)
                 ? FinishAction::Report
                 : FinishAction::Recommendations;
    case FinishKind::D:
      return HasErrors(marks) || HasHints(marks) ? FinishAction::Report : FinishAction::Result;
    case FinishKind::Fhr:
      return HasErrors(marks) || HasCountedHints(marks, ignore_exam_hints)
                 ? FinishAction::Report
                 : FinishAction::FhrResult;
    case FinishKind::Promotion:
      return HasErrors(marks) || HasHints(marks) ? FinishAction::Report : FinishAction::None;
  }
  return FinishAction::None;
}

std::string SuccessMessage(const std::string& prefix, const core::StudentRecord& student) {
  // After a prefix that ends in a line break the name begins the second
  // line; it is still followed by a blank ("Anna erfolgte ..."), never run
  // into the verb.
  return prefix + StudentName(student) + " erfolgte fehler- und hinweisfrei!!!";
}

PipelineOutcome RunPipeline(PipelineContext& ctx, core::StudentTable& table, size_t index,
                            std::string_view id) {
  const PipelineRow* row = FindPipeline(id);
  if (row == nullptr) throw std::invalid_argument("unknown pipeline");
  if (row->Special != SpecialCommand::None) return RunCompositeCommand(ctx, table, index, *row);
  RulesState& state = ctx.State;
  const RuleContext& rules = ctx.Rules;
  // Check the index before anything of the state changes.
  const core::StudentRecord& stored = table.At(index);

  ClearResults(state.Results);
  state.Slots = ExamSlots{};
  state.BestSlots = ExamSlots{};
  if (ShowsResultWindow(*row)) state.Texts = EmptyResultTexts();

  PipelineOutcome outcome;
  outcome.Row = row;
  outcome.Title = row->Title;
  if (row->PreparesWorkArea) {
    state.Blocks = BlockResult{};
    PrepareWorkArea(table, index, rules.Catalogue, state.Area, state.Results);
  }

  // The steps up to the best case form the current pass.
  std::vector<StepKind> current;
  std::vector<StepKind> best;
  bool in_best = false;
  for (StepKind step : row->Steps) {
    if (step == S::BestCase) in_best = true;
    (in_best ? best : current).push_back(step);
    if (step == S::ClearStoredCredits) {
      ClearCredits(table, index);
      outcome.RecordChanged = true;
    }
  }
  RunSteps(rules, state, current);
  outcome.CurrentBlocks = state.Blocks;
  outcome.Slots = state.Slots;
  if (!best.empty()) {
    RunSteps(rules, state, best);
    outcome.BestColumn = state.Texts[kColumnBest];
  }
  outcome.Blocks = state.Blocks;

  if (row->WritesBack) {
    WriteBackCredits(state.Area, index, table, rules.Catalogue);
    outcome.RecordChanged = true;
  }

  outcome.Marks = state.Results;
  outcome.HasErrors = HasErrors(state.Results);
  outcome.HasHints = HasHints(state.Results);
  outcome.HasCountedHints = HasCountedHints(state.Results, rules.General.IgnoreExamHints);
  outcome.Finish = DecideFinish(row->Finish, state.Results, rules.General.IgnoreExamHints);
  if (outcome.Finish == FinishAction::Message) {
    outcome.Message = SuccessMessage(row->MessagePrefix, stored);
  }
  return outcome;
}

}  // namespace tolka::rules
