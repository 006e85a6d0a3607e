#include "print/report_blocks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "rules/work_area.h"

#ifndef TOLKA_VERSION
#define TOLKA_VERSION "3.1"
#endif

namespace tolka::print {

namespace {

// The table font of the course, exam and sum tables (Arial 3 mm) and its
// line height.
constexpr int kTableFont = 29;
constexpr int kTableBold = 30;
constexpr int kHeadingFont = 40;
constexpr int kRow = 45;

// Course table columns (left edges); a group boundary is drawn double.
constexpr int kCourseLeft = 50;
constexpr int kColLk = 300;
constexpr int kColPr = 340;
constexpr int kColSem = 380;  // four groups of Pkte (60) and Bl. (40)
constexpr int kSemWidth = 100;
constexpr int kColKomp = 780;
constexpr int kColSum = 850;
constexpr int kColBlocks = 915;  // I, II, III of 60 each
constexpr int kColBlockSum = 1095;
constexpr int kCourseRight = 1180;

// Exam table columns.
constexpr int kExamLeft = 1230;
constexpr int kExamLk = 1440;
constexpr int kExamWritten = 1490;
constexpr int kExamOral = 1550;
constexpr int kExamValue = 1610;
constexpr int kExamBlock = 1690;
constexpr int kExamRight = 1780;

std::string TwoDigits(int32_t points) {
  if (!rules::IsValidMark(points)) return "--";  // never the internal -1000
  char text[4];
  std::snprintf(text, sizeof text, "%02d", points);
  return text;
}

// A mark text of an exam slot: "00".."15" as it is, anything else "--".
std::string MarkText(const std::string& text) { return TwoDigits(rules::RulePoints(text)); }

std::string BlockMark(int16_t code) {
  switch (code) {
    case 1:
      return "1";
    case 2:
      return "2";
    case 3:
      return "3";
    case 4:
    case 5:
      return " *";
    default:
      return "";
  }
}

std::string Cut(const std::string& text, size_t width) {
  return text.size() > width ? text.substr(0, width) : text;
}

// Right-aligned number in a column ending at `right`: the canvas knows left
// and centre only, so numbers are centred in their column.
void Number(SheetPage& page, int left, int right, int y, int value) {
  page.Centred((left + right) / 2, y, kTableFont, std::to_string(value));
}

void Cell(SheetPage& page, int left, int right, int y, const std::string& text) {
  if (!text.empty()) page.Centred((left + right) / 2, y, kTableFont, text);
}

void Heading(SheetPage& page, int x, int y, const std::string& text) {
  page.Text(x, y, kHeadingFont, text);
}

// Wraps `text` into lines of `width` characters (at most `count`).
std::vector<std::string> Wrapped(const std::string& text, size_t maxChars, size_t width,
                                 size_t count) {
  std::string buffer = text.substr(0, std::min(text.size(), maxChars));
  buffer.resize(maxChars, '\0');
  const TextLines lines = WrapText(buffer.data(), maxChars - 1, maxChars, width, count);
  std::vector<std::string> out;
  for (size_t i = 0; i < count; ++i) {
    if (!lines[i].empty()) out.push_back(lines[i]);
  }
  return out;
}

}  // namespace

void SheetPage::Text(int x, int y, int font, const std::string& text) {
  FormatEntry entry;
  entry.x = static_cast<uint16_t>(x);
  entry.y = static_cast<uint16_t>(y);
  entry.font = static_cast<uint16_t>(font);
  entry.page = 1;
  entry.print = 1;
  Printer.PrintAt(text, entry, Dx, Dy);
}

void SheetPage::Centred(int x, int y, int font, const std::string& text) {
  Printer.SetAlign(TextAlign::Centre);
  Text(x, y, font, text);
  Printer.SetAlign(TextAlign::Left);
}

void SheetPage::HLine(int x1, int x2, int y, int style) {
  Printer.DrawHLine(x1, x2, y, style, Dx, Dy);
}
void SheetPage::VLine(int x, int y1, int y2, int style) {
  Printer.DrawVLine(x, y1, y2, style, Dx, Dy);
}
void SheetPage::Frame(int x1, int y1, int x2, int y2, int style) {
  Printer.DrawFrame(x1, y1, x2, y2, Dx, Dy, style);
}

std::string TodayShortDate() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%d.%m.%Y", &local);
  return text;
}

