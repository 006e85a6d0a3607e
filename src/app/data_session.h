// The working data of the program and the state that the file commands share:
// the record table with its password field (the in-memory form of the
// 159712-byte data file block), the current file name, the data flags, the
// entered data password and the cipher variant.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/student_table.h"

namespace tolka::app {

inline constexpr const char* kUntitledName = "VORLAGE.TLK";
inline constexpr const char* kBackupFileName = "Sicherung.DAT";
inline constexpr const char* kDataFileFilter = "Abiturdaten SL (*.TLK)|*.TLK";
inline constexpr const char* kDataFileExtension = "TLK";

struct DataSession {
  core::StudentTable Table;
  // The data password field: the scrambled password, empty = no password.
  std::string PasswordField;
  // The field's 16 bytes as last read, so a file opened and saved again keeps
  // the meaningless bytes after the password too.
  std::array<uint8_t, core::kPasswordCapacity + 1> PasswordFieldCarried{};

  std::string CurrentFileName = kUntitledName;  // without directory
  bool Modified = false;
  bool Protected = false;
  bool ShownEnciphered = false;  // wrong or no password given on Open
  // The file (or its folder) is write-protected: Open read it for reading
  // only, and Save asks for another name instead of writing over it.
  bool ReadOnly = false;
  std::string EnteredPassword;  // at most 15 characters
  core::CipherVariant Variant = core::CipherVariant::Neu;

  // The file's modification time when it was last opened or saved, so a
  // save can tell that another program changed it meanwhile.
  std::filesystem::file_time_type LastWriteTime{};

  bool IsUntitled() const { return CurrentFileName == kUntitledName; }

  // The in-memory block: the table as it stands (enciphered bytes while
  // shown enciphered) and the password field.
  core::DataFileBlock Block() const;

  // The block as Save writes it: the table enciphered "neu" with the password
  // field when the data are protected and the field is not empty; data shown
  // enciphered are returned as they are.
  core::DataFileBlock BlockForWriting() const;
};

// Reads the first 159712 bytes of a data file. Throws IoError ("Die Datei
// ... ist keine Tolka-Datendatei (falsche Größe)." for a shorter file).
core::DataFileBlock ReadDataFileBlock(const std::filesystem::path& path);

}  // namespace tolka::app
