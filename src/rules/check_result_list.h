// The `CheckResultList`: the marks of the 140 numbered check items. A check
// raises item n (sets its error mark) or notes it (sets its hint mark); only
// the item's class decides how it is shown, and the marks decide whether a
// command succeeded.
#pragma once

#include <array>
#include <cstdint>

namespace tolka::rules {

inline constexpr int kItemCount = 140;

struct CheckMark {
  uint8_t Error = 0;
  uint8_t Hint = 0;
};

class CheckResultList {
 public:
  // Item numbers are 1..140; any other number is a programming error and
  // throws std::out_of_range.
  void Raise(int item);
  void Note(int item);
  bool IsRaised(int item) const;
  bool IsNoted(int item) const;
  bool IsSet(int item) const { return IsRaised(item) || IsNoted(item); }
  CheckMark& At(int item);
  const CheckMark& At(int item) const;

 private:
  std::array<CheckMark, kItemCount + 1> marks_{};  // [0] unused
};

// `ClearResults`: every mark 0.
void ClearResults(CheckResultList& list);
// `HasErrors`: any error mark set. `HasHints`: any hint mark set.
bool HasErrors(const CheckResultList& list);
bool HasHints(const CheckResultList& list);
// `HasCountedHints`: as HasHints, but always false when the general setting
// `IgnoreExamHints` is 1.
bool HasCountedHints(const CheckResultList& list, uint16_t ignore_exam_hints);

}  // namespace tolka::rules
