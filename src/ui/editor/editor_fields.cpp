#include "ui/editor/editor_fields.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "app/input_limits.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

// The model's verdict on a points, mark or date text.
app::Settled SettleText(SettleKind kind, const QString& shown) {
  // A character outside Windows-1252 can be none of the accepted texts; it
  // is refused as such, shown as typed.
  const auto text = ToCore(shown);
  const std::string core = text.value_or(std::string(1, '?'));
  switch (kind) {
    case SettleKind::Points:
      return text ? app::SettlePoints(core) : app::SettlePoints("?");
    case SettleKind::IntroMark:
      return text ? app::SettleIntroMark(core) : app::SettleIntroMark("?");
    case SettleKind::BirthDate:
      return text ? app::SettleBirthDate(core) : app::SettleBirthDate("??.??.????");
    case SettleKind::None:
      break;
  }
  return {core, {}};
}

// A narrow box for a text of `chars` characters.
void FitWidth(QLineEdit* edit, int chars) {
  const QFontMetrics metrics(edit->font());
  const int text = metrics.horizontalAdvance(QString(chars + 1, QLatin1Char('0')));
  edit->setFixedWidth(text + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
}

}  // namespace

void InputNotices::RefuseFullText(size_t capacity) {
  Q_EMIT Note(QStringLiteral("Der Text ist voll: höchstens %1 Zeichen "
                             "(ein Zeilenumbruch zählt als zwei).")
                  .arg(capacity));
}

void InputNotices::CutPaste(qsizetype left_out, size_t capacity) {
  Q_EMIT Refused(QStringLiteral("Der eingefügte Text war zu lang für das Feld (höchstens %1 "
                                "Zeichen):\n%2 Zeichen wurden weggelassen.")
                     .arg(capacity)
                     .arg(left_out));
}

// ------------------------------------------------------------- validators

Cp1252Validator::Cp1252Validator(InputNotices* notices, QObject* parent)
    : QValidator(parent), notices_(notices) {}

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
  const QString character = FirstUnstorableCharacter(input);
  if (character.isEmpty()) return Acceptable;
  if (notices_ != nullptr) notices_->RefuseCharacter(character);
  return Invalid;
}

// ------------------------------------------------------------- edit boxes

FieldEdit::FieldEdit(QWidget* parent, SettleKind kind, InputNotices* notices)
    : QLineEdit(parent), kind_(kind), notices_(notices) {
  connect(this, &QLineEdit::textEdited, this, [this]() { edited_ = true; });
}

void FieldEdit::Fill(const app::EditText& value) {
  filled_ = value.Text;
  settled_ = value.Text;
  setText(FromCore(value.Text));
  setCursorPosition(0);
  settled_shown_ = Shown();
  edited_ = false;
}

QString FieldEdit::Shown() const {
  // The date box shows its dots, and blanks where nothing was typed.
  return inputMask().isEmpty() ? QLineEdit::text() : displayText();
}

app::EditText FieldEdit::Value() const {
  const QString text = Shown();
  if (kind_ != SettleKind::None) {
    // Untouched since it was filled or settled: what it holds, also a stored
    // text the box would not take from the user.
    if (text == settled_shown_) return {settled_, edited_};
    // Not settled yet (a shortcut ran a command while the box had the
    // focus): a text the model refuses hands back the previous one.
    const app::Settled settled = SettleText(kind_, text);
    return {settled.Text.value_or(settled_), edited_};
  }
  // Every text here passed the validator, so the conversion cannot fail;
  // should it all the same, the box counts as untouched rather than storing
  // a wrong letter.
  if (auto converted = ToCore(text)) return {*converted, edited_};
  return {filled_, false};
}

