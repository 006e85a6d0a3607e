// Page "Besondere Lernleistung": "Thema:" (a free text of at most 199 stored
// characters), "MentorIn:", "soll angerechnet werden", and the points
// "Bewertung Dokumentation:", "Bewertung Kolloquium:" and "Gesamtnote:".
#pragma once

#include "ui/editor/record_page.h"

namespace tolka::ui {

class FieldEdit;
class FreeTextEdit;
class TriStateBox;

class SpecialWorkPage : public RecordPage {
  Q_OBJECT

 public:
  SpecialWorkPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  FreeTextEdit* topic_;
  FieldEdit* mentor_;
  TriStateBox* counts_;
  FieldEdit* doc_points_;
  FieldEdit* colloquium_points_;
  FieldEdit* total_;
};

}  // namespace tolka::ui
