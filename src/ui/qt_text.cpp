#include "ui/qt_text.h"

#include <QFile>
#include <QVector>

#include "core/cp1252.h"
#include "ui/message_box.h"

namespace tolka::ui {

QString FromCore(const std::string& cp1252) {
  return QString::fromUtf8(core::Cp1252ToUtf8(cp1252));
}

QString MessageText(const std::string& cp1252) {
  QString text = FromCore(cp1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

std::optional<std::string> ToCore(const QString& text) {
  return core::Utf8ToCp1252(text.toStdString());
}

QString FirstUnstorableCharacter(const QString& text) {
  for (const char32_t code_point : text.toUcs4()) {
    if (!core::IsCp1252Representable(code_point)) return QString::fromUcs4(&code_point, 1);
  }
  return {};
}

QString UnstorableCharacterMessage(const QString& character) {
  return QStringLiteral(
             "Das Zeichen „%1“ kann nicht gespeichert werden!\n\n"
             "Tolka speichert alle Texte im westeuropäischen Zeichensatz "
             "(Windows-1252).\nBitte geben Sie den Text ohne dieses Zeichen ein.")
      .arg(character);
}

std::optional<std::string> TypedTextToCore(QWidget* parent, const QString& text) {
  if (auto converted = ToCore(text)) return converted;
  ShowMessageBox(parent, core::Icon::Error,
                 UnstorableCharacterMessage(FirstUnstorableCharacter(text)), core::Buttons::Ok);
  return std::nullopt;
}

QString PathToQString(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

QString FileNameToQString(const std::string& native_name) {
  return QFile::decodeName(QByteArray::fromStdString(native_name));
}

std::filesystem::path QStringToPath(const QString& text) {
  return std::filesystem::path(QFile::encodeName(text).toStdString());
}

}  // namespace tolka::ui
