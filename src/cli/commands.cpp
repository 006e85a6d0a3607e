#include "cli/commands.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/data_session.h"
#include "cli/cli_error.h"
#include "cli/record_json.h"
#include "core/cp1252.h"
#include "core/data_cipher.h"
#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::cli {

namespace {

namespace fs = std::filesystem;

// The message of the password test on opening a protected data file.
constexpr const char* kWrongPassword =
    "Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt "
    "werden!\r\rSpeichern Sie verschlüsselt angezeigte Daten NIEMALS ab!\rDies führt fast immer "
    "zum vollständigen Datenverlust!";
constexpr const char* kPasswordMissing =
    "\r\rDie Datei ist mit einem Daten-Passwort geschützt: geben Sie es mit --password an.";

// Runs `io`; an IoError from it gets the path in front of its text, so the
// user learns which file failed.
template <typename Io>
auto WithPath(const fs::path& path, Io io) {
  try {
    return io();
  } catch (const IoError& e) {
    throw IoError(core::PathText(path) + ": " + e.what());
  }
}

// The typed password as the password query keeps it: Windows-1252, cut to
// 15 characters.
std::string TypedPassword(const std::string& typed) {
  const auto password = core::Utf8ToCp1252(typed);
  if (!password)
    throw UserError("--password: das Passwort enthält ein Zeichen außerhalb von Windows-1252.");
  return password->substr(0, core::kPasswordCapacity);
}

void WriteOut(std::FILE* out, const std::string& text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    throw IoError("Ausgabe fehlgeschlagen: " + core::IoErrorText(errno));
  }
}

}  // namespace

void DumpCommand(const fs::path& file, const std::optional<std::string>& password,
                 core::CipherVariant variant, std::FILE* out) {
  // Read only: no ".BAK" copy, nothing written.
  core::DataFileBlock block = WithPath(file, [&] { return app::ReadDataFileBlock(file); });
  const std::string field = core::GetPasswordField(block);
  const bool is_protected = !field.empty();
  if (is_protected) {
    if (!password) throw UserError(std::string(kWrongPassword) + kPasswordMissing);
    if (!core::PasswordMatches(TypedPassword(*password), field)) throw UserError(kWrongPassword);
    core::ApplyCipher(block, field, variant);
  }
  const Json document = TableToJson(core::DecodeTable(block), is_protected);
  WriteOut(out, document.dump(2) + "\n");
}

void RunCommand(const CommandLine& line, const fs::path& executable_dir, std::FILE* out,
                std::FILE* messages) {
  (void)executable_dir;
  (void)messages;
  switch (line.Which) {
    case Command::Dump:
      DumpCommand(fs::absolute(line.Operands.at(0)), line.Password, line.Variant, out);
      return;
    case Command::New:
    case Command::Load:
    case Command::SchoolPasswords:
      throw UserError("noch nicht verfügbar");
  }
}

}  // namespace tolka::cli
