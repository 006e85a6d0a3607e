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

// [1..140]; [0] unused. Item 11's fail text quotes `MaxBasicCourses`.
using CheckItemTable = std::array<CheckItem, kItemCount + 1>;
CheckItemTable BuildCheckItemTable(const settings::ExamSettings& exam);

}  // namespace tolka::rules
