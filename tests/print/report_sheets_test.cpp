// The report sheets and the statistics on the recording canvas: the running
// position from block to block, the error and recommendation limits, every
// decision kind, the title position, "für ALLE" and the statistics over a
// table with free slots.
#include "print/report_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/record_texts.h"
#include "print/recording_canvas.h"
#include "print/report_statistics.h"
#include "rules/pipeline_students.h"
#include "rules/pipelines.h"
#include "rules/work_area.h"
#include "settings/general_settings.h"

namespace tolka::print {
namespace {

using rules::testing::CleanStudent;
using Kind = RecordedPrimitive::Kind;

class ReportSheetTest : public ::testing::Test {
 protected:
  ReportSheetTest() {
    settings::ResetSubjectCatalogue(catalogue);
    settings::ResetExamSettings(exam);
    general = settings::DefaultGeneralSettings();
    ResetPrintSettings(print);
    // Page origin (0, 0): positions read as the layout's own.
    print.Margins[MarginIndex(margin_row::kInternalForms, 1, false)] = 0;
    print.Margins[MarginIndex(margin_row::kInternalForms, 1, true)] = 0;
    school.SchoolName = "Gymnasium am See";
    school.ShortName = "GaS";
    items = rules::BuildCheckItemTable(exam);
  }
  ReportSources Sources() const { return {catalogue, exam, general, print, school, "08.12.2026"}; }
  RecordingCanvas Draw(const PrintDocument& document) {
    RecordingCanvas canvas;
    RecordDocument(document, canvas);
    return canvas;
  }
  RecordingCanvas DrawSheet(const core::StudentTable& table, size_t index, ReportSheet sheet) {
    return Draw(BuildReportDocument(Sources(), table, index, sheet));
  }
  // A page of blocks drawn directly, origin (0, 0).
  struct Page {
    RecordingCanvas Canvas;
    PagePrinter Printer{Canvas, false};
    SheetPage Sheet{Printer, 0, 0};
  };

  settings::SubjectCatalogue catalogue;
  settings::ExamSettings exam;
  settings::GeneralSettings general;
  PrintSettings print;
  settings::SchoolData school;
  rules::CheckItemTable items;
};

TEST_F(ReportSheetTest, NamesCaptionsAndQuestions) {
  EXPECT_EQ(ReportSheets().size(), 11u);
  EXPECT_EQ(AllStudentsSheets().size(), 10u);
  EXPECT_EQ(ReportSheetNamed("data-sheet"), ReportSheet::DataSheet);
  EXPECT_EQ(ReportSheetNamed("exam-result-sheet"), ReportSheet::ExamResult);
  EXPECT_EQ(ReportSheetNamed("extended-data-sheet"), ReportSheet::ExtendedDataSheet);
  EXPECT_FALSE(ReportSheetNamed("statistics"));
  EXPECT_FALSE(ReportSheetNamed("abitur-certificate"));
  for (ReportSheet sheet : ReportSheets()) {
    EXPECT_EQ(ReportSheetNamed(ReportSheetName(sheet)), sheet);
  }
  EXPECT_EQ(ReportSheetCaption(ReportSheet::Prerequisites, true),
            "Voraussetzung für Zulassung zur Prüfung");
  EXPECT_EQ(ReportSheetCaption(ReportSheet::Prerequisites, false),
            "Voraussetzungen für Prüfungszulassung");
  EXPECT_EQ(AllStudentsMenuCaption(), "für ALLE  (akt. Schüler bis Lücke)");
  core::StudentRecord s;
  s.Surname = "Becker";
  s.GivenNames = "Lena";
  EXPECT_EQ(ReportSheetQuestion(ReportSheet::DataSheet, s),
            "Ausdruck eines Schüler-Datenblattes für:\rBecker Lena");
  EXPECT_EQ(ReportSheetQuestion(ReportSheet::ExamResult, s),
            "Ausdruck des Formblattes:\r\"Endergebnis der Abitur-Prüfung\" für:\rBecker Lena");
}

TEST_F(ReportSheetTest, DataSheetHeaderPersonBoxAndFooter) {
  const core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::DataSheet);
  // Titles beside the identification box are centred on x 550 (the box
  // starts at x 1050; centred on 1100 they would run into it).
  const RecordedPrimitive* title = canvas.FindText("Datenblatt");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->X, 550);
  EXPECT_EQ(title->Y, 200);
  EXPECT_EQ(title->Align, TextAlign::Centre);
  EXPECT_EQ(title->Font.Number, 20);
  const RecordedPrimitive* school_name = canvas.FindText("Gymnasium am See");
  ASSERT_NE(school_name, nullptr);
  EXPECT_EQ(school_name->X, 80);
  EXPECT_EQ(school_name->Y, 100);
  const RecordedPrimitive* person = canvas.FindText("Frau  Anna Muster");
  ASSERT_NE(person, nullptr);
  EXPECT_EQ(person->Y, 330);
  EXPECT_EQ(person->Font.Number, 22);
  const RecordedPrimitive* footer = canvas.FindText("GaS (08.12.2026)");
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->X, 100);
  EXPECT_EQ(footer->Y, 2690);
  EXPECT_NE(canvas.FindText("Tolka 3.1"), nullptr);
  // Signature kind 1: caption, two labels in the first and third column.
  EXPECT_NE(canvas.FindText("Ausdruck sachlich richtig"), nullptr);
  const RecordedPrimitive* student_label = canvas.FindText("SchülerIn");
  ASSERT_NE(student_label, nullptr);
  EXPECT_EQ(student_label->X, 1150);
  EXPECT_EQ(canvas.FindText("Vors. d. Prüfungskommission"), nullptr);
  // The data sheet has no error block and no decision.
  EXPECT_EQ(canvas.FindText("festgestellte Fehler"), nullptr);
  EXPECT_EQ(canvas.FindText("Ergebnisfeststellung"), nullptr);
  // The course table starts at 600 and leaves the block columns empty.
  const RecordedPrimitive* heading = canvas.FindText("Semesterergebnisse");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->Y, 600);
}

