#include "exchange/person_import.h"

#include <cstdio>

#include "core/record_texts.h"

namespace tolka::exchange {

namespace {

std::string Quoted(const std::string& text) { return "„" + text + "“"; }

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The free-slot and nothing-chosen texts stand for "no text" when a column
// is joined to the present one (a new student's class is "   - - -").
bool CountsAsEmpty(const std::string& present) {
  return present.empty() || present == core::kFreeSlot || present == core::kNothingChosen;
}

std::string* TextField(core::StudentRecord& r, uint16_t code) {
  switch (code) {
    case kSurnameCode:
      return &r.Surname;
    case kGivenNamesCode:
      return &r.GivenNames;
    case kBirthPlaceCode:
      return &r.BirthPlace;
    case kResidenceCode:
    case kResidenceExtendingCode:
      return &r.Residence;
    case kClassNameCode:
      return &r.ClassName;
    default:
      return nullptr;
  }
}

// The join rule: an empty join text replaces; "++" appends directly; any
// other text appends after the join text, but only when the present text and
// the column are both non-empty (no dangling ", "). An empty column leaves an
// extended field as it was.
std::string Joined(const std::string& present, const std::string& column, uint16_t code,
                   const std::string& join_text) {
  std::string join = join_text;
  if (code == kResidenceExtendingCode && join.empty()) join = kDefaultResidenceJoin;
  if (join.empty()) return column;
  if (column.empty()) return present;
  const std::string base = CountsAsEmpty(present) ? std::string() : present;
  if (join == kAppendDirectly || base.empty()) return base + column;
  return base + join + column;
}

int DaysInMonth(int month, int year) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Digits only, `min`..`max` of them.
std::optional<int> Number(const std::string& text, size_t min, size_t max) {
  if (text.size() < min || text.size() > max) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// Applies one configuration entry to the record; a refusal text (without
// line and column) when the column does not fit.
std::string ApplyEntry(core::StudentRecord& r, const ImportEntry& entry, const std::string& column,
                       bool& cut) {
  const uint16_t code = entry.FieldCode;
  if (code == kBirthDateCode) {
    const auto date = NormaliseBirthDate(column);
    if (!date) {
      return Quoted(column) +
             " ist kein gültiges Geburtsdatum (erwartet TT.MM.JJJJ, T.M.JJJJ oder JJJJ-MM-TT).";
    }
    r.BirthDate = *date;
    return "";
  }
  if (code == kSalutationCode) {
    r.Salutation = SalutationFromColumn(column);
    return "";
  }
  std::string* field = TextField(r, code);
  if (field == nullptr) return "";  // code 0 or unknown: the column is skipped
  const size_t width = FieldWidth(code);
  if (column.size() > width) {
    return Quoted(column) + " hat " + std::to_string(column.size()) + " Zeichen, das Feld " +
           Quoted(FieldCaption(code)) + " fasst nur " + std::to_string(width) + ".";
  }
  std::string joined = Joined(*field, column, code, entry.JoinText);
  if (joined.size() > width) {
    joined.resize(width);
    cut = true;
  }
  *field = joined;
  return "";
}

std::string PlacesText(size_t places) {
  return places == 1 ? "nur 1 Platz" : "nur " + std::to_string(places) + " Plätze";
}

}  // namespace

std::optional<std::string> NormaliseBirthDate(const std::string& column) {
  const size_t first = column.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const std::string text = column.substr(first, column.find_last_not_of(' ') - first + 1);
  if (text == "00.00.0000") return text;
  std::optional<int> day, month, year;
  if (const auto dotted = Split(text, '.'); dotted.size() == 3) {
    day = Number(dotted[0], 1, 2);
    month = Number(dotted[1], 1, 2);
    year = Number(dotted[2], 4, 4);
  } else if (const auto iso = Split(text, '-'); iso.size() == 3) {
    year = Number(iso[0], 4, 4);
    month = Number(iso[1], 2, 2);
    day = Number(iso[2], 2, 2);
  }
  if (!day || !month || !year || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(*month, *year)) {
    return std::nullopt;
  }
  char stored[40];
  std::snprintf(stored, sizeof stored, "%02d.%02d.%04d", *day, *month, *year);
  return std::string(stored);
}

uint16_t SalutationFromColumn(const std::string& column) {
  if (column.empty()) return 0;
  const std::string male = "0HMNhmn";
  const std::string female = "1FJWfjw";
  if (male.find(column[0]) != std::string::npos) return 2;
  if (female.find(column[0]) != std::string::npos) return 1;
  return 0;
}

std::string FieldCaption(uint16_t code) {
  switch (code) {
    case kSurnameCode:
      return "Name";
    case kGivenNamesCode:
      return "Vorname(n)";
    case kBirthDateCode:
      return "Geburtsdatum";
    case kBirthPlaceCode:
      return "Geburtsort";
    case kSalutationCode:
      return "Anrede";
    case kResidenceCode:
      return "wohnhaft in";
    case kResidenceExtendingCode:
      return "wohnhaft in (ergänzend)";
    case kClassNameCode:
      return "Klasse/Kurs";
    default:
      return "-";
  }
}

ImportPlan PlanImport(const std::vector<uint8_t>& file, const ImportConfig& config,
                      const core::StudentTable& table, size_t current) {
  ImportPlan plan;
  plan.FirstSlot = current;
  if (current >= core::kListCount) {
    plan.Refusal = "Der aktuelle Schüler steht nicht in der Schülerliste.";
    return plan;
  }
  if (!FeedsAnyField(config)) {
    plan.Refusal = NoFieldFedMessage();
    return plan;
  }
  if (file.size() > kMaxImportFileSize) {
    plan.Refusal = "Die Datei ist zu groß für eine Importdatei (mehr als " +
                   std::to_string(kMaxImportFileSize / (1024 * 1024)) + " MB).";
    return plan;
  }
  ImportLines text = DecodeImportText(file);
  plan.Encoding = text.Encoding;
  if (!text.Refusal.empty()) {
    plan.Refusal = text.Refusal;
    return plan;
  }

  std::vector<std::vector<std::string>> lines;
  std::vector<bool> empty;
  for (size_t n = 0; n < text.Lines.size(); ++n) {
    SplitLine split = SplitColumns(text.Lines[n], kImportColumnCount);
    if (!split.Refusal.empty()) {
      plan.Refusal = "Zeile " + std::to_string(n + 1) + ", " + split.Refusal;
      return plan;
    }
    empty.push_back(AllColumnsBlank(split.Columns));
    if (!empty.back()) {
      ++plan.Persons;
      plan.SlotsUsed = n + 1;
    }
    lines.push_back(std::move(split.Columns));
  }
  if (plan.Persons == 0) {
    plan.Refusal = "Die Datei enthält keine Personendaten (keine oder nur leere Zeilen).";
    return plan;
  }
  const size_t places = core::kListCount - current;
  if (plan.SlotsUsed > places) {
    std::string what = "Die Datei enthält " + std::to_string(plan.Persons) + " Personen";
    if (plan.SlotsUsed != plan.Persons) {
      what +=
          " in " + std::to_string(plan.SlotsUsed) + " Zeilen (jede leere Zeile belegt ihren Platz)";
    }
    plan.Refusal = what + ", ab dem aktuellen Schüler gibt es aber " + PlacesText(places) +
                   " bis zum Ende der Schülerliste.";
    return plan;
  }

  for (size_t n = 0; n < plan.SlotsUsed; ++n) {
    if (empty[n]) continue;  // an empty line uses up its slot
    const size_t slot = current + n;
    const core::StudentRecord& before = table.At(slot);
    core::StudentRecord record = before;
    bool cut = false;
    for (size_t k = 0; k < lines[n].size(); ++k) {
      const std::string refusal = ApplyEntry(record, config.Column(k + 1), lines[n][k], cut);
      if (!refusal.empty()) {
        plan.Refusal =
            "Zeile " + std::to_string(n + 1) + ", Spalte " + std::to_string(k + 1) + ": " + refusal;
        return plan;
      }
    }
    if (IsBlank(record.Surname) || record.Surname == core::kFreeSlot) {
      plan.Refusal = "Zeile " + std::to_string(n + 1) +
                     ": der Schüler hätte keinen Namen, sein Platz gälte als frei und er wäre "
                     "in der Schülerliste nicht zu sehen.";
      return plan;
    }
    if (cut) plan.CutLines.push_back(n + 1);
    if (!core::IsFree(before)) plan.OverwrittenSlots.push_back(slot);
    plan.Slots.push_back(slot);
    plan.Records.push_back(std::move(record));
  }
  return plan;
}

bool ApplyImport(const ImportPlan& plan, core::StudentTable& table) {
  if (!plan.Ok()) return false;
  for (size_t i = 0; i < plan.Slots.size(); ++i) table.At(plan.Slots[i]) = plan.Records[i];
  return !plan.Slots.empty();
}

}  // namespace tolka::exchange
