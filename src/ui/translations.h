// The program speaks German whatever the system's locale: Qt's own texts
// (the buttons "Ja", "Nein", "Abbrechen" of message boxes, the file dialogs)
// come from Qt's German translation, and numbers and dates use the German
// locale.
#pragma once

class QCoreApplication;

namespace tolka::ui {

// Installs Qt's German translation "qtbase_de" from Qt's translations
// directory and makes German (Germany) the default locale. Returns false
// when the translation file could not be loaded (Qt's English texts stay).
bool InstallGermanTranslations(QCoreApplication& application);

}  // namespace tolka::ui
