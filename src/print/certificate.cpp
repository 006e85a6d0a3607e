#include "print/certificate.h"

#include <algorithm>
#include <cmath>

#include "core/record_texts.h"
#include "print/certificate_forms.h"
#include "rules/grade.h"

namespace tolka::print {

namespace {

constexpr const char* kNothingChosen = "   - - -";

using core::kNoValue;

bool PreprintedForm(uint16_t mode) { return mode == 1 || mode == 2; }
bool BlankPaper(uint16_t mode) { return mode == 3 || mode == 4; }

// Publishers 2 and 6 print both forms of address on their official forms:
// the inapplicable one is struck out instead of printing one.
bool BothSalutationsOnForm(const CertificateData& d) {
  return (d.General.Publisher == 2 || d.General.Publisher == 6) &&
         PreprintedForm(d.Print.PrintMode);
}

bool SchoolNameSuppressed(const CertificateData& d) {
  return d.School.SchoolName.empty() && d.Print.NoSchoolName == 1;
}

std::string TwoDigits(int points) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", points);
  return text;
}

std::string DigitWord(int digit) {
  static const char* const kWords[] = {"null", "eins",  "zwei",   "drei", "vier",
                                       "fünf", "sechs", "sieben", "acht", "neun"};
  if (digit >= 0 && digit <= 9) return kWords[digit];
  if (digit == 10) return "null";
  return " -- ";
}

// The certificate subject of catalogue number k, or nullptr.
const settings::SubjectEntry* Subject(const CertificateData& d, size_t k) {
  return k >= 1 && k < d.Catalogue.Entries.size() ? &d.Catalogue.Entries[k] : nullptr;
}

// A position outside 10..42 counts as none (it would address no row).
int ValidPosition(uint16_t position) { return position >= 10 && position <= 42 ? position : 0; }

// An entry at (origin + offset) on the origin's page, printed when the
// origin and `on` are switched on; font from `font_entry`.
FormatEntry Offset(const FormatEntry& origin, int x, int y, uint16_t font, bool on) {
  FormatEntry e;
  e.x = static_cast<uint16_t>(origin.x + x);
  e.y = static_cast<uint16_t>(origin.y + y);
  e.font = font;
  e.page = origin.page;
  e.print = origin.print == 1 && on ? 1 : 0;
  return e;
}

void PrintNames(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                const PageMargins& m) {
  const core::StudentRecord& s = d.Area.Student;
  if (BothSalutationsOnForm(d)) {
    p.PrintFiller(s.Salutation, t[2], page, m);
  } else {
    p.PrintSalutation(s.Salutation, t[2], page, m);
  }
  if (t[3].x == t[4].x && t[3].y == t[4].y) {
    p.PrintField(s.GivenNames + " " + s.Surname, t[3], page, m);
  } else {
    p.PrintField(s.Surname, t[3], page, m);
    p.PrintField(s.GivenNames, t[4], page, m);
  }
}

void PrintHeaderLines(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                      const PageMargins& m) {
  const std::string header = HeaderLine(d.Area.Student);
  p.SetCharExtra(HeaderCharExtra(header.size()));
  for (size_t e : {205, 206, 207}) p.PrintField(header, t[e], page, m);
  p.SetCharExtra(0);
}

// --- Abitur course table (entries 24..66) ---

void PrintCourseTable(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                      const PageMargins& m) {
  const FormatEntry& origin = t[24];
  if (origin.page != page || origin.print != 1) return;
  const rules::RuleWorkArea& area = d.Area;
  // Row r (10..42) holds catalogue subject row_subject[r], 0 for none.
  std::array<size_t, 43> row_subject{};
  for (size_t k = 1; k <= rules::kSubjectCount; ++k) {
    const settings::SubjectEntry* subject = Subject(d, k);
    if (subject == nullptr) continue;
    const int position = ValidPosition(subject->CertificatePosition);
    if (position != 0) {
      row_subject[static_cast<size_t>(position)] = k;
      continue;
    }
    if (area.SubjectSlots[k].CourseKind == 0) continue;
    // Taken without a fixed place: the next free overflow row of its area.
    std::vector<int> overflow;
    switch (subject->SubjectArea) {
      case 1:
        overflow = {13, 14, 15};
        break;
      case 2:
        overflow = {26};
        break;
      case 3:
        overflow = {36, 37};
        break;
      default:
        overflow = {42};
        break;
    }
    for (int r : overflow) {
      if (row_subject[static_cast<size_t>(r)] == 0) {
        row_subject[static_cast<size_t>(r)] = k;
        break;
      }
    }
  }

  const bool every_name = d.General.Publisher == 2 && d.Print.PrintMode == 4;
  for (size_t r = 10; r <= 42; ++r) {
    const FormatEntry& row = t[24 + r];
    const bool row_on = row.print == 1;
    const size_t k = row_subject[r];
    const settings::SubjectEntry* subject = k != 0 ? Subject(d, k) : nullptr;
    const rules::SubjectSlot* slot = k != 0 ? &area.SubjectSlots[k] : nullptr;
    if (row_on) {
      // Subject names: a fixed place stands on the form already.
      std::string name;
      bool print_name = false;
      if (subject == nullptr) {
        name = kNothingChosen;
        print_name = true;
      } else if (every_name) {
        print_name = subject->SubjectArea != 4;
        name = subject->SubjectName;
      } else if (ValidPosition(subject->CertificatePosition) == 0) {
        name = subject->SubjectName;
        print_name = true;
      }
      if (print_name) p.PrintField(name, Offset(origin, t[25].x, row.y, t[25].font, true), page, m);
    }
    // "LF" in every row of an advanced course, switched on or not.
    if (slot != nullptr && slot->CourseKind == 2 && t[27].print == 1) {
      p.PrintField("LF", Offset(origin, t[27].x, row.y, t[27].font, true), page, m);
    }
    if (!row_on) continue;
    p.SetAlign(TextAlign::Centre);
    for (int h = 1; h <= 4; ++h) {
      const FormatEntry& column = t[27 + static_cast<size_t>(h)];
      std::string text = "----";
      if (slot != nullptr && slot->CourseKind != 0) {
        const int32_t points = slot->Points[static_cast<size_t>(h)];
        if (!rules::IsValidMark(points)) {
          text = "(--)";  // no mark yet: never the internal -1000
        } else if (slot->Credited[static_cast<size_t>(h)] == 1 && column.print == 1) {
          text = "-" + TwoDigits(points) + "-";
        } else {
          text = "(" + TwoDigits(points) + ")";
        }
      }
      p.PrintField(text, Offset(origin, column.x, row.y, t[28].font, true), page, m);
    }
    p.SetAlign(TextAlign::Left);
  }
  // The denomination in the religion row.
  if (t[26].print == 1) {
    const std::string& religion = d.Area.Student.Religion;
    if (religion != kNothingChosen && !religion.empty() && religion[0] != ' ' &&
        religion[0] != '?') {
      const std::string text = (t[25].x < t[26].x ? ", " : "") + religion;
      p.PrintField(text, Offset(origin, t[26].x, t[24 + 25].y, t[26].font, true), page, m);
    }
  }
}

// --- Abitur exam-subject table (entries 69..78) ---

// The exam subjects in certificate order: advanced courses first (the
// mathematics one, else the first foreign language, rotated to the front),
// then the basic courses; the last subject without a written exam moves to
// place 4. At most five.
std::vector<size_t> ExamOrder(const CertificateData& d) {
  std::vector<size_t> advanced, basic;
  for (size_t k = 1; k <= rules::kSubjectCount; ++k) {
    const rules::SubjectSlot& slot = d.Area.SubjectSlots[k];
    if (slot.IsExamSubject != 1) continue;
    if (slot.CourseKind == 2) advanced.push_back(k);
    if (slot.CourseKind == 1) basic.push_back(k);
  }
  const auto first_with = [&](auto flag) {
    return std::find_if(advanced.begin(), advanced.end(),
                        [&](size_t k) { return Subject(d, k)->*flag == 1; });
  };
  auto front = first_with(&settings::SubjectEntry::IsMathematics);
  if (front == advanced.end()) front = first_with(&settings::SubjectEntry::IsForeignLanguage);
  if (front != advanced.end()) std::rotate(advanced.begin(), front, advanced.end());
  std::vector<size_t> order = advanced;
  order.insert(order.end(), basic.begin(), basic.end());
  if (order.size() > 5) order.resize(5);
  // The oral-only exam subject is always the fourth.
  for (size_t i = order.size(); i-- > 0;) {
    if (d.Area.SubjectSlots[order[i]].Points[5] < 0) {
      if (order.size() >= 4) std::swap(order[i], order[3]);
      break;
    }
  }
  return order;
}

std::string ExamPoints(int32_t points) {
  return rules::IsValidMark(points) ? "-" + TwoDigits(points) + "-" : std::string();
}

std::string ExamPointsText(const std::string& text) { return ExamPoints(core::PointsValue(text)); }

void PrintExamTable(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                    const PageMargins& m) {
  const FormatEntry& origin = t[69];
  if (origin.print != 1 || origin.page != page) return;
  const std::vector<size_t> order = ExamOrder(d);
  for (size_t place = 1; place <= 4; ++place) {
    const FormatEntry& row = t[73 + place];
    if (row.print != 1) continue;
    const size_t k = place <= order.size() ? order[place - 1] : 0;
    const settings::SubjectEntry* subject = k != 0 ? Subject(d, k) : nullptr;
    p.PrintField(subject != nullptr ? subject->SubjectName : kNothingChosen,
                 Offset(origin, t[71].x, row.y, t[71].font, true), page, m);
    if (k == 0) continue;
    const rules::SubjectSlot& slot = d.Area.SubjectSlots[k];
    p.SetAlign(TextAlign::Centre);
    if (place == 4) {
      if (d.General.Publisher == 4)
        p.PrintField("XXXXXXXXXX", Offset(origin, t[72].x, row.y, t[72].font, true), page, m);
    } else {
      p.PrintField(ExamPoints(slot.Points[5]), Offset(origin, t[72].x, row.y, t[72].font, true),
                   page, m);
    }
    p.PrintField(ExamPoints(slot.Points[6]), Offset(origin, t[73].x, row.y, t[72].font, true), page,
                 m);
    p.SetAlign(TextAlign::Left);
  }
  const FormatEntry& special = t[78];
  if (special.print == 1 && d.Area.Student.SpecialWorkCounts != 0) {
    p.SetAlign(TextAlign::Centre);
    p.PrintField(ExamPointsText(d.Area.Student.SpecialWorkDocPoints),
                 Offset(origin, t[72].x, special.y, t[72].font, true), page, m);
    p.PrintField(ExamPointsText(d.Area.Student.SpecialWorkColloquiumPoints),
                 Offset(origin, t[73].x, special.y, t[72].font, true), page, m);
    p.SetAlign(TextAlign::Left);
  }
}

void PrintRemarks(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                  const PageMargins& m) {
  const uint16_t publisher = d.General.Publisher;
  const size_t wrap_lines = publisher == 4 ? 9 : 7;
  std::array<char, 400> source{};
  const std::string& remarks = d.Student.CertificateRemarks;
  std::copy_n(remarks.begin(), std::min(remarks.size(), source.size()), source.begin());
  const TextLines lines = WrapText(source.data(), 399, 400, 75, wrap_lines);
  size_t count = 7;
  int spacing = 65;
  if (PreprintedForm(d.Print.PrintMode)) {
    if (publisher == 1 || publisher == 6) {
      spacing = 63;
    } else if (publisher == 4) {
      count = 9;
      spacing = 80;
    }
  }
  p.PrintFieldLines(count, spacing, lines, m, page, t[179]);
}

void PrintAverage(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                  const PageMargins& m, double average, bool fhr) {
  const auto words = AverageInWords(average);
  if (fhr || d.General.Publisher == 4 || t[195].x == t[196].x) {
    p.PrintField(words[0] + " , " + words[1], t[195], page, m);
  } else {
    p.PrintField(words[0], t[195], page, m);
    p.PrintField(words[1], t[196], page, m);
  }
}

// --- FHR course lists ---

struct FhrRow {
  size_t Subject = 0;
  int Count = 0;  // credited half-years of the pair
};

std::string FhrPoints(const rules::SubjectSlot& slot, int semester) {
  const int32_t points = slot.Points[static_cast<size_t>(semester)];
  if (!rules::IsValidMark(points)) return "--";
  const std::string two = TwoDigits(points);
  return slot.Credited[static_cast<size_t>(semester)] == 1 ? two : "(" + two + ")";
}

// One list: entries base+0 origin, +1 name column, +2 count column (lists
// that have one), then the two half-year columns, the row spacing (y) and
// the most rows (x; 0 gives `default_rows`).
void PrintFhrList(PagePrinter& p, const CertificateData& d, const FormatTable& t, size_t base,
                  bool with_count, const std::vector<FhrRow>& rows, size_t default_rows, int page,
                  const PageMargins& m) {
  const FormatEntry& origin = t[base];
  if (origin.print != 1 || origin.page != page) return;
  const size_t first_column = base + (with_count ? 3 : 2);
  const FormatEntry& spacing = t[first_column + 2];
  const FormatEntry& most = t[first_column + 3];
  const size_t limit = most.x != 0 ? most.x : default_rows;
  for (size_t i = 0; i < rows.size() && i < limit; ++i) {
    const rules::SubjectSlot& slot = d.Area.SubjectSlots[rows[i].Subject];
    const int y = static_cast<int>(spacing.y * i);
    const FormatEntry& name = t[base + 1];
    p.PrintField(Subject(d, rows[i].Subject)->SubjectName,
                 Offset(origin, name.x, y, name.font, name.print == 1), page, m);
    p.SetAlign(TextAlign::Centre);
    if (with_count) {
      const FormatEntry& count = t[base + 2];
      p.PrintField(std::to_string(rows[i].Count),
                   Offset(origin, count.x, y, count.font, count.print == 1), page, m);
    }
    for (int h = 0; h < 2; ++h) {
      const FormatEntry& column = t[first_column + static_cast<size_t>(h)];
      p.PrintField(FhrPoints(slot, d.FhrPair + h),
                   Offset(origin, column.x, y, t[base + 1].font, column.print == 1), page, m);
    }
    p.SetAlign(TextAlign::Left);
  }
}

void PrintFhrLists(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                   const PageMargins& m) {
  if (d.FhrPair < 1 || d.FhrPair > 3) return;
  std::vector<FhrRow> advanced, basic, others;
  for (size_t k = 1; k <= rules::kSubjectCount; ++k) {
    const rules::SubjectSlot& slot = d.Area.SubjectSlots[k];
    if (slot.CourseKind == 0) continue;
    FhrRow row{k, 0};
    bool marked = false;
    for (int h = d.FhrPair; h <= d.FhrPair + 1; ++h) {
      if (slot.Credited[static_cast<size_t>(h)] == 1) ++row.Count;
      if (rules::IsValidMark(slot.Points[static_cast<size_t>(h)])) marked = true;
    }
    if (row.Count == 0) {
      if (marked) others.push_back(row);
    } else {
      (slot.CourseKind == 2 ? advanced : basic).push_back(row);
    }
  }
  PrintFhrList(p, d, t, 80, true, advanced, 2, page, m);
  PrintFhrList(p, d, t, 90, true, basic, 12, page, m);
  // The results outside the total fill the three groups in turn.
  size_t next = 0;
  for (size_t base : {110, 120, 130}) {
    const FormatEntry& most = t[base + 5];
    const size_t take = std::min<size_t>(most.x != 0 ? most.x : 4, others.size() - next);
    const std::vector<FhrRow> group(others.begin() + static_cast<std::ptrdiff_t>(next),
                                    others.begin() + static_cast<std::ptrdiff_t>(next + take));
    PrintFhrList(p, d, t, base, false, group, take, page, m);
    next += take;
  }
}

PageMargins MarginsOfRow(const PrintSettings& print, size_t row, size_t pages) {
  PageMargins margins{};
  for (size_t page = 1; page <= pages; ++page) {
    margins[page - 1].left = print.Margins[MarginIndex(row, page, false)];
    margins[page - 1].top = print.Margins[MarginIndex(row, page, true)];
  }
  return margins;
}

}  // namespace

