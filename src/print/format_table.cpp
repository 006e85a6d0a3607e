#include "print/format_table.h"

#include <cstdint>
#include <vector>

#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::print {

namespace {

// Lines of a table text, CR LF or LF, without their line ends; a file that
// ends without a line end still has its last line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class TableReader {
 public:
  TableReader(const std::string& text, const std::string& label)
      : lines_(SplitLines(text)), label_(label) {}

  bool AtEnd() const { return next_ >= lines_.size(); }

  std::string WholeLine() { return AtEnd() ? std::string() : lines_[next_++]; }

  // The next number: blank and empty lines before it are skipped; the rest
  // of its line is a comment when a blank or tab separates it. False at the
  // end of the file.
  bool Number(uint16_t& value) {
    while (!AtEnd()) {
      const std::string& line = lines_[next_];
      size_t i = 0;
      while (i < line.size() && IsBlank(line[i])) ++i;
      if (i == line.size()) {
        ++next_;
        continue;
      }
      bool negative = false;
      if (line[i] == '+' || line[i] == '-') {
        negative = line[i] == '-';
        ++i;
      }
      const size_t digits = i;
      uint32_t low = 0;  // the value modulo 65536
      while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        low = (low * 10 + static_cast<uint32_t>(line[i] - '0')) & 0xFFFF;
        ++i;
      }
      if (i == digits || (i < line.size() && !IsBlank(line[i]))) Fail();
      value = static_cast<uint16_t>(negative ? (0x10000 - low) & 0xFFFF : low);
      ++next_;
      return true;
    }
    return false;
  }

 private:
  [[noreturn]] void Fail() const {
    throw IoError("Fehler in der Steuerdatei " + label_ + ", Zeile " + std::to_string(next_ + 1) +
                  ": Zahl erwartet");
  }

  std::vector<std::string> lines_;
  std::string label_;
  size_t next_ = 0;
};

void SetEntry(FormatTable& table, size_t i, uint16_t x, uint16_t y, uint16_t font, uint16_t page,
              uint16_t print) {
  table[i] = FormatEntry{x, y, font, page, print};
}

}  // namespace

const char* TemplateTitle() { return "Vorlage für FormatSteuerTabelle / Datenblatt"; }

const char* FormatTableWarning() { return "Es können Fehler in der Steuerdatei enthalten sein!"; }

ParsedFormatTable ParseFormatTable(const std::string& text, const std::string& file_label) {
  ParsedFormatTable parsed;
  TableReader reader(text, file_label);
  parsed.Table.Title = reader.WholeLine();
  reader.WholeLine();  // "============="
  for (size_t i = 0; i < kFormatEntryCount; ++i) {
    uint16_t values[6] = {};
    for (uint16_t& value : values) {
      if (!reader.Number(value)) {
        parsed.EndedEarly = true;
        break;
      }
    }
    if (parsed.EndedEarly) break;
    if (values[0] != i) parsed.NumbersOutOfSequence = true;
    parsed.Table[i] = FormatEntry{values[1], values[2], values[3], values[4], values[5]};
    reader.WholeLine();  // the separator, whatever it holds
  }
  if (parsed.Table.Title.empty()) parsed.Table.Title = kUnnamedTableTitle;
  return parsed;
}

FormatTable FormatTableTemplate() {
  FormatTable t;
  t.Title = TemplateTitle();
  SetEntry(t, 0, 600, 0, 10, 1, 1);
  SetEntry(t, 1, 300, 100, 20, 1, 1);
  SetEntry(t, 2, 0, 0, 3, 1, 0);
  SetEntry(t, 3, 700, 200, 1, 1, 1);
  SetEntry(t, 4, 1500, 200, 1, 1, 1);
  SetEntry(t, 5, 300, 260, 1, 1, 1);
  SetEntry(t, 6, 0, 0, 1, 1, 1);
  SetEntry(t, 7, 300, 320, 1, 1, 1);
  SetEntry(t, 8, 900, 320, 1, 1, 1);
  SetEntry(t, 9, 300, 380, 1, 1, 1);
  // Entries 10..53: eleven lines 60 apart from y 540, four columns each.
  for (uint16_t r = 0; r <= 10; ++r) {
    const uint16_t y = static_cast<uint16_t>(540 + 60 * r);
    SetEntry(t, 10 + 4 * r, 100, y, 1, 1, 1);
    SetEntry(t, 11 + 4 * r, 750, y, 3, 1, 1);
    SetEntry(t, 12 + 4 * r, 1550, y, 1, 1, 1);
    SetEntry(t, 13 + 4 * r, 13 + 4 * r == 29 ? 1500 : 1600, y, 1, 1, 1);
  }
  SetEntry(t, 83, 0, 1300, 1, 1, 1);
  SetEntry(t, 84, 750, 2000, 1, 1, 1);
  SetEntry(t, 85, 1500, 2000, 1, 1, 1);
  SetEntry(t, 86, 0, 2120, 1, 1, 1);
  SetEntry(t, 87, 250, 2400, 1, 1, 1);
  SetEntry(t, 88, 900, 2400, 1, 1, 1);
  SetEntry(t, 89, 1500, 2400, 1, 1, 1);
  SetEntry(t, 90, 250, 2460, 1, 1, 1);
  SetEntry(t, 91, 1200, 2460, 1, 1, 1);
  SetEntry(t, 92, 1500, 2460, 1, 1, 1);
  SetEntry(t, 93, 500, 2520, 1, 1, 1);
  SetEntry(t, 94, 1200, 2520, 1, 1, 1);
  for (size_t i : {95, 96, 97}) SetEntry(t, i, 0, 0, 1, 1, 0);
  SetEntry(t, 98, 0, 2650, 14, 1, 1);
  SetEntry(t, 99, 1250, 2650, 30, 1, 1);
  return t;
}

std::string FormatTableText(const FormatTable& table) {
  std::string text;
  text.reserve(kFormatEntryCount * 40);
  text += table.Title + "\r\n=============\r\n";
  for (size_t i = 0; i < kFormatEntryCount; ++i) {
    const FormatEntry& e = table[i];
    text += std::to_string(i) + "\r\n";
    for (uint16_t v : {e.x, e.y, e.font, e.page, e.print}) text += std::to_string(v) + "\r\n";
    text += "- - - - -\r\n";
  }
  return text;
}

LoadedFormatTable LoadFormatTable(const std::string& name, const core::Directories& dirs) {
  LoadedFormatTable loaded;
  auto found = core::FindFile(dirs.Data, name);
  if (!found) found = core::FindFile(dirs.Program, name);
  if (found) {
    loaded.Path = *found;
    const std::vector<uint8_t> bytes = core::ReadFileBytes(*found);
    loaded.Parsed = ParseFormatTable(std::string(bytes.begin(), bytes.end()),
                                     core::PathText(found->filename()));
    return loaded;
  }
  loaded.Parsed.Table = FormatTableTemplate();
  loaded.Path = core::TargetPath(dirs.Data, name);
  const std::string text = FormatTableText(loaded.Parsed.Table);
  try {
    core::SaveFileAtomically(loaded.Path, std::vector<uint8_t>(text.begin(), text.end()));
  } catch (const IoError& e) {
    throw IoError(core::PathText(loaded.Path) + ": " + e.what());
  }
  loaded.TemplateWritten = true;
  return loaded;
}

}  // namespace tolka::print
