// The Qt boundary for texts: the core keeps Windows-1252 bytes, Qt keeps
// Unicode. Every text that goes from the core to a widget and every text that
// a person typed goes through these functions, so no character is ever stored
// as "?" or shown as a wrong letter.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace tolka::ui {

// A core text (Windows-1252) for a widget.
QString FromCore(const std::string& cp1252);

// A core message for a message box: "\r" (and "\r\n") become line breaks.
QString MessageText(const std::string& cp1252);

// A typed text for the core; nothing when it holds a character that
// Windows-1252 cannot store.
std::optional<std::string> ToCore(const QString& text);

// The first character of `text` that Windows-1252 cannot store, as shown to
// the user (one code point, a surrogate pair kept together); empty when all
// can be stored.
QString FirstUnstorableCharacter(const QString& text);

// The error message for a typed character that Windows-1252 cannot store
// ("Das Zeichen „Ł“ kann nicht gespeichert werden! ...").
QString UnstorableCharacterMessage(const QString& character);

// ToCore for a text that a person typed into a dialog: when a character
// cannot be stored, shows a German error box over `parent` naming the
// character and returns nothing, so the dialog stays open.
std::optional<std::string> TypedTextToCore(QWidget* parent, const QString& text);

// File paths: the bytes of the native path name, decoded as the platform
// decodes file names.
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToPath(const QString& text);

// A file name kept as a string of native path bytes (the current file name,
// the name that pre-fills the save dialog).
QString FileNameToQString(const std::string& native_name);

}  // namespace tolka::ui
