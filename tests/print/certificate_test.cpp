// The certificates on the recording canvas: table names, sheets and their
// page origins, the entry maps and the computed fields; and the command
// with its stops and questions.
#include "print/certificate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "print/certificate_command.h"
#include "print/certificate_forms.h"
#include "print/recording_canvas.h"
#include "rules/pipeline_students.h"
#include "rules/work_area.h"
#include "settings/exam_settings.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::print {
namespace {

namespace fs = std::filesystem;
using rules::testing::CleanStudent;
using rules::testing::RowOf;
using Kind = RecordedPrimitive::Kind;

PageMargins Margins150() {
  PageMargins m{};
  for (auto& page : m) page = {150, 150};
  return m;
}

class Certificate : public ::testing::Test {
 protected:
  Certificate() {
    settings::ResetSubjectCatalogue(catalogue);
    data->Catalogue = catalogue;
    settings::ResetExamSettings(data->Exam);
    data->General = settings::DefaultGeneralSettings();
    data->General.Publisher = 0;
    ResetPrintSettings(data->Print);
    data->Student = CleanStudent(catalogue);
    data->Blocks = {560, 202, 148, 210};
    Prepare();
  }
  void Prepare() {
    const core::StudentTable students = rules::testing::TableWith(catalogue, data->Student);
    rules::CheckResultList results;
    rules::PrepareWorkArea(students, 0, catalogue, data->Area, results);
  }
  RecordingCanvas Draw(int page, const PageMargins& m = Margins150()) {
    RecordingCanvas canvas;
    PagePrinter printer(canvas, false);
    DrawAbiturPage(printer, *data, table, page, m);
    return canvas;
  }
  // The texts drawn at y (canvas coordinates).
  static std::vector<std::string> Row(const RecordingCanvas& canvas, int y) {
    std::vector<RecordedPrimitive> row;
    for (const RecordedPrimitive& p : canvas.Texts()) {
      if (p.Y == y) row.push_back(p);
    }
    std::sort(row.begin(), row.end(), [](auto& a, auto& b) { return a.X < b.X; });
    std::vector<std::string> texts;
    for (const auto& p : row) texts.push_back(p.Text);
    return texts;
  }

