// The menu "Einstellungen", the settings windows and the menu "&Hilfe",
// driven through the main window with the real widgets; messages and the
// password dialogs are scripted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTextBrowser>
#include <QToolBar>

#include "app/startup.h"
#include "core/cp1252.h"
#include "settings/general_settings_window.h"
#include "settings/name_lists.h"
#include "settings/settings_passwords.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/exam_settings_window.h"
#include "ui/dialogs/general_settings_window.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/name_list_window.h"
#include "ui/dialogs/password_change_dialog.h"
#include "ui/dialogs/school_data_window.h"
#include "ui/dialogs/settings_password_dialog.h"
#include "ui/dialogs/settings_transfer_window.h"
#include "ui/dialogs/subject_settings_window.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/screenshot.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using core::SettingsPasswordKind;
using test::Child;
using test::Click;
using test::SaveScreenshot;
using test::ScriptedInteraction;
using test::TempDir;
using test::Type;
using test::WhenModal;

std::string Cp(const char* utf8) { return *core::Utf8ToCp1252(utf8); }

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

class SettingsWindowsTest : public ::testing::Test {
 protected:
  SettingsWindowsTest() {
    auto dirs = core::Directories::AllAt(dir_.path());
    settings::SchoolData school;
    school.SchoolName = "Gymnasium Neustadt";
    school.SchoolNumber = "4711";
    school.SchoolKey = "Schulschluessel";
    settings::SaveSchoolData(school, dirs, true);
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    app::StartUp(state_, ui_, dir_.path());
    window_->ShowState();
  }

