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

const std::string& KeyOf(const StudentRecord& record, SortKey key) {
  switch (key) {
    case SortKey::StudentId:
      return record.StudentId;
    case SortKey::ClassName:
      return record.ClassName;
    case SortKey::Surname:
      break;
  }
  return record.Surname;
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
      if (CompareKeys(KeyOf(table.At(k), key), KeyOf(table.At(k + 1), key)) > 0) {
        std::swap(table.At(k), table.At(k + 1));
        exchanged = true;
        exchanged_any = true;
      }
    }
  }
  return exchanged_any;
}

bool MatchesSearch(const StudentRecord& record, const SearchRequest& request) {
  const std::string& field =
      request.Field == SearchField::GivenNames ? record.GivenNames : record.Surname;
  if (request.Kind == MatchKind::Whole) return field == request.Text;
  return field.find(request.Text) != std::string::npos;
}

std::optional<size_t> FindStudent(const StudentTable& table, size_t start,
                                  const SearchRequest& request) {
  for (size_t s = start; s < kListCount; ++s) {
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