  settings::SubjectCatalogue catalogue;
  std::shared_ptr<CertificateData> data = std::make_shared<CertificateData>();
  FormatTable table;  // all zero: nothing prints
};

TEST(FormatTableName, PublisherKindAndDocument) {
  EXPECT_EQ(FormatTableName(0, 3, CertificateKind::Abitur), "0TLK_ABS.FST");
  EXPECT_EQ(FormatTableName(4, 4, CertificateKind::Fhr), "4TLK_FHR.FST");
  EXPECT_EQ(FormatTableName(6, 1, CertificateKind::Abitur), "6ORG_ABS.FST");
  EXPECT_EQ(FormatTableName(5, 2, CertificateKind::Fhr), "ORG_FHR.FST");
  EXPECT_EQ(FormatTableName(7, 3, CertificateKind::Abitur), "TLK_ABS.FST");
  EXPECT_EQ(FormatTableName(1, 0, CertificateKind::Abitur), "1ORG_ABS.FST");
}

TEST(SheetPlans, PagesPaperAndTheA3Shift) {
  PrintSettings print;
  ResetPrintSettings(print);
  for (size_t page = 1; page <= 4; ++page) {
    print.Margins[MarginIndex(margin_row::kAbiturCertificate, page, false)] =
        static_cast<int32_t>(100 * page);
    print.Margins[MarginIndex(margin_row::kAbiturCertificate, page, true)] =
        static_cast<int32_t>(10 * page);
  }
  print.PrintMode = 0;
  EXPECT_TRUE(AbiturSheetPlans(print).empty());
  EXPECT_TRUE(FhrSheetPlans(print).empty());
  print.PrintMode = 3;
  const auto single = AbiturSheetPlans(print);
  ASSERT_EQ(single.size(), 4u);
  EXPECT_EQ(single[2].Pages, std::vector<int>{3});
  EXPECT_EQ(single[2].Label, "3");
  EXPECT_EQ(single[2].Format, kA4Portrait);
  EXPECT_EQ(single[2].Margins[2].left, 300);
  EXPECT_EQ(single[2].Margins[2].top, 30);
  print.PrintMode = 2;
  const auto two_up = AbiturSheetPlans(print);
  ASSERT_EQ(two_up.size(), 2u);
  EXPECT_EQ(two_up[0].Pages, (std::vector<int>{4, 1}));
  EXPECT_EQ(two_up[0].Label, "4 + 1");
  EXPECT_EQ(two_up[0].Total, "4");
  EXPECT_EQ(two_up[0].Format, kA3Landscape);
  EXPECT_EQ(two_up[0].Margins[0].left, 100 + 2100);
  EXPECT_EQ(two_up[0].Margins[3].left, 400);
  EXPECT_EQ(two_up[1].Pages, (std::vector<int>{2, 3}));
  EXPECT_EQ(two_up[1].Margins[2].left, 300 + 2100);
  EXPECT_EQ(two_up[1].Margins[1].left, 200);
  print.PrintMode = 9;
  EXPECT_TRUE(AbiturSheetPlans(print).empty());
  print.PrintMode = 4;
  const auto fhr = FhrSheetPlans(print);
  ASSERT_EQ(fhr.size(), 2u);
  EXPECT_EQ(fhr[1].Label, "2");
  EXPECT_EQ(fhr[1].Total, "2");
  EXPECT_EQ(fhr[1].Format, kA4Portrait);  // no A3 for the FHR certificate
  EXPECT_EQ(fhr[0].Margins[2].left, 0);
}

TEST_F(Certificate, EachLogicalPageHasItsOwnMargin) {
  table[1] = {100, 200, 1, 2, 1};
  PageMargins m = Margins150();
  m[1] = {300, 50};
  EXPECT_EQ(Draw(1, m).FindText("7"), nullptr);
  const RecordingCanvas canvas = Draw(2, m);
  const RecordedPrimitive* id = canvas.FindText("7");
  ASSERT_NE(id, nullptr);
  EXPECT_EQ(id->X, 400);
  EXPECT_EQ(id->Y, 250);
}

TEST_F(Certificate, TwoUpSheetsPlacePageOneAndThreeOnTheRightHalf) {
  data->Print.PrintMode = 2;
  table[3] = {350, 1590, 20, 1, 1};
  table[4] = {350, 1700, 20, 1, 1};
  table[206] = {130, 180, 21, 3, 1};
  table[207] = {130, 180, 21, 4, 1};
  const PrintDocument document = BuildCertificateDocument(data, table, CertificateKind::Abitur);
  ASSERT_EQ(document.Sheets.size(), 2u);
  EXPECT_EQ(document.Sheets[0].Format, kA3Landscape);
  EXPECT_NE(document.Sheets[0].Prompt.find(" ##   Seite(n) 4 + 1 von 4   ##"), std::string::npos);
  RecordingCanvas canvas;
  RecordDocument(document, canvas);
  const RecordedPrimitive* surname = canvas.FindText("Muster");
  ASSERT_NE(surname, nullptr);
  EXPECT_EQ(surname->Sheet, 0u);
  EXPECT_EQ(surname->X, 350 + 150 + 2100);
  const auto headers = canvas.FindAll("Muster, Anna, 14.03.2006, ");
  ASSERT_EQ(headers.size(), 2u);
  EXPECT_EQ(headers[0].Sheet, 0u);  // page 4, left half
  EXPECT_EQ(headers[0].X, 130 + 150);
  EXPECT_EQ(headers[1].Sheet, 1u);  // page 3, right half
  EXPECT_EQ(headers[1].X, 130 + 150 + 2100);
}

TEST_F(Certificate, NamesCombineWhenBothEntriesShareTheSpot) {
  table[3] = {350, 1590, 20, 1, 1};
  table[4] = {350, 1590, 20, 1, 1};
  const RecordingCanvas canvas = Draw(1);
  EXPECT_NE(canvas.FindText("Anna Muster"), nullptr);
  EXPECT_EQ(canvas.FindText("Muster"), nullptr);
}

TEST_F(Certificate, SalutationOrFillerByPublisherAndMode) {
  table[2] = {200, 1590, 22, 1, 1};
  table[204] = {250, 1550, 1, 1, 1};
  data->Print.PrintMode = 1;
  RecordingCanvas canvas = Draw(1);
  EXPECT_NE(canvas.FindText("Frau"), nullptr);
  EXPECT_EQ(canvas.FindAll("    XXX ").size(), 1u);  // entry 204 always strikes out
  data->General.Publisher = 6;
  canvas = Draw(1);
  EXPECT_EQ(canvas.FindText("Frau"), nullptr);
  EXPECT_EQ(canvas.FindAll("    XXX ").size(), 2u);
  data->Print.PrintMode = 3;  // blank paper: the form of address again
  EXPECT_NE(Draw(1).FindText("Frau"), nullptr);
}

TEST_F(Certificate, TheIdentificationLineRunsDownTheLeftEdge) {
  table[210] = {25, 1000, 21, 4, 1};
  PageMargins m = Margins150();
  RecordingCanvas canvas = Draw(4, m);
  const RecordedPrimitive* line = canvas.FindText(kIdentificationLine);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->What, Kind::RotatedText);
  EXPECT_EQ(line->Angle, 270);
  EXPECT_EQ(line->Font.Height, 16);
  EXPECT_EQ(line->X, 25 + 150);
  EXPECT_EQ(line->Y, 2970 - 300 - 100 + 150);
  // A large top margin of page 4: the height is at least 2600.
  m[3].top = 500;
  EXPECT_EQ(Draw(4, m).FindText(kIdentificationLine)->Y, 2600 - 100 + 500);
  // Publishers 2 and 6 on their own forms: horizontal at the table's place.
  data->General.Publisher = 2;
  data->Print.PrintMode = 1;
  line = nullptr;
  canvas = Draw(4);
  line = canvas.FindText(kIdentificationLine);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->What, Kind::Text);
  EXPECT_EQ(line->Y, 1000 + 150);
}

