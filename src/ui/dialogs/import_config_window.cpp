#include "ui/dialogs/import_config_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/file_io.h"
#include "core/io_error.h"
#include "exchange/person_import.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

const char* const kLegend =
    "Jede Zeile der Importdatei füllt einen Schüler-Platz ab dem aktuellen Schüler;\n"
    "Semikolon oder Tabulator trennen die Spalten.\n"
    "Verknüpfung: leer = die Spalte ersetzt den Inhalt des Feldes;\n"
    "\"++\" = die Spalte wird direkt an den bisherigen Inhalt angehängt;\n"
    "ein anderer Text (z. B. \", \") steht zwischen bisherigem Inhalt und Spalte.\n"
    "\"wohnhaft in (ergänzend)\" mit leerer Verknüpfung hängt mit \", \" an.";

QString ColumnName(size_t column) { return QStringLiteral("Spalte %1").arg(column); }

}  // namespace

ImportConfigWindow::ImportConfigWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ImportConfigWindow"));
  setWindowTitle(QStringLiteral("Spaltenzuordnung für den Import (IMPORT.CFG)"));
  setModal(true);

  file_label_ = new QLabel(this);
  file_label_->setObjectName(QStringLiteral("FileLabel"));
  file_label_->setWordWrap(true);
  auto* legend = new QLabel(QString::fromUtf8(kLegend), this);

  auto* grid_widget = new QWidget;
  auto* grid = new QGridLayout(grid_widget);
  grid->addWidget(new QLabel(QStringLiteral("<b>Spalte</b>")), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("<b>füllt das Feld</b>")), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("<b>Verknüpfung</b>")), 0, 2);
  for (size_t column = 1; column <= exchange::kImportColumnCount; ++column) {
    const int row = static_cast<int>(column);
    grid->addWidget(new QLabel(ColumnName(column)), row, 0);
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("Field%1").arg(column));
    box->addItem(QStringLiteral("– (Spalte überspringen)"), 0);
    for (uint16_t code = exchange::kSurnameCode; code <= exchange::kHighestFieldCode; ++code) {
      box->addItem(FromCore(exchange::FieldCaption(code)), code);
    }
    auto* join = new QLineEdit;
    join->setObjectName(QStringLiteral("Join%1").arg(column));
    join->setMaxLength(static_cast<int>(exchange::import_layout::kJoinTextCapacity));
    join->setMaximumWidth(70);
    grid->addWidget(box, row, 1);
    grid->addWidget(join, row, 2);
    fields_[column] = box;
    joins_[column] = join;
    connect(box, &QComboBox::currentIndexChanged, this, [this, column] { FieldChanged(column); });
  }
  grid->setColumnStretch(1, 1);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(grid_widget);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(330);
  scroll->setMinimumWidth(470);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* built_in =
      buttons->addButton(QStringLiteral("Eingebaute Zuordnung"), QDialogButtonBox::ResetRole);
  built_in->setObjectName(QStringLiteral("BuiltInButton"));
  QPushButton* save = buttons->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
  save->setObjectName(QStringLiteral("SaveButton"));
  save->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(built_in, &QPushButton::clicked, this, &ImportConfigWindow::UseBuiltIn);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(file_label_);
  layout->addWidget(legend);
  layout->addWidget(scroll, 1);
  layout->addWidget(buttons);
  // Word-wrapped labels do not raise a dialog's minimum height; a start
  // size that shows every part keeps the buttons off the rows.
  resize(560, 640);
}

bool ImportConfigWindow::Run(const std::filesystem::path& program_dir) {
  program_dir_ = program_dir;
  const auto file = core::FindFile(program_dir, exchange::kImportConfigFileName);
  const QString path = PathToQString(file ? *file : program_dir / exchange::kImportConfigFileName);
  config_ = exchange::BuiltInImportConfig();
  if (!file) {
    file_label_->setText(QStringLiteral("Datei: %1\nDie Datei gibt es noch nicht: der Import "
                                        "benutzt die eingebaute Zuordnung.")
                             .arg(path));
  } else {
    file_label_->setText(QStringLiteral("Datei: %1").arg(path));
    try {
      config_ = exchange::ReadImportConfigFile(*file);
    } catch (const tolka::IoError& error) {
      ShowMessageBox(this, core::Icon::Error,
                     QStringLiteral("%1 kann nicht gelesen werden:\n%2\n\nDas Fenster zeigt die "
                                    "eingebaute Zuordnung; \"Speichern\" ersetzt die Datei.")
                         .arg(path, MessageText(error.what())),
                     core::Buttons::Ok);
    }
  }
  Show(config_);
  return exec() == QDialog::Accepted;
}

void ImportConfigWindow::Show(const exchange::ImportConfig& config) {
  for (size_t column = 1; column <= exchange::kImportColumnCount; ++column) {
    const exchange::ImportEntry& entry = config.Column(column);
    QComboBox* box = fields_[column];
    // A code the window does not know skips the column; it is shown (and
    // kept) as its number.
    while (box->count() > exchange::kHighestFieldCode + 1) box->removeItem(box->count() - 1);
    int index = box->findData(entry.FieldCode);
    if (index < 0) {
      box->addItem(QStringLiteral("Code %1 (Spalte überspringen)").arg(entry.FieldCode),
                   entry.FieldCode);
      index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    joins_[column]->setText(FromCore(entry.JoinText));
    FieldChanged(column);
  }
}

void ImportConfigWindow::FieldChanged(size_t column) {
  const auto code = static_cast<uint16_t>(fields_[column]->currentData().toUInt());
  QLineEdit* join = joins_[column];
  join->setEnabled(exchange::UsesJoinText(code));
  join->setPlaceholderText(code == exchange::kResidenceExtendingCode ? QStringLiteral(", ")
                                                                     : QString());
}

void ImportConfigWindow::UseBuiltIn() { Show(exchange::BuiltInImportConfig()); }

void ImportConfigWindow::accept() {
  exchange::ImportConfig config = config_;
  for (size_t column = 1; column <= exchange::kImportColumnCount; ++column) {
    const auto text = TypedTextToCore(this, joins_[column]->text());
    if (!text) {
      joins_[column]->setFocus();
      return;
    }
    exchange::ImportEntry& entry = config.Entries[column];
    entry.FieldCode = static_cast<uint16_t>(fields_[column]->currentData().toUInt());
    entry.JoinText = *text;
  }
  if (!exchange::FeedsAnyField(config)) {
    ShowMessageBox(this, core::Icon::Error, MessageText(exchange::NoFieldFedMessage()),
                   core::Buttons::Ok);
    return;
  }
  try {
    exchange::SaveImportConfig(program_dir_, config);
  } catch (const tolka::IoError& error) {
    ShowMessageBox(this, core::Icon::Error,
                   QStringLiteral("IMPORT.CFG konnte nicht gespeichert werden:\n%1")
                       .arg(MessageText(error.what())),
                   core::Buttons::Ok);
    return;
  }
  config_ = config;
  QDialog::accept();
}

}  // namespace tolka::ui
