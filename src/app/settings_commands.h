// The steps of the menu "Einstellungen" that follow a settings window and
// the export and import of the settings files ("exportieren...",
// "importieren..."). The windows live in the Qt layer; what they decide and
// every file they touch is here.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

// "Fächereinstellungen", afterwards: the number of listed students (slots
// 0..34, free slots left out) whose course choice, introductory phase or
// foreign languages still name one of `vanished` (names renamed or cleared
// in the catalogue: such entries no longer match any subject).
size_t CountStudentsUsingSubjects(const core::StudentTable& table,
                                  const std::vector<std::string>& vanished);
// The information text for the count (Windows-1252); empty when nothing
// vanished.
std::string SubjectUsageMessage(const core::StudentTable& table,
                                const std::vector<std::string>& vanished);

// The settings files that export and import copy, in this order:
// ABIEINST.DAT, FachDef.DAT, AbiDef.DAT, DRKEINST.DAT, FHRINFO.DAT (settings
// directory), PKURSE.PKL, TUTOREN.STL, KLASSEN.KLL (list directory), and
// SCHULE.INI (settings directory) only when asked for. Backups (.BAK) never.
struct SettingsFile {
  const char* Name;
  bool InListsDirectory;
};
std::vector<SettingsFile> SettingsFiles(bool with_school_data);

// "Export der Einstellungen" into `target`: each file where the program
// reads it (settings or list directory, else the program directory); a file
// that exists nowhere is left out (the program uses its built-in values).
// With `with_school_data` a warning first asks whether SCHULE.INI with the
// school key shall leave the office (No: nothing is exported). Files of the
// same names in `target` are named in one question before anything is
// overwritten (No: nothing is exported). The files are saved together
// (core::SaveFilesAtomically): a failure leaves the target as it was.
// Returns the number of files exported (0 after a No). Throws IoError for a
// file that cannot be read or written.
size_t ExportSettings(AppState& state, core::Interaction& ui, const std::filesystem::path& target,
                      bool with_school_data);

// "Import der Einstellungen" from `source`, all or nothing:
//   1. the files of SettingsFiles found there (none: told, nothing done);
//   2. each is checked with its loader's rules (ABIEINST.DAT at least 84
//      bytes with a password length up to 15, FachDef.DAT at least 18476,
//      AbiDef.DAT at least 1672, DRKEINST.DAT 192 or 288 bytes); one refused
//      file is named and nothing is imported;
//   3. the passwords that guard the files: the configuration password for
//      ABIEINST.DAT and SCHULE.INI while the multi-level security is on,
//      the subject-settings password for FachDef.DAT, the exam-settings
//      password for AbiDef.DAT (from the school data in force); a wrong or
//      cancelled one imports nothing;
//   4. a confirmation naming the files;
//   5. the files are saved together into the settings or list directory
//      (core::SaveFilesAtomically): all new contents are written beside their
//      targets before any target is replaced, and when one step fails the
//      files replaced before it get their old content back (or are removed
//      when they did not exist) and the error is thrown;
//   6. every setting is reloaded as after Open.
// Returns whether the files were imported. The caller rebuilds the item
// lists afterwards.
bool ImportSettings(AppState& state, core::Interaction& ui, const std::filesystem::path& source,
                    bool with_school_data);

}  // namespace tolka::app
