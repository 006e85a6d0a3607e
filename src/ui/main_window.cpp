#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <chrono>

#include "app/data_file_commands.h"
#include "app/record_commands.h"
#include "app/recovery.h"
#include "app/set_back_commands.h"
#include "core/io_error.h"
#include "ui/command_button_column.h"
#include "ui/editor/record_editor.h"
#include "ui/qt_interaction.h"
#include "ui/qt_text.h"
#include "ui/student_list_panel.h"

namespace tolka::ui {

namespace {

constexpr int kWindowWidth = 755;
constexpr int kWindowHeight = 563;
constexpr int kToolBarHeight = 33;
constexpr int kHintFieldWidth = 350;
constexpr int kFileFieldWidth = 200;
constexpr int kRecentFileCount = 4;
const char* const kRecentFilesKey = "recentFiles";
const char* const kGeometryKey = "mainWindow/geometry";
// The timer only asks; the app logic writes the copy when kRecoveryInterval
// has passed since the last one. A tick of a quarter of that interval keeps
// a copy at most a quarter late, whatever the timer's accuracy.
constexpr std::chrono::milliseconds kRecoveryTick = app::kRecoveryInterval / 4;

QIcon ThemeIcon(const QString& name, QStyle::StandardPixmap fallback, const QWidget* widget) {
  return QIcon::fromTheme(name, widget->style()->standardIcon(fallback));
}

}  // namespace

MainWindow::MainWindow(app::AppState& state, core::Interaction* interaction) : state_(state) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("Tolka 3.1 für Windows"));
  if (interaction == nullptr) {
    own_interaction_ = std::make_unique<QtInteraction>(this);
    interaction = own_interaction_.get();
  }
  interaction_ = interaction;

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  list_panel_ = new StudentListPanel(central);
  row->addWidget(list_panel_);
  CreateEditor(central, row);
  setCentralWidget(central);
  connect(list_panel_, &StudentListPanel::StudentSelected, this, &MainWindow::SelectStudent);

  CreateMenus();
  CreateEditMenu();
  CreateRulesMenu();
  CreatePrintMenu();
  CreateToolsMenu();
  AddExchangeMenuItems();
  AddPrinterInformationItem();
  CreateSettingsMenu();
  CreateHelpMenu();
  CreateToolBar();
  CreateStatusLine();

  auto* recovery_timer = new QTimer(this);
  recovery_timer->setObjectName(QStringLiteral("RecoveryTimer"));
  recovery_timer->setInterval(kRecoveryTick);
  connect(recovery_timer, &QTimer::timeout, this, &MainWindow::WriteRecoveryCopyIfDue);
  recovery_timer->start();

  resize(kWindowWidth, kWindowHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  ShowState();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
  file_menu_ = file;
  const auto add = [this, file](const QString& caption, const QString& hint,
                                const QKeySequence& shortcut, void (MainWindow::*handler)()) {
    QAction* action = file->addAction(caption);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  add(QStringLiteral("&Neu"), QStringLiteral("Neue Datei erzeugen"),
      QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::FileNew)
      ->setObjectName(QStringLiteral("FileNew"));
  add(QStringLiteral("Ö&ffnen..."), QStringLiteral("Existierende Datei öffnen"),
      QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::FileOpen)
      ->setObjectName(QStringLiteral("FileOpen"));
  add(QStringLiteral("&Speichern"), QStringLiteral("Aktuelle Datei speichern"),
      QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::FileSave)
      ->setObjectName(QStringLiteral("FileSave"));
  add(QStringLiteral("Speichern &unter..."),
      QStringLiteral("Aktuelle Datei unter neuem Namen speichern"),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::FileSaveAs)
      ->setObjectName(QStringLiteral("FileSaveAs"));
  AddPrintSetupItems(file);
  // The recent files stand between this separator and the next one.
  recent_separator_ = file->addSeparator();
  connect(file, &QMenu::aboutToShow, this, &MainWindow::FillRecentFiles);
  file->addSeparator();
  add(QStringLiteral("&Beenden"), QStringLiteral("Diese Anwendung beenden"),
      QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::FileExit)
      ->setObjectName(QStringLiteral("FileExit"));
}

void MainWindow::CreateToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Werkzeugleiste"));
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->toggleViewAction()->setVisible(false);
  bar->setFixedHeight(kToolBarHeight);
  bar->setIconSize(QSize(20, 20));
  setContextMenuPolicy(Qt::NoContextMenu);

  // A tool button's hint is the text before "|" of its caption: tool tip
  // and status line alike.
  const auto add = [this, bar](const QString& hint, const QIcon& icon,
                               void (MainWindow::*handler)()) {
    QAction* action = bar->addAction(icon, hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  add(QStringLiteral("Neu"), ThemeIcon(QStringLiteral("document-new"), QStyle::SP_FileIcon, this),
      &MainWindow::FileNew);
  add(QStringLiteral("Öffnen"),
      ThemeIcon(QStringLiteral("document-open"), QStyle::SP_DialogOpenButton, this),
      &MainWindow::FileOpen);
  add(QStringLiteral("Speichern"),
      ThemeIcon(QStringLiteral("document-save"), QStyle::SP_DialogSaveButton, this),
      &MainWindow::FileSave);
  AddPrintSetupToolButton(bar);
  AddRecordToolButtons(bar);

  auto* spacer = new QWidget(bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  AddHelpToolButtons(bar);
  add(QStringLiteral("Beenden"),
      ThemeIcon(QStringLiteral("application-exit"), QStyle::SP_DialogCloseButton, this),
      &MainWindow::FileExit);

  auto* box = new QFrame(bar);
  box->setObjectName(QStringLiteral("ModifiedBox"));
  box->setFixedSize(14, 14);
  box->setStyleSheet(QStringLiteral("background-color: red; border: 1px solid #800000;"));
  box->setToolTip(QStringLiteral("Die Daten wurden geändert."));
  modified_box_ = bar->addWidget(box);
}

void MainWindow::CreateEditor(QWidget* central, QHBoxLayout* row) {
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(6);
  editor_ = new RecordEditor(state_, *interaction_, central);
  row->addWidget(editor_, 1);
  command_buttons_ = new CommandButtonColumn(central);
  row->addWidget(command_buttons_);
  connect(editor_, &RecordEditor::Refreshed, this, &MainWindow::EditorRefreshed);
  connect(editor_, &RecordEditor::Transferred, this, &MainWindow::WriteRecoveryCopyNow);
  connect(editor_, &RecordEditor::StatusNote, this,
          [this](const QString& note) { hint_field_->setText(note); });
  WireCommandButtons();
}

void MainWindow::WireCommandButtons() {
  command_buttons_->Wire(CommandButton::SearchOn, this, &MainWindow::SearchNext);
  command_buttons_->Wire(CommandButton::SortByName, this, &MainWindow::SortByName);
  command_buttons_->Wire(CommandButton::TakeOverData, this, &MainWindow::TakeOverData);
  command_buttons_->Wire(CommandButton::DiscardData, this, &MainWindow::DiscardData);
  // The check buttons run the same pipelines as their menu items.
  command_buttons_->Wire(CommandButton::CheckCourseChoice, this, &MainWindow::CheckCourseChoice);
  command_buttons_->Wire(CommandButton::CheckRegistration, this, &MainWindow::CheckRegistration);
  command_buttons_->Wire(CommandButton::CheckAdmission, this, &MainWindow::CheckRegistration);
  command_buttons_->Wire(CommandButton::Optimisation, this, &MainWindow::OptimiseCourses);
  command_buttons_->Wire(CommandButton::ExamRecommendation, this, &MainWindow::Recommend);
  command_buttons_->Wire(CommandButton::CheckPromotion, this, &MainWindow::CheckPromotion);
  command_buttons_->Wire(CommandButton::CheckOralAdmission, this, &MainWindow::CheckOralAdmission);
  command_buttons_->Wire(CommandButton::ClearCredits, this, &MainWindow::ClearCredits);
  command_buttons_->Wire(CommandButton::PrintDataSheet, this,
                         [this]() { PrintReportSheet(print::ReportSheet::DataSheet); });
  command_buttons_->Wire(CommandButton::PrintResult, this,
                         [this]() { PrintReportSheet(print::ReportSheet::ExamResult); });
  command_buttons_->Wire(CommandButton::SampleCertificate, this,
                         [this]() { PrintReportSheet(print::ReportSheet::ExtendedDataSheet); });
}

void MainWindow::EditorRefreshed() {
  command_buttons_->SetClearCreditsEnabled(app::ClearCreditsEnabled(editor_->ActivePage()));
  UpdateModifiedBox();
}

void MainWindow::UpdateModifiedBox() {
  if (modified_box_ != nullptr) modified_box_->setVisible(state_.Data.Modified);
}

void MainWindow::TakeOverData() {
  editor_->TakeOverData();
  list_panel_->Rebuild(state_.Data.Table, current_student_);
}

void MainWindow::DiscardData() { editor_->DiscardData(); }

void MainWindow::CreateStatusLine() {
  const auto field = [this](const QString& name, int width) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFixedWidth(width);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(label);
    return label;
  };
  hint_field_ = field(QStringLiteral("HintField"), kHintFieldWidth);
  file_field_ = field(QStringLiteral("FileNameField"), kFileFieldWidth);
  // Its own field, so the enciphered state is never overwritten by a hint
  // and never outlives the data it describes.
  enciphered_field_ = new QLabel(this);
  enciphered_field_->setObjectName(QStringLiteral("EncipheredField"));
  enciphered_field_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  statusBar()->addWidget(enciphered_field_, 1);
  statusBar()->setSizeGripEnabled(true);
}

bool MainWindow::event(QEvent* event) {
  // Hints go to field 1, never over the file name as a temporary message.
  if (event->type() == QEvent::StatusTip) {
    hint_field_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::ShowState() {
  if (current_student_ < 0 || current_student_ >= static_cast<int>(core::kListCount)) {
    current_student_ = 0;
  }
  list_panel_->Rebuild(state_.Data.Table, current_student_);
  file_field_->setText(file_command_run_ ? FileNameToQString(state_.Data.CurrentFileName)
                                         : QStringLiteral("aktuelle (leere) Datei"));
  file_field_->setToolTip(file_command_run_ && !state_.Data.IsUntitled()
                              ? PathToQString(state_.Dirs.Data / state_.Data.CurrentFileName)
                              : QString());
  QString data_state;
  if (state_.Data.ShownEnciphered) {
    data_state = QStringLiteral("verschlüsselt angezeigt – nicht bearbeitbar");
  } else if (state_.Data.ReadOnly) {
    data_state = QStringLiteral("schreibgeschützt");
  }
  enciphered_field_->setText(data_state);
  editor_->ShowRecord(static_cast<size_t>(current_student_));
  UpdateModifiedBox();
}

bool MainWindow::ModifiedBoxShown() const { return modified_box_->isVisible(); }

QString MainWindow::FileNameField() const { return file_field_->text(); }

QString MainWindow::HintField() const { return hint_field_->text(); }

QString MainWindow::EncipheredField() const { return enciphered_field_->text(); }

void MainWindow::RestoreWindowState() {
  const QByteArray geometry = QSettings().value(QString::fromLatin1(kGeometryKey)).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
}

QStringList MainWindow::RecentFiles() const {
  return QSettings().value(QString::fromLatin1(kRecentFilesKey)).toStringList();
}

void MainWindow::RememberRecentFile() {
  if (state_.Data.IsUntitled() || state_.Data.CurrentFileName.empty()) return;
  const QString path = PathToQString(state_.Dirs.Data / state_.Data.CurrentFileName);
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentFileCount) files.removeLast();
  QSettings().setValue(QString::fromLatin1(kRecentFilesKey), files);
}

void MainWindow::FillRecentFiles() {
  for (QAction* action : file_menu_->actions()) {
    if (action->property("recentFile").isValid()) {
      file_menu_->removeAction(action);
      action->deleteLater();
    }
  }
  const QStringList files = RecentFiles();
  const QList<QAction*> actions = file_menu_->actions();
  const qsizetype at = actions.indexOf(recent_separator_);
  QAction* before = at + 1 < actions.size() ? actions[at + 1] : nullptr;
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
                               file_menu_);
    action->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
    action->setProperty("recentFile", path);
    action->setStatusTip(path);
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path]() { OpenRecentFile(path); });
    file_menu_->insertAction(before, action);
  }
}

