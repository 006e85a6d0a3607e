#include "app/startup.h"

#include <unistd.h>

#include <string>

#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::app {

namespace {

namespace fs = std::filesystem;

// A loader that fails is reported and the program goes on with what the
// loader left in force (its built-in values for everything it did not read).
template <typename Load>
void LoadReporting(core::Interaction& ui, Load load) {
  try {
    const std::string message = load();
    if (!message.empty()) ui.Tell(core::Icon::Error, message);
  } catch (const IoError& e) {
    ui.Tell(core::Icon::Error, e.what());
  }
}

// General settings, print settings, subject catalogue, school data, exam
// settings: each later one is looked for where the general settings just
// loaded say (`CentralSettings`).
void LoadAllSettings(AppState& state, core::Interaction& ui) {
  // The general settings are looked for where the settings now in memory
  // point; their own `CentralSettings` then decides for the others.
  state.Dirs.ReevaluateSettings(state.CentralSettings());
  state.LoadedProtected = settings::ProtectedOptionsOf(state.General);
  LoadReporting(ui, [&] {
    settings::GeneralSettingsLoad loaded = settings::LoadGeneralSettings(state.General, state.Dirs);
    state.LoadedProtected = loaded.Loaded;
    return loaded.Message;
  });
  LoadReporting(ui, [&] {
    return print::LoadPrintSettings(state.Print, state.Dirs, state.CentralSettings());
  });
  LoadReporting(ui, [&] {
    settings::LoadSubjectCatalogue(state.Catalogue, state.Dirs, state.CentralSettings());
    return std::string();
  });
  LoadReporting(ui, [&] {
    state.School = settings::LoadSchoolData(state.Dirs, state.CentralSettings());
    return std::string();
  });
  LoadReporting(ui, [&] {
    settings::LoadExamSettings(state.Exam, state.Dirs, state.CentralSettings());
    return std::string();
  });
  state.Dirs.ReevaluateSettings(state.CentralSettings());
  state.Dirs.ReevaluateLists(state.CentralLists());
}

}  // namespace

void StartUp(AppState& state, core::Interaction& ui, const fs::path& program_dir) {
  std::error_code ec;
  fs::path program = fs::absolute(program_dir, ec);
  if (ec) program = program_dir;
  program = program.lexically_normal();
  if (program.has_relative_path() && !program.has_filename()) program = program.parent_path();
  state.Dirs = core::Directories::AllAt(program);

  // Settings files and lists named without a directory (the exam settings'
  // "Standard wiederherstellen") are found in the program directory.
  if (::chdir(program.c_str()) != 0) {
    ui.Tell(core::Icon::Information,
            "Problem beim Zugriff auf das Programmverzeichnis:\r" + core::PathText(program) +
                "\rEventuell können bestimmte Unterstützungs-Dateien nicht benutzt werden!");
  }

  LoadAllSettings(state, ui);

  // Untitled data "VORLAGE.TLK": initialised, not modified, not protected,
  // variant "neu".
  state.Data = DataSession{};
  state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
}

void ReloadSettingsForDataDirectory(AppState& state, core::Interaction& ui) {
  LoadAllSettings(state, ui);
}

}  // namespace tolka::app
