#include "cli/exchange_command.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "app/data_session.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/terminal_text.h"
#include "core/cp1252.h"
#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "exchange/all_data_export.h"
#include "exchange/exchange_commands.h"
#include "exchange/export_file.h"
#include "exchange/import_config.h"
#include "exchange/person_import.h"
#include "exchange/results_export.h"
#include "rules/rule_context.h"

namespace tolka::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPasswordMissing =
    "Die Datei ist mit einem Daten-Passwort geschützt: geben Sie es mit --password an.";

template <typename Io>
auto WithPath(const fs::path& path, Io io) {
  try {
    return io();
  } catch (const IoError& e) {
    throw IoError(core::PathText(path) + ": " + e.what());
  }
}

// A data file read and deciphered as "dump" reads it: no ".BAK" copy.
struct OpenedFile {
  core::DataFileBlock Block;
  std::string PasswordField;
  core::StudentTable Table;
};

OpenedFile ReadDataFile(const fs::path& file, const CommandLine& line) {
  OpenedFile opened;
  opened.Block = WithPath(file, [&] { return app::ReadDataFileBlock(file); });
  opened.PasswordField = core::GetPasswordField(opened.Block);
  if (!opened.PasswordField.empty()) {
    if (!line.Password) {
      throw UserError(std::string(app::kWrongPasswordMessage) + "\r\r" + kPasswordMissing);
    }
    const auto typed = core::Utf8ToCp1252(*line.Password);
    if (!typed) {
      throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
    }
    if (!core::PasswordMatches(typed->substr(0, core::kPasswordCapacity), opened.PasswordField)) {
      throw UserError(app::kWrongPasswordMessage);
    }
    core::ApplyCipher(opened.Block, opened.PasswordField, core::CipherVariant::Neu);
  }
  opened.Table = core::DecodeTable(opened.Block);
  return opened;
}

// The export target: an existing file only with --append.
exchange::ExportMode TargetMode(const fs::path& target, bool append) {
  std::error_code ec;
  if (fs::exists(target, ec) && !append) {
    throw UserError(core::PathText(target) +
                    ": die Datei gibt es schon. Mit --append werden die Zeilen angehängt.");
  }
  return append ? exchange::ExportMode::Append : exchange::ExportMode::Create;
}

void WriteExport(const fs::path& file, const fs::path& target, const std::string& text,
                 bool append) {
  if (exchange::SameFile(file, target)) throw UserError(exchange::ExportOntoDataFileMessage());
  const exchange::ExportMode mode = TargetMode(target, append);
  WithPath(target, [&] { exchange::WriteExportFile(target, text, mode); });
}

size_t ImportSlot(const CommandLine& line) {
  if (!line.Slot) return 0;
  const std::string& text = *line.Slot;
  const bool digits = !text.empty() && text.size() <= 2 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || std::stoul(text) >= core::kListCount) {
    throw UserError("--slot: eine Platznummer von 0 bis 34 erwartet, nicht \"" +
                    FromUtf8Lossy(text) + "\".");
  }
  return std::stoul(text);
}

std::string NumberList(const std::vector<size_t>& numbers) {
  std::string list;
  for (size_t n : numbers) list += (list.empty() ? "" : ", ") + std::to_string(n);
  return list;
}

}  // namespace

void ExportAllCommand(const CommandLine& line, const fs::path& executable_dir) {
  ProgramDirectory(line, executable_dir);  // an unknown --program-dir is refused as elsewhere
  const fs::path file = fs::absolute(line.Operands.at(0));
  const fs::path target = fs::absolute(line.Operands.at(1));
  const OpenedFile opened = ReadDataFile(file, line);
  WriteExport(file, target, exchange::AllDataExport(opened.Table), line.Append);
}

void ExportResultsCommand(const CommandLine& line, const fs::path& executable_dir,
                          std::FILE* messages) {
  const fs::path file = fs::absolute(line.Operands.at(0));
  const fs::path target = fs::absolute(line.Operands.at(1));
  const OpenedFile opened = ReadDataFile(file, line);
  if (exchange::SameFile(file, target)) throw UserError(exchange::ExportOntoDataFileMessage());
  TargetMode(target, line.Append);  // refused before the computation

  // The settings the program uses for this file.
  app::AppState state;
  CliInteraction ui(messages);
  app::StartUp(state, ui, ProgramDirectory(line, executable_dir));
  state.Dirs.Data = file.parent_path();
  app::ReloadSettingsForDataDirectory(state, ui);
  const rules::RuleContext rules{state.Catalogue, state.Exam, state.General};
  WriteExport(file, target, exchange::ExamResultsExport(rules, opened.Table), line.Append);
}

void ImportCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                   std::FILE* messages) {
  const fs::path file = fs::absolute(line.Operands.at(0));
  const fs::path input = fs::absolute(line.Operands.at(1));
  const size_t slot = ImportSlot(line);
  const fs::path program = ProgramDirectory(line, executable_dir);

  exchange::ImportConfig config;
  if (line.Config) {
    const fs::path config_file = fs::absolute(*line.Config);
    config = WithPath(config_file, [&] { return exchange::ReadImportConfigFile(config_file); });
  } else {
    const fs::path where = program / exchange::kImportConfigFileName;
    config = WithPath(where, [&] { return exchange::LoadImportConfig(program).Config; });
  }
  OpenedFile opened = ReadDataFile(file, line);
  const std::vector<uint8_t> bytes =
      WithPath(input, [&] { return core::ReadFileBytes(input, exchange::kMaxImportFileSize + 1); });
  const exchange::ImportPlan plan = exchange::PlanImport(bytes, config, opened.Table, slot);
  if (!plan.Ok()) {
    throw UserError(core::PathText(input) + ": " + exchange::kImportRefusedPrefix + plan.Refusal);
  }
  exchange::ApplyImport(plan, opened.Table);
  // Saved as "Speichern" writes: untouched records keep their bytes, the
  // password field stays, a protected table is enciphered "neu".
  core::EncodeTable(opened.Table, opened.Block);
  if (!opened.PasswordField.empty()) {
    core::ApplyCipher(opened.Block, opened.PasswordField, core::CipherVariant::Neu);
  }
  SaveDataFile(file, opened.Block);

  if (!plan.OverwrittenSlots.empty()) {
    PrintMessage(messages, "Überschrieben (dort stand schon ein Schüler): Platz " +
                               NumberList(plan.OverwrittenSlots));
  }
  if (!plan.CutLines.empty()) {
    PrintMessage(messages, "Auf die Feldlänge gekürzt (zusammengesetzter Text): Zeile " +
                               NumberList(plan.CutLines));
  }
  WriteOut(out,
           ToTerminal(std::to_string(plan.Slots.size()) + " Personen importiert (Plätze " +
                      std::to_string(plan.FirstSlot) + " bis " +
                      std::to_string(plan.FirstSlot + plan.SlotsUsed - 1) + ", " +
                      (plan.Encoding == exchange::TextEncoding::Utf8 ? "UTF-8" : "Windows-1252") +
                      ").\r"));
}

}  // namespace tolka::cli
