#include "settings/general_settings.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::settings {

// Texts declared in the header: defined here, in this library's code page.
const std::array<const char*, 8> kPublisherItems = {"kein Verlag (interne Formulare)",
                                                    "Verlag A (Formularreihe Nord)",
                                                    "Verlag B (Formularreihe Süd)",
                                                    "Verlag C (Formularreihe West)",
                                                    "Verlag D (Formularreihe Ost)",
                                                    "-- frei --",
                                                    "-- frei --",
                                                    "-- frei --"};
const char* const kGeneralSettingsDamaged = "Datei ist beschädigt!";

namespace L = general_layout;
namespace fs = std::filesystem;

namespace {

constexpr PasswordKeyTable kPasswordKey = {15,   0x5A, 0x13, 0xC7, 0x2E, 0x91, 0x48, 0xB3,
                                           0x6D, 0x0F, 0xE4, 0x37, 0x9C, 0x71, 0xA8, 0x25};
static_assert(kPasswordKey[0] == kConfigPasswordWidth, "the key covers the whole password field");

constexpr const char* kDefaultPassword = "merkur";

// The password as the loader sees it in a record: the string's plain length
// byte (read as at most 15), characters 1..`PasswordLength` unscrambled.
// `password_length` must be at most 15.
std::string UnscrambledPassword(core::ConstBytes record, size_t password_length) {
  std::array<uint8_t, kConfigPasswordWidth> chars{};
  std::copy_n(record.begin() + L::kConfigPassword + 1, kConfigPasswordWidth, chars.begin());
  for (size_t i = 1; i <= password_length; ++i) chars[i - 1] ^= kPasswordKey[i];
  const size_t length = std::min<size_t>(record[L::kConfigPassword], kConfigPasswordWidth);
  return std::string(reinterpret_cast<const char*>(chars.data()), length);
}

bool SameDirectory(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return a.lexically_normal() == b.lexically_normal();
}

}  // namespace

const PasswordKeyTable& PasswordKey() { return kPasswordKey; }

std::string DefaultConfigPassword() { return kDefaultPassword; }

ProtectedOptions ProtectedOptionsOf(const GeneralSettings& s) {
  ProtectedOptions p;
  p.MultiLevelSecurity = s.MultiLevelSecurity;
  p.AlwaysEncrypt = s.AlwaysEncrypt;
  p.ReserveS1 = s.ReserveS1;
  p.IgnoreExamHints = s.IgnoreExamHints;
  p.PrintCorrectionCorner = s.PrintCorrectionCorner;
  p.CertificatePrinting = s.CertificatePrinting;
  p.DifferentiatedSport = s.DifferentiatedSport;
  p.PlaceDate = s.PlaceDate;
  return p;
}

void SetProtectedOptions(GeneralSettings& s, const ProtectedOptions& p) {
  s.MultiLevelSecurity = p.MultiLevelSecurity;
  s.AlwaysEncrypt = p.AlwaysEncrypt;
  s.ReserveS1 = p.ReserveS1;
  s.IgnoreExamHints = p.IgnoreExamHints;
  s.PrintCorrectionCorner = p.PrintCorrectionCorner;
  s.CertificatePrinting = p.CertificatePrinting;
  s.DifferentiatedSport = p.DifferentiatedSport;
  s.PlaceDate = p.PlaceDate;
}

void SetUnprotectedDefaults(GeneralSettings& s) {
  s.EncryptData = 0;
  s.PredecessorAsTemplate = 1;
  s.CentralLists = 1;
  s.CentralSettings = 1;
  s.Publisher = 1;
}

GeneralSettings DefaultGeneralSettings() {
  GeneralSettings s;
  SetUnprotectedDefaults(s);
  SetProtectedOptions(s, ProtectedOptions{});
  s.ConfigPassword = kDefaultPassword;
  s.PasswordLength = static_cast<uint16_t>(s.ConfigPassword.size());
  const auto bytes = EncodeGeneralSettings(s);
  std::copy(bytes.begin(), bytes.end(), s.carried.begin());
  return s;
}