std::string FormatTableName(uint16_t publisher, uint16_t print_mode, CertificateKind kind) {
  std::string name;
  if (publisher <= 4 || publisher == 6) name += static_cast<char>('0' + publisher);
  name += BlankPaper(print_mode) ? "TLK" : "ORG";
  name += kind == CertificateKind::Abitur ? "_ABS.FST" : "_FHR.FST";
  return name;
}

std::vector<SheetPlan> AbiturSheetPlans(const PrintSettings& print) {
  // The "Abiturzeugnis" row holds pages 1..4 (indices 16..23).
  const PageMargins margins = MarginsOfRow(print, margin_row::kAbiturCertificate, 4);
  std::vector<SheetPlan> plans;
  if (print.PrintMode == 1 || print.PrintMode == 3) {
    for (int page = 1; page <= 4; ++page) {
      plans.push_back({{page}, std::to_string(page), "4", kA4Portrait, margins});
    }
  } else if (print.PrintMode == 2 || print.PrintMode == 4) {
    // Two pages per A3 sheet; the second page listed lies on the right half.
    SheetPlan outer{{4, 1}, "4 + 1", "4", kA3Landscape, margins};
    outer.Margins[0].left += 2100;
    SheetPlan inner{{2, 3}, "2 + 3", "4", kA3Landscape, margins};
    inner.Margins[2].left += 2100;
    plans.push_back(outer);
    plans.push_back(inner);
  }
  return plans;
}

