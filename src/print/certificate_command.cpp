#include "print/certificate_command.h"

#include "core/file_io.h"
#include "rules/check_report.h"
#include "rules/work_area.h"

namespace tolka::print {

namespace {

constexpr const char* kNames[] = {"abitur-certificate", "fhr-certificate-1", "fhr-certificate-2",
                                  "fhr-certificate-3"};

int PairOf(CertificateCommand command) {
  switch (command) {
    case CertificateCommand::Fhr12:
      return 1;
    case CertificateCommand::Fhr23:
      return 2;
    case CertificateCommand::Fhr34:
      return 3;
    case CertificateCommand::Abitur:
      break;
  }
  return 0;
}

// The checks of "Abiturzeugnis": those of "Abiturergebnis" with the grade,
// without writing the credit marks back.
const rules::PipelineRow& AbiturRow() {
  static const rules::PipelineRow row = [] {
    rules::PipelineRow r;
    r.Id = kNames[0];
    r.Caption = "Abiturzeugnis";
    r.Title = kAbiturCertificateTitle;
    r.Steps = rules::ExamResultSteps();
    r.Steps.push_back(rules::StepKind::Grade);
    r.Refreshes = true;
    r.Finish = rules::FinishKind::B;
    return r;
  }();
  return row;
}

rules::PipelineOutcome RunAbiturChecks(const rules::RuleContext& rules, rules::RulesState& state,
                                       const core::StudentTable& table, size_t index) {
  const rules::PipelineRow& row = AbiturRow();
  table.At(index);  // the index is checked before anything changes
  rules::ClearResults(state.Results);
  state.Slots = rules::ExamSlots{};
  state.BestSlots = rules::ExamSlots{};
  state.Texts = rules::EmptyResultTexts();
  state.Blocks = rules::BlockResult{};
  rules::PrepareWorkArea(table, index, rules.Catalogue, state.Area, state.Results);
  rules::RunSteps(rules, state, row.Steps);
  rules::PipelineOutcome outcome;
  outcome.Row = &row;
  outcome.Title = row.Title;
  outcome.Marks = state.Results;
  outcome.Blocks = state.Blocks;
  outcome.CurrentBlocks = state.Blocks;
  outcome.Slots = state.Slots;
  outcome.HasErrors = rules::HasErrors(state.Results);
  outcome.HasHints = rules::HasHints(state.Results);
  outcome.HasCountedHints = rules::HasCountedHints(state.Results, rules.General.IgnoreExamHints);
  outcome.Finish = rules::DecideFinish(row.Finish, state.Results, rules.General.IgnoreExamHints);
  return outcome;
}

}  // namespace

const char* CertificateNotAllowedMessage() {
  return "Sie sind derzeit nicht zum Zeugnisdruck berechtigt!\r\r(Prüfen Sie eventuell die "
         "Programmeinstellungen!)";
}

const char* CertificateCommandName(CertificateCommand command) {
  return kNames[static_cast<size_t>(command)];
}

std::optional<CertificateCommand> CertificateCommandNamed(std::string_view name) {
  for (size_t i = 0; i < std::size(kNames); ++i) {
    if (name == kNames[i]) return static_cast<CertificateCommand>(i);
  }
  return std::nullopt;
}

std::string TemplateWrittenMessage(const std::string& name, const std::filesystem::path& path) {
  return "Die Steuerdatei " + name +
         " wurde nicht gefunden.\rEine Vorlage wurde angelegt und wird für den Ausdruck "
         "verwendet:\r" +
         core::PathText(path);
}

CertificateRun RunCertificateCommand(const CertificateSources& sources, core::Interaction& ui,
                                     const CertificateHooks& hooks, rules::RulesState& state,
                                     core::StudentTable& table, size_t index,
                                     CertificateCommand command) {
  const rules::RuleContext rules{sources.Catalogue, sources.Exam, sources.General};
  const bool abitur = command == CertificateCommand::Abitur;
  const int pair = PairOf(command);
  CertificateRun run;
  if (abitur) {
    run.Outcome = RunAbiturChecks(rules, state, table, index);
  } else {
    rules::PipelineContext ctx{rules, state};
    run.Outcome = rules::RunPipeline(ctx, table, index, "fhr-check-" + std::to_string(pair));
  }
  if (run.Outcome.HasErrors || run.Outcome.HasCountedHints) {
    if (hooks.ShowReport) hooks.ShowReport(run.Outcome);
    run.Status = CertificateStatus::Blocked;
    return run;
  }
  if (sources.General.CertificatePrinting != 1) {
    run.Status = CertificateStatus::NotAllowed;
    return run;
  }
  const core::StudentRecord& student = table.At(index);
  FhrInfo info;
  if (!abitur) {
    const std::string message =
        LoadFhrInfo(info, sources.Dirs, sources.General.CentralSettings == 1);
    if (!message.empty()) ui.Tell(core::Icon::Error, message);
    FhrInfo asked = info;
    if (!hooks.AskFhrInfo || !hooks.AskFhrInfo(asked)) {
      run.Status = CertificateStatus::InfoCancelled;
      return run;
    }
    if (!asked.SameValues(info)) {
      SaveFhrInfo(asked, sources.Dirs, sources.General.CentralSettings == 1);
    }
    info = asked;
  }
  const std::string question =
      abitur ? "Abitur-Zeugnisdruck für:\r" + student.GivenNames + " " + student.Surname
             : "Druck des Schulischen Teils der Fachhochschulreife\rfür: " + student.GivenNames +
                   " " + student.Surname + " (" + std::to_string(pair) + ". und " +
                   std::to_string(pair + 1) + ". Semester)";
  if (ui.Ask(core::Icon::Confirmation, question, core::Buttons::YesNo) != core::Answer::Yes) {
    run.Status = CertificateStatus::Declined;
    return run;
  }
  if (sources.Print.PrintMode < 1 || sources.Print.PrintMode > 4) {
    run.Status = CertificateStatus::NoPrintMode;
    return run;
  }

  const CertificateKind kind = abitur ? CertificateKind::Abitur : CertificateKind::Fhr;
  const std::string name =
      FormatTableName(sources.General.Publisher, sources.Print.PrintMode, kind);
  const LoadedFormatTable loaded = LoadFormatTable(name, sources.Dirs);
  run.TablePath = loaded.Path;
  run.TemplateWritten = loaded.TemplateWritten;
  if (loaded.TemplateWritten) {
    ui.Tell(core::Icon::Information, TemplateWrittenMessage(name, loaded.Path));
  }
  if (loaded.Parsed.Warning()) ui.Tell(core::Icon::Error, FormatTableWarning());

  auto data = std::make_shared<CertificateData>();
  data->Student = student;
  data->Area = state.Area;
  data->Blocks = state.Blocks;
  data->Catalogue = sources.Catalogue;
  data->Exam = sources.Exam;
  data->General = sources.General;
  data->Print = sources.Print;
  data->School = sources.School;
  if (!abitur && run.Outcome.Fhr) {
    data->FhrPair = run.Outcome.Fhr->Pair;
    data->FhrSums = run.Outcome.Fhr->Sums;
    data->FhrGrade = run.Outcome.Fhr->Grade;
    data->Info = info;
  }
  run.Document = BuildCertificateDocument(data, loaded.Parsed.Table, kind);
  run.Status = CertificateStatus::Ready;
  return run;
}

}  // namespace tolka::print
