// The three name lists that feed choice boxes of the record editor: project
// courses "PKURSE.PKL", tutors "TUTOREN.STL", classes "KLASSEN.KLL". Each is a
// Windows-1252 text file, one entry per line, lines ended by CR LF.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/directories.h"
#include "core/interaction.h"

namespace tolka::settings {

enum class NameListKind { ProjectCourses, Tutors, Classes };

struct NameListInfo {
  const char* FileName;
  std::vector<std::string> Defaults;
};
const NameListInfo& InfoOf(NameListKind kind);

// Parses lines ended by CR LF (a lone LF or CR ends a line too, for files
// edited elsewhere); a last line without a line end counts.
std::vector<std::string> ParseNameList(const std::string& text);
std::string FormatNameList(const std::vector<std::string>& entries);

// Load list: the list directory's file, else the program directory's, else
// the default entries, written to the list directory. Throws IoError when a
// file exists but cannot be read, or the defaults cannot be written.
std::vector<std::string> LoadNameList(NameListKind kind, const core::Directories& dirs);

// Whether the file exists in the list or the program directory (the main
// window's item lists show "   - - -", "???" when it does not).
bool NameListExists(NameListKind kind, const core::Directories& dirs);

// Reads the lines of an existing list file without creating anything; nothing
// when neither directory holds it.
std::optional<std::vector<std::string>> ReadNameList(NameListKind kind,
                                                     const core::Directories& dirs);

// "Beenden": rewrite the file in the list directory. Throws IoError.
void SaveNameList(NameListKind kind, const core::Directories& dirs,
                  const std::vector<std::string>& entries);

// The same after pointing the list directory at the program directory when
// `central_lists` ("Projektkurs-, Klassen- u. Tutoren-Listen" under "zentrale
// Verwaltung"), else at the data directory.
std::vector<std::string> LoadNameList(NameListKind kind, core::Directories& dirs,
                                      bool central_lists);
void SaveNameList(NameListKind kind, core::Directories& dirs, bool central_lists,
                  const std::vector<std::string>& entries);

// The add button: appends `entry` unless it is empty or already present
// (exact, case-sensitive), or holds a line break (it would come back as two
// entries). Returns whether it was added.
bool AddNameListEntry(std::vector<std::string>& entries, const std::string& entry);

// The longest entry a list may take: the record field it feeds. Classes feed
// `ClassName` (string[10]), tutors `Tutor` (string[40]); project courses
// feed `ProjectCourses` (string[50]) and also the elective subjects of the
// introductory phase (string[30]), so 30.
size_t NameListEntryLimit(NameListKind kind);

// The add button with the limit: an entry longer than NameListEntryLimit is
// refused with a message naming the limit (returned; nothing added).
// Otherwise AddNameListEntry; returns an empty text. Entries already longer
// in a file stay in the list and can be deleted.
std::string AddNameListEntryChecked(NameListKind kind, std::vector<std::string>& entries,
                                    const std::string& entry);

// Showing an editor window: the list as LoadNameList finds it (the list
// directory pointed by `central_lists`). When no file exists and the default
// entries cannot be written, the failure is told once and the editor opens
// with the defaults. A list file that exists but cannot be read is told and
// gives nothing: the editor does not open (its "Beenden" would replace the
// file with an empty list).
std::optional<std::vector<std::string>> OpenNameListEditor(NameListKind kind,
                                                           core::Directories& dirs,
                                                           bool central_lists,
                                                           core::Interaction& ui);

}  // namespace tolka::settings
