#include "exchange/import_text.h"

#include <cstdio>
#include <optional>

#include "core/cp1252.h"

namespace tolka::exchange {

namespace {

std::string LineRefusal(size_t line, const std::string& text) {
  return "Zeile " + std::to_string(line) + ": " + text;
}

// The length of the UTF-8 sequence at `i` and its code point, or nothing for
// a broken sequence (overlong forms, surrogates and values above U+10FFFF
// included).
std::optional<std::pair<size_t, char32_t>> Utf8At(const std::string& text, size_t i) {
  const auto lead = static_cast<uint8_t>(text[i]);
  if (lead < 0x80) return std::pair<size_t, char32_t>{1, lead};
  size_t extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
    minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (i + extra >= text.size()) return std::nullopt;
  for (size_t k = 1; k <= extra; ++k) {
    const auto next = static_cast<uint8_t>(text[i + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return std::pair<size_t, char32_t>{extra + 1, cp};
}

// Valid UTF-8 with at least one multi-byte character.
bool LooksLikeUtf8(const std::string& text) {
  bool multi_byte = false;
  for (size_t i = 0; i < text.size();) {
    const auto at = Utf8At(text, i);
    if (!at) return false;
    if (at->first > 1) multi_byte = true;
    i += at->first;
  }
  return multi_byte;
}

// One line of UTF-8 as Windows-1252, or the refusal.
std::optional<std::string> LineToCp1252(const std::string& line, size_t number,
                                        std::string& refusal) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size();) {
    const auto at = Utf8At(line, i);
    if (!at) {
      refusal = LineRefusal(number,
                            "ungültige UTF-8-Zeichenfolge (die Datei ist als UTF-8 "
                            "gekennzeichnet).");
      return std::nullopt;
    }
    const std::string sequence = line.substr(i, at->first);
    const auto converted = core::Utf8ToCp1252(sequence);
    if (!converted || !core::IsCp1252Representable(at->second)) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(at->second));
      refusal = LineRefusal(number, std::string("das Zeichen ") + code +
                                        " gibt es im Zeichensatz der Schülerdaten (Windows-1252) "
                                        "nicht; es würde verfälscht gespeichert.");
      return std::nullopt;
    }
    out += *converted;
    i += at->first;
  }
  return out;
}

// A byte that has no place in a line of text: the C0 controls except the
// tab, DEL, and the five bytes that Windows-1252 leaves undefined.
bool IsControl(uint8_t c) {
  return (c < 0x20 && c != '\t') || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 ||
         c == 0x9D;
}

bool IsSeparator(char c) { return c == ';' || c == '\t'; }

std::string ColumnRefusal(size_t column, const std::string& text) {
  return "Spalte " + std::to_string(column) + ": " + text;
}

}  // namespace

ImportLines DecodeImportText(const std::vector<uint8_t>& bytes) {
  ImportLines result;
  if (bytes.size() >= 2 &&
      ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
    result.Refusal =
        "Die Datei ist als UTF-16-Text gespeichert.\rDer Import liest Text in Windows-1252 oder "
        "UTF-8: speichern Sie die Datei als CSV-Datei (Trennzeichen Semikolon) in einer dieser "
        "Kodierungen.";
    return result;
  }
  std::string text(bytes.begin(), bytes.end());
  const bool utf8_mark = text.rfind("\xEF\xBB\xBF", 0) == 0;
  if (utf8_mark) text.erase(0, 3);

  std::vector<std::string> raw;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!last && !line.empty() && line.back() == '\r') line.pop_back();
    raw.push_back(std::move(line));
    start = end + 1;
  }
  for (size_t n = 0; n < raw.size(); ++n) {
    if (raw[n].find('\0') != std::string::npos) {
      result.Refusal = LineRefusal(n + 1,
                                   "die Datei enthält Null-Bytes: sie ist keine Textdatei in "
                                   "Windows-1252 oder UTF-8 (vielleicht UTF-16 ohne Kennung).");
      return result;
    }
  }

  result.Encoding =
      utf8_mark || LooksLikeUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
  if (result.Encoding == TextEncoding::Windows1252) {
    result.Lines = std::move(raw);
    return result;
  }
  for (size_t n = 0; n < raw.size(); ++n) {
    const auto line = LineToCp1252(raw[n], n + 1, result.Refusal);
    if (!line) {
      result.Lines.clear();
      return result;
    }
    result.Lines.push_back(*line);
  }
  return result;
}

SplitLine SplitColumns(const std::string& line, size_t max_columns) {
  SplitLine split;
  size_t p = 0;
  for (size_t column = 1; column <= max_columns; ++column) {
    if (p >= line.size()) break;  // the rest of the line is empty
    std::string value;
    if (line[p] == '"') {
      size_t q = p + 1;
      while (q < line.size() && line[q] != '"' && !IsSeparator(line[q])) ++q;
      if (q >= line.size() || line[q] != '"') {
        split.Refusal = ColumnRefusal(
            column,
            "das Anführungszeichen wird nicht geschlossen (ein Semikolon oder Tabulator "
            "beendet die Spalte auch zwischen Anführungszeichen).");
        return split;
      }
      value = line.substr(p + 1, q - p - 1);
      p = q + 1;
      if (p < line.size()) {
        if (!IsSeparator(line[p])) {
          split.Refusal = ColumnRefusal(column,
                                        "nach dem schließenden Anführungszeichen folgt kein "
                                        "Trennzeichen (Semikolon oder Tabulator).");
          return split;
        }
        ++p;
      }
    } else {
      size_t q = p;
      while (q < line.size() && !IsSeparator(line[q])) ++q;
      value = line.substr(p, q - p);
      if (value.find('"') != std::string::npos) {
        split.Refusal = ColumnRefusal(column,
                                      "Anführungszeichen mitten in der Spalte (nur eine ganze "
                                      "Spalte darf in Anführungszeichen stehen).");
        return split;
      }
      p = q < line.size() ? q + 1 : q;
    }
    for (char c : value) {
      if (IsControl(static_cast<uint8_t>(c))) {
        char code[8];
        std::snprintf(code, sizeof code, "%02X", static_cast<unsigned>(static_cast<uint8_t>(c)));
        split.Refusal =
            ColumnRefusal(column, std::string("Steuerzeichen (Code ") + code + ") in der Spalte.");
        return split;
      }
    }
    split.Columns.push_back(std::move(value));
  }
  return split;
}

bool AllColumnsBlank(const std::vector<std::string>& columns) {
  for (const std::string& column : columns) {
    if (column.find_first_not_of(' ') != std::string::npos) return false;
  }
  return true;
}

}  // namespace tolka::exchange
