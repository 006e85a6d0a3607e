// Operations that move whole student records within the `StudentTable`: cut,
// copy and paste through the one-record `RecordClipboard`, the three sorts of
// the block, the student search, and the free-slot scan of a transfer target.
// They work on the stored records only (the editor is not transferred first)
// and take the current student, a slot of the list (0..34); a current index
// outside the list is a programming error and throws std::out_of_range.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/interaction.h"
#include "core/student_record.h"
#include "core/student_table.h"

namespace tolka::core {

// What the list operations keep while the program runs: the
// `RecordClipboard` (one record outside the table and the data file; pasting
// does not empty it) and the search state (text of at most 40 characters,
// empty at start; field and match kind of the last search).
struct RecordListState {
  StudentRecord Clipboard;
  SearchRequest Search;
};

// Copy: clipboard := the current record.
void CopyRecord(const StudentTable& table, size_t current, StudentRecord& clipboard);

// Cut: clipboard := the current record; slots current+1 .. 35 move up by one
// (with their `StudentId`), slot 35 receives a freshly initialised record.
void CutRecord(StudentTable& table, size_t current, StudentRecord& clipboard,
               const IntroPhaseDefaults& defaults);

// The list is full when slot 34, its last line, holds a student.
bool ListIsFull(const StudentTable& table);

// Paste: the records from the current one on move down by one and the current
// slot receives the clipboard. A full list is refused and nothing moves
// (returns false): the move would push the student of slot 34 into the
// unlisted spill slot 35, and the next paste would drop it for good.
bool PasteRecord(StudentTable& table, size_t current, const StudentRecord& clipboard);

// The key of "Sortieren nach Namen", "... nach Kennummern", "... nach Klassen".
enum class SortKey { Surname, StudentId, ClassName };

// Keys compare as byte strings: byte by byte as unsigned Windows-1252 codes,
// and a key that is the beginning of the other comes first. Returns <0, 0
// or >0.
int CompareKeys(const std::string& a, const std::string& b);

// How a German office orders names: case ignored, "ä" as "a", "ö" as "o",
// "ü" as "u", "ß" as "ss", other accented letters as their base letter
// (Köhler before Krüger, "de Vries" beside "De Vries"). The folded text of a
// Windows-1252 name; CompareNames compares the folded texts as byte strings.
std::string CollationKey(const std::string& text);
int CompareNames(const std::string& a, const std::string& b);

// Identification numbers as numbers ("9" before "10"); blanks around them
// are ignored. A number comes before a text that is not one; two such texts
// compare as names.
int CompareStudentIds(const std::string& a, const std::string& b);

// The comparison of a sort key: names and classes with CompareNames,
// identification numbers with CompareStudentIds.
int CompareSortKeys(const StudentRecord& a, const StudentRecord& b, SortKey key);

// The block: the run of occupied slots from the current student on, ending
// before the first free slot or at slot 34. Returns one past its last slot
// (`current` itself when the current slot is free).
size_t BlockEnd(const StudentTable& table, size_t current);

// Exchange sort of the block, ascending by `key` (CompareSortKeys): passes
// over the neighbouring pairs until a pass exchanges nothing; equal keys are
// never exchanged, so their order stays. A free current slot does nothing.
// Returns whether any two records were exchanged.
bool SortBlock(StudentTable& table, size_t current, SortKey key);

// The search field of `request` equals its text ("volle Übereinstimmung") or
// contains it ("teilweise Übereinstimmung"), upper and lower case alike
// ("müller" finds "Müller"; umlauts are not folded into their base letter).
bool MatchesSearch(const StudentRecord& record, const SearchRequest& request);

// The first slot from `start` up to `end` (exclusive, at most slot 34 + 1)
// that matches; nothing when none does (also when `start` lies past slot 34).
std::optional<size_t> FindStudent(const StudentTable& table, size_t start,
                                  const SearchRequest& request, size_t end = kListCount);

// The slot a transfer fills in its target: the first of the run of free slots
// at the end of slots 0..34 (scanning from slot 34 downwards while the slots
// are free). Nothing when slot 34 is occupied: the target is full, even when
// earlier slots are free.
std::optional<size_t> AppendSlot(const StudentTable& table);

}  // namespace tolka::core
