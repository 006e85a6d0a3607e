#include "print/fhr_info.h"

#include <algorithm>

#include "core/file_io.h"

namespace tolka::print {

namespace L = fhr_info_layout;

FhrInfo DecodeFhrInfo(core::ConstBytes bytes) {
  FhrInfo info;
  std::copy_n(bytes.begin(), L::kRecordSize, info.carried.begin());
  info.SchoolType = core::GetU16(bytes, L::kSchoolType);
  info.SchoolSubject = core::GetShortString(bytes, L::kSchoolSubject, L::kSchoolSubjectWidth);
  return info;
}

std::vector<uint8_t> EncodeFhrInfo(const FhrInfo& info) {
  std::vector<uint8_t> bytes(info.carried.begin(), info.carried.end());
  core::PutU16(bytes, L::kSchoolType, info.SchoolType);
  core::PutShortString(bytes, L::kSchoolSubject, L::kSchoolSubjectWidth, info.SchoolSubject);
  return bytes;
}

std::string LoadFhrInfo(FhrInfo& info, core::Directories& dirs, bool central_settings) {
  info = FhrInfo{};
  dirs.ReevaluateSettings(central_settings);
  auto path = core::FindFile(dirs.Settings, kFhrInfoFileName);
  if (!path) path = core::FindFile(dirs.Program, kFhrInfoFileName);
  if (!path) return {};
  if (core::FileSizeOf(*path) != L::kRecordSize) return core::kWrongSize;
  info = DecodeFhrInfo(core::ReadExactly(*path, L::kRecordSize));
  return {};
}

void SaveFhrInfo(const FhrInfo& info, core::Directories& dirs, bool central_settings) {
  dirs.ReevaluateSettings(central_settings);
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kFhrInfoFileName), EncodeFhrInfo(info));
}

}  // namespace tolka::print
