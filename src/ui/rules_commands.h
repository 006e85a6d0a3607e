// The rules commands of the desktop program: the menu "Prüfen und Berechnen",
// the crediting submenu of "B&earbeiten" and the check buttons. Each runs one
// pipeline of rules::PipelineTable on the current student, sets the
// data-changed flag where the command says so, lets the window show the
// record again, and finishes as the pipeline decided: a message box, the
// check report, the exam result window, the FHR result window, the
// recommendation window, or nothing.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <string_view>

#include "app/app_state.h"
#include "rules/pipelines.h"

class QWidget;

namespace tolka::ui {

// Runs pipeline `id` on slot `index` with the program's one `rules_state`.
// `refresh` (may be empty) shows the stored record again; it runs after the
// pipeline and before any window opens, so the editor already shows the
// credit marks a command set while its report is open. The windows open
// modally over `parent`. Returns the outcome for the caller's own use.
rules::PipelineOutcome RunRulesCommand(QWidget* parent, app::AppState& state,
                                       rules::RulesState& rules_state, size_t index,
                                       std::string_view id,
                                       const std::function<void()>& refresh = {});

// The finish of an outcome alone (the windows read `rules_state` and the
// stored record of slot `index`).
void ShowRulesFinish(QWidget* parent, const app::AppState& state, rules::RulesState& rules_state,
                     size_t index, const rules::PipelineOutcome& outcome);

// Whether the command sets the data-changed flag: the rows that mark the data
// as changed do so, except a command that writes back and then found nothing
// to write ("beste Variante suchen" without a valid pair changes nothing).
bool CommandMarksChanged(const rules::PipelineOutcome& outcome);

}  // namespace tolka::ui
