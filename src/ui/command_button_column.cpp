#include "ui/command_button_column.h"

#include <QVBoxLayout>

namespace tolka::ui {

namespace {

struct ButtonEntry {
  const char* Caption;  // UTF-8
  const char* Name;
  const char* Hint;  // the full command, as tool tip and status hint
};
constexpr std::array<ButtonEntry, kCommandButtonCount> kButtons = {{
    {"? Kurswahl", "Button1", "Prüfen: Kurseinwahl"},
    {"? Anmeldung z. Pr.", "Button2", "Prüfen: Anmeldung zur Prüfung"},
    {"? Zulassung z. Pr.", "Button3", "Prüfen: Anmeldung zur Prüfung (Zulassung)"},
    {"Optimierung", "Button4", "Optimierung der Kursauswahl"},
    {"Prüf.-empfehlung", "Button5", "Empfehlungen zu den mündlichen Prüfungen"},
    {"Druck Datenblatt", "Button6", "Drucken: Schüler-Datenblatt des aktuellen Schülers"},
    {"Druck Ergebnis", "Button7", "Drucken: Ergebnis Abiturverfahren des aktuellen Schülers"},
    {"Probezeugnis", "Button8", "Drucken: Probezeugnis des aktuellen Schülers"},
    {"Weiter Suchen", "Button9", "Weiter Suchen (F3): ab dem nächsten Schüler"},
    {"Sortieren (Namen)", "Button10", "Sortieren nach Namen ab dem aktuellen Schüler"},
    {"Kurseinstellungen", "Button11", "Kurseinstellungen (ohne Funktion)"},
    {"Daten übernehmen", "Button12", "Eingaben in den Datensatz übernehmen"},
    {"Daten verwerfen", "Button13", "Eingaben seit der letzten Übernahme verwerfen"},
    {"? Versetzung i. Q.", "Button15", "Prüfen: Versetzung in die Qualifikationsphase"},
    {"? Zulass. z. mdl. Pr.", "Button16", "Prüfen: Zulassung zur mündlichen Prüfung"},
    {"Anrechng. löschen", "Button17", "Alle Kursanrechnungen des Schülers löschen (zurücknehmen)"},
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
    button->setToolTip(QString::fromUtf8(kButtons[i].Hint));
    button->setStatusTip(QString::fromUtf8(kButtons[i].Hint));
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