TEST_F(Certificate, RemarksWrapIntoSevenOrNineLines) {
  std::string remarks;
  for (int i = 0; i < 25; ++i) remarks += "Wort" + std::to_string(i % 10) + " ";
  for (int i = 2; i <= 10; ++i) remarks += "\rZeile " + std::to_string(i);
  data->Student.CertificateRemarks = remarks;  // a long first line, then nine short ones
  table[179] = {200, 1000, 21, 4, 1};
  data->Print.PrintMode = 3;
  // The remark lines only, not the form drawn on blank paper.
  const auto remark_lines = [](const RecordingCanvas& canvas) {
    std::vector<RecordedPrimitive> lines;
    for (const auto& p : canvas.Texts()) {
      if (p.X == 200 + 150) lines.push_back(p);
    }
    return lines;
  };
  auto texts = remark_lines(Draw(4));
  ASSERT_EQ(texts.size(), 7u);  // cut after the seventh line
  EXPECT_EQ(texts[6].Y, 1000 + 150 + 6 * 65);
  EXPECT_EQ(texts[0].Text.size(), 72u);  // twelve words fit into 75 characters
  EXPECT_EQ(texts[0].Text.back(), ' ');
  EXPECT_EQ(texts[1].Text.rfind("Wort2", 0), 0u);
  EXPECT_EQ(texts[6].Text, "Zeile 5");  // lines 0..2 hold the 25 words
  data->General.Publisher = 4;
  data->Print.PrintMode = 1;
  texts = remark_lines(Draw(4));
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts[8].Y, 1000 + 150 + 8 * 80);
  data->General.Publisher = 1;
  texts = remark_lines(Draw(4));
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(texts[1].Y, 1000 + 150 + 63);
}

