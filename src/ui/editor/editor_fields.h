// The controls of the record editor's pages, each filled from and read back
// into its app::EditorValues member: edit boxes that remember whether the
// user typed in them since they were last filled, drop-down choice boxes,
// tri-state check boxes, radio groups and the free-text boxes. Every text box
// refuses at input what the record cannot hold: more characters than its
// field's width, a character outside Windows-1252 (never stored as "?"),
// and, for points and marks, anything but the texts the model accepts.
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
// and shows a refused character in an error box (after the key press that
// brought it is undone) and a full free text in the status line.
class InputNotices : public QObject {
  Q_OBJECT

 public:
  explicit InputNotices(QObject* parent) : QObject(parent) {}

  void RefuseCharacter(const QString& character) { Q_EMIT CharacterRefused(character); }
  void RefuseFullText(size_t capacity);

 Q_SIGNALS:
  void CharacterRefused(const QString& character);
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

// Points boxes: app::ValidatePoints ("00".."15", "--"; "", one digit and "-"
// while typing), fixed up with app::FixupPoints ("5" -> "05") when the box
// is left.
class PointsValidator : public QValidator {
 public:
  explicit PointsValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
};

// Marks of the introductory phase: app::ValidateIntroMark ("1".."6", "-",
// "#").
class IntroMarkValidator : public QValidator {
 public:
  explicit IntroMarkValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
};

// An edit box (also the date box). Edited() is set by textEdited only, so a
// box that Show record filled counts as a change only once the user typed.
class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FieldEdit(QWidget* parent);

  void Fill(const app::EditText& value);
  app::EditText Value() const;
  bool Edited() const { return edited_; }

 private:
  std::string filled_;
  bool edited_ = false;
};

// The kinds of edit boxes, each limited to its field.
FieldEdit* TextField(QWidget* parent, const char* name, size_t width, InputNotices* notices);
FieldEdit* PointsField(QWidget* parent, const char* name);
FieldEdit* MarkField(QWidget* parent, const char* name);
// "Geburtsdatum:": input mask "99.99.9999"; its value is the shown text, ten
// characters with the dots and blanks where nothing was typed.
FieldEdit* DateField(QWidget* parent, const char* name);

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

// A check box with the third, greyed state (the user can pick it too; the
// transfer stores it as 0).
class TriStateBox : public QCheckBox {
  Q_OBJECT

 public:
  TriStateBox(const QString& caption, QWidget* parent, const char* name);

  void Fill(app::CheckState state);
  app::CheckState Value() const;
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
// CR LF. Typing, pasting or dropping that would make the stored text longer
// than `capacity` bytes (a line break takes two) or that brings a character
// outside Windows-1252 is refused and reported to `notices`. Tab moves the
// focus on.
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
  // Whether `insert` may replace the selection.
  bool Admits(const QString& insert) const;

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
