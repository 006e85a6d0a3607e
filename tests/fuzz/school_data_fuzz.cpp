// SCHULE.INI: read, and merged with new values as a save does, which keeps
// the file's comments and unknown keys.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "settings/school_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(settings::kSchoolDataFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  try {
    settings::SchoolData school = settings::LoadSchoolData(dirs, true);
    school.ShortName = "Neu";
    const std::string merged = settings::MergeSchoolData(std::string(data, data + size), school);
    // The merged file must give back the values that were merged in.
    if (!(settings::ParseSchoolData(merged) == school)) __builtin_trap();
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  return 0;
}
