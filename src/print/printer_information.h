// The rows of the printer information window "Information zum aktuellen
// Drucker" (`Tinfodrucker`): labels and values of the current printer's
// device values, so the school can see the unprintable offsets that the page
// origin subtracts and adjust its margins. The Qt layer fills
// `PrinterDeviceValues` from the printer object; the texts are made here.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tolka::print {

// Device technology as the printer reports it (0..6; others are shown as
// unknown with their number).
namespace technology {
inline constexpr int kPlotter = 0;
inline constexpr int kRasterDisplay = 1;
inline constexpr int kRasterPrinter = 2;
inline constexpr int kRasterCamera = 3;
inline constexpr int kCharacterStream = 4;
inline constexpr int kMetafile = 5;
inline constexpr int kDisplayFile = 6;
}  // namespace technology

struct PrinterDeviceValues {
  std::string Name;           // Windows-1252
  std::string DriverVersion;  // shown as it comes
  int Technology = technology::kRasterPrinter;
  int WidthMm = 0;   // printable width
  int HeightMm = 0;  // printable height
  int WidthPx = 0;   // printable width in device pixels
  int HeightPx = 0;  // printable height in device pixels
  int DpiX = 0;      // pixels per inch
  int DpiY = 0;
  int OffsetXPx = 0;  // unprintable left margin
  int OffsetYPx = 0;  // unprintable top margin
  int Brushes = 0;
  int Pens = 0;
  int Markers = 0;
  int Colors = 0;
  std::vector<std::string> Fonts;  // Windows-1252
};

// "Plotter", "Raster-Drucker", ...; another value: "unbekannt (n)".
std::string TechnologyText(int value);

// Rows 0..20 (label, value), then one row per font: six blanks and the
// font's name, and the name. Every font is listed, however many there are.
// Values in millimetres are rounded to the nearest integer; a resolution of
// 0 gives 0 for the values derived from it.
std::vector<std::pair<std::string, std::string>> PrinterInformationRows(
    const PrinterDeviceValues& values);

// "&Drucken..." of the menu "&Datei" prints nothing: after the print dialog
// it only points to the menu "Drucken" (Windows-1252).
const char* UsePrintMenuMessage();

}  // namespace tolka::print
