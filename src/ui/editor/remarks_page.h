// Page "Bemerkungen": the free texts "interne Bemerkungen:" (at most 999
// stored characters) and "Bemerkungen auf dem Abiturzeugnis:" (at most 399).
#pragma once

#include "ui/editor/record_page.h"

namespace tolka::ui {

class FreeTextEdit;

class RemarksPage : public RecordPage {
  Q_OBJECT

 public:
  RemarksPage(QWidget* parent, InputNotices* notices);

  void Show(const app::ShownRecord& shown) override;
  void Collect(app::EditorValues& values) const override;

 private:
  FreeTextEdit* internal_;
  FreeTextEdit* certificate_;
};

}  // namespace tolka::ui
