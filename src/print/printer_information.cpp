#include "print/printer_information.h"

#include <array>
#include <cmath>

namespace tolka::print {

namespace {

std::string Number(long value) { return std::to_string(value); }

// value x 25.4 / dpi (pixels to millimetres) or dpi / 25.4, rounded.
long Rounded(double value) { return std::lround(value); }

}  // namespace

const char* UsePrintMenuMessage() {
  return "Verwenden Sie zum Ausdrucken\rkonkreter Schülerdaten immer\rden Hauptmenüpunkte "
         "\"Drucken\"!";
}

std::string TechnologyText(int value) {
  static constexpr std::array<const char*, 7> kTexts = {"Plotter",
                                                        "Raster-Bildschirm",
                                                        "Raster-Drucker",
                                                        "Scanner (Raster-Kamera)",
                                                        "Zeichenfolge (z.B.: Typenrad-Drucker",
                                                        "Meta-Datei",
                                                        "Bildschirm-Datei (BMP"};
  if (value >= 0 && value < static_cast<int>(kTexts.size())) return kTexts[value];
  return "unbekannt (" + Number(value) + ")";
}

std::vector<std::pair<std::string, std::string>> PrinterInformationRows(
    const PrinterDeviceValues& v) {
  const auto per_mm = [](int dpi) { return Number(Rounded(dpi / 25.4)); };
  const auto to_mm = [](int px, int dpi) {
    return dpi == 0 ? std::string("0") : Number(Rounded(px * 25.4 / dpi));
  };
  const char* orientation = v.WidthMm < v.HeightMm   ? "Hochformat"
                            : v.WidthMm > v.HeightMm ? "Querformat"
                                                     : "quadratisches Format";
  std::vector<std::pair<std::string, std::string>> rows = {
      {"Druckername: ", v.Name},
      {"Treiberversion: ", v.DriverVersion},
      {"Drucktechnologie: ", TechnologyText(v.Technology)},
      {"Druckbreite [mm]: ", Number(v.WidthMm)},
      {"Druckhöhe [mm]: ", Number(v.HeightMm)},
      {"  ==>  Papierausrichtung: ", orientation},
      {"Druckbreite [Pixel]: ", Number(v.WidthPx)},
      {"Druckhöhe [Pixel]: ", Number(v.HeightPx)},
      {"DPI [Pixel/Zoll] horizontal: ", Number(v.DpiX)},
      {"DPI [Pixel/Zoll] vertikal: ", Number(v.DpiY)},
      {"  ==>  Auflösung [Pixel/mm] horizontal: ", per_mm(v.DpiX)},
      {"  ==>  Auflösung [Pixel/mm] vertikal: ", per_mm(v.DpiY)},
      {"Linker SeitenOffset [Pixel]: ", Number(v.OffsetXPx)},
      {"Oberer SeitenOffset [Pixel]: ", Number(v.OffsetYPx)},
      {"  ==>  Linker SeitenOffset [mm]: ", to_mm(v.OffsetXPx, v.DpiX)},
      {"  ==>  Oberer SeitenOffset [mm]: ", to_mm(v.OffsetYPx, v.DpiY)},
      {"Pinsel: ", Number(v.Brushes)},
      {"Stifte: ", Number(v.Pens)},
      {"Markierer: ", Number(v.Markers)},
      {"Farben: ", Number(v.Colors)},
      {"interne Schriften: ", Number(static_cast<long>(v.Fonts.size()))},
  };
  for (const auto& font : v.Fonts) rows.emplace_back("      " + font, font);
  return rows;
}

}  // namespace tolka::print
