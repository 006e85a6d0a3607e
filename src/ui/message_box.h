// The modal message boxes of the program: the platform's four standard icons,
// OK or Yes/No with the captions of Qt's German translation, and the core's
// Windows-1252 text with "\r" shown as a line break.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "core/interaction.h"

namespace tolka::ui {

QMessageBox::Icon MessageBoxIcon(core::Icon icon);

// The box's caption: "Fehler", "Warnung", "Information" or "Bestätigung".
QString MessageBoxTitle(core::Icon icon);

// A box ready for exec(): OK; Yes/No with Yes (YesNoDefaultNo: No) as the
// default button and No as the answer to Escape; or Yes/No/Abbrechen with
// Abbrechen as the answer to Escape and the close box; or "Wiederherstellen"
// (object name "RestoreButton", the default) and "Verwerfen"
// ("DiscardButton"), which only a click answers.
std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, core::Icon icon, const QString& text,
                                              core::Buttons buttons);

// The answer for the button that closed the box: Yes and No as clicked, OK
// for a box with OK only; a box closed any other way answers No, or Cancel
// when it has "Abbrechen".
core::Answer AnswerFor(QMessageBox::StandardButton clicked, core::Buttons buttons);

// Shows the box modally and returns the answer.
core::Answer ShowMessageBox(QWidget* parent, core::Icon icon, const QString& text,
                            core::Buttons buttons);

}  // namespace tolka::ui
