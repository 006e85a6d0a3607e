// Page "Fremdsprachen": the rows " 1.", " 2.", " 3.", "(4.)" with "Fach:",
// "von Klasse:" and "bis Klasse:" (drop-down lists), the radio groups
// "Graecum", "Latinum" and "Hebraicum" ("kein", "kleines", "großes") and the
// note "Unbedingt beachten!".
#pragma once

#include <array>

#include "ui/editor/record_page.h"

class QPlainTextEdit;

namespace tolka::ui {

class ChoiceBox;
class RadioGroup;

// The read-only text under "Unbedingt beachten!".
QString LanguageNoteText();

class LanguagesPage : public RecordPage {
  Q_OBJECT

 public:
  LanguagesPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  struct Row {
    ChoiceBox* Subject;
    ChoiceBox* FromGrade;
    ChoiceBox* ToGrade;
  };
  std::array<Row, core::kForeignLanguageCount> rows_{};
  RadioGroup* graecum_;
  RadioGroup* latinum_;
  RadioGroup* hebraicum_;
};

}  // namespace tolka::ui