TEST_F(ReportSheetTest, PageOriginIsTheInternalFormsMargin) {
  print.Margins[MarginIndex(margin_row::kInternalForms, 1, false)] = 120;
  print.Margins[MarginIndex(margin_row::kInternalForms, 1, true)] = 90;
  const core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::DataSheet);
  const RecordedPrimitive* footer = canvas.FindText("GaS (08.12.2026)");
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->X, 220);
  EXPECT_EQ(footer->Y, 2780);
}

TEST_F(ReportSheetTest, StatisticsTitlesKeepTheCentreWithoutBox) {
  core::StudentTable table;
  const RecordingCanvas canvas = Draw(BuildStatisticsDocument(Sources(), table));
  const RecordedPrimitive* title = canvas.FindText("Gesamtergebnis der");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->X, 1100);
  EXPECT_EQ(canvas.FindAll("Gesamtergebnis der").size(), 2u);  // one per page
}

TEST_F(ReportSheetTest, SideBySideTablesContinueBelowTheLowerOne) {
  // Two courses on the left (short), four exam subjects on the right
  // (longer): the sheet goes on below the exam table.
  Page short_left;
  std::vector<CourseRow> courses(2);
  courses[0].Subject = "Mathematik";
  courses[1].Subject = "Deutsch";
  std::vector<ExamRow> exams(4);
  for (auto& e : exams) e.Subject = "Fach";
  uint16_t left = 500;
  uint16_t right = 500;
  DrawCourseTable(short_left.Sheet, courses, true, left);
  DrawExamTable(short_left.Sheet, exams, true, ExamHeading::Results, kRightColumn, right);
  EXPECT_GT(right, left);
  // Each row is one line further down.
  uint16_t more = 500;
  std::vector<ExamRow> five = exams;
  five.push_back(exams[0]);
  Page other;
  DrawExamTable(other.Sheet, five, true, ExamHeading::Results, kRightColumn, more);
  EXPECT_EQ(more - right, 45);

  // On a real sheet: the error heading lies below every table primitive.
  const core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::ExamResult);
  const RecordedPrimitive* errors = canvas.FindText("festgestellte Fehler");
  ASSERT_NE(errors, nullptr);
  const RecordedPrimitive* column_sums = nullptr;
  const auto all_sums = canvas.FindAll("     Spaltensummen:");  // kept: pointers into it
  for (const RecordedPrimitive& p : all_sums) {
    if (column_sums == nullptr || p.Y > column_sums->Y) column_sums = &p;
  }
  ASSERT_NE(column_sums, nullptr);
  const RecordedPrimitive* sums = canvas.FindText(" Gesamtpunktzahl");
  ASSERT_NE(sums, nullptr);
  EXPECT_GT(errors->Y, column_sums->Y + 50);
  EXPECT_GT(errors->Y, sums->Y + 50);
  // The exam table starts at the course table's start, to its right.
  const RecordedPrimitive* semester = canvas.FindText("Semesterergebnisse");
  const RecordedPrimitive* exam_heading = canvas.FindText("Prüfungsergebnisse");
  ASSERT_NE(semester, nullptr);
  ASSERT_NE(exam_heading, nullptr);
  EXPECT_EQ(semester->Y, 500);
  EXPECT_EQ(exam_heading->Y, 500);
  EXPECT_EQ(exam_heading->X, kRightColumn);
}

