#include "settings/exam_settings.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "core/file_io.h"
#include "settings/field_texts.h"

namespace tolka::settings {

namespace L = exam_layout;

namespace {

constexpr size_t kTextWidth = 255;  // Description and the reserved texts
constexpr size_t kTextSize = kTextWidth + 1;
constexpr size_t kReservedWordCount = 10;
constexpr size_t kReservedRealCount = 3;
constexpr size_t kReservedTextCount = 5;
constexpr const char* kReservedText = "-- frei --";
constexpr size_t kStampWidth = 52;  // school name and "; " in `Description`

static_assert(L::kReservedWords + 2 * kReservedWordCount + 2 == L::kReservedReals);
static_assert(L::kReservedReals + 8 * kReservedRealCount == L::kReservedTexts);
static_assert(L::kReservedTexts + kReservedTextCount * kTextSize == L::kRecordSize);

// The u16 fields in their order, as (offset, member) pairs, so decode and
// encode cannot disagree.
using WordMember = uint16_t ExamSettings::*;
constexpr std::pair<size_t, WordMember> kWords[] = {
    {L::kMinBasicCourses, &ExamSettings::MinBasicCourses},
    {L::kBlockICourseCount, &ExamSettings::BlockICourseCount},
    {L::kBlockIICourseCount, &ExamSettings::BlockIICourseCount},
    {L::kBlockIIICourseCount, &ExamSettings::BlockIIICourseCount},
    {L::kMinBasicPassed, &ExamSettings::MinBasicPassed},
    {L::kFhrMinBasicPassed, &ExamSettings::FhrMinBasicPassed},
    {L::kFhrMinAdvancedPassed, &ExamSettings::FhrMinAdvancedPassed},
    {L::kAdvancedCourseCount, &ExamSettings::AdvancedCourseCount},
    {L::kBasicExamCount, &ExamSettings::BasicExamCount},
    {L::kExamSubjectCount, &ExamSettings::ExamSubjectCount},
    {L::kMaxBasicCourses, &ExamSettings::MaxBasicCourses},
    {L::kMaxAdvancedCourses, &ExamSettings::MaxAdvancedCourses},
    {L::kProjectCourseCount, &ExamSettings::ProjectCourseCount},
    {L::kMaxExams, &ExamSettings::MaxExams},
    {L::kMinWeeklyHours, &ExamSettings::MinWeeklyHours},
    {L::kBlockIMin, &ExamSettings::BlockIMin},
    {L::kBlockIMax, &ExamSettings::BlockIMax},
    {L::kBlockIIMin, &ExamSettings::BlockIIMin},
    {L::kBlockIIMax, &ExamSettings::BlockIIMax},
    {L::kBlockIIIMin, &ExamSettings::BlockIIIMin},
    {L::kBlockIIIMax, &ExamSettings::BlockIIIMax},
    {L::kTotalMin, &ExamSettings::TotalMin},
    {L::kTotalMax, &ExamSettings::TotalMax},
    {L::kFhrBasicCourseCount, &ExamSettings::FhrBasicCourseCount},
    {L::kFhrTotalMin, &ExamSettings::FhrTotalMin},
    {L::kFhrTotalMax, &ExamSettings::FhrTotalMax},
    {L::kFhrAdvancedPointsMin, &ExamSettings::FhrAdvancedPointsMin},
    {L::kFhrBasicPointsMin, &ExamSettings::FhrBasicPointsMin},
    {L::kFhrAdvancedPointsMax, &ExamSettings::FhrAdvancedPointsMax},
    {L::kFhrBasicPointsMax, &ExamSettings::FhrBasicPointsMax},
    {L::kExamSubjectMin, &ExamSettings::ExamSubjectMin},
    {L::kExamSubjectMinWithSpecialWork, &ExamSettings::ExamSubjectMinWithSpecialWork},
};

using RealMember = double ExamSettings::*;
constexpr std::pair<size_t, RealMember> kReals[] = {
    {L::kMinHoursArea1, &ExamSettings::MinHoursArea1},
    {L::kMinHoursArea2, &ExamSettings::MinHoursArea2},
    {L::kMinHoursArea3, &ExamSettings::MinHoursArea3},
};

std::optional<core::fs::path> ExamSettingsFile(const core::Directories& dirs) {
  if (auto found = core::FindFile(dirs.Settings, kExamSettingsFileName)) return found;
  return core::FindFile(dirs.Program, kExamSettingsFileName);
}

}  // namespace

ExamSettings DecodeExamSettings(core::ConstBytes bytes) {
  if (bytes.size() != L::kRecordSize) throw std::invalid_argument("exam settings size");
  ExamSettings s;
  std::copy(bytes.begin(), bytes.end(), s.carried.begin());
  for (const auto& [offset, member] : kWords) s.*member = core::GetU16(bytes, offset);
  for (const auto& [offset, member] : kReals) s.*member = core::GetF64(bytes, offset);
  s.Description = core::GetShortString(bytes, L::kDescription, kTextWidth);
  return s;
}

std::vector<uint8_t> EncodeExamSettings(const ExamSettings& s) {
  std::vector<uint8_t> bytes(s.carried.begin(), s.carried.end());
  for (const auto& [offset, member] : kWords) core::PutU16(bytes, offset, s.*member);
  for (const auto& [offset, member] : kReals) core::PutF64(bytes, offset, s.*member);
  core::PutShortString(bytes, L::kDescription, kTextWidth, s.Description);
  return bytes;
}

void ResetExamSettings(ExamSettings& settings) {
  ExamSettings fresh;  // the member initialisers are the built-in values
  fresh.carried = settings.carried;
  core::Bytes bytes(fresh.carried);
  for (size_t k = 0; k < kReservedWordCount; ++k) core::PutU16(bytes, L::kReservedWords + 2 * k, 0);
  for (size_t k = 0; k < kReservedRealCount; ++k) {
    core::PutF64(bytes, L::kReservedReals + 8 * k, 1.0);
  }
  for (size_t k = 0; k < kReservedTextCount; ++k) {
    core::PutShortString(bytes, L::kReservedTexts + kTextSize * k, kTextWidth, kReservedText);
  }
  const std::vector<uint8_t> encoded = EncodeExamSettings(fresh);
  std::copy(encoded.begin(), encoded.end(), fresh.carried.begin());
  settings = std::move(fresh);
}

ExamSettings BuiltInExamSettings() {
  ExamSettings settings;
  ResetExamSettings(settings);
  return settings;
}

void LoadExamSettings(ExamSettings& settings, core::Directories& dirs, bool central_settings) {
  ResetExamSettings(settings);
  dirs.ReevaluateSettings(central_settings);
  const auto path = ExamSettingsFile(dirs);
  if (!path) return;
  // The whole record first: a short or unreadable file leaves the built-in
  // values in force.
  const std::vector<uint8_t> bytes = core::ReadExactly(*path, L::kRecordSize);
  settings = DecodeExamSettings(bytes);
}

std::string StampedDescription(const std::string& school_name, const std::string& date_text) {
  return (school_name + "; ").substr(0, kStampWidth) + date_text;
}

void SaveExamSettings(ExamSettings& settings, core::Directories& dirs, bool central_settings,
                      const std::string& school_name, const std::string& date_text) {
  settings.Description = StampedDescription(school_name, date_text).substr(0, kTextWidth);
  dirs.ReevaluateSettings(central_settings);
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kExamSettingsFileName),
                           EncodeExamSettings(settings));
}

