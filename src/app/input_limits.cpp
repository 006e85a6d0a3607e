#include "app/input_limits.h"

#include <algorithm>
#include <cstdio>

namespace tolka::app {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(const std::string& text) { return "\x84" + text + "\x93"; }

Settled Refused(const std::string& typed, const char* what, const char* allowed) {
  return {std::nullopt, Quoted(typed) + " ist " + what + ".\r" + allowed};
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A part of a date: one or two digits (`width` 2) or exactly four (`width`
// 4); nothing otherwise.
std::optional<int> DatePart(const std::string& part, size_t width) {
  const std::string digits = Trimmed(part);
  if (digits.empty() || digits.size() > width || (width == 4 && digits.size() != 4)) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

Settled SettlePoints(const std::string& typed) {
  if (typed.empty() || typed == "-") return {"--", {}};
  if (typed.size() == 1 && IsDigit(typed[0])) return {"0" + typed, {}};
  if (ValidatePoints(typed) == InputState::Acceptable) return {typed, {}};
  return Refused(typed, "keine gültige Punktzahl",
                 "Erlaubt sind 00 bis 15 oder -- (noch keine Bewertung).");
}

Settled SettleIntroMark(const std::string& typed) {
  if (typed.empty()) return {"-", {}};
  if (ValidateIntroMark(typed) == InputState::Acceptable) return {typed, {}};
  return Refused(typed, "keine gültige Note",
                 "Erlaubt sind 1 bis 6, - (noch keine Note) oder # (nicht unterrichtet).");
}

Settled SettleBirthDate(const std::string& typed) {
  if (std::none_of(typed.begin(), typed.end(), IsDigit)) return {std::string(), {}};
  // The record's own "no date" of an initialised slot.
  if (typed == "00.00.0000") return {typed, {}};
  const Settled refused =
      Refused(Trimmed(typed), "kein gültiges Datum",
              "Bitte das Geburtsdatum als TT.MM.JJJJ eingeben (z. B. 07.03.2008)\roder das Feld "
              "leer lassen.");
  const size_t dot1 = typed.find('.');
  const size_t dot2 = dot1 == std::string::npos ? dot1 : typed.find('.', dot1 + 1);
  if (dot2 == std::string::npos) return refused;
  const auto day = DatePart(typed.substr(0, dot1), 2);
  const auto month = DatePart(typed.substr(dot1 + 1, dot2 - dot1 - 1), 2);
  const auto year = DatePart(typed.substr(dot2 + 1), 4);
  if (!day || !month || !year || *year < 1900 || *year > 2099 || *month < 1 || *month > 12 ||
      *day < 1 || *day > DaysInMonth(*month, *year)) {
    return refused;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", *day, *month, *year);
  return {std::string(text), {}};
}

InputState ValidatePoints(const std::string& text) {
  if (text.empty()) return InputState::Intermediate;
  if (text.size() == 1) {
    return IsDigit(text[0]) || text[0] == '-' ? InputState::Intermediate : InputState::Invalid;
  }
  if (text.size() > 2) return InputState::Invalid;
  if (text == "--") return InputState::Acceptable;
  if (!IsDigit(text[0]) || !IsDigit(text[1])) return InputState::Invalid;
  const int value = (text[0] - '0') * 10 + (text[1] - '0');
  return value <= 15 ? InputState::Acceptable : InputState::Invalid;
}

InputState ValidateIntroMark(const std::string& text) {
  if (text.empty()) return InputState::Intermediate;
  if (text.size() > 1) return InputState::Invalid;
  const char c = text[0];
  return (c >= '1' && c <= '6') || c == '-' || c == '#' ? InputState::Acceptable
                                                        : InputState::Invalid;
}

std::string FreeTextShown(const std::string& stored) {
  const std::string text = stored.substr(0, stored.find('\0'));
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    shown += text[i];
  }
  return shown;
}

std::string FreeTextStored(const std::string& shown, size_t capacity) {
  const std::string text = shown.substr(0, shown.find('\0'));
  std::string stored;
  stored.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (c == '\n' || crlf) {
      if (stored.size() + 2 > capacity) break;
      stored += "\r\n";
      if (crlf) ++i;
      continue;
    }
    if (stored.size() + 1 > capacity) break;
    stored += c;
  }
  return stored;
}

size_t FreeTextStoredSize(const std::string& shown) {
  return FreeTextStored(shown, std::string::npos).size();
}

}  // namespace tolka::app
