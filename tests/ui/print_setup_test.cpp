// The printer commands and the print settings window, driven through the
// main window's menus with the real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "app/startup.h"
#include "core/cp1252.h"
#include "print/print_settings.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/dialogs/print_settings_window.h"
#include "ui/dialogs/printer_info_window.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/screenshot.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using core::Icon;
using test::Child;
using test::Click;
using test::ScriptedInteraction;
using test::TempDir;
using test::WhenModal;

std::string Cp(const char* utf8) { return *core::Utf8ToCp1252(utf8); }

class PrintSetupTest : public ::testing::Test {
 protected:
  PrintSetupTest() {
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    app::StartUp(state_, ui_, dir_.path());
    window_->ShowState();
  }

  QAction* Action(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }
  fs::path SettingsFile() const { return dir_ / print::kPrintSettingsFileName; }
  void WriteSettingsFile(const print::PrintSettings& s) {
    test::WriteAll(SettingsFile(), print::EncodePrintSettings(s));
  }
  static print::PrintSettings Defaults() {
    print::PrintSettings s;
    print::ResetPrintSettings(s);
    return s;
  }

  TempDir dir_;
  app::AppState state_;
  ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(PrintSetupTest, MenusAndToolButtonHoldThePrinterCommands) {
  ASSERT_NE(Action("FilePrint"), nullptr);
  EXPECT_EQ(Action("FilePrint")->text(), QStringLiteral("&Drucken..."));
  EXPECT_EQ(Action("FilePrint")->statusTip(), QStringLiteral("Aktuelle Datei drucken"));
  ASSERT_NE(Action("FilePrintSetup"), nullptr);
  EXPECT_EQ(Action("FilePrintSetup")->text(), QStringLiteral("D&rucker einrichten..."));
  EXPECT_EQ(Action("FilePrintSetup")->statusTip(), QStringLiteral("Druckereinrichtung ändern"));
  ASSERT_NE(Action("PrintSetupButton"), nullptr);
  EXPECT_EQ(Action("PrintSetupButton")->toolTip(), QStringLiteral("Druckereinstellungen"));
  auto* tools = window_->findChild<QMenu*>(QStringLiteral("Werkzeuge1"));
  ASSERT_NE(tools, nullptr);
  EXPECT_TRUE(tools->actions().contains(Action("Druckerinformationen1")));
  auto* settings = window_->findChild<QMenu*>(QStringLiteral("Einstellungen1"));
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(settings->actions().contains(Action("Druckeinstellungen1")));
  EXPECT_EQ(Action("Druckeinstellungen1")->text(), QStringLiteral("Druckeinstellungen"));
}

TEST_F(PrintSetupTest, WindowShowsTheFileAndTakesOverEveryField) {
  print::PrintSettings on_disk = Defaults();
  on_disk.Margins[16] = 42;
  on_disk.PrintMode = 3;
  WriteSettingsFile(on_disk);
  ui_.ExpectProgress();
  bool seen = false;
  WhenModal<PrintSettingsWindow>([&](PrintSettingsWindow* w) {
    seen = true;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Druck-Einstellungen"));
    EXPECT_EQ(w->objectName(), QStringLiteral("TEinstellDrkForm"));
    for (int i = 1; i <= 46; ++i) {
      EXPECT_NE(w->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i)), nullptr) << i;
    }
    EXPECT_EQ(Child<QLineEdit>(w, "Edit17")->text(), QStringLiteral("42"));
    EXPECT_TRUE(Child<QRadioButton>(w, "PrintMode3")->isChecked());
    EXPECT_EQ(Child<QCheckBox>(w, "NoSchoolName")->text(),
              QStringLiteral("kein Schulname drucken"));
    test::SaveScreenshot(w, "print_settings_window");
    Child<QLineEdit>(w, "Edit17")->setText(QStringLiteral("-35"));
    Child<QLineEdit>(w, "Edit46")->setText(QStringLiteral("13,5"));
    Child<QRadioButton>(w, "PrintMode0")->setChecked(true);
    Child<QCheckBox>(w, "CompensatedFonts")->setChecked(true);
    Click(w, "Button3");
  });
  Action("Druckeinstellungen1")->trigger();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(state_.Print.Margins[16], -35);
  EXPECT_EQ(state_.Print.Margins[45], 14);
  EXPECT_EQ(state_.Print.PrintMode, 0);
  EXPECT_EQ(state_.Print.CompensatedFonts, 1);
  const auto written = print::DecodePrintSettings(test::ReadAll(SettingsFile()));
  EXPECT_EQ(written.Margins[16], -35);
  EXPECT_EQ(written.PrintMode, 0);
}

