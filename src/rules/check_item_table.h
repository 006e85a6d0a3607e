// The `CheckItemTable`: label, fail text and class of the 140 check items.
#pragma once

#include <array>
#include <string>

#include "rules/check_result_list.h"
#include "settings/exam_settings.h"

namespace tolka::rules {

struct CheckItem {
  int Number = 0;
  std::string Label;     // string[70], with its leading blank where it has one
  std::string FailText;  // string[60]
  bool IsError = false;  // error: the student fails; hint: passed with hints
};

// The texts of an unused item number (6..9, 64..69, 81..85, 95..99, 105..110,
// 116..119, 128..140): such an item is a hint and is never raised.
inline constexpr const char* kUnusedItemLabel = " derzeit nicht benutzt";
inline constexpr const char* kDefaultFailText = " nicht OK";

// [1..140]; [0] unused. Item 11's fail text quotes `MaxBasicCourses`.
using CheckItemTable = std::array<CheckItem, kItemCount + 1>;
CheckItemTable BuildCheckItemTable(const settings::ExamSettings& exam);

}  // namespace tolka::rules
