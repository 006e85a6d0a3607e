// The shared blocks of the report sheets (data sheet, admission forms,
// exam result, statistics): fixed one-page layouts drawn with the print
// primitives, laid out from top to bottom. Blocks below the person block
// take the running position `y` (tenths of a millimetre from the page
// origin) and leave it at the next free line. Nothing here decides a rule:
// the sheet hands in the work area, the marks and the sums the checks left.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/student_record.h"
#include "print/print_primitives.h"
#include "print/print_settings.h"
#include "rules/check_item_table.h"
#include "rules/check_result_list.h"
#include "rules/recommendations.h"
#include "rules/rule_work_area.h"
#include "settings/exam_settings.h"
#include "settings/school_data.h"
#include "settings/subject_catalogue.h"

namespace tolka::print {

// The page of one sheet: the primitives and the origin of the print
// settings' "interne Formulare" page 1.
struct SheetPage {
  PagePrinter& Printer;
  int Dx = 0;
  int Dy = 0;

  void Text(int x, int y, int font, const std::string& text);
  void Centred(int x, int y, int font, const std::string& text);
  void HLine(int x1, int x2, int y, int style);
  void VLine(int x, int y1, int y2, int style);
  void Frame(int x1, int y1, int x2, int y2, int style);
};

// What every sheet prints besides the student: the school and the footer.
struct SheetFrame {
  std::string SchoolName;
  std::string ShortName;
  std::string PrintDate;  // German short date, "08.12.2026"
  std::string Program;    // the program's name and version
  bool Frame = true;      // print settings' frame option 1
};

// The date of today as "dd.mm.yyyy".
std::string TodayShortDate();
// "Tolka 3.1": the program identification of the footer.
std::string ProgramIdentification();

// Header: the optional page frame, the rule under the school's name and the
// two title lines. `beside_box`: the sheet draws the identification box,
// so the titles are centred on x 550 to keep clear of it (the box starts at
// x 1050); otherwise on x 1100.
void DrawHeader(SheetPage& page, const SheetFrame& frame, const std::string& title1,
                const std::string& title2, bool beside_box);
void DrawPerson(SheetPage& page, const core::StudentRecord& student);
void DrawIdentificationBox(SheetPage& page, const core::StudentRecord& student);

// One row of the course table: a chosen course of the work area.
struct CourseRow {
  std::string Subject;
  bool Advanced = false;
  bool Exam = false;
  std::array<std::string, 4> Points;  // "--" for no mark
  std::array<std::string, 4> Block;   // "1", "2", "3", " *" or empty
  bool Competence = false;
  int RowSum = 0;               // valid semester points
  std::array<int, 3> Blocks{};  // weighted points in Block I, II, III
};
// The rows in course order (`CourseChoices`) of the courses the work area
// holds a subject slot for.
std::vector<CourseRow> CourseRows(const rules::RuleWorkArea& area,
                                  const settings::SubjectCatalogue& catalogue);

// Course table "Semesterergebnisse" from y; `with_blocks` fills the block
// columns. Leaves y below the column sums.
void DrawCourseTable(SheetPage& page, const std::vector<CourseRow>& rows, bool with_blocks,
                     uint16_t& y);

struct ExamRow {
  std::string Subject;
  bool Advanced = false;
  std::string Written;  // "--" for no mark
  std::string Oral;
  int Value = 0;     // the combined exam value
  int BlockIII = 0;  // the fourth semester counted in Block III plus the value
};
std::vector<ExamRow> ExamRows(const rules::RuleWorkArea& area, const rules::ExamSlots& slots,
                              const settings::SubjectCatalogue& catalogue);

enum class ExamHeading { Results, Calculated, Best };
// The left edge of the right-hand column (exam table, special work, block
// sums beside the course table) and of a column on its own.
inline constexpr int kRightColumn = 1230;
inline constexpr int kLeftColumn = 50;

// Exam table from `left` (550 wide); `with_values` fills the two value
// columns.
void DrawExamTable(SheetPage& page, const std::vector<ExamRow>& rows, bool with_values,
                   ExamHeading heading, int left, uint16_t& y);

// "bes. Lernleistung": only when the special work counts.
void DrawSpecialWork(SheetPage& page, const rules::RuleWorkArea& area, int left, uint16_t& y);
void DrawBlockSums(SheetPage& page, const rules::BlockResult& blocks, int left, uint16_t& y);

// The items of the marks whose class is error (a noted error item counts,
// a raised hint item does not), ascending.
std::vector<int> ErrorItems(const rules::CheckItemTable& items,
                            const rules::CheckResultList& marks);
// "festgestellte Fehler": a labelled line per item up to `limit`, else the
// count sentence and the numbers.
void DrawErrorBlock(SheetPage& page, const rules::CheckItemTable& items,
                    const std::vector<int>& errors, size_t limit, uint16_t& y);
// "Hinweise und Empfehlungen": limit 15.
void DrawRecommendationBlock(SheetPage& page, const rules::RecommendationFlags& flags, uint16_t& y);

// The sentence of decision kind 1..5, 10, 11 or any other; `detail` is the
// result string of kinds 10 and 11.
std::string DecisionText(int kind, bool outcome, const core::StudentRecord& student,
                         const std::string& detail);
void DrawDecision(SheetPage& page, int kind, bool outcome, const core::StudentRecord& student,
                  const std::string& detail, uint16_t& y);
void DrawGradeLine(SheetPage& page, const std::string& grade, uint16_t& y);
void DrawApplication(SheetPage& page, uint16_t& y);
void DrawLegend(SheetPage& page, uint16_t& y);
// Signature kinds 1, 2, 4, 5 (anything else draws nothing).
void DrawSignature(SheetPage& page, int kind);
void DrawFooter(SheetPage& page, const SheetFrame& frame);

}  // namespace tolka::print
