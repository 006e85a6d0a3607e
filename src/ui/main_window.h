// The main window `TMainForm`: the student list on the left, the menu
// "&Datei" with the file commands, the menu "B&earbeiten" with the record
// list commands, the tool bar with the red modified box at
// its right end, and the status line (field 1: the hint of the control or
// menu item under the mouse; field 2: the current file name). The central
// area is a row: the list, the record editor, the column of command buttons.
//
// The record editor is a buffer: a click in the list, a page switch and
// "Daten übernehmen" transfer it into the record. Every command transfers it
// first (the file commands, the record list commands, the rules commands),
// so what the user typed and sees is what is saved, moved or checked, and no
// command drops typing when it shows the record again.
//
// The status line has a third field that says when the data are shown
// enciphered. The menu "&Datei" lists the last four data files, and the
// window keeps its size and position from one start to the next (both kept
// with QSettings, outside the system's binary settings files).
//
// While the data are modified, a timer writes the recovery copy when it is
// due (app/recovery.h), and every transfer of the editor writes it at once.
//
// Every command runs to its end inside one event: it calls the app
// function, shows an IoError's text in an error box, then shows the state
// again. Closing the window by any means leaves the program through
// app::LeaveProgram.
#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <cstddef>
#include <functional>
#include <memory>

#include "app/app_state.h"
#include "core/interaction.h"
#include "print/certificate_command.h"
#include "print/print_document.h"
#include "print/report_sheets.h"
#include "rules/pipelines.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;

namespace tolka::settings {
enum class NameListKind;
}

namespace tolka::ui {

class AboutWindow;
class CommandButtonColumn;
class HelpWindow;
class SubjectSettingsWindow;
class QtInteraction;
class RecordEditor;
class StudentListPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // With `interaction` nullptr the window makes its own QtInteraction whose
  // dialogs are centred on it; tests pass a scripted one.
  explicit MainWindow(app::AppState& state, core::Interaction* interaction = nullptr);
  ~MainWindow() override;

  core::Interaction& Interaction() { return *interaction_; }

  // Rebuilds the student list, selects the current student, shows the
  // current record in the editor and updates the status line and the
  // modified box.
  void ShowState();

  int CurrentStudent() const { return current_student_; }
  bool ModifiedBoxShown() const;
  QString FileNameField() const;
  QString HintField() const;
  QString EncipheredField() const;

  // The window's size and position as the last session left them (called by
  // the program before the first show; tests leave it out).
  void RestoreWindowState();
  // The last four data files opened or saved, newest first.
  QStringList RecentFiles() const;
  // Opens one of them as "Öffnen..." does after its dialog.
  void OpenRecentFile(const QString& path);
  // Opens a data file as "Öffnen" does once its name is chosen (a recent
  // file, or the file given on the command line).
  void OpenFile(const std::filesystem::path& file);
  // At start-up, before the first show: offers the recovery copies left by a
  // program that ended abnormally (app::OfferRecoveryCopies). True when data
  // were restored; they are shown then.
  bool OfferRecovery();

  // The file commands (menu "&Datei", tool bar).
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  // Closes the window: the shutdown of closeEvent.
  void FileExit();

  // The command buttons "Daten übernehmen" (`Button12Click`: transfer, list
  // rebuilt) and "Daten verwerfen" (`Button13Click`: show the record again).
  void TakeOverData();
  void DiscardData();

  RecordEditor* Editor() const { return editor_; }
  CommandButtonColumn* CommandButtons() const { return command_buttons_; }

  // The record list commands (menu "B&earbeiten", the tool buttons of cut,
  // copy and paste). They work on the stored records (the editor is not
  // transferred first); afterwards the list is rebuilt with the current
  // student selected and the modified box updated. SortByName is also the
  // button "Sortieren (Namen)", SearchNext the button "Weiter Suchen".
  void EditCut();
  void EditCopy();
  void EditPaste();
  void TransferByCopying();  // "durch Kopieren..."
  void TransferByCutting();  // "durch Ausschneiden..."
  void SortByName();
  void SortByStudentId();
  void SortByClass();
  void SearchStudent();  // "Schüler Suchen"
  void SearchNext();     // "Weiter Suchen"

