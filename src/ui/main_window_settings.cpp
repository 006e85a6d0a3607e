// The menu "Einstellungen" and the menu "&Hilfe" of the main window: the
// settings windows with the steps before and after them, and the help and
// about windows.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/settings_commands.h"
#include "app/startup.h"
#include "core/io_error.h"
#include "settings/general_settings_window.h"
#include "settings/settings_passwords.h"
#include "settings/subject_catalogue.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/exam_settings_window.h"
#include "ui/dialogs/general_settings_window.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/name_list_window.h"
#include "ui/dialogs/school_data_window.h"
#include "ui/dialogs/settings_transfer_window.h"
#include "ui/dialogs/subject_settings_window.h"
#include "ui/editor/record_editor.h"
#include "ui/main_window.h"

namespace tolka::ui {

namespace {

// The help file: the contents page of the help shipped with the program.
const char* const kHelpContents = "qrc:/help/index.html";

}  // namespace

void MainWindow::CreateSettingsMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Einstellungen"));
  menu->setObjectName(QStringLiteral("Einstellungen1"));
  const auto add = [this, menu](const char* name, const QString& caption,
                                void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
  };
  add("Projektkurse1", QStringLiteral("Projektkurse"), &MainWindow::EditProjectCourses);
  add("KlassenKurse1", QStringLiteral("Klassen/Kurse"), &MainWindow::EditClasses);
  add("Tutoren1", QStringLiteral("Tutoren/Lehrer/Mentoren"), &MainWindow::EditTutors);
  menu->addSeparator();
  add("allgemeineEinstellungen1", QStringLiteral("allgemeine Einstellungen"),
      &MainWindow::EditGeneralSettings);
  add("Schuldaten1", QStringLiteral("Schuldaten ..."), &MainWindow::EditSchoolData);
  add("Druckeinstellungen1", QStringLiteral("Druckeinstellungen"), &MainWindow::EditPrintSettings);
  add("Fchereinstellungen1", QStringLiteral("Fächereinstellungen"), &MainWindow::EditSubjects);
  add("Abitureinstellungen1", QStringLiteral("Abitureinstellungen"), &MainWindow::EditExamSettings);
  menu->addSeparator();
  add("exportieren1", QStringLiteral("exportieren..."), &MainWindow::ExportSettingsFiles);
  add("importieren1", QStringLiteral("importieren..."), &MainWindow::ImportSettingsFiles);
}

void MainWindow::CreateHelpMenu() {
  // Start-up: the help file is set to the contents of the help pages.
  help_window_ = new HelpWindow(QUrl(QString::fromLatin1(kHelpContents)), this);
  about_window_ = new AboutWindow(state_.Dirs, this);

  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  menu->setObjectName(QStringLiteral("Hilfe1"));
  QAction* contents = menu->addAction(QStringLiteral("Hilfe zu Tolka 3.x für Windows"));
  contents->setObjectName(QStringLiteral("HelpContents"));
  contents->setStatusTip(QStringLiteral("Inhaltsübersicht der Hilfe anzeigen"));
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  contents->setShortcutContext(Qt::ApplicationShortcut);
  connect(contents, &QAction::triggered, this, &MainWindow::HelpContents);
  QAction* about = menu->addAction(QStringLiteral("Informationen zum Programm..."));
  about->setObjectName(QStringLiteral("HelpAbout"));
  about->setStatusTip(QStringLiteral("Programminformationen anzeigen"));
  connect(about, &QAction::triggered, this, &MainWindow::HelpAbout);
}

void MainWindow::AddHelpToolButtons(QToolBar* bar) {
  const auto add = [this, bar](const char* name, const QString& label, const QString& hint,
                               const QString& icon, void (MainWindow::*handler)()) {
    QAction* action = bar->addAction(QIcon::fromTheme(icon), label);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
  };
  add("HelpContentsButton", QStringLiteral("Hilfe"), QStringLiteral("Inhalt der Hilfe"),
      QStringLiteral("help-contents"), &MainWindow::HelpContents);
  add("HelpAboutButton", QStringLiteral("Info"), QStringLiteral("Info"),
      QStringLiteral("help-about"), &MainWindow::HelpAbout);
}

