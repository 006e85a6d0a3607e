#include "rules/recommendations.h"

#include <cstdio>

#include "rules/block_computation.h"
#include "rules/block_one_check.h"
#include "rules/compulsory_course_check.h"
#include "rules/course_choice_check.h"
#include "rules/exam_slots.h"
#include "rules/exam_subject_check.h"
#include "rules/grade.h"
#include "rules/prerequisites_check.h"
#include "rules/projection.h"
#include "rules/work_area.h"

namespace tolka::rules {

namespace {

std::string TwoDigits(int points) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", points);
  return text;
}

// A grade (in tenths, 0 = not passed) better than another: any passing grade
// is better than a total below the minimum.
bool Better(int tenths, int than) { return tenths > 0 && (than == 0 || tenths < than); }

}  // namespace

const std::array<Recommendation, kRecommendationCount + 1>& RecommendationTable() {
  static const auto table = [] {
    std::array<Recommendation, kRecommendationCount + 1> t;
    for (auto& r : t) r = {"derzeit nicht benutzt", RecommendationColour::Black};
    using C = RecommendationColour;
    t[1] = {"Allgemeiner Fehler (unspezifiziert)", C::Blue};
    t[2] = {"Testhinweis (für Erprobungen)", C::Green};
    t[3] = {
        "Die Kalkulation der Prüfungsbewertung bezieht sich auf durchschnittliche "
        "Semesterbewertungen!",
        C::Olive};
    t[4] = {
        "Nur bei schlechteren schr. und fehlenden mdl. Prüfungen werden die "
        "Durchschnittsnoten angesetzt!",
        C::Olive};
    t[5] = {"Zum Erfüllen der 25/20-Punkte-Regeln ist die mdl. Prüfung in einem LK notwendig!",
            C::Red};
    t[6] = {
        "Zum Erfüllen der 25/20-Punkte-Regeln ist die mdl. Prüfung in einem (weiteren) GK "
        "od. LK notwendig!",
        C::Red};
    t[9] = {"Das nächstbessere Abitur-Ergebnisse ist erreichbar mit zusätzlich: ", C::Blue, false,
            true};
    t[10] = {"Ein um 2 Stufen besseres Abitur ist erreichbar mit zusätzlich insgesamt: ", C::Blue,
             false, true};
    t[11] = {
        "Eine um 01 Punktwertung bessere mündliche Prüfung (als schr.) bringt 1-2 Punkte für "
        "Block III.",
        C::Blue};
    t[18] = {
        "Punkte im Block III so noch nicht ausreichend! Untere Grenze erst erreicht mit "
        "mindestens: ",
        C::Fuchsia, false, true};
    t[20] = {"Empfehlungen hinfällig, da (alle/bestimmte) Möglichkeiten schon ausgereizt wurden!",
             C::Red, true};
    return t;
  }();
  return table;
}

std::string RecommendationLine(int n, uint16_t value) {
  const Recommendation& r = RecommendationTable().at(static_cast<size_t>(n));
  if (!r.AppendsPoints) return r.Text;
  return r.Text + std::to_string(value) + " Punkten";
}

void EstimateExamsFromAverage(RuleWorkArea& area) {
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.CourseKind == 0 || slot.IsExamSubject != 1) continue;
    int sum = 0;
    int marked = 0;
    for (int s = 1; s <= 4; ++s) {
      if (IsValidMark(slot.Points[s])) {
        sum += slot.Points[s];
        ++marked;
      }
    }
    // Without any semester mark there is nothing to estimate from (the sum
    // of missing marks would give a nonsense oral mark).
    if (marked == 0) continue;
    const int average = sum / marked;
    const bool oral_missing = !IsValidMark(slot.Points[6]);
    const bool written_short = !IsValidMark(slot.Points[5]) || slot.Points[5] < average;
    if (oral_missing && written_short) slot.Points[6] = average;
  }
  core::StudentRecord& s = area.Student;
  if (s.SpecialWorkCounts == 1 &&
      core::PointsValue(s.SpecialWorkColloquiumPoints) == core::kNoValue &&
      core::PointsValue(s.SpecialWorkDocPoints) != core::kNoValue) {
    s.SpecialWorkColloquiumPoints = TwoDigits(core::PointsValue(s.SpecialWorkDocPoints));
    s.SpecialWorkTotal = s.SpecialWorkColloquiumPoints;
  }
}

