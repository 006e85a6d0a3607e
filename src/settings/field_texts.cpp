#include "settings/field_texts.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace tolka::settings {

// Texts declared in the header: defined here, in this library's code page.
const char* const kRangeCheckError = "Fehler bei Bereichsprüfung";

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string NotAnIntegerMessage(const std::string& text) {
  return "'" + text + "' ist kein gültiger Integerwert";
}

std::string NotAFloatMessage(const std::string& text) {
  return "'" + text + "' ist kein gültiger Gleitkommawert";
}

std::string ParseWordField(const std::string& text, uint16_t& value) {
  const std::string t = Trimmed(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  if (i == t.size()) return NotAnIntegerMessage(text);
  int64_t number = 0;
  for (; i < t.size(); ++i) {
    if (!IsDigit(t[i])) return NotAnIntegerMessage(text);
    number = number * 10 + (t[i] - '0');
    // The platform converts into a 32-bit integer first: a longer number is
    // no integer at all, not a range error.
    if (number > int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0)) {
      return NotAnIntegerMessage(text);
    }
  }
  if (negative) number = -number;
  if (number < 0 || number > 65535) return kRangeCheckError;
  value = static_cast<uint16_t>(number);
  return {};
}

std::string ParseRealField(const std::string& text, double& value) {
  const std::string t = Trimmed(text);
  // Check the German notation, then hand a C-notation copy to from_chars
  // (which does not depend on the process's locale).
  std::string c_notation;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) c_notation += t[i++];
  size_t mantissa_digits = 0;
  bool comma = false;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) {
      ++mantissa_digits;
      c_notation += t[i];
    } else if (t[i] == ',' && !comma) {
      comma = true;
      c_notation += '.';
    } else {
      break;
    }
  }
  if (mantissa_digits == 0) return NotAFloatMessage(text);
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    c_notation += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) c_notation += t[i++];
    size_t exponent_digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++exponent_digits) c_notation += t[i];
    if (exponent_digits == 0) return NotAFloatMessage(text);
  }
  if (i != t.size()) return NotAFloatMessage(text);
  const char* begin = c_notation.data();
  if (*begin == '+') ++begin;  // from_chars takes no plus sign
  double parsed = 0;
  const auto [end, error] = std::from_chars(begin, c_notation.data() + c_notation.size(), parsed);
  if (error != std::errc() || end != c_notation.data() + c_notation.size()) {
    return NotAFloatMessage(text);  // out of the range of a double
  }
  value = parsed;
  return {};
}

std::string WordFieldText(uint16_t value) { return std::to_string(value); }

std::string RealFieldText(double value) {
  const int size = std::snprintf(nullptr, 0, "%.1f", value);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  std::snprintf(out.data(), out.size() + 1, "%.1f", value);
  // The decimal point of the C locale (or a comma already, under a German
  // LC_NUMERIC) becomes the decimal comma.
  for (char& c : out) {
    if (c == '.') c = ',';
  }
  return out;
}

}  // namespace tolka::settings
