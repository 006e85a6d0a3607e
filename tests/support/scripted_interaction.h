// The test implementation of core::Interaction: a script of expected prompts
// with their answers. Each call takes the next step; a call that does not
// match the step (another kind of prompt, another icon, a text that does not
// contain the expected part) or comes after the script ended fails the test.
// Every prompt is also recorded, so a test can look at what was shown.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/interaction.h"

namespace tolka::test {

class ScriptedInteraction : public core::Interaction {
 public:
  ~ScriptedInteraction() override;

  // Expect a message box whose text contains `text_part` (Windows-1252).
  ScriptedInteraction& ExpectAsk(core::Icon icon, const std::string& text_part,
                                 core::Answer answer = core::Answer::Ok);
  // Expect the open or save dialog; nothing means Cancel.
  ScriptedInteraction& ExpectOpenDialog(std::optional<std::filesystem::path> answer);
  ScriptedInteraction& ExpectSaveDialog(std::optional<std::filesystem::path> answer);
  ScriptedInteraction& ExpectPasswordQuery(core::PasswordQueryAnswer answer);
  ScriptedInteraction& ExpectPasswordDefinition(const std::string& first,
                                                const std::string& second);
  // Expect the definition dialog left with Abbrechen, Escape or its close box.
  ScriptedInteraction& ExpectPasswordDefinitionCancelled();
  ScriptedInteraction& ExpectSettingsPassword(core::SettingsPasswordKind kind,
                                              std::optional<std::string> answer);
  ScriptedInteraction& ExpectPasswordChange(std::optional<core::PasswordDefinitionAnswer> answer);
  // Expect the search dialog; nothing means Abbrechen. The request it was
  // opened with is kept in SearchRequests().
  ScriptedInteraction& ExpectSearchDialog(std::optional<core::SearchRequest> answer);
  ScriptedInteraction& ExpectProgress();
  ScriptedInteraction& ExpectSavingWindow();
  // Expect the question before the person-data import, and the window of
  // IMPORT.CFG; `action` stands for what the user does in the window (it
  // gets the program directory).
  ScriptedInteraction& ExpectImportQuestion(ImportAnswer answer);
  ScriptedInteraction& ExpectImportConfigWindow(
      std::function<void(const std::filesystem::path&)> action = {});

  // True when every expected step was taken.
  bool Done() const { return steps_.empty(); }
  // What was shown, in order: "ask:<text>", "open", "save", "query",
  // "definition", "settings-password", "change", "search", "progress",
  // "saving", "import:<text>", "import-config".
  const std::vector<std::string>& Log() const { return log_; }
  // The buttons of each Ask, in order.
  const std::vector<core::Buttons>& AskedButtons() const { return buttons_; }
  // The file dialog requests as they were made.
  const std::vector<core::FileDialogRequest>& DialogRequests() const { return requests_; }
  // What the search dialog was opened with, in order.
  const std::vector<core::SearchRequest>& SearchRequests() const { return searches_; }

  core::Answer Ask(core::Icon icon, const std::string& text, core::Buttons buttons) override;
  std::optional<std::filesystem::path> OpenFileDialog(const core::FileDialogRequest& r) override;
  std::optional<std::filesystem::path> SaveFileDialog(const core::FileDialogRequest& r) override;
  core::PasswordQueryAnswer PasswordQuery() override;
  core::PasswordDefinitionAnswer PasswordDefinition() override;
  std::optional<std::string> SettingsPasswordDialog(core::SettingsPasswordKind kind) override;
  std::optional<core::PasswordDefinitionAnswer> PasswordChangeDialog() override;
  std::optional<core::SearchRequest> SearchDialog(const core::SearchRequest& last) override;
  void ShowProgress() override;
  void ShowSavingWindow() override;
  ImportAnswer AskBeforeImport(const std::string& text) override;
  void ImportConfigWindow(const std::filesystem::path& program_dir) override;

 private:
  enum class Kind {
    Ask,
    Open,
    Save,
    Query,
    Definition,
    SettingsPassword,
    Change,
    Search,
    Progress,
    Saving,
    ImportQuestion,
    ImportConfig
  };
  struct Step {
    explicit Step(Kind k) : kind(k) {}
    Kind kind;
    core::Icon icon = core::Icon::Information;
    std::string text;
    core::Answer answer = core::Answer::Ok;
    std::optional<std::filesystem::path> path;
    core::PasswordQueryAnswer query;
    core::PasswordDefinitionAnswer definition;
    core::SettingsPasswordKind password_kind = core::SettingsPasswordKind::Configuration;
    std::optional<std::string> password;
    std::optional<core::PasswordDefinitionAnswer> change;
    std::optional<core::SearchRequest> search;
    ImportAnswer import_answer = ImportAnswer::No;
    std::function<void(const std::filesystem::path&)> import_action;
  };
  std::optional<Step> Take(Kind kind, const std::string& what);

  std::deque<Step> steps_;
  std::vector<std::string> log_;
  std::vector<core::Buttons> buttons_;
  std::vector<core::FileDialogRequest> requests_;
  std::vector<core::SearchRequest> searches_;
};

}  // namespace tolka::test
