// The school data, kept in a small text file of our own, "SCHULE.INI", beside
// the other settings files (it follows `CentralSettings`): the school's name,
// the school's name for certificates, a short name for report footers, and
// the school-specific values from which the exam-settings and
// subject-settings passwords are derived. A school administrator can read
// and edit it with any text editor.
//
// Format: Windows-1252 (UTF-8 is accepted too), lines "Key=Value", lines
// starting with ';' or '#' are comments, unknown keys are kept.
//   Schulname=...            the school's name (at most 50 characters)
//   Zeugnisname=...          the school's name for certificates (50)
//   Kurzname=...             short name for report footers (20)
//   Schulnummer=...          the school number (digits)
//   Schluessel=...           the school's key text (at most 25 characters)
#pragma once

#include <map>
#include <string>

#include "core/directories.h"

namespace tolka::settings {

inline constexpr const char* kSchoolDataFileName = "SCHULE.INI";

struct SchoolData {
  std::string SchoolName;       // Windows-1252, at most 50
  std::string CertificateName;  // at most 50
  std::string ShortName;        // at most 20
  std::string SchoolNumber;     // digits
  std::string SchoolKey;        // at most 25
};

// Reads SCHULE.INI from the settings directory, else the program directory;
// empty data when neither holds one. Throws IoError for an unreadable file.
SchoolData LoadSchoolData(core::Directories& dirs, bool central_settings);
void SaveSchoolData(const SchoolData& data, core::Directories& dirs, bool central_settings);

SchoolData ParseSchoolData(const std::string& text);
std::string FormatSchoolData(const SchoolData& data);

}  // namespace tolka::settings
