// The window "Spaltenzuordnung für den Import" that edits the import
// configuration "IMPORT.CFG" of the program directory, so that no school has
// to write the binary file by hand. Reached from the question before the
// person-data import (button "Spaltenzuordnung ...").
//
// One row per column 1..20 of an import line: the record field the column
// feeds (a choice box) and its join text (at most 3 characters; only for the
// fields that use one). "Eingebaute Zuordnung" fills in the configuration the
// import uses without the file; "Speichern" writes the file through the
// core (a configuration that feeds no field is refused); "Abbrechen" leaves
// the file as it was.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "exchange/import_config.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tolka::ui {

class ImportConfigWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ImportConfigWindow(QWidget* parent);

  // Shows the configuration of `program_dir` ("IMPORT.CFG" when it exists
  // and can be read, else the built-in one) and runs the window modally.
  // Returns true when the file was saved.
  bool Run(const std::filesystem::path& program_dir);

  void accept() override;

  // The rows' widgets, for tests: column 1..20.
  QComboBox* FieldBox(size_t column) const { return fields_.at(column); }
  QLineEdit* JoinEdit(size_t column) const { return joins_.at(column); }

 private:
  void Show(const exchange::ImportConfig& config);
  void FieldChanged(size_t column);
  void UseBuiltIn();

  std::filesystem::path program_dir_;
  exchange::ImportConfig config_;  // as loaded: entry 0 and the carried bytes
  QLabel* file_label_;
  std::array<QComboBox*, exchange::kImportColumnCount + 1> fields_{};  // [0] unused
  std::array<QLineEdit*, exchange::kImportColumnCount + 1> joins_{};
};

}  // namespace tolka::ui