TEST_F(ReportSheetTest, ErrorBlockPrintsTenLabelledLinesAndOnlyNumbersForEleven) {
  std::vector<int> ten = {1, 2, 3, 4, 5, 10, 11, 12, 13, 14};
  Page page;
  uint16_t y = 1000;
  DrawErrorBlock(page.Sheet, items, ten, 10, y);
  const RecordedPrimitive* first = page.Canvas.FindText("[1] " + items[1].Label);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Y, 1045);
  EXPECT_EQ(first->Font.Number, 13);
  EXPECT_NE(page.Canvas.FindText("[14] " + items[14].Label), nullptr);
  EXPECT_EQ(y, 1000 + 10 * 45 + 70);

  std::vector<int> eleven = ten;
  eleven.push_back(15);
  Page many;
  uint16_t y2 = 1000;
  DrawErrorBlock(many.Sheet, items, eleven, 10, y2);
  const RecordedPrimitive* count = many.Canvas.FindText("Es sind 11 Fehler aufgetreten!");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->Font.Number, 14);
  EXPECT_EQ(many.Canvas.FindText("[1] " + items[1].Label), nullptr);
  EXPECT_NE(many.Canvas.FindText("[1], [2], [3], [4], [5], [10], [11], [12], [13], [14], [15], "),
            nullptr);
  // The limit of 6 of the later sheets.
  Page six;
  uint16_t y3 = 1000;
  DrawErrorBlock(six.Sheet, items, {1, 2, 3, 4, 5, 10, 11}, 6, y3);
  EXPECT_NE(six.Canvas.FindText("Es sind 7 Fehler aufgetreten!"), nullptr);
}

TEST_F(ReportSheetTest, ErrorItemsCountByClass) {
  rules::CheckResultList marks;
  marks.Raise(42);   // a hint item raised by the block computation
  marks.Raise(48);   // hint item
  marks.Note(10);    // an error item noted
  marks.Raise(111);  // error item
  EXPECT_EQ(ErrorItems(items, marks), (std::vector<int>{10, 111}));
  rules::CheckResultList hints_only;
  hints_only.Raise(42);
  hints_only.Raise(50);
  EXPECT_TRUE(ErrorItems(items, hints_only).empty());
}

TEST_F(ReportSheetTest, RaisedHintItemNeverTurnsTheDecisionIntoNicht) {
  // A clean student with one credited course more in Block I: item 42
  // (too many courses) is raised, but it is a hint; the exam is passed.
  core::StudentRecord student = CleanStudent(catalogue);
  const size_t row = rules::testing::RowOf(student, "Physik");
  ASSERT_LT(row, core::kCourseRowCount);
  student.CourseResults[row].Credited = {1, 1, 1, 0};
  const core::StudentTable table = rules::testing::TableWith(catalogue, student);
  rules::RulesState state;
  rules::PrepareWorkArea(table, 0, catalogue, state.Area, state.Results);
  const rules::RuleContext ctx{catalogue, exam, general};
  rules::RunSteps(ctx, state, rules::ExamResultSteps());
  ASSERT_TRUE(state.Results.IsRaised(42));  // the case the mend is about
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::ExamResult);
  EXPECT_EQ(canvas.FindText("[42] " + items[42].Label), nullptr);
  for (const auto& t : canvas.Texts()) {
    if (t.Text.rfind("[", 0) == 0) ADD_FAILURE() << t.Text;
  }
  EXPECT_NE(canvas.FindText("Anna Muster hat die Abiturprüfung BESTANDEN!"), nullptr);
}

