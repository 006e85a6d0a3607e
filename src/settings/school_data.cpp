#include "settings/school_data.h"

#include <array>
#include <optional>
#include <vector>

#include "core/cp1252.h"
#include "core/file_io.h"

namespace tolka::settings {

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

struct KeyField {
  const char* key;
  std::string SchoolData::*field;
  size_t width;
};

const std::array<KeyField, 5> kKeys = {{
    {"Schulname", &SchoolData::SchoolName, kSchoolNameWidth},
    {"Zeugnisname", &SchoolData::CertificateName, kCertificateNameWidth},
    {"Kurzname", &SchoolData::ShortName, kShortNameWidth},
    {"Schulnummer", &SchoolData::SchoolNumber, kSchoolNumberWidth},
    {"Schluessel", &SchoolData::SchoolKey, kSchoolKeyWidth},
}};

bool EqualsIgnoringAsciiCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return i == a.size() && b[i] == '\0';
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A value as it is stored: no line break (it would end the line), cut to
// the width, no blanks around it (reading drops them; a cut can leave one at
// the end, which a save and a new read would lose).
std::string StoredValue(const std::string& value, size_t width) {
  std::string v = value;
  for (char& c : v) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  v = Trimmed(v);
  if (v.size() > width) v = Trimmed(v.substr(0, width));
  return v;
}

// Strict UTF-8 to Windows-1252: nothing when `raw` is not valid UTF-8;
// characters the code page lacks become '?'.
std::optional<std::string> Utf8ToCp1252Replacing(const std::string& raw) {
  std::string out;
  size_t i = 0;
  while (i < raw.size()) {
    const auto lead = static_cast<uint8_t>(raw[i]);
    size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      out += raw[i++];
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      cp = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + extra >= raw.size()) return std::nullopt;
    for (size_t k = 1; k <= extra; ++k) {
      const auto c = static_cast<uint8_t>(raw[i + k]);
      if ((c & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    const auto one = core::Utf8ToCp1252(raw.substr(i, extra + 1));
    out += one ? *one : std::string("?");
    i += extra + 1;
  }
  return out;
}

// The file's bytes split into lines, with what is needed to write it back
// the same way.
struct IniFile {
  bool utf8 = false;
  bool bom = false;
  std::string line_end = "\r\n";
  std::vector<std::string> raw_lines;  // without line ends, as stored
  std::vector<std::string> lines;      // Windows-1252
};

IniFile SplitFile(const std::string& bytes) {
  IniFile file;
  std::string body = bytes;
  if (body.compare(0, 3, kByteOrderMark) == 0) {
    file.bom = true;
    body.erase(0, 3);
  }
  bool non_ascii = false;
  for (unsigned char c : body) non_ascii = non_ascii || c >= 0x80;
  // A byte-order mark declares UTF-8 even for a file that is ASCII so far.
  file.utf8 = (non_ascii || file.bom) && Utf8ToCp1252Replacing(body).has_value();
  if (body.find('\n') != std::string::npos && body.find("\r\n") == std::string::npos) {
    file.line_end = "\n";
  }
  size_t start = 0;
  while (start < body.size()) {
    size_t end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    std::string line = body.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    file.raw_lines.push_back(line);
    file.lines.push_back(file.utf8 ? *Utf8ToCp1252Replacing(line) : line);
    start = end + 1;
  }
  return file;
}

// The key field that `line` sets, with its raw key part (before '=') and its
// stored value; nothing for comments, sections, unknown keys and lines
// without '='.
struct KeyLine {
  const KeyField* field;
  std::string value;
};
std::optional<KeyLine> KeyOf(const std::string& line) {
  const std::string trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#' || trimmed[0] == '[') {
    return std::nullopt;
  }
  const auto eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  const std::string key = Trimmed(line.substr(0, eq));
  for (const auto& k : kKeys) {
    if (EqualsIgnoringAsciiCase(key, k.key)) {
      return KeyLine{&k, StoredValue(line.substr(eq + 1), k.width)};
    }
  }
  return std::nullopt;
}

}  // namespace

SchoolData ParseSchoolData(const std::string& text) {
  SchoolData data;
  for (const auto& line : SplitFile(text).lines) {
    if (auto k = KeyOf(line)) data.*(k->field->field) = k->value;
  }
  return data;
}

std::string MergeSchoolData(const std::string& existing, const SchoolData& data) {
  IniFile file = SplitFile(existing);
  auto encode = [&](const std::string& cp1252) {
    return file.utf8 ? core::Cp1252ToUtf8(cp1252) : cp1252;
  };
  std::array<bool, kKeys.size()> written{};
  for (size_t i = 0; i < file.lines.size(); ++i) {
    auto k = KeyOf(file.lines[i]);
    if (!k) continue;
    const size_t index = static_cast<size_t>(k->field - kKeys.data());
    written[index] = true;
    const std::string value = StoredValue(data.*(k->field->field), k->field->width);
    if (value == k->value) continue;  // unchanged lines stay byte for byte
    const std::string& raw = file.raw_lines[i];
    file.raw_lines[i] = raw.substr(0, raw.find('=') + 1) + encode(value);
  }
  for (size_t index = 0; index < kKeys.size(); ++index) {
    if (written[index]) continue;
    const auto& k = kKeys[index];
    file.raw_lines.push_back(std::string(k.key) + "=" +
                             encode(StoredValue(data.*(k.field), k.width)));
  }
  auto joined = [&] {
    std::string out = file.bom ? kByteOrderMark : "";
    for (const auto& line : file.raw_lines) out += line + file.line_end;
    return out;
  };
  std::string out = joined();
  // A Windows-1252 file is told from UTF-8 only by a byte that UTF-8 does not
  // allow. When the replaced values took the last such byte with them, the
  // new text would be read as UTF-8 and give other values: it is written as
  // UTF-8 with a byte-order mark instead.
  if (!file.utf8 && SplitFile(out).utf8) {
    for (auto& line : file.raw_lines) line = core::Cp1252ToUtf8(line);
    file.bom = true;
    out = joined();
  }
  return out;
}

std::string FormatSchoolData(const SchoolData& data) {
  const std::string header =
      "; Schuldaten für Tolka (Windows-1252)\r\n"
      "; Schulname, Zeugnisname: je höchstens 50 Zeichen, Kurzname: 20 Zeichen.\r\n"
      "; Aus Schulnummer und Schluessel (höchstens 25 Zeichen) werden die\r\n"
      "; Passwörter für die Abitur- und die Fächereinstellungen abgeleitet;\r\n"
      "; sie zeigt der Befehl \"tolka-cli school-passwords\".\r\n";
  return MergeSchoolData(header, data);
}

SchoolData LoadSchoolData(core::Directories& dirs, bool central_settings) {
  dirs.ReevaluateSettings(central_settings);
  auto path = core::FindFile(dirs.Settings, kSchoolDataFileName);
  if (!path) path = core::FindFile(dirs.Program, kSchoolDataFileName);
  if (!path) return {};
  const auto bytes = core::ReadFileBytes(*path);
  return ParseSchoolData(std::string(bytes.begin(), bytes.end()));
}

void SaveSchoolData(const SchoolData& data, core::Directories& dirs, bool central_settings) {
  dirs.ReevaluateSettings(central_settings);
  auto base = core::FindFile(dirs.Settings, kSchoolDataFileName);
  if (!base) base = core::FindFile(dirs.Program, kSchoolDataFileName);
  std::string content;
  if (base) {
    const auto bytes = core::ReadFileBytes(*base);
    content = MergeSchoolData(std::string(bytes.begin(), bytes.end()), data);
  } else {
    content = FormatSchoolData(data);
  }
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kSchoolDataFileName),
                           std::vector<uint8_t>(content.begin(), content.end()));
}

}  // namespace tolka::settings
