// The command line of the desktop program: `tolka [DATEI.TLK]`. A file
// manager starts it this way when a data file is double-clicked (the menu
// entry's "Exec=tolka %f").
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace tolka::ui {

struct ProgramArguments {
  // The data file to open after start-up, made absolute against the working
  // directory of the call (start-up moves into the program directory).
  std::optional<std::filesystem::path> DataFile;
  // Set when the arguments cannot be used (e.g. more than one file); the
  // program then starts without a file and shows this text.
  QString Error;
};

// Reads the arguments after Qt took its own (-platform, -style, ...).
// "--help" and "--version" print their text and end the program.
ProgramArguments ParseProgramArguments(const QStringList& arguments);

}  // namespace tolka::ui
