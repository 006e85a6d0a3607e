#include "ui/dialogs/exam_settings_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

struct Field {
  const char* Name;
  const char* Label;  // UTF-8
};
constexpr std::array<Field, 6> kFields = {{
    {"MinWeeklyHoursEdit", "Mindeststundenzahl für GK's und LK's pro Woche"},
    {"MaxBasicCoursesEdit", "maximale Anzahl GK's"},
    {"MaxAdvancedCoursesEdit", "maximale Anzahl LK's"},
    {"MinHoursArea1Edit", "Mindeststundenanzahl Aufgabenfeld 1"},
    {"MinHoursArea2Edit", "Mindeststundenanzahl Aufgabenfeld 2"},
    {"MinHoursArea3Edit", "Mindeststundenanzahl Aufgabenfeld 3"},
}};

}  // namespace

ExamSettingsWindow::ExamSettingsWindow(app::AppState& state, core::Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setObjectName(QStringLiteral("TAbiDefEinstellForm"));
  setWindowTitle(QStringLiteral("Abitureinstellungen"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(WarningLabel(
      QStringLiteral("WARNUNG! Änderungen erfolgen eigene Gefahr und Verantwortung!"), this));
  auto* form = new QFormLayout;
  for (size_t i = 0; i < kFields.size(); ++i) {
    fields_[i] = AddField(form, QString::fromUtf8(kFields[i].Label), kFields[i].Name, this);
    fields_[i]->setMaxLength(20);
  }
  layout->addLayout(form);

  auto* save = NamedButton(QStringLiteral("Speichern und Beenden"), "SaveButton", this);
  save->setDefault(true);
  auto* cancel = NamedButton(QStringLiteral("Abbrechen"), "CancelButton", this);
  auto* standard =
      NamedButton(QStringLiteral("Standard wiederherstellen und Beenden"), "StandardButton", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  buttons->addWidget(standard);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(save, &QPushButton::clicked, this, &ExamSettingsWindow::SaveAndClose);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(standard, &QPushButton::clicked, this, &ExamSettingsWindow::RestoreAndClose);
}

bool ExamSettingsWindow::Run() {
  Show(state_.Exam);
  fields_[0]->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void ExamSettingsWindow::Show(const settings::ExamSettings& exam) {
  const settings::ExamSettingsTexts t = settings::DisplayedTextsOf(exam);
  const std::array<const std::string*, 6> texts = {&t.MinWeeklyHours,     &t.MaxBasicCourses,
                                                   &t.MaxAdvancedCourses, &t.MinHoursArea1,
                                                   &t.MinHoursArea2,      &t.MinHoursArea3};
  for (size_t i = 0; i < texts.size(); ++i) fields_[i]->setText(FromCore(*texts[i]));
}

void ExamSettingsWindow::SaveAndClose() {
  std::array<std::string, 6> typed;
  for (size_t i = 0; i < fields_.size(); ++i) {
    typed[i] = ToCore(fields_[i]->text()).value_or(std::string("?"));
  }
  const settings::ExamSettingsTexts texts = {typed[0], typed[1], typed[2],
                                             typed[3], typed[4], typed[5]};
  settings::ExamSettings work = state_.Exam;
  if (const auto error = settings::TakeOverExamFields(work, texts)) {
    ui_.Tell(core::Icon::Error, error->Message);
    QLineEdit* field = fields_.at(static_cast<size_t>(error->Field));
    field->setFocus();
    field->selectAll();
    return;
  }
  try {
    settings::SaveExamSettings(work, state_.Dirs, state_.CentralSettings(),
                               state_.School.SchoolName, settings::ShortDateToday());
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  state_.Exam = work;
  accept();
}

void ExamSettingsWindow::RestoreAndClose() {
  try {
    settings::RestoreDefaultExamSettings(state_.Exam, state_.Dirs, state_.CentralSettings());
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  Show(state_.Exam);
  accept();
}

}  // namespace tolka::ui

#include "moc_exam_settings_window.cpp"
