// Start-up of the program state: the program directory becomes all four
// directories; then the general settings, the print settings, the subject
// catalogue, the school data and the exam settings are loaded in this order
// and the table is initialised as untitled data "VORLAGE.TLK". A settings file
// that fails to load is reported through `ui` and its defaults stay in force.
#pragma once

#include <filesystem>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

void StartUp(AppState& state, core::Interaction& ui, const std::filesystem::path& program_dir);

// Open step 7 (and after Save): reload the settings that belong to the data
// directory: general, print, subject catalogue, school data, exam settings;
// then point the settings and list directories again.
void ReloadSettingsForDataDirectory(AppState& state, core::Interaction& ui);

}  // namespace tolka::app
