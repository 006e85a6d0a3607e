// The three list editors of the menu "Einstellungen": project courses
// (`TPKurseForm`, "Liste der Projektkurse"), tutors (`TTutorenForm`,
// "Tutorenliste der Schule") and classes (`TKlassenForm`, "Klassenliste der
// Schule"). They differ only in texts and file; the rules (no empty or
// repeated entry, none longer than the record field it feeds) are in
// settings/name_lists.h.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "core/interaction.h"
#include "settings/name_lists.h"

class QLineEdit;
class QListWidget;

namespace tolka::ui {

class NameListWindow : public QDialog {
  Q_OBJECT

 public:
  NameListWindow(settings::NameListKind kind, app::AppState& state, core::Interaction& ui,
                 QWidget* parent);

  // Loads the list (creating the file with the default entries when there is
  // none) and shows it modally. False when the list cannot be read (told) or
  // after "Abbrechen"; true after "Beenden" wrote it.
  bool Run();

  std::vector<std::string> Entries() const { return entries_; }

 private:
  void ShowEntries();
  void Add();
  void Delete();
  void Finish();  // "Beenden"

  settings::NameListKind kind_;
  app::AppState& state_;
  core::Interaction& ui_;
  std::vector<std::string> entries_;
  QLineEdit* entry_ = nullptr;
  QListWidget* list_ = nullptr;
};

}  // namespace tolka::ui