void MainWindow::OpenRecentFile(const QString& path) { OpenFile(QStringToPath(path)); }

void MainWindow::OpenFile(const std::filesystem::path& file) {
  RunFileCommand([file](app::AppState& state,
                        core::Interaction& ui) { return app::OpenDataFile(state, ui, file); },
                 true);
}

bool MainWindow::OfferRecovery() {
  bool restored = false;
  try {
    restored = app::OfferRecoveryCopies(state_, *interaction_);
  } catch (const tolka::IoError& error) {
    interaction_->Tell(core::Icon::Error, error.what());
  }
  if (restored) {
    file_command_run_ = true;
    current_student_ = 0;
    editor_->RebuildItemLists();
    ShowState();
  }
  return restored;
}

void MainWindow::WriteRecoveryCopyIfDue() {
  // A modal dialog is open: a command is half-way (Open between reading the
  // file and asking its password) and its state must not go into a copy.
  // The next tick after the command writes it.
  if (QApplication::activeModalWidget() != nullptr) return;
  app::WriteRecoveryCopyIfDue(state_, *interaction_, std::chrono::system_clock::now());
}

void MainWindow::WriteRecoveryCopyNow() {
  app::WriteRecoveryCopy(state_, *interaction_, std::chrono::system_clock::now());
}