void MainWindow::HelpContents() { help_window_->ShowContents(); }

void MainWindow::HelpAbout() { about_window_->ShowAbout(); }

void MainWindow::EditNameList(settings::NameListKind kind) {
  editor_->TransferIntoRecord();
  NameListWindow window(kind, state_, *interaction_, this);
  window.Run();
  // Also after "Abbrechen": the list as it now stands on disk.
  editor_->RebuildItemLists();
  ShowState();
}

void MainWindow::EditProjectCourses() { EditNameList(settings::NameListKind::ProjectCourses); }

void MainWindow::EditClasses() { EditNameList(settings::NameListKind::Classes); }

void MainWindow::EditTutors() { EditNameList(settings::NameListKind::Tutors); }

void MainWindow::EditGeneralSettings() {
  editor_->TransferIntoRecord();
  state_.Dirs.ReevaluateSettings(state_.CentralSettings());
  const bool central_settings = state_.CentralSettings();
  const bool central_lists = state_.CentralLists();
  GeneralSettingsWindow window(state_, *interaction_, this);
  window.Run();
  state_.Dirs.ReevaluateLists(state_.CentralLists());
  state_.Dirs.ReevaluateSettings(state_.CentralSettings());
  if (central_settings != state_.CentralSettings() || central_lists != state_.CentralLists()) {
    // As after Open: the settings and lists of the directories now in force.
    app::ReloadSettingsForDataDirectory(state_, *interaction_);
    editor_->RebuildItemLists();
  }
  ShowState();
}

void MainWindow::EditSchoolData() {
  editor_->TransferIntoRecord();
  if (state_.General.MultiLevelSecurity == 1) {
    const auto typed =
        interaction_->SettingsPasswordDialog(core::SettingsPasswordKind::Configuration);
    if (!typed || *typed != state_.General.ConfigPassword) {
      interaction_->Tell(core::Icon::Error, settings::kNotAllowedToEnter);
      ShowState();
      return;
    }
  }
  SchoolDataWindow window(state_, *interaction_, this);
  window.Run();
  ShowState();
}

void MainWindow::EditSubjects() {
  editor_->TransferIntoRecord();
  const auto typed =
      interaction_->SettingsPasswordDialog(core::SettingsPasswordKind::SubjectSettings);
  if (typed && settings::AcceptSubjectSettingsPassword(*typed, state_.School)) {
    if (subject_window_ == nullptr) {
      subject_window_ = new SubjectSettingsWindow(state_, *interaction_, this);
    }
    const settings::SubjectCatalogue before = state_.Catalogue;
    if (subject_window_->Run()) {
      editor_->RebuildItemLists();
      const std::string message = app::SubjectUsageMessage(
          state_.Data.Table, settings::VanishedSubjectNames(before, state_.Catalogue));
      if (!message.empty()) interaction_->Tell(core::Icon::Information, message);
    }
  }
  ShowState();
}

void MainWindow::EditExamSettings() {
  editor_->TransferIntoRecord();
  const auto typed = interaction_->SettingsPasswordDialog(core::SettingsPasswordKind::ExamSettings);
  if (typed && settings::AcceptExamSettingsPassword(*typed, state_.School)) {
    ExamSettingsWindow window(state_, *interaction_, this);
    window.Run();
  }
  ShowState();
}

void MainWindow::ExportSettingsFiles() {
  editor_->TransferIntoRecord();
  SettingsTransferWindow window(SettingsTransferWindow::Direction::Export, state_, *interaction_,
                                this);
  window.Run();
  ShowState();
}

void MainWindow::ImportSettingsFiles() {
  editor_->TransferIntoRecord();
  SettingsTransferWindow window(SettingsTransferWindow::Direction::Import, state_, *interaction_,
                                this);
  if (window.Run()) editor_->RebuildItemLists();
  ShowState();
}

}  // namespace tolka::ui
