#include "app/data_password.h"

#include "core/data_file_image.h"

namespace tolka::app {

namespace {
constexpr const char* kPasswordsDifferOrShort =
    "Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!";
}  // namespace

std::optional<std::string> AcceptPasswordDefinition(const core::PasswordDefinitionAnswer& answer) {
  if (answer.First != answer.Second || answer.First.size() < kMinDataPasswordLength) {
    return std::nullopt;
  }
  return answer.First.substr(0, core::kPasswordCapacity);
}

bool DefineDataPassword(DataSession& data, core::Interaction& ui) {
  for (;;) {
    const core::PasswordDefinitionAnswer answer = ui.PasswordDefinition();
    if (!answer.Ok) return false;
    if (auto accepted = AcceptPasswordDefinition(answer)) {
      data.EnteredPassword = *accepted;
      return true;
    }
    ui.Tell(core::Icon::Error, kPasswordsDifferOrShort);
  }
}

PasswordQueryOutcome QueryDataPassword(DataSession& data, core::Interaction& ui,
                                       const std::string& stored_field) {
  const core::PasswordQueryAnswer answer = ui.PasswordQuery();
  data.Variant = answer.Variant;
  if (!answer.Ok) {
    data.EnteredPassword.clear();
    return PasswordQueryOutcome::Cancelled;
  }
  if (!core::PasswordMatches(answer.Password, stored_field)) {
    data.EnteredPassword.clear();
    return PasswordQueryOutcome::Wrong;
  }
  data.EnteredPassword = answer.Password.substr(0, core::kPasswordCapacity);
  return PasswordQueryOutcome::Accepted;
}

}  // namespace tolka::app
