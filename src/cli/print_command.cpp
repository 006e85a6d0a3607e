#include "cli/print_command.h"

#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <string>

#include "app/app_state.h"
#include "app/data_file_commands.h"
#include "app/data_session.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/run_command.h"
#include "cli/terminal_text.h"
#include "core/cp1252.h"
#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "print/certificate_command.h"
#include "print/report_sheets.h"
#include "print/report_statistics.h"
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

// The documents the tool prints: a certificate, a report sheet or the
// statistics.
struct DocumentChoice {
  std::optional<print::CertificateCommand> Certificate;
  std::optional<print::ReportSheet> Sheet;
  bool Statistics = false;
};

DocumentChoice Document(const std::string& name) {
  DocumentChoice choice;
  if (const auto command = print::CertificateCommandNamed(name)) {
    choice.Certificate = command;
    return choice;
  }
  if (const auto sheet = print::ReportSheetNamed(name)) {
    choice.Sheet = sheet;
    return choice;
  }
  if (name == print::kStatisticsName) {
    choice.Statistics = true;
    return choice;
  }
  std::string known;
  for (auto c : {print::CertificateCommand::Abitur, print::CertificateCommand::Fhr12,
                 print::CertificateCommand::Fhr23, print::CertificateCommand::Fhr34}) {
    known += (known.empty() ? "" : ", ") + std::string(print::CertificateCommandName(c));
  }
  for (print::ReportSheet sheet : print::ReportSheets()) {
    known += ", " + std::string(print::ReportSheetName(sheet));
  }
  known += ", " + std::string(print::kStatisticsName);
  throw UserError("Unbekanntes Dokument: \"" + FromUtf8Lossy(name) + "\".\rBekannt sind: " + known +
                  ".");
}

// Report sheets print in every print mode: the print mode concerns the
// certificates only.
void PrintReport(const CommandLine& line, const DocumentChoice& choice, const app::AppState& state,
                 const core::StudentTable& table, size_t slot, std::FILE* messages) {
  const print::ReportSources sources{state.Catalogue, state.Exam,   state.General,
                                     state.Print,     state.School, ""};
  if (choice.Statistics) {
    if (line.All || line.PdfDir) {
      throw UserError("print statistics: --all und --pdf-dir gelten nur für Formblätter.");
    }
    const auto application = print_qt::MakeOffscreenApplication();
    print_qt::WritePdf(print::BuildStatisticsDocument(sources, table), fs::absolute(*line.Pdf));
    return;
  }
  const std::vector<size_t> slots =
      line.All ? print::SlotsUpToGap(table, slot) : std::vector<size_t>{slot};
  if (slots.empty()) {
    PrintMessage(messages, "tolka-cli: Hinweis: " + print::AllStudentsNothingMessage());
    return;
  }
  const auto application = print_qt::MakeOffscreenApplication();
  if (line.PdfDir) {
    const fs::path dir = fs::absolute(*line.PdfDir);
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
      throw UserError("--pdf-dir: " + core::PathText(dir) + ": Verzeichnis nicht gefunden");
    }
    std::vector<std::string> used;
    for (size_t index : slots) {
      std::string name = print::StudentPdfName(table.At(index), index);
      // Two students with the same number and name keep their own files.
      if (std::find(used.begin(), used.end(), name) != used.end()) {
        name = name.substr(0, name.size() - 4) + "_" + std::to_string(index) + ".pdf";
      }
      used.push_back(name);
      print_qt::WritePdf(print::BuildReportDocument(sources, table, index, *choice.Sheet),
                         dir / name);
    }
    return;
  }
  print::PrintDocument document;
  for (size_t index : slots) {
    document.Sheets.push_back(print::BuildReportSheet(sources, table, index, *choice.Sheet));
  }
  document.Title = print::ReportSheetCaption(*choice.Sheet, false);
  print_qt::WritePdf(document, fs::absolute(*line.Pdf));
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

}  // namespace

void PrintCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                  std::FILE* messages) {
  const fs::path file = fs::absolute(line.Operands.at(0));
  const size_t slot = SlotNumber(line.Operands.at(1));
  const DocumentChoice choice = Document(line.Operands.at(2));
  if (choice.Certificate && (line.All || line.PdfDir)) {
    throw UserError("print: --all und --pdf-dir gelten nur für Formblätter.");
  }
  if (line.Pdf && line.PdfDir) {
    throw UserError("print: entweder --pdf oder --pdf-dir angeben, nicht beides.");
  }
  if (!line.Pdf && !line.PdfDir) {
    throw UserError("print: die Ausgabedatei fehlt (--pdf AUSGABE.pdf).");
  }
  // Output paths are taken as typed, before the start-up changes anything.
  CommandLine output = line;
  if (output.Pdf) output.Pdf = fs::absolute(*output.Pdf);
  if (output.PdfDir) output.PdfDir = fs::absolute(*output.PdfDir);
  core::StudentTable table = ReadTable(file, line);

  app::AppState state;
  PrintInteraction ui(messages);
  app::StartUp(state, ui, ProgramDirectory(line, executable_dir));
  state.Dirs.Data = file.parent_path();
  app::ReloadSettingsForDataDirectory(state, ui);
  if (!choice.Certificate) {
    PrintReport(output, choice, state, table, slot, messages);
    return;
  }
  const print::CertificateCommand command = *choice.Certificate;
  const fs::path pdf = *output.Pdf;

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
