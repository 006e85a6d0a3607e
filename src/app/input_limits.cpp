#include "app/input_limits.h"

namespace tolka::app {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

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

std::string FixupPoints(const std::string& text) {
  if (text.size() == 1 && IsDigit(text[0])) return "0" + text;
  return text;
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
