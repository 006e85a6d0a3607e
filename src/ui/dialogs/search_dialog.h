// The search dialog "Suchen ..." of "Schüler Suchen" and "Weiter Suchen":
// the search text, the radio groups "Suchbereich" ("Vorname", "Name") and
// "Such-Option" ("volle Übereinstimmung", "teilweise Übereinstimmung").
// The dialog only asks; the record list operations search.
#pragma once

#include <QDialog>
#include <optional>

#include "core/interaction.h"

class QLineEdit;
class QRadioButton;

namespace tolka::ui {

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SearchDialog(QWidget* parent);

  // Shows the dialog modally with `last` (the last search text and choices):
  // the request (text cut to 40 characters, Windows-1252) on OK, nothing on
  // "Abbrechen".
  std::optional<core::SearchRequest> Run(const core::SearchRequest& last);

  void accept() override;

 private:
  QLineEdit* edit_;
  QRadioButton* given_names_;
  QRadioButton* surname_;
  QRadioButton* whole_;
  QRadioButton* part_;
  std::string accepted_text_;
};

}  // namespace tolka::ui