GeneralSettings DecodeGeneralSettings(core::ConstBytes bytes) {
  if (bytes.size() != L::kRecordSize) throw std::invalid_argument("general settings size");
  GeneralSettings s;
  std::copy(bytes.begin(), bytes.end(), s.carried.begin());
  s.PasswordLength = core::GetU16(bytes, L::kPasswordLength);
  // Never unscramble past the 15 characters of the field.
  if (s.PasswordLength > kConfigPasswordWidth) throw IoError(kGeneralSettingsDamaged);
  s.MultiLevelSecurity = core::GetU16(bytes, L::kMultiLevelSecurity);
  s.AlwaysEncrypt = core::GetU16(bytes, L::kAlwaysEncrypt);
  s.CertificatePrinting = core::GetU16(bytes, L::kCertificatePrinting);
  s.PlaceDate = core::GetShortString(bytes, L::kPlaceDate, kPlaceDateWidth);
  s.DifferentiatedSport = core::GetU16(bytes, L::kDifferentiatedSport);
  s.ReserveS1 = core::GetU16(bytes, L::kReserveS1);
  s.IgnoreExamHints = core::GetU16(bytes, L::kIgnoreExamHints);
  s.PrintCorrectionCorner = core::GetU16(bytes, L::kPrintCorrectionCorner);
  s.ConfigPassword = UnscrambledPassword(bytes, s.PasswordLength);
  s.EncryptData = core::GetU16(bytes, L::kEncryptData);
  s.PredecessorAsTemplate = core::GetU16(bytes, L::kPredecessorAsTemplate);
  s.CentralLists = core::GetU16(bytes, L::kCentralLists);
  s.CentralSettings = core::GetU16(bytes, L::kCentralSettings);
  s.Publisher = core::GetU16(bytes, L::kPublisher);
  return s;
}

std::vector<uint8_t> EncodeGeneralSettings(const GeneralSettings& s) {
  std::vector<uint8_t> out(s.carried.begin(), s.carried.end());
  core::Bytes b(out);
  core::PutU16(b, L::kMultiLevelSecurity, s.MultiLevelSecurity);
  core::PutU16(b, L::kAlwaysEncrypt, s.AlwaysEncrypt);
  core::PutU16(b, L::kCertificatePrinting, s.CertificatePrinting);
  core::PutShortString(b, L::kPlaceDate, kPlaceDateWidth, s.PlaceDate);
  core::PutU16(b, L::kDifferentiatedSport, s.DifferentiatedSport);
  core::PutU16(b, L::kReserveS1, s.ReserveS1);
  core::PutU16(b, L::kIgnoreExamHints, s.IgnoreExamHints);
  core::PutU16(b, L::kPrintCorrectionCorner, s.PrintCorrectionCorner);
  core::PutU16(b, L::kEncryptData, s.EncryptData);
  core::PutU16(b, L::kPredecessorAsTemplate, s.PredecessorAsTemplate);
  core::PutU16(b, L::kCentralLists, s.CentralLists);
  core::PutU16(b, L::kCentralSettings, s.CentralSettings);
  core::PutU16(b, L::kPublisher, s.Publisher);

  // The scrambling works on this copy; the caller's password stays plain.
  const std::string password = s.ConfigPassword.substr(0, kConfigPasswordWidth);
  const size_t stored_length = core::GetU16(b, L::kPasswordLength);
  const bool unchanged =
      stored_length == password.size() && UnscrambledPassword(b, stored_length) == password;
  if (!unchanged) {
    b[L::kConfigPassword] = static_cast<uint8_t>(password.size());
    for (size_t i = 1; i <= kConfigPasswordWidth; ++i) {
      b[L::kConfigPassword + i] =
          i <= password.size() ? static_cast<uint8_t>(password[i - 1]) ^ kPasswordKey[i] : ' ';
    }
    core::PutU16(b, L::kPasswordLength, static_cast<uint16_t>(password.size()));
  }
  return out;
}

namespace {

// One step of the fall-back order.
struct Candidate {
  fs::path dir;
  const char* name;
};

class GeneralSettingsLoader {
 public:
  GeneralSettingsLoader(GeneralSettings& settings, core::Directories& dirs)
      : settings_(settings), dirs_(dirs) {}