std::string ProgramIdentification() { return std::string("Tolka ") + TOLKA_VERSION; }

void DrawHeader(SheetPage& page, const SheetFrame& frame, const std::string& title1,
                const std::string& title2, bool beside_box) {
  if (frame.Frame) page.Frame(0, 0, 1800, 2700, 1);
  page.HLine(50, 1750, 100, 2);
  page.Text(80, 100, 19, frame.SchoolName);
  const int centre = beside_box ? 550 : 1100;
  page.Centred(centre, 200, 20, title1);
  if (!title2.empty()) page.Centred(centre, 260, 20, title2);
}

void DrawPerson(SheetPage& page, const core::StudentRecord& s) {
  const std::string salutation = s.Salutation == 1 ? "Frau  " : s.Salutation == 2 ? "Herr  " : "";
  page.Text(50, 330, 22, salutation + s.GivenNames + " " + s.Surname);
  page.Text(50, 380, 21, "geb.am:  " + s.BirthDate + "       in:  " + s.BirthPlace);
  page.Text(50, 430, 21, "wohnhaft in:  " + s.Residence);
}

void DrawIdentificationBox(SheetPage& page, const core::StudentRecord& s) {
  page.Frame(1050, 120, 1780, 230, 1);
  page.Text(1070, 170, 11, "Nr.: " + s.StudentId);
  page.Text(1450, 170, 12, "Kl.: " + s.ClassName);
  page.Text(1070, 220, 12, s.Tutor);
}

