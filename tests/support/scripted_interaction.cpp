#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace tolka::test {

namespace {
const char* KindName(int kind) {
  static const char* names[] = {"ask",
                                "open dialog",
                                "save dialog",
                                "password query",
                                "password definition",
                                "settings password",
                                "password change",
                                "search dialog",
                                "progress",
                                "saving window",
                                "import question",
                                "import configuration window"};
  return names[kind];
}
}  // namespace

ScriptedInteraction::~ScriptedInteraction() {
  if (!steps_.empty()) {
    ADD_FAILURE() << steps_.size() << " expected prompt(s) never came; next: "
                  << KindName(static_cast<int>(steps_.front().kind)) << " "
                  << core::Cp1252ToUtf8(steps_.front().text);
  }
}

ScriptedInteraction& ScriptedInteraction::ExpectAsk(core::Icon icon, const std::string& text_part,
                                                    core::Answer answer) {
  Step s(Kind::Ask);
  s.icon = icon;
  s.text = text_part;
  s.answer = answer;
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectOpenDialog(std::optional<std::filesystem::path> a) {
  Step s(Kind::Open);
  s.path = std::move(a);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectSaveDialog(std::optional<std::filesystem::path> a) {
  Step s(Kind::Save);
  s.path = std::move(a);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectPasswordQuery(core::PasswordQueryAnswer answer) {
  Step s(Kind::Query);
  s.query = std::move(answer);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectPasswordDefinition(const std::string& first,
                                                                   const std::string& second) {
  Step s(Kind::Definition);
  s.definition = {first, second};
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectPasswordDefinitionCancelled() {
  Step s(Kind::Definition);
  s.definition = {{}, {}, false};
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectSettingsPassword(
    core::SettingsPasswordKind kind, std::optional<std::string> answer) {
  Step s(Kind::SettingsPassword);
  s.password_kind = kind;
  s.password = std::move(answer);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectPasswordChange(
    std::optional<core::PasswordDefinitionAnswer> answer) {
  Step s(Kind::Change);
  s.change = std::move(answer);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectSearchDialog(
    std::optional<core::SearchRequest> answer) {
  Step s(Kind::Search);
  s.search = std::move(answer);
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectProgress() {
  steps_.emplace_back(Kind::Progress);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectSavingWindow() {
  steps_.emplace_back(Kind::Saving);
  return *this;
}

std::optional<ScriptedInteraction::Step> ScriptedInteraction::Take(Kind kind,
                                                                   const std::string& what) {
  if (steps_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": "
                  << core::Cp1252ToUtf8(what);
    return std::nullopt;
  }
  Step step = steps_.front();
  if (step.kind != kind) {
    ADD_FAILURE() << "expected " << KindName(static_cast<int>(step.kind)) << " "
                  << core::Cp1252ToUtf8(step.text) << ", got " << KindName(static_cast<int>(kind))
                  << ": " << core::Cp1252ToUtf8(what);
    return std::nullopt;
  }
  steps_.pop_front();
  return step;
}

core::Answer ScriptedInteraction::Ask(core::Icon icon, const std::string& text,
                                      core::Buttons buttons) {
  log_.push_back("ask:" + text);
  buttons_.push_back(buttons);
  auto step = Take(Kind::Ask, text);
  if (!step) return buttons == core::Buttons::Ok ? core::Answer::Ok : core::Answer::No;
  EXPECT_EQ(static_cast<int>(step->icon), static_cast<int>(icon))
      << "icon of: " << core::Cp1252ToUtf8(text);
  EXPECT_NE(text.find(step->text), std::string::npos)
      << "expected a message containing \"" << core::Cp1252ToUtf8(step->text) << "\", got \""
      << core::Cp1252ToUtf8(text) << "\"";
  if (buttons == core::Buttons::Ok) {
    EXPECT_EQ(step->answer, core::Answer::Ok) << "a message box with only OK";
    return core::Answer::Ok;
  }
  EXPECT_NE(step->answer, core::Answer::Ok) << "a Yes/No question answered OK";
  if (step->answer == core::Answer::Cancel) {
    EXPECT_TRUE(buttons == core::Buttons::YesNoCancel || buttons == core::Buttons::RestoreDiscard)
        << "Cancel for a question without it: " << core::Cp1252ToUtf8(text);
  }
  return step->answer;
}

std::optional<std::filesystem::path> ScriptedInteraction::OpenFileDialog(
    const core::FileDialogRequest& r) {
  log_.push_back("open");
  requests_.push_back(r);
  auto step = Take(Kind::Open, r.Title);
  return step ? step->path : std::nullopt;
}

std::optional<std::filesystem::path> ScriptedInteraction::SaveFileDialog(
    const core::FileDialogRequest& r) {
  log_.push_back("save");
  requests_.push_back(r);
  auto step = Take(Kind::Save, r.Title);
  return step ? step->path : std::nullopt;
}

core::PasswordQueryAnswer ScriptedInteraction::PasswordQuery() {
  log_.push_back("query");
  auto step = Take(Kind::Query, "");
  return step ? step->query : core::PasswordQueryAnswer{};
}

core::PasswordDefinitionAnswer ScriptedInteraction::PasswordDefinition() {
  log_.push_back("definition");
  auto step = Take(Kind::Definition, "");
  // An unexpected definition dialog would loop for ever; answer a valid pair.
  return step ? step->definition : core::PasswordDefinitionAnswer{"xxxx", "xxxx"};
}

std::optional<std::string> ScriptedInteraction::SettingsPasswordDialog(
    core::SettingsPasswordKind kind) {
  log_.push_back("settings-password");
  auto step = Take(Kind::SettingsPassword, "");
  if (!step) return std::nullopt;
  EXPECT_EQ(static_cast<int>(step->password_kind), static_cast<int>(kind));
  return step->password;
}

std::optional<core::PasswordDefinitionAnswer> ScriptedInteraction::PasswordChangeDialog() {
  log_.push_back("change");
  auto step = Take(Kind::Change, "");
  return step ? step->change : std::nullopt;
}

std::optional<core::SearchRequest> ScriptedInteraction::SearchDialog(
    const core::SearchRequest& last) {
  log_.push_back("search");
  searches_.push_back(last);
  auto step = Take(Kind::Search, last.Text);
  return step ? step->search : std::nullopt;
}

void ScriptedInteraction::ShowProgress() {
  log_.push_back("progress");
  Take(Kind::Progress, "");
}

void ScriptedInteraction::ShowSavingWindow() {
  log_.push_back("saving");
  Take(Kind::Saving, "");
}

}  // namespace tolka::test

namespace tolka::test {

ScriptedInteraction& ScriptedInteraction::ExpectImportQuestion(ImportAnswer answer) {
  Step s(Kind::ImportQuestion);
  s.import_answer = answer;
  steps_.push_back(s);
  return *this;
}

ScriptedInteraction& ScriptedInteraction::ExpectImportConfigWindow(
    std::function<void(const std::filesystem::path&)> action) {
  Step s(Kind::ImportConfig);
  s.import_action = std::move(action);
  steps_.push_back(s);
  return *this;
}

core::Interaction::ImportAnswer ScriptedInteraction::AskBeforeImport(const std::string& text) {
  log_.push_back("import:" + text);
  auto step = Take(Kind::ImportQuestion, text);
  return step ? step->import_answer : ImportAnswer::Cancel;
}

void ScriptedInteraction::ImportConfigWindow(const std::filesystem::path& program_dir) {
  log_.push_back("import-config");
  auto step = Take(Kind::ImportConfig, "");
  if (step && step->import_action) step->import_action(program_dir);
}

}  // namespace tolka::test