  GeneralSettingsLoad Run() {
    dirs_.ReevaluateSettings(settings_.CentralSettings == 1);
    const bool loaded = TryMain(dirs_.Settings) || TryMain(dirs_.Program) ||
                        TryBackup(dirs_.Settings) || TryBackup(dirs_.Program);
    if (!loaded) {
      settings_ = DefaultGeneralSettings();
      if (!messages_.empty()) messages_ += "\rEs gelten die Standardeinstellungen.";
    }
    return {ProtectedOptionsOf(settings_), messages_};
  }

 private:
  // ABIEINST.DAT in `dir`; when it exists but cannot be read whole, its
  // backup beside it.
  bool TryMain(const fs::path& dir) {
    auto path = Lookup(dir, kGeneralSettingsFileName);
    if (!path) return false;
    auto bytes = Read(*path);
    if (!bytes) return TryBackup(dir);
    Take(*path, dir);
    const fs::path backup = core::TargetPath(dir, kGeneralSettingsBackupName);
    try {
      core::SaveFileAtomically(backup, *bytes);
    } catch (const IoError& e) {
      Note("Die Sicherungskopie\r" + core::PathText(backup) +
           "\rkonnte nicht geschrieben werden: " + e.Cause());
    }
    return true;
  }

  bool TryBackup(const fs::path& dir) {
    auto path = Lookup(dir, kGeneralSettingsBackupName);
    if (!path) return false;
    auto bytes = Read(*path);
    if (!bytes) return false;
    Take(*path, dir);
    return true;
  }

  // The file when it exists and has not been tried yet in this load.
  std::optional<fs::path> Lookup(const fs::path& dir, const char* name) {
    for (const auto& c : tried_) {
      if (c.name == name && SameDirectory(c.dir, dir)) return std::nullopt;
    }
    tried_.push_back({dir, name});
    return core::FindFile(dir, name);
  }

  // The record's 84 bytes when the file reads whole and decodes.
  std::optional<std::vector<uint8_t>> Read(const fs::path& path) {
    try {
      auto bytes = core::ReadExactly(path, L::kRecordSize);
      decoded_ = DecodeGeneralSettings(bytes);
      return bytes;
    } catch (const IoError& e) {
      Note("Die Einstellungen konnten nicht gelesen werden aus\r" + core::PathText(path) + "\r(" +
           e.Cause() + ")");
      return std::nullopt;
    }
  }

  // Puts the decoded record in force; after a failure the message names the
  // file that was read instead.
  void Take(const fs::path& path, const fs::path& dir) {
    settings_ = decoded_;
    if (!messages_.empty()) {
      messages_ += "\rDie Einstellungen wurden gelesen aus\r" + core::PathText(path) + ".";
    }
    // Load steps 3 and 4: a file found in the program directory makes it the
    // settings directory.
    if (SameDirectory(dir, dirs_.Program)) dirs_.Settings = dirs_.Program;
  }

  void Note(const std::string& text) {
    if (!messages_.empty()) messages_ += "\r";
    messages_ += text;
  }

  GeneralSettings& settings_;
  core::Directories& dirs_;
  GeneralSettings decoded_;
  std::vector<Candidate> tried_;
  std::string messages_;
};

}  // namespace

GeneralSettingsLoad LoadGeneralSettings(GeneralSettings& settings, core::Directories& dirs) {
  return GeneralSettingsLoader(settings, dirs).Run();
}

void SaveGeneralSettings(GeneralSettings& settings, const core::Directories& dirs) {
  SaveGeneralSettings(settings, std::vector<fs::path>{dirs.Settings});
}

void SaveGeneralSettings(GeneralSettings& settings, const std::vector<fs::path>& settings_dirs) {
  const auto bytes = EncodeGeneralSettings(settings);
  std::vector<core::FileContent> files;
  for (const auto& dir : settings_dirs) {
    files.push_back({core::TargetPath(dir, kGeneralSettingsFileName), bytes});
  }
  core::SaveFilesAtomically(files);
  settings.ConfigPassword = settings.ConfigPassword.substr(0, kConfigPasswordWidth);
  settings.PasswordLength = static_cast<uint16_t>(settings.ConfigPassword.size());
  std::copy(bytes.begin(), bytes.end(), settings.carried.begin());
}

}  // namespace tolka::settings
