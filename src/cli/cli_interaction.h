// The command-line tool's core::Interaction: nobody sits at a dialog, so
// every message goes to a stream (stderr) with its icon's word, a Yes/No
// question is answered No (the answer that changes nothing), the file and
// password dialogs are cancelled, and the informing windows show nothing.
// The commands of the tool never rely on a dialog; this only keeps what the
// shared start-up reports visible.
#pragma once

#include <cstdio>

#include "core/interaction.h"

namespace tolka::cli {

class CliInteraction : public core::Interaction {
 public:
  explicit CliInteraction(std::FILE* messages = stderr) : messages_(messages) {}

  core::Answer Ask(core::Icon icon, const std::string& text, core::Buttons buttons) override;
  std::optional<std::filesystem::path> OpenFileDialog(const core::FileDialogRequest&) override;
  std::optional<std::filesystem::path> SaveFileDialog(const core::FileDialogRequest&) override;
  core::PasswordQueryAnswer PasswordQuery() override;
  // The definition dialog ends only with OK; without a person it cannot, so
  // it ends the command (UserError) instead of letting a caller ask forever.
  core::PasswordDefinitionAnswer PasswordDefinition() override;
  std::optional<std::string> SettingsPasswordDialog(core::SettingsPasswordKind) override;
  std::optional<core::PasswordDefinitionAnswer> PasswordChangeDialog() override;
  std::optional<core::SearchRequest> SearchDialog(const core::SearchRequest&) override;
  void ShowProgress() override {}
  void ShowSavingWindow() override {}

  // How many messages were shown.
  int MessageCount() const { return message_count_; }

 private:
  std::FILE* messages_;
  int message_count_ = 0;
};

}  // namespace tolka::cli
