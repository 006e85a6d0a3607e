// The windows "Export der Einstellungen" and "Import der Einstellungen" of
// the menu "Einstellungen": a directory (typed or chosen with
// "Durchsuchen..."), the list of settings files, and the choice whether the
// school data SCHULE.INI goes along (it holds the school key, so it is off
// unless ticked). The copying, its checks and questions are
// app::ExportSettings and app::ImportSettings.
#pragma once

#include <QDialog>

#include "app/app_state.h"
#include "core/interaction.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace tolka::ui {

class SettingsTransferWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Direction { Export, Import };

  SettingsTransferWindow(Direction direction, app::AppState& state, core::Interaction& ui,
                         QWidget* parent);

  // Shows the window modally; true when files were exported or imported.
  bool Run();

  void accept() override;

 private:
  void Browse();
  void ShowFiles();

  Direction direction_;
  app::AppState& state_;
  core::Interaction& ui_;
  QLineEdit* directory_;
  QCheckBox* school_data_;
  QListWidget* files_;
};

}  // namespace tolka::ui
