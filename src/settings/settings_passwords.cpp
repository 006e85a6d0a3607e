#include "settings/settings_passwords.h"

#include <cstdio>
#include <cstring>

#include "settings/password_digest.h"

namespace tolka::settings {

// Texts declared in the header: defined here, in this library's code page.
const char* const kSettingsPasswordCaption =
    "Zugangskontrolle für Konfigurationsbereich";  // all three password dialogs
const char* const kExamPasswordPrompt = "Bitte das Passwort (für AbiDefinition) eingeben:";
const char* const kSubjectPasswordPrompt = "Bitte das Passwort (für Fächerdefinition) eingeben:";
const char* const kPasswordChangeCaption = "Konfigurationspasswort ändern ...";
const std::array<const char*, 6> kExamPasswordNote = {
    "Hinweis!",
    "",
    "Dieser Bereich ist nur für Spezialfälle im Abiturverfahren vorgesehen. Der ",
    "Zugang ist nur für den ",
    "Programmierer und spezielle (berechtigte) Schulen mit deren Koordinatoren ",
    "zugänglich."};
const std::array<const char*, 6> kSubjectPasswordNote = {
    "Hinweis!",
    "",
    "Dieser Bereich ist nur für Spezialfälle in der Fächerstruktur vorgesehen. Der ",
    "Zugang ist nur für den ",
    "Programmierer und spezielle (berechtigte) Schulen mit deren Koordinatoren ",
    "zugänglich."};
const char* const kPasswordChangeRefused =
    "Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!\rDas "
    "Konfigurationspasswort wurde NICHT geändert!";

namespace {

constexpr size_t kPasswordWidth = 15;
constexpr size_t kExamPasswordMax = 25;
static_assert(kExamPasswordLength <= kExamPasswordMax);

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The digest behind one area's password; nothing when the school data lack
// the number or the key.
std::optional<Digest256> AreaDigest(const SchoolData& school, const char* area_tag) {
  const std::string number = Trimmed(school.SchoolNumber);
  const std::string key = Trimmed(school.SchoolKey);
  if (number.empty() || key.empty()) return std::nullopt;
  return Sha256(std::string(area_tag) + '\x1F' + number + '\x1F' + key);
}

}  // namespace

std::string AcceptConfigPassword(const std::string& typed, const std::string& config_password) {
  if (typed != config_password) return {};
  return typed.substr(0, kPasswordWidth);
}

bool IsAcceptableNewPassword(const std::string& first, const std::string& second) {
  return first == second && first.size() > 3;
}

std::optional<std::string> AcceptPasswordChange(const std::string& first,
                                                const std::string& second) {
  if (!IsAcceptableNewPassword(first, second)) return std::nullopt;
  return first.substr(0, kPasswordWidth);
}

std::string ExamSettingsPassword(const SchoolData& school) {
  const auto digest = AreaDigest(school, "Tolka-AbiDefinition");
  if (!digest) return {};
  const size_t alphabet_size = std::strlen(kExamPasswordAlphabet);
  std::string password;
  for (size_t i = 0; i < kExamPasswordLength; ++i) {
    password += kExamPasswordAlphabet[(*digest)[i] % alphabet_size];
  }
  return password;
}

std::string SubjectSettingsPassword(const SchoolData& school) {
  const auto digest = AreaDigest(school, "Tolka-Faecherdefinition");
  if (!digest) return {};
  uint64_t value = 0;
  for (size_t i = 0; i < 8; ++i) value = (value << 8) | (*digest)[i];
  const unsigned long long number = 10000000ULL + value % 90000000ULL;
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llu", number);
  return buffer;
}

bool AcceptExamSettingsPassword(const std::string& typed, const SchoolData& school) {
  const std::string expected = ExamSettingsPassword(school);
  return !expected.empty() && typed == expected;
}

bool AcceptSubjectSettingsPassword(const std::string& typed, const SchoolData& school) {
  const std::string expected = SubjectSettingsPassword(school);
  return !expected.empty() && typed == expected;
}

}  // namespace tolka::settings
