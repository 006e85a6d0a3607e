#include "cli/run_command.h"

#include <cerrno>
#include <string>

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
#include "rules/check_item_table.h"
#include "rules/check_report.h"

namespace tolka::cli {

namespace {

namespace fs = std::filesystem;

const rules::PipelineRow& Pipeline(const std::string& id) {
  if (const rules::PipelineRow* row = rules::FindPipeline(id)) return *row;
  std::string known;
  for (const rules::PipelineRow& row : rules::PipelineTable()) {
    known += (known.empty() ? "" : ", ") + row.Id;
  }
  throw UserError("Unbekannte Prüfung: \"" + FromUtf8Lossy(id) + "\".\rBekannt sind: " + known +
                  ".");
}

// The typed password as the password query keeps it: Windows-1252, cut to
// 15 characters.
std::string TypedPassword(const std::string& typed) {
  const auto password = core::Utf8ToCp1252(typed);
  if (!password) {
    throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
  }
  return password->substr(0, core::kPasswordCapacity);
}

std::string Utf8(const std::string& cp1252) { return core::Cp1252ToUtf8(cp1252); }

const char* FinishName(rules::FinishAction finish) {
  switch (finish) {
    case rules::FinishAction::Message:
      return "message";
    case rules::FinishAction::Report:
      return "report";
    case rules::FinishAction::Result:
      return "result";
    case rules::FinishAction::Recommendations:
      return "recommendations";
    case rules::FinishAction::FhrResult:
      return "fhr-result";
    case rules::FinishAction::None:
      break;
  }
  return "none";
}

const char* ColourName(rules::RecommendationColour colour) {
  switch (colour) {
    case rules::RecommendationColour::Blue:
      return "blue";
    case rules::RecommendationColour::Green:
      return "green";
    case rules::RecommendationColour::Olive:
      return "olive";
    case rules::RecommendationColour::Red:
      return "red";
    case rules::RecommendationColour::Fuchsia:
      return "fuchsia";
    case rules::RecommendationColour::Black:
      break;
  }
  return "black";
}

Json ExamSlotsToJson(const rules::ExamSlots& exam_slots, const rules::RuleContext& rules) {
  Json slots = Json::array();
  for (size_t s = 1; s <= 4; ++s) {
    const rules::ExamSlot& exam_slot = exam_slots[s];
    const std::string subject =
        exam_slot.Subject >= 1 && exam_slot.Subject < rules.Catalogue.Entries.size()
            ? rules.Catalogue.Entries[exam_slot.Subject].SubjectName
            : std::string();
    slots.push_back({{"subject", Utf8(subject)},
                     {"written", Utf8(exam_slot.Written)},
                     {"oral", Utf8(exam_slot.Oral)}});
  }
  return slots;
}

// The additions of the recommendation, FHR and promotion commands.
void AddSpecialResults(Json& out, const rules::PipelineOutcome& outcome,
                       const rules::RulesState& state, const rules::RuleContext& rules,
                       const core::StudentRecord& stored) {
  if (outcome.Recommendations) {
    Json list = Json::array();
    const auto& table = rules::RecommendationTable();
    for (int n = 1; n <= rules::kRecommendationCount; ++n) {
      const uint16_t value = (*outcome.Recommendations)[static_cast<size_t>(n)];
      if (value == 0) continue;
      list.push_back({{"number", n},
                      {"text", Utf8(rules::RecommendationLine(n, value))},
                      {"value", value},
                      {"colour", ColourName(table[static_cast<size_t>(n)].Colour)}});
    }
    out["recommendations"] = std::move(list);
    Json columns = Json::array();
    for (int c : {rules::kColumnCurrent, rules::kColumnProjected, rules::kColumnBest}) {
      Json column = Json::array();
      for (const std::string& text : state.Texts[static_cast<size_t>(c)])
        column.push_back(Utf8(text));
      columns.push_back(std::move(column));
    }
    out["columns"] = std::move(columns);
    out["examSlotsProjected"] = ExamSlotsToJson(outcome.SlotsProjected, rules);
  }
  if (outcome.Fhr) {
    const auto& fhr = *outcome.Fhr;
    out["fhr"] = {{"pair", fhr.Pair},
                  {"BasicSum", fhr.Sums.BasicSum},
                  {"AdvancedSum", fhr.Sums.AdvancedSum},
                  {"Total", fhr.Sums.Total},
                  {"grade", Utf8(rules::FormatFhrGrade(fhr.Grade))},
                  {"words", {Utf8(fhr.Words[0]), Utf8(fhr.Words[1])}}};
  }
  if (outcome.Row->Special == rules::SpecialCommand::Promotion) {
    out["CompensationAllowable"] = stored.CompensationAllowable;
    out["PromotableToQualPhase"] = stored.PromotableToQualPhase;
  }
  if (!outcome.MessageCaption.empty()) out["messageCaption"] = Utf8(outcome.MessageCaption);
}

}  // namespace

Json RunOutcomeToJson(const rules::PipelineOutcome& outcome, const rules::RulesState& state,
                      const rules::RuleContext& rules, const core::StudentTable& table,
                      size_t slot) {
  const rules::CheckItemTable items = rules::BuildCheckItemTable(rules.Exam);
  Json out;
  out["pipeline"] = outcome.Row->Id;
  out["title"] = Utf8(outcome.Title.empty() ? outcome.Row->Title : outcome.Title);
  Json listed = Json::array();
  for (int i = 1; i <= rules::kItemCount; ++i) {
    const rules::CheckMark& mark = outcome.Marks.At(i);
    if (mark.Error == 0 && mark.Hint == 0) continue;
    const rules::CheckItem& item = items[static_cast<size_t>(i)];
    Json entry;
    entry["number"] = i;
    entry["error"] = mark.Error;
    entry["hint"] = mark.Hint;
    entry["class"] = item.IsError ? "error" : "hint";
    entry["label"] = Utf8(item.Label);
    entry["failText"] = Utf8(item.FailText);
    listed.push_back(std::move(entry));
  }
  out["items"] = std::move(listed);
  out["hasErrors"] = outcome.HasErrors;
  out["hasHints"] = outcome.HasHints;
  out["hasCountedHints"] = outcome.HasCountedHints;
  out["finish"] = FinishName(outcome.Finish);
  out["message"] =
      outcome.Finish == rules::FinishAction::Message ? Json(Utf8(outcome.Message)) : Json();
  if (outcome.Finish == rules::FinishAction::Report) {
    // The report normalises the marks it shows; the items above keep them as
    // the checks set them.
    rules::CheckResultList marks = outcome.Marks;
    const rules::CheckReport report = rules::BuildCheckReport(
        items, outcome.Title.empty() ? outcome.Row->Title : outcome.Title, table.At(slot), marks);
    out["verdict"] = Utf8(report.Verdict);
  } else {
    out["verdict"] = nullptr;
  }
  Json texts = Json::array();
  for (const auto& column : state.Texts) {
    for (const std::string& text : column) texts.push_back(Utf8(text));
  }
  out["resultTexts"] = std::move(texts);
  out["blocks"] = {{"BlockI", outcome.Blocks.BlockI},
                   {"BlockII", outcome.Blocks.BlockII},
                   {"BlockIII", outcome.Blocks.BlockIII},
                   {"Total", outcome.Blocks.Total}};
  out["examSlots"] = ExamSlotsToJson(outcome.Slots, rules);
  Json credited = Json::array();
  for (const core::CourseResult& result : table.At(slot).CourseResults) {
    credited.push_back(Json(result.Credited));
  }
  out["credited"] = std::move(credited);
  AddSpecialResults(out, outcome, state, rules, table.At(slot));
  return out;
}

void RunPipelineCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                        std::FILE* messages) {
  const fs::path file = fs::absolute(line.Operands.at(0));
  const size_t slot = SlotNumber(line.Operands.at(1));
  const rules::PipelineRow& row = Pipeline(line.Operands.at(2));
  const auto password = line.Password ? std::optional(TypedPassword(*line.Password)) : std::nullopt;

  // Read only, as "dump" does: no ".BAK" copy of the file.
  core::DataFileBlock block;
  try {
    block = app::ReadDataFileBlock(file);
  } catch (const IoError& e) {
    throw IoError(core::PathText(file) + ": " + e.what());
  }
  const std::string field = core::GetPasswordField(block);
  if (!field.empty()) {
    if (!password) throw UserError(kPasswordMissing);
    if (!core::PasswordMatches(*password, field)) throw UserError(kCliWrongPassword);
    core::ApplyCipher(block, field, line.Variant);
  }
  core::StudentTable table = core::DecodeTable(block);

  // The settings the program uses for this file: start-up, then the file's
  // directory as data directory.
  app::AppState state;
  CliInteraction ui(messages);
  app::StartUp(state, ui, ProgramDirectory(line, executable_dir));
  state.Dirs.Data = file.parent_path();
  app::ReloadSettingsForDataDirectory(state, ui);

  const rules::RuleContext rules{state.Catalogue, state.Exam, state.General};
  rules::RulesState rules_state;
  rules::PipelineContext ctx{rules, rules_state};
  const rules::PipelineOutcome outcome = rules::RunPipeline(ctx, table, slot, row.Id);

  if (line.Write && outcome.RecordChanged) {
    // Saved as "Speichern" writes: the untouched records keep their bytes,
    // the password field stays, a protected table is enciphered "neu".
    core::EncodeTable(table, block);
    if (!field.empty()) core::ApplyCipher(block, field, core::CipherVariant::Neu);
    SaveDataFile(file, block);
  }
  WriteOut(out, RunOutcomeToJson(outcome, rules_state, rules, table, slot).dump(2) + "\n");
}

}  // namespace tolka::cli
