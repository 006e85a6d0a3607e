// The three data-exchange commands of the menu "Werkzeuge", with their
// dialogs and questions: "Export aller Daten ...", "Export der
// Abiturergebnisse ..." and "Import von Personendaten ...". Each works on the
// stored records (the editor is not transferred first); the caller shows the
// state again afterwards (the import: list rebuilt, current student shown).
//
// While the data are shown enciphered each command is refused with a
// warning: the table holds enciphered bytes, which an export would write out
// as garbage and an import would mix with plain text.
//
// I/O failures end a command with IoError (the caller shows it); an export
// that fails leaves an existing file as it was, an import that fails or is
// refused changes no record.
#pragma once

#include <cstddef>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::exchange {

// The filters and extension of the dialogs.
inline constexpr const char* kExportFilter = "Text-Datei (*.TXT)|*.TXT";
inline constexpr const char* kExportExtension = "TXT";
inline constexpr const char* kImportFilter =
    "Textdatei (*.TXT)|*.TXT|Trennzeichengetrennter Text (*.CSV)|*.CSV";
inline constexpr const char* kImportExtension = "TXT";

// The texts of the commands (Windows-1252; defined in the .cpp file).
extern const char* const kAskAppend;
extern const char* const kAskImport;
extern const char* const kEncipheredRefused;
extern const char* const kImportRefusedPrefix;
extern const char* const kImportCutPrefix;

// "Export aller Daten ...": the save dialog (program directory); for an
// existing file the question whether to append (No ends the command); the
// lines of the occupied slots; the saving window. Returns whether the file
// was written.
bool ExportAllData(app::AppState& state, core::Interaction& ui);

// "Export der Abiturergebnisse ...": the exam result of every slot is
// computed first, then as ExportAllData with the 35 result lines.
bool ExportExamResults(app::AppState& state, core::Interaction& ui);

// "Import von Personendaten ...": the open dialog (data directory); the
// question (warning; "Spaltenzuordnung ..." opens the configuration window
// and asks again); the configuration from the program directory; the plan
// of the whole file, and only without refusal the records from the
// `current` slot on. A refusal is shown as an error and changes nothing;
// joined texts that were cut are listed in an information message. Sets the
// modified flag when a slot changed. Returns whether the records changed.
bool ImportPersonData(app::AppState& state, core::Interaction& ui, size_t current);

}  // namespace tolka::exchange
