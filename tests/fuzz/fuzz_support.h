// What every fuzz target shares: a per-process scratch directory into which
// the input is written as the file a loader reads, and an Interaction that
// answers every prompt at once so no loader ever waits for a person.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/byte_fields.h"
#include "core/interaction.h"

namespace tolka::fuzz {

// The process's own empty directory under /dev/shm (else TMPDIR, else /tmp),
// created on first use and removed when the process ends. Each call empties
// it first, so every run starts from the same state.
const std::filesystem::path& FreshScratchDirectory();

// Writes `size` bytes as `name` into the scratch directory (emptied first)
// and returns the path.
std::filesystem::path WriteInput(const std::string& name, const uint8_t* data, size_t size);

// Aborts (a finding) when a loader reported a failure without a text: every
// error the user gets must say what happened.
void RequireMessage(const std::string& text);

// Aborts (a finding) with `what` on standard error.
[[noreturn]] void Fail(const char* what);

// A record written, read back and written again gives the same bytes: what a
// save writes, the next load reads as it was meant (no field read from or
// written to another place, no text cut differently).
template <typename T, typename Encode, typename Decode>
void RequireStableEncoding(const T& value, Encode encode, Decode decode) {
  const auto first = encode(value);
  const auto second = encode(decode(core::ConstBytes(first.data(), first.size())));
  if (!(first == second)) Fail("a record read back from its own bytes encodes differently");
}

// Answers every prompt without blocking: Ok/Yes to message boxes (the text
// must not be empty), the configured file to the open dialog, Cancel to
// the save dialog and the settings-password dialogs, the configured answer to
// the password query, the definition dialog left with Abbrechen, and Yes to
// the question before an import.
class AnsweringInteraction : public core::Interaction {
 public:
  std::optional<std::filesystem::path> OpenAnswer;
  core::PasswordQueryAnswer QueryAnswer;  // default: Abbrechen
  size_t Messages = 0;

  core::Answer Ask(core::Icon icon, const std::string& text, core::Buttons buttons) override;
  std::optional<std::filesystem::path> OpenFileDialog(const core::FileDialogRequest&) override {
    return OpenAnswer;
  }
  std::optional<std::filesystem::path> SaveFileDialog(const core::FileDialogRequest&) override {
    return std::nullopt;
  }
  core::PasswordQueryAnswer PasswordQuery() override { return QueryAnswer; }
  core::PasswordDefinitionAnswer PasswordDefinition() override {
    return core::PasswordDefinitionAnswer{"", "", false};
  }
  std::optional<std::string> SettingsPasswordDialog(core::SettingsPasswordKind) override {
    return std::nullopt;
  }
  std::optional<core::PasswordDefinitionAnswer> PasswordChangeDialog() override {
    return std::nullopt;
  }
  std::optional<core::SearchRequest> SearchDialog(const core::SearchRequest&) override {
    return std::nullopt;
  }
  void ShowProgress() override {}
  void ShowSavingWindow() override {}
  ImportAnswer AskBeforeImport(const std::string& text) override {
    RequireMessage(text);
    return ImportAnswer::Yes;
  }
};

}  // namespace tolka::fuzz