TEST_F(Certificate, TheHeaderLineIsNarrowedAboveSixtyNineCharacters) {
  EXPECT_EQ(HeaderCharExtra(69), 0);
  EXPECT_EQ(HeaderCharExtra(70), -3);
  EXPECT_EQ(HeaderCharExtra(80), -3);
  EXPECT_EQ(HeaderCharExtra(81), -4);
  table[205] = {130, 180, 21, 2, 1};
  table[1] = {100, 300, 1, 2, 1};
  data->Area.Student.BirthPlace = std::string(54, 'B');  // 80 characters in all
  RecordingCanvas canvas = Draw(2);
  ASSERT_EQ(canvas.Texts().size(), 2u);
  const auto header = canvas.Texts()[0].Text.size() > 10 ? canvas.Texts()[0] : canvas.Texts()[1];
  EXPECT_EQ(header.Text.size(), 80u);
  EXPECT_EQ(header.CharExtra, -3);
  data->Area.Student.BirthPlace += "B";
  EXPECT_EQ(Draw(2).FindText(HeaderLine(data->Area.Student))->CharExtra, -4);
  // Reset afterwards: the student id printed before is unaffected, and the
  // spacing is back at 0 for whatever follows.
  EXPECT_EQ(canvas.FindText("7")->CharExtra, 0);
}

// The course table on page 2 with its origin at (0, 0): rows at y = 10 r.
class CourseTable : public Certificate {
 protected:
  CourseTable() {
    table[24] = {0, 0, 21, 2, 1};
    table[25] = {120, 0, 21, 2, 1};
    table[26] = {380, 0, 21, 2, 1};
    table[27] = {815, 0, 22, 2, 1};
    for (size_t h = 0; h < 4; ++h)
      table[28 + h] = {static_cast<uint16_t>(1000 + 200 * h), 0, 1, 2, 1};
    table[31].print = 0;  // semester 4: credited points are not marked
    for (uint16_t r = 10; r <= 42; ++r)
      table[24 + r] = {0, static_cast<uint16_t>(10 * r), 21, 1, 1};
  }
  std::vector<std::string> RowTexts(int r) { return Row(Draw(2), 10 * r + 150); }
};

TEST_F(CourseTable, FixedPlacesPrintPointsWithCreditMarks) {
  // Deutsch (place 11): exam subject, all four semesters credited.
  EXPECT_EQ(RowTexts(11), (std::vector<std::string>{"-09-", "-10-", "-08-", "(11)"}));
  // Mathematik (place 31) is an advanced course: "LF".
  EXPECT_EQ(RowTexts(31), (std::vector<std::string>{"LF", "-11-", "-12-", "-10-", "(12)"}));
  // Chemie (place 33) not taken: four dashes, no name (the form has it).
  EXPECT_EQ(RowTexts(33), (std::vector<std::string>{"----", "----", "----", "----"}));
}

TEST_F(CourseTable, SubjectsWithoutAPlaceGoToTheOverflowRowsOfTheirArea) {
  // Französisch (area 1, no place) takes row 13; rows 14, 15 stay empty.
  EXPECT_EQ(RowTexts(13),
            (std::vector<std::string>{"Französisch", "-07-", "-08-", "-08-", "(09)"}));
  EXPECT_EQ(RowTexts(14), (std::vector<std::string>{"   - - -", "----", "----", "----", "----"}));
}

TEST_F(CourseTable, NoMarkPrintsDashesInBracketsNeverTheInternalValue) {
  data->Student.CourseResults[RowOf(data->Student, "Physik")].SemesterPoints[3] = "--";
  Prepare();
  const auto row = RowTexts(34);
  ASSERT_EQ(row.size(), 4u);
  EXPECT_EQ(row[3], "(--)");
  for (const auto& text : row) EXPECT_EQ(text.find("1000"), std::string::npos);
}

TEST_F(CourseTable, APlaceOutsideTheTableCountsAsNone) {
  // Sozialkunde with the impossible place 50 is printed in the overflow row
  // of area 2 with its name.
  for (auto& entry : catalogue.Entries) {
    if (entry.SubjectName == "Sozialkunde") entry.CertificatePosition = 50;
  }
  data->Catalogue = catalogue;
  const auto row = RowTexts(26);
  ASSERT_FALSE(row.empty());
  EXPECT_EQ(row[0], "Sozialkunde");
  EXPECT_EQ(RowTexts(23), (std::vector<std::string>{"   - - -", "----", "----", "----", "----"}));
}

TEST_F(CourseTable, SwitchedOffRowsStillCarryLfAndTheReligionFollowsTheName) {
  table[24 + 31].print = 0;
  EXPECT_EQ(RowTexts(31), (std::vector<std::string>{"LF"}));
  data->Area.Student.Religion = "evangelisch";
  const auto religion = RowTexts(25);
  ASSERT_FALSE(religion.empty());
  EXPECT_EQ(religion[0], ", evangelisch");
  data->Area.Student.Religion = "?unbekannt";
  EXPECT_EQ(RowTexts(25).size(), 4u);
}

