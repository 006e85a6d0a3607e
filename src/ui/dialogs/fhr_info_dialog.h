// The window `TFHRzusinfoForm` "zusätzlich notwendige Informationen": what
// the FHR certificate needs beyond the student record, asked before every
// FHR certificate: the school type ("Schultyp", entry 8 strikes out the
// other type) and the "Name der Schule (Fachrichtung)" (entry 9). OK lets
// printing go on, Abbrechen stops it.
#pragma once

#include <QDialog>
#include <string>

#include "print/fhr_info.h"

class QButtonGroup;
class QLineEdit;

namespace tolka::ui {

class FhrInfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FhrInfoDialog(QWidget* parent = nullptr);

  // Shows `info` and runs the dialog; on OK `info` holds what was chosen
  // and true is returned.
  bool Run(print::FhrInfo& info);

  void accept() override;

 private:
  QButtonGroup* school_type_ = nullptr;
  QLineEdit* subject_ = nullptr;
  std::string accepted_subject_;
};

}  // namespace tolka::ui
