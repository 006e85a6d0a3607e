#include "rules/check_result_list.h"

#include <stdexcept>

namespace tolka::rules {

CheckMark& CheckResultList::At(int item) {
  if (item < 1 || item > kItemCount) throw std::out_of_range("check item outside 1..140");
  return marks_[static_cast<size_t>(item)];
}

const CheckMark& CheckResultList::At(int item) const {
  if (item < 1 || item > kItemCount) throw std::out_of_range("check item outside 1..140");
  return marks_[static_cast<size_t>(item)];
}

void CheckResultList::Raise(int item) { At(item).Error = 1; }
void CheckResultList::Note(int item) { At(item).Hint = 1; }
bool CheckResultList::IsRaised(int item) const { return At(item).Error != 0; }
bool CheckResultList::IsNoted(int item) const { return At(item).Hint != 0; }

void ClearResults(CheckResultList& list) { list = CheckResultList{}; }

bool HasErrors(const CheckResultList& list) {
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsRaised(i)) return true;
  }
  return false;
}

bool HasHints(const CheckResultList& list) {
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsNoted(i)) return true;
  }
  return false;
}

bool HasCountedHints(const CheckResultList& list, uint16_t ignore_exam_hints) {
  return ignore_exam_hints != 1 && HasHints(list);
}

}  // namespace tolka::rules
