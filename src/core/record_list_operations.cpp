#include "core/record_list_operations.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tolka::core {

namespace {

constexpr size_t kLastListed = kListCount - 1;  // slot 34
constexpr size_t kSpillSlot = kSlotCount - 1;   // slot 35

void CheckCurrent(size_t current) {
  if (current >= kListCount) throw std::out_of_range("current student outside 0..34");
}

// The lower-case letter of a Windows-1252 upper-case letter (A-Z and the
// accented capitals 0xC0..0xDE except the multiplication sign, and the
// three capitals of the 0x8A..0x9F row).
unsigned char LowerCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

// The base letter of an accented lower-case Windows-1252 letter, or 0.
char BaseLetter(unsigned char c) {
  if (c >= 0xE0 && c <= 0xE5) return 'a';  // à á â ã ä å
  if (c == 0xE7) return 'c';
  if (c >= 0xE8 && c <= 0xEB) return 'e';
  if (c >= 0xEC && c <= 0xEF) return 'i';
  if (c == 0xF1) return 'n';
  if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8) return 'o';  // ò ó ô õ ö ø
  if (c >= 0xF9 && c <= 0xFC) return 'u';
  if (c == 0xFD || c == 0xFF) return 'y';
  if (c == 0x9A) return 's';  // š
  if (c == 0x9E) return 'z';  // ž
  return 0;
}

std::string CaseFolded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(LowerCase(static_cast<unsigned char>(c)));
  return folded;
}

// The number an identification number holds, blanks around it ignored;
// nothing when it holds anything else.
std::optional<unsigned long long> IdNumber(const std::string& id) {
  const size_t first = id.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const size_t last = id.find_last_not_of(' ');
  unsigned long long value = 0;
  for (size_t i = first; i <= last; ++i) {
    if (id[i] < '0' || id[i] > '9') return std::nullopt;
    if (value > 1'000'000'000'000ULL) return std::nullopt;  // far beyond any student number
    value = value * 10 + static_cast<unsigned>(id[i] - '0');
  }
  return value;
}

}  // namespace

void CopyRecord(const StudentTable& table, size_t current, StudentRecord& clipboard) {
  CheckCurrent(current);
  clipboard = table.At(current);
}

void CutRecord(StudentTable& table, size_t current, StudentRecord& clipboard,
               const IntroPhaseDefaults& defaults) {
  CheckCurrent(current);
  clipboard = table.At(current);
  for (size_t k = current; k < kSpillSlot; ++k) table.At(k) = std::move(table.At(k + 1));
  table.At(kSpillSlot) = InitialisedRecord(defaults);
}

bool ListIsFull(const StudentTable& table) { return !IsFree(table.At(kLastListed)); }

bool PasteRecord(StudentTable& table, size_t current, const StudentRecord& clipboard) {
  CheckCurrent(current);
  if (ListIsFull(table)) return false;
  for (size_t k = kSpillSlot; k > current; --k) table.At(k) = std::move(table.At(k - 1));
  table.At(current) = clipboard;
  return true;
}

int CompareKeys(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string CollationKey(const std::string& text) {
  std::string key;
  key.reserve(text.size() + 2);
  for (const char ch : text) {
    const unsigned char c = LowerCase(static_cast<unsigned char>(ch));
    if (c == 0xDF) {
      key += "ss";
    } else if (const char base = BaseLetter(c)) {
      key += base;
    } else {
      key += static_cast<char>(c);
    }
  }
  return key;
}

int CompareNames(const std::string& a, const std::string& b) {
  return CompareKeys(CollationKey(a), CollationKey(b));
}

int CompareStudentIds(const std::string& a, const std::string& b) {
  const auto x = IdNumber(a);
  const auto y = IdNumber(b);
  if (x && y) return *x == *y ? 0 : (*x < *y ? -1 : 1);
  if (x) return -1;
  if (y) return 1;
  return CompareNames(a, b);
}

int CompareSortKeys(const StudentRecord& a, const StudentRecord& b, SortKey key) {
  switch (key) {
    case SortKey::StudentId:
      return CompareStudentIds(a.StudentId, b.StudentId);
    case SortKey::ClassName:
      return CompareNames(a.ClassName, b.ClassName);
    case SortKey::Surname:
      break;
  }
  return CompareNames(a.Surname, b.Surname);
}

size_t BlockEnd(const StudentTable& table, size_t current) {
  CheckCurrent(current);
  size_t end = current;
  while (end < kListCount && !IsFree(table.At(end))) ++end;
  return end;
}

bool SortBlock(StudentTable& table, size_t current, SortKey key) {
  const size_t end = BlockEnd(table, current);
  bool exchanged_any = false;
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (size_t k = current; k + 1 < end; ++k) {
      if (CompareSortKeys(table.At(k), table.At(k + 1), key) > 0) {
        std::swap(table.At(k), table.At(k + 1));
        exchanged = true;
        exchanged_any = true;
      }
    }
  }
  return exchanged_any;
}

bool MatchesSearch(const StudentRecord& record, const SearchRequest& request) {
  const std::string field =
      CaseFolded(request.Field == SearchField::GivenNames ? record.GivenNames : record.Surname);
  const std::string text = CaseFolded(request.Text);
  if (request.Kind == MatchKind::Whole) return field == text;
  return field.find(text) != std::string::npos;
}

std::optional<size_t> FindStudent(const StudentTable& table, size_t start,
                                  const SearchRequest& request, size_t end) {
  for (size_t s = start; s < std::min(end, kListCount); ++s) {
    if (MatchesSearch(table.At(s), request)) return s;
  }
  return std::nullopt;
}

std::optional<size_t> AppendSlot(const StudentTable& table) {
  if (!IsFree(table.At(kLastListed))) return std::nullopt;
  size_t slot = kLastListed;
  while (slot > 0 && IsFree(table.At(slot - 1))) --slot;
  return slot;
}

}  // namespace tolka::core
