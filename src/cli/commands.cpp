#include "cli/commands.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "app/data_session.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/exchange_command.h"
#include "cli/print_command.h"
#include "cli/record_json.h"
#include "cli/run_command.h"
#include "cli/terminal_text.h"
#include "core/cp1252.h"
#include "core/data_cipher.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "settings/school_data.h"
#include "settings/settings_passwords.h"

namespace tolka::cli {

namespace {

namespace fs = std::filesystem;

// The settings that make every save ask for a data password.
constexpr const char* kPasswordDemanded =
    "Die allgemeinen Einstellungen verlangen verschlüsselte Daten (\"Daten verschlüsseln\" "
    "oder\r\"Daten immer verschlüsseln\" ist eingeschaltet).\rGeben Sie mit --password ein "
    "Daten-Passwort an (4 bis 15 Zeichen).";
constexpr const char* kPasswordTooShort =
    "--password: das Daten-Passwort muss mindestens 4 Zeichen lang sein.";
constexpr size_t kMinimumPasswordLength = 4;
// More problems of a JSON file than this are counted, not listed.
constexpr size_t kListedProblems = 20;

// Runs `io`; an IoError from it gets the path in front of its text, so the
// user learns which file failed.
template <typename Io>
auto WithPath(const fs::path& path, Io io) {
  try {
    return io();
  } catch (const IoError& e) {
    // The file's own messages name it already.
    const std::string message = e.what();
    if (message.find(core::PathText(path)) != std::string::npos) throw;
    throw IoError(core::PathText(path) + ": " + message);
  }
}

// The typed password as the password query keeps it: Windows-1252, cut to
// 15 characters.
std::string TypedPassword(const std::string& typed) {
  const auto password = core::Utf8ToCp1252(typed);
  if (!password)
    throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
  return password->substr(0, core::kPasswordCapacity);
}

// A password for writing, as the password definition accepts it: at least 4
// characters, cut to 15.
std::string DefinedPassword(const std::string& typed) {
  const auto password = core::Utf8ToCp1252(typed);
  if (!password)
    throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
  if (password->size() < kMinimumPasswordLength) throw UserError(kPasswordTooShort);
  return password->substr(0, core::kPasswordCapacity);
}

// The program state after start-up: settings loaded from the program
// directory, the table initialised as untitled data (what New makes).
void StartProgram(app::AppState& state, const CommandLine& line, const fs::path& executable_dir,
                  std::FILE* messages) {
  CliInteraction ui(messages);
  app::StartUp(state, ui, ProgramDirectory(line, executable_dir));
}

// Writes the working data of `state` to `target` as Save writes them: with
// `password` protected and enciphered "neu"; without, unprotected unless the
// general settings demand a password, which is then refused.
void SaveTable(app::AppState& state, const fs::path& target,
               const std::optional<std::string>& password) {
  app::DataSession& data = state.Data;
  if (password) {
    data.EnteredPassword = *password;
    data.PasswordField = core::ScramblePassword(*password);
    data.Protected = true;
  } else if (state.General.EncryptData != 0 || state.General.AlwaysEncrypt != 0) {
    throw UserError(kPasswordDemanded);
  } else {
    data.PasswordField.clear();
    data.Protected = false;
  }
  data.ShownEnciphered = false;
  SaveDataFile(target, data.BlockForWriting());
}

std::string ReadJsonText(const std::string& operand) {
  if (operand == "-") {
    std::string text;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) text.append(buffer, got);
    if (std::ferror(stdin)) throw IoError("Standardeingabe: " + core::IoErrorText(errno));
    return text;
  }
  const fs::path path = fs::absolute(operand);
  const std::vector<uint8_t> bytes = WithPath(path, [&] { return core::ReadFileBytes(path); });
  return std::string(bytes.begin(), bytes.end());
}

std::string SourceName(const std::string& operand) {
  return operand == "-" ? std::string("Standardeingabe") : FromUtf8Lossy(operand);
}

}  // namespace

void DumpCommand(const fs::path& file, const std::optional<std::string>& password,
                 core::CipherVariant variant, std::FILE* out) {
  // Read only: no ".BAK" copy, nothing written.
  core::DataFileBlock block = WithPath(file, [&] { return app::ReadDataFileBlock(file); });
  const std::string field = core::GetPasswordField(block);
  const bool is_protected = !field.empty();
  if (is_protected) {
    if (!password) throw UserError(kPasswordMissing);
    if (!core::PasswordMatches(TypedPassword(*password), field)) throw UserError(kCliWrongPassword);
    core::ApplyCipher(block, field, variant);
  }
  const Json document = TableToJson(core::DecodeTable(block), is_protected);
  WriteOut(out, document.dump(2) + "\n");
}

