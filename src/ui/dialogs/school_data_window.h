// The window "Schuldaten" for SCHULE.INI: the school's name, its name for
// certificates, the short name for report footers, the school number and
// the school's key (masked; the key derives the passwords of the subject
// and exam settings). "OK" writes SCHULE.INI in the settings directory and
// then puts the data in force; "Abbrechen" changes nothing.
#pragma once

#include <QDialog>

#include "app/app_state.h"
#include "core/interaction.h"

class QCheckBox;
class QLineEdit;

namespace tolka::ui {

class SchoolDataWindow : public QDialog {
  Q_OBJECT

 public:
  SchoolDataWindow(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // Shows the school data in force modally; true when OK wrote them.
  bool Run();

  void accept() override;

 private:
  app::AppState& state_;
  core::Interaction& ui_;
  QLineEdit* name_;
  QLineEdit* certificate_name_;
  QLineEdit* short_name_;
  QLineEdit* number_;
  QLineEdit* key_;
  QCheckBox* show_key_;
};

}  // namespace tolka::ui