std::vector<SheetPlan> FhrSheetPlans(const PrintSettings& print) {
  const PageMargins margins = MarginsOfRow(print, margin_row::kFhrCertificate, 2);
  std::vector<SheetPlan> plans;
  if (print.PrintMode >= 1 && print.PrintMode <= 4) {
    plans.push_back({{1}, "1", "2", kA4Portrait, margins});
    plans.push_back({{2}, "2", "2", kA4Portrait, margins});
  }
  return plans;
}

std::string SheetPrompt(const std::string& table_title, const core::StudentRecord& student,
                        const std::string& label, const std::string& total) {
  return "Druck auf Formular: " + table_title + "\r" + " für: " + student.GivenNames + " " +
         student.Surname + "\r" + " ##   Seite(n) " + label + " von " + total + "   ##";
}

std::string LanguageCertificatePhrase(uint16_t graecum, uint16_t latinum, uint16_t hebraicum) {
  // 1 small, 2 large; any other value counts as none.
  const auto valid = [](uint16_t v) { return v == 1 || v == 2; };
  struct Part {
    bool Set;
    std::string Name;
    bool Large;
  };
  const Part parts[] = {{valid(graecum), "Graecum", graecum == 2},
                        {valid(latinum), "Latinum", latinum == 2},
                        {valid(hebraicum), "Hebraicum", hebraicum == 2}};
  const auto bare = [](const Part& p) { return (p.Large ? "Große " : "") + p.Name; };
  const auto with_article = [&](const Part& p) { return "das " + bare(p); };
  std::vector<const Part*> set;
  for (const Part& p : parts) {
    if (p.Set) set.push_back(&p);
  }
  switch (set.size()) {
    case 1:
      return with_article(*set[0]);
    case 2:
      return with_article(*set[0]) + " und " + with_article(*set[1]);
    case 3:
      return with_article(*set[0]) + ", " + bare(*set[1]) + " und " + bare(*set[2]);
    default:
      return kNothingChosen;
  }
}

