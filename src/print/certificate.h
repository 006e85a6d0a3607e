// The certificates: the Abitur certificate (four logical pages) and the
// certificate of the school part of the FHR (two logical pages), printed
// onto pre-printed forms (print modes 1 and 2: only the variable fields) or
// onto blank paper (modes 3 and 4: the form's texts, lines and frames too).
// Every variable field is placed by an entry of the print control table
// chosen by publisher and print mode; the page origins come from the print
// settings. Building a document only describes the sheets; drawing happens
// when an output asks for them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/student_record.h"
#include "print/fhr_info.h"
#include "print/format_table.h"
#include "print/print_document.h"
#include "print/print_primitives.h"
#include "print/print_settings.h"
#include "rules/fhr.h"
#include "rules/rule_work_area.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/school_data.h"
#include "settings/subject_catalogue.h"

namespace tolka::print {

enum class CertificateKind { Abitur, Fhr };

// Everything a certificate prints, copied when the command builds it, so
// the sheets can be drawn again (a preview repaints) after the command
// ended and whatever the program does meanwhile.
struct CertificateData {
  core::StudentRecord Student;  // the stored record (remarks, project courses)
  rules::RuleWorkArea Area;     // after the checks (points, credit marks)
  rules::BlockResult Blocks;    // Block I, II, III and the total
  settings::SubjectCatalogue Catalogue;
  settings::ExamSettings Exam;
  settings::GeneralSettings General;  // publisher, corner mark, place and date
  PrintSettings Print;
  settings::SchoolData School;
  // The FHR certificate: the semester pair (1..3), its sums and grade, and
  // the additional information.
  int FhrPair = 0;
  rules::FhrSums FhrSums;
  double FhrGrade = 0;
  FhrInfo Info;
};

// The product name and version printed at entries 189 and 210: short, so
// that it fits the 25 mm below the start of the rotated line.
inline constexpr const char* kIdentificationLine = "Tolka V.3.1";

// "1TLK_ABS.FST", "ORG_FHR.FST", ...: publisher digit (0-4 and 6; none for
// 5 and 7), "TLK" for print modes 3 and 4 else "ORG", "_ABS"/"_FHR".
std::string FormatTableName(uint16_t publisher, uint16_t print_mode, CertificateKind kind);

// One sheet of a certificate: its logical pages in drawing order, the label
// and total of its prompt ("4 + 1" of "4"), its paper and the page origins
// (an A3 sheet's right-hand page carries the 2100 shift).
struct SheetPlan {
  std::vector<int> Pages;
  std::string Label;
  std::string Total;
  SheetFormat Format;
  PageMargins Margins{};
};
// Mode 0: no sheet; 1/3: four A4 sheets; 2/4: the A3 sheets "4 + 1" and
// "2 + 3"; any other mode: none. Margins of the row "Abiturzeugnis".
std::vector<SheetPlan> AbiturSheetPlans(const PrintSettings& print);
// Modes 1..4: the A4 sheets "1" and "2" of "2"; margins of the row
// "Fachhochschulreife", pages 3 and 4 zero.
std::vector<SheetPlan> FhrSheetPlans(const PrintSettings& print);

// The sheet prompt "Druck auf Formular: ..." (Windows-1252, "\r" breaks).
std::string SheetPrompt(const std::string& table_title, const core::StudentRecord& student,
                        const std::string& label, const std::string& total);

// The document of a certificate: one sheet per plan, each with its prompt.
PrintDocument BuildCertificateDocument(std::shared_ptr<const CertificateData> data,
                                       const FormatTable& table, CertificateKind kind);

// Draws one logical page of the Abitur or FHR certificate (form, if the
// print mode asks for it, then the fields) with the sheet's margins.
void DrawAbiturPage(PagePrinter& printer, const CertificateData& data, const FormatTable& table,
                    int page, const PageMargins& margins);
void DrawFhrPage(PagePrinter& printer, const CertificateData& data, const FormatTable& table,
                 int page, const PageMargins& margins);

// --- Computed fields, exposed for the tests ---
// Entry 23 from `Graecum`, `Latinum`, `Hebraicum` (1 small, 2 large; any
// other value counts as none): "   - - -" when none is set.
std::string LanguageCertificatePhrase(uint16_t graecum, uint16_t latinum, uint16_t hebraicum);
// The two digit words of an average grade: whole part and first decimal.
std::array<std::string, 2> AverageInWords(double average);
// "Surname, GivenNames, BirthDate, BirthPlace" of the pages 2..4.
std::string HeaderLine(const core::StudentRecord& student);
// The character spacing of the header line: 0 up to 69 characters, -3 up to
// 80, -4 above (tenths of a millimetre per character).
int HeaderCharExtra(size_t length);

}  // namespace tolka::print
