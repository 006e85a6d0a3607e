// IMPORT.CFG: the column assignment of the person-data import.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "exchange/import_config.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(exchange::kImportConfigFileName, data, size);
  try {
    const exchange::LoadedImportConfig loaded = exchange::LoadImportConfig(path.parent_path());
    exchange::FeedsAnyField(loaded.Config);
    fuzz::RequireStableEncoding(loaded.Config, exchange::EncodeImportConfig,
                                exchange::DecodeImportConfig);
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  return 0;
}
