#include "print/printer_information.h"

#include <gtest/gtest.h>

namespace tolka::print {
namespace {

PrinterDeviceValues Laser() {
  PrinterDeviceValues v;
  v.Name = "Büro";
  v.DriverVersion = "Generic PCL 6";
  v.WidthMm = 203;
  v.HeightMm = 290;
  v.WidthPx = 4800;
  v.HeightPx = 6840;
  v.DpiX = 600;
  v.DpiY = 300;
  v.OffsetXPx = 100;  // 4.23 mm
  v.OffsetYPx = 60;   // 5.08 mm
  v.Fonts = {"Arial", "Courier New"};
  return v;
}

TEST(PrinterInformation, RowsDeriveMillimetresAndResolutionRounded) {
  const auto rows = PrinterInformationRows(Laser());
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Druckername: ", "Büro"}));
  EXPECT_EQ(rows[2].second, "Raster-Drucker");
  EXPECT_EQ(rows[4].first, "Druckhöhe [mm]: ");
  EXPECT_EQ(rows[5].second, "Hochformat");
  EXPECT_EQ(rows[10].second, "24");  // 600 / 25.4 = 23.6
  EXPECT_EQ(rows[11].second, "12");  // 300 / 25.4 = 11.8
  EXPECT_EQ(rows[14].second, "4");   // 100 x 25.4 / 600
  EXPECT_EQ(rows[15].second, "5");   // 60 x 25.4 / 300
  EXPECT_EQ(rows[20].second, "2");
  EXPECT_EQ(rows[21], (std::pair<std::string, std::string>{"      Arial", "Arial"}));
  EXPECT_EQ(rows[22].second, "Courier New");
}

TEST(PrinterInformation, OrientationAndUnknownValues) {
  PrinterDeviceValues v = Laser();
  v.WidthMm = 290;
  v.HeightMm = 203;
  EXPECT_EQ(PrinterInformationRows(v)[5].second, "Querformat");
  v.HeightMm = 290;
  EXPECT_EQ(PrinterInformationRows(v)[5].second, "quadratisches Format");
  v.Technology = 9;
  EXPECT_EQ(PrinterInformationRows(v)[2].second, "unbekannt (9)");
  v.DpiX = 0;  // no resolution: no division by zero
  EXPECT_EQ(PrinterInformationRows(v)[14].second, "0");
}

TEST(PrinterInformation, EveryFontIsListed) {
  PrinterDeviceValues v = Laser();
  v.Fonts.assign(300, "Schrift");
  const auto rows = PrinterInformationRows(v);
  EXPECT_EQ(rows.size(), 321u);
  EXPECT_EQ(rows[20].second, "300");
}

}  // namespace
}  // namespace tolka::print
