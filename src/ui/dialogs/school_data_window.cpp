#include "ui/dialogs/school_data_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "settings/school_data.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

SchoolDataWindow::SchoolDataWindow(app::AppState& state, core::Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setObjectName(QStringLiteral("TSchuldatenForm"));
  setWindowTitle(QStringLiteral("Schuldaten"));
  setModal(true);

  auto* form = new QFormLayout;
  name_ = AddField(form, QStringLiteral("Name der Schule:"), "SchoolNameEdit", this);
  name_->setMaxLength(static_cast<int>(settings::kSchoolNameWidth));
  certificate_name_ =
      AddField(form, QStringLiteral("Name auf Zeugnissen:"), "CertificateNameEdit", this);
  certificate_name_->setMaxLength(static_cast<int>(settings::kCertificateNameWidth));
  short_name_ = AddField(form, QStringLiteral("Kurzname (Fußzeilen):"), "ShortNameEdit", this);
  short_name_->setMaxLength(static_cast<int>(settings::kShortNameWidth));
  number_ = AddField(form, QStringLiteral("Schulnummer:"), "SchoolNumberEdit", this);
  number_->setMaxLength(static_cast<int>(settings::kSchoolNumberWidth));
  number_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number_));
  key_ = AddField(form, QStringLiteral("Schlüssel der Schule:"), "SchoolKeyEdit", this);
  key_->setMaxLength(static_cast<int>(settings::kSchoolKeyWidth));
  key_->setEchoMode(QLineEdit::Password);
  key_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  show_key_ = new QCheckBox(QStringLiteral("Schlüssel anzeigen"), this);
  show_key_->setObjectName(QStringLiteral("ShowKeyBox"));
  form->addRow(QString(), show_key_);
  connect(show_key_, &QCheckBox::toggled, this, [this](bool shown) {
    key_->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
  });
  name_->setMinimumWidth(360);

  auto* note = new QLabel(
      QStringLiteral("Aus Schulnummer und Schlüssel werden die Passwörter der Fächer- und "
                     "Abitureinstellungen berechnet. Ein neuer Schlüssel ändert beide."),
      this);
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(OkCancelButtons(this));
}

bool SchoolDataWindow::Run() {
  const settings::SchoolData& d = state_.School;
  name_->setText(FromCore(d.SchoolName));
  certificate_name_->setText(FromCore(d.CertificateName));
  short_name_->setText(FromCore(d.ShortName));
  number_->setText(FromCore(d.SchoolNumber));
  key_->setText(FromCore(d.SchoolKey));
  show_key_->setChecked(false);
  name_->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void SchoolDataWindow::accept() {
  settings::SchoolData school;
  for (auto [edit, field] :
       {std::pair{name_, &school.SchoolName}, std::pair{certificate_name_, &school.CertificateName},
        std::pair{short_name_, &school.ShortName}, std::pair{number_, &school.SchoolNumber},
        std::pair{key_, &school.SchoolKey}}) {
    auto text = StorableText(this, edit);
    if (!text) return;
    *field = std::move(*text);
  }
  try {
    settings::SaveSchoolData(school, state_.Dirs, state_.CentralSettings());
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  state_.School = school;
  QDialog::accept();
}

}  // namespace tolka::ui

#include "moc_school_data_window.cpp"
