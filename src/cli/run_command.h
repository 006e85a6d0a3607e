// tolka-cli run: one rules pipeline ("Prüfen und Berechnen") on one student
// of a data file, printed as one JSON object.
//
//   tolka-cli run DATEI.TLK SLOT PIPELINE [--password P] [--variant neu|alt]
//                 [--write]
//
// The settings are those the program would use for the file: start-up from
// the program directory, then the settings of the file's directory where
// `CentralSettings` says so. The output (UTF-8):
//
//   {"pipeline", "title", "items": [{number, error, hint, class, label,
//    failText}...], "hasErrors", "hasHints", "hasCountedHints",
//    "finish": "message" | "report" | "result" | "none", "message",
//    "verdict", "resultTexts": [20], "blocks": {BlockI, BlockII, BlockIII,
//    Total}, "examSlots": [4 x {subject, written, oral}],
//    "credited": [15 x [4]]}
//
// `items` lists, in number order, every item whose error or hint mark is set
// when the steps end, with the marks as the checks left them (before the
// check report's normalisation); `message` is the Finish A text when the
// command ends with it, `verdict` the check report's verdict when it ends
// with the report (both null otherwise). `credited` is what the record holds
// after the write-back. With --write the data file is saved when the
// pipeline wrote to the record; without it the file stays byte-identical.
// The exit code is 0 whatever the checks find.
#pragma once

#include <cstdio>
#include <filesystem>

#include "cli/command_line.h"
#include "cli/record_json.h"
#include "core/student_table.h"
#include "rules/pipelines.h"
#include "rules/rule_context.h"

namespace tolka::cli {

void RunPipelineCommand(const CommandLine& line, const std::filesystem::path& executable_dir,
                        std::FILE* out, std::FILE* messages);

// The JSON object of a run (texts converted to UTF-8).
Json RunOutcomeToJson(const rules::PipelineOutcome& outcome, const rules::RulesState& state,
                      const rules::RuleContext& rules, const core::StudentTable& table,
                      size_t slot);

}  // namespace tolka::cli