TEST_F(CourseTable, EveryRowPrintsAtTheTablePageWhateverItsOwnPageField) {
  const RecordingCanvas page2 = Draw(2);
  EXPECT_FALSE(page2.Texts().empty());
  EXPECT_TRUE(Draw(1).Texts().empty());
}

class ExamTable : public Certificate {
 protected:
  ExamTable() {
    table[69] = {0, 0, 21, 3, 1};
    table[71] = {450, 0, 21, 3, 1};
    table[72] = {1100, 0, 21, 3, 1};
    table[73] = {1500, 0, 21, 3, 1};
    for (uint16_t k = 0; k < 4; ++k)
      table[74 + k] = {0, static_cast<uint16_t>(100 * (k + 1)), 0, 3, 1};
    table[78] = {0, 500, 0, 3, 1};
  }
};

TEST_F(ExamTable, OrderPointsAndTheOralSubjectInPlaceFour) {
  const RecordingCanvas canvas = Draw(3);
  EXPECT_EQ(Row(canvas, 250), (std::vector<std::string>{"Mathematik", "-12-"}));
  EXPECT_EQ(Row(canvas, 350), (std::vector<std::string>{"Englisch", "-11-"}));
  EXPECT_EQ(Row(canvas, 450), (std::vector<std::string>{"Deutsch", "-10-"}));
  EXPECT_EQ(Row(canvas, 550), (std::vector<std::string>{"Geschichte", "-09-"}));
  EXPECT_EQ(canvas.FindText("-09-")->X, 1500 + 150);  // the oral column
  EXPECT_TRUE(Row(canvas, 650).empty());              // no special work
}

TEST_F(ExamTable, NoMarkLeavesTheFieldBlankAndPublisherFourFillsPlaceFour) {
  data->Student.CourseResults[RowOf(data->Student, "Deutsch")].WrittenExamPoints = "--";
  Prepare();
  data->General.Publisher = 4;
  const RecordingCanvas canvas = Draw(3);
  // Deutsch has no written mark now: its field stays blank. Geschichte, the
  // last subject without one, keeps place 4, with the publisher's filler.
  EXPECT_EQ(Row(canvas, 450), std::vector<std::string>{"Deutsch"});
  const auto four = Row(canvas, 550);
  ASSERT_FALSE(four.empty());
  EXPECT_EQ(four[0], "Geschichte");
  EXPECT_NE(std::find(four.begin(), four.end(), "XXXXXXXXXX"), four.end());
  for (const RecordedPrimitive& p : canvas.Texts())
    EXPECT_EQ(p.Text.find("1000"), std::string::npos) << p.Text;
}

TEST_F(ExamTable, TheSpecialWorkRowWhenItCounts) {
  data->Area.Student.SpecialWorkCounts = 1;
  data->Area.Student.SpecialWorkDocPoints = "13";
  data->Area.Student.SpecialWorkColloquiumPoints = "--";
  EXPECT_EQ(Row(Draw(3), 650), std::vector<std::string>{"-13-"});
}

TEST(LanguageCertificatePhrase, OneTwoThreeAndNone) {
  EXPECT_EQ(LanguageCertificatePhrase(0, 0, 0), "   - - -");
  EXPECT_EQ(LanguageCertificatePhrase(0, 1, 0), "das Latinum");
  EXPECT_EQ(LanguageCertificatePhrase(2, 0, 0), "das Große Graecum");
  EXPECT_EQ(LanguageCertificatePhrase(1, 0, 2), "das Graecum und das Große Hebraicum");
  EXPECT_EQ(LanguageCertificatePhrase(1, 2, 1), "das Graecum, Große Latinum und Hebraicum");
  // A value other than 1 or 2 counts as none.
  EXPECT_EQ(LanguageCertificatePhrase(3, 65535, 0), "   - - -");
  EXPECT_EQ(LanguageCertificatePhrase(7, 1, 0), "das Latinum");
}

