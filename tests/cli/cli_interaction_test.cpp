#include "cli/cli_interaction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/cli_error.h"

namespace tolka::cli {
namespace {

std::string Written(std::FILE* stream) {
  std::rewind(stream);
  std::string text;
  char buffer[256];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, stream)) > 0) text.append(buffer, got);
  return text;
}

TEST(CliInteraction, MessagesGoToTheStreamAndQuestionsAreAnsweredNo) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  CliInteraction ui(stream);
  EXPECT_EQ(ui.Ask(core::Icon::Error, "Datei hat falsche Größe!\rweiter", core::Buttons::Ok),
            core::Answer::Ok);
  EXPECT_EQ(ui.Ask(core::Icon::Warning, "Sichern?", core::Buttons::YesNo), core::Answer::No);
  EXPECT_EQ(ui.MessageCount(), 2);
  EXPECT_EQ(Written(stream),
            "tolka-cli: Fehler: Datei hat falsche Gr\xC3\xB6\xC3\x9F"
            "e!\nweiter\n"
            "tolka-cli: Warnung: Sichern?\n(ohne R\xC3\xBC"
            "ckfrage beantwortet: Nein)\n");
  std::fclose(stream);
}

TEST(CliInteraction, DialogsAreCancelledAndADemandedPasswordEndsTheCommand) {
  CliInteraction ui(stderr);
  EXPECT_FALSE(ui.OpenFileDialog({}));
  EXPECT_FALSE(ui.SaveFileDialog({}));
  EXPECT_FALSE(ui.PasswordQuery().Ok);
  EXPECT_FALSE(ui.SettingsPasswordDialog(core::SettingsPasswordKind::ExamSettings));
  EXPECT_FALSE(ui.PasswordChangeDialog());
  EXPECT_FALSE(ui.SearchDialog({}));
  // The definition dialog has no Cancel: a caller would ask forever.
  EXPECT_THROW(ui.PasswordDefinition(), UserError);
  EXPECT_EQ(ui.MessageCount(), 0);
}

}  // namespace
}  // namespace tolka::cli