std::array<std::string, 2> AverageInWords(double average) {
  const int whole = static_cast<int>(average + 0.005);
  const int decimal = static_cast<int>(std::lround((average - static_cast<int>(average)) * 10.0));
  return {DigitWord(whole), DigitWord(decimal)};
}

std::string HeaderLine(const core::StudentRecord& s) {
  return s.Surname + ", " + s.GivenNames + ", " + s.BirthDate + ", " + s.BirthPlace;
}

int HeaderCharExtra(size_t length) {
  if (length > 80) return -4;
  if (length > 69) return -3;
  return 0;
}

void DrawAbiturPage(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                    const PageMargins& m) {
  if (d.General.PrintCorrectionCorner == 1) p.DrawCornerMark(page, m);
  if (BlankPaper(d.Print.PrintMode)) DrawAbiturForm(p, d, page, m);

  p.SetAlign(TextAlign::Centre);
  if (!SchoolNameSuppressed(d)) p.PrintField(d.School.SchoolName, t[200], page, m);
  p.PrintField(d.School.CertificateName, t[201], page, m);
  p.SetAlign(TextAlign::Left);

  const core::StudentRecord& s = d.Area.Student;
  p.PrintField(s.StudentId, t[1], page, m);
  PrintNames(p, d, t, page, m);
  const std::string* personal[] = {&s.BirthDate, &s.BirthPlace, &s.Residence,
                                   &s.ClassName, &s.Tutor,      &s.Religion};
  for (size_t i = 0; i < 6; ++i) p.PrintField(*personal[i], t[5 + i], page, m);
  for (size_t l = 0; l < core::kForeignLanguageCount; ++l) {
    const core::ForeignLanguageEntry& language = s.ForeignLanguages[l];
    p.PrintField(language.Subject, t[11 + 3 * l], page, m);
    p.PrintField(language.FromGrade, t[12 + 3 * l], page, m);
    p.PrintField(language.ToGrade, t[13 + 3 * l], page, m);
  }
  p.PrintField(LanguageCertificatePhrase(s.Graecum, s.Latinum, s.Hebraicum), t[23], page, m);
  PrintCourseTable(p, d, t, page, m);
  PrintExamTable(p, d, t, page, m);
  PrintRemarks(p, d, t, page, m);
  for (size_t i = 0; i < core::kProjectCourseCount; ++i) {
    p.PrintField(d.Student.ProjectCourses[i], t[180 + i], page, m);
  }
  p.PrintField(kIdentificationLine, t[189], page, m);
  p.PrintField(std::to_string(d.Blocks.BlockI), t[190], page, m);
  p.PrintField(std::to_string(d.Blocks.BlockII), t[191], page, m);
  p.PrintField(std::to_string(d.Blocks.BlockIII), t[192], page, m);
  p.PrintField(std::to_string(d.Blocks.Total), t[193], page, m);
  const int tenths = rules::GradeTenthsFromPoints(d.Blocks.Total, d.Exam);
  p.PrintField(rules::FormatGrade(tenths), t[194], page, m);
  PrintAverage(p, d, t, page, m, tenths / 10.0, false);
  p.PrintFiller(s.Salutation, t[204], page, m);
  PrintHeaderLines(p, d, t, page, m);
  p.PrintField(s.GivenNames + " " + s.Surname, t[208], page, m);
  p.PrintField(d.General.PlaceDate, t[209], page, m);

  // The identification line along the left edge, ending 10 mm above the
  // paper height that page 4's top margin leaves.
  if (BothSalutationsOnForm(d)) {
    p.PrintField(kIdentificationLine, t[210], page, m);
  } else {
    const int64_t height = std::max<int64_t>(2970 - 2 * int64_t{m[3].top}, 2600);
    FormatEntry entry = t[210];
    entry.y = static_cast<uint16_t>(std::min<int64_t>(height - 100, 65535));
    p.PrintFieldRotated(kIdentificationLine, entry, 270, m, page);
  }
}