void MainWindow::SelectStudent(int index) {
  editor_->SelectStudent(static_cast<size_t>(index));
  current_student_ = index;
  list_panel_->Rebuild(state_.Data.Table, current_student_);
  UpdateModifiedBox();
}

void MainWindow::RunFileCommand(const FileCommand& command, bool show_first_student) {
  editor_->TransferIntoRecord();
  // A hint or note of the data before is stale once the command ran.
  hint_field_->clear();
  try {
    if (command(state_, *interaction_)) {
      if (show_first_student) current_student_ = 0;
      RememberRecentFile();
    }
  } catch (const tolka::IoError& error) {
    interaction_->Tell(core::Icon::Error, error.what());
  }
  file_command_run_ = true;
  // Open reloads the name lists; Open and Save may have moved the data
  // directory and with it the subject catalogue and the list directory.
  editor_->RebuildItemLists();
  ShowState();
}

void MainWindow::FileNew() { RunFileCommand(&app::NewData, true); }

void MainWindow::FileOpen() { RunFileCommand(&app::OpenData, true); }

void MainWindow::FileSave() { RunFileCommand(&app::SaveData, false); }

void MainWindow::FileSaveAs() { RunFileCommand(&app::SaveDataAs, false); }

void MainWindow::FileExit() { close(); }

