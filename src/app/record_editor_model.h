// The record editor without its widgets: Show record (record -> controls),
// Transfer (controls -> record), selecting a student, switching the page,
// "Daten übernehmen" and "Daten verwerfen". The editor is a buffer: what the
// user types stays in the controls (EditorValues) until a transfer stores it
// into the current `StudentRecord`.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/editor_values.h"
#include "app/item_lists.h"
#include "core/interaction.h"

namespace tolka::app {

// What the editor shows for one slot.
struct ShownRecord {
  EditorValues Values;
  EditorItems Items;
  EditorLabels Labels;
};

// Show record (slot): every control from the record, no edit box marked as
// edited. `Salutation` shows item code - 1 (0 shows none), `Graecum`,
// `Latinum`, `Hebraicum` item = code; check boxes 1 checked, 0 unchecked,
// anything else greyed; an empty `BirthDate` an empty date box; free texts up
// to their first zero byte with CR LF shown as "\n"; each choice box the
// stored text (an extra item when it is none of the box's items).
// Predecessor template: when `PredecessorAsTemplate` is on and the slot is
// free (slot > 0), the boxes show the previous slot's `BirthPlace` and
// `Residence` where the slot's own are empty, and its `ClassName` and `Tutor`
// where the slot's own are "   - - -". Nothing is written into the record.
// Throws std::out_of_range for a slot outside 0..35.
ShownRecord ShowRecord(const AppState& state, const ItemLists& lists, size_t slot);

// The items of each choice box for the shown `values` (see EditorItems).
EditorItems ItemsFor(const ItemLists& lists, const EditorValues& values);

// The warning after a course row's subject was stored and the course-change
// rule found the course removed or exchanged (warning icon, OK).
struct CourseWarning {
  size_t Row = 0;
  core::CourseChange Change = core::CourseChange::None;
  std::string Text;
  core::Icon Icon = core::Icon::Warning;
};
// "Es wurde eventuell die Kurswahl geändert! ..." with "Lösch-Funktion" for a
// removed and "Tausch-Funktion" for an exchanged course.
std::string CourseWarningText(core::CourseChange change);

struct TransferResult {
  bool Transferred = false;             // false while the data are shown enciphered
  bool Changed = false;                 // something counted as a change (Modified is set)
  std::vector<CourseWarning> Warnings;  // in row order, one per affected row
};

// Transfer (slot): nothing while the data are shown enciphered. Otherwise each
// control into its field in record order, texts cut to the field's width:
//   edit and date boxes: the text; a change when the box was edited;
//   choice boxes: the selected text (empty when none); a change when it
//     differs from the stored text;
//   radio groups: `Salutation` item + 1 (none: 0), the others the item; a
//     change when the value differs;
//   check boxes: 1 checked, else 0; a change when checked while 0 is stored
//     or not checked while 1 is stored; a box still greyed (it shows a stored
//     value other than 0 and 1 and was not clicked) leaves the value as it is;
//   free texts: "\n" as CR LF, cut to the array less its terminating zero; a
//     change when the stored text differs (typed remarks must not be lost by
//     leaving without the unsaved-changes question).
// An untouched date box that shows no date leaves an empty stored date empty.
// After each course row's subject is stored the course-change rule runs on
// that row (core::ApplyCourseChange) and a removed or exchanged course adds a
// warning. Any change sets DataSession::Modified.
TransferResult Transfer(AppState& state, size_t slot, const EditorValues& values);

// Shows the warnings of a transfer, one message box each.
void ShowCourseWarnings(const TransferResult& result, core::Interaction& ui);

// The student list: the list line of each slot 0..34.
std::vector<std::string> StudentListLines(const core::StudentTable& table);

// What an editor step leaves for the UI.
struct EditorStep {
  TransferResult Transfer;                            // empty for "Daten verwerfen"
  ShownRecord Shown;                                  // the current record shown afresh
  std::optional<std::vector<std::string>> ListLines;  // set when the list is rebuilt
  size_t Current = 0;  // the current student (and the new previous student)
};

// Selecting a student (a click on line `clicked`): transfer `values` into the
// previous student's record; then, for `clicked` >= 2, copy the `Tutor` of
// slot `clicked` - 1 into the clicked record when its own is empty or
// "   - - -", likewise `ClassName` (written into the record, Modified not
// set); rebuild the list and show the clicked record.
EditorStep SelectStudent(AppState& state, const ItemLists& lists, size_t previous, size_t clicked,
                         const EditorValues& values);

// Switching the editor page: transfer into the current record, show it again.
EditorStep SwitchPage(AppState& state, const ItemLists& lists, size_t current,
                      const EditorValues& values);
// "Daten übernehmen": the same, and the list is rebuilt (a changed name shows
// at once).
EditorStep TakeOverData(AppState& state, const ItemLists& lists, size_t current,
                        const EditorValues& values);
// "Daten verwerfen": show the current record again; untransferred typing is
// dropped.
EditorStep DiscardData(const AppState& state, const ItemLists& lists, size_t current);

}  // namespace tolka::app