void ComputeImprovementHints(const RuleContext& ctx, RuleWorkArea& area, bool best_case,
                             RecommendationFlags& flags, CheckResultList& list) {
  flags[3] = 1;
  flags[4] = 1;
  BlockResult result;
  ComputeBlocks(ctx, area, list, result, false);
  const int g0 = GradeTenthsFromPoints(result.Total, ctx.Exam);
  int next = 0;
  int two = 0;
  int reached = g0;
  // Stop when both steps are found or the top of the scale is reached.
  for (int x = 1; two == 0 && result.Total + x <= ctx.Exam.TotalMax; ++x) {
    const int g = GradeTenthsFromPoints(result.Total + x, ctx.Exam);
    if (Better(g, reached)) {
      if (next == 0) {
        next = x;
      } else {
        two = x;
      }
      reached = g;
    }
  }
  if (!best_case) {
    flags[9] = static_cast<uint16_t>(next);
    flags[10] = static_cast<uint16_t>(two);
    if (next != 0 || two != 0) flags[11] = 1;
  }
  const ExamCounts counts = CountExamResults(ctx.Exam, area);
  if (counts.AdvancedReachingThreshold == 0) flags[5] = 1;
  if (counts.AdvancedReachingThreshold == 1 && counts.BasicReachingThreshold == 0) flags[6] = 1;
  if (!best_case && counts.OralExams > 3) flags[20] = static_cast<uint16_t>(counts.OralExams);
}

void BlockThreeShortfall(const RuleContext& ctx, const BlockResult& result, bool best_case,
                         RecommendationFlags& flags) {
  if (result.BlockIII >= ctx.Exam.BlockIIIMin) return;
  const auto missing = static_cast<uint16_t>(ctx.Exam.BlockIIIMin - result.BlockIII);
  flags[best_case ? 20 : 18] = missing;
}

void FillResultColumn(ResultTexts& texts, int column, const BlockResult& result,
                      const settings::ExamSettings& exam) {
  auto& c = texts.at(static_cast<size_t>(column));
  c[kRowBlockI] = std::to_string(result.BlockI);
  c[kRowBlockII] = std::to_string(result.BlockII);
  c[kRowBlockIII] = std::to_string(result.BlockIII);
  c[kRowTotal] = std::to_string(result.Total);
  c[kRowGrade] = FormatGrade(GradeTenthsFromPoints(result.Total, exam));
}

RecommendationOutcome RunRecommendations(const RuleContext& ctx, const core::StudentTable& table,
                                         size_t index) {
  RecommendationOutcome out;
  out.Texts = EmptyResultTexts();
  CheckResultList& list = out.List;
  RuleWorkArea area;
  PrepareWorkArea(table, index, ctx.Catalogue, area, list);
  CheckCourseChoice(ctx, area, list);
  CheckPrerequisitesAfterSemester3(ctx, area, list);
  CheckExamSubjects(ctx, area, list);
  CheckCompulsoryCourses(ctx, area, list, true);
  CheckBlockOneCourses(ctx, area, list);

  // The current state.
  ComputeBlocks(ctx, area, list, out.Current, false);
  BuildExamSlots(ctx, area, out.Slots);
  CheckBlockMinima(ctx, out.Current, list, true, true, false);
  BlockThreeShortfall(ctx, out.Current, false, out.Flags);
  FillResultColumn(out.Texts, kColumnCurrent, out.Current, ctx.Exam);
  ComputeImprovementHints(ctx, area, false, out.Flags, list);

  // Missing exam marks estimated from the semester average.
  const RuleWorkArea kept = area;
  out.AreaCurrent = area;
  EstimateExamsFromAverage(area);
  ComputeBlocks(ctx, area, list, out.Projected, false);
  BuildExamSlots(ctx, area, out.SlotsProjected);
  out.AreaProjected = area;
  FillResultColumn(out.Texts, kColumnProjected, out.Projected, ctx.Exam);

  // The best marks still possible.
  area = kept;
  AssumeBestExams(area);
  ComputeBlocks(ctx, area, list, out.Best, false);
  BuildExamSlots(ctx, area, out.SlotsBest);
  out.AreaBest = area;
  FillResultColumn(out.Texts, kColumnBest, out.Best, ctx.Exam);
  ComputeImprovementHints(ctx, area, true, out.Flags, list);
  BlockThreeShortfall(ctx, out.Best, true, out.Flags);

  // Missing learning-achievement marks are expected before the oral exams.
  list.At(86).Error = 0;
  return out;
}

}  // namespace tolka::rules