  QAction* Action(const char* name) {
    QAction* action = window_->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  std::string SubjectPassword() const { return settings::SubjectSettingsPassword(state_.School); }
  std::string ExamPassword() const { return settings::ExamSettingsPassword(state_.School); }

  TempDir dir_;
  app::AppState state_;
  ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(SettingsWindowsTest, MenusAndToolButtons) {
  const auto* menu = window_->findChild<QMenu*>(QStringLiteral("Einstellungen1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(
      Captions(menu),
      (QStringList{QStringLiteral("Projektkurse"), QStringLiteral("Klassen/Kurse"),
                   QStringLiteral("Tutoren/Lehrer/Mentoren"),
                   QStringLiteral("allgemeine Einstellungen"), QStringLiteral("Schuldaten ..."),
                   QStringLiteral("Druckeinstellungen"), QStringLiteral("Fächereinstellungen"),
                   QStringLiteral("Abitureinstellungen"), QStringLiteral("exportieren..."),
                   QStringLiteral("importieren...")}));
  const auto* help = window_->findChild<QMenu*>(QStringLiteral("Hilfe1"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(Captions(help), (QStringList{QStringLiteral("Hilfe zu Tolka 3.x für Windows"),
                                         QStringLiteral("Informationen zum Programm...")}));
  EXPECT_EQ(Action("HelpContents")->statusTip(),
            QStringLiteral("Inhaltsübersicht der Hilfe anzeigen"));
  EXPECT_EQ(Action("HelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(Action("HelpAbout")->statusTip(), QStringLiteral("Programminformationen anzeigen"));
  EXPECT_EQ(Action("HelpContentsButton")->toolTip(), QStringLiteral("Inhalt der Hilfe"));
  EXPECT_EQ(Action("HelpAboutButton")->toolTip(), QStringLiteral("Info"));
  // At the window's width the tool bar still shows "Beenden" and the
  // modified box (nothing moves into the overflow menu).
  window_->show();
  auto* bar = window_->findChild<QToolBar*>();
  ASSERT_NE(bar, nullptr);
  QApplication::processEvents();
  SaveScreenshot(window_.get(), "main_window");
  QAction* exit = bar->actions().at(bar->actions().size() - 2);
  EXPECT_EQ(exit->statusTip(), QStringLiteral("Beenden"));
  ASSERT_NE(bar->widgetForAction(exit), nullptr);
  EXPECT_TRUE(bar->widgetForAction(exit)->isVisible());
  window_->hide();
}

TEST_F(SettingsWindowsTest, PasswordFieldsTakeAtMostFifteenCharacters) {
  SettingsPasswordDialog query(SettingsPasswordKind::Configuration, window_.get());
  EXPECT_EQ(Child<QLineEdit>(&query, "PasswordEdit")->maxLength(), 15);
  EXPECT_EQ(Child<QLineEdit>(&query, "PasswordEdit")->echoMode(), QLineEdit::Password);
  PasswordChangeDialog change(window_.get());
  EXPECT_EQ(Child<QLineEdit>(&change, "FirstEdit")->maxLength(), 15);
  EXPECT_EQ(Child<QLineEdit>(&change, "SecondEdit")->maxLength(), 15);
  // Every character shows as "*".
  auto* edit = Child<QLineEdit>(&query, "PasswordEdit");
  edit->setText(QStringLiteral("abc"));
  EXPECT_EQ(edit->displayText(), QStringLiteral("***"));
  Child<QLineEdit>(&change, "FirstEdit")->setText(QStringLiteral("abcd"));
  EXPECT_EQ(Child<QLineEdit>(&change, "FirstEdit")->displayText(), QStringLiteral("****"));
}

// --- Fächereinstellungen --------------------------------------------------

TEST_F(SettingsWindowsTest, SubjectWindowNeedsItsPassword) {
  ui_.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, "falsch");
  Action("Fchereinstellungen1")->trigger();  // no window comes
  ui_.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, std::nullopt);
  Action("Fchereinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
}

TEST_F(SettingsWindowsTest, SubjectWindowFailingFieldChangesNothingAndCancelRestores) {
  const auto before = settings::EncodeSubjectCatalogue(state_.Catalogue);
  ui_.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, SubjectPassword())
      .ExpectAsk(Icon::Error, Cp("'x' ist kein gültiger Integerwert"))
      .ExpectAsk(Icon::Error, "Nr. 3");
  bool focus_on_field = false;
  int spin_after_refusal = 0;
  WhenModal<SubjectSettingsWindow>([&](SubjectSettingsWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Fächereinstellungen"));
    SaveScreenshot(w, "subject_settings_window");
    EXPECT_EQ(Child<QLineEdit>(w, "SubjectNameEdit")->text(),
              QStringLiteral("Arbeit-Wirtschaft-Technik"));
    Type(w, "SubjectNameEdit", QStringLiteral("AWT"));
    Type(w, "HoursBasicEdit", QStringLiteral("x"));
    Child<QSpinBox>(w, "NumberSpin")->setValue(2);  // refused: stays on 1
    spin_after_refusal = Child<QSpinBox>(w, "NumberSpin")->value();
    focus_on_field = w->focusWidget() == Child<QLineEdit>(w, "HoursBasicEdit");
    Type(w, "HoursBasicEdit", QStringLiteral("2"));
    Child<QSpinBox>(w, "NumberSpin")->setValue(2);         // taken over into the copy
    Type(w, "SubjectNameEdit", QStringLiteral("Chemie"));  // the name of number 3
    Click(w, "OkButton");
    Click(w, "CancelButton");
  });
  Action("Fchereinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(spin_after_refusal, 1);
  EXPECT_TRUE(focus_on_field);
  // "AWT" was taken over into the window's copy only.
  EXPECT_EQ(settings::EncodeSubjectCatalogue(state_.Catalogue), before);
  EXPECT_FALSE(fs::exists(dir_ / "FachDef.DAT"));
}

TEST_F(SettingsWindowsTest, SubjectWindowOkSavesRebuildsListsAndCountsStudents) {
  auto& student = state_.Data.Table.At(0);
  student.Surname = "Adam";
  student.CourseChoices[2].Subject = "Biologie";
  window_->ShowState();
  ui_.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, SubjectPassword())
      .ExpectAsk(Icon::Information, Cp("1 Schüler der aktuellen Datei verwendet"));
  WhenModal<SubjectSettingsWindow>([&](SubjectSettingsWindow* w) {
    Child<QSpinBox>(w, "NumberSpin")->setValue(2);
    Type(w, "SubjectNameEdit", QStringLiteral("Biologie bilingual"));
    Click(w, "OkButton");
  });
  Action("Fchereinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(state_.Catalogue.Entries[2].SubjectName, "Biologie bilingual");
  EXPECT_TRUE(fs::exists(dir_ / "FachDef.DAT"));

  // The current number is kept between openings.
  ui_.ExpectSettingsPassword(SettingsPasswordKind::SubjectSettings, SubjectPassword());
  int number = 0;
  WhenModal<SubjectSettingsWindow>([&](SubjectSettingsWindow* w) {
    number = Child<QSpinBox>(w, "NumberSpin")->value();
    Click(w, "CancelButton");
  });
  Action("Fchereinstellungen1")->trigger();
  EXPECT_EQ(number, 2);
}

// --- Abitureinstellungen --------------------------------------------------

TEST_F(SettingsWindowsTest, ExamWindowRefusesAllOrNothingAndKeepsUneditedValues) {
  state_.Exam.MinHoursArea3 = 6.75;  // shown as "6,8"
  ui_.ExpectSettingsPassword(SettingsPasswordKind::ExamSettings, ExamPassword())
      .ExpectAsk(Icon::Error, Cp("'5.5' ist kein gültiger Gleitkommawert"));
  bool focus_on_field = false;
  WhenModal<ExamSettingsWindow>([&](ExamSettingsWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Abitureinstellungen"));
    SaveScreenshot(w, "exam_settings_window");
    EXPECT_EQ(Child<QLineEdit>(w, "MinHoursArea3Edit")->text(), QStringLiteral("6,8"));
    Type(w, "MaxBasicCoursesEdit", QStringLiteral("13"));
    Type(w, "MinHoursArea2Edit", QStringLiteral("5.5"));
    Click(w, "SaveButton");
    focus_on_field = w->focusWidget() == Child<QLineEdit>(w, "MinHoursArea2Edit");
    EXPECT_EQ(state_.Exam.MaxBasicCourses, 12);  // nothing stored
    Type(w, "MinHoursArea2Edit", QStringLiteral("5,5"));
    Click(w, "SaveButton");
  });
  Action("Abitureinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(focus_on_field);
  EXPECT_EQ(state_.Exam.MaxBasicCourses, 13);
  EXPECT_EQ(state_.Exam.MinHoursArea3, 6.75);
  const auto written = settings::DecodeExamSettings(test::ReadAll(dir_ / "AbiDef.DAT"));
  EXPECT_EQ(written.MinHoursArea3, 6.75);
  EXPECT_EQ(written.Description.substr(0, 20), "Gymnasium Neustadt; ");
}

TEST_F(SettingsWindowsTest, ExamWindowStandardWritesTheBuiltInValues) {
  state_.Exam.MaxBasicCourses = 14;
  ui_.ExpectSettingsPassword(SettingsPasswordKind::ExamSettings, ExamPassword());
  WhenModal<ExamSettingsWindow>([](ExamSettingsWindow* w) { Click(w, "StandardButton"); });
  Action("Abitureinstellungen1")->trigger();
  EXPECT_EQ(state_.Exam.MaxBasicCourses, 12);
  EXPECT_EQ(settings::DecodeExamSettings(test::ReadAll(dir_ / "AbiDef.DAT")).MaxBasicCourses, 12);
}

// --- allgemeine Einstellungen ---------------------------------------------

TEST_F(SettingsWindowsTest, GeneralWindowWrongPasswordKeepsProtectedOptions) {
  state_.General.MultiLevelSecurity = 1;
  state_.General.CertificatePrinting = 1;
  state_.General.ConfigPassword = "Schule42";
  state_.LoadedProtected = settings::ProtectedOptionsOf(state_.General);
  ui_.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "schule42")
      .ExpectAsk(Icon::Error, settings::kNotAllowedToChange)
      .ExpectProgress();
  WhenModal<GeneralSettingsWindow>([&](GeneralSettingsWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Einstellungen"));
    SaveScreenshot(w, "general_settings_window");
    EXPECT_TRUE(
        Child<QLabel>(w, "ReadFromLabel")->text().startsWith(QStringLiteral("gelesen aus: ")));
    Child<QCheckBox>(w, "CertificatePrintingBox")->setChecked(false);
    Child<QCheckBox>(w, "EncryptDataBox")->setChecked(true);
    Click(w, "TakeOverButton");
  });
  Action("allgemeineEinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(state_.General.CertificatePrinting, 1);
  EXPECT_EQ(state_.General.EncryptData, 1);
}

TEST_F(SettingsWindowsTest, GeneralWindowPasswordChangeNeedsUebernehmen) {
  state_.General.ConfigPassword = "Schule42";
  ui_.ExpectSettingsPassword(SettingsPasswordKind::Configuration, "Schule42")
      .ExpectPasswordChange(core::PasswordDefinitionAnswer{"Neu12345", "Neu12345"})
      .ExpectAsk(Icon::Information, "NICHT gespeichert");
  bool box_ticked = false;
  WhenModal<GeneralSettingsWindow>([&](GeneralSettingsWindow* w) {
    Click(w, "PasswordButton");
    box_ticked = Child<QCheckBox>(w, "MultiLevelSecurityBox")->isChecked();
    Click(w, "CancelButton");
  });
  Action("allgemeineEinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(box_ticked);
  EXPECT_EQ(state_.General.ConfigPassword, "Schule42");
  EXPECT_EQ(state_.General.MultiLevelSecurity, 0);
  EXPECT_FALSE(fs::exists(dir_ / "ABIEINST.DAT"));
}

TEST_F(SettingsWindowsTest, GeneralWindowSwitchingSecurityOnNeedsANewPassword) {
  state_.General.Publisher = 9;
  ui_.ExpectPasswordChange(std::nullopt)
      .ExpectAsk(Icon::Information, settings::kMultiLevelSecurityNotSwitchedOn)
      .ExpectProgress();
  int checked_publishers = -1;
  WhenModal<GeneralSettingsWindow>([&](GeneralSettingsWindow* w) {
    checked_publishers = 0;
    for (QRadioButton* radio : w->findChildren<QRadioButton*>()) {
      checked_publishers += radio->isChecked() ? 1 : 0;
    }
    Child<QCheckBox>(w, "MultiLevelSecurityBox")->setChecked(true);
    Click(w, "TakeOverButton");
  });
  Action("allgemeineEinstellungen1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(checked_publishers, 0);
  EXPECT_EQ(state_.General.MultiLevelSecurity, 0);
  EXPECT_EQ(state_.General.Publisher, 9);
  EXPECT_EQ(settings::DecodeGeneralSettings(test::ReadAll(dir_ / "ABIEINST.DAT")).Publisher, 9);
}

// --- list editors ----------------------------------------------------------

TEST_F(SettingsWindowsTest, ClassListLimitsEntriesAndFeedsTheEditor) {
  ui_.ExpectAsk(Icon::Error, "10 Zeichen");
  QStringList shown;
  WhenModal<NameListWindow>([&](NameListWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Klassenliste der Schule"));
    Type(w, "EntryEdit", QStringLiteral("12345678901"));
    Click(w, "AddButton");
    Type(w, "EntryEdit", QStringLiteral("13a"));
    Click(w, "AddButton");
    Click(w, "AddButton");  // already there: nothing happens
    auto* list = Child<QListWidget>(w, "EntryList");
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    SaveScreenshot(w, "class_list_window");
    Click(w, "FinishButton");
  });
  Action("KlassenKurse1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(shown, (QStringList{QStringLiteral("   - - -"), QStringLiteral("Test"),
                                QStringLiteral("13a")}));
  auto* box = window_->findChild<QComboBox*>(QStringLiteral("ClassName"));
  ASSERT_NE(box, nullptr);
  EXPECT_GE(box->findText(QStringLiteral("13a")), 0);
}

TEST_F(SettingsWindowsTest, TutorListDeleteAndAbbrechenLeaveTheFile) {
  QStringList after_delete;
  WhenModal<NameListWindow>([&](NameListWindow* w) {
    auto* list = Child<QListWidget>(w, "EntryList");
    list->setCurrentRow(1);
    Click(w, "DeleteButton");
    for (int i = 0; i < list->count(); ++i) after_delete << list->item(i)->text();
    Click(w, "CancelButton");
  });
  Action("Tutoren1")->trigger();
  EXPECT_EQ(after_delete, QStringList{QStringLiteral("   - - -")});
  // The file with the default entries was written when the editor opened.
  const auto entries = settings::ReadNameList(settings::NameListKind::Tutors, state_.Dirs);
  ASSERT_TRUE(entries);
  EXPECT_EQ(entries->size(), 2u);
}

// --- Schuldaten --------------------------------------------------------------

TEST_F(SettingsWindowsTest, SchoolDataWindowWritesSchuleIni) {
  WhenModal<SchoolDataWindow>([&](SchoolDataWindow* w) {
    EXPECT_EQ(Child<QLineEdit>(w, "SchoolKeyEdit")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Child<QLineEdit>(w, "SchoolKeyEdit")->displayText(), QString(15, QLatin1Char('*')));
    SaveScreenshot(w, "school_data_window");
    Type(w, "SchoolNameEdit", QStringLiteral("Gymnasium am Stadtpark"));
    Type(w, "SchoolKeyEdit", QStringLiteral("Neuer Schlüssel"));
    Click(w, "OkButton");
  });
  Action("Schuldaten1")->trigger();
  EXPECT_EQ(state_.School.SchoolName, "Gymnasium am Stadtpark");
  EXPECT_EQ(state_.School.SchoolKey, Cp("Neuer Schlüssel"));
  EXPECT_EQ(settings::LoadSchoolData(state_.Dirs, true), state_.School);
}

TEST_F(SettingsWindowsTest, SchoolDataNeedTheConfigurationPasswordUnderSecurity) {
  state_.General.MultiLevelSecurity = 1;
  state_.General.ConfigPassword = "Schule42";
  ui_.ExpectSettingsPassword(SettingsPasswordKind::Configuration, std::nullopt)
      .ExpectAsk(Icon::Error, settings::kNotAllowedToEnter);
  Action("Schuldaten1")->trigger();  // no window
  EXPECT_TRUE(ui_.Done());
}

// --- export and import -------------------------------------------------------

TEST_F(SettingsWindowsTest, ExportWindowCopiesIntoTheChosenDirectory) {
  TempDir target;
  settings::SaveNameList(settings::NameListKind::Classes, state_.Dirs, {"12a"});
  ui_.ExpectAsk(Icon::Error, "vorhandenes Verzeichnis")
      .ExpectAsk(Icon::Information, "1 Einstellungsdateien wurden exportiert");
  bool closed = false;
  WhenModal<SettingsTransferWindow>([&](SettingsTransferWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Export der Einstellungen"));
    EXPECT_FALSE(Child<QCheckBox>(w, "SchoolDataBox")->isChecked());
    SaveScreenshot(w, "settings_export_window");
    Type(w, "DirectoryEdit", QStringLiteral("/gibt/es/nicht"));
    Click(w, "OkButton");
    Type(w, "DirectoryEdit", QString::fromStdString(target.path().string()));
    Click(w, "OkButton");
    closed = !w->isVisible();
    if (!closed) w->reject();
  });
  Action("exportieren1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(closed);
  EXPECT_EQ(test::ReadAll(target / "KLASSEN.KLL"),
            (std::vector<uint8_t>{'1', '2', 'a', '\r', '\n'}));
  EXPECT_FALSE(fs::exists(target / "SCHULE.INI"));
}

TEST_F(SettingsWindowsTest, ImportWindowRefusesADamagedSetAndTakesAGoodOne) {
  TempDir source;
  test::WriteAll(source / "KLASSEN.KLL", {'1', '3', 'b', '\r', '\n'});
  test::WriteAll(source / "DRKEINST.DAT", std::vector<uint8_t>(100, 0));  // wrong size
  ui_.ExpectAsk(Icon::Error, "DRKEINST.DAT");
  bool still_open = false;
  WhenModal<SettingsTransferWindow>([&](SettingsTransferWindow* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Import der Einstellungen"));
    Type(w, "DirectoryEdit", QString::fromStdString(source.path().string()));
    Click(w, "OkButton");
    still_open = w->isVisible();
    if (still_open) w->reject();
  });
  Action("importieren1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(still_open);
  auto* box = window_->findChild<QComboBox*>(QStringLiteral("ClassName"));
  ASSERT_NE(box, nullptr);
  EXPECT_LT(box->findText(QStringLiteral("13b")), 0);

  fs::remove(source / "DRKEINST.DAT");
  ui_.ExpectAsk(Icon::Confirmation, "KLASSEN.KLL", Answer::Yes)
      .ExpectAsk(Icon::Information, "1 Einstellungsdateien wurden importiert");
  WhenModal<SettingsTransferWindow>([&](SettingsTransferWindow* w) {
    Type(w, "DirectoryEdit", QString::fromStdString(source.path().string()));
    Click(w, "OkButton");
    if (w->isVisible()) w->reject();
  });
  Action("importieren1")->trigger();
  EXPECT_TRUE(ui_.Done());
  // The editor's choice boxes have the imported list.
  EXPECT_GE(box->findText(QStringLiteral("13b")), 0);
}

// --- help and about -------------------------------------------------------------

TEST_F(SettingsWindowsTest, HelpShowsTheContentsAndFindsPages) {
  Action("HelpContents")->trigger();
  HelpWindow* help = window_->Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  EXPECT_EQ(help->Browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
  EXPECT_EQ(help->Browser()->documentTitle(), QStringLiteral("Hilfe zu Tolka – Inhalt"));
  SaveScreenshot(help, "help_window");
  help->Search(QStringLiteral("Sicherung.DAT öffnen"));
  const QString results = help->Browser()->toHtml();
  EXPECT_TRUE(results.contains(QStringLiteral("sicherung.html")));
  help->Search(QStringLiteral("xyzzy"));
  EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Keine Seite")));
  // Every link of the contents leads to a page that exists.
  help->ShowContents();
  EXPECT_FALSE(help->Browser()->toPlainText().isEmpty());
  help->close();
}

TEST_F(SettingsWindowsTest, EveryHelpLinkLeadsToAPageAndEveryPageIsInTheContents) {
  const QDir help(QStringLiteral(":/help"));
  const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
  ASSERT_GE(pages.size(), 15);
  const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
  QSet<QString> linked_from_contents;
  for (const QString& page : pages) {
    QFile file(help.filePath(page));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
    for (auto it = href.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(QFile::exists(help.filePath(target)))
          << page.toStdString() << " -> " << target.toStdString();
      if (page == QStringLiteral("index.html")) linked_from_contents.insert(target);
    }
  }
  for (const QString& page : pages) {
    if (page != QStringLiteral("index.html")) {
      EXPECT_TRUE(linked_from_contents.contains(page)) << page.toStdString();
    }
  }
}

TEST_F(SettingsWindowsTest, AboutWindowIsNotModalAndNamesTheDirectories) {
  Action("HelpAboutButton")->trigger();
  AboutWindow* about = window_->About();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_TRUE(about->Text().contains(QStringLiteral("Qt-Version: ")));
  EXPECT_TRUE(about->Text().contains(QString::fromStdString(dir_.path().string())));
  SaveScreenshot(about, "about_window");
  Action("HelpAbout")->trigger();  // the same window again
  EXPECT_EQ(window_->About(), about);
  about->close();
}

}  // namespace
}  // namespace tolka::ui