TEST_F(ReportSheetTest, ExamResultOfACleanStudentPassesWithTheGrade) {
  const core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::ExamResult);
  EXPECT_NE(canvas.FindText("Anna Muster hat die Abiturprüfung BESTANDEN!"), nullptr);
  const RecordedPrimitive* grade = canvas.FindText("erreichte Abitur-Note: 2,3");
  ASSERT_NE(grade, nullptr);
  const RecordedPrimitive* decision =
      canvas.FindText("Anna Muster hat die Abiturprüfung BESTANDEN!");
  EXPECT_GT(grade->Y, decision->Y);
  // Block sums of the clean student: 202, 148, 210, 560.
  EXPECT_NE(canvas.FindText("560"), nullptr);
  EXPECT_NE(canvas.FindText("202"), nullptr);
  // Signature kind 5: no caption, three labels.
  EXPECT_EQ(canvas.FindText("Ausdruck sachlich richtig"), nullptr);
  EXPECT_NE(canvas.FindText("Vors. d. Prüfungskommission"), nullptr);
}

TEST_F(ReportSheetTest, ExamResultWithAnErrorFailsWithoutGrade) {
  core::StudentRecord student = CleanStudent(catalogue);
  const size_t row = rules::testing::RowOf(student, "Mathematik");
  student.CourseResults[row].WrittenExamPoints = "--";  // exam mark missing
  const core::StudentTable table = rules::testing::TableWith(catalogue, student);
  const RecordingCanvas canvas = DrawSheet(table, 0, ReportSheet::ExamResult);
  EXPECT_NE(canvas.FindText("Anna Muster hat die Abiturprüfung NICHT bestanden!"), nullptr);
  bool grade = false;
  for (const auto& t : canvas.Texts()) grade |= t.Text.rfind("erreichte Abitur-Note", 0) == 0;
  EXPECT_FALSE(grade);
  // The missing mark prints as "--", never as the internal -1000.
  for (const auto& t : canvas.Texts()) EXPECT_EQ(t.Text.find("-1000"), std::string::npos);
}

TEST_F(ReportSheetTest, DecisionSentencesOfEveryKind) {
  core::StudentRecord s;
  s.GivenNames = "Lena";
  s.Surname = "Becker";
  EXPECT_EQ(DecisionText(1, true, s, ""),
            "Die Voraussetzungen (nach dem 3. Semester) für die Zulassung zur Abiturprüfung sind "
            "erfüllt!");
  EXPECT_EQ(DecisionText(1, false, s, ""),
            "Die Voraussetzungen (nach dem 3. Semester) für die Zulassung zur Abiturprüfung sind "
            "NICHT erfüllt!");
  EXPECT_EQ(DecisionText(2, true, s, ""),
            "Die Auswahl der Prüfungsfächer erfolgte verordnungsgemäß!");
  EXPECT_EQ(DecisionText(2, false, s, ""),
            "Die Auswahl der Prüfungsfächer erfolgte NICHT verordnungsgemäß!");
  EXPECT_EQ(DecisionText(3, true, s, ""),
            "Lena Becker ist zu den (schriftl.) Prüfungen ZUGELASSEN!");
  EXPECT_EQ(DecisionText(3, false, s, ""),
            "Lena Becker ist zu den (schriftl.) Prüfungen NICHT zugelassen!");
  EXPECT_EQ(DecisionText(4, true, s, ""),
            "Lena Becker ist zu den mündlichen Prüfungen ZUGELASSEN!");
  EXPECT_EQ(DecisionText(4, false, s, ""),
            "Lena Becker ist zu den mündlichen Prüfungen NICHT (weiter) zugelassen!");
  EXPECT_EQ(DecisionText(5, true, s, ""), "Lena Becker hat die Abiturprüfung BESTANDEN!");
  EXPECT_EQ(DecisionText(5, false, s, ""), "Lena Becker hat die Abiturprüfung NICHT bestanden!");
  EXPECT_EQ(DecisionText(10, true, s, "560"), "kalkuliertes Abiturergebnis: 560");
  EXPECT_EQ(DecisionText(10, false, s, "560"), "kalkuliertes Abiturergebnis: 560");
  EXPECT_EQ(DecisionText(11, true, s, "600"), "bestes - noch erreichbares - Abiturergebnis: 600");
  EXPECT_EQ(DecisionText(11, false, s, "600"), "Bestehen des Abiturs NICHT mehr möglich!");
  EXPECT_EQ(DecisionText(-1, true, s, ""), "Es wurde kein besonderes Ergebnis festgelegt!");
  EXPECT_EQ(DecisionText(7, false, s, ""), "Es wurde kein besonderes Ergebnis festgelegt!");
}

