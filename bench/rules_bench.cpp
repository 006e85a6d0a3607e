// Benchmarks of the rules engine: the "Abiturergebnis" pipeline for one
// student, and the "Abiturstatistik" provider over a full table of 36 slots.
#include <benchmark/benchmark.h>

#include "rules/pipeline_students.h"
#include "rules/pipelines.h"
#include "rules/statistics_providers.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace {

using namespace tolka;

struct Setting {
  settings::SubjectCatalogue Catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings Exam = settings::BuiltInExamSettings();
  settings::GeneralSettings General;
  rules::RuleContext Rules{Catalogue, Exam, General};
};

void BM_ExamResultPipeline(benchmark::State& bench) {
  Setting s;
  core::StudentTable table =
      rules::testing::TableWith(s.Catalogue, rules::testing::CleanStudent(s.Catalogue));
  rules::RulesState state;
  rules::PipelineContext ctx{s.Rules, state};
  for (auto _ : bench) {
    rules::PipelineOutcome outcome = rules::RunPipeline(ctx, table, 0, "exam-result");
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_ExamResultPipeline);

void BM_ExamStatisticsFullTable(benchmark::State& bench) {
  Setting s;
  const core::StudentRecord clean = rules::testing::CleanStudent(s.Catalogue);
  core::StudentTable table = rules::testing::TableWith(s.Catalogue, clean);
  // 36 used slots with different points, so no two students are alike.
  for (size_t i = 0; i < core::kSlotCount; ++i) {
    core::StudentRecord r = clean;
    r.GivenNames = "Schüler " + std::to_string(i);
    for (auto& result : r.CourseResults) {
      for (auto& p : result.SemesterPoints) {
        if (p == "--") continue;
        const int v = (std::stoi(p) + static_cast<int>(i)) % 16;
        p = (v < 10 ? "0" : "") + std::to_string(v);
      }
    }
    table.At(i) = r;
  }
  for (auto _ : bench) {
    auto rows = rules::ExamStatistics(s.Rules, table);
    benchmark::DoNotOptimize(rows);
  }
  bench.SetItemsProcessed(bench.iterations() * static_cast<int64_t>(core::kSlotCount));
}
BENCHMARK(BM_ExamStatisticsFullTable);

}  // namespace

BENCHMARK_MAIN();
