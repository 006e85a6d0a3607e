#include "ui/command_button_column.h"

#include <QVBoxLayout>

namespace tolka::ui {

namespace {

struct ButtonEntry {
  const char* Caption;  // UTF-8
  const char* Name;
};
constexpr std::array<ButtonEntry, kCommandButtonCount> kButtons = {{
    {"? Kurswahl", "Button1"},
    {"? Anmeldung z. Pr.", "Button2"},
    {"? Zulassung z. Pr.", "Button3"},
    {"Optimierung", "Button4"},
    {"Prüf.-empfehlung", "Button5"},
    {"Druck Datenblatt", "Button6"},
    {"Druck Ergebnis", "Button7"},
    {"Probezeugnis", "Button8"},
    {"Weiter Suchen", "Button9"},
    {"Sortieren (Namen)", "Button10"},
    {"Kurseinstellungen", "Button11"},
    {"Daten übernehmen", "Button12"},
    {"Daten verwerfen", "Button13"},
    {"? Versetzung i. Q.", "Button15"},
    {"? Zulass. z. mdl. Pr.", "Button16"},
    {"Anrechng. löschen", "Button17"},
}};

}  // namespace

CommandButtonColumn::CommandButtonColumn(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CommandButtons"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  for (size_t i = 0; i < kButtons.size(); ++i) {
    auto* button = new QPushButton(QString::fromUtf8(kButtons[i].Caption), this);
    button->setObjectName(QString::fromLatin1(kButtons[i].Name));
    button->setAutoDefault(false);
    button->setVisible(false);
    column->addWidget(button);
    buttons_[i] = button;
  }
  column->addStretch(1);
  // "Kurseinstellungen" has no command at all.
  QPushButton* course_settings = Button(CommandButton::CourseSettings);
  course_settings->setEnabled(false);
  course_settings->setVisible(true);
}

void CommandButtonColumn::SetClearCreditsEnabled(bool enabled) {
  Button(CommandButton::ClearCredits)->setEnabled(enabled);
}

}  // namespace tolka::ui

#include "moc_command_button_column.cpp"
