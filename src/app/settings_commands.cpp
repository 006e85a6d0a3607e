#include "app/settings_commands.h"

#include <algorithm>
#include <optional>

#include "app/startup.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "print/fhr_info.h"
#include "print/print_settings.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/school_data.h"
#include "settings/settings_passwords.h"
#include "settings/subject_catalogue.h"

namespace tolka::app {

namespace {

namespace fs = std::filesystem;

bool NamesAny(const std::string& subject, const std::vector<std::string>& names) {
  return std::find(names.begin(), names.end(), subject) != names.end();
}

bool UsesAny(const core::StudentRecord& r, const std::vector<std::string>& names) {
  for (const auto& c : r.CourseChoices) {
    if (NamesAny(c.Subject, names)) return true;
  }
  for (const auto& row : r.IntroPhase) {
    if (NamesAny(row.Subject, names)) return true;
  }
  for (const auto& language : r.ForeignLanguages) {
    if (NamesAny(language.Subject, names)) return true;
  }
  return false;
}

// Where the program reads the file: its directory, else the program
// directory.
std::optional<fs::path> SourceOf(const AppState& state, const SettingsFile& file) {
  const fs::path& dir = file.InListsDirectory ? state.Dirs.Lists : state.Dirs.Settings;
  if (auto found = core::FindFile(dir, file.Name)) return found;
  return core::FindFile(state.Dirs.Program, file.Name);
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += "\r  " + name;
  return text;
}

// The loaders' size rules; an empty text when the bytes would load.
std::string Refusal(const std::string& name, const std::vector<uint8_t>& bytes) {
  if (name == settings::kGeneralSettingsFileName) {
    if (bytes.size() < settings::general_layout::kRecordSize) return core::kWrongSize;
    try {
      settings::DecodeGeneralSettings(
          core::ConstBytes(bytes.data(), settings::general_layout::kRecordSize));
    } catch (const IoError& e) {
      return e.what();
    }
  } else if (name == settings::kSubjectFileName) {
    if (bytes.size() < settings::subject_layout::kCatalogueSize) return core::kWrongSize;
  } else if (name == settings::kExamSettingsFileName) {
    if (bytes.size() < settings::exam_layout::kRecordSize) return core::kWrongSize;
  } else if (name == print::kFhrInfoFileName) {
    if (bytes.size() != print::fhr_info_layout::kRecordSize) return core::kWrongSize;
  } else if (name == print::kPrintSettingsFileName) {
    if (bytes.size() != print::print_layout::kRecordSize &&
        bytes.size() != print::print_layout::kOldRecordSize) {
      return core::kWrongSize;
    }
  }
  return {};
}

struct PendingFile {
  std::string Name;
  fs::path Target;
  std::vector<uint8_t> Bytes;
};

// Asks the password of one guarded area; false (after telling) when it is
// wrong or cancelled.
bool Authorised(AppState& state, core::Interaction& ui, core::SettingsPasswordKind kind) {
  const auto typed = ui.SettingsPasswordDialog(kind);
  bool right = false;
  if (typed) {
    switch (kind) {
      case core::SettingsPasswordKind::Configuration:
        right = *typed == state.General.ConfigPassword;
        break;
      case core::SettingsPasswordKind::ExamSettings:
        right = settings::AcceptExamSettingsPassword(*typed, state.School);
        break;
      case core::SettingsPasswordKind::SubjectSettings:
        right = settings::AcceptSubjectSettingsPassword(*typed, state.School);
        break;
    }
  }
  if (!right) {
    ui.Tell(core::Icon::Error,
            "Das Passwort ist falsch oder wurde nicht eingegeben.\rEs wurde NICHTS importiert.");
  }
  return right;
}

// Writes every file as one save: either all files have their new content,
// or all are as they were (core::SaveFilesAtomically).
void WriteAll(const std::vector<PendingFile>& files) {
  std::vector<core::FileContent> contents;
  for (const auto& file : files) contents.push_back({file.Target, file.Bytes});
  core::SaveFilesAtomically(contents);
}

}  // namespace

size_t CountStudentsUsingSubjects(const core::StudentTable& table,
                                  const std::vector<std::string>& vanished) {
  if (vanished.empty()) return 0;
  size_t count = 0;
  for (size_t slot = 0; slot < core::kListCount; ++slot) {
    const auto& record = table.At(slot);
    if (!core::IsFree(record) && UsesAny(record, vanished)) ++count;
  }
  return count;
}

std::string SubjectUsageMessage(const core::StudentTable& table,
                                const std::vector<std::string>& vanished) {
  if (vanished.empty()) return {};
  const size_t count = CountStudentsUsingSubjects(table, vanished);
  const std::string names = "Umbenannte oder gelöschte Fachnamen:" + Joined(vanished) + "\r\r";
  if (count == 0) return names + "Kein Schüler der aktuellen Datei verwendet diese Namen.";
  return names + std::to_string(count) +
         (count == 1 ? " Schüler der aktuellen Datei verwendet"
                     : " Schüler der aktuellen Datei verwenden") +
         " noch einen dieser Namen.\rDiese Einträge gehören zu keinem Fach mehr:\rbitte die "
         "Kurswahl, die Einführungsphase und die Fremdsprachen prüfen!";
}

std::vector<SettingsFile> SettingsFiles(bool with_school_data) {
  std::vector<SettingsFile> files = {{settings::kGeneralSettingsFileName, false},
                                     {settings::kSubjectFileName, false},
                                     {settings::kExamSettingsFileName, false},
                                     {print::kPrintSettingsFileName, false},
                                     {"FHRINFO.DAT", false},
                                     {"PKURSE.PKL", true},
                                     {"TUTOREN.STL", true},
                                     {"KLASSEN.KLL", true}};
  if (with_school_data) files.push_back({settings::kSchoolDataFileName, false});
  return files;
}

size_t ExportSettings(AppState& state, core::Interaction& ui, const fs::path& target,
                      bool with_school_data) {
  state.Dirs.ReevaluateSettings(state.CentralSettings());
  state.Dirs.ReevaluateLists(state.CentralLists());
  if (with_school_data &&
      ui.Ask(core::Icon::Warning,
             "Die Datei SCHULE.INI enthält den Schlüssel der Schule, aus dem die Passwörter\r"
             "der Fächer- und Abitureinstellungen berechnet werden.\rSie soll nur in Hände der "
             "Schulverwaltung gelangen.\r\rSCHULE.INI trotzdem exportieren?",
             core::Buttons::YesNo) != core::Answer::Yes) {
    return 0;
  }
  std::vector<PendingFile> files;
  std::vector<std::string> existing;
  for (const auto& file : SettingsFiles(with_school_data)) {
    const auto source = SourceOf(state, file);
    if (!source) continue;
    const fs::path to = core::TargetPath(target, file.Name);
    if (fs::exists(to)) existing.push_back(file.Name);
    files.push_back({file.Name, to, core::ReadFileBytes(*source)});
  }
  if (files.empty()) {
    ui.Tell(core::Icon::Information,
            "Es gibt keine Einstellungsdateien: das Programm arbeitet mit den eingebauten "
            "Werten.\rEs wurde nichts exportiert.");
    return 0;
  }
  if (!existing.empty() && ui.Ask(core::Icon::Confirmation,
                                  "Im Verzeichnis\r" + core::PathText(target) +
                                      "\rliegen schon diese Dateien:" + Joined(existing) +
                                      "\r\rSollen sie überschrieben "
                                      "werden?",
                                  core::Buttons::YesNo) != core::Answer::Yes) {
    return 0;
  }
  WriteAll(files);
  std::vector<std::string> names;
  for (const auto& file : files) names.push_back(file.Name);
  ui.Tell(core::Icon::Information, std::to_string(files.size()) +
                                       " Einstellungsdateien wurden exportiert nach\r" +
                                       core::PathText(target) + ":" + Joined(names));
  return files.size();
}

bool ImportSettings(AppState& state, core::Interaction& ui, const fs::path& source,
                    bool with_school_data) {
  state.Dirs.ReevaluateSettings(state.CentralSettings());
  state.Dirs.ReevaluateLists(state.CentralLists());
  // Steps 1 and 2.
  std::vector<PendingFile> files;
  for (const auto& file : SettingsFiles(with_school_data)) {
    const auto found = core::FindFile(source, file.Name);
    if (!found) continue;
    PendingFile pending{
        file.Name,
        core::TargetPath(file.InListsDirectory ? state.Dirs.Lists : state.Dirs.Settings, file.Name),
        core::ReadFileBytes(*found)};
    if (const std::string refusal = Refusal(file.Name, pending.Bytes); !refusal.empty()) {
      ui.Tell(core::Icon::Error, "Die Datei " + core::PathText(*found) + " kann nicht " +
                                     "importiert werden:\r" + refusal +
                                     "\r\rEs wurde NICHTS importiert.");
      return false;
    }
    files.push_back(std::move(pending));
  }
  if (files.empty()) {
    ui.Tell(core::Icon::Information,
            "Im Verzeichnis\r" + core::PathText(source) + "\rliegen keine Einstellungsdateien.");
    return false;
  }
  const auto has = [&files](const char* name) {
    return std::any_of(files.begin(), files.end(),
                       [name](const PendingFile& f) { return f.Name == name; });
  };
  // Step 3.
  if (state.General.MultiLevelSecurity == 1 &&
      (has(settings::kGeneralSettingsFileName) || has(settings::kSchoolDataFileName)) &&
      !Authorised(state, ui, core::SettingsPasswordKind::Configuration)) {
    return false;
  }
  if (has(settings::kSubjectFileName) &&
      !Authorised(state, ui, core::SettingsPasswordKind::SubjectSettings)) {
    return false;
  }
  if (has(settings::kExamSettingsFileName) &&
      !Authorised(state, ui, core::SettingsPasswordKind::ExamSettings)) {
    return false;
  }
  // Step 4.
  std::vector<std::string> names;
  for (const auto& file : files) names.push_back(file.Name);
  if (ui.Ask(core::Icon::Confirmation,
             "Sollen diese Einstellungsdateien importiert werden?" + Joined(names) +
                 "\r\rDie bisherigen Einstellungen werden dabei ersetzt.",
             core::Buttons::YesNo) != core::Answer::Yes) {
    return false;
  }
  // Steps 5 and 6.
  WriteAll(files);
  ReloadSettingsForDataDirectory(state, ui);
  ui.Tell(core::Icon::Information,
          std::to_string(files.size()) + " Einstellungsdateien wurden importiert.");
  return true;
}

}  // namespace tolka::app