void DrawFhrPage(PagePrinter& p, const CertificateData& d, const FormatTable& t, int page,
                 const PageMargins& m) {
  if (d.General.PrintCorrectionCorner == 1) p.DrawCornerMark(page, m);
  if (BlankPaper(d.Print.PrintMode)) DrawFhrForm(p, d, page, m);

  const std::string grade = rules::FormatFhrGrade(d.FhrGrade);
  const auto words = AverageInWords(d.FhrGrade);
  p.SetAlign(TextAlign::Centre);
  p.PrintField(std::to_string(d.FhrSums.Total), t[193], page, m);
  p.PrintField(grade, t[194], page, m);
  p.PrintField(words[0] + " , " + words[1], t[195], page, m);
  p.PrintField(grade, t[196], page, m);
  if (!SchoolNameSuppressed(d)) p.PrintField(d.School.SchoolName, t[200], page, m);
  p.PrintField(d.Info.SchoolSubject, t[9], page, m);
  p.PrintField(d.School.CertificateName, t[201], page, m);
  p.SetAlign(TextAlign::Left);

  const core::StudentRecord& s = d.Area.Student;
  p.PrintField(s.StudentId, t[1], page, m);
  PrintNames(p, d, t, page, m);
  p.PrintField(s.BirthDate, t[5], page, m);
  p.PrintField(s.BirthPlace, t[6], page, m);
  // Entry 8 strikes out the school type that does not apply.
  p.PrintLongFiller(d.Info.SchoolType == 1 || d.Info.SchoolType == 2 ? d.Info.SchoolType : 0, t[8],
                    page, m);
  p.PrintField(std::to_string(d.FhrPair) + ".", t[11], page, m);
  p.PrintField(std::to_string(d.FhrPair + 1) + ".", t[12], page, m);
  PrintFhrLists(p, d, t, page, m);
  p.PrintField(kIdentificationLine, t[189], page, m);
  p.PrintField(std::to_string(d.FhrSums.BasicSum), t[190], page, m);
  p.PrintField(std::to_string(d.FhrSums.AdvancedSum), t[191], page, m);
  p.PrintFiller(s.Salutation, t[204], page, m);
  PrintHeaderLines(p, d, t, page, m);
  p.PrintField(s.GivenNames + " " + s.Surname, t[208], page, m);
  p.PrintField(d.General.PlaceDate, t[209], page, m);
  // By its own print field, at its own position.
  p.PrintFieldRotated(kIdentificationLine, t[210], 270, m, page);
}

