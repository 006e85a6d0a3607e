// The file commands New, Open, Save and Save As with every question and
// message, the ".BAK" copy on Open and "Sicherung.DAT" when the program is
// left. I/O failures end a command with IoError (the caller shows it); the
// previous in-memory state stays unchanged. Each returns whether it
// completed (false on Cancel, No or a refusal).
//
// Open, Save As and the first Save of new data take the lock file of their
// file (data_file_lock.h) before they write anything; a successful Save or
// Save As, New and Open (after the save question) and leaving remove the
// recovery copy (recovery.h) and give back the lock of a file left.
#pragma once

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

// The message of the password test on opening a protected data file (the
// command-line tool reports it too). Defined in the .cpp file, so its bytes
// are Windows-1252 whoever includes this header.
extern const char* const kWrongPasswordMessage;

// Takes a data block read from a file (or a recovery copy) into `data`: the
// password field with its carried bytes, then the table; a protected block
// asks the password (a wrong one or none shows the data enciphered).
void LoadDataBlock(DataSession& data, core::Interaction& ui, const core::DataFileBlock& block);

bool NewData(AppState& state, core::Interaction& ui);
bool OpenData(AppState& state, core::Interaction& ui);
// Opens `path` without the open dialog (the command-line tool, tests): the
// unsaved-changes question, then Open from reading the file on. Returns true
// once the file is the current file, also when its data are shown enciphered
// (wrong or no password: `Data.ShownEnciphered`).
bool OpenDataFile(AppState& state, core::Interaction& ui, const std::filesystem::path& path);
// Save of a titled file whose modification time is no longer the one recorded
// at the last Open or Save (another program or workstation wrote it) asks
// before overwriting it; No writes nothing and returns false.
bool SaveData(AppState& state, core::Interaction& ui);
bool SaveDataAs(AppState& state, core::Interaction& ui);

// Writes the in-memory block to "Sicherung.DAT" in the data directory as Save
// writes a data file (enciphered with the data password when the data are
// protected; data shown enciphered as they are).
void WriteShutdownBackup(AppState& state);

// Leaving the program: after the confirmation, the unsaved-changes question
// (Yes saves), then "Sicherung.DAT". Returns true when the program may close;
// false when the user said No to leaving, or the save the user asked for
// failed or was cancelled (the backup is written then too, and the program
// stays open so nothing unsaved is lost).
bool LeaveProgram(AppState& state, core::Interaction& ui);

}  // namespace tolka::app
