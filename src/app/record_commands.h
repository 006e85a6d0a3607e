// The record list commands of the menu and the buttons: cut, copy and paste
// through the clipboard, the three sorts, "Schüler Suchen" and "Weiter
// Suchen", and the transfer of the current record into another data file by
// copying or by cutting. Each takes the current student (0..34) as the list
// shows it; a command that changes the table sets the modified flag, and the
// caller then rebuilds the list and shows the current student.
//
// While the data are shown enciphered every command that changes records or
// writes them elsewhere (cut, paste, sort, transfer) is refused with a
// warning: the table holds enciphered bytes, and moving them about or into
// another file would spoil the data for good. Copy and the search may run.
//
// I/O failures of the transfer end it with IoError (the caller shows it);
// nothing in memory has changed then.
#pragma once

#include <cstddef>
#include <optional>

#include "app/app_state.h"
#include "core/interaction.h"
#include "core/record_list_operations.h"

namespace tolka::app {

// True, after the warning "Die Daten werden verschlüsselt angezeigt! ...",
// when the data are shown enciphered: every command that would change
// records (also the rules commands, which would compute on cipher bytes and
// write marks into them) is refused then.
bool RefusedWhileEnciphered(const AppState& state, core::Interaction& ui);

// The question before "zurücknehmen" / "Anrechng. löschen" clears every
// credit mark of the current student; true on Yes.
bool ConfirmClearCredits(const AppState& state, core::Interaction& ui, size_t current);

// When the main window is first shown: the clipboard becomes an initialised
// record (intro-phase rows from the subject catalogue) and the search state
// is emptied.
void InitialiseRecordList(AppState& state);

// "Schülerdatensatz-&Kopieren": clipboard := the current record.
void CopyStudentRecord(AppState& state, size_t current);

// "Schülerdatensatz-&Ausschneiden": clipboard := the current record, the
// records below move up, slot 35 receives an initialised record. Returns
// false when refused.
bool CutStudentRecord(AppState& state, core::Interaction& ui, size_t current);

// "Schülerdatensatz-&Einfügen": the clipboard is inserted at the current
// slot. A full list (slot 34 holds a student) is refused with an information
// message and nothing moves. Returns false when refused.
bool PasteStudentRecord(AppState& state, core::Interaction& ui, size_t current);

// "Sortieren nach Namen" / "Sortieren (Namen)", "Sortieren nach Kennummern",
// "Sortieren nach Klassen": sorts the block from the current student on; the
// modified flag only when records were exchanged. Returns false when refused.
bool SortStudents(AppState& state, core::Interaction& ui, size_t current, core::SortKey key);

// "Schüler Suchen": the search dialog, then a search from the current
// student. "Weiter Suchen": a search from the slot after the current student
// with the last search text, or, when that is empty, as "Schüler Suchen".
// Upper and lower case count alike. A search that reaches the end of the
// list goes on from the top up to the slot before the current student, with
// a note that it did. Returns the slot found, which the caller makes the
// current student; nothing on Abbrechen or when none matched ("Keine
// (weitere) Entsprechung gefunden!" was shown and the search text emptied).
std::optional<size_t> SearchStudent(AppState& state, core::Interaction& ui, size_t current);
std::optional<size_t> SearchNextStudent(AppState& state, core::Interaction& ui, size_t current);

// "Schülerdatensatz in andere Datei exportieren": "durch Kopieren..." and
// "durch Ausschneiden...".
enum class TransferKind { Copy, Cut };

// Writes the current record into the first of the free slots at the end of
// an existing data file chosen in the save dialog. A target that carries a
// data password is deciphered with the password asked for as Open asks it,
// and enciphered again ("neu") with its own password before it is written;
// a wrong password or Abbrechen writes nothing. The target is written whole
// through a temporary file. Cutting replaces the current record by an
// initialised one only after the target was written. The current data file
// itself is refused as target (its copy in memory would overwrite the added
// record at the next save). A written target is confirmed with the student,
// the file and the slot. Returns whether the target was written.
bool TransferStudentRecord(AppState& state, core::Interaction& ui, size_t current,
                           TransferKind kind);

}  // namespace tolka::app
