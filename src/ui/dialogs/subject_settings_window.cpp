#include "ui/dialogs/subject_settings_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

constexpr int kFirstSubject = 1;
constexpr int kLastSubject = 30;

struct NumberField {
  const char* Name;
  const char* Label;  // UTF-8
};
constexpr std::array<NumberField, 7> kNumberFields = {{
    {"IntroPositionEdit", "Position bei den Fächern der Einführungsphase"},
    {"SubjectAreaEdit", "Aufgabenfeld"},
    {"HoursAdvancedEdit", "Stundenanzahl als Leistungskurs"},
    {"HoursBasicEdit", "Stundenanzahl als Grundkurs"},
    {"CertificatePositionEdit", "Zeugnisposition"},
    {"IntroCategoryEdit", "Kategorie des Einführungsfach"},
    {"CompetenceCourseEdit", "Kompetenzkurs"},
}};

constexpr std::array<NumberField, 10> kFlagFields = {{
    {"OneSemesterIntroBox", "einsemestrig in Einführungsphase"},
    {"AdvancedCourseBox", "kann Leistungskurs sein"},
    {"ForeignLanguageBox", "Fremdsprache"},
    {"NaturalScienceBox", "Naturwissenschaft"},
    {"ReligionPhilosophyBox", "Religion / Philosophie"},
    {"ArtMusicBox", "Kunst / Musik"},
    {"GermanBox", "Deutsch"},
    {"HistoryBox", "Geschichte"},
    {"SocialScienceBox", "Gesellschaftswissenschaft"},
    {"MathematicsBox", "Mathematik"},
}};

}  // namespace

