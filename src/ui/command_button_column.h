// The column of command buttons at the right of the main window, in their
// order: "? Kurswahl", "? Anmeldung z. Pr.", "? Zulassung z. Pr.",
// "Optimierung", "Prüf.-empfehlung", "Druck Datenblatt", "Druck Ergebnis",
// "Probezeugnis", "Weiter Suchen", "Sortieren (Namen)", "Kurseinstellungen",
// "Daten übernehmen", "Daten verwerfen", "? Versetzung i. Q.", "? Zulass. z.
// mdl. Pr.", "Anrechng. löschen". The object names are those of the window's
// handlers ("Button1" for `Button1Click`, ...; "Kurseinstellungen" has no
// handler and is "Button11").
//
// A button is shown once its command is wired (Wire); until then it stays
// hidden, so no button is shown that does nothing. "Kurseinstellungen" does
// nothing by design: it is shown disabled.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstddef>

namespace tolka::ui {

enum class CommandButton {
  CheckCourseChoice,   // "? Kurswahl": "Kurseinwahl"
  CheckRegistration,   // "? Anmeldung z. Pr.": "Anmeldung zur Prüfung"
  CheckAdmission,      // "? Zulassung z. Pr.": "Anmeldung zur Prüfung" too
  Optimisation,        // "Optimierung": "Optimierung der Kursauswahl"
  ExamRecommendation,  // "Prüf.-empfehlung": "Empfehlungen zu den mündlichen Prüfungen"
  PrintDataSheet,      // "Druck Datenblatt": "Schüler-Datenblatt" (current student)
  PrintResult,         // "Druck Ergebnis": "Ergebnis Abiturverfahren" (current student)
  SampleCertificate,   // "Probezeugnis"
  SearchOn,            // "Weiter Suchen"
  SortByName,          // "Sortieren (Namen)": "Sortieren nach Namen"
  CourseSettings,      // "Kurseinstellungen": nothing
  TakeOverData,        // "Daten übernehmen"
  DiscardData,         // "Daten verwerfen"
  CheckPromotion,      // "? Versetzung i. Q.": "Versetzung in Qualifikationsphase"
  CheckOralAdmission,  // "? Zulass. z. mdl. Pr.": "Zulassung zur mündlichen Prüfung"
  ClearCredits,        // "Anrechng. löschen": "zurücknehmen"
};
inline constexpr size_t kCommandButtonCount = 16;

class CommandButtonColumn : public QWidget {
  Q_OBJECT

 public:
  explicit CommandButtonColumn(QWidget* parent);

  QPushButton* Button(CommandButton which) const { return buttons_[static_cast<size_t>(which)]; }

  // Binds the button to its command and shows it.
  template <typename Receiver, typename Handler>
  void Wire(CommandButton which, Receiver* receiver, Handler handler) {
    QPushButton* button = Button(which);
    connect(button, &QPushButton::clicked, receiver, handler);
    button->setVisible(true);
  }

  // "Anrechng. löschen" is enabled only while "Bewertung und Auswahl" is the
  // editor's active page.
  void SetClearCreditsEnabled(bool enabled);

 private:
  std::array<QPushButton*, kCommandButtonCount> buttons_{};
};

}  // namespace tolka::ui
