// The desktop program's core::Interaction: real modal dialogs, centred on the
// parent window. The dialogs are created once, as children of `parent`, and
// reused; message boxes and the common file dialogs are made for each call.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "core/interaction.h"

class QFileDialog;
class QWidget;

namespace tolka::ui {

class PasswordQueryDialog;
class PasswordDefinitionDialog;
class SettingsPasswordDialog;
class PasswordChangeDialog;
class ProgressDialog;
class SearchDialog;
class ImportConfigWindow;

// A Delphi-style filter ("Abiturdaten SL (*.TLK)|*.TLK", pairs of description
// and patterns separated by "|", patterns separated by ";") as Qt name
// filters ("Abiturdaten SL (*.TLK)", joined by ";;"). A description that does
// not end with its patterns in brackets gets them appended.
QString ToQtFilter(const std::string& delphi_filter);

// The default extension appended when the chosen name has none
// ("JG2024" -> "JG2024.TLK"; "JG2024.tlk" and "a.b" stay).
std::filesystem::path WithDefaultExtension(const std::filesystem::path& path,
                                           const std::string& extension);

// Sets up a Qt file dialog from the request: title, filter, default suffix,
// initial directory and name. The save dialog never asks about overwriting
// (the commands ask that themselves); the filter matches names whatever
// their case (*.TLK and *.tlk).
void ConfigureFileDialog(QFileDialog& dialog, const core::FileDialogRequest& request, bool save);

class QtInteraction : public core::Interaction {
 public:
  explicit QtInteraction(QWidget* parent);
  QtInteraction(const QtInteraction&) = delete;
  QtInteraction& operator=(const QtInteraction&) = delete;

  core::Answer Ask(core::Icon icon, const std::string& text, core::Buttons buttons) override;
  std::optional<std::filesystem::path> OpenFileDialog(
      const core::FileDialogRequest& request) override;
  std::optional<std::filesystem::path> SaveFileDialog(
      const core::FileDialogRequest& request) override;
  core::PasswordQueryAnswer PasswordQuery() override;
  core::PasswordDefinitionAnswer PasswordDefinition() override;
  std::optional<std::string> SettingsPasswordDialog(core::SettingsPasswordKind kind) override;
  std::optional<core::PasswordDefinitionAnswer> PasswordChangeDialog() override;
  std::optional<core::SearchRequest> SearchDialog(const core::SearchRequest& last) override;
  void ShowProgress() override;
  void ShowSavingWindow() override;
  // The import question: "Ja", "Nein", "Abbrechen" and "Spaltenzuordnung ..."
  // (object name "ImportColumnsButton"); the window of IMPORT.CFG.
  ImportAnswer AskBeforeImport(const std::string& text) override;
  void ImportConfigWindow(const std::filesystem::path& program_dir) override;

 private:
  std::optional<std::filesystem::path> RunFileDialog(const core::FileDialogRequest& request,
                                                     bool save);

  // The first file dialog of a session starts in the folder the last session
  // used (kept with QSettings) instead of the program directory.
  bool dialog_used_ = false;
  // Owned by parent_.
  QWidget* parent_;
  PasswordQueryDialog* query_;
  PasswordDefinitionDialog* definition_;
  ui::SettingsPasswordDialog* config_password_;
  ui::SettingsPasswordDialog* exam_password_;
  ui::SettingsPasswordDialog* subject_password_;
  ui::PasswordChangeDialog* change_;
  ui::SearchDialog* search_;
  ProgressDialog* progress_;
  ProgressDialog* saving_;
  ui::ImportConfigWindow* import_config_;
};

}  // namespace tolka::ui
