// The read-only printer information window "Information zum aktuellen
// Drucker" (`Tinfodrucker`): a two-column grid (at least 250 rows, columns
// 200 and 251 pixels wide) with the device values of the current printer and
// a button "Schließen"; the first column widens when its labels need more
// room. The grid is refilled every time the window is shown, so it always
// describes the printer chosen last.
#pragma once

#include <QDialog>

#include "print/printer_information.h"

class QPrinter;
class QTableWidget;

namespace tolka::ui {

// The device values of `printer` as the platform reports them: the printable
// area in millimetres and pixels, the resolution, the unprintable offsets
// (the minimum margins of its page layout) and the fonts available for
// printing. Qt has no device-specific brushes, pens or markers: 0. Colours:
// -1 for more than 256, as printer drivers report a true-colour device.
print::PrinterDeviceValues DeviceValuesOf(QPrinter& printer);

class PrinterInfoWindow : public QDialog {
  Q_OBJECT

 public:
  PrinterInfoWindow(QPrinter& printer, QWidget* parent);

  QTableWidget* Grid() const { return grid_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Fill();

  QPrinter& printer_;
  QTableWidget* grid_;
};

}  // namespace tolka::ui
