#include "ui/program_arguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QUrl>

#include "ui/qt_text.h"

namespace tolka::ui {

ProgramArguments ParseProgramArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Tolka: Kurswahl und Abiturergebnisse der gymnasialen Oberstufe"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("datei"),
                               QStringLiteral("Daten-Datei (*.TLK), die beim Start geöffnet wird"),
                               QStringLiteral("[datei]"));
  ProgramArguments result;
  if (!parser.parse(arguments)) {
    result.Error = parser.errorText();
    return result;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    result.Error = QStringLiteral("Es kann nur eine Daten-Datei beim Start geöffnet werden.");
    return result;
  }
  if (files.size() == 1) {
    // Some file managers pass a file:// address even for "%f".
    QString file = files.front();
    const QUrl url(file);
    if (url.isLocalFile()) file = url.toLocalFile();
    result.DataFile = QStringToPath(QFileInfo(file).absoluteFilePath());
  }
  return result;
}

}  // namespace tolka::ui
