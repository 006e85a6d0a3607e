// The JSON document of "tolka-cli load": parsed, applied onto a new table,
// and the table encoded as the data file would store it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/cli_error.h"
#include "cli/record_json.h"
#include "core/data_file_image.h"
#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "settings/subject_catalogue.h"

namespace {

// The table after New, built once (copying is cheaper than initialising).
const tolka::core::StudentTable& NewTable() {
  static const tolka::core::StudentTable table = [] {
    tolka::core::StudentTable t;
    t.Initialise(tolka::settings::IntroPhaseDefaultsOf(tolka::settings::BuiltInSubjectCatalogue()));
    return t;
  }();
  return table;
}

// What "dump" prints of a file, "load" turns into the same file again.
void RequireDumpLoadsBack(const tolka::core::DataFileBlock& block) {
  using namespace tolka;
  const std::string dumped = cli::TableToJson(core::DecodeTable(block), false).dump();
  core::StudentTable reloaded = NewTable();
  try {
    if (!cli::ApplyTableJson(cli::ParseJsonText(dumped, "dump"), reloaded).empty()) {
      fuzz::Fail("the JSON of a table is refused when loaded");
    }
  } catch (const cli::UserError& e) {
    fuzz::Fail(e.what());
  }
  core::DataFileBlock again = core::EmptyBlock();
  core::EncodeTable(reloaded, again);
  if (again != block) fuzz::Fail("a table dumped to JSON and loaded again differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const std::string text(data, data + size);
  core::StudentTable table = NewTable();
  try {
    const cli::Json document = cli::ParseJsonText(text, "fuzz.json");
    const cli::JsonErrors errors = cli::ApplyTableJson(document, table);
    for (const std::string& error : errors) fuzz::RequireMessage(error);
    // With a problem the table stays as it was.
    if (!errors.empty()) return 0;
  } catch (const cli::UserError& e) {
    fuzz::RequireMessage(e.what());
    return 0;
  }
  core::DataFileBlock block = core::EmptyBlock();
  core::EncodeTable(table, block);
  RequireDumpLoadsBack(block);
  return 0;
}
