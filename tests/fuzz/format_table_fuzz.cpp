// A .FST control table of the certificates, read from the data directory.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "print/format_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput("1TLK_ABS.FST", data, size);
  const core::Directories dirs = core::Directories::AllAt(path.parent_path());
  try {
    const print::LoadedFormatTable loaded = print::LoadFormatTable("1TLK_ABS.FST", dirs);
    // The table as the editor writes it reads back as the same table.
    const std::string text = print::FormatTableText(loaded.Parsed.Table);
    if (print::FormatTableText(print::ParseFormatTable(text, "1TLK_ABS.FST").Table) != text) {
      fuzz::Fail("a control table written and read back differs");
    }
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  return 0;
}
