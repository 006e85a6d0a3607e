#include "settings/name_lists.h"

#include <algorithm>
#include <utility>

#include "core/file_io.h"
#include "core/io_error.h"
#include "core/record_texts.h"

namespace tolka::settings {

namespace {

const NameListInfo kProjectCourses{"PKURSE.PKL", {"Chor", "Orchester"}};
const NameListInfo kTutors{"TUTOREN.STL", {core::kNothingChosen, "Herr Mustermann"}};
const NameListInfo kClasses{"KLASSEN.KLL", {core::kNothingChosen, "Test"}};

// The file to read: the list directory's, else the program directory's.
std::optional<core::fs::path> ListFile(NameListKind kind, const core::Directories& dirs) {
  const std::string name = InfoOf(kind).FileName;
  if (auto found = core::FindFile(dirs.Lists, name)) return found;
  return core::FindFile(dirs.Program, name);
}

}  // namespace

const NameListInfo& InfoOf(NameListKind kind) {
  switch (kind) {
    case NameListKind::ProjectCourses:
      return kProjectCourses;
    case NameListKind::Tutors:
      return kTutors;
    case NameListKind::Classes:
      break;
  }
  return kClasses;
}

std::vector<std::string> ParseNameList(const std::string& text) {
  std::vector<std::string> entries;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      entries.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) entries.push_back(std::move(line));
  return entries;
}

std::string FormatNameList(const std::vector<std::string>& entries) {
  std::string text;
  for (const auto& entry : entries) text += entry + "\r\n";
  return text;
}

std::optional<std::vector<std::string>> ReadNameList(NameListKind kind,
                                                     const core::Directories& dirs) {
  const auto path = ListFile(kind, dirs);
  if (!path) return std::nullopt;
  const std::vector<uint8_t> bytes = core::ReadFileBytes(*path);
  return ParseNameList(std::string(bytes.begin(), bytes.end()));
}

bool NameListExists(NameListKind kind, const core::Directories& dirs) {
  return ListFile(kind, dirs).has_value();
}

std::vector<std::string> LoadNameList(NameListKind kind, const core::Directories& dirs) {
  if (auto entries = ReadNameList(kind, dirs)) return *entries;
  const auto& defaults = InfoOf(kind).Defaults;
  SaveNameList(kind, dirs, defaults);
  return defaults;
}

std::vector<std::string> LoadNameList(NameListKind kind, core::Directories& dirs,
                                      bool central_lists) {
  dirs.ReevaluateLists(central_lists);
  return LoadNameList(kind, std::as_const(dirs));
}

void SaveNameList(NameListKind kind, const core::Directories& dirs,
                  const std::vector<std::string>& entries) {
  const std::string text = FormatNameList(entries);
  core::SaveFileAtomically(core::TargetPath(dirs.Lists, InfoOf(kind).FileName),
                           std::vector<uint8_t>(text.begin(), text.end()));
}

void SaveNameList(NameListKind kind, core::Directories& dirs, bool central_lists,
                  const std::vector<std::string>& entries) {
  dirs.ReevaluateLists(central_lists);
  SaveNameList(kind, std::as_const(dirs), entries);
}

bool AddNameListEntry(std::vector<std::string>& entries, const std::string& entry) {
  if (entry.empty() || entry.find_first_of("\r\n") != std::string::npos) return false;
  if (std::find(entries.begin(), entries.end(), entry) != entries.end()) return false;
  entries.push_back(entry);
  return true;
}

size_t NameListEntryLimit(NameListKind kind) {
  switch (kind) {
    case NameListKind::ProjectCourses:
      return 30;
    case NameListKind::Tutors:
      return 40;
    case NameListKind::Classes:
      break;
  }
  return 10;
}

std::string AddNameListEntryChecked(NameListKind kind, std::vector<std::string>& entries,
                                    const std::string& entry) {
  const size_t limit = NameListEntryLimit(kind);
  if (entry.size() > limit) {
    return "Der Eintrag ist zu lang: erlaubt sind höchstens " + std::to_string(limit) +
           " Zeichen\r(eingegeben: " + std::to_string(entry.size()) + ").";
  }
  AddNameListEntry(entries, entry);
  return {};
}

std::optional<std::vector<std::string>> OpenNameListEditor(NameListKind kind,
                                                           core::Directories& dirs,
                                                           bool central_lists,
                                                           core::Interaction& ui) {
  dirs.ReevaluateLists(central_lists);
  try {
    if (auto entries = ReadNameList(kind, std::as_const(dirs))) return entries;
  } catch (const IoError& e) {
    ui.Tell(core::Icon::Error, e.what());
    return std::nullopt;
  }
  const auto& defaults = InfoOf(kind).Defaults;
  try {
    SaveNameList(kind, std::as_const(dirs), defaults);
  } catch (const IoError& e) {
    ui.Tell(core::Icon::Error, e.what());
  }
  return defaults;
}

}  // namespace tolka::settings