SubjectSettingsWindow::SubjectSettingsWindow(app::AppState& state, core::Interaction& ui,
                                             QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setObjectName(QStringLiteral("TFachForm"));
  setWindowTitle(QStringLiteral("Fächereinstellungen"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(WarningLabel(
      QStringLiteral("WARNUNG! Veränderungen erfolgen auf eigene Gefahr und Verantwortung!"),
      this));

  auto* form = new QFormLayout;
  spin_ = new QSpinBox(this);
  spin_->setObjectName(QStringLiteral("NumberSpin"));
  spin_->setRange(kFirstSubject, kLastSubject);
  spin_->setWrapping(false);
  form->addRow(QStringLiteral("Nummer"), spin_);
  name_ = AddField(form, QStringLiteral("Fachname"), "SubjectNameEdit", this);
  name_->setMaxLength(30);
  name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
  for (size_t i = 0; i < kNumberFields.size(); ++i) {
    numbers_[i] =
        AddField(form, QString::fromUtf8(kNumberFields[i].Label), kNumberFields[i].Name, this);
    numbers_[i]->setMaxLength(11);
  }
  layout->addLayout(form);

  auto* boxes = new QGridLayout;
  for (size_t i = 0; i < kFlagFields.size(); ++i) {
    flags_[i] = new QCheckBox(QString::fromUtf8(kFlagFields[i].Label), this);
    flags_[i]->setObjectName(QString::fromLatin1(kFlagFields[i].Name));
    boxes->addWidget(flags_[i], static_cast<int>(i % 5), static_cast<int>(i / 5));
  }
  layout->addLayout(boxes);

  auto* ok = NamedButton(QStringLiteral("OK"), "OkButton", this);
  ok->setDefault(true);
  auto* cancel = NamedButton(QStringLiteral("Abbrechen"), "CancelButton", this);
  auto* standard = NamedButton(QStringLiteral("Standard wiederherstellen"), "StandardButton", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(standard);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(spin_, &QSpinBox::valueChanged, this, &SubjectSettingsWindow::NumberChanged);
  connect(ok, &QPushButton::clicked, this, &SubjectSettingsWindow::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(standard, &QPushButton::clicked, this, &SubjectSettingsWindow::RestoreStandard);
}

bool SubjectSettingsWindow::Run() {
  work_ = state_.Catalogue;
  Show();
  name_->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void SubjectSettingsWindow::Show() {
  const QSignalBlocker block(spin_);
  spin_->setValue(number_);
  const settings::SubjectEntryTexts t =
      settings::DisplayedTextsOf(work_.Entries.at(static_cast<size_t>(number_)));
  name_->setText(FromCore(t.SubjectName));
  const std::array<const std::string*, 7> numbers = {
      &t.IntroPosition,       &t.SubjectArea,   &t.HoursAdvanced,   &t.HoursBasic,
      &t.CertificatePosition, &t.IntroCategory, &t.CompetenceCourse};
  for (size_t i = 0; i < numbers.size(); ++i) numbers_[i]->setText(FromCore(*numbers[i]));
  const std::array<bool, 10> flags = {t.OneSemesterIntro,
                                      t.AdvancedCourseAllowed,
                                      t.IsForeignLanguage,
                                      t.IsNaturalScience,
                                      t.IsReligionPhilosophy,
                                      t.IsArtMusic,
                                      t.IsGerman,
                                      t.IsHistory,
                                      t.IsSocialScience,
                                      t.IsMathematics};
  for (size_t i = 0; i < flags.size(); ++i) flags_[i]->setChecked(flags[i]);
}

settings::SubjectEntryTexts SubjectSettingsWindow::Read() const {
  // A character the code page lacks is refused before (TakeOver); here it
  // cannot occur in a number and becomes '?' there.
  const auto text = [](const QLineEdit* edit) {
    return ToCore(edit->text()).value_or(std::string("?"));
  };
  settings::SubjectEntryTexts t;
  t.SubjectName = text(name_);
  t.IntroPosition = text(numbers_[0]);
  t.SubjectArea = text(numbers_[1]);
  t.HoursAdvanced = text(numbers_[2]);
  t.HoursBasic = text(numbers_[3]);
  t.CertificatePosition = text(numbers_[4]);
  t.IntroCategory = text(numbers_[5]);
  t.CompetenceCourse = text(numbers_[6]);
  t.OneSemesterIntro = flags_[0]->isChecked();
  t.AdvancedCourseAllowed = flags_[1]->isChecked();
  t.IsForeignLanguage = flags_[2]->isChecked();
  t.IsNaturalScience = flags_[3]->isChecked();
  t.IsReligionPhilosophy = flags_[4]->isChecked();
  t.IsArtMusic = flags_[5]->isChecked();
  t.IsGerman = flags_[6]->isChecked();
  t.IsHistory = flags_[7]->isChecked();
  t.IsSocialScience = flags_[8]->isChecked();
  t.IsMathematics = flags_[9]->isChecked();
  return t;
}

bool SubjectSettingsWindow::TakeOver() {
  if (!TypedTextToCore(this, name_->text())) {
    name_->setFocus();
    name_->selectAll();
    return false;
  }
  const auto error = settings::TakeOverCatalogueEntry(work_, static_cast<size_t>(number_), Read());
  if (!error) return true;
  ui_.Tell(core::Icon::Error, error->Message);
  QLineEdit* field = error->Field == settings::SubjectField::SubjectName
                         ? name_
                         : numbers_.at(static_cast<size_t>(error->Field) - 1);
  field->setFocus();
  field->selectAll();
  return false;
}

void SubjectSettingsWindow::NumberChanged(int number) {
  if (!TakeOver()) {
    // The entry shown stays: its values did not pass.
    const QSignalBlocker block(spin_);
    spin_->setValue(number_);
    return;
  }
  number_ = number;
  Show();
}

void SubjectSettingsWindow::RestoreStandard() {
  settings::ResetSubjectCatalogue(work_);
  Show();
}

void SubjectSettingsWindow::Ok() {
  if (!TakeOver()) return;
  try {
    settings::SaveSubjectCatalogue(work_, state_.Dirs, state_.CentralSettings());
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  state_.Catalogue = work_;
  accept();
}

}  // namespace tolka::ui

#include "moc_subject_settings_window.cpp"
