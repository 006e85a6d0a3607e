// The data file as Open reads it: the block, the password query, the
// deciphering, the table decoded, the ".BAK" copy and the settings of the
// data directory. TOLKA_FUZZ_CIPHER selects what the password query answers:
// 0 Abbrechen (a protected file is shown enciphered), 1 the seeds' password
// with "neu", 2 the same with "alt".
#include <cstddef>
#include <cstdint>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "core/data_file_image.h"
#include "core/io_error.h"
#include "core/write_fault_injection.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/seed_password.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput("DATEN.TLK", data, size);
  fuzz::AnsweringInteraction ui;
#if TOLKA_FUZZ_CIPHER != 0
  ui.QueryAnswer.Ok = true;
  ui.QueryAnswer.Password = fuzz::kSeedPassword;
  ui.QueryAnswer.Variant =
      TOLKA_FUZZ_CIPHER == 1 ? core::CipherVariant::Neu : core::CipherVariant::Alt;
#endif
  // Open writes the ".BAK" copy: the disk flush of every save would make
  // this target a hundred times slower and tests nothing of the reading.
  core::ScopedWriteFault no_flush;
  no_flush.SkipDiskSync();
  app::AppState state;
  state.Dirs = core::Directories::AllAt(path.parent_path());
  try {
    app::OpenDataFile(state, ui, path);
    // The table as Save writes it reads back as it was.
    fuzz::RequireStableEncoding(
        state.Data.Table,
        [](const core::StudentTable& table) {
          core::DataFileBlock block = core::EmptyBlock();
          core::EncodeTable(table, block);
          return block;
        },
        [](core::ConstBytes bytes) {
          return core::DecodeTable(core::DataFileBlock(bytes.begin(), bytes.end()));
        });
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  return 0;
}
