// DRKEINST.DAT in both sizes, with the conversion of the older form and the
// DRKEINST.BAK it writes.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "print/print_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(print::kPrintSettingsFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  print::PrintSettings settings;
  try {
    if (print::LoadPrintSettings(settings, dirs, true).empty()) {
      // A file that was read (an older one was converted in place) gives the
      // same values at the next load.
      print::PrintSettings again;
      if (!print::LoadPrintSettings(again, dirs, true).empty() ||
          print::EncodePrintSettings(again) != print::EncodePrintSettings(settings)) {
        fuzz::Fail("print settings read a second time differ");
      }
    }
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  fuzz::RequireStableEncoding(settings, print::EncodePrintSettings, print::DecodePrintSettings);
  return 0;
}
