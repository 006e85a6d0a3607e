// The two data password dialogs and their accept rules: the password query
// "Passwortabfrage" shown when a protected file is opened, and the password
// definition "Festlegung des Daten-Passwortes" shown before a protected file
// is written. The dialogs only collect what was typed; the rules live here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/data_session.h"
#include "core/interaction.h"

namespace tolka::app {

// A data password has 4 to 15 characters; longer input is cut to 15.
inline constexpr size_t kMinDataPasswordLength = 4;

// The definition's accept rule: the two texts equal and the first at least
// 4 characters long. Returns the first text cut to 15 characters, or nothing
// (the dialog then shows "Die eingegebenen Passwörter sind unterschiedlich
// oder zu kurz (<4 Zeichen)!" and is shown again).
std::optional<std::string> AcceptPasswordDefinition(const core::PasswordDefinitionAnswer& answer);

// Shows the definition dialog again and again until it ends with an accepted
// password, which becomes the entered password (true); false when the user
// left the dialog (Abbrechen, Escape, close box): the entered password stays
// as it was and the caller writes nothing.
bool DefineDataPassword(DataSession& data, core::Interaction& ui);

enum class PasswordQueryOutcome { Accepted, Wrong, Cancelled };

// Shows the query for a file whose password field holds `stored_field` and
// applies its rule: the chosen "Verschlüsselungsart" is stored in every case;
// OK with a password that passes the test stores it, cut to 15 characters, as
// the entered password. A password that fails the test is not kept, and
// Abbrechen empties the entered password, so neither leaves a password behind
// that a later New or Save would put into another file.
PasswordQueryOutcome QueryDataPassword(DataSession& data, core::Interaction& ui,
                                       const std::string& stored_field);

}  // namespace tolka::app