  // --- Rules commands (main_window_rules.cpp) ---
  // The menu "Prüfen und Berechnen", the crediting submenu of "B&earbeiten"
  // and the check buttons: each runs its pipeline on the current student
  // (ui/rules_commands.h) and shows the state again.
  void CheckPromotion();      // "Versetzung in Qualifikationsphase", "? Versetzung i. Q."
  void CheckCourseChoice();   // "Kurseinwahl", "? Kurswahl"
  void CheckPrerequisites();  // "Voraussetzung für Prüfungszulassung"
  void CheckExamSubjects();   // "Wahl der Prüfungsfächer"
  void CheckRegistration();  // "Anmeldung zur Prüfung", "? Anmeldung z. Pr.", "? Zulassung z. Pr."
  void Project(int semester);    // "Hochrechnung" / "mit n. Semester", n = 1..3
  void OptimiseCourses();        // "Optimierung der Kursauswahl", "Optimierung"
  void ComputeFhr(int pair);     // "mit 1.+ 2. Semester" .. "mit 3.+ 4. Semester"
  void FindBestFhr();            // "beste Variante suchen"
  void CheckWrittenAdmission();  // "Zulassung zur schriftlichen Prüfung"
  void CheckOralAdmission();     // "Zulassung zur mündlichen Prüfung", "? Zulass. z. mdl. Pr."
  void Recommend();          // "Empfehlungen zu den mündlichen Prüfungen", "Prüf.-empfehlung"
  void ComputeExamResult();  // "Abiturergebnis"
  void CreditAdvancedCourses();    // "Leistungskurse"
  void CreditCompulsoryCourses();  // "Pflichtkurse"
  void ClearCredits();             // "zurücknehmen", "Anrechng. löschen"
  // Runs pipeline `id` on the current student.
  void RunRulesPipeline(const char* id);
  // The program's one rules state: the windows and printing read the last
  // command's results here.
  rules::RulesState& RulesState() { return rules_state_; }

