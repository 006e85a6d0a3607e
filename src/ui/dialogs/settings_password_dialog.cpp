#include "ui/dialogs/settings_password_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_buttons.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

QString ObjectName(core::SettingsPasswordKind kind) {
  switch (kind) {
    case core::SettingsPasswordKind::Configuration:
      return QStringLiteral("TPasswordDlg");
    case core::SettingsPasswordKind::ExamSettings:
      return QStringLiteral("TDefPasswordDlg");
    case core::SettingsPasswordKind::SubjectSettings:
      return QStringLiteral("TFachPasswordDlg");
  }
  return {};
}

}  // namespace

QString SettingsPasswordDialog::Prompt(core::SettingsPasswordKind kind) {
  switch (kind) {
    case core::SettingsPasswordKind::Configuration:
      return QStringLiteral("Bitte das Passwort eingeben:");
    case core::SettingsPasswordKind::ExamSettings:
      return QStringLiteral("Bitte das Passwort (für AbiDefinition) eingeben:");
    case core::SettingsPasswordKind::SubjectSettings:
      return QStringLiteral("Bitte das Passwort (für Fächerdefinition) eingeben:");
  }
  return {};
}

QStringList SettingsPasswordDialog::NoteLines(core::SettingsPasswordKind kind) {
  if (kind == core::SettingsPasswordKind::Configuration) return {};
  const QString third =
      kind == core::SettingsPasswordKind::ExamSettings
          ? QStringLiteral(
                "Dieser Bereich ist nur für Spezialfälle im Abiturverfahren vorgesehen. Der ")
          : QStringLiteral(
                "Dieser Bereich ist nur für Spezialfälle in der Fächerstruktur vorgesehen. Der ");
  return {
      QStringLiteral("Hinweis!"),
      QString(),
      third,
      QStringLiteral("Zugang ist nur für den "),
      QStringLiteral("Programmierer und spezielle (berechtigte) Schulen mit deren Koordinatoren "),
      QStringLiteral("zugänglich.")};
}

SettingsPasswordDialog::SettingsPasswordDialog(core::SettingsPasswordKind kind, QWidget* parent)
    : QDialog(parent) {
  setObjectName(ObjectName(kind));
  setWindowTitle(QStringLiteral("Zugangskontrolle für Konfigurationsbereich"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  const QStringList note_lines = NoteLines(kind);
  if (!note_lines.isEmpty()) {
    auto* note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("NoteMemo"));
    note->setReadOnly(true);
    note->setPlainText(note_lines.join(QLatin1Char('\n')));
    note->setFocusPolicy(Qt::NoFocus);
    // The six lines as they are, each on its own line without wrapping.
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(note->font());
    int widest = 0;
    for (const QString& line : note_lines) widest = qMax(widest, metrics.horizontalAdvance(line));
    const int frame =
        2 * (note->frameWidth() + static_cast<int>(note->document()->documentMargin()));
    note->setFixedSize(widest + frame + 8,
                       static_cast<int>(note_lines.size()) * metrics.lineSpacing() + frame + 12);
    layout->addWidget(note);
  }
  auto* prompt = new QLabel(Prompt(kind), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("PasswordEdit"));
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  // string[15]: a longer text could never equal a stored password.
  edit_->setMaxLength(15);
  edit_->setMinimumWidth(260);
  prompt->setBuddy(edit_);
  layout->addWidget(prompt);
  layout->addWidget(edit_);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SettingsPasswordDialog::accept() {
  auto text = StorableText(this, edit_);
  if (!text) return;
  accepted_text_ = std::move(*text);
  QDialog::accept();
}

std::optional<std::string> SettingsPasswordDialog::Run() {
  edit_->clear();
  accepted_text_.clear();
  edit_->setFocus();
  std::optional<std::string> result;
  if (exec() == QDialog::Accepted) result = std::move(accepted_text_);
  accepted_text_.clear();
  edit_->clear();
  return result;
}

}  // namespace tolka::ui

#include "moc_settings_password_dialog.cpp"