// --- Record list commands (menu "B&earbeiten") ------------------------------

void MainWindow::CreateEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("B&earbeiten"));
  edit->setObjectName(QStringLiteral("Bearbeiten1"));
  const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                          void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  // Ctrl+X, Ctrl+C and Ctrl+V move whole records only while the student list
  // has the focus: in an edit box of the record editor they keep cutting,
  // copying and pasting text.
  const auto bind_to_list = [this](QAction* action, QKeySequence::StandardKey key) {
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list_panel_->List()->addAction(action);
  };
  bind_to_list(
      add(edit, "EditCut", QStringLiteral("Schülerdatensatz-&Ausschneiden"), &MainWindow::EditCut),
      QKeySequence::Cut);
  bind_to_list(
      add(edit, "EditCopy", QStringLiteral("Schülerdatensatz-&Kopieren"), &MainWindow::EditCopy),
      QKeySequence::Copy);
  bind_to_list(
      add(edit, "EditPaste", QStringLiteral("Schülerdatensatz-&Einfügen"), &MainWindow::EditPaste),
      QKeySequence::Paste);

  QMenu* transfer = edit->addMenu(QStringLiteral("Schülerdatensatz in andere Datei exportieren"));
  transfer->setObjectName(QStringLiteral("Exportieren1"));
  add(transfer, "durchKopieren1", QStringLiteral("durch Kopieren..."),
      &MainWindow::TransferByCopying);
  add(transfer, "durchAusschneiden1", QStringLiteral("durch Ausschneiden..."),
      &MainWindow::TransferByCutting);
  AddCreditingMenu(edit);

  // "Schüler zurückstufen": the five set-back commands.
  QMenu* set_back = edit->addMenu(QStringLiteral("Schüler zurückstufen"));
  set_back->setObjectName(QStringLiteral("Zurueckstufen1"));
  for (app::SetBack kind :
       {app::SetBack::RepeatIntroPhase, app::SetBack::From121To111, app::SetBack::From122To112,
        app::SetBack::From131To121, app::SetBack::From132To122}) {
    QAction* action = set_back->addAction(FromCore(app::SetBackCaption(kind)));
    connect(action, &QAction::triggered, this, [this, kind] {
      RunRecordCommand([this, kind](size_t current) {
        app::SetBackStudent(state_, *interaction_, current, kind);
      });
    });
  }

  // The sorts and the search stand in the menu "Werkzeuge", which the menu
  // bar shows after "Prüfen und Berechnen" (see CreateToolsMenu).
  tools_menu_ = new QMenu(QStringLiteral("Werkzeuge"), this);
  tools_menu_->setObjectName(QStringLiteral("Werkzeuge1"));
  add(tools_menu_, "SortierennachNamen1", QStringLiteral("Sortieren nach Namen"),
      &MainWindow::SortByName);
  add(tools_menu_, "SortierennachKennummern1", QStringLiteral("Sortieren nach Kennummern"),
      &MainWindow::SortByStudentId);
  add(tools_menu_, "SortierennachKlassen1", QStringLiteral("Sortieren nach Klassen"),
      &MainWindow::SortByClass);
  add(tools_menu_, "SuchennachSchlerName1", QStringLiteral("Schüler Suchen"),
      &MainWindow::SearchStudent)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  add(tools_menu_, "WeiterSuchen1", QStringLiteral("Weiter Suchen"), &MainWindow::SearchNext)
      ->setShortcut(QKeySequence(Qt::Key_F3));
}

