// A program state as start-up leaves it on `program`: the program directory
// is all four directories, the built-in catalogue, an initialised table.
#pragma once

#include <filesystem>

#include "app/app_state.h"
#include "settings/subject_catalogue.h"

namespace tolka::app::test_support {

inline AppState FreshState(const std::filesystem::path& program) {
  AppState state;
  state.Dirs = core::Directories::AllAt(program);
  state.Catalogue = settings::BuiltInSubjectCatalogue();
  state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
  return state;
}

}  // namespace tolka::app::test_support