  // --- Data exchange (main_window_exchange.cpp) ---
  // The first three items of the menu "Werkzeuge": each runs its command on
  // the stored records (exchange/exchange_commands.h) and shows the state
  // again; after the import the list is rebuilt with the current student.
  void ExportAllData();      // "Export aller Daten ..." (`Export1Click`)
  void ExportExamResults();  // "Export der Abiturergebnisse ..." (`ExportAbiturergebnisse1Click`)
  void ImportPersonData();   // "Import von Personendaten ..." (`Import1Click`)
  // Called once by the constructor: puts the three items, then a separator,
  // at the top of "Werkzeuge".
  void AddExchangeMenuItems();
  // --- Printing (main_window_print.cpp) ---
  // The menu "Drucken": "schulischer Teil der Fachhochschulreife" with its
  // three pairs and "Abiturzeugnis"; each runs the certificate command on
  // the current student and sends the sheets to OutputDocument.
  void PrintCertificate(print::CertificateCommand command);
  // A report sheet of the current student after the confirmation, or
  // ("für ALLE") of every student from the current one up to the first free
  // slot without a question, one page each in slot order.
  void PrintReportSheet(print::ReportSheet sheet);
  void PrintReportSheetForAll(print::ReportSheet sheet);
  // "Abiturstatistik": the two statistics pages over every slot.
  void PrintStatistics();
  // The print preview when "Seitenansicht vor dem Druck" is on, else the
  // printer directly (sheet prompts, one job per sheet).
  // `pdf_name` is the name "Als PDF speichern ..." proposes (Windows-1252);
  // empty: the current student's surname.
  void OutputDocument(const print::PrintDocument& document, const std::string& pdf_name = {});
  // The printer the user chose; it holds for later jobs.
  QPrinter& Printer();
  // "Seitenansicht vor dem Druck": a program setting outside the binary
  // settings files (QSettings), on by default.
  bool PreviewBeforePrinting() const;
  void SetPreviewBeforePrinting(bool on);
  QMenu* PrintMenu() const { return print_menu_; }
  // --- Printer set-up and settings windows (main_window_print_setup.cpp,
  // main_window_settings.cpp) ---
  // "&Drucken..." (`FilePrint`): the print dialog, then only the message that
  // points to the menu "Drucken". "D&rucker einrichten..." and the tool
  // button "Druckereinstellungen" (`FilePrintSetup`): the printer set-up; the
  // choice holds for every later print job. "Drucker-Informationen" in the
  // menu "Werkzeuge" (`Druckerinformationen1Click`) and "Druckeinstellungen"
  // in the menu "Einstellungen" (`Druckeinstellungen1Click`).
  void FilePrint();
  void FilePrintSetup();
  void ShowPrinterInformation();
  void EditPrintSettings();
  // The menu "Einstellungen": each command transfers the editor first. The
  // list editors ("Projektkurse", "Klassen/Kurse", "Tutoren/Lehrer/Mentoren")
  // reload the item lists and show the current record afterwards, also after
  // "Abbrechen". "allgemeine Einstellungen" points the settings directory
  // before and both directories after the window, and reloads every setting
  // and list when a central-management option changed. "Fächereinstellungen"
  // and "Abitureinstellungen" ask their password first; after the subject
  // settings the item lists are rebuilt and a message tells how many students
  // still use a renamed or cleared subject name. "Schuldaten ..." asks the
  // configuration password while the multi-level security is on.
  void EditProjectCourses();
  void EditClasses();
  void EditTutors();
  void EditGeneralSettings();
  void EditSchoolData();
  void EditSubjects();
  void EditExamSettings();
  void ExportSettingsFiles();  // "exportieren..."
  void ImportSettingsFiles();  // "importieren..."
  // The menu "&Hilfe" and the tool buttons "Inhalt der Hilfe" and "Info".
  void HelpContents();
  void HelpAbout();
  HelpWindow* Help() const { return help_window_; }
  AboutWindow* About() const { return about_window_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  // The first show initialises the record clipboard and the search state,
  // builds the editor's item lists and shows the record.
  void showEvent(QShowEvent* event) override;

 private:
  using FileCommand = std::function<bool(app::AppState&, core::Interaction&)>;
  // New and Open show slot 0 afterwards; Save and Save As keep the current
  // student. A file that was opened or saved joins the recent files.
  void RunFileCommand(const FileCommand& command, bool show_first_student);
  void RememberRecentFile();
  void FillRecentFiles();
  QMenu* file_menu_ = nullptr;
  QAction* recent_separator_ = nullptr;
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusLine();
  // The record editor and the command-button column, right of the list.
  void CreateEditor(QWidget* central, QHBoxLayout* row);
  // One line per command button that has its command; the others stay
  // hidden until theirs is added here.
  void WireCommandButtons();
  // After every show and transfer of the editor: the modified box and
  // "Anrechng. löschen".
  void EditorRefreshed();
  void UpdateModifiedBox();
  void SelectStudent(int index);
  // The recovery timer's tick and the editor's transfer.
  void WriteRecoveryCopyIfDue();
  void WriteRecoveryCopyNow();

  // Record list commands: the actions (cut, copy and paste bound to Ctrl+X,
  // Ctrl+C and Ctrl+V while the student list has the focus), the menu, the
  // tool buttons, and the frame of each command.
  void CreateEditMenu();
  void CreateToolsMenu();
  QMenu* tools_menu_ = nullptr;
  void AddRecordToolButtons(QToolBar* bar);
  void RunRecordCommand(const std::function<void(size_t current)>& command);

  // Rules commands: the menu "Prüfen und Berechnen" and the submenu
  // "automatisches Setzen von Kursanrechnungen" of "B&earbeiten".
  void CreateRulesMenu();
  void AddCreditingMenu(QMenu* edit);

  // Printing: the menu "Drucken" and the chosen printer.
  void CreatePrintMenu();
  QMenu* print_menu_ = nullptr;
  // Printer set-up and settings: the items of "&Datei" and "Werkzeuge", the
  // tool button, the menu "Einstellungen".
  void AddPrintSetupItems(QMenu* file);
  void AddPrintSetupToolButton(QToolBar* bar);
  void AddPrinterInformationItem();
  void CreateSettingsMenu();
  void CreateHelpMenu();
  void AddHelpToolButtons(QToolBar* bar);
  void EditNameList(settings::NameListKind kind);
  std::unique_ptr<QPrinter> printer_;
  // Made once and reused: the subject window keeps its current number, the
  // help and about windows are not modal.
  SubjectSettingsWindow* subject_window_ = nullptr;
  HelpWindow* help_window_ = nullptr;
  AboutWindow* about_window_ = nullptr;

  app::AppState& state_;
  std::unique_ptr<QtInteraction> own_interaction_;
  core::Interaction* interaction_;

  int current_student_ = 0;
  // Field 2 reads "aktuelle (leere) Datei" until the first file command.
  bool file_command_run_ = false;

  StudentListPanel* list_panel_ = nullptr;
  RecordEditor* editor_ = nullptr;
  CommandButtonColumn* command_buttons_ = nullptr;
  QAction* modified_box_ = nullptr;  // the tool bar's red box
  QLabel* hint_field_ = nullptr;
  QLabel* file_field_ = nullptr;
  QLabel* enciphered_field_ = nullptr;

  bool record_list_initialised_ = false;  // at the first show

  rules::RulesState rules_state_;  // the work area, result list and texts
};

}  // namespace tolka::ui