TEST_F(ReportSheetTest, DecisionBlockAdvancesByKind) {
  core::StudentRecord s;
  s.GivenNames = "Lena";
  s.Surname = "Becker";
  Page a;
  uint16_t y = 1000;
  DrawDecision(a.Sheet, 5, true, s, "", y);
  EXPECT_EQ(y, 1150);
  EXPECT_NE(a.Canvas.FindText("Ergebnisfeststellung"), nullptr);
  const RecordedPrimitive* sentence =
      a.Canvas.FindText("Lena Becker hat die Abiturprüfung BESTANDEN!");
  ASSERT_NE(sentence, nullptr);
  EXPECT_EQ(sentence->X, 50);
  EXPECT_EQ(sentence->Font.Number, 2);
  Page b;
  uint16_t y2 = 1000;
  DrawDecision(b.Sheet, 10, true, s, "1", y2);
  EXPECT_EQ(y2, 1100);
  EXPECT_EQ(b.Canvas.FindText("Ergebnisfeststellung"), nullptr);
}

TEST_F(ReportSheetTest, RecommendationBlockLimitIsFifteen) {
  rules::RecommendationFlags flags{};
  for (int n = 1; n <= 15; ++n) flags[static_cast<size_t>(n)] = 1;
  flags[9] = 14;
  Page page;
  uint16_t y = 1000;
  DrawRecommendationBlock(page.Sheet, flags, y);
  EXPECT_EQ(y, 1000 + 15 * 45 + 70);
  bool points = false;
  for (const auto& t : page.Canvas.Texts()) {
    points |= t.Text.rfind("[9] ", 0) == 0 && t.Text.find("14 Punkt(en).") != std::string::npos;
  }
  EXPECT_TRUE(points);
  flags[16] = 1;
  Page many;
  uint16_t y2 = 1000;
  DrawRecommendationBlock(many.Sheet, flags, y2);
  EXPECT_NE(many.Canvas.FindText("Es könnten 16 Empfehlungen gegeben werden."), nullptr);
}

TEST_F(ReportSheetTest, RecommendationSheetDecidesTheBestCaseByBlockThree) {
  // The clean student can still pass: the best case reaches BlockIIIMin.
  const core::StudentTable clean = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const RecordingCanvas good = DrawSheet(clean, 0, ReportSheet::Recommendations);
  bool best = false;
  for (const auto& t : good.Texts()) {
    best |= t.Text.rfind("bestes - noch erreichbares - Abiturergebnis: ", 0) == 0;
  }
  EXPECT_TRUE(best);
  EXPECT_EQ(good.FindText("Bestehen des Abiturs NICHT mehr möglich!"), nullptr);
  // Every exam taken with 00 points: nothing is left to assume, Block III
  // stays below its minimum.
  core::StudentRecord weak = CleanStudent(catalogue);
  for (const char* subject : {"Mathematik", "Englisch", "Deutsch", "Geschichte"}) {
    core::CourseResult& result = weak.CourseResults[rules::testing::RowOf(weak, subject)];
    result.WrittenExamPoints = "00";
    result.OralExamPoints = "00";
  }
  const core::StudentTable table = rules::testing::TableWith(catalogue, weak);
  const RecordingCanvas bad = DrawSheet(table, 0, ReportSheet::Recommendations);
  EXPECT_NE(bad.FindText("Bestehen des Abiturs NICHT mehr möglich!"), nullptr);
  // Three block-sum tables: current, calculated, best.
  EXPECT_EQ(bad.FindAll("Blocksummen").size(), 3u);
}

TEST_F(ReportSheetTest, StudentWithoutExamSubjectPrintsHeaderAndSumsOnly) {
  Page page;
  uint16_t y = 500;
  DrawExamTable(page.Sheet, {}, true, ExamHeading::Results, kRightColumn, y);
  EXPECT_NE(page.Canvas.FindText("Fach/Kurs"), nullptr);
  const RecordedPrimitive* sums = page.Canvas.FindText("     Spaltensummen:");
  ASSERT_NE(sums, nullptr);
  EXPECT_EQ(sums->Y, 500 + 20 + 80 + 10 + 45 + 10);
  EXPECT_EQ(page.Canvas.FindAll("0").size(), 2u);  // the two value sums
}