TEST_F(PrintSetupTest, RefusedMarginNamesTheFieldKeepsTheWindowOpenAndWritesNothing) {
  const print::PrintSettings before = state_.Print;
  QString box_title;
  QString box_text;
  bool still_open = false;
  bool focus_on_field = false;
  WhenModal<PrintSettingsWindow>([&](PrintSettingsWindow* w) {
    Child<QLineEdit>(w, "Edit1")->setText(QStringLiteral("5"));
    Child<QLineEdit>(w, "Edit31")->setText(QStringLiteral("12 mm"));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      box_title = box->windowTitle();
      box_text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    Click(w, "Button3");
    still_open = w->isVisible();
    focus_on_field = Child<QLineEdit>(w, "Edit31")->hasFocus() ||
                     w->focusWidget() == Child<QLineEdit>(w, "Edit31");
    Child<QLineEdit>(w, "Edit31")->setText(QStringLiteral("10000"));
    WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    Click(w, "Button3");
    Click(w, "Button2");  // Abbrechen
  });
  Action("Druckeinstellungen1")->trigger();
  EXPECT_EQ(box_title, QStringLiteral("Eingabefehler"));
  EXPECT_TRUE(box_text.startsWith(QStringLiteral("Für die Ränder sind nur ganze Zahlen")));
  EXPECT_TRUE(box_text.contains(QStringLiteral("interne Formulare, Seite 2, links")));
  EXPECT_TRUE(still_open);
  EXPECT_TRUE(focus_on_field);
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_EQ(print::EncodePrintSettings(state_.Print), print::EncodePrintSettings(before));
}

TEST_F(PrintSetupTest, StoredPrintModeOutsideTheItemsShowsNoneAndIsKept) {
  print::PrintSettings on_disk = Defaults();
  on_disk.PrintMode = 9;
  WriteSettingsFile(on_disk);
  ui_.ExpectProgress();
  int checked = -2;
  WhenModal<PrintSettingsWindow>([&](PrintSettingsWindow* w) {
    checked = 0;
    for (int m = 0; m < 5; ++m) {
      if (Child<QRadioButton>(w, QStringLiteral("PrintMode%1").arg(m).toLatin1().constData())
              ->isChecked()) {
        ++checked;
      }
    }
    Click(w, "Button3");
  });
  Action("Druckeinstellungen1")->trigger();
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(print::DecodePrintSettings(test::ReadAll(SettingsFile())).PrintMode, 9);
}

TEST_F(PrintSetupTest, StandardThenAbbrechenChangesNothing) {
  print::PrintSettings on_disk = Defaults();
  on_disk.Margins[0] = 77;
  WriteSettingsFile(on_disk);
  state_.School.SchoolName = "Gymnasium Neustadt";
  const auto bytes_before = test::ReadAll(SettingsFile());
  QString after_standard;
  QString caption;
  WhenModal<PrintSettingsWindow>([&](PrintSettingsWindow* w) {
    caption = Child<QCheckBox>(w, "NoCertificateName")->text();
    Click(w, "Button1");
    after_standard = Child<QLineEdit>(w, "Edit1")->text();
    Click(w, "Button2");
  });
  Action("Druckeinstellungen1")->trigger();
  EXPECT_EQ(caption, QStringLiteral("Reserve 2"));
  EXPECT_EQ(after_standard, QStringLiteral("150"));
  EXPECT_EQ(test::ReadAll(SettingsFile()), bytes_before);
  // The settings in force are the ones of the start-up.
  EXPECT_EQ(state_.Print.Margins[0], 150);
}

TEST_F(PrintSetupTest, PrinterInformationListsTheDeviceValues) {
  int rows = 0;
  QString first_label;
  QString fonts_label;
  QString orientation;
  WhenModal<PrinterInfoWindow>([&](PrinterInfoWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Information zum aktuellen Drucker"));
    rows = w->Grid()->rowCount();
    first_label = w->Grid()->item(0, 0)->text();
    fonts_label = w->Grid()->item(20, 0)->text();
    orientation = w->Grid()->item(5, 1)->text();
    test::SaveScreenshot(w, "printer_info_window");
    EXPECT_GE(w->Grid()->columnWidth(0), 200);
    EXPECT_EQ(w->Grid()->columnWidth(1), 251);
    Click(w, "CloseButton");
  });
  Action("Druckerinformationen1")->trigger();
  EXPECT_GE(rows, 250);
  EXPECT_EQ(first_label, QStringLiteral("Druckername: "));
  EXPECT_EQ(fonts_label, QStringLiteral("interne Schriften: "));
  EXPECT_EQ(orientation, QStringLiteral("Hochformat"));  // A4 portrait by default
}

TEST_F(PrintSetupTest, DruckenShowsOnlyTheMessageAfterTheDialog) {
  WhenModal<QPrintDialog>([](QPrintDialog* d) { d->reject(); });
  Action("FilePrint")->trigger();
  EXPECT_TRUE(ui_.Done());  // Abbrechen: no message

  ui_.ExpectAsk(Icon::Information, Cp("Verwenden Sie zum Ausdrucken\rkonkreter Schülerdaten"));
  WhenModal<QPrintDialog>([](QPrintDialog* d) { d->accept(); });
  Action("FilePrint")->trigger();
  EXPECT_TRUE(ui_.Done());
}

TEST_F(PrintSetupTest, PrinterSetUpWorksOnThePrinterOfLaterJobs) {
  QPrinter* set_up = nullptr;
  WhenModal<QPrintDialog>([&](QPrintDialog* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Drucker einrichten"));
    set_up = d->printer();
    d->accept();
  });
  Action("PrintSetupButton")->trigger();
  EXPECT_EQ(set_up, &window_->Printer());
  QPrinter* printed_with = nullptr;
  WhenModal<QPrintDialog>([&](QPrintDialog* d) {
    printed_with = d->printer();
    d->reject();
  });
  Action("FilePrint")->trigger();
  EXPECT_EQ(printed_with, set_up);
}

}  // namespace
}  // namespace tolka::ui