PrintDocument BuildCertificateDocument(std::shared_ptr<const CertificateData> data,
                                       const FormatTable& table, CertificateKind kind) {
  PrintDocument document;
  const bool abitur = kind == CertificateKind::Abitur;
  document.Title = (abitur ? "Abiturzeugnis " : "FHR-Bescheinigung ") + data->Area.Student.Surname +
                   ", " + data->Area.Student.GivenNames;
  const auto shared_table = std::make_shared<const FormatTable>(table);
  const std::vector<SheetPlan> plans =
      abitur ? AbiturSheetPlans(data->Print) : FhrSheetPlans(data->Print);
  for (const SheetPlan& plan : plans) {
    PrintSheet sheet;
    sheet.Format = plan.Format;
    sheet.Prompt = SheetPrompt(table.Title, data->Area.Student, plan.Label, plan.Total);
    sheet.Draw = [data, shared_table, plan, abitur](PrintCanvas& canvas) {
      PagePrinter printer(canvas, data->Print.CompensatedFonts == 1);
      for (int page : plan.Pages) {
        if (abitur) {
          DrawAbiturPage(printer, *data, *shared_table, page, plan.Margins);
        } else {
          DrawFhrPage(printer, *data, *shared_table, page, plan.Margins);
        }
      }
    };
    document.Sheets.push_back(std::move(sheet));
  }
  return document;
}

}  // namespace tolka::print
