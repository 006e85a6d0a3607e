// The report sheets of the menu "Drucken": one page per student, built from
// the shared blocks after the sheet's own checks (nothing is written back to
// the record, no window opens). The desktop program asks the confirmation
// and hands the document to preview, printer or PDF; `tolka-cli print`
// writes it as PDF. "für ALLE" repeats a sheet from a slot up to the first
// free one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/student_table.h"
#include "print/print_document.h"
#include "print/print_settings.h"
#include "print/report_blocks.h"
#include "rules/rule_context.h"

namespace tolka::print {

enum class ReportSheet {
  DataSheet,          // "Schüler-Datenblatt" (button "Druck Datenblatt")
  Prerequisites,      // "Voraussetzungen für Prüfungszulassung"
  ExamSubjects,       // "Bestätigung der Prüfungsfächer"
  Registration,       // "Blockauswahl / Anmeldung zur Prüfung"
  Optimisation,       // "Optimierung"
  Achievement,        // "Leistungsstand nach 4. Semester"
  WrittenAdmission,   // "Zulassung zur schriftlichen Prüfung"
  OralAdmission,      // "Zulassung zur mündlichen Prüfung"
  Recommendations,    // "Empfehlungen zu den mündlichen Prüfungen"
  ExamResult,         // "Ergebnis Abiturverfahren" (button "Druck Ergebnis")
  ExtendedDataSheet,  // "Probezeugnis" (button): the extended data sheet
};

// The sheets the menu and `tolka-cli print` offer, in menu order.
const std::vector<ReportSheet>& ReportSheets();
// The sheets of "für ALLE  (akt. Schüler bis Lücke)" in its menu order.
const std::vector<ReportSheet>& AllStudentsSheets();

// `tolka-cli print` names: "data-sheet", "prerequisites-sheet", ...
const char* ReportSheetName(ReportSheet sheet);
std::optional<ReportSheet> ReportSheetNamed(std::string_view name);
// Menu captions (Windows-1252); `for_all` gives the caption of the
// "für ALLE" submenu where it differs.
std::string ReportSheetCaption(ReportSheet sheet, bool for_all);
// The confirmation: the sheet's text, then `Surname`, " ", `GivenNames`.
std::string ReportSheetQuestion(ReportSheet sheet, const core::StudentRecord& student);
// "für ALLE  (akt. Schüler bis Lücke)" (two blanks after ALLE).
std::string AllStudentsMenuCaption();
// "für ALLE" on a free slot: nothing to print.
std::string AllStudentsNothingMessage();

struct ReportSources {
  const settings::SubjectCatalogue& Catalogue;
  const settings::ExamSettings& Exam;
  const settings::GeneralSettings& General;
  const PrintSettings& Print;
  const settings::SchoolData& School;
  std::string PrintDate;  // empty: today
};

// True for a slot that holds no student (`Surname` empty or "   - frei -").
bool IsFreeSlot(const core::StudentRecord& student);

// One student's page (the checks run on a copy: the table is not changed).
PrintSheet BuildReportSheet(const ReportSources& sources, const core::StudentTable& table,
                            size_t index, ReportSheet sheet);
// One document of one student.
PrintDocument BuildReportDocument(const ReportSources& sources, const core::StudentTable& table,
                                  size_t index, ReportSheet sheet);
// The slots "für ALLE" prints from `first`: up to (not including) the first
// free slot; empty when `first` is free.
std::vector<size_t> SlotsUpToGap(const core::StudentTable& table, size_t first);
// "für ALLE": a page per student from `first` up to the gap, in slot order.
PrintDocument BuildAllStudentsDocument(const ReportSources& sources,
                                       const core::StudentTable& table, size_t first,
                                       ReportSheet sheet);

// The file name of a student's own PDF: `StudentId` (or the slot number,
// two digits, when it is empty), "-", `Surname`, ".pdf"; umlauts and ß are
// spelt out (ae, oe, ue, ss), anything else outside letters, digits, "-"
// and "_" becomes "_", so the name is safe on every file system:
// "07-Mueller.pdf".
std::string StudentPdfName(const core::StudentRecord& student, size_t slot);

}  // namespace tolka::print
