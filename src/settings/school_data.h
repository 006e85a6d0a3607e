// The school data, kept in a small text file of our own, "SCHULE.INI", beside
// the other settings files (it follows `CentralSettings`): the school's name,
// the school's name for certificates, a short name for report footers, and
// the school-specific values from which the exam-settings and
// subject-settings passwords are derived. A school administrator can read
// and edit it with any text editor.
//
// Format: Windows-1252 (UTF-8 is accepted too: a file that is valid UTF-8
// and holds non-ASCII characters is read as UTF-8, a character that
// Windows-1252 lacks becoming '?'; a leading byte-order mark is skipped),
// lines "Key=Value" ended by CR LF or LF, keys matched ignoring case, blanks
// around key and value ignored, the last line of a key wins. Lines starting
// with ';' or '#' are comments and lines starting with '[' are section
// headers; both are ignored on reading. Values longer than their width are
// cut. Saving rewrites only the values of the five keys, in the file's own
// encoding and line-end style; comments, section headers, unknown keys and
// their order are kept byte for byte, and missing keys are appended.
//   Schulname=...            the school's name (at most 50 characters)
//   Zeugnisname=...          the school's name for certificates (50)
//   Kurzname=...             short name for report footers (20)
//   Schulnummer=...          the school number (digits, at most 12)
//   Schluessel=...           the school's key text (at most 25 characters)
#pragma once

#include <cstddef>
#include <string>

#include "core/directories.h"

namespace tolka::settings {

inline constexpr const char* kSchoolDataFileName = "SCHULE.INI";

inline constexpr size_t kSchoolNameWidth = 50;
inline constexpr size_t kCertificateNameWidth = 50;
inline constexpr size_t kShortNameWidth = 20;
inline constexpr size_t kSchoolNumberWidth = 12;
inline constexpr size_t kSchoolKeyWidth = 25;

struct SchoolData {
  std::string SchoolName;       // Windows-1252, at most 50
  std::string CertificateName;  // at most 50
  std::string ShortName;        // at most 20
  std::string SchoolNumber;     // digits, at most 12
  std::string SchoolKey;        // at most 25
  bool operator==(const SchoolData&) const = default;
};

// Points the settings directory by `central_settings`, then reads SCHULE.INI
// from the settings directory, else the program directory; empty data when
// neither holds one. Throws IoError for an unreadable file.
SchoolData LoadSchoolData(core::Directories& dirs, bool central_settings);

// Writes SCHULE.INI in the settings directory (pointed by
// `central_settings`) through SaveFileAtomically. The file that
// LoadSchoolData would read is the base whose comments and unknown keys are
// kept; without one a new file is written (FormatSchoolData). Throws IoError;
// the old file stays as it was.
void SaveSchoolData(const SchoolData& data, core::Directories& dirs, bool central_settings);

// `text`: the file's bytes (Windows-1252 or UTF-8). The values come back as
// Windows-1252, cut to their widths.
SchoolData ParseSchoolData(const std::string& text);
// A new file: a comment block and the five keys (Windows-1252, CR LF).
std::string FormatSchoolData(const SchoolData& data);
// `existing` (a file's bytes) with the five values replaced or appended as
// described above.
std::string MergeSchoolData(const std::string& existing, const SchoolData& data);

}  // namespace tolka::settings
