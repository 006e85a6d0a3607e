#include "print/report_statistics.h"

#include <memory>

#include "rules/grade.h"
#include "rules/pipelines.h"
#include "rules/work_area.h"

namespace tolka::print {

namespace {

constexpr int kStart = 400;

std::string NameOf(const core::StudentRecord& s) {
  const std::string name = s.Surname + ", " + s.GivenNames;
  return name.size() > 50 ? name.substr(0, 50) : name;
}

struct StatisticsInput {
  ExamStatistics Data;
  SheetFrame Frame;
  PageMargin Margin;
  bool Compensated = false;
};

void Column(SheetPage& page, int centre, int y, int font, const std::string& text) {
  page.Centred(centre, y, font, text);
}

void DrawResults(const StatisticsInput& in, SheetPage& page) {
  DrawHeader(page, in.Frame, "Gesamtergebnis der", "Abiturverfahren", false);
  int y = kStart;
  page.Text(50, y, 40, "Abiturergebnisse");
  y += 70;
  const int cols[] = {1000, 1140, 1280, 1440, 1620};
  page.Text(60, y, 30, "Name, Vorname");
  Column(page, cols[0], y, 30, " Bl. I");
  Column(page, cols[1], y, 30, " Bl. II");
  Column(page, cols[2], y, 30, "Bl. III");
  Column(page, cols[3], y - 35, 30, " Gesamt-");
  Column(page, cols[3], y, 30, " punkte");
  Column(page, cols[4], y, 30, "   Note");
  page.HLine(50, 1750, y + 10, 2);
  for (const StatisticsLine& line : in.Data.Lines) {
    y += 55;
    page.Text(60, y, 21, line.Name);
    if (line.HasErrors) {
      for (int c : cols) Column(page, c, y, 21, "----");
    } else {
      Column(page, cols[0], y, 21, std::to_string(line.BlockI));
      Column(page, cols[1], y, 21, std::to_string(line.BlockII));
      Column(page, cols[2], y, 21, std::to_string(line.BlockIII));
      Column(page, cols[3], y, 22, std::to_string(line.Total));
      Column(page, cols[4], y, 22, rules::FormatGrade(line.GradeTenths));
    }
    page.HLine(50, 1750, y + 10, 1);
  }
  DrawFooter(page, in.Frame);
}

void DrawGrades(const StatisticsInput& in, SheetPage& page) {
  DrawHeader(page, in.Frame, "Gesamtergebnis der", "Abiturverfahren", false);
  int y = kStart;
  page.Text(50, y, 40, "Notenstatistik");
  y += 70;
  const int cols[] = {150, 300, 450, 600};
  Column(page, cols[0], y, 30, "Note");
  Column(page, cols[1], y, 30, " weibl.");
  Column(page, cols[2], y, 30, " männl.");
  Column(page, cols[3], y, 30, " gesamt");
  page.Text(720, y, 30, " Balkendiagramm (Anzahl gesamt)");
  page.HLine(50, 1750, y + 10, 2);
  for (const GradeCount& step : in.Data.Grades) {
    y += 55;
    Column(page, cols[0], y, 22, rules::FormatGrade(step.Tenths));
    Column(page, cols[1], y, 21, std::to_string(step.Female));
    Column(page, cols[2], y, 21, std::to_string(step.Male));
    Column(page, cols[3], y, 22, std::to_string(step.Total));
    if (step.Total > 0) page.Text(720, y, 2, std::string(static_cast<size_t>(step.Total), '#'));
    page.HLine(50, 1750, y + 10, 1);
  }
  page.VLine(700, kStart + 30, y + 10, 1);
  DrawFooter(page, in.Frame);
}

}  // namespace

int StatisticsValue(int32_t value) { return value >= 0 && value <= 840 ? value : 0; }

ExamStatistics CollectStatistics(const ReportSources& sources, const core::StudentTable& table) {
  const rules::RuleContext ctx{sources.Catalogue, sources.Exam, sources.General};
  const rules::CheckItemTable items = rules::BuildCheckItemTable(sources.Exam);
  const std::vector<rules::StepKind> steps = rules::ExamResultSteps();
  ExamStatistics out;
  for (size_t i = 0; i < kGradeSteps; ++i) out.Grades[i].Tenths = static_cast<int>(10 + i);
  rules::RulesState state;
  for (size_t slot = 0; slot < core::kSlotCount; ++slot) {
    const core::StudentRecord& student = table.At(slot);
    if (IsFreeSlot(student)) continue;
    rules::ClearResults(state.Results);
    state.Slots = rules::ExamSlots{};
    state.BestSlots = rules::ExamSlots{};
    state.Blocks = rules::BlockResult{};
    rules::PrepareWorkArea(table, slot, sources.Catalogue, state.Area, state.Results);
    rules::RunSteps(ctx, state, steps);
    StatisticsLine line;
    line.Slot = slot;
    line.Name = NameOf(student);
    line.Female = student.Salutation == 1;
    line.BlockI = StatisticsValue(state.Blocks.BlockI);
    line.BlockII = StatisticsValue(state.Blocks.BlockII);
    line.BlockIII = StatisticsValue(state.Blocks.BlockIII);
    line.Total = StatisticsValue(state.Blocks.Total);
    line.GradeTenths = rules::GradeTenthsFromPoints(line.Total, sources.Exam);
    line.HasErrors = !ErrorItems(items, state.Results).empty();
    if (!line.HasErrors && line.GradeTenths >= 10 && line.GradeTenths <= 40) {
      GradeCount& step = out.Grades[static_cast<size_t>(line.GradeTenths - 10)];
      ++(line.Female ? step.Female : step.Male);
      ++step.Total;
    }
    out.Lines.push_back(std::move(line));
  }
  return out;
}

PrintDocument BuildStatisticsDocument(const ReportSources& sources,
                                      const core::StudentTable& table) {
  auto input = std::make_shared<StatisticsInput>();
  input->Data = CollectStatistics(sources, table);
  input->Frame.SchoolName = sources.School.SchoolName;
  input->Frame.ShortName = sources.School.ShortName;
  input->Frame.PrintDate = sources.PrintDate.empty() ? TodayShortDate() : sources.PrintDate;
  input->Frame.Program = ProgramIdentification();
  input->Frame.Frame = sources.Print.FrameOption == 1;
  input->Margin = {sources.Print.Margins[MarginIndex(margin_row::kInternalForms, 1, false)],
                   sources.Print.Margins[MarginIndex(margin_row::kInternalForms, 1, true)]};
  input->Compensated = sources.Print.CompensatedFonts == 1;
  PrintDocument document;
  document.Title = kStatisticsCaption;
  for (int which = 0; which < 2; ++which) {
    PrintSheet sheet;
    sheet.Format = kA4Portrait;
    sheet.Draw = [input, which](PrintCanvas& canvas) {
      PagePrinter printer(canvas, input->Compensated);
      const auto [dx, dy] = printer.PageOrigin(input->Margin);
      SheetPage page{printer, dx, dy};
      if (which == 0) {
        DrawResults(*input, page);
      } else {
        DrawGrades(*input, page);
      }
    };
    document.Sheets.push_back(std::move(sheet));
  }
  return document;
}

}  // namespace tolka::print