bool FieldEdit::Settle() {
  if (kind_ == SettleKind::None || isReadOnly()) return true;
  if (Shown() == settled_shown_) return true;
  const app::Settled settled = SettleText(kind_, Shown());
  const bool accepted = settled.Text.has_value();
  if (accepted) settled_ = *settled.Text;
  setText(FromCore(settled_));
  settled_shown_ = Shown();
  if (!accepted) {
    edited_ = settled_ != filled_;
    if (notices_ != nullptr) notices_->Refuse(FromCore(settled.Message));
  }
  return accepted;
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // After the mouse press that brought the focus, which would place the
  // cursor and clear the selection.
  if (kind_ != SettleKind::None) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A context menu or a popup of this box keeps the input going.
  if (event->reason() != Qt::PopupFocusReason) Settle();
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
  // Return settles the box as leaving it does (QLineEdit itself reports
  // Return only for a text its mask already accepts).
  if (kind_ != SettleKind::None &&
      (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    Settle();
  }
  if (event == QKeySequence::Paste && !isReadOnly()) {
    PasteFitting();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this, &FieldEdit::PasteFitting);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void FieldEdit::PasteFitting() {
  if (isReadOnly()) return;
  QString text = QGuiApplication::clipboard()->text();
  // One line: a line break would end the text anyway.
  text = text.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
  const QString character = FirstUnstorableCharacter(text);
  if (!character.isEmpty()) {
    if (notices_ != nullptr) notices_->RefuseCharacter(character);
    return;
  }
  const qsizetype room =
      static_cast<qsizetype>(maxLength()) - (QLineEdit::text().size() - selectedText().size());
  const qsizetype left_out = std::max<qsizetype>(0, text.size() - std::max<qsizetype>(room, 0));
  if (left_out > 0) text.truncate(std::max<qsizetype>(room, 0));
  if (!text.isEmpty()) {
    insert(text);
    edited_ = true;
  }
  if (left_out > 0 && notices_ != nullptr) {
    notices_->CutPaste(left_out, static_cast<size_t>(maxLength()));
  }
}

FieldEdit* TextField(QWidget* parent, const char* name, size_t width, InputNotices* notices) {
  auto* edit = new FieldEdit(parent, SettleKind::None, notices);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(width));
  edit->setValidator(new Cp1252Validator(notices, edit));
  return edit;
}

FieldEdit* PointsField(QWidget* parent, const char* name, InputNotices* notices) {
  auto* edit = new FieldEdit(parent, SettleKind::Points, notices);
  edit->setObjectName(QString::fromLatin1(name));
  // One character more than the field: "123" is refused as a whole instead
  // of being cut to "12".
  edit->setMaxLength(static_cast<int>(app::input_width::kPoints) + 1);
  edit->setAlignment(Qt::AlignCenter);
  FitWidth(edit, 2);
  return edit;
}

FieldEdit* MarkField(QWidget* parent, const char* name, InputNotices* notices) {
  auto* edit = new FieldEdit(parent, SettleKind::IntroMark, notices);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(app::input_width::kMark) + 1);
  edit->setAlignment(Qt::AlignCenter);
  FitWidth(edit, 1);
  return edit;
}

FieldEdit* DateField(QWidget* parent, const char* name, InputNotices* notices) {
  auto* edit = new FieldEdit(parent, SettleKind::BirthDate, notices);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setInputMask(QStringLiteral("99.99.9999"));
  FitWidth(edit, static_cast<int>(app::input_width::kBirthDate));
  return edit;
}

// ------------------------------------------------------------- choice boxes

ChoiceBox::ChoiceBox(QWidget* parent, const char* name) : QComboBox(parent) {
  setObjectName(QString::fromLatin1(name));
  setEditable(false);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(8);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFocusPolicy(Qt::StrongFocus);
}

void ChoiceBox::Fill(const app::ChoiceItems& items, const app::Choice& choice) {
  const QSignalBlocker blocker(this);
  items_ = items;
  clear();
  int selected = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    addItem(FromCore(items[i]));
    if (selected < 0 && choice && items[i] == *choice) selected = static_cast<int>(i);
  }
  setCurrentIndex(selected);
}

void ChoiceBox::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

app::Choice ChoiceBox::Value() const {
  const int index = currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= items_.size()) return std::nullopt;
  return items_[static_cast<size_t>(index)];
}

// ------------------------------------------------------------- check boxes

TriStateBox::TriStateBox(const QString& caption, QWidget* parent, const char* name)
    : QCheckBox(caption, parent) {
  setObjectName(QString::fromLatin1(name));
  setTristate(false);
}

void TriStateBox::Fill(app::CheckState state) {
  switch (state) {
    case app::CheckState::Unchecked:
      setTristate(false);
      setCheckState(Qt::Unchecked);
      return;
    case app::CheckState::Checked:
      setTristate(false);
      setCheckState(Qt::Checked);
      return;
    case app::CheckState::Greyed:
      break;
  }
  setTristate(true);
  setCheckState(Qt::PartiallyChecked);
}

void TriStateBox::nextCheckState() {
  // The greyed state is the stored value's, never a step of the clicks.
  if (checkState() == Qt::PartiallyChecked) {
    setTristate(false);
    setCheckState(Qt::Checked);
    return;
  }
  setTristate(false);
  QCheckBox::nextCheckState();
}

