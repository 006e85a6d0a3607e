// The accept rules of the four settings-password dialogs and the derivation
// of the exam-settings and subject-settings passwords from the school data.
#pragma once

#include <optional>
#include <string>

#include "settings/school_data.h"

namespace tolka::settings {

// Configuration password dialog: accepted when the text equals
// `ConfigPassword` (case-sensitive). Returns the entered password (cut to 15)
// when accepted, an empty text otherwise.
std::string AcceptConfigPassword(const std::string& typed, const std::string& config_password);

// Password change dialog: both texts equal and longer than 3 characters.
// Returns the new password (cut to 15), or nothing (the caller shows
// kPasswordChangeRefused).
std::optional<std::string> AcceptPasswordChange(const std::string& first,
                                                const std::string& second);
inline constexpr const char* kPasswordChangeRefused =
    "Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!\rDas "
    "Konfigurationspasswort wurde NICHT geändert!";

// The exam-settings password: a text of at most 25 characters derived from
// the school data. The subject-settings password: the decimal digits of a
// whole number derived from them. Empty school data give no password: the
// two areas stay closed.
std::string ExamSettingsPassword(const SchoolData& school);
std::string SubjectSettingsPassword(const SchoolData& school);

bool AcceptExamSettingsPassword(const std::string& typed, const SchoolData& school);
bool AcceptSubjectSettingsPassword(const std::string& typed, const SchoolData& school);

}  // namespace tolka::settings
