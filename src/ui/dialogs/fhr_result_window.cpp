#include "ui/dialogs/fhr_result_window.h"

#include <QLabel>

#include "rules/check_report.h"
#include "ui/qt_text.h"

namespace tolka::ui {

FhrResultWindow::FhrResultWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFHRErgForm"));
  setModal(true);
  grid_ = BuildResultGrid(
      this, {{QStringLiteral("erreichte Punkte"), rules::kColumnCurrent, false},
             {QStringLiteral("bestes - noch -\nerreichbares Ergebnis"), rules::kColumnBest, true}});
  AddCloseButton(this, grid_, QStringLiteral("OK"));
  resize(460, 300);
}

void FhrResultWindow::ShowResult(const std::string& title, const std::string& student,
                                 const rules::ResultTexts& texts) {
  setWindowTitle(FromCore(rules::kResultCaptionPrefix + title));
  FillResultGrid(grid_, student, texts);
  grid_.GradeLabel->setText(FromCore(kGradeLabel));
}

}  // namespace tolka::ui

#include "moc_fhr_result_window.cpp"
