// The recovery copy of a session with unsaved changes (core/recovery_file.h
// has its layout). It is written into the program directory, where
// "Sicherung.DAT" lies at start-up and where the next start looks, whatever
// folder the data file is in; its name holds the host and the process id
// ("Wiederherstellung-<host>-<pid>.DAT"), so two programs sharing the
// directory never write over each other's copy.
//
// The copy holds the block exactly as Save would write it, so protected data
// are never written in clear. It is written while the data are modified: by
// the window's timer when the last copy is kRecoveryInterval old, and after
// every transfer of the editor; it is removed when the changes are saved or
// given up (Save, Save As, New, Open, leaving the program).
#pragma once

#include <chrono>
#include <filesystem>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

inline constexpr std::chrono::minutes kRecoveryInterval{2};

// This program's copy in `program_dir`.
std::filesystem::path RecoveryCopyPath(const std::filesystem::path& program_dir);

// Writes the copy now when the data are modified (and not shown enciphered:
// those cannot be saved anyway); returns whether it was written. A failure
// is reported once (IoError text), not again until a write succeeds.
bool WriteRecoveryCopy(AppState& state, core::Interaction& ui,
                       std::chrono::system_clock::time_point now);

// The timer's call: WriteRecoveryCopy when no copy was written for these
// changes yet or the last one is kRecoveryInterval old at `now`.
bool WriteRecoveryCopyIfDue(AppState& state, core::Interaction& ui,
                            std::chrono::system_clock::time_point now);

// Removes this program's copy (the changes were saved or given up). A
// failure is reported: the copy would be offered again at the next start.
void RemoveRecoveryCopy(AppState& state, core::Interaction& ui);

// At start-up, after StartUp: the copies in the program directory that a
// program left behind when it ended without leaving normally (its process on
// this host is gone) and that are newer than their data file, newest first,
// each with the question "Wiederherstellen" / "Verwerfen". Wiederherstellen
// shows the data as belonging to their data file, modified, so the user
// saves them (a protected copy asks the password as Open does; the data
// file's lock is taken as Open takes it); Verwerfen deletes the copy; Escape
// keeps it for the next start. A copy older than its data file was saved
// over and is deleted; a damaged one is reported and set aside as
// "<name>.defekt". Returns true when data were restored (the program then
// opens no other file on top of them).
bool OfferRecoveryCopies(AppState& state, core::Interaction& ui);

}  // namespace tolka::app
