// AbiDef.DAT: the exam settings record.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "settings/exam_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(settings::kExamSettingsFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  settings::ExamSettings exam;
  try {
    settings::LoadExamSettings(exam, dirs, true);
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  fuzz::RequireStableEncoding(exam, settings::EncodeExamSettings, settings::DecodeExamSettings);
  return 0;
}
