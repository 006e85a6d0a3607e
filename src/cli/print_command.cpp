#include "cli/print_command.h"

#include <QGuiApplication>
#include <cerrno>
#include <string>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "app/data_session.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/cli_interaction.h"
#include "cli/program_directory.h"
#include "cli/run_command.h"
#include "cli/terminal_text.h"
#include "core/cp1252.h"
#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "print/certificate_command.h"
#include "print_qt/pdf_output.h"

namespace tolka::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPasswordMissing =
    "Die Datei ist mit einem Daten-Passwort geschützt: geben Sie es mit --password an.";
constexpr const char* kBlocked =
    "Der Zeugnisdruck ist wegen der Prüfergebnisse nicht möglich (Befunde auf der "
    "Standardausgabe).";
constexpr const char* kNoPrintMode =
    "Druckart \"kein Ausdruck\" (Druckeinstellungen): es wurde nichts gedruckt.";

// Nobody answers: every question Yes, every message goes to stderr.
class PrintInteraction : public CliInteraction {
 public:
  using CliInteraction::CliInteraction;
  core::Answer Ask(core::Icon icon, const std::string& text, core::Buttons buttons) override {
    if (buttons == core::Buttons::YesNo) return core::Answer::Yes;
    return CliInteraction::Ask(icon, text, buttons);
  }
};

size_t SlotNumber(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 2 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || std::stoul(text) >= core::kSlotCount) {
    throw UserError("SLOT: eine Platznummer von 0 bis 35 erwartet, nicht \"" + FromUtf8Lossy(text) +
                    "\".");
  }
  return std::stoul(text);
}

// The documents the tool prints; the report sheets join this list with
// their own names and builders.
print::CertificateCommand Document(const std::string& name) {
  if (const auto command = print::CertificateCommandNamed(name)) return *command;
  std::string known;
  for (auto c : {print::CertificateCommand::Abitur, print::CertificateCommand::Fhr12,
                 print::CertificateCommand::Fhr23, print::CertificateCommand::Fhr34}) {
    known += (known.empty() ? "" : ", ") + std::string(print::CertificateCommandName(c));
  }
  throw UserError("Unbekanntes Dokument: \"" + FromUtf8Lossy(name) + "\".\rBekannt sind: " + known +
                  ".");
}

core::StudentTable ReadTable(const fs::path& file, const CommandLine& line) {
  std::optional<std::string> password;
  if (line.Password) {
    const auto typed = core::Utf8ToCp1252(*line.Password);
    if (!typed) {
      throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
    }
    password = typed->substr(0, core::kPasswordCapacity);
  }
  core::DataFileBlock block;
  try {
    block = app::ReadDataFileBlock(file);
  } catch (const IoError& e) {
    throw IoError(core::PathText(file) + ": " + e.what());
  }
  const std::string field = core::GetPasswordField(block);
  if (!field.empty()) {
    if (!password) {
      throw UserError(std::string(app::kWrongPasswordMessage) + "\r\r" + kPasswordMissing);
    }
    if (!core::PasswordMatches(*password, field)) throw UserError(app::kWrongPasswordMessage);
    core::ApplyCipher(block, field, line.Variant);
  }
  return core::DecodeTable(block);
}

void WriteOut(std::FILE* out, const std::string& text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    throw IoError("Ausgabe fehlgeschlagen: " + core::IoErrorText(errno));
  }
}

}  // namespace

void PrintCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                  std::FILE* messages) {
  const fs::path file = fs::absolute(line.Operands.at(0));
  const size_t slot = SlotNumber(line.Operands.at(1));
  const print::CertificateCommand command = Document(line.Operands.at(2));
  if (!line.Pdf) throw UserError("print: die Ausgabedatei fehlt (--pdf AUSGABE.pdf).");
  const fs::path pdf = fs::absolute(*line.Pdf);
  core::StudentTable table = ReadTable(file, line);

  app::AppState state;
  PrintInteraction ui(messages);
  app::StartUp(state, ui, ProgramDirectory(line, executable_dir));
  state.Dirs.Data = file.parent_path();
  app::ReloadSettingsForDataDirectory(state, ui);

  const rules::RuleContext rules{state.Catalogue, state.Exam, state.General};
  rules::RulesState rules_state;
  const print::CertificateSources sources{state.Catalogue, state.Exam,   state.General,
                                          state.Print,     state.School, state.Dirs};
  print::CertificateHooks hooks;
  hooks.ShowReport = [&](const rules::PipelineOutcome& outcome) {
    WriteOut(out, RunOutcomeToJson(outcome, rules_state, rules, table, slot).dump(2) + "\n");
  };
  hooks.AskFhrInfo = [](print::FhrInfo&) { return true; };
  const print::CertificateRun run =
      print::RunCertificateCommand(sources, ui, hooks, rules_state, table, slot, command);
  switch (run.Status) {
    case print::CertificateStatus::Blocked:
      throw UserError(kBlocked);
    case print::CertificateStatus::NotAllowed:
      throw UserError(print::CertificateNotAllowedMessage());
    case print::CertificateStatus::NoPrintMode:
      PrintMessage(messages, std::string("tolka-cli: Hinweis: ") + kNoPrintMode);
      return;
    case print::CertificateStatus::InfoCancelled:
    case print::CertificateStatus::Declined:
      return;  // cannot happen: every question is answered Yes
    case print::CertificateStatus::Ready:
      break;
  }
  const auto application = print_qt::MakeOffscreenApplication();
  print_qt::WritePdf(run.Document, pdf);
}

}  // namespace tolka::cli
