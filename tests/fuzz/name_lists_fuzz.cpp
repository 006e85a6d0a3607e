// The three name lists PKURSE.PKL, TUTOREN.STL and KLASSEN.KLL: the input as
// each of them, loaded and formatted again as the editor's "Beenden" writes.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "settings/name_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  using settings::NameListKind;
  for (NameListKind kind :
       {NameListKind::ProjectCourses, NameListKind::Tutors, NameListKind::Classes}) {
    const auto path = fuzz::WriteInput(settings::InfoOf(kind).FileName, data, size);
    core::Directories dirs = core::Directories::AllAt(path.parent_path());
    try {
      std::vector<std::string> entries = settings::LoadNameList(kind, dirs, true);
      settings::AddNameListEntryChecked(kind, entries, "Neu");
      // "Beenden" writes the list that the next load reads.
      if (settings::ParseNameList(settings::FormatNameList(entries)) != entries) {
        fuzz::Fail("a name list written and read back differs");
      }
    } catch (const IoError& e) {
      fuzz::RequireMessage(e.what());
    }
  }
  return 0;
}
