// The certificate commands of the menu "Drucken" ("Abiturzeugnis",
// "schulischer Teil der Fachhochschulreife" / "1. und 2. Semester" ..
// "3. und 4. Semester"), shared by the desktop program and `tolka-cli
// print`: the checks, the stops, the questions, the control table and the
// document. What is shown through `core::Interaction` is the same for both;
// the check report, the missing permission and the FHR window are the
// caller's (hooks and the returned status).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/directories.h"
#include "core/interaction.h"
#include "core/student_table.h"
#include "print/certificate.h"
#include "print/print_document.h"
#include "rules/pipelines.h"

namespace tolka::print {

enum class CertificateCommand { Abitur, Fhr12, Fhr23, Fhr34 };

// The document names of `tolka-cli print`: "abitur-certificate",
// "fhr-certificate-1" .. "fhr-certificate-3".
const char* CertificateCommandName(CertificateCommand command);
std::optional<CertificateCommand> CertificateCommandNamed(std::string_view name);

// "Sie sind derzeit nicht zum Zeugnisdruck berechtigt! ..." (Windows-1252;
// a function, so that the Qt layer gets the core's bytes).
const char* CertificateNotAllowedMessage();
inline constexpr const char* kAbiturCertificateTitle = "Abitur-Zeugnisdruck";

struct CertificateSources {
  const settings::SubjectCatalogue& Catalogue;
  const settings::ExamSettings& Exam;
  const settings::GeneralSettings& General;
  const PrintSettings& Print;
  const settings::SchoolData& School;
  // The data directory (control tables, then the program directory) and
  // the settings directory of FHRINFO.DAT.
  core::Directories& Dirs;
};

struct CertificateHooks {
  // The check report for findings that block printing.
  std::function<void(const rules::PipelineOutcome&)> ShowReport;
  // The window "zusätzlich notwendige Informationen" (FHR only): false for
  // Abbrechen. It may change `info`; a changed one is saved before
  // printing goes on.
  std::function<bool(FhrInfo& info)> AskFhrInfo;
};

enum class CertificateStatus {
  Ready,          // the document is built
  Blocked,        // errors or counted hints: the report was shown
  NotAllowed,     // "Zeugnisdruck möglich" is off: show CertificateNotAllowedMessage()
  InfoCancelled,  // the FHR window ended with Abbrechen
  Declined,       // "No" to the confirmation
  NoPrintMode,    // print mode 0: nothing to print
};

struct CertificateRun {
  CertificateStatus Status = CertificateStatus::Declined;
  rules::PipelineOutcome Outcome;   // the checks' findings
  std::filesystem::path TablePath;  // the control table read or written
  bool TemplateWritten = false;
  PrintDocument Document;  // Ready: the sheets, each with its prompt
};

// Runs the command on slot `index`: the checks (nothing is written back to
// the record), then in order the report (stop), the permission (stop), the
// FHR window (stop on Abbrechen), the confirmation (stop on No), print mode
// 0 (stop), the control table (a template written is told as information,
// a table with faults is warned about and used), and the document. Throws
// IoError for a damaged control table, an unwritable template or a failed
// save of FHRINFO.DAT; nothing is printed then.
CertificateRun RunCertificateCommand(const CertificateSources& sources, core::Interaction& ui,
                                     const CertificateHooks& hooks, rules::RulesState& state,
                                     core::StudentTable& table, size_t index,
                                     CertificateCommand command);

// The information after a template was written (names the file).
std::string TemplateWrittenMessage(const std::string& name, const std::filesystem::path& path);

}  // namespace tolka::print
