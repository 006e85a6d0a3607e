// The pacing dialogs: a progress bar 0..15 (step 1) set to 1 when shown, a
// step timer that advances it and a close timer that ends the modal dialog.
// They do not reflect real progress; they only let the user see that a file
// was written. Two pacings use this class: the progress dialog
// `Tfortschrittdlg` after a settings file (150 ms steps, closes after
// 2000 ms) and the shorter saving window after a data file.
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

class QProgressBar;

namespace tolka::ui {

struct Pacing {
  QString object_name;
  QString caption;
  QString label;
  int step_ms = 150;
  int close_ms = 2000;
};

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  ProgressDialog(const Pacing& pacing, QWidget* parent);

  // `Tfortschrittdlg`: "Speichern ...", "Speichern der Informationen:".
  static Pacing SettingsSaved();
  // The saving window "Speichern ..." after a data file was written.
  static Pacing DataFileSaved();

  // Shows the dialog modally until its close timer ends it.
  void Run();

  int StepInterval() const { return step_timer_.interval(); }
  int CloseInterval() const { return close_timer_.interval(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Step();

  QProgressBar* bar_;
  QTimer step_timer_;
  QTimer close_timer_;
};

}  // namespace tolka::ui
