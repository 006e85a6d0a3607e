// The person-data import file through the menu command: the open dialog
// answers with the input, the question with Yes, the built-in column
// assignment, the plan and its application onto a new table.
#include <cstddef>
#include <cstdint>

#include "app/app_state.h"
#include "core/io_error.h"
#include "core/student_record.h"
#include "core/student_table.h"
#include "exchange/exchange_commands.h"
#include "fuzz/fuzz_support.h"
#include "settings/subject_catalogue.h"

namespace {

// The state after New, built once: copying it is much cheaper than
// initialising 36 records in every run.
const tolka::app::AppState& NewState() {
  static const tolka::app::AppState state = [] {
    tolka::app::AppState s;
    s.Catalogue = tolka::settings::BuiltInSubjectCatalogue();
    s.Data.Table.Initialise(tolka::settings::IntroPhaseDefaultsOf(s.Catalogue));
    return s;
  }();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput("PERSONEN.TXT", data, size);
  fuzz::AnsweringInteraction ui;
  ui.OpenAnswer = path;
  app::AppState state = NewState();
  state.Dirs = core::Directories::AllAt(path.parent_path());
  // The first byte picks the slot the import starts from (0..35).
  const size_t current = size > 0 ? data[0] % 36 : 0;
  try {
    // The records the import wrote must encode into their fields.
    if (exchange::ImportPersonData(state, ui, current)) {
      for (size_t slot = current; slot < core::kSlotCount; ++slot) {
        core::EncodeStudentRecord(state.Data.Table.At(slot));
      }
    }
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  return 0;
}