void RestoreDefaultExamSettings(ExamSettings& settings, core::Directories& dirs,
                                bool central_settings) {
  ExamSettings defaults = settings;
  ResetExamSettings(defaults);
  dirs.ReevaluateSettings(central_settings);
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kExamSettingsFileName),
                           EncodeExamSettings(defaults));
  settings = defaults;
}

ExamSettingsTexts DisplayedTextsOf(const ExamSettings& s) {
  return {WordFieldText(s.MinWeeklyHours),     WordFieldText(s.MaxBasicCourses),
          WordFieldText(s.MaxAdvancedCourses), RealFieldText(s.MinHoursArea1),
          RealFieldText(s.MinHoursArea2),      RealFieldText(s.MinHoursArea3)};
}

std::optional<ExamFieldError> TakeOverExamFields(ExamSettings& settings,
                                                 const ExamSettingsTexts& t) {
  ExamSettings s = settings;
  const ExamSettingsTexts shown = DisplayedTextsOf(settings);
  const std::tuple<const std::string*, const std::string*, uint16_t*> counts[] = {
      {&t.MinWeeklyHours, &shown.MinWeeklyHours, &s.MinWeeklyHours},
      {&t.MaxBasicCourses, &shown.MaxBasicCourses, &s.MaxBasicCourses},
      {&t.MaxAdvancedCourses, &shown.MaxAdvancedCourses, &s.MaxAdvancedCourses},
  };
  int field = 0;
  for (const auto& [text, before, value] : counts) {
    if (*text != *before) {
      if (std::string message = ParseWordField(*text, *value); !message.empty()) {
        return ExamFieldError{field, message};
      }
    }
    ++field;
  }
  const std::tuple<const std::string*, const std::string*, double*> minimums[] = {
      {&t.MinHoursArea1, &shown.MinHoursArea1, &s.MinHoursArea1},
      {&t.MinHoursArea2, &shown.MinHoursArea2, &s.MinHoursArea2},
      {&t.MinHoursArea3, &shown.MinHoursArea3, &s.MinHoursArea3},
  };
  for (const auto& [text, before, value] : minimums) {
    if (*text != *before) {
      if (std::string message = ParseRealField(*text, *value); !message.empty()) {
        return ExamFieldError{field, message};
      }
    }
    ++field;
  }
  settings = s;
  return std::nullopt;
}

std::string TakeOverExamSettings(ExamSettings& s, const ExamSettingsTexts& t) {
  const auto error = TakeOverExamFields(s, t);
  return error ? error->Message : std::string();
}

std::string ShortDateToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900);
  return buffer;
}

}  // namespace tolka::settings
