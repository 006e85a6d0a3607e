// The row of page captions above the record editor. The eight captions do
// not fit one row of tabs at the window's width, so they flow into as many
// rows as the width needs, each row filled edge to edge; the active page's
// caption is shown pressed.
#pragma once

#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace tolka::ui {

class PageSelector : public QWidget {
  Q_OBJECT

 public:
  PageSelector(const QStringList& captions, QWidget* parent);

  // Marks `page` as the active one; emits nothing.
  void SetCurrent(int page);
  int Current() const;
  QAbstractButton* Button(int page) const;

 Q_SIGNALS:
  // The user clicked the caption of another page.
  void PageClicked(int page);

 private:
  QButtonGroup* group_;
};

}  // namespace tolka::ui