std::vector<CourseRow> CourseRows(const rules::RuleWorkArea& area,
                                  const settings::SubjectCatalogue& catalogue) {
  std::vector<CourseRow> rows;
  std::vector<size_t> seen;
  for (const core::CourseChoice& choice : area.Student.CourseChoices) {
    const size_t k = settings::FindSubject(catalogue, choice.Subject);
    if (k == 0 || k > rules::kSubjectCount) continue;
    // A subject named twice fills one slot (item 16): it is one row.
    if (std::find(seen.begin(), seen.end(), k) != seen.end()) continue;
    const rules::SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.CourseKind == 0) continue;
    seen.push_back(k);
    CourseRow row;
    row.Subject = choice.Subject;
    row.Advanced = slot.CourseKind == 2;
    row.Exam = slot.IsExamSubject == 1;
    row.Competence = slot.Credited[5] == 1;
    for (size_t s = 1; s <= 4; ++s) {
      row.Points[s - 1] = TwoDigits(slot.Points[s]);
      if (rules::IsValidMark(slot.Points[s])) row.RowSum += slot.Points[s];
      row.Block[s - 1] = BlockMark(slot.BlockCode[s]);
      const int value = slot.Weighted[s];
      switch (slot.BlockCode[s]) {
        case 1:
          row.Blocks[0] += value;
          break;
        case 2:
          row.Blocks[1] += value;
          break;
        case 3:
          row.Blocks[2] += value;
          break;
        case 4:
          row.Blocks[0] += value;
          row.Blocks[2] += value;
          break;
        case 5:
          row.Blocks[1] += value;
          row.Blocks[2] += value;
          break;
        default:
          break;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void DrawCourseTable(SheetPage& page, const std::vector<CourseRow>& rows, bool with_blocks,
                     uint16_t& y) {
  Heading(page, 100, y, "Semesterergebnisse");
  const int top = y + 20;
  const int head1 = top + 40;
  const int head2 = top + 80;
  page.Text(kCourseLeft + 10, head2, kTableBold, "Fach/Kurs");
  Cell(page, kColLk, kColPr, head2, "LK");
  Cell(page, kColPr, kColSem, head2, "Pr.");
  for (int s = 0; s < 4; ++s) {
    const int x = kColSem + s * kSemWidth;
    Cell(page, x, x + kSemWidth, head1, " Sem. " + std::to_string(s + 1));
    Cell(page, x, x + 60, head2, "Pkte");
    Cell(page, x + 60, x + kSemWidth, head2, "Bl.");
  }
  Cell(page, kColKomp, kColSum, head1, "Komp");
  Cell(page, kColKomp, kColSum, head2, "-Kurs");
  Cell(page, kColSum, kColBlocks, head1, "Zln-");
  Cell(page, kColSum, kColBlocks, head2, "Sum.");
  Cell(page, kColBlocks, kColBlockSum, head1, " Blockpunkte");
  Cell(page, kColBlocks, kColBlocks + 60, head2, "    I");
  Cell(page, kColBlocks + 60, kColBlocks + 120, head2, "   II");
  Cell(page, kColBlocks + 120, kColBlockSum, head2, "  III");
  Cell(page, kColBlockSum, kCourseRight, head1, "Blck.-");
  Cell(page, kColBlockSum, kCourseRight, head2, "Sum.");
  page.Frame(kCourseLeft, top, kCourseRight, head2 + 10, 1);

  int row_y = head2 + 10;
  std::array<int, 4> semester_sums{};
  int sum = 0;
  std::array<int, 3> block_sums{};
  for (const CourseRow& row : rows) {
    row_y += kRow;
    const int font = row.Advanced ? 22 : kTableFont;
    page.Text(kCourseLeft + 10, row_y, font, Cut(row.Subject, 18));
    Cell(page, kColLk, kColPr, row_y, row.Advanced ? " x" : "");
    Cell(page, kColPr, kColSem, row_y, row.Exam ? " x" : "");
    for (int s = 0; s < 4; ++s) {
      const int x = kColSem + s * kSemWidth;
      Cell(page, x, x + 60, row_y, row.Points[s]);
      const int32_t points = rules::RulePoints(row.Points[s]);
      if (rules::IsValidMark(points)) semester_sums[s] += points;
      if (with_blocks) Cell(page, x + 60, x + kSemWidth, row_y, row.Block[s]);
    }
    Cell(page, kColKomp, kColSum, row_y, row.Competence ? " x" : "");
    Number(page, kColSum, kColBlocks, row_y, row.RowSum);
    sum += row.RowSum;
    if (with_blocks) {
      for (int b = 0; b < 3; ++b) {
        Number(page, kColBlocks + 60 * b, kColBlocks + 60 * (b + 1), row_y, row.Blocks[b]);
        block_sums[b] += row.Blocks[b];
      }
      Number(page, kColBlockSum, kCourseRight, row_y,
             row.Blocks[0] + row.Blocks[1] + row.Blocks[2]);
    }
    page.HLine(kCourseLeft, kCourseRight, row_y + 10, 1);
  }
  row_y += kRow + 10;
  page.Text(kCourseLeft, row_y, kTableBold, "     Spaltensummen:");
  for (int s = 0; s < 4; ++s) {
    const int x = kColSem + s * kSemWidth;
    Number(page, x, x + 60, row_y, semester_sums[s]);
  }
  Number(page, kColSum, kColBlocks, row_y, sum);
  if (with_blocks) {
    for (int b = 0; b < 3; ++b) {
      Number(page, kColBlocks + 60 * b, kColBlocks + 60 * (b + 1), row_y, block_sums[b]);
    }
    Number(page, kColBlockSum, kCourseRight, row_y, block_sums[0] + block_sums[1] + block_sums[2]);
  }
  // Column rules; double at the group boundaries.
  const int bottom = row_y + 10;
  page.VLine(kColLk, top, bottom, 1);
  page.VLine(kColPr, top, bottom, 1);
  for (int s = 0; s <= 4; ++s) {
    const int x = kColSem + s * kSemWidth;
    page.VLine(x, top, bottom, 2);
    if (s < 4) page.VLine(x + 60, head1 + 10, bottom, 1);
  }
  page.VLine(kColSum, top, bottom, 1);
  page.VLine(kColBlocks, top, bottom, 2);
  page.VLine(kColBlocks + 60, head1 + 10, bottom, 1);
  page.VLine(kColBlocks + 120, head1 + 10, bottom, 1);
  page.VLine(kColBlockSum, top, bottom, 2);
  page.Frame(kCourseLeft, top, kCourseRight, bottom, 1);
  page.HLine(kCourseLeft, kCourseRight, row_y - kRow + 10, 2);
  y = static_cast<uint16_t>(bottom + 80);
}

std::vector<ExamRow> ExamRows(const rules::RuleWorkArea& area, const rules::ExamSlots& slots,
                              const settings::SubjectCatalogue& catalogue) {
  std::vector<ExamRow> rows;
  for (size_t i = 1; i <= 4; ++i) {
    const rules::ExamSlot& exam = slots[i];
    if (exam.Subject == 0 || exam.Subject > rules::kSubjectCount) continue;
    const rules::SubjectSlot& slot = area.SubjectSlots[exam.Subject];
    ExamRow row;
    row.Subject = catalogue.Entries[exam.Subject].SubjectName;
    row.Advanced = slot.CourseKind == 2;
    row.Written = MarkText(exam.Written);
    row.Oral = MarkText(exam.Oral);
    row.Value = slot.Weighted[5];
    row.BlockIII = slot.Weighted[5];
    if (slot.BlockCode[4] == 3 || slot.BlockCode[4] == 4 || slot.BlockCode[4] == 5) {
      row.BlockIII += slot.Weighted[4];
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void DrawExamTable(SheetPage& page, const std::vector<ExamRow>& rows, bool with_values,
                   ExamHeading heading, int left, uint16_t& y) {
  const char* title = heading == ExamHeading::Results ? "Prüfungsergebnisse"
                      : heading == ExamHeading::Calculated
                          ? "kalkulierte Prüfungsergebnisse"
                          : "beste - noch erreichbare - Prüfungsergebnisse";
  const int shift = left - kExamLeft;
  Heading(page, left, y, title);
  const int top = y + 20;
  const int head1 = top + 40;
  const int head2 = top + 80;
  page.Text(left + 10, head2, kTableBold, "Fach/Kurs");
  Cell(page, kExamLk + shift, kExamWritten + shift, head2, "LK");
  Cell(page, kExamWritten + shift, kExamValue + shift, head1, " Prüfung");
  Cell(page, kExamWritten + shift, kExamOral + shift, head2, "schr.");
  Cell(page, kExamOral + shift, kExamValue + shift, head2, "mdl.");
  Cell(page, kExamValue + shift, kExamBlock + shift, head2, " Pkte.");
  Cell(page, kExamBlock + shift, kExamRight + shift, head2, " Bl.III");
  page.Frame(left, top, kExamRight + shift, head2 + 10, 1);
  int row_y = head2 + 10;
  int value_sum = 0;
  int block_sum = 0;
  for (const ExamRow& row : rows) {
    row_y += kRow;
    page.Text(left + 10, row_y, kTableFont, Cut(row.Subject, 18));
    Cell(page, kExamLk + shift, kExamWritten + shift, row_y, row.Advanced ? " x" : "");
    Cell(page, kExamWritten + shift, kExamOral + shift, row_y, row.Written);
    Cell(page, kExamOral + shift, kExamValue + shift, row_y, row.Oral);
    if (with_values) {
      Number(page, kExamValue + shift, kExamBlock + shift, row_y, row.Value);
      Number(page, kExamBlock + shift, kExamRight + shift, row_y, row.BlockIII);
    }
    value_sum += row.Value;
    block_sum += row.BlockIII;
    page.HLine(left, kExamRight + shift, row_y + 10, 1);
  }
  row_y += kRow + 10;
  page.Text(left, row_y, kTableBold, "     Spaltensummen:");
  if (with_values) {
    Number(page, kExamValue + shift, kExamBlock + shift, row_y, value_sum);
    Number(page, kExamBlock + shift, kExamRight + shift, row_y, block_sum);
  }
  const int bottom = row_y + 10;
  page.VLine(kExamLk + shift, top, bottom, 1);
  page.VLine(kExamWritten + shift, top, bottom, 2);
  page.VLine(kExamOral + shift, head1 + 10, bottom, 1);
  page.VLine(kExamValue + shift, top, bottom, 2);
  page.VLine(kExamBlock + shift, top, bottom, 1);
  page.Frame(left, top, kExamRight + shift, bottom, 1);
  y = static_cast<uint16_t>(bottom + 80);
}

void DrawSpecialWork(SheetPage& page, const rules::RuleWorkArea& area, int left, uint16_t& y) {
  if (area.SpecialWorkCounts() != 1) return;
  Heading(page, left, y, "bes. Lernleistung");
  const int head = y + 60;
  const int values = head + kRow;
  const int cols[] = {left, left + 130, left + 260, left + 390, left + 550};
  const char* captions[] = {" Dok.", "Koll.", " Ges.", " Bl.III"};
  const std::string marks[] = {MarkText(area.Student.SpecialWorkDocPoints),
                               MarkText(area.Student.SpecialWorkColloquiumPoints),
                               MarkText(area.Student.SpecialWorkTotal)};
  for (int c = 0; c < 4; ++c) Cell(page, cols[c], cols[c + 1], head, captions[c]);
  for (int c = 0; c < 3; ++c) Cell(page, cols[c], cols[c + 1], values, marks[c]);
  const int32_t total = rules::RulePoints(area.Student.SpecialWorkTotal);
  // Block III counts the total four times (a valid total only).
  Number(page, cols[3], cols[4], values, rules::IsValidMark(total) ? 4 * total : 0);
  page.Frame(cols[0], head - kRow + 5, cols[4], values + 10, 1);
  page.HLine(cols[0], cols[4], head + 10, 1);
  for (int c = 1; c < 4; ++c) page.VLine(cols[c], head - kRow + 5, values + 10, 1);
  y = static_cast<uint16_t>(values + 70);
}

void DrawBlockSums(SheetPage& page, const rules::BlockResult& blocks, int left, uint16_t& y) {
  Heading(page, left, y, "Blocksummen");
  const int head = y + 60;
  const int values = head + kRow;
  const int cols[] = {left, left + 110, left + 220, left + 330, left + 550};
  const char* captions[] = {" Block I", " Block II", " Block III", " Gesamtpunktzahl"};
  const int32_t sums[] = {blocks.BlockI, blocks.BlockII, blocks.BlockIII, blocks.Total};
  for (int c = 0; c < 4; ++c) {
    Cell(page, cols[c], cols[c + 1], head, captions[c]);
    Number(page, cols[c], cols[c + 1], values, sums[c]);
  }
  page.Frame(cols[0], head - kRow + 5, cols[4], values + 10, 1);
  page.HLine(cols[0], cols[4], head + 10, 1);
  for (int c = 1; c < 4; ++c) page.VLine(cols[c], head - kRow + 5, values + 10, 1);
  y = static_cast<uint16_t>(values + 70);
}

std::vector<int> ErrorItems(const rules::CheckItemTable& items,
                            const rules::CheckResultList& marks) {
  std::vector<int> errors;
  for (int n = 1; n <= rules::kItemCount; ++n) {
    if (marks.IsSet(n) && items[static_cast<size_t>(n)].IsError) errors.push_back(n);
  }
  return errors;
}

namespace {

constexpr int kListLine = 45;

// The count sentence, the two notes and the numbers of a list too long for
// its block.
void DrawNumbersOnly(SheetPage& page, const std::string& count_sentence, const char* note1,
                     const char* note2, const std::vector<int>& numbers, int& line_y) {
  page.Text(50, line_y, 14, count_sentence);
  line_y += kListLine;
  page.Text(50, line_y, 13, note1);
  line_y += kListLine;
  page.Text(50, line_y, 13, note2);
  std::string joined;
  for (int n : numbers) joined += "[" + std::to_string(n) + "], ";
  for (const std::string& line : Wrapped(joined, 400, 112, 4)) {
    line_y += kListLine;
    page.Text(50, line_y, 13, line);
  }
}

}  // namespace

void DrawErrorBlock(SheetPage& page, const rules::CheckItemTable& items,
                    const std::vector<int>& errors, size_t limit, uint16_t& y) {
  Heading(page, 100, y, "festgestellte Fehler");
  int line_y = y;
  if (errors.size() <= limit) {
    for (int n : errors) {
      line_y += kListLine;
      page.Text(50, line_y, 13,
                "[" + std::to_string(n) + "] " + items[static_cast<size_t>(n)].Label);
    }
  } else {
    line_y += kListLine;
    DrawNumbersOnly(page, "Es sind " + std::to_string(errors.size()) + " Fehler aufgetreten!",
                    "Zur Information werden hier nur die Fehlernummern ausgedruckt!",
                    "Die genauen Fehlerbezeichnungen entnehmen Sie bitte der "
                    "Programmdokumentation zu Tolka V.3.x.!",
                    errors, line_y);
  }
  y = static_cast<uint16_t>(line_y + 70);
}

void DrawRecommendationBlock(SheetPage& page, const rules::RecommendationFlags& flags,
                             uint16_t& y) {
  Heading(page, 100, y, "Hinweise und Empfehlungen");
  std::vector<int> set;
  for (int n = 1; n <= rules::kRecommendationCount; ++n) {
    if (flags[static_cast<size_t>(n)] != 0) set.push_back(n);
  }
  int line_y = y;
  if (set.size() <= 15) {
    const auto& table = rules::RecommendationTable();
    for (int n : set) {
      const rules::Recommendation& r = table[static_cast<size_t>(n)];
      std::string text = "[" + std::to_string(n) + "] " + r.Text;
      if (r.AppendsPoints) text += std::to_string(flags[static_cast<size_t>(n)]) + " Punkt(en).";
      line_y += kListLine;
      page.Text(50, line_y, 13, text);
    }
  } else {
    line_y += kListLine;
    DrawNumbersOnly(page,
                    "Es könnten " + std::to_string(set.size()) + " Empfehlungen gegeben werden.",
                    "Zur Information werden hier nur die Empfehlungsnummern ausgedruckt!",
                    "Die genauen Empfehlungsbeschreibungen entnehmen Sie bitte der "
                    "Programmdokumentation zu Tolka V.3.x.!",
                    set, line_y);
  }
  y = static_cast<uint16_t>(line_y + 70);
}

std::string DecisionText(int kind, bool outcome, const core::StudentRecord& s,
                         const std::string& detail) {
  const std::string name = s.GivenNames + " " + s.Surname;
  switch (kind) {
    case 1:
      return outcome ? "Die Voraussetzungen (nach dem 3. Semester) für die Zulassung zur "
                       "Abiturprüfung sind erfüllt!"
                     : "Die Voraussetzungen (nach dem 3. Semester) für die Zulassung zur "
                       "Abiturprüfung sind NICHT erfüllt!";
    case 2:
      return outcome ? "Die Auswahl der Prüfungsfächer erfolgte verordnungsgemäß!"
                     : "Die Auswahl der Prüfungsfächer erfolgte NICHT verordnungsgemäß!";
    case 3:
      return name + (outcome ? " ist zu den (schriftl.) Prüfungen ZUGELASSEN!"
                             : " ist zu den (schriftl.) Prüfungen NICHT zugelassen!");
    case 4:
      return name + (outcome ? " ist zu den mündlichen Prüfungen ZUGELASSEN!"
                             : " ist zu den mündlichen Prüfungen NICHT (weiter) zugelassen!");
    case 5:
      return name + (outcome ? " hat die Abiturprüfung BESTANDEN!"
                             : " hat die Abiturprüfung NICHT bestanden!");
    case 10:
      return "kalkuliertes Abiturergebnis: " + detail;
    case 11:
      return outcome ? "bestes - noch erreichbares - Abiturergebnis: " + detail
                     : "Bestehen des Abiturs NICHT mehr möglich!";
    default:
      return "Es wurde kein besonderes Ergebnis festgelegt!";
  }
}

void DrawDecision(SheetPage& page, int kind, bool outcome, const core::StudentRecord& student,
                  const std::string& detail, uint16_t& y) {
  const bool short_form = kind == 10 || kind == 11;
  int line_y = y;
  if (!short_form) {
    Heading(page, 100, y, "Ergebnisfeststellung");
    line_y += 60;
  }
  const std::vector<std::string> lines =
      Wrapped(DecisionText(kind, outcome, student, detail), 256, 80, 3);
  for (size_t i = 0; i < lines.size(); ++i) {
    page.Text(50, line_y + static_cast<int>(i) * kListLine, 2, lines[i]);
  }
  y = static_cast<uint16_t>(y + (short_form ? 100 : 150) +
                            (lines.size() > 1 ? (lines.size() - 1) * kListLine : 0));
}

void DrawGradeLine(SheetPage& page, const std::string& grade, uint16_t& y) {
  page.Text(50, y, 2, "erreichte Abitur-Note: " + grade);
  y = static_cast<uint16_t>(y + 80);
}

void DrawApplication(SheetPage& page, uint16_t& y) {
  Heading(page, 100, y, "Antrag");
  page.Text(50, y + 60, 21,
            "Mit der obigen Auswahl der Kurse für Block I (und II) möchte ich mich für die "
            "Abiturprüfung ....... anmelden. ");
  page.Text(50, y + 120, 21,
            "Eine Besondere Lernleistung [ ] SOLL  / [ ] SOLL NICHT eingebracht werden.");
  y = static_cast<uint16_t>(y + 190);
}

void DrawLegend(SheetPage& page, uint16_t& y) {
  page.Text(50, y, 22, "Hinweis(e)/Legende");
  page.Text(50, y + 45, kTableFont,
            "Bl.= 1,2,3 ... Anrechnung in Block I, II, III          Bl.= * ... Anrechnung in "
            "Block II und III");
  y = static_cast<uint16_t>(y + 135);
}

void DrawSignature(SheetPage& page, int kind) {
  const char* caption = nullptr;
  std::vector<std::pair<int, const char*>> labels;  // column 0..2, label
  const char* kDated = "(Ort,) Datum ............................................";
  switch (kind) {
    case 1:
      caption = "Ausdruck sachlich richtig";
      labels = {{0, "TutorIn"}, {2, "SchülerIn"}};
      break;
    case 2:
      caption = "Ausdruck sachlich richtig/zur Kenntniss genommen";
      labels = {{0, "TutorIn"}, {1, "Vors. d. Prüfungskommission"}, {2, "SchülerIn"}};
      break;
    case 4:
      caption = "Antragstellung:";
      labels = {{0, "SchülerIn"}};
      break;
    case 5:
      labels = {{0, "TutorIn"}, {1, "Vors. d. Prüfungskommission"}, {2, "SchülerIn"}};
      break;
    default:
      return;
  }
  if (caption != nullptr) page.Text(50, 2400, 22, caption);
  if (kind == 4) {
    page.Text(100, 2450, 29, "Ort, Datum ..............................................");
  } else {
    page.Text(1200, 2450, 29, kDated);
  }
  for (const auto& [column, label] : labels) {
    const int left = 50 + 550 * column;
    page.HLine(left, left + 500, 2590, 1);
    page.Text(left, 2630, 29, label);
  }
}

void DrawFooter(SheetPage& page, const SheetFrame& frame) {
  page.Text(100, 2690, 30, frame.ShortName + " (" + frame.PrintDate + ")");
  page.Text(1250, 2690, 29, frame.Program);
}

}  // namespace tolka::print