void NewCommand(const fs::path& file, const std::optional<std::string>& password,
                const CommandLine& line, const fs::path& executable_dir, std::FILE* messages) {
  const auto defined = password ? std::optional(DefinedPassword(*password)) : std::nullopt;
  app::AppState state;
  StartProgram(state, line, executable_dir, messages);
  SaveTable(state, file, defined);
}

void LoadCommand(const std::string& json_operand, const fs::path& file,
                 const std::optional<std::string>& password, const CommandLine& line,
                 const fs::path& executable_dir, std::FILE* messages) {
  const auto defined = password ? std::optional(DefinedPassword(*password)) : std::nullopt;
  const std::string source = SourceName(json_operand);
  const Json document = ParseJsonText(ReadJsonText(json_operand), source);
  app::AppState state;
  StartProgram(state, line, executable_dir, messages);
  const JsonErrors errors = ApplyTableJson(document, state.Data.Table);
  if (!errors.empty()) {
    std::string message =
        source + ": die Daten passen nicht zum Datensatz, nichts wurde geschrieben:";
    for (size_t i = 0; i < errors.size() && i < kListedProblems; ++i) message += "\r  " + errors[i];
    if (errors.size() > kListedProblems) {
      message += "\r  ... und " + std::to_string(errors.size() - kListedProblems) + " weitere";
    }
    throw UserError(message);
  }
  SaveTable(state, file, defined);
}

void SchoolPasswordsCommand(const CommandLine& line, const fs::path& executable_dir,
                            std::FILE* out) {
  // At start-up the data directory is the program directory, so SCHULE.INI
  // is looked for there whether or not the settings are kept centrally.
  const fs::path program = ProgramDirectory(line, executable_dir);
  core::Directories dirs = core::Directories::AllAt(program);
  const auto found = core::FindFile(program, settings::kSchoolDataFileName);
  if (!found) {
    throw UserError(std::string("Keine Schuldaten: ") + settings::kSchoolDataFileName +
                    " fehlt in " + core::PathText(program) +
                    ".\rOhne Schulnummer und Schlüssel bleiben die Abitur- und die "
                    "Fächereinstellungen verschlossen.");
  }
  const settings::SchoolData school =
      WithPath(*found, [&] { return settings::LoadSchoolData(dirs, true); });
  const std::string exam = settings::ExamSettingsPassword(school);
  const std::string subject = settings::SubjectSettingsPassword(school);
  if (exam.empty() || subject.empty()) {
    throw UserError(std::string(settings::kSchoolDataFileName) + " in " + core::PathText(program) +
                    ": Schulnummer (Schulnummer=) oder Schlüssel (Schluessel=) fehlt.\rOhne "
                    "sie bleiben die Abitur- und die Fächereinstellungen verschlossen.");
  }
  WriteOut(out, ToTerminal("Abitureinstellungen (AbiDefinition): " + exam +
                           "\rFächereinstellungen (Fächerdefinition): " + subject + "\r"));
}

void RunCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                std::FILE* messages) {
  // Start-up makes the program directory the working directory: the paths
  // the user gave are taken from where the command was called first.
  switch (line.Which) {
    case Command::Dump:
      DumpCommand(fs::absolute(line.Operands.at(0)), line.Password, line.Variant, out);
      return;
    case Command::New:
      NewCommand(fs::absolute(line.Operands.at(0)), line.Password, line, executable_dir, messages);
      return;
    case Command::Load:
      LoadCommand(line.Operands.at(0), fs::absolute(line.Operands.at(1)), line.Password, line,
                  executable_dir, messages);
      return;
    case Command::SchoolPasswords:
      SchoolPasswordsCommand(line, executable_dir, out);
      return;
    case Command::Run:
      RunPipelineCommand(line, executable_dir, out, messages);
      return;
    case Command::ExportAll:
      ExportAllCommand(line, executable_dir);
      return;
    case Command::ExportResults:
      ExportResultsCommand(line, executable_dir, messages);
      return;
    case Command::Import:
      ImportCommand(line, executable_dir, out, messages);
      return;
    case Command::Print:
      PrintCommand(line, executable_dir, out, messages);
      return;
  }
}

}  // namespace tolka::cli
