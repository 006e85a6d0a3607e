// Everything that needs a person goes through this one interface: message
// boxes with the platform's four icons, the open and save dialogs, the data
// password dialogs, the progress dialog and the saving window. The desktop
// program implements it with real dialogs; tests implement it with a script
// of expected prompts and answers. All texts are Windows-1252; "\r" in a
// message is a line break.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/data_cipher.h"

namespace tolka::core {

enum class Icon { Error, Warning, Information, Confirmation };
// YesNo: Yes is the default button, Escape answers No. YesNoDefaultNo: the
// same question with No as the default (a question whose Yes destroys data
// another user wrote). YesNoCancel: the save questions before New, Open and
// leaving, where Escape and the close box answer Cancel and the command does
// not happen; only an explicit No discards the unsaved data. RestoreDiscard:
// the offer of a recovery copy at start-up with the buttons
// "Wiederherstellen" (answers Yes, the default) and "Verwerfen" (No); Escape
// and the close box answer Cancel (the copy is kept for the next start).
enum class Buttons { Ok, YesNo, YesNoDefaultNo, YesNoCancel, RestoreDiscard };
enum class Answer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
  std::string Title;             // empty: the platform's default title
  std::string Filter;            // e.g. "Abiturdaten SL (*.TLK)|*.TLK"
  std::string DefaultExtension;  // e.g. "TLK"
  std::filesystem::path InitialDirectory;
  std::string InitialName;  // pre-filled file name (save dialogs)
};

// What the password query "Passwortabfrage" returns: OK with the typed text
// or Abbrechen, and the chosen "Verschlüsselungsart".
struct PasswordQueryAnswer {
  bool Ok = false;
  std::string Password;
  CipherVariant Variant = CipherVariant::Neu;
};

// The two texts of the password definition "Festlegung des Daten-Passwortes"
// (the caller applies the accept rule). Ok is false when the user left the
// dialog with Abbrechen, Escape or its close box: the Save or Save As that
// asked for the password ends and writes nothing.
struct PasswordDefinitionAnswer {
  std::string First;
  std::string Second;
  bool Ok = true;
};

// What the search dialog "Suchen ..." returns on OK: the "Suchtext:" (cut to
// 40 characters), the "Suchbereich" ("Vorname" or "Name") and the
// "Such-Option" ("volle Übereinstimmung" or "teilweise Übereinstimmung").
enum class SearchField { GivenNames, Surname };
enum class MatchKind { Whole, Part };
inline constexpr size_t kSearchTextCapacity = 40;
struct SearchRequest {
  std::string Text;
  SearchField Field = SearchField::Surname;
  MatchKind Kind = MatchKind::Whole;
};

// The three settings-password dialogs "Zugangskontrolle für
// Konfigurationsbereich" (configuration, exam settings, subject settings).
enum class SettingsPasswordKind { Configuration, ExamSettings, SubjectSettings };

class Interaction {
 public:
  virtual ~Interaction() = default;

  // A modal message box; returns Ok for Buttons::Ok.
  virtual Answer Ask(Icon icon, const std::string& text, Buttons buttons) = 0;
  void Tell(Icon icon, const std::string& text) { Ask(icon, text, Buttons::Ok); }

  // The common dialogs; nothing on Cancel. The save dialog does not ask
  // about overwriting: the commands ask that themselves.
  virtual std::optional<std::filesystem::path> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> SaveFileDialog(const FileDialogRequest& request) = 0;

  virtual PasswordQueryAnswer PasswordQuery() = 0;
  virtual PasswordDefinitionAnswer PasswordDefinition() = 0;

  // A settings-password dialog: the typed text on OK, nothing on Abbrechen.
  virtual std::optional<std::string> SettingsPasswordDialog(SettingsPasswordKind kind) = 0;
  // "Konfigurationspasswort ändern ...": the two typed texts on OK.
  virtual std::optional<PasswordDefinitionAnswer> PasswordChangeDialog() = 0;

  // The search dialog "Suchen ...", showing `last` (the last search text and
  // choices) when it opens: the request on OK, nothing on Abbrechen.
  virtual std::optional<SearchRequest> SearchDialog(const SearchRequest& last) = 0;

  // The progress dialog "Speichern ..." that paces the user after a settings
  // file was written, and the saving window shown after a data file was
  // written. Both only inform.
  virtual void ShowProgress() = 0;
  virtual void ShowSavingWindow() = 0;

  // --- Person-data import -------------------------------------------------
  // The question before the import has "Ja", "Nein", "Abbrechen" and
  // "Spaltenzuordnung ...", which opens the window of the import
  // configuration; the import asks again after the window.
  enum class ImportAnswer { Yes, No, Cancel, EditColumns };
  // A front end without the window asks the question with Yes and No.
  virtual ImportAnswer AskBeforeImport(const std::string& text) {
    return Ask(Icon::Warning, text, Buttons::YesNo) == Answer::Yes ? ImportAnswer::Yes
                                                                   : ImportAnswer::No;
  }
  // The window that edits the import configuration file "IMPORT.CFG" in
  // `program_dir`; returns when the window is closed. Only reached through
  // ImportAnswer::EditColumns.
  virtual void ImportConfigWindow(const std::filesystem::path& program_dir) { (void)program_dir; }
};

}  // namespace tolka::core
