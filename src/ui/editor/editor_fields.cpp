#include "ui/editor/editor_fields.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QWheelEvent>
#include <algorithm>

#include "app/input_limits.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

QValidator::State StateOf(app::InputState state) {
  switch (state) {
    case app::InputState::Invalid:
      return QValidator::Invalid;
    case app::InputState::Intermediate:
      return QValidator::Intermediate;
    case app::InputState::Acceptable:
      break;
  }
  return QValidator::Acceptable;
}

// The points and mark boxes hold ASCII only, so their texts pass to the
// model's checks unconverted; anything else is refused by them.
std::string Ascii(const QString& text) { return text.toLatin1().toStdString(); }

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

// ------------------------------------------------------------- validators

Cp1252Validator::Cp1252Validator(InputNotices* notices, QObject* parent)
    : QValidator(parent), notices_(notices) {}

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
  const QString character = FirstUnstorableCharacter(input);
  if (character.isEmpty()) return Acceptable;
  if (notices_ != nullptr) notices_->RefuseCharacter(character);
  return Invalid;
}

QValidator::State PointsValidator::validate(QString& input, int& /*pos*/) const {
  for (const QChar c : input) {
    if (c.unicode() > 0x7F) return Invalid;
  }
  return StateOf(app::ValidatePoints(Ascii(input)));
}

void PointsValidator::fixup(QString& input) const {
  input = QString::fromLatin1(app::FixupPoints(Ascii(input)));
}

QValidator::State IntroMarkValidator::validate(QString& input, int& /*pos*/) const {
  for (const QChar c : input) {
    if (c.unicode() > 0x7F) return Invalid;
  }
  return StateOf(app::ValidateIntroMark(Ascii(input)));
}

// ------------------------------------------------------------- edit boxes

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this]() { edited_ = true; });
}

void FieldEdit::Fill(const app::EditText& value) {
  filled_ = value.Text;
  setText(FromCore(value.Text));
  setCursorPosition(0);
  edited_ = false;
}

app::EditText FieldEdit::Value() const {
  // The date box hands back its shown text: the dots, and blanks where
  // nothing was typed. Every text here passed the validator, so the
  // conversion cannot fail; should it all the same, the box counts as
  // untouched rather than storing a wrong letter.
  const QString text = inputMask().isEmpty() ? QLineEdit::text() : displayText();
  if (auto converted = ToCore(text)) return {*converted, edited_};
  return {filled_, false};
}

FieldEdit* TextField(QWidget* parent, const char* name, size_t width, InputNotices* notices) {
  auto* edit = new FieldEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(width));
  edit->setValidator(new Cp1252Validator(notices, edit));
  return edit;
}

FieldEdit* PointsField(QWidget* parent, const char* name) {
  auto* edit = new FieldEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(app::input_width::kPoints));
  edit->setValidator(new PointsValidator(edit));
  edit->setAlignment(Qt::AlignCenter);
  FitWidth(edit, 2);
  return edit;
}

FieldEdit* MarkField(QWidget* parent, const char* name) {
  auto* edit = new FieldEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(app::input_width::kMark));
  edit->setValidator(new IntroMarkValidator(edit));
  edit->setAlignment(Qt::AlignCenter);
  FitWidth(edit, 1);
  return edit;
}

FieldEdit* DateField(QWidget* parent, const char* name) {
  auto* edit = new FieldEdit(parent);
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
  setTristate(true);
}

void TriStateBox::Fill(app::CheckState state) {
  switch (state) {
    case app::CheckState::Unchecked:
      setCheckState(Qt::Unchecked);
      return;
    case app::CheckState::Checked:
      setCheckState(Qt::Checked);
      return;
    case app::CheckState::Greyed:
      break;
  }
  setCheckState(Qt::PartiallyChecked);
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

bool FreeTextEdit::Admits(const QString& insert) const {
  const QString character = FirstUnstorableCharacter(insert);
  if (!character.isEmpty()) {
    notices_->RefuseCharacter(character);
    return false;
  }
  const QTextCursor cursor = textCursor();
  QString result = Shown();
  result.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
                 QString(insert).replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
  const auto converted = ToCore(result);
  if (!converted || app::FreeTextStoredSize(*converted) > capacity_) {
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
  if (source != nullptr && source->hasText() && !Admits(source->text())) return;
  QPlainTextEdit::insertFromMimeData(source);
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