void MainWindow::CreateToolsMenu() { menuBar()->addMenu(tools_menu_); }

void MainWindow::AddRecordToolButtons(QToolBar* bar) {
  // The hint is the text before "|" of the button's caption. Without an icon
  // theme the button shows a short text; the full hint would push "Beenden"
  // and the modified box out of the tool bar at the window's width.
  const auto add = [this, bar](const char* name, const QString& label, const QString& hint,
                               const QString& icon, void (MainWindow::*handler)()) {
    QAction* action = bar->addAction(QIcon::fromTheme(icon), label);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
  };
  bar->addSeparator();
  add("CutButton", QStringLiteral("Ausschneiden"),
      QStringLiteral("Ausschneiden des aktuellen Schülerdatensatzes"), QStringLiteral("edit-cut"),
      &MainWindow::EditCut);
  add("CopyButton", QStringLiteral("Kopieren"),
      QStringLiteral("Kopieren des aktuellen Schülerdatensatzes"), QStringLiteral("edit-copy"),
      &MainWindow::EditCopy);
  add("PasteButton", QStringLiteral("Einfügen"), QStringLiteral("Einfügen des Schülerdatensatzes"),
      QStringLiteral("edit-paste"), &MainWindow::EditPaste);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (record_list_initialised_) return;
  // Needs the subject catalogue of the start-up for the initialised record.
  record_list_initialised_ = true;
  app::InitialiseRecordList(state_);
  // The item lists need the catalogue and the list directory of the
  // start-up as well.
  editor_->RebuildItemLists();
  editor_->ShowRecord(static_cast<size_t>(current_student_));
}

void MainWindow::RunRecordCommand(const std::function<void(size_t current)>& command) {
  // The command works on what the user sees: typing not yet transferred is
  // stored first, never dropped by the record shown afresh.
  editor_->TransferIntoRecord();
  try {
    command(static_cast<size_t>(current_student_));
  } catch (const tolka::IoError& error) {
    interaction_->Tell(core::Icon::Error, error.what());
  }
  ShowState();
}

void MainWindow::EditCut() {
  RunRecordCommand(
      [this](size_t current) { app::CutStudentRecord(state_, *interaction_, current); });
}

void MainWindow::EditCopy() {
  RunRecordCommand([this](size_t current) { app::CopyStudentRecord(state_, current); });
}

void MainWindow::EditPaste() {
  RunRecordCommand(
      [this](size_t current) { app::PasteStudentRecord(state_, *interaction_, current); });
}

void MainWindow::TransferByCopying() {
  RunRecordCommand([this](size_t current) {
    app::TransferStudentRecord(state_, *interaction_, current, app::TransferKind::Copy);
  });
}

void MainWindow::TransferByCutting() {
  RunRecordCommand([this](size_t current) {
    app::TransferStudentRecord(state_, *interaction_, current, app::TransferKind::Cut);
  });
}

void MainWindow::SortByName() {
  RunRecordCommand([this](size_t current) {
    app::SortStudents(state_, *interaction_, current, core::SortKey::Surname);
  });
}

void MainWindow::SortByStudentId() {
  RunRecordCommand([this](size_t current) {
    app::SortStudents(state_, *interaction_, current, core::SortKey::StudentId);
  });
}

void MainWindow::SortByClass() {
  RunRecordCommand([this](size_t current) {
    app::SortStudents(state_, *interaction_, current, core::SortKey::ClassName);
  });
}

void MainWindow::SearchStudent() {
  RunRecordCommand([this](size_t current) {
    if (const auto found = app::SearchStudent(state_, *interaction_, current)) {
      current_student_ = static_cast<int>(*found);
    }
  });
}

void MainWindow::SearchNext() {
  RunRecordCommand([this](size_t current) {
    if (const auto found = app::SearchNextStudent(state_, *interaction_, current)) {
      current_student_ = static_cast<int>(*found);
    }
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  editor_->TransferIntoRecord();
  bool may_close = false;
  try {
    may_close = app::LeaveProgram(state_, *interaction_);
  } catch (const tolka::IoError& error) {
    interaction_->Tell(core::Icon::Error, error.what());
  }
  ShowState();
  if (may_close) {
    QSettings().setValue(QString::fromLatin1(kGeometryKey), saveGeometry());
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tolka::ui

#include "moc_main_window.cpp"
