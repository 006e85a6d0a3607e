// The command pipelines of the menu "Prüfen und Berechnen" and of the
// crediting menu: per command its fixed sequence of checks and computations,
// its write-back, and how it finishes (success message, check report or
// result window). `RunPipeline` runs one of them on one student, as the menu
// command, the check buttons and `tolka-cli run` do.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/student_table.h"
#include "rules/check_result_list.h"
#include "rules/fhr.h"
#include "rules/promotion.h"
#include "rules/recommendations.h"
#include "rules/rule_context.h"
#include "rules/rule_work_area.h"

namespace tolka::rules {

// One step of a pipeline, in the words of the rules.
enum class StepKind {
  CourseChoice,         // CheckCourseChoice
  Prerequisites,        // CheckPrerequisitesAfterSemester3
  ExamSubjects,         // CheckExamSubjects
  CompulsoryCount,      // CheckCompulsoryCourses, reporting
  BlockOneCourses,      // CheckBlockOneCourses
  ProjectCourses,       // CheckProjectCourses (project-course entries)
  CreditAdvanced,       // CreditAdvancedCourses
  CreditExamBasic,      // CreditExamBasicCourses
  CreditCompulsory,     // CreditCompulsoryCourses (§35)
  FillBlockOne,         // FillBlockOne
  BlocksWithChecks,     // ComputeBlocks with checks
  BlocksWithoutChecks,  // ComputeBlocks without checks
  FillExamSlots,        // BuildExamSlots: the current pass fills the first copy,
                        // the best-case pass the second
  ExamCountsAll,        // CheckExamCounts with the written/oral count checks
  ExamCountsNoCounts,   // CheckExamCounts without them
  MinimaIAndII,         // CheckBlockMinima of Block I and Block II
  MinimaAll,            // CheckBlockMinima of all three blocks
  ExamMarks,            // CheckExamMarks on the pass's exam slots
  Grade,                // the pass's column of ResultTexts: blocks, total, grade
  ProjectFrom1,         // ProjectFromSemester(1)
  ProjectFrom2,
  ProjectFrom3,
  BestCase,            // AssumeBestExams; the steps after it form the best-case pass
  ClearStoredCredits,  // ClearCredits on the stored record ("zurücknehmen")
};

// How a command ends. A: success message when neither error nor hint mark is
// set, else the check report. B: the check report on an error mark or a
// counted hint, else the result window. D: the check report on any error or
// hint mark (hints counted whatever the settings say), else the exam result
// window. None: the command shows nothing.
// C: as B, with the recommendation window. Fhr: as B, with the FHR result
// window. Promotion: the check report when any mark is set, else nothing.
enum class FinishKind { None, A, B, C, D, Fhr, Promotion };

// Commands that are not a plain sequence of steps.
enum class SpecialCommand { None, Recommendations, Fhr, FhrBest, FhrCheck, Promotion };

struct PipelineRow {
  std::string Id;                // the name `tolka-cli run` takes, e.g. "course-choice"
  std::string Caption;           // the menu caption, e.g. "Kurseinwahl"
  std::string Title;             // the caption text of the report and result windows
  std::vector<StepKind> Steps;   // after the preparation of the work area
  bool PreparesWorkArea = true;  // false only for "zurücknehmen"
  bool WritesBack = false;       // WriteBackCredits after the steps
  bool Refreshes = false;        // the record editor is reloaded
  bool MarksChanged = false;     // the data-changed flag is set
  FinishKind Finish = FinishKind::None;
  std::string MessagePrefix;  // Finish A: the success message's first part
  SpecialCommand Special = SpecialCommand::None;
  int Pair = 0;  // the FHR semester pair (1..3) of the FHR commands
};

// The checks and computations of "Abiturergebnis", which certificate printing
// and the statistics sheet run too (the command adds the grade formatting).
std::vector<StepKind> ExamResultSteps();

// The pipelines in menu order.
const std::vector<PipelineRow>& PipelineTable();
// The row of `id`, or nullptr.
const PipelineRow* FindPipeline(std::string_view id);

// True for the commands that show a result window (finish B or D): they
// reset every ResultTexts field to " - - -" before their steps.
bool ShowsResultWindow(const PipelineRow& row);

// The single rules state of the program: the work area, the result list, the
// result texts, both copies of the exam slots and the block sums of the last
// command. Windows and printing read them after the command.
struct RulesState {
  RuleWorkArea Area;
  CheckResultList Results;
  ResultTexts Texts = EmptyResultTexts();
  ExamSlots Slots{};      // the current pass
  ExamSlots BestSlots{};  // the best-case pass of the admission commands
  BlockResult Blocks;
  // `FhrSemesterPair`: the pair of the last FHR computation, 0 = none;
  // certificate printing reads it.
  uint16_t FhrSemesterPair = 0;
};

struct PipelineContext {
  const RuleContext& Rules;
  RulesState& State;
};

// What the command decides to show.
enum class FinishAction { None, Message, Report, Result, Recommendations, FhrResult };

struct PipelineOutcome {
  const PipelineRow* Row = nullptr;
  CheckResultList Marks;      // as the steps left them (before any report)
  BlockResult Blocks;         // as the command leaves them: the best case where one is run
  BlockResult CurrentBlocks;  // the current pass
  ExamSlots Slots{};          // the copy the first BuildExamSlots fills
  // The "bestes - noch - erreichbares Ergebnis" column, where computed.
  std::optional<std::array<std::string, 5>> BestColumn;
  bool HasErrors = false;
  bool HasHints = false;
  bool HasCountedHints = false;
  FinishAction Finish = FinishAction::None;
  std::string Message;            // the message box's text, when Finish is Message
  std::string MessageCaption;     // its caption where it has its own
  bool MessageIsWarning = false;  // shown with the exclamation icon
  bool RecordChanged = false;     // the stored record was written (write-back or clearing)
  std::string Title;              // the window title (the FHR search names its pair)

  // The recommendation command: the set entries and the second exam-slot
  // copy as the estimate fills it.
  std::optional<RecommendationFlags> Recommendations;
  ExamSlots SlotsProjected{};
  // The FHR commands: the pair, the sums, the grade and its words.
  struct FhrResult {
    int Pair = 0;
    FhrSums Sums;
    double Grade = 0;
    std::array<std::string, 2> Words;
  };
  std::optional<FhrResult> Fhr;
  // The promotion check: the two flags as written into the stored record.
  std::optional<PromotionResult> Promotion;
};

// Runs the pipeline `id` (std::invalid_argument for an unknown id) on slot
// `index` (0..35, else std::out_of_range): clears the result list, resets the
// exam slots and, for a result-window command, the result texts; prepares
// the work area; runs the steps; writes the credits back where the row says
// so; decides the finish from the marks.
PipelineOutcome RunPipeline(PipelineContext& ctx, core::StudentTable& table, size_t index,
                            std::string_view id);

// Runs `steps` on the prepared work area of `state` (the statistics
// providers share it). Each pass's ExamSlots and Grade steps go to that
// pass's exam slots and ResultTexts column.
void RunSteps(const RuleContext& rules, RulesState& state, const std::vector<StepKind>& steps);

// The finish rule of `kind` applied to the marks.
FinishAction DecideFinish(FinishKind kind, const CheckResultList& marks,
                          uint16_t ignore_exam_hints);

// The Finish A text: prefix, `Surname`, ", ", `GivenNames`, then
// " erfolgte fehler- und hinweisfrei!!!" (also after the two prefixes that
// end in a line break).
std::string SuccessMessage(const std::string& prefix, const core::StudentRecord& student);

}  // namespace tolka::rules
