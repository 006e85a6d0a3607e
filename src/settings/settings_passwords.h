// The accept rules of the four settings-password dialogs and the derivation
// of the exam-settings and subject-settings passwords from the school data.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "settings/school_data.h"

namespace tolka::settings {

// Texts of the dialogs (every password field shows '*' per character).
extern const char* const kSettingsPasswordCaption;  // all three password dialogs
inline constexpr const char* kConfigPasswordPrompt = "Bitte das Passwort eingeben:";
extern const char* const kExamPasswordPrompt;
extern const char* const kSubjectPasswordPrompt;
extern const char* const kPasswordChangeCaption;
inline constexpr const char* kPasswordChangePrompt = "Bitte das NEUE Passwort zweimal eingeben:";
// The read-only note of the exam-settings and subject-settings dialogs: six
// lines, the third differing per dialog.
extern const std::array<const char*, 6> kExamPasswordNote;
extern const std::array<const char*, 6> kSubjectPasswordNote;

// Configuration password dialog: accepted when the text equals
// `ConfigPassword` (case-sensitive). Returns the entered password (cut to 15)
// when accepted, an empty text otherwise.
std::string AcceptConfigPassword(const std::string& typed, const std::string& config_password);

// Password change dialog: both texts equal and longer than 3 characters.
// Returns the new password (cut to 15), or nothing (the caller shows
// kPasswordChangeRefused).
std::optional<std::string> AcceptPasswordChange(const std::string& first,
                                                const std::string& second);
extern const char* const kPasswordChangeRefused;

// The accept rule of the password change dialog, the same as for a new data
// password: both texts equal and longer than 3 characters (then cut to 15).
bool IsAcceptableNewPassword(const std::string& first, const std::string& second);

// The exam-settings password (dialog "für AbiDefinition") and the
// subject-settings password (dialog "für Fächerdefinition") are not stored
// anywhere. They are derived at run time from two values of the school data
// (SCHULE.INI): `SchoolNumber` and `SchoolKey`, each taken without leading
// and trailing blanks. `SchoolKey` is the secret: whoever may open the two
// areas is given the key (or the passwords), the school number alone gives
// nothing.
//
// Derivation: d = SHA-256 of the Windows-1252 bytes of
//   <area tag> 0x1F <school number> 0x1F <school key>
// with the area tag "Tolka-AbiDefinition" or "Tolka-Faecherdefinition".
//   - exam-settings password: 12 lower-case letters and digits, character i
//     = kExamPasswordAlphabet[d[i] mod 31] (the alphabet leaves out i, l, o,
//     0 and 1, which are easily misread);
//   - subject-settings password: the eight decimal digits of
//     10000000 + (d[0..7] read big-endian) mod 90000000.
// Both are deterministic: the same school data always give the same
// passwords, and changing `SchoolKey` changes both.
//
// How an administrator obtains them: the command `tolka-cli
// school-passwords` prints both passwords for the SCHULE.INI in force
// (it calls LoadSchoolData, ExamSettingsPassword and
// SubjectSettingsPassword). To change them, edit `Schluessel` in SCHULE.INI.
//
// When `SchoolNumber` or `SchoolKey` is empty there is no password: both
// functions return an empty text and the Accept functions accept nothing,
// not even an empty entry, so the two areas stay closed.
inline constexpr const char* kExamPasswordAlphabet = "abcdefghjkmnpqrstuvwxyz23456789";
inline constexpr size_t kExamPasswordLength = 12;  // at most 25
inline constexpr size_t kSubjectPasswordDigits = 8;

std::string ExamSettingsPassword(const SchoolData& school);
std::string SubjectSettingsPassword(const SchoolData& school);

bool AcceptExamSettingsPassword(const std::string& typed, const SchoolData& school);
bool AcceptSubjectSettingsPassword(const std::string& typed, const SchoolData& school);

}  // namespace tolka::settings
