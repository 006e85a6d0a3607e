#include "ui/dialogs/settings_transfer_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings_commands.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

SettingsTransferWindow::SettingsTransferWindow(Direction direction, app::AppState& state,
                                               core::Interaction& ui, QWidget* parent)
    : QDialog(parent), direction_(direction), state_(state), ui_(ui) {
  const bool out = direction == Direction::Export;
  setObjectName(out ? QStringLiteral("TExportEinstForm") : QStringLiteral("TImportEinstForm"));
  setWindowTitle(out ? QStringLiteral("Export der Einstellungen")
                     : QStringLiteral("Import der Einstellungen"));
  setModal(true);

  auto* label = new QLabel(out ? QStringLiteral("Zielverzeichnis:")
                               : QStringLiteral("Verzeichnis mit den Einstellungsdateien:"),
                           this);
  directory_ = new QLineEdit(this);
  directory_->setObjectName(QStringLiteral("DirectoryEdit"));
  directory_->setMinimumWidth(360);
  label->setBuddy(directory_);
  auto* browse = NamedButton(QStringLiteral("Durchsuchen..."), "BrowseButton", this);
  auto* row = new QHBoxLayout;
  row->addWidget(directory_);
  row->addWidget(browse);

  auto* files_label = new QLabel(out ? QStringLiteral("Es werden kopiert (soweit vorhanden):")
                                     : QStringLiteral("Es werden übernommen (soweit vorhanden):"),
                                 this);
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("FileList"));
  files_->setSelectionMode(QAbstractItemView::NoSelection);
  files_->setFocusPolicy(Qt::NoFocus);
  school_data_ = new QCheckBox(
      out ? QStringLiteral("auch die Schuldaten SCHULE.INI exportieren (enthält den Schlüssel "
                           "der Schule!)")
          : QStringLiteral("auch die Schuldaten SCHULE.INI übernehmen"),
      this);
  school_data_->setObjectName(QStringLiteral("SchoolDataBox"));

  QDialogButtonBox* buttons = OkCancelButtons(this);
  if (auto* ok = buttons->findChild<QPushButton*>(QStringLiteral("OkButton"))) {
    ok->setText(out ? QStringLiteral("Exportieren") : QStringLiteral("Importieren"));
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addWidget(files_label);
  layout->addWidget(files_);
  layout->addWidget(school_data_);
  layout->addWidget(buttons);

  connect(browse, &QPushButton::clicked, this, &SettingsTransferWindow::Browse);
  connect(school_data_, &QCheckBox::toggled, this, &SettingsTransferWindow::ShowFiles);
}

bool SettingsTransferWindow::Run() {
  school_data_->setChecked(false);
  ShowFiles();
  directory_->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void SettingsTransferWindow::ShowFiles() {
  files_->clear();
  for (const auto& file : app::SettingsFiles(school_data_->isChecked())) {
    files_->addItem(QString::fromLatin1(file.Name));
  }
}

void SettingsTransferWindow::Browse() {
  const QString chosen = QFileDialog::getExistingDirectory(
      this, windowTitle(),
      directory_->text().isEmpty() ? PathToQString(state_.Dirs.Data) : directory_->text());
  if (!chosen.isEmpty()) directory_->setText(chosen);
}

void SettingsTransferWindow::accept() {
  const std::filesystem::path dir = QStringToPath(directory_->text().trimmed());
  if (directory_->text().trimmed().isEmpty() || !std::filesystem::is_directory(dir)) {
    ui_.Tell(core::Icon::Error, "Bitte ein vorhandenes Verzeichnis angeben.");
    directory_->setFocus();
    return;
  }
  bool done = false;
  try {
    if (direction_ == Direction::Export) {
      done = app::ExportSettings(state_, ui_, dir, school_data_->isChecked()) > 0;
    } else {
      done = app::ImportSettings(state_, ui_, dir, school_data_->isChecked());
    }
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  if (done) QDialog::accept();
}

}  // namespace tolka::ui

#include "moc_settings_transfer_window.cpp"
