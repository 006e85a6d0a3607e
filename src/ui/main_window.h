// The main window `TMainForm`: the student list on the left, the menu
// "&Datei" with the file commands, the tool bar with the red modified box at
// its right end, and the status line (field 1: the hint of the control or
// menu item under the mouse; field 2: the current file name). The central
// area is a row: the list, then the area that the record editor fills.
//
// Every command runs to its end inside one event: it calls the app
// function, shows an IoError's text in an error box, then shows the state
// again. Closing the window by any means leaves the program through
// app::LeaveProgram.
#pragma once

#include <QMainWindow>
#include <memory>

#include "app/app_state.h"
#include "core/interaction.h"

class QAction;
class QLabel;

namespace tolka::ui {

class QtInteraction;
class StudentListPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // With `interaction` nullptr the window makes its own QtInteraction whose
  // dialogs are centred on it; tests pass a scripted one.
  explicit MainWindow(app::AppState& state, core::Interaction* interaction = nullptr);
  ~MainWindow() override;

  core::Interaction& Interaction() { return *interaction_; }

  // Rebuilds the student list, selects the current student and updates the
  // status line and the modified box.
  void ShowState();

  int CurrentStudent() const { return current_student_; }
  bool ModifiedBoxShown() const;
  QString FileNameField() const;
  QString HintField() const;

  // The file commands (menu "&Datei", tool bar).
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  // Closes the window: the shutdown of closeEvent.
  void FileExit();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  using FileCommand = bool (*)(app::AppState&, core::Interaction&);
  // New and Open show slot 0 afterwards; Save and Save As keep the current
  // student.
  void RunFileCommand(FileCommand command, bool show_first_student);
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusLine();
  void SelectStudent(int index);

  app::AppState& state_;
  std::unique_ptr<QtInteraction> own_interaction_;
  core::Interaction* interaction_;

  int current_student_ = 0;
  // Field 2 reads "aktuelle (leere) Datei" until the first file command.
  bool file_command_run_ = false;

  StudentListPanel* list_panel_ = nullptr;
  QAction* modified_box_ = nullptr;  // the tool bar's red box
  QLabel* hint_field_ = nullptr;
  QLabel* file_field_ = nullptr;
};

}  // namespace tolka::ui