TEST(AverageInWords, WholePartAndFirstDecimal) {
  EXPECT_EQ(AverageInWords(2.3), (std::array<std::string, 2>{"zwei", "drei"}));
  EXPECT_EQ(AverageInWords(1.0), (std::array<std::string, 2>{"eins", "null"}));
  EXPECT_EQ(AverageInWords(3.9), (std::array<std::string, 2>{"drei", "neun"}));
  EXPECT_EQ(AverageInWords(0.0), (std::array<std::string, 2>{"null", "null"}));
  EXPECT_EQ(AverageInWords(15.0)[0], " -- ");
}

TEST_F(Certificate, AverageAndSumsOnPageThree) {
  table[190] = {1470, 1345, 22, 3, 1};
  table[193] = {1470, 1945, 22, 3, 1};
  table[194] = {1470, 2145, 22, 3, 1};
  table[195] = {450, 2265, 21, 3, 1};
  table[196] = {900, 2265, 21, 3, 1};
  RecordingCanvas canvas = Draw(3);
  EXPECT_NE(canvas.FindText("202"), nullptr);
  EXPECT_NE(canvas.FindText("560"), nullptr);
  EXPECT_NE(canvas.FindText("2,3"), nullptr);
  EXPECT_NE(canvas.FindText("zwei"), nullptr);
  EXPECT_EQ(canvas.FindText("drei")->X, 900 + 150);
  table[196].x = 450;  // the same column: one text
  EXPECT_NE(Draw(3).FindText("zwei , drei"), nullptr);
}

TEST_F(Certificate, FhrPageNamesThePairAndListsTheCreditedCourses) {
  data->FhrPair = 2;
  data->FhrSums = {150, 90, 240};
  data->FhrGrade = 1.5;
  data->Info.SchoolType = 1;
  data->Info.SchoolSubject = "Gymnasium am See (allgemein)";
  table[11] = {262, 1745, 21, 1, 1};
  table[12] = {440, 1745, 21, 1, 1};
  table[8] = {920, 1550, 2, 1, 1};
  table[9] = {900, 1640, 22, 1, 1};
  table[80] = {0, 530, 21, 2, 1};
  table[81] = {120, 0, 21, 2, 1};
  table[82] = {1000, 0, 21, 2, 1};
  table[83] = {1250, 0, 21, 2, 1};
  table[84] = {1550, 0, 21, 2, 1};
  table[85] = {0, 55, 0, 2, 1};
  RecordingCanvas page1;
  PagePrinter p1(page1, false);
  DrawFhrPage(p1, *data, table, 1, Margins150());
  EXPECT_NE(page1.FindText("2."), nullptr);
  EXPECT_NE(page1.FindText("3."), nullptr);
  EXPECT_NE(page1.FindText(LongFillerText(1)), nullptr);
  EXPECT_EQ(page1.FindText("Gymnasium am See (allgemein)")->Align, TextAlign::Centre);
  RecordingCanvas page2;
  PagePrinter p2(page2, false);
  DrawFhrPage(p2, *data, table, 2, Margins150());
  // Advanced courses, semesters 2 and 3, credited in the clean student.
  EXPECT_EQ(Row(page2, 530 + 150), (std::vector<std::string>{"Englisch", "2", "09", "11"}));
  EXPECT_EQ(Row(page2, 585 + 150), (std::vector<std::string>{"Mathematik", "2", "12", "10"}));
}

