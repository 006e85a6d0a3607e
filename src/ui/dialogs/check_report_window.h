// The check report `TFehlerfenster`: the protocol of the raised and noted
// check items of the last command, with the verdict. Label lines are black,
// the fail text of an error red, of a hint blue; the verdict field reads
// "Test nicht bestanden!" in red or "Mit Hinweisen bestanden!" in blue.
// "Beenden" closes the window with result OK.
#pragma once

#include <QDialog>

#include "rules/check_report.h"

class QLabel;
class QLineEdit;
class QTextEdit;

namespace tolka::ui {

class CheckReportWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CheckReportWindow(QWidget* parent = nullptr);

  // Fills caption, student, protocol and verdict from `report`.
  void ShowReport(const rules::CheckReport& report);

  QString StudentText() const;
  QString VerdictText() const;
  QTextEdit* Protocol() const { return protocol_; }
  QLineEdit* Verdict() const { return verdict_; }

 private:
  QLineEdit* student_ = nullptr;
  QTextEdit* protocol_ = nullptr;
  QLineEdit* verdict_ = nullptr;
};

// The colour of a report role: black, red or blue.
QColor ReportRoleColour(rules::ReportRole role);

}  // namespace tolka::ui
