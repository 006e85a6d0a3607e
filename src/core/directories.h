// The four directories that every loader and saver asks: the program
// directory (settings files and lists of a central installation), the data
// directory (of the current data file), and the settings and list
// directories, each either the program or the data directory as the general
// settings `CentralSettings` and `CentralLists` choose.
#pragma once

#include <filesystem>

namespace tolka::core {

struct Directories {
  std::filesystem::path Program;
  std::filesystem::path Data;
  std::filesystem::path Settings;
  std::filesystem::path Lists;

  // At start-up the program directory is all four.
  static Directories AllAt(const std::filesystem::path& program);

  // Points the settings directory at the program directory when `central`,
  // else at the data directory. Loaders and savers call this before they
  // look, so a changed setting takes effect at the next load or save.
  void ReevaluateSettings(bool central_settings);
  void ReevaluateLists(bool central_lists);
};

// True when the executable runs from an installation (bin/ beside a
// share/tolka/ folder, as `cmake --install` and the Debian package lay it
// out) rather than from a build or a portable folder.
bool IsInstalledProgram(const std::filesystem::path& executable_dir);

// The program directory: the executable's directory when it is writable and
// not an installation (a portable installation or a build); otherwise a
// per-user application data directory ($XDG_DATA_HOME/Tolka or
// ~/.local/share/Tolka), created when missing.
std::filesystem::path DefaultProgramDirectory(const std::filesystem::path& executable_dir);

}  // namespace tolka::core