TEST_F(Certificate, TheBuiltInFormOnlyOnBlankPaper) {
  data->Print.PrintMode = 1;
  EXPECT_TRUE(Draw(1).Primitives().empty());
  data->Print.PrintMode = 3;
  const RecordingCanvas canvas = Draw(1);
  ASSERT_NE(canvas.FindText("ZEUGNIS"), nullptr);
  EXPECT_EQ(canvas.FindText("ZEUGNIS")->Align, TextAlign::Centre);
  EXPECT_EQ(canvas.FindText("ZEUGNIS")->X, 150 + 900);  // the middle of the 1800 frame
  EXPECT_EQ(canvas.FindText("ZEUGNIS")->Font.Number, 20);
  // The double frame: 2970 - 2 x 150 = 2670 high.
  const RecordedPrimitive& frame = canvas.Primitives()[0];
  EXPECT_EQ(frame.What, Kind::Rectangle);
  EXPECT_EQ(frame.X2, 150 + 1800);
  EXPECT_EQ(frame.Y2, 150 + 2670);
  EXPECT_EQ(canvas.Primitives()[1].X, 160);
  // The fourth paragraph keeps to two lines of at most 98 characters.
  std::vector<RecordedPrimitive> paragraph;
  for (const auto& p : canvas.Texts()) {
    if (p.Y >= 150 + 2670 - 570 + 480 && p.X == 150 + 250) paragraph.push_back(p);
  }
  ASSERT_EQ(paragraph.size(), 1u);  // "Die "Verordnung ..." fits one line
  EXPECT_LE(paragraph[0].Text.size(), 98u);
  // Publisher 1: a 1700 frame with a 50 margin.
  data->General.Publisher = 1;
  EXPECT_EQ(Draw(1).FindText("ZEUGNIS")->X, 150 + 850);
  EXPECT_EQ(FormFrameHeight(100), 2750);
  EXPECT_EQ(FormFrameHeight(400), 2600);
}

TEST_F(Certificate, TheSchoolNameOptionsOnlyWithoutASchoolName) {
  data->Print.PrintMode = 3;
  data->Print.NoSchoolName = 1;
  data->Print.NoCertificateName = 1;
  table[200] = {900, 240, 19, 1, 1};
  data->School.SchoolName = "Gymnasium am See";
  RecordingCanvas canvas = Draw(1);
  EXPECT_NE(canvas.FindText("Gymnasium am See"), nullptr);
  EXPECT_NE(canvas.FindText("Sundland"), nullptr);
  data->School.SchoolName.clear();
  canvas = Draw(1);
  EXPECT_EQ(canvas.FindText("Sundland"), nullptr);
  EXPECT_EQ(canvas.FindText("Name der Schule, Schulort"), nullptr);
}

// --- The command ---

class CertificateCommandTest : public ::testing::Test {
 protected:
  CertificateCommandTest() {
    settings::ResetSubjectCatalogue(catalogue);
    settings::ResetExamSettings(exam);
    general = settings::DefaultGeneralSettings();
    general.CertificatePrinting = 1;
    general.Publisher = 1;
    ResetPrintSettings(print);
    print.PrintMode = 1;
    school.SchoolName = "Gymnasium am See";
    fs::create_directory(dirs.Program);
    fs::create_directory(dirs.Data);
    table = rules::testing::TableWith(catalogue, CleanStudent(catalogue));
  }
  CertificateRun Run(CertificateCommand command, const CertificateHooks& hooks = {}) {
    const CertificateSources sources{catalogue, exam, general, print, school, dirs};
    return RunCertificateCommand(sources, ui, hooks, state, table, 0, command);
  }

  test::TempDir temp;
  settings::SubjectCatalogue catalogue;
  settings::ExamSettings exam;
  settings::GeneralSettings general;
  PrintSettings print;
  settings::SchoolData school;
  core::Directories dirs{temp / "prog", temp / "data", temp / "prog", temp / "prog"};
  core::StudentTable table;
  rules::RulesState state;
  test::ScriptedInteraction ui;
};

TEST_F(CertificateCommandTest, ConfirmedAbiturCertificateFromATemplate) {
  ui.ExpectAsk(core::Icon::Confirmation, "Abitur-Zeugnisdruck für:\rAnna Muster", core::Answer::Yes)
      .ExpectAsk(core::Icon::Information, "1ORG_ABS.FST");
  const CertificateRun run = Run(CertificateCommand::Abitur);
  EXPECT_TRUE(ui.Done());
  ASSERT_EQ(run.Status, CertificateStatus::Ready);
  EXPECT_TRUE(run.TemplateWritten);
  EXPECT_TRUE(fs::exists(dirs.Data / "1ORG_ABS.FST"));
  ASSERT_EQ(run.Document.Sheets.size(), 4u);
  EXPECT_EQ(run.Document.Sheets[1].Prompt, std::string("Druck auf Formular: ") + TemplateTitle() +
                                               "\r für: Anna Muster\r ##   Seite(n) 2 von 4   ##");
  // Nothing went back into the record.
  const core::StudentRecord clean = CleanStudent(catalogue);
  for (size_t row = 0; row < core::kCourseRowCount; ++row)
    EXPECT_EQ(table.At(0).CourseResults[row].Credited, clean.CourseResults[row].Credited);
}

