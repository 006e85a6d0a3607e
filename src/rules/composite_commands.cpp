#include "rules/composite_commands.h"

#include "rules/work_area.h"

namespace tolka::rules {

namespace {

inline constexpr const char* kFhrCaption = "Schulischer Teil der Fachhochschulreife";
inline constexpr const char* kNoValidPair = "KEINE gültige Variante gefunden!";

void Summarise(PipelineOutcome& out, const RulesState& state, const RuleContext& rules) {
  out.Marks = state.Results;
  out.HasErrors = HasErrors(state.Results);
  out.HasHints = HasHints(state.Results);
  out.HasCountedHints = HasCountedHints(state.Results, rules.General.IgnoreExamHints);
  out.Slots = state.Slots;
  out.Blocks = out.CurrentBlocks = state.Blocks;
}

// One FHR computation of pair p from the stored record: with `credit` the
// automatic crediting, else the requirement check on the marks as they
// stand. Fills the result texts 1, 2, 4, 5 and, with `words`, 9 and 10.
PipelineOutcome::FhrResult ComputeFhr(PipelineContext& ctx, const core::StudentTable& table,
                                      size_t index, int pair, bool credit, bool words) {
  RulesState& state = ctx.State;
  const RuleContext& rules = ctx.Rules;
  ClearResults(state.Results);
  state.Texts = EmptyResultTexts();
  PrepareWorkArea(table, index, rules.Catalogue, state.Area, state.Results);
  state.FhrSemesterPair = static_cast<uint16_t>(pair);
  if (credit) {
    FhrCredit(rules, state.Area, pair, state.Results);
  } else {
    FhrCheck(rules, state.Area, pair, state.Results);
  }
  PipelineOutcome::FhrResult fhr;
  fhr.Pair = pair;
  fhr.Sums = FhrSum(rules, state.Area, pair, state.Results);
  fhr.Grade = FhrGrade(fhr.Sums.Total, rules.Exam);
  fhr.Words = GradeWords(fhr.Grade);
  auto& column = state.Texts[kColumnCurrent];
  column[kRowBlockI] = std::to_string(fhr.Sums.BasicSum);
  column[kRowBlockII] = std::to_string(fhr.Sums.AdvancedSum);
  column[kRowTotal] = std::to_string(fhr.Sums.Total);
  column[kRowGrade] = FormatFhrGrade(fhr.Grade);
  if (words) {
    state.Texts[kColumnProjected][kRowTotal] = fhr.Words[0];
    state.Texts[kColumnProjected][kRowGrade] = fhr.Words[1];
  }
  state.Blocks = {fhr.Sums.Total, fhr.Sums.BasicSum, fhr.Sums.AdvancedSum, 0};
  return fhr;
}

PipelineOutcome RunFhr(PipelineContext& ctx, core::StudentTable& table, size_t index,
                       const PipelineRow& row) {
  PipelineOutcome out;
  out.Row = &row;
  const RuleContext& rules = ctx.Rules;
  int pair = row.Pair;
  const bool best = row.Special == SpecialCommand::FhrBest;
  if (best) {
    // Each variant starts from the stored record; a later pair wins a tie.
    int best_score = 0;
    pair = 0;
    for (int p = 1; p <= 3; ++p) {
      const auto fhr = ComputeFhr(ctx, table, index, p, true, false);
      const int score = HasErrors(ctx.State.Results) ? -1000 : fhr.Sums.Total;
      if (score >= best_score) {
        best_score = score;
        pair = p;
      }
    }
    if (pair == 0) {
      // Nothing else changes: no credit mark is written back and no result
      // is shown; the marks stay as the last variant left them.
      ctx.State.Texts = EmptyResultTexts();
      out.Title = row.Title;
      out.Finish = FinishAction::Message;
      out.Message = kNoValidPair;
      out.MessageCaption = kFhrCaption;
      out.MessageIsWarning = true;
      Summarise(out, ctx.State, rules);
      return out;
    }
  }
  const bool credit = row.Special != SpecialCommand::FhrCheck;
  out.Fhr = ComputeFhr(ctx, table, index, pair, credit, best || !credit);
  out.Title = FhrTitle(pair, best);
  // The credit marks go back also when the checks found errors.
  if (row.WritesBack) {
    WriteBackCredits(ctx.State.Area, index, table, rules.Catalogue);
    out.RecordChanged = true;
  }
  Summarise(out, ctx.State, rules);
  out.Finish = DecideFinish(FinishKind::Fhr, ctx.State.Results, rules.General.IgnoreExamHints);
  return out;
}

PipelineOutcome RunPromotion(PipelineContext& ctx, core::StudentTable& table, size_t index,
                             const PipelineRow& row) {
  PipelineOutcome out;
  out.Row = &row;
  out.Title = row.Title;
  RulesState& state = ctx.State;
  const RuleContext& rules = ctx.Rules;
  ClearResults(state.Results);
  PrepareWorkArea(table, index, rules.Catalogue, state.Area, state.Results);
  const PromotionResult result = CheckPromotion(rules, state.Area, state.Results);
  Summarise(out, state, rules);
  if (result.Skipped) {
    out.Finish = FinishAction::Message;
    out.Message = kPromotionSkippedMessage;
    return out;
  }
  // Both flags go into the stored record, after item 127 too (then both 0).
  core::StudentRecord& stored = table.At(index);
  WriteBackCredits(state.Area, index, table, rules.Catalogue);
  stored.CompensationAllowable = result.CompensationAllowable;
  stored.PromotableToQualPhase = result.PromotableToQualPhase;
  out.RecordChanged = true;
  out.Promotion = result;
  out.Finish = DecideFinish(FinishKind::Promotion, state.Results, rules.General.IgnoreExamHints);
  return out;
}

PipelineOutcome RunRecommendationCommand(PipelineContext& ctx, const core::StudentTable& table,
                                         size_t index, const PipelineRow& row) {
  PipelineOutcome out;
  out.Row = &row;
  out.Title = row.Title;
  RulesState& state = ctx.State;
  RecommendationOutcome r = RunRecommendations(ctx.Rules, table, index);
  state.Results = r.List;
  state.Texts = r.Texts;
  state.Slots = r.Slots;
  state.BestSlots = r.SlotsProjected;  // the second copy
  state.Blocks = r.Current;
  Summarise(out, state, ctx.Rules);
  out.Blocks = r.Best;
  out.SlotsProjected = r.SlotsProjected;
  out.Recommendations = r.Flags;
  out.BestColumn = r.Texts[kColumnBest];
  out.Finish = DecideFinish(FinishKind::C, state.Results, ctx.Rules.General.IgnoreExamHints);
  return out;
}

}  // namespace

std::string FhrTitle(int pair, bool best) {
  const std::string semesters = std::to_string(pair) + ".+ " + std::to_string(pair + 1) + ". Sem.";
  return best ? "beste Variante: FH-Reife " + semesters : "schul. Teil der FH-Reife " + semesters;
}

PipelineOutcome RunCompositeCommand(PipelineContext& ctx, core::StudentTable& table, size_t index,
                                    const PipelineRow& row) {
  table.At(index);  // the index is checked before anything changes
  switch (row.Special) {
    case SpecialCommand::Recommendations:
      return RunRecommendationCommand(ctx, table, index, row);
    case SpecialCommand::Fhr:
    case SpecialCommand::FhrBest:
    case SpecialCommand::FhrCheck:
      return RunFhr(ctx, table, index, row);
    case SpecialCommand::Promotion:
      return RunPromotion(ctx, table, index, row);
    case SpecialCommand::None:
      break;
  }
  throw std::invalid_argument("not a special command");
}

}  // namespace tolka::rules
