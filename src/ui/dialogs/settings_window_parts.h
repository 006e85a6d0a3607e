// Pieces the settings windows share: the red bold warning line, a labelled
// edit field on a form, and the push buttons of a window's button row.
#pragma once

#include <QString>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolka::ui {

// A red bold label ("WARNUNG! ...").
QLabel* WarningLabel(const QString& text, QWidget* parent);

// An edit field with its label on `form`, named `name` for the tests.
QLineEdit* AddField(QFormLayout* form, const QString& label, const char* name, QWidget* parent);

// A push button named `name` that does not steal Return from the default.
QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent);

// Centres `window` on its parent window (or leaves it where the platform put
// it when it has none).
void CentreOnParent(QWidget* window);

}  // namespace tolka::ui