TEST_F(CertificateCommandTest, NoPermissionStopsBeforeAnyQuestion) {
  general.CertificatePrinting = 0;
  EXPECT_EQ(Run(CertificateCommand::Abitur).Status, CertificateStatus::NotAllowed);
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(CertificateCommandTest, FindingsShowTheReportAndStop) {
  table = rules::testing::TableWith(catalogue, rules::testing::UncreditedStudent(catalogue));
  int reports = 0;
  CertificateHooks hooks;
  hooks.ShowReport = [&](const rules::PipelineOutcome& outcome) {
    ++reports;
    EXPECT_EQ(outcome.Title, kAbiturCertificateTitle);
  };
  EXPECT_EQ(Run(CertificateCommand::Abitur, hooks).Status, CertificateStatus::Blocked);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(CertificateCommandTest, NoAndPrintModeZeroPrintNothing) {
  ui.ExpectAsk(core::Icon::Confirmation, "Abitur-Zeugnisdruck", core::Answer::No);
  EXPECT_EQ(Run(CertificateCommand::Abitur).Status, CertificateStatus::Declined);
  print.PrintMode = 0;
  ui.ExpectAsk(core::Icon::Confirmation, "Abitur-Zeugnisdruck", core::Answer::Yes);
  EXPECT_EQ(Run(CertificateCommand::Abitur).Status, CertificateStatus::NoPrintMode);
  EXPECT_TRUE(fs::is_empty(dirs.Data));  // no table looked for, none written
}

TEST_F(CertificateCommandTest, FhrWindowCancelStopsAndOkSavesAChangedInfo) {
  CertificateHooks hooks;
  hooks.AskFhrInfo = [](FhrInfo&) { return false; };
  EXPECT_EQ(Run(CertificateCommand::Fhr12, hooks).Status, CertificateStatus::InfoCancelled);
  EXPECT_FALSE(fs::exists(dirs.Program / kFhrInfoFileName));

  hooks.AskFhrInfo = [](FhrInfo& info) {
    info.SchoolType = 2;
    return true;
  };
  ui.ExpectAsk(core::Icon::Confirmation,
               "Druck des Schulischen Teils der Fachhochschulreife\rfür: Anna Muster",
               core::Answer::Yes)
      .ExpectAsk(core::Icon::Information, "1ORG_FHR.FST");
  const CertificateRun run = Run(CertificateCommand::Fhr12, hooks);
  ASSERT_EQ(run.Status, CertificateStatus::Ready);
  EXPECT_EQ(run.Document.Sheets.size(), 2u);
  FhrInfo saved;
  EXPECT_EQ(LoadFhrInfo(saved, dirs, true), "");
  EXPECT_EQ(saved.SchoolType, 2);
}

TEST_F(CertificateCommandTest, AFaultyTableIsWarnedAboutAndUsed) {
  std::ofstream(dirs.Data / "1ORG_ABS.FST", std::ios::binary)
      << "Kurz\r\n===\r\n5\r\n1\r\n2\r\n3\r\n1\r\n1\r\n";
  ui.ExpectAsk(core::Icon::Confirmation, "Abitur", core::Answer::Yes)
      .ExpectAsk(core::Icon::Error, FormatTableWarning());
  const CertificateRun run = Run(CertificateCommand::Abitur);
  EXPECT_EQ(run.Status, CertificateStatus::Ready);
  EXPECT_NE(run.Document.Sheets[0].Prompt.find("Kurz"), std::string::npos);
}

TEST(CertificateCommandNames, RoundTrip) {
  for (auto c : {CertificateCommand::Abitur, CertificateCommand::Fhr12, CertificateCommand::Fhr23,
                 CertificateCommand::Fhr34}) {
    EXPECT_EQ(CertificateCommandNamed(CertificateCommandName(c)), c);
  }
  EXPECT_FALSE(CertificateCommandNamed("data-sheet"));
}

}  // namespace
}  // namespace tolka::print
