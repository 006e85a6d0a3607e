#include "exchange/exchange_commands.h"

#include <string>
#include <system_error>

#include "core/file_io.h"
#include "exchange/all_data_export.h"
#include "exchange/export_file.h"
#include "exchange/import_config.h"
#include "exchange/person_import.h"
#include "exchange/results_export.h"
#include "rules/rule_context.h"

namespace tolka::exchange {

const char* const kAskAppend =
    "Sollen die aktuellen Daten an die ausgewählte Datei angehängt werden?";
const char* const kAskImport =
    "Importierte Datensätze werden ab\rder aktuellen Schüler-Position eingefügt!\rVorhandene "
    "Datensätze werden überschrieben!\r\rWollen Sie den Import jetzt ausführen?";
const char* const kEncipheredRefused =
    "Die Daten werden verschlüsselt angezeigt!\r\rSolange das richtige Passwort nicht "
    "eingegeben wurde,\rkönnen die Schüler-Datensätze weder exportiert noch durch einen\rImport "
    "verändert werden.";
const char* const kImportRefusedPrefix = "Der Import wurde abgelehnt, nichts wurde verändert:\r\r";
const char* const kImportCutPrefix =
    "Der Import ist abgeschlossen.\r\rIn diesen Zeilen war ein zusammengesetzter Text länger als "
    "sein Feld und wurde gekürzt:\r";

namespace {

using core::Icon;

bool RefusedWhileEnciphered(const app::AppState& state, core::Interaction& ui) {
  if (!state.Data.ShownEnciphered) return false;
  ui.Tell(Icon::Warning, kEncipheredRefused);
  return true;
}

// Steps 1 to 3 of both exports: the save dialog, the append question, the
// file written through a temporary file, the saving window.
bool WriteExport(app::AppState& state, core::Interaction& ui, const std::string& text) {
  core::FileDialogRequest request;
  request.Filter = kExportFilter;
  request.DefaultExtension = kExportExtension;
  request.InitialDirectory = state.Dirs.Program;
  const auto path = ui.SaveFileDialog(request);
  if (!path) return false;
  if (!state.Data.IsUntitled() && SameFile(*path, state.Dirs.Data / state.Data.CurrentFileName)) {
    ui.Tell(Icon::Error, ExportOntoDataFileMessage());
    return false;
  }
  ExportMode mode = ExportMode::Create;
  std::error_code ec;
  if (std::filesystem::exists(*path, ec)) {
    if (ui.Ask(Icon::Information, kAskAppend, core::Buttons::YesNo) != core::Answer::Yes) {
      return false;
    }
    mode = ExportMode::Append;
  }
  WriteExportFile(*path, text, mode);
  ui.ShowSavingWindow();
  return true;
}

std::string LineList(const std::vector<size_t>& lines) {
  std::string list;
  for (size_t line : lines) list += (list.empty() ? "Zeile " : ", ") + std::to_string(line);
  return list;
}

}  // namespace

bool ExportAllData(app::AppState& state, core::Interaction& ui) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  return WriteExport(state, ui, AllDataExport(state.Data.Table));
}

bool ExportExamResults(app::AppState& state, core::Interaction& ui) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  const rules::RuleContext rules{state.Catalogue, state.Exam, state.General};
  // Computed before the dialog; Cancel discards the results.
  const std::string text = ExamResultsExport(rules, state.Data.Table);
  return WriteExport(state, ui, text);
}

bool ImportPersonData(app::AppState& state, core::Interaction& ui, size_t current) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  core::FileDialogRequest request;
  request.Filter = kImportFilter;
  request.DefaultExtension = kImportExtension;
  request.InitialDirectory = state.Dirs.Data;
  const auto path = ui.OpenFileDialog(request);
  if (!path) return false;
  for (;;) {
    const core::Interaction::ImportAnswer answer = ui.AskBeforeImport(kAskImport);
    if (answer == core::Interaction::ImportAnswer::Yes) break;
    if (answer != core::Interaction::ImportAnswer::EditColumns) return false;
    ui.ImportConfigWindow(state.Dirs.Program);
  }
  const ImportConfig config = LoadImportConfig(state.Dirs.Program).Config;
  const std::vector<uint8_t> bytes = core::ReadFileBytes(*path, kMaxImportFileSize + 1);
  const ImportPlan plan = PlanImport(bytes, config, state.Data.Table, current);
  if (!plan.Ok()) {
    ui.Tell(Icon::Error, kImportRefusedPrefix + plan.Refusal);
    return false;
  }
  const bool changed = ApplyImport(plan, state.Data.Table);
  if (changed) state.Data.Modified = true;
  if (!plan.CutLines.empty()) {
    ui.Tell(Icon::Information, kImportCutPrefix + LineList(plan.CutLines) + ".");
  }
  return changed;
}

}  // namespace tolka::exchange