app::CheckState TriStateBox::Value() const {
  switch (checkState()) {
    case Qt::Unchecked:
      return app::CheckState::Unchecked;
    case Qt::Checked:
      return app::CheckState::Checked;
    case Qt::PartiallyChecked:
      break;
  }
  return app::CheckState::Greyed;
}

// ------------------------------------------------------------- radio groups

RadioGroup::RadioGroup(const QStringList& captions, QWidget* parent, const char* name)
    : QWidget(parent), group_(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(name));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QRadioButton(captions[i], this);
    button->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
    group_->addButton(button, i);
    row->addWidget(button);
  }
  row->addStretch(1);
}

void RadioGroup::Fill(int item) {
  filled_ = item;
  QAbstractButton* button = group_->button(item);
  if (button != nullptr) {
    button->setChecked(true);
    return;
  }
  // An exclusive group never unchecks its last button by itself.
  group_->setExclusive(false);
  for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
  group_->setExclusive(true);
}

int RadioGroup::Value() const {
  const int checked = group_->checkedId();
  return checked >= 0 ? checked : filled_;
}

void RadioGroup::SetReadOnly(bool read_only) {
  for (QAbstractButton* b : group_->buttons()) b->setEnabled(!read_only);
}

QList<QAbstractButton*> RadioGroup::Buttons() const { return group_->buttons(); }

// ------------------------------------------------------------- free texts

FreeTextEdit::FreeTextEdit(QWidget* parent, const char* name, size_t capacity,
                           InputNotices* notices)
    : QPlainTextEdit(parent), capacity_(capacity), notices_(notices) {
  setObjectName(QString::fromLatin1(name));
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void FreeTextEdit::Fill(const std::string& shown) {
  filled_ = shown;
  setPlainText(FromCore(shown));
  moveCursor(QTextCursor::Start);
}

QString FreeTextEdit::Shown() const {
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

std::string FreeTextEdit::Value() const {
  // Input was refused before it could bring an unstorable character; should
  // one be there all the same, the text is handed back as it was filled.
  return ToCore(Shown()).value_or(filled_);
}

bool FreeTextEdit::Fits(const QString& insert) const {
  const QTextCursor cursor = textCursor();
  QString result = Shown();
  result.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
                 QString(insert).replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
  const auto converted = ToCore(result);
  return converted && app::FreeTextStoredSize(*converted) <= capacity_;
}

bool FreeTextEdit::Admits(const QString& insert) const {
  const QString character = FirstUnstorableCharacter(insert);
  if (!character.isEmpty()) {
    notices_->RefuseCharacter(character);
    return false;
  }
  if (!Fits(insert)) {
    notices_->RefuseFullText(capacity_);
    return false;
  }
  return true;
}

void FreeTextEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    QString insert;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      insert = QStringLiteral("\n");
    } else {
      const QString text = event->text();
      const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isPrint() || c.isSurrogate() || c == QLatin1Char('\t');
      });
      if (printable) insert = text;
    }
    if (!insert.isEmpty() && !Admits(insert)) {
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void FreeTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !Admits(event->commitString())) {
    event->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

void FreeTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  const QString text = source->text();
  const QString character = FirstUnstorableCharacter(text);
  if (!character.isEmpty()) {
    notices_->RefuseCharacter(character);
    return;
  }
  // A paste too long for the text inserts what fits and says how much was
  // left out (the longest beginning that fits, found by halving).
  qsizetype keep = text.size();
  if (!Fits(text)) {
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
      const qsizetype mid = (low + high + 1) / 2;
      if (Fits(text.left(mid))) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    keep = low;
    notices_->CutPaste(text.size() - keep, capacity_);
  }
  if (keep > 0) insertPlainText(text.left(keep));
}

// ------------------------------------------------------------- colours

QColor CourseRoleColor(app::CourseRole role) {
  switch (role) {
    case app::CourseRole::ExamAndAdvanced:
      return QColor(0xFF, 0x00, 0x00);
    case app::CourseRole::ExamOnly:
      return QColor(0x00, 0x00, 0xFF);
    case app::CourseRole::AdvancedOnly:
      return QColor(0xFF, 0x00, 0xFF);
    case app::CourseRole::Plain:
      break;
  }
  return QColor(0x00, 0x00, 0x00);
}

void SetTextColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

void ChainTabOrder(const std::vector<QWidget*>& widgets) {
  for (size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

}  // namespace tolka::ui

#include "moc_editor_fields.cpp"