TEST_F(ReportSheetTest, EverySheetDrawsWithItsTitles) {
  const core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  const std::pair<ReportSheet, const char*> titles[] = {
      {ReportSheet::Prerequisites, "Voraussetzung zur"},
      {ReportSheet::ExamSubjects, "Wahl der"},
      {ReportSheet::Registration, "Anmeldung zur Abiturprüfung"},
      {ReportSheet::Optimisation, "Optimierte Auswahl der Kurse"},
      {ReportSheet::Achievement, "Leistungsstand nach"},
      {ReportSheet::WrittenAdmission, "Zulassung zur (schriftlichen)"},
      {ReportSheet::OralAdmission, "Zulassung zu den"},
      {ReportSheet::Recommendations, "Empfehlungen zu den"},
      {ReportSheet::ExtendedDataSheet, "Erweitertes Datenblatt"},
  };
  for (const auto& [sheet, title] : titles) {
    const RecordingCanvas canvas = DrawSheet(table, 0, sheet);
    const RecordedPrimitive* t = canvas.FindText(title);
    ASSERT_NE(t, nullptr) << title;
    EXPECT_EQ(t->X, 550) << title;
  }
  // The sentence is wrapped at 80 characters.
  const RecordingCanvas prerequisites = DrawSheet(table, 0, ReportSheet::Prerequisites);
  const RecordedPrimitive* line1 = prerequisites.FindText(
      "Die Voraussetzungen (nach dem 3. Semester) für die Zulassung zur Abiturprüfung ");
  const RecordedPrimitive* line2 = prerequisites.FindText("sind erfüllt!");
  ASSERT_NE(line1, nullptr);
  ASSERT_NE(line2, nullptr);
  EXPECT_EQ(line2->Y, line1->Y + 45);
  EXPECT_NE(DrawSheet(table, 0, ReportSheet::Registration).FindText("Antragstellung:"), nullptr);
  EXPECT_NE(DrawSheet(table, 0, ReportSheet::WrittenAdmission)
                .FindText("Anna Muster ist zu den (schriftl.) Prüfungen ZUGELASSEN!"),
            nullptr);
  EXPECT_NE(DrawSheet(table, 0, ReportSheet::ExtendedDataSheet)
                .FindText("Es wurde kein besonderes Ergebnis festgelegt!"),
            nullptr);
  const RecordingCanvas recommendations = DrawSheet(table, 0, ReportSheet::Recommendations);
  EXPECT_NE(recommendations.FindText("kalkulierte Prüfungsergebnisse"), nullptr);
  EXPECT_NE(recommendations.FindText("beste - noch erreichbare - Prüfungsergebnisse"), nullptr);
}

TEST_F(ReportSheetTest, ChecksLeaveTheTableAlone) {
  const core::StudentTable table =
      rules::testing::TableWith(catalogue, rules::testing::UncreditedStudent(catalogue));
  const core::StudentTable before = table;
  DrawSheet(table, 0, ReportSheet::Optimisation);
  EXPECT_EQ(table.At(0).CourseResults[0].Credited, before.At(0).CourseResults[0].Credited);
}

TEST_F(ReportSheetTest, AllStudentsStopAtTheGap) {
  core::StudentTable table = rules::testing::TableWith(catalogue, CleanStudent(catalogue), 0);
  table.At(1) = CleanStudent(catalogue);
  table.At(3) = CleanStudent(catalogue);  // after the gap at 2
  EXPECT_EQ(SlotsUpToGap(table, 0), (std::vector<size_t>{0, 1}));
  EXPECT_TRUE(SlotsUpToGap(table, 2).empty());
  EXPECT_EQ(SlotsUpToGap(table, 3), (std::vector<size_t>{3}));
  table.At(1).Surname.clear();  // an empty surname is a gap too
  EXPECT_EQ(SlotsUpToGap(table, 0), (std::vector<size_t>{0}));
  const PrintDocument none = BuildAllStudentsDocument(Sources(), table, 2, ReportSheet::DataSheet);
  EXPECT_TRUE(none.Sheets.empty());
  table.At(1) = CleanStudent(catalogue);
  table.At(1).Surname = "Zweite";
  const RecordingCanvas canvas =
      Draw(BuildAllStudentsDocument(Sources(), table, 0, ReportSheet::DataSheet));
  const RecordedPrimitive* second = canvas.FindText("Frau  Anna Zweite");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Sheet, 1u);
}

