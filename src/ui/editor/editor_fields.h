// The controls of the record editor's pages, each filled from and read back
// into its app::EditorValues member: edit boxes that remember whether the
// user typed in them since they were last filled, drop-down choice boxes,
// check boxes (with a greyed state only for a stored value other than 0 and
// 1), radio groups and the free-text boxes. Every text box refuses at input
// what the record cannot hold: more characters than its field's width, a
// character outside Windows-1252 (never stored as "?"). Points, marks and
// the birth date are checked as a whole when the user leaves the box
// (app::SettlePoints and its kin): a refused text is replaced by the box's
// previous text and reported, never cut into another value.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <QWidget>
#include <cstddef>
#include <string>
#include <vector>

#include "app/editor_values.h"

class QButtonGroup;
class QLabel;

namespace tolka::ui {

// Where the controls report what they refused. The record editor owns one
// and shows a refused character, a refused points, mark or date text and a
// paste that did not fit in an error box (after the event that brought it).
class InputNotices : public QObject {
  Q_OBJECT

 public:
  explicit InputNotices(QObject* parent) : QObject(parent) {}

  void RefuseCharacter(const QString& character) { Q_EMIT CharacterRefused(character); }
  void RefuseFullText(size_t capacity);
  // A paste of which `left_out` characters did not fit.
  void CutPaste(qsizetype left_out, size_t capacity);
  void Refuse(const QString& message) { Q_EMIT Refused(message); }

 Q_SIGNALS:
  void CharacterRefused(const QString& character);
  void Refused(const QString& message);
  void Note(const QString& text);
};

// Texts of edit boxes: Acceptable unless a character cannot be stored in
// Windows-1252; such a text is Invalid (the box keeps its previous text) and
// reported to `notices`.
class Cp1252Validator : public QValidator {
 public:
  Cp1252Validator(InputNotices* notices, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  InputNotices* notices_;
};

// What a box checks as a whole when the user leaves it.
enum class SettleKind { None, Points, IntroMark, BirthDate };

// An edit box (also the date box). Edited() is set by textEdited only, so a
// box that Show record filled counts as a change only once the user typed.
// A box of another kind than SettleKind::None settles its text when it loses
// the focus, on Return and before a transfer (Settle): the text the model
// keeps, or, refused, the previous text again with the reason reported to
// its notices. Such a box selects its whole text when it gets the focus, by
// mouse too, so typing replaces "--". A paste that does not fit inserts what
// fits and reports how much was left out.
class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  FieldEdit(QWidget* parent, SettleKind kind = SettleKind::None, InputNotices* notices = nullptr);

  void Fill(const app::EditText& value);
  app::EditText Value() const;
  bool Edited() const { return edited_; }
  // Settles the shown text now (see above); returns false when it was
  // refused.
  bool Settle();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString Shown() const;
  void PasteFitting();

  SettleKind kind_;
  InputNotices* notices_;
  std::string filled_;
  std::string settled_;    // the last text that was filled or settled
  QString settled_shown_;  // and how the box showed it
  bool edited_ = false;
};

// The kinds of edit boxes, each limited to its field.
FieldEdit* TextField(QWidget* parent, const char* name, size_t width, InputNotices* notices);
// Points ("00".."15", "--") and intro-phase marks ("1".."6", "-", "#"),
// settled when left; refusals go to `notices`.
FieldEdit* PointsField(QWidget* parent, const char* name, InputNotices* notices);
FieldEdit* MarkField(QWidget* parent, const char* name, InputNotices* notices);
// "Geburtsdatum:": input mask "99.99.9999"; its value is the shown text, ten
// characters with the dots and blanks where nothing was typed, settled to a
// valid date or no date when left.
FieldEdit* DateField(QWidget* parent, const char* name, InputNotices* notices);

// A drop-down list (not editable): only its items can be chosen. The items
// are the model's Windows-1252 texts, kept as they are so a choice is handed
// back byte for byte. The mouse wheel changes the choice only while the box
// has the focus; otherwise it scrolls the page, so rolling through the
// course rows never exchanges a course by accident.
class ChoiceBox : public QComboBox {
  Q_OBJECT

 public:
  ChoiceBox(QWidget* parent, const char* name);

  // Shows `items` and selects the one equal to `choice` (none when nothing).
  void Fill(const app::ChoiceItems& items, const app::Choice& choice);
  app::Choice Value() const;

 protected:
  void wheelEvent(QWheelEvent* event) override;

 private:
  app::ChoiceItems items_;
};

// A check box that a click ticks and unticks. The third, greyed state only
// shows a stored value other than 0 and 1 (the user cannot pick it); the
// first click on a greyed box ticks it, and a box left greyed keeps the
// stored value.
class TriStateBox : public QCheckBox {
  Q_OBJECT

 public:
  TriStateBox(const QString& caption, QWidget* parent, const char* name);

  void Fill(app::CheckState state);
  app::CheckState Value() const;

 protected:
  void nextCheckState() override;
};

// A row of radio buttons. Fill(kNoRadioItem) or an index without a button
// checks none; Value() is the checked button's index, or the filled index
// while the user has checked none (a stored code outside the group's range
// is handed back unchanged).
class RadioGroup : public QWidget {
  Q_OBJECT

 public:
  RadioGroup(const QStringList& captions, QWidget* parent, const char* name);

  void Fill(int item);
  int Value() const;
  void SetReadOnly(bool read_only);
  QList<QAbstractButton*> Buttons() const;

 private:
  QButtonGroup* group_;
  int filled_ = app::kNoRadioItem;
};

// A free text ("Thema:", the remarks): line breaks shown as "\n", stored as
// CR LF. Typing that would make the stored text longer than `capacity`
// bytes (a line break takes two), or that brings a character outside
// Windows-1252, is refused and reported to `notices`; a paste too long
// inserts what fits and reports how much was left out. Tab moves the focus
// on.
class FreeTextEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  FreeTextEdit(QWidget* parent, const char* name, size_t capacity, InputNotices* notices);

  void Fill(const std::string& shown);
  std::string Value() const;
  size_t Capacity() const { return capacity_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // The shown text, block and line separators as "\n" (no blank for a
  // non-breaking space, unlike toPlainText).
  QString Shown() const;
  // Whether `insert` may replace the selection: storable (else reported)
  // and fitting (else reported).
  bool Admits(const QString& insert) const;
  // Whether the text with `insert` in place of the selection fits.
  bool Fits(const QString& insert) const;

  size_t capacity_;
  InputNotices* notices_;
  std::string filled_;
};

// The colour of a course row's label and result caption: red, blue,
// fuchsia or black.
QColor CourseRoleColor(app::CourseRole role);
void SetTextColor(QLabel* label, const QColor& color);

// Sets the focus chain of `widgets` in the order given.
void ChainTabOrder(const std::vector<QWidget*>& widgets);

}  // namespace tolka::ui
