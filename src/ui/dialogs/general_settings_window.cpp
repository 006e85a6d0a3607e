#include "ui/dialogs/general_settings_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

QCheckBox* Box(const QString& caption, const char* name, QWidget* parent, QLayout* layout) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  layout->addWidget(box);
  return box;
}

}  // namespace

GeneralSettingsWindow::GeneralSettingsWindow(app::AppState& state, core::Interaction& ui,
                                             QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setObjectName(QStringLiteral("TEinstellform"));
  setWindowTitle(QStringLiteral("Einstellungen"));
  setModal(true);

  read_from_ = new QLabel(this);
  read_from_->setObjectName(QStringLiteral("ReadFromLabel"));
  read_from_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* general = new QGroupBox(QStringLiteral("allgemeine Optionen"), this);
  auto* general_layout = new QVBoxLayout(general);
  encrypt_ = Box(QStringLiteral("Daten verschlüsseln"), "EncryptDataBox", general, general_layout);
  predecessor_ = Box(QStringLiteral("bei neuem Schüler Vorgänger als Teilvorlage nutzen"),
                     "PredecessorBox", general, general_layout);
  general_layout->addWidget(new QLabel(QStringLiteral("zentrale Verwaltung:"), general));
  auto* central = new QVBoxLayout;
  central->setContentsMargins(20, 0, 0, 0);
  general_layout->addLayout(central);
  central_lists_ = Box(QStringLiteral("Projektkurs-, Klassen- u. Tutoren-Listen"),
                       "CentralListsBox", general, central);
  central_settings_ = Box(QStringLiteral("allg., Druck-, Fächer- u. Abitur-Einstellungen"),
                          "CentralSettingsBox", general, central);

  auto* guarded = new QGroupBox(QStringLiteral("passwortgeschützte Optionen"), this);
  auto* guarded_layout = new QVBoxLayout(guarded);
  multi_level_ = Box(QStringLiteral("mehrstufigen Sicherheitsmechanismus für Einstellungen"),
                     "MultiLevelSecurityBox", guarded, guarded_layout);
  always_encrypt_ =
      Box(QStringLiteral("Daten immer verschlüsseln"), "AlwaysEncryptBox", guarded, guarded_layout);
  certificates_ = Box(QStringLiteral("Zeugnisdruck möglich"), "CertificatePrintingBox", guarded,
                      guarded_layout);
  sport_ = Box(QStringLiteral("Sportkurse differenziert (mit Individualsportarten)"),
               "DifferentiatedSportBox", guarded, guarded_layout);
  reserve_ = Box(QStringLiteral("ReserveS1"), "ReserveS1Box", guarded, guarded_layout);
  ignore_hints_ = Box(QStringLiteral("Fehler-Hinweise im Abitur nicht beachten"),
                      "IgnoreExamHintsBox", guarded, guarded_layout);
  correction_corner_ = Box(QStringLiteral("Korrekturecke drucken"), "PrintCorrectionCornerBox",
                           guarded, guarded_layout);
  auto* place_form = new QFormLayout;
  place_date_ = AddField(place_form, QStringLiteral("Ort, Datum (im Zeugnisausdruck)"),
                         "PlaceDateEdit", guarded);
  place_date_->setMaxLength(static_cast<int>(settings::kPlaceDateWidth));
  guarded_layout->addLayout(place_form);

  auto* publisher_box = new QGroupBox(QStringLiteral("Verlag"), this);
  publisher_box->setObjectName(QStringLiteral("PublisherGroup"));
  auto* publisher_layout = new QVBoxLayout(publisher_box);
  publisher_ = new QButtonGroup(this);
  for (size_t i = 0; i < settings::kPublisherItems.size(); ++i) {
    auto* radio = new QRadioButton(FromCore(settings::kPublisherItems[i]), publisher_box);
    radio->setObjectName(QStringLiteral("Publisher%1").arg(i));
    publisher_->addButton(radio, static_cast<int>(i));
    publisher_layout->addWidget(radio);
  }
  publisher_layout->addStretch();

  auto* standard = NamedButton(QStringLiteral("Standard herstellen"), "StandardButton", this);
  auto* cancel = NamedButton(QStringLiteral("Abbrechen"), "CancelButton", this);
  auto* take_over = NamedButton(QStringLiteral("Übernehmen"), "TakeOverButton", this);
  take_over->setDefault(true);
  auto* password =
      NamedButton(QStringLiteral("Konfigurationspasswort ändern"), "PasswordButton", this);
  connect(standard, &QPushButton::clicked, this, &GeneralSettingsWindow::Standard);
  connect(cancel, &QPushButton::clicked, this, &GeneralSettingsWindow::reject);
  connect(take_over, &QPushButton::clicked, this, &GeneralSettingsWindow::TakeOver);
  connect(password, &QPushButton::clicked, this, &GeneralSettingsWindow::ChangePassword);

  auto* left = new QVBoxLayout;
  left->addWidget(general);
  left->addWidget(guarded);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(publisher_box);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(standard);
  buttons->addWidget(password);
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(take_over);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(read_from_);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool GeneralSettingsWindow::Run() {
  work_ = state_.General;
  remembered_ = state_.LoadedProtected;
  Show(settings::ViewOfGeneralSettings(work_, state_.Dirs));
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void GeneralSettingsWindow::Show(const settings::GeneralSettingsView& v) {
  read_from_->setText(FromCore(v.ReadFrom));
  encrypt_->setChecked(v.EncryptData);
  predecessor_->setChecked(v.PredecessorAsTemplate);
  central_lists_->setChecked(v.CentralLists);
  central_settings_->setChecked(v.CentralSettings);
  multi_level_->setChecked(v.MultiLevelSecurity);
  always_encrypt_->setChecked(v.AlwaysEncrypt);
  certificates_->setChecked(v.CertificatePrinting);
  sport_->setChecked(v.DifferentiatedSport);
  reserve_->setChecked(v.ReserveS1);
  ignore_hints_->setChecked(v.IgnoreExamHints);
  correction_corner_->setChecked(v.PrintCorrectionCorner);
  place_date_->setText(FromCore(v.PlaceDate));
  // A stored publisher outside the items shows no selection.
  publisher_->setExclusive(false);
  for (QAbstractButton* radio : publisher_->buttons()) {
    radio->setChecked(publisher_->id(radio) == v.Publisher);
  }
  publisher_->setExclusive(true);
}

settings::GeneralSettingsView GeneralSettingsWindow::Read() const {
  settings::GeneralSettingsView v = settings::ViewOfGeneralSettings(work_, state_.Dirs);
  v.EncryptData = encrypt_->isChecked();
  v.PredecessorAsTemplate = predecessor_->isChecked();
  v.CentralLists = central_lists_->isChecked();
  v.CentralSettings = central_settings_->isChecked();
  v.MultiLevelSecurity = multi_level_->isChecked();
  v.AlwaysEncrypt = always_encrypt_->isChecked();
  v.CertificatePrinting = certificates_->isChecked();
  v.DifferentiatedSport = sport_->isChecked();
  v.ReserveS1 = reserve_->isChecked();
  v.IgnoreExamHints = ignore_hints_->isChecked();
  v.PrintCorrectionCorner = correction_corner_->isChecked();
  v.PlaceDate = ToCore(place_date_->text()).value_or(std::string());
  v.Publisher = publisher_->checkedId();
  return v;
}

void GeneralSettingsWindow::Standard() {
  settings::GeneralSettingsView view = Read();
  settings::GeneralSettings shown = work_;
  settings::StandardGeneralSettings(shown, state_.Dirs, view);
  // Only the unprotected options change; what is typed in the protected
  // group stays on the screen.
  const settings::GeneralSettingsView typed = Read();
  view.MultiLevelSecurity = typed.MultiLevelSecurity;
  view.AlwaysEncrypt = typed.AlwaysEncrypt;
  view.CertificatePrinting = typed.CertificatePrinting;
  view.DifferentiatedSport = typed.DifferentiatedSport;
  view.ReserveS1 = typed.ReserveS1;
  view.IgnoreExamHints = typed.IgnoreExamHints;
  view.PrintCorrectionCorner = typed.PrintCorrectionCorner;
  view.PlaceDate = typed.PlaceDate;
  Show(view);
}

void GeneralSettingsWindow::TakeOver() {
  if (!TypedTextToCore(this, place_date_->text())) {
    place_date_->setFocus();
    return;
  }
  settings::GeneralSettingsView view = Read();
  settings::GeneralSettings work = work_;
  settings::ProtectedOptions remembered = remembered_;
  try {
    settings::ApplyGeneralSettings(work, remembered, view, state_.Dirs, ui_);
  } catch (const IoError& e) {
    Show(view);
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  work_ = work;
  remembered_ = remembered;
  state_.General = work_;
  state_.LoadedProtected = remembered_;
  QDialog::accept();
}

void GeneralSettingsWindow::ChangePassword() {
  settings::GeneralSettingsView view = Read();
  settings::ChangeConfigPassword(work_, remembered_, view, ui_);
  Show(view);
}

void GeneralSettingsWindow::reject() {
  if (work_.ConfigPassword != state_.General.ConfigPassword) {
    ui_.Tell(core::Icon::Information, settings::kNewPasswordNotSaved);
  }
  QDialog::reject();
}

}  // namespace tolka::ui

#include "moc_general_settings_window.cpp"
