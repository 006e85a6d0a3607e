// The about window "Informationen zum Programm": program name and version,
// the Qt version, and the program, settings and list directories in force.
// Not modal; made once and shown again (the directories are read afresh each
// time it is shown).
#pragma once

#include <QDialog>

#include "core/directories.h"

class QLabel;

namespace tolka::ui {

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  AboutWindow(const core::Directories& dirs, QWidget* parent);

  // Fills the texts and shows the window without blocking.
  void ShowAbout();

  QString Text() const;

 private:
  const core::Directories& dirs_;
  QLabel* text_;
};

}  // namespace tolka::ui
