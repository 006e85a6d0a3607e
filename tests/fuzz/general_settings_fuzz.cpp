// ABIEINST.DAT with its fall-back order and the ABIEINST.BAK it writes.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/general_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(settings::kGeneralSettingsFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  settings::GeneralSettings general = settings::DefaultGeneralSettings();
  // Nothing here throws for a file: a failure is the message.
  settings::LoadGeneralSettings(general, dirs);
  fuzz::RequireStableEncoding(general, settings::EncodeGeneralSettings,
                              settings::DecodeGeneralSettings);
  return 0;
}
