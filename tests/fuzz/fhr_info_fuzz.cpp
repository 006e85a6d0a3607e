// FHRINFO.DAT: school type and subject of the FHR certificate.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "print/fhr_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(print::kFhrInfoFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  print::FhrInfo info;
  try {
    print::LoadFhrInfo(info, dirs, true);
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  fuzz::RequireStableEncoding(info, print::EncodeFhrInfo, print::DecodeFhrInfo);
  return 0;
}