TEST_F(ReportSheetTest, PdfNamesAreSafe) {
  core::StudentRecord s;
  s.StudentId = "07";
  s.Surname = "M\xFCller";
  EXPECT_EQ(StudentPdfName(s, 6), "07-Mueller.pdf");
  s.StudentId = "  ";
  s.Surname = "Gro\xDF/Weiss ";
  EXPECT_EQ(StudentPdfName(s, 4), "04-Gross_Weiss.pdf");
  s.StudentId = "../1";
  EXPECT_EQ(StudentPdfName(s, 4), "___1-Gross_Weiss.pdf");
}

TEST_F(ReportSheetTest, StatisticsOverATableWithFreeSlots) {
  core::StudentTable table;
  for (size_t i = 0; i < core::kSlotCount; ++i) table.At(i).Surname = core::kFreeSlot;
  table.At(0) = CleanStudent(catalogue);  // female, 560, 2,3
  core::StudentRecord male = CleanStudent(catalogue);
  male.Salutation = 2;
  male.Surname = "Mann";
  table.At(2) = male;
  core::StudentRecord failing = CleanStudent(catalogue);
  failing.Surname = "Fehler";
  failing.CourseResults[rules::testing::RowOf(failing, "Mathematik")].WrittenExamPoints = "--";
  table.At(5) = failing;
  core::StudentRecord long_name = CleanStudent(catalogue);
  long_name.Surname = std::string(30, 'S');
  long_name.GivenNames = std::string(30, 'G');
  table.At(7) = long_name;

  const ExamStatistics stats = CollectStatistics(Sources(), table);
  ASSERT_EQ(stats.Lines.size(), 4u);
  EXPECT_EQ(stats.Lines[0].Slot, 0u);
  EXPECT_EQ(stats.Lines[1].Slot, 2u);
  EXPECT_EQ(stats.Lines[0].Name, "Muster, Anna");
  EXPECT_EQ(stats.Lines[0].Total, 560);
  EXPECT_EQ(stats.Lines[0].GradeTenths, 23);
  EXPECT_TRUE(stats.Lines[0].Female);
  EXPECT_FALSE(stats.Lines[1].Female);
  EXPECT_TRUE(stats.Lines[2].HasErrors);
  EXPECT_EQ(stats.Lines[3].Name.size(), 50u);
  // 2,3: two women (slots 0 and 7) and one man; the error student is not
  // counted.
  const GradeCount& step = stats.Grades[13];
  EXPECT_EQ(step.Tenths, 23);
  EXPECT_EQ(step.Female, 2);
  EXPECT_EQ(step.Male, 1);
  EXPECT_EQ(step.Total, 3);
  int counted = 0;
  for (const GradeCount& g : stats.Grades) counted += g.Total;
  EXPECT_EQ(counted, 3);
  EXPECT_EQ(stats.Grades[0].Tenths, 10);
  EXPECT_EQ(stats.Grades[30].Tenths, 40);

  const RecordingCanvas canvas = Draw(BuildStatisticsDocument(Sources(), table));
  EXPECT_EQ(canvas.FindAll("----").size(), 5u);  // the error student's five values
  const RecordedPrimitive* bar = canvas.FindText("###");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Sheet, 1u);
  EXPECT_NE(canvas.FindText("2,3"), nullptr);
  EXPECT_NE(canvas.FindText("1,0"), nullptr);
  EXPECT_NE(canvas.FindText("4,0"), nullptr);
  EXPECT_EQ(canvas.FindText("   - frei -, "), nullptr);
}

TEST_F(ReportSheetTest, StatisticsValueOutsideTheRangeIsZero) {
  EXPECT_EQ(StatisticsValue(900), 0);
  EXPECT_EQ(StatisticsValue(841), 0);
  EXPECT_EQ(StatisticsValue(840), 840);
  EXPECT_EQ(StatisticsValue(-1), 0);
  EXPECT_EQ(StatisticsValue(0), 0);
  EXPECT_EQ(StatisticsValue(560), 560);
}

}  // namespace
}  // namespace tolka::print
