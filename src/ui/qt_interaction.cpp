#include "ui/qt_interaction.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStringList>

#include "ui/dialogs/import_config_window.h"
#include "ui/dialogs/password_change_dialog.h"
#include "ui/dialogs/password_definition_dialog.h"
#include "ui/dialogs/password_query_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/search_dialog.h"
#include "ui/dialogs/settings_password_dialog.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

QString ToQtFilter(const std::string& delphi_filter) {
  const QStringList parts = FromCore(delphi_filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QStringList patterns;
    if (i + 1 < parts.size()) {
      for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        patterns << p.trimmed();
      }
    }
    if (patterns.isEmpty()) {
      if (!description.isEmpty()) filters << description;
      continue;
    }
    const QString bracketed = QStringLiteral("(%1)").arg(patterns.join(QLatin1Char(' ')));
    if (description.endsWith(bracketed)) {
      filters << description;
    } else if (description.isEmpty()) {
      filters << bracketed;
    } else {
      filters << description + QLatin1Char(' ') + bracketed;
    }
  }
  return filters.join(QStringLiteral(";;"));
}

std::filesystem::path WithDefaultExtension(const std::filesystem::path& path,
                                           const std::string& extension) {
  if (extension.empty() || path.empty() || path.has_extension()) return path;
  std::filesystem::path result = path;
  result += "." + extension;
  return result;
}

void ConfigureFileDialog(QFileDialog& dialog, const core::FileDialogRequest& request, bool save) {
  // Qt's own dialog on every desktop: its name filter ignores case, so
  // "jg2024.tlk" is listed beside "JG2024.TLK", and it honours
  // DontConfirmOverwrite.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  QDir::Filters filters = dialog.filter();
  filters.setFlag(QDir::CaseSensitive, false);
  dialog.setFilter(filters);
  if (!request.Title.empty()) dialog.setWindowTitle(FromCore(request.Title));
  const QString filter = ToQtFilter(request.Filter);
  if (!filter.isEmpty()) dialog.setNameFilters(filter.split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(FromCore(request.DefaultExtension));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.InitialDirectory.empty()) {
    dialog.setDirectory(PathToQString(request.InitialDirectory));
  }
  if (!request.InitialName.empty()) dialog.selectFile(FileNameToQString(request.InitialName));
}

QtInteraction::QtInteraction(QWidget* parent)
    : parent_(parent),
      query_(new PasswordQueryDialog(parent)),
      definition_(new PasswordDefinitionDialog(parent)),
      config_password_(
          new ui::SettingsPasswordDialog(core::SettingsPasswordKind::Configuration, parent)),
      exam_password_(
          new ui::SettingsPasswordDialog(core::SettingsPasswordKind::ExamSettings, parent)),
      subject_password_(
          new ui::SettingsPasswordDialog(core::SettingsPasswordKind::SubjectSettings, parent)),
      change_(new ui::PasswordChangeDialog(parent)),
      search_(new ui::SearchDialog(parent)),
      progress_(new ProgressDialog(ProgressDialog::SettingsSaved(), parent)),
      saving_(new ProgressDialog(ProgressDialog::DataFileSaved(), parent)),
      import_config_(new ui::ImportConfigWindow(parent)) {}

core::Answer QtInteraction::Ask(core::Icon icon, const std::string& text, core::Buttons buttons) {
  return ShowMessageBox(parent_, icon, MessageText(text), buttons);
}

std::optional<std::filesystem::path> QtInteraction::RunFileDialog(
    const core::FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_);
  core::FileDialogRequest shown = request;
  QSettings settings;
  const QString last = settings.value(QStringLiteral("lastFolder")).toString();
  if (!dialog_used_ && !last.isEmpty() && QDir(last).exists()) {
    shown.InitialDirectory = QStringToPath(last);
  }
  ConfigureFileDialog(dialog, shown, save);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  dialog_used_ = true;
  settings.setValue(QStringLiteral("lastFolder"), QFileInfo(files.front()).absolutePath());
  return WithDefaultExtension(QStringToPath(files.front()), request.DefaultExtension);
}

std::optional<std::filesystem::path> QtInteraction::OpenFileDialog(
    const core::FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::filesystem::path> QtInteraction::SaveFileDialog(
    const core::FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

core::PasswordQueryAnswer QtInteraction::PasswordQuery() { return query_->Run(); }

core::PasswordDefinitionAnswer QtInteraction::PasswordDefinition() { return definition_->Run(); }

std::optional<std::string> QtInteraction::SettingsPasswordDialog(core::SettingsPasswordKind kind) {
  switch (kind) {
    case core::SettingsPasswordKind::Configuration:
      return config_password_->Run();
    case core::SettingsPasswordKind::ExamSettings:
      return exam_password_->Run();
    case core::SettingsPasswordKind::SubjectSettings:
      return subject_password_->Run();
  }
  return std::nullopt;
}

std::optional<core::PasswordDefinitionAnswer> QtInteraction::PasswordChangeDialog() {
  return change_->Run();
}

std::optional<core::SearchRequest> QtInteraction::SearchDialog(const core::SearchRequest& last) {
  return search_->Run(last);
}

void QtInteraction::ShowProgress() { progress_->Run(); }

void QtInteraction::ShowSavingWindow() { saving_->Run(); }

core::Interaction::ImportAnswer QtInteraction::AskBeforeImport(const std::string& text) {
  QMessageBox box(parent_);
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(MessageBoxTitle(core::Icon::Warning));
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageText(text));
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  QPushButton* columns =
      box.addButton(QStringLiteral("Spaltenzuordnung ..."), QMessageBox::ActionRole);
  columns->setObjectName(QStringLiteral("ImportColumnsButton"));
  box.exec();
  if (box.clickedButton() == columns) return ImportAnswer::EditColumns;
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return ImportAnswer::Yes;
    case QMessageBox::No:
      return ImportAnswer::No;
    default:
      return ImportAnswer::Cancel;
  }
}

void QtInteraction::ImportConfigWindow(const std::filesystem::path& program_dir) {
  import_config_->Run(program_dir);
}

}  // namespace tolka::ui
