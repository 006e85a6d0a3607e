#include "app/item_lists.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/io_error.h"
#include "core/record_texts.h"

namespace tolka::app {

namespace {

using settings::SubjectCatalogue;
using settings::SubjectEntry;

// "Aufgabenfeld" 6 (Informatik in the built-in table) is no elective.
constexpr uint16_t kComputingArea = 6;

// settings::SelectionList starts with entry 0's name; these boxes offer the
// nothing-chosen text itself as their no-choice entry.
template <typename Filter>
ItemList FlagList(const SubjectCatalogue& catalogue, Filter filter) {
  ItemList list = settings::SelectionList(catalogue, filter);
  list.front() = core::kNothingChosen;
  return list;
}

}  // namespace

ItemList ReligionItems() { return {core::kNothingChosen, "???", "evangelische", "katholische"}; }

ItemList GradeItems() {
  return {"--", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "13"};
}

ItemList ReligionSubjectItems(const SubjectCatalogue& catalogue) {
  return FlagList(catalogue, [](const SubjectEntry& e) { return e.IsReligionPhilosophy != 0; });
}

ItemList ScienceItems(const SubjectCatalogue& catalogue) {
  return FlagList(catalogue, [](const SubjectEntry& e) { return e.IsNaturalScience != 0; });
}

ItemList LanguageItems(const SubjectCatalogue& catalogue) {
  return FlagList(catalogue, [](const SubjectEntry& e) { return e.IsForeignLanguage != 0; });
}

ItemList CourseSubjectItems(const SubjectCatalogue& catalogue) {
  return settings::SelectionList(
      catalogue, [](const SubjectEntry& e) { return e.SubjectName != core::kNothingChosen; });
}

ItemList ElectiveItems(const SubjectCatalogue& catalogue, const ItemList& project_courses) {
  ItemList list = project_courses;
  for (size_t k = 1; k < catalogue.Entries.size(); ++k) {
    const SubjectEntry& e = catalogue.Entries[k];
    if (e.IsGerman != 0 || e.IsMathematics != 0 || e.IsHistory != 0) continue;
    if (e.SubjectArea == kComputingArea || e.SubjectName == core::kNothingChosen) continue;
    list.push_back(e.SubjectName);
  }
  return list;
}

ItemList NameListItems(settings::NameListKind kind, const core::Directories& dirs) {
  const auto lines = settings::ReadNameList(kind, dirs);
  if (!lines) return {core::kNothingChosen, "???"};
  ItemList list{core::kNothingChosen};
  // A list written with the no-choice entry as a line would offer it twice.
  std::copy_if(lines->begin(), lines->end(), std::back_inserter(list),
               [](const std::string& line) { return line != core::kNothingChosen; });
  return list;
}

ItemLists BuildItemLists(const SubjectCatalogue& catalogue, const core::Directories& dirs,
                         core::Interaction& ui) {
  const auto name_items = [&](settings::NameListKind kind) -> ItemList {
    try {
      return NameListItems(kind, dirs);
    } catch (const IoError& e) {
      ui.Tell(core::Icon::Error, e.what());
      return {core::kNothingChosen, "???"};
    }
  };
  ItemLists lists;
  lists.Religions = ReligionItems();
  lists.Classes = name_items(settings::NameListKind::Classes);
  lists.Grades = GradeItems();
  lists.ProjectCourses = name_items(settings::NameListKind::ProjectCourses);
  lists.Tutors = name_items(settings::NameListKind::Tutors);
  RebuildCatalogueItems(lists, catalogue);
  return lists;
}

void ReloadNameListItems(ItemLists& lists, settings::NameListKind kind,
                         const SubjectCatalogue& catalogue, const core::Directories& dirs) {
  ItemList items = NameListItems(kind, dirs);
  switch (kind) {
    case settings::NameListKind::ProjectCourses:
      lists.Electives = ElectiveItems(catalogue, items);
      lists.ProjectCourses = std::move(items);
      break;
    case settings::NameListKind::Tutors:
      lists.Tutors = std::move(items);
      break;
    case settings::NameListKind::Classes:
      lists.Classes = std::move(items);
      break;
  }
}

void RebuildCatalogueItems(ItemLists& lists, const SubjectCatalogue& catalogue) {
  lists.ReligionSubjects = ReligionSubjectItems(catalogue);
  lists.Sciences = ScienceItems(catalogue);
  lists.Languages = LanguageItems(catalogue);
  lists.CourseSubjects = CourseSubjectItems(catalogue);
  lists.Electives = ElectiveItems(catalogue, lists.ProjectCourses);
}

}  // namespace tolka::app
