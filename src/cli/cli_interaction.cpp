#include "cli/cli_interaction.h"

#include "cli/cli_error.h"
#include "cli/terminal_text.h"

namespace tolka::cli {

core::Answer CliInteraction::Ask(core::Icon icon, const std::string& text, core::Buttons buttons) {
  const char* word = "Hinweis";
  switch (icon) {
    case core::Icon::Error:
      word = "Fehler";
      break;
    case core::Icon::Warning:
      word = "Warnung";
      break;
    case core::Icon::Information:
      word = "Hinweis";
      break;
    case core::Icon::Confirmation:
      word = "Frage";
      break;
  }
  ++message_count_;
  std::string message = std::string("tolka-cli: ") + word + ": " + text;
  // Nobody can answer a question here: No, or Cancel where the question
  // offers it (the command then does not happen).
  const bool cancel =
      buttons == core::Buttons::YesNoCancel || buttons == core::Buttons::RestoreDiscard;
  if (buttons != core::Buttons::Ok) {
    message += cancel ? "\r(ohne Rückfrage beantwortet: Abbrechen)"
                      : "\r(ohne Rückfrage beantwortet: Nein)";
  }
  PrintMessage(messages_, message);
  if (buttons == core::Buttons::Ok) return core::Answer::Ok;
  return cancel ? core::Answer::Cancel : core::Answer::No;
}

std::optional<std::filesystem::path> CliInteraction::OpenFileDialog(
    const core::FileDialogRequest&) {
  return std::nullopt;
}

std::optional<std::filesystem::path> CliInteraction::SaveFileDialog(
    const core::FileDialogRequest&) {
  return std::nullopt;
}

core::PasswordQueryAnswer CliInteraction::PasswordQuery() { return {}; }

core::PasswordDefinitionAnswer CliInteraction::PasswordDefinition() {
  throw UserError("Ein Daten-Passwort wird verlangt: geben Sie es mit --password an.");
}

std::optional<std::string> CliInteraction::SettingsPasswordDialog(core::SettingsPasswordKind) {
  return std::nullopt;
}

std::optional<core::PasswordDefinitionAnswer> CliInteraction::PasswordChangeDialog() {
  return std::nullopt;
}

std::optional<core::SearchRequest> CliInteraction::SearchDialog(const core::SearchRequest&) {
  return std::nullopt;
}

}  // namespace tolka::cli
