// FachDef.DAT: the 31 subject entries.
#include <cstddef>
#include <cstdint>

#include "core/io_error.h"
#include "fuzz/fuzz_support.h"
#include "settings/subject_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolka;
  const auto path = fuzz::WriteInput(settings::kSubjectFileName, data, size);
  core::Directories dirs = core::Directories::AllAt(path.parent_path());
  settings::SubjectCatalogue catalogue;
  try {
    settings::LoadSubjectCatalogue(catalogue, dirs, true);
  } catch (const IoError& e) {
    fuzz::RequireMessage(e.what());
  }
  // Whatever is in force feeds the new records and is written back as read.
  settings::IntroPhaseDefaultsOf(catalogue);
  fuzz::RequireStableEncoding(catalogue, settings::EncodeSubjectCatalogue,
                              settings::DecodeSubjectCatalogue);
  return 0;
}
