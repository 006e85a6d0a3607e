// Benchmarks of printing: the four-page Abitur certificate on blank paper
// (form and fields, the example control table) rendered to PDF in-process,
// and the same sheets on the recording canvas (the layouts alone); the
// report sheets for a year group of 35 and the statistics as PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/file_io.h"
#include "print/certificate.h"
#include "print/format_table.h"
#include "print/recording_canvas.h"
#include "print/report_sheets.h"
#include "print/report_statistics.h"
#include "print_qt/pdf_output.h"
#include "rules/pipeline_students.h"
#include "rules/work_area.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace {

using namespace tolka;

print::PrintDocument CertificateDocument() {
  auto data = std::make_shared<print::CertificateData>();
  data->Catalogue = settings::BuiltInSubjectCatalogue();
  data->Exam = settings::BuiltInExamSettings();
  data->General = settings::DefaultGeneralSettings();
  data->General.Publisher = 0;
  print::ResetPrintSettings(data->Print);
  data->Print.PrintMode = 3;
  data->School.SchoolName = "Gymnasium am See, Sundstadt";
  data->School.CertificateName = "Gymnasium am See";
  data->Student = rules::testing::CleanStudent(data->Catalogue);
  const core::StudentTable table = rules::testing::TableWith(data->Catalogue, data->Student);
  rules::CheckResultList results;
  rules::PrepareWorkArea(table, 0, data->Catalogue, data->Area, results);
  data->Blocks = {560, 202, 148, 210};
  const std::vector<uint8_t> bytes =
      core::ReadFileBytes(std::filesystem::path(TOLKA_EXAMPLE_TABLES_DIR) / "TLK_ABS.FST");
  const print::ParsedFormatTable parsed =
      print::ParseFormatTable(std::string(bytes.begin(), bytes.end()), "TLK_ABS.FST");
  return print::BuildCertificateDocument(data, parsed.Table, print::CertificateKind::Abitur);
}

void BM_AbiturCertificateToPdf(benchmark::State& bench) {
  const print::PrintDocument document = CertificateDocument();
  for (auto _ : bench) {
    QByteArray pdf = print_qt::RenderPdf(document);
    benchmark::DoNotOptimize(pdf);
  }
}
BENCHMARK(BM_AbiturCertificateToPdf)->Unit(benchmark::kMillisecond);

void BM_AbiturCertificateRecorded(benchmark::State& bench) {
  const print::PrintDocument document = CertificateDocument();
  for (auto _ : bench) {
    print::RecordingCanvas canvas;
    print::RecordDocument(document, canvas);
    benchmark::DoNotOptimize(canvas.Primitives().size());
  }
}
BENCHMARK(BM_AbiturCertificateRecorded)->Unit(benchmark::kMicrosecond);

// A year group of 35 students (every slot but the last) for the report
// sheets: the data sheet for all of them ("für ALLE") and the statistics.
struct YearGroup {
  settings::SubjectCatalogue Catalogue = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings Exam = settings::BuiltInExamSettings();
  settings::GeneralSettings General = settings::DefaultGeneralSettings();
  print::PrintSettings Print;
  settings::SchoolData School;
  core::StudentTable Table;
  YearGroup() {
    print::ResetPrintSettings(Print);
    School.SchoolName = "Gymnasium am See, Sundstadt";
    School.ShortName = "GaS";
    Table = rules::testing::TableWith(Catalogue, rules::testing::CleanStudent(Catalogue));
    for (size_t i = 1; i < 35; ++i) {
      Table.At(i) = Table.At(0);
      Table.At(i).Surname = "Muster" + std::to_string(i);
    }
  }
  print::ReportSources Sources() const {
    return {Catalogue, Exam, General, Print, School, "08.12.2026"};
  }
};

void BM_DataSheetForAll35ToPdf(benchmark::State& bench) {
  const YearGroup group;
  for (auto _ : bench) {
    const print::PrintDocument document = print::BuildAllStudentsDocument(
        group.Sources(), group.Table, 0, print::ReportSheet::DataSheet);
    QByteArray pdf = print_qt::RenderPdf(document);
    benchmark::DoNotOptimize(pdf);
  }
}
BENCHMARK(BM_DataSheetForAll35ToPdf)->Unit(benchmark::kMillisecond);

void BM_ExamResultSheetForAll35ToPdf(benchmark::State& bench) {
  const YearGroup group;
  for (auto _ : bench) {
    const print::PrintDocument document = print::BuildAllStudentsDocument(
        group.Sources(), group.Table, 0, print::ReportSheet::ExamResult);
    QByteArray pdf = print_qt::RenderPdf(document);
    benchmark::DoNotOptimize(pdf);
  }
}
BENCHMARK(BM_ExamResultSheetForAll35ToPdf)->Unit(benchmark::kMillisecond);

void BM_StatisticsToPdf(benchmark::State& bench) {
  const YearGroup group;
  for (auto _ : bench) {
    QByteArray pdf =
        print_qt::RenderPdf(print::BuildStatisticsDocument(group.Sources(), group.Table));
    benchmark::DoNotOptimize(pdf);
  }
}
BENCHMARK(BM_StatisticsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// One application for the whole run: Qt's font database needs it, and it
// cannot be made twice.
int main(int argc, char** argv) {
  const auto application = print_qt::MakeOffscreenApplication();
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
