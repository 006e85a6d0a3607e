#include "print/report_sheets.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "core/record_texts.h"
#include "rules/block_computation.h"
#include "rules/exam_slots.h"
#include "rules/grade.h"
#include "rules/pipelines.h"
#include "rules/recommendations.h"
#include "rules/work_area.h"

namespace tolka::print {

namespace {

using S = rules::StepKind;

struct SheetRow {
  ReportSheet Sheet;
  const char* Name;
  const char* Caption;
  const char* AllCaption;  // nullptr: as Caption
  const char* Question;
  const char* Title1;
  const char* Title2;
  size_t ErrorLimit;  // 0: no error block
  int Decision;       // 0: none; -1: "kein besonderes Ergebnis"
  int Signature;      // 0: none
};

const SheetRow kRows[] = {
    {ReportSheet::DataSheet, "data-sheet", "Schüler-Datenblatt", nullptr,
     "Ausdruck eines Schüler-Datenblattes für:\r", "Datenblatt", "", 0, 0, 1},
    {ReportSheet::Prerequisites, "prerequisites-sheet", "Voraussetzungen für Prüfungszulassung",
     "Voraussetzung für Zulassung zur Prüfung",
     "Ausdruck des Formblattes:\r\"Voraussetzung zur Prüfungszulassung\" für:\r",
     "Voraussetzung zur", "Prüfungszulassung", 10, 1, 1},
    {ReportSheet::ExamSubjects, "exam-subjects-sheet", "Bestätigung der Prüfungsfächer", nullptr,
     "Ausdruck des Formblattes:\r\"Bestätigung der gewählten Prüfungsfächer\" für:\r", "Wahl der",
     "Prüfungsfächer", 10, 2, 2},
    {ReportSheet::Registration, "registration-sheet", "Blockauswahl / Anmeldung zur Prüfung",
     nullptr, "Ausdruck des Formblattes:\r\"Anmeldung zur Prüfung / der Kurse für Block I\" für:\r",
     "Anmeldung zur Abiturprüfung", "Auswahl der Kurse für Block I", 10, 0, 4},
    {ReportSheet::Optimisation, "optimisation-sheet", "Optimierung", nullptr,
     "Ausdruck des Formblattes:\r\"Optimierung der Kursauswahl für Block I\" für:\r",
     "Optimierte Auswahl der Kurse", "für Block I", 10, 0, 1},
    {ReportSheet::Achievement, "achievement-sheet", "Leistungsstand nach 4. Semester", nullptr,
     "Ausdruck des Formblattes:\r\"Leistungsstand nach dem 4. Semester\" für:\r",
     "Leistungsstand nach", "dem 4. Semester", 6, 0, 1},
    {ReportSheet::WrittenAdmission, "written-admission-sheet",
     "Zulassung zur schriftlichen Prüfung", nullptr,
     "Ausdruck des Formblattes:\r\"Zulassung zu den schriftlichen Prüfungen\" für:\r",
     "Zulassung zur (schriftlichen)", "Abiturprüfung", 6, 3, 5},
    {ReportSheet::OralAdmission, "oral-admission-sheet", "Zulassung zur mündlichen Prüfung",
     nullptr, "Ausdruck des Formblattes:\r\"Zulassung zu den mündlichen Prüfungen\" für:\r",
     "Zulassung zu den", "mündlichen Abiturprüfungen", 6, 4, 5},
    {ReportSheet::Recommendations, "recommendations-sheet",
     "Empfehlungen zu den mündlichen Prüfungen", nullptr,
     "Ausdruck des Formblattes:\r\"Empfehlungen zu den mündlichen Prüfungen\" für:\r",
     "Empfehlungen zu den", "mündlichen Prüfungen", 6, 10, 0},
    {ReportSheet::ExamResult, "exam-result-sheet", "Ergebnis Abiturverfahren", nullptr,
     "Ausdruck des Formblattes:\r\"Endergebnis der Abitur-Prüfung\" für:\r", "Endergebnis der",
     "Abiturprüfungen", 6, 5, 5},
    {ReportSheet::ExtendedDataSheet, "extended-data-sheet", "Probezeugnis", nullptr,
     "Ausdruck eines erweiterten Datenblattes\r(zu internen Testzwecken) für:\r",
     "Erweitertes Datenblatt", "(für interne Testzwecke)", 10, -1, 1},
};

const SheetRow& RowOf(ReportSheet sheet) {
  for (const SheetRow& row : kRows) {
    if (row.Sheet == sheet) return row;
  }
  return kRows[0];
}

// The check steps of a sheet (after the preparation of the work area).
std::vector<S> StepsOf(ReportSheet sheet) {
  switch (sheet) {
    case ReportSheet::Prerequisites:
      return {S::CourseChoice, S::Prerequisites};
    case ReportSheet::ExamSubjects:
    case ReportSheet::Registration:
      return {S::CourseChoice, S::Prerequisites, S::ExamSubjects};
    case ReportSheet::Optimisation:
      return rules::FindPipeline("optimise")->Steps;
    case ReportSheet::Achievement:
      return {S::CourseChoice, S::CompulsoryCount, S::BlockOneCourses, S::ExamSubjects,
              S::BlocksWithChecks};
    case ReportSheet::WrittenAdmission:
      return rules::FindPipeline("written-admission")->Steps;
    case ReportSheet::OralAdmission:
      return rules::FindPipeline("oral-admission")->Steps;
    case ReportSheet::ExamResult: {
      std::vector<S> steps = rules::ExamResultSteps();
      steps.push_back(S::Grade);
      return steps;
    }
    case ReportSheet::DataSheet:
    case ReportSheet::Recommendations:
    case ReportSheet::ExtendedDataSheet:
      break;
  }
  return {};
}

// What a sheet prints: the work area, sums and exam slots of the current
// state, and the marks of every check the sheet ran.
struct SheetState {
  rules::RuleWorkArea Area;
  rules::CheckResultList Marks;
  rules::BlockResult Blocks;
  rules::ExamSlots Slots{};
  bool BlocksComputed = false;
  std::optional<rules::RecommendationOutcome> Recommendations;
};

bool Computes(const std::vector<S>& steps) {
  return std::any_of(steps.begin(), steps.end(),
                     [](S s) { return s == S::BlocksWithChecks || s == S::BlocksWithoutChecks; });
}

SheetState Evaluate(const rules::RuleContext& ctx, const core::StudentTable& table, size_t index,
                    ReportSheet sheet) {
  SheetState out;
  if (sheet == ReportSheet::Recommendations) {
    out.Recommendations = rules::RunRecommendations(ctx, table, index);
    out.Marks = out.Recommendations->List;
    out.Area = out.Recommendations->AreaCurrent;
    out.Blocks = out.Recommendations->Current;
    out.Slots = out.Recommendations->Slots;
    out.BlocksComputed = true;
    return out;
  }
  const std::vector<S> steps = StepsOf(sheet);
  rules::RulesState state;
  rules::PrepareWorkArea(table, index, ctx.Catalogue, state.Area, state.Results);
  if (sheet == ReportSheet::ExtendedDataSheet) {
    // The extended data sheet computes the blocks itself, without checks.
    rules::ComputeBlocks(ctx, state.Area, state.Results, state.Blocks, false);
    out.BlocksComputed = true;
  }
  // The admission sheets print the current state: the best-case pass
  // decides, but its assumed exam marks are not the student's.
  const auto best = std::find(steps.begin(), steps.end(), S::BestCase);
  rules::RulesState printed = state;
  rules::RunSteps(ctx, state, steps);
  if (best != steps.end()) {
    rules::RunSteps(ctx, printed, std::vector<S>(steps.begin(), best));
  } else {
    printed = state;
  }
  out.Marks = state.Results;
  out.Area = printed.Area;
  out.Blocks = printed.Blocks;
  out.Slots = printed.Slots;
  out.BlocksComputed = out.BlocksComputed || Computes(steps);
  if (out.Slots[1].Subject == 0 && out.Slots[2].Subject == 0 && out.Slots[3].Subject == 0 &&
      out.Slots[4].Subject == 0) {
    rules::BuildExamSlots(ctx, out.Area, out.Slots);
  }
  return out;
}

SheetFrame FrameOf(const ReportSources& sources) {
  SheetFrame frame;
  frame.SchoolName = sources.School.SchoolName;
  frame.ShortName = sources.School.ShortName;
  frame.PrintDate = sources.PrintDate.empty() ? TodayShortDate() : sources.PrintDate;
  frame.Program = ProgramIdentification();
  frame.Frame = sources.Print.FrameOption == 1;
  return frame;
}

std::string ResultString(const rules::ResultTexts& texts, int column) {
  return texts[static_cast<size_t>(column)][rules::kRowTotal] + " Punkte, Note " +
         texts[static_cast<size_t>(column)][rules::kRowGrade];
}

struct SheetInput {
  SheetRow Row;
  core::StudentRecord Student;
  SheetState State;
  rules::CheckItemTable Items;
  settings::SubjectCatalogue Catalogue;
  settings::ExamSettings Exam;
  SheetFrame Frame;
  PageMargin Margin;
  bool Compensated = false;
};

void DrawSheet(const SheetInput& in, PrintCanvas& canvas) {
  PagePrinter printer(canvas, in.Compensated);
  const auto [dx, dy] = printer.PageOrigin(in.Margin);
  SheetPage page{printer, dx, dy};
  const SheetRow& row = in.Row;
  const SheetState& st = in.State;
  const core::StudentRecord& student = in.Student;
  DrawHeader(page, in.Frame, row.Title1, row.Title2, true);
  DrawPerson(page, student);
  DrawIdentificationBox(page, student);

  const std::vector<int> errors = ErrorItems(in.Items, st.Marks);
  const bool passed = errors.empty();
  const std::vector<CourseRow> courses = CourseRows(st.Area, in.Catalogue);
  const std::vector<ExamRow> exams = ExamRows(st.Area, st.Slots, in.Catalogue);
  uint16_t y = 0;
  const ReportSheet sheet = row.Sheet;
  switch (sheet) {
    case ReportSheet::DataSheet:
      y = 600;
      DrawCourseTable(page, courses, false, y);
      break;
    case ReportSheet::Prerequisites:
      y = 600;
      DrawCourseTable(page, courses, false, y);
      y = static_cast<uint16_t>(y + 100);
      DrawErrorBlock(page, in.Items, errors, row.ErrorLimit, y);
      break;
    case ReportSheet::Recommendations: {
      const rules::RecommendationOutcome& r = *st.Recommendations;
      y = 550;
      DrawExamTable(page, exams, true, ExamHeading::Results, kLeftColumn, y);
      uint16_t right = 550;
      DrawSpecialWork(page, st.Area, kRightColumn, right);
      DrawBlockSums(page, r.Current, kRightColumn, right);
      y = std::max(y, right);
      DrawErrorBlock(page, in.Items, errors, row.ErrorLimit, y);
      DrawRecommendationBlock(page, r.Flags, y);
      uint16_t calc = y;
      DrawExamTable(page, ExamRows(r.AreaProjected, r.SlotsProjected, in.Catalogue), true,
                    ExamHeading::Calculated, kLeftColumn, calc);
      right = y;
      DrawBlockSums(page, r.Projected, kRightColumn, right);
      y = std::max(calc, right);
      DrawDecision(page, 10, true, student, ResultString(r.Texts, rules::kColumnProjected), y);
      uint16_t best = y;
      DrawExamTable(page, ExamRows(r.AreaBest, r.SlotsBest, in.Catalogue), true, ExamHeading::Best,
                    kLeftColumn, best);
      // The long heading of the best case reaches into the right column.
      right = static_cast<uint16_t>(y + 70);
      DrawBlockSums(page, r.Best, kRightColumn, right);
      y = std::max(best, right);
      DrawDecision(page, 11, r.Best.BlockIII >= in.Exam.BlockIIIMin, student,
                   ResultString(r.Texts, rules::kColumnBest), y);
      break;
    }
    default: {
      // Course table on the left, exam table on the right from the same
      // start; the sheet goes on below the lower of the two.
      y = 500;
      uint16_t right = y;
      const bool blocks = st.BlocksComputed && sheet != ReportSheet::ExamSubjects &&
                          sheet != ReportSheet::Registration;
      DrawCourseTable(page, courses, blocks, y);
      if (blocks) DrawLegend(page, y);
      DrawExamTable(page, exams, blocks, ExamHeading::Results, kRightColumn, right);
      if (blocks) DrawSpecialWork(page, st.Area, kRightColumn, right);
      if (blocks && sheet != ReportSheet::Optimisation) {
        DrawBlockSums(page, st.Blocks, kRightColumn, right);
      }
      y = std::max(y, right);
      DrawErrorBlock(page, in.Items, errors, row.ErrorLimit, y);
      if (sheet == ReportSheet::Registration) DrawApplication(page, y);
      break;
    }
  }
  if (row.Decision != 0 && sheet != ReportSheet::Recommendations) {
    DrawDecision(page, row.Decision, passed, student, "", y);
    if (sheet == ReportSheet::ExamResult && passed) {
      DrawGradeLine(page,
                    rules::FormatGrade(rules::GradeTenthsFromPoints(st.Blocks.Total, in.Exam)), y);
    }
  }
  DrawSignature(page, row.Signature);
  DrawFooter(page, in.Frame);
}

}  // namespace

const std::vector<ReportSheet>& ReportSheets() {
  static const std::vector<ReportSheet> sheets = [] {
    std::vector<ReportSheet> all;
    for (const SheetRow& row : kRows) all.push_back(row.Sheet);
    return all;
  }();
  return sheets;
}

const std::vector<ReportSheet>& AllStudentsSheets() {
  static const std::vector<ReportSheet> sheets = {
      ReportSheet::DataSheet,        ReportSheet::Prerequisites, ReportSheet::ExamSubjects,
      ReportSheet::Achievement,      ReportSheet::Registration,  ReportSheet::Optimisation,
      ReportSheet::WrittenAdmission, ReportSheet::OralAdmission, ReportSheet::Recommendations,
      ReportSheet::ExamResult};
  return sheets;
}

const char* ReportSheetName(ReportSheet sheet) { return RowOf(sheet).Name; }

std::optional<ReportSheet> ReportSheetNamed(std::string_view name) {
  for (const SheetRow& row : kRows) {
    if (name == row.Name) return row.Sheet;
  }
  return std::nullopt;
}

std::string ReportSheetCaption(ReportSheet sheet, bool for_all) {
  const SheetRow& row = RowOf(sheet);
  return for_all && row.AllCaption != nullptr ? row.AllCaption : row.Caption;
}

std::string ReportSheetQuestion(ReportSheet sheet, const core::StudentRecord& student) {
  return RowOf(sheet).Question + student.Surname + " " + student.GivenNames;
}

std::string AllStudentsMenuCaption() { return "für ALLE  (akt. Schüler bis Lücke)"; }

std::string AllStudentsNothingMessage() {
  return "Der aktuelle Platz ist frei: es wurde nichts gedruckt.";
}

bool IsFreeSlot(const core::StudentRecord& student) {
  return student.Surname.empty() || student.Surname == core::kFreeSlot;
}

PrintSheet BuildReportSheet(const ReportSources& sources, const core::StudentTable& table,
                            size_t index, ReportSheet sheet) {
  const rules::RuleContext ctx{sources.Catalogue, sources.Exam, sources.General};
  auto input = std::make_shared<SheetInput>();
  input->Row = RowOf(sheet);
  input->Student = table.At(index);
  input->State = Evaluate(ctx, table, index, sheet);
  input->Items = rules::BuildCheckItemTable(sources.Exam);
  input->Catalogue = sources.Catalogue;
  input->Exam = sources.Exam;
  input->Frame = FrameOf(sources);
  input->Margin = {sources.Print.Margins[MarginIndex(margin_row::kInternalForms, 1, false)],
                   sources.Print.Margins[MarginIndex(margin_row::kInternalForms, 1, true)]};
  input->Compensated = sources.Print.CompensatedFonts == 1;
  PrintSheet out;
  out.Format = kA4Portrait;
  out.Draw = [input](PrintCanvas& canvas) { DrawSheet(*input, canvas); };
  return out;
}

PrintDocument BuildReportDocument(const ReportSources& sources, const core::StudentTable& table,
                                  size_t index, ReportSheet sheet) {
  PrintDocument document;
  document.Title = RowOf(sheet).Caption;
  document.Sheets.push_back(BuildReportSheet(sources, table, index, sheet));
  return document;
}

std::vector<size_t> SlotsUpToGap(const core::StudentTable& table, size_t first) {
  std::vector<size_t> slots;
  for (size_t i = first; i < core::kSlotCount; ++i) {
    if (IsFreeSlot(table.At(i))) break;
    slots.push_back(i);
  }
  return slots;
}

namespace {

void AppendSafe(std::string& out, const std::string& text) {
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
        u == '_') {
      out += c;
      continue;
    }
    switch (u) {  // Windows-1252
      case 0xE4:
        out += "ae";
        break;
      case 0xF6:
        out += "oe";
        break;
      case 0xFC:
        out += "ue";
        break;
      case 0xC4:
        out += "Ae";
        break;
      case 0xD6:
        out += "Oe";
        break;
      case 0xDC:
        out += "Ue";
        break;
      case 0xDF:
        out += "ss";
        break;
      default:
        out += '_';
    }
  }
}

}  // namespace

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string StudentPdfName(const core::StudentRecord& student, size_t slot) {
  std::string name;
  if (Trimmed(student.StudentId).empty()) {
    char number[8];
    std::snprintf(number, sizeof number, "%02u", static_cast<unsigned>(slot % 100));
    name = number;
  } else {
    AppendSafe(name, Trimmed(student.StudentId));
  }
  name += "-";
  AppendSafe(name, Trimmed(student.Surname));
  return name + ".pdf";
}

PrintDocument BuildAllStudentsDocument(const ReportSources& sources,
                                       const core::StudentTable& table, size_t first,
                                       ReportSheet sheet) {
  PrintDocument document;
  document.Title = RowOf(sheet).Caption;
  for (size_t index : SlotsUpToGap(table, first)) {
    document.Sheets.push_back(BuildReportSheet(sources, table, index, sheet));
  }
  return document;
}

}  // namespace tolka::print
