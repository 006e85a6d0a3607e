// "Import von Personendaten ...": personal data of students from a text file
// of another school program into consecutive slots of the table, from the
// current student on; `ImportConfig` says which column feeds which field.
//
// The import is all or nothing: PlanImport reads, decodes and checks the
// whole file against a copy of the records first and changes nothing; only
// a plan without refusal is applied. A refusal names the line (and column),
// numbered from 1. Refused besides the text rules of import_text.h:
//   - a configuration that feeds no field; a file above kMaxImportFileSize;
//   - a file without a person (only empty lines);
//   - more lines up to the last person than places from the current slot to
//     slot 34 (an empty line uses up its slot);
//   - a column longer than the field it feeds (a name is never cut
//     silently); a text joined from the present text and the column that
//     is longer than the field is cut, and the plan lists the line;
//   - a birth date that is not a real date as DD.MM.YYYY, D.M.YYYY or
//     YYYY-MM-DD (stored as DD.MM.YYYY; an empty column empties the field);
//   - a line after which the slot would have no surname (empty, blank or
//     "   - frei -"): the slot would count as free and hide the student.
// A line whose columns are all empty or blank is an empty line.
//
// The records are not initialised first: fields that no column feeds keep
// their contents, so a second file can extend the first ("++").
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/student_table.h"
#include "exchange/import_config.h"
#include "exchange/import_text.h"

namespace tolka::exchange {

// A file larger than this is refused unread: 35 lines of 20 columns need a
// small fraction of it.
inline constexpr size_t kMaxImportFileSize = 4 * 1024 * 1024;

struct ImportPlan {
  std::string Refusal;  // empty when the import may run
  TextEncoding Encoding = TextEncoding::Windows1252;
  size_t FirstSlot = 0;
  size_t Persons = 0;    // lines that are not empty
  size_t SlotsUsed = 0;  // lines up to the last person
  // The slots that get a person, and their records after the import.
  std::vector<size_t> Slots;
  std::vector<core::StudentRecord> Records;
  std::vector<size_t> OverwrittenSlots;  // of Slots: held a student before
  std::vector<size_t> CutLines;          // file lines where a joined text was cut

  bool Ok() const { return Refusal.empty(); }
};

ImportPlan PlanImport(const std::vector<uint8_t>& file, const ImportConfig& config,
                      const core::StudentTable& table, size_t current);

// Writes the planned records into the table. Returns whether any slot
// changed (nothing for a refused plan).
bool ApplyImport(const ImportPlan& plan, core::StudentTable& table);

// The birth date column as stored: DD.MM.YYYY; "" for an empty (or blank)
// column; "00.00.0000", the record's own no-date text, as it is; nothing
// for anything else.
std::optional<std::string> NormaliseBirthDate(const std::string& column);

// The salutation column by its first character: "0", "H", "M", "N", "h",
// "m", "n" give 2 ("Herr"); "1", "F", "J", "W", "f", "j", "w" give 1
// ("Frau/Fräulein"); anything else, or an empty column, 0.
uint16_t SalutationFromColumn(const std::string& column);

// The record field's caption for a field code ("Name", "Vorname(n)", ...);
// "-" for a code that feeds nothing. Windows-1252.
std::string FieldCaption(uint16_t code);

}  // namespace tolka::exchange
