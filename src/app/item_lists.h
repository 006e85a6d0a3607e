// The ten item lists that feed the choice boxes of the record editor, built
// from the subject catalogue and the three name lists. Every choice box is a
// drop-down list: only its items (and, for a stored text that is no item, that
// text as one extra item: see record_editor_model.h) can be chosen.
#pragma once

#include <string>
#include <vector>

#include "core/directories.h"
#include "core/interaction.h"
#include "settings/name_lists.h"
#include "settings/subject_catalogue.h"

namespace tolka::app {

using ItemList = std::vector<std::string>;

struct ItemLists {
  ItemList Religions;         // box `Religion`
  ItemList ReligionSubjects;  // `IntroPhase` row 4
  ItemList Classes;           // `ClassName`
  ItemList Grades;            // `FromGrade`, `ToGrade`
  ItemList Sciences;          // `IntroPhase` rows 11 and 12
  ItemList Languages;         // `ForeignLanguages` subjects, `IntroPhase` rows 9 and 10
  ItemList CourseSubjects;    // `CourseChoices` subjects
  ItemList ProjectCourses;    // `ProjectCourses`
  ItemList Electives;         // `IntroPhase` rows 13 to 16
  ItemList Tutors;            // `Tutor`
};

// The fixed lists: "   - - -", "???", "evangelische", "katholische"; and
// "--", " 3" ... " 9", "10" ... "13".
ItemList ReligionItems();
ItemList GradeItems();

// Catalogue lists. Entries are read in entry order and matched by their
// flags only (no name lookup), so a name is listed as often as it occurs.
// Each starts with "   - - -" as the no-choice entry.
ItemList ReligionSubjectItems(
    const settings::SubjectCatalogue& catalogue);                     // "Religion / Philosophie"
ItemList ScienceItems(const settings::SubjectCatalogue& catalogue);   // "Naturwissenschaft"
ItemList LanguageItems(const settings::SubjectCatalogue& catalogue);  // "Fremdsprache"
// The name of entry 0, then the names of entries 1..30 that are not
// "   - - -".
ItemList CourseSubjectItems(const settings::SubjectCatalogue& catalogue);
// The project-course list, then the names of entries 1..30 marked neither
// "Deutsch" nor "Mathematik" nor "Geschichte", whose "Aufgabenfeld" is not 6
// and whose name is not "   - - -".
ItemList ElectiveItems(const settings::SubjectCatalogue& catalogue,
                       const ItemList& project_courses);

// A name-list box: "   - - -" and the lines of the list file (list
// directory, else program directory), duplicates included; when neither
// directory holds the file, "   - - -" and "???" (nothing is created and
// nothing reported). Throws IoError when the file exists but cannot be read.
ItemList NameListItems(settings::NameListKind kind, const core::Directories& dirs);

// Builds all ten lists. A name file that exists but cannot be read is
// reported through `ui` (error icon, the I/O message) and its box gets the
// missing-file items, so the editor is usable all the same.
ItemLists BuildItemLists(const settings::SubjectCatalogue& catalogue, const core::Directories& dirs,
                         core::Interaction& ui);

// After a list editor closed: reloads the affected list (and, for the project
// courses, rebuilds the electives). Throws IoError with `lists` unchanged.
void ReloadNameListItems(ItemLists& lists, settings::NameListKind kind,
                         const settings::SubjectCatalogue& catalogue,
                         const core::Directories& dirs);

// After the subject catalogue changed (the subject settings window, a data
// file opened from another directory): rebuilds the five catalogue lists and
// the electives, keeping the name lists.
void RebuildCatalogueItems(ItemLists& lists, const settings::SubjectCatalogue& catalogue);

}  // namespace tolka::app
