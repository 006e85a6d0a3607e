#include "ui/editor/page_selector.h"

#include <QButtonGroup>
#include <QLayout>
#include <QToolButton>
#include <algorithm>

namespace tolka::ui {

namespace {

// Lays its items out in rows, left to right, wrapping where the width ends;
// the items of a row share the row's spare width.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(2);
  }
  ~FlowLayout() override {
    while (QLayoutItem* item = takeAt(0)) delete item;
  }

  void addItem(QLayoutItem* item) override { items_.push_back(item); }
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)] : nullptr;
  }
  QLayoutItem* takeAt(int index) override {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = items_[static_cast<size_t>(index)];
    items_.erase(items_.begin() + index);
    return item;
  }
  Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
  void setGeometry(const QRect& rect) override {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
  }
  QSize sizeHint() const override {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
      width += item->sizeHint().width() + spacing();
      height = std::max(height, item->sizeHint().height());
    }
    return {width, height};
  }
  QSize minimumSize() const override {
    QSize size;
    for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
    return size;
  }

 private:
  // Places the items (when `apply`) and returns the height used.
  int Arrange(const QRect& rect, bool apply) const {
    int y = rect.y();
    size_t first = 0;
    while (first < items_.size()) {
      // The items of this row: as many as fit.
      size_t end = first;
      int used = 0;
      int height = 0;
      while (end < items_.size()) {
        const int w = items_[end]->sizeHint().width();
        const int needed = used + (end > first ? spacing() : 0) + w;
        if (end > first && needed > rect.width()) break;
        used = needed;
        height = std::max(height, items_[end]->sizeHint().height());
        ++end;
      }
      if (apply) {
        const int spare = std::max(0, rect.width() - used);
        const int n = static_cast<int>(end - first);
        int x = rect.x();
        for (size_t i = first; i < end; ++i) {
          const int share = spare / n + (static_cast<int>(i - first) < spare % n ? 1 : 0);
          const int w = items_[i]->sizeHint().width() + share;
          items_[i]->setGeometry(QRect(x, y, w, height));
          x += w + spacing();
        }
      }
      y += height + spacing();
      first = end;
    }
    return y - rect.y() - (items_.empty() ? 0 : spacing());
  }

  std::vector<QLayoutItem*> items_;
};

}  // namespace

PageSelector::PageSelector(const QStringList& captions, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("PageSelector"));
  auto* layout = new FlowLayout(this);
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("PageButton%1").arg(i));
    button->setText(captions[i]);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::TabFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group_->addButton(button, i);
    layout->addWidget(button);
  }
  group_->setExclusive(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  QSizePolicy policy = sizePolicy();
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  connect(group_, &QButtonGroup::idClicked, this, &PageSelector::PageClicked);
}

void PageSelector::SetCurrent(int page) {
  if (QAbstractButton* button = group_->button(page)) button->setChecked(true);
}

int PageSelector::Current() const { return group_->checkedId(); }

QAbstractButton* PageSelector::Button(int page) const { return group_->button(page); }

}  // namespace tolka::ui

#include "moc_page_selector.cpp"
