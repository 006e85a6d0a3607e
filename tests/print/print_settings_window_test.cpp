#include "print/print_settings_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::print {
namespace {

using core::Icon;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;

struct Window {
  TempDir dir;
  core::Directories dirs = core::Directories::AllAt(dir.path());
  PrintSettings in_force;
  PrintSettings work;
  PrintSettingsView view;
  ScriptedInteraction ui;

  Window() {
    ResetPrintSettings(in_force);
    in_force.Margins[0] = 111;
    work = in_force;
    view = ViewOfPrintSettings(work);
  }
  std::filesystem::path File() const { return dir / kPrintSettingsFileName; }
};

TEST(PrintSettingsWindow, ViewShowsMarginsAsIntegersAndNoItemForAnUnknownPrintMode) {
  PrintSettings s;
  ResetPrintSettings(s);
  s.Margins[45] = -20;
  s.PrintMode = 4;
  EXPECT_EQ(ViewOfPrintSettings(s).Margins[45], "-20");
  EXPECT_EQ(ViewOfPrintSettings(s).PrintMode, 4);
  s.PrintMode = 7;
  EXPECT_EQ(ViewOfPrintSettings(s).PrintMode, -1);
}

TEST(PrintSettingsWindow, EveryMarginIsCheckedBeforeAnyIsStored) {
  Window w;
  w.view.Margins[0] = "5";       // would be stored first
  w.view.Margins[30] = "12abc";  // "interne Formulare", Seite 2, links
  const PrintSettings before = w.work;
  const auto error = TakeOverPrintSettings(w.work, w.view);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Index, 30u);
  EXPECT_NE(error->Message.find("Für die Ränder sind nur ganze Zahlen"), std::string::npos);
  EXPECT_NE(error->Message.find("interne Formulare, Seite 2, links"), std::string::npos);
  EXPECT_EQ(EncodePrintSettings(w.work), EncodePrintSettings(before));
}

TEST(PrintSettingsWindow, MarginRangeIsMinus9999To9999) {
  Window w;
  w.view.Margins[1] = "-9999";
  w.view.Margins[2] = "9999";
  w.view.Margins[3] = "12,5";  // rounds to the even neighbour
  w.view.Margins[4] = "";      // an empty field is 0
  EXPECT_FALSE(TakeOverPrintSettings(w.work, w.view));
  EXPECT_EQ(w.work.Margins[1], -9999);
  EXPECT_EQ(w.work.Margins[2], 9999);
  EXPECT_EQ(w.work.Margins[3], 12);
  EXPECT_EQ(w.work.Margins[4], 0);

  for (const char* text : {"10000", "-10000", "2147483648"}) {
    Window v;
    v.view.Margins[45] = text;
    const auto error = TakeOverPrintSettings(v.work, v.view);
    ASSERT_TRUE(error) << text;
    EXPECT_EQ(error->Index, 45u);
    EXPECT_NE(error->Message.find("Reserve, Seite 4, oben"), std::string::npos);
    EXPECT_EQ(v.work.Margins[45], 150);
  }
}

TEST(PrintSettingsWindow, PrintModeWithoutSelectionIsKept) {
  Window w;
  w.work.PrintMode = 9;
  w.view = ViewOfPrintSettings(w.work);
  w.view.CompensatedFonts = true;
  EXPECT_FALSE(TakeOverPrintSettings(w.work, w.view));
  EXPECT_EQ(w.work.PrintMode, 9);
  EXPECT_EQ(w.work.CompensatedFonts, 1);
  w.view.PrintMode = 3;
  EXPECT_FALSE(TakeOverPrintSettings(w.work, w.view));
  EXPECT_EQ(w.work.PrintMode, 3);
}

TEST(PrintSettingsWindow, ApplyWritesTheFileThenPutsTheSettingsInForce) {
  Window w;
  w.view.Margins[16] = "-35";
  w.view.FrameOption = false;
  w.ui.ExpectProgress();
  EXPECT_FALSE(ApplyPrintSettings(w.in_force, w.work, w.view, w.dirs, true, w.ui));
  EXPECT_TRUE(w.ui.Done());
  EXPECT_EQ(w.in_force.Margins[16], -35);
  EXPECT_EQ(w.in_force.FrameOption, 0);
  const auto bytes = ReadAll(w.File());
  ASSERT_EQ(bytes.size(), print_layout::kRecordSize);
  EXPECT_EQ(DecodePrintSettings(bytes).Margins[16], -35);
}

TEST(PrintSettingsWindow, RefusedFieldWritesNothingAndChangesNothing) {
  Window w;
  w.view.Margins[16] = "-35";
  w.view.Margins[20] = "1e3";
  const auto error = ApplyPrintSettings(w.in_force, w.work, w.view, w.dirs, true, w.ui);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Index, 20u);
  EXPECT_FALSE(std::filesystem::exists(w.File()));
  EXPECT_EQ(w.in_force.Margins[16], 150);
  EXPECT_EQ(w.work.Margins[16], 150);
}

TEST(PrintSettingsWindow, FailedWriteLeavesTheSettingsInForce) {
  Window w;
  w.view.Margins[16] = "-35";
  {
    test::FileSizeLimit limit(10);
    EXPECT_THROW(ApplyPrintSettings(w.in_force, w.work, w.view, w.dirs, true, w.ui), IoError);
  }
  EXPECT_EQ(w.in_force.Margins[16], 150);
  EXPECT_EQ(w.work.Margins[16], 150);
  EXPECT_FALSE(std::filesystem::exists(w.File()));
}

TEST(PrintSettingsWindow, OpeningReloadsIntoACopy) {
  Window w;
  PrintSettings on_disk;
  ResetPrintSettings(on_disk);
  on_disk.Margins[5] = 77;
  test::WriteAll(w.File(), EncodePrintSettings(on_disk));
  const PrintSettings shown = OpenPrintSettings(w.in_force, w.dirs, true, w.ui);
  EXPECT_EQ(shown.Margins[5], 77);
  EXPECT_EQ(w.in_force.Margins[5], 150);
  EXPECT_EQ(w.in_force.Margins[0], 111);
}

TEST(PrintSettingsWindow, FileErrorOnOpeningShowsTheSettingsInForce) {
  Window w;
  PrintSettings on_disk;
  ResetPrintSettings(on_disk);
  on_disk.Margins[0] = 77;
  test::WriteAll(w.File(), EncodePrintSettings(on_disk));
  w.ui.ExpectAsk(Icon::Error, "konnte nicht gespeichert werden");
  PrintSettings shown;
  {
    // The backup DRKEINST.BAK cannot be written: the load ends with an error.
    test::FileSizeLimit limit(10);
    shown = OpenPrintSettings(w.in_force, w.dirs, true, w.ui);
  }
  EXPECT_TRUE(w.ui.Done());
  EXPECT_EQ(shown.Margins[0], 111);
  EXPECT_EQ(w.in_force.Margins[0], 111);
}

TEST(PrintSettingsWindow, WrongSizeOnOpeningShowsTheDefaultsButKeepsTheSettingsInForce) {
  Window w;
  test::WriteAll(w.File(), std::vector<uint8_t>(289, 0));
  w.ui.ExpectAsk(Icon::Error, core::kWrongSize);
  const PrintSettings shown = OpenPrintSettings(w.in_force, w.dirs, true, w.ui);
  EXPECT_EQ(shown.Margins[0], 150);
  EXPECT_EQ(w.in_force.Margins[0], 111);
}

}  // namespace
}  // namespace tolka::print
