#include "cli/command_line.h"

#include <algorithm>
#include <array>

#include "cli/cli_error.h"
#include "cli/terminal_text.h"
#include "rules/pipelines.h"

namespace tolka::cli {

namespace {

enum class Option { ProgramDir, Password, Variant, Write, Append, Config, Slot, Pdf, All, PdfDir };

struct CommandInfo {
  const char* Name;
  Command Which;
  const char* Operands;  // for the message on a wrong count
  size_t OperandCount;
  std::vector<Option> Options;
};

const std::array<CommandInfo, 9>& Commands() {
  static const std::array<CommandInfo, 9> commands = {{
      {"new", Command::New, "DATEI.TLK", 1, {Option::ProgramDir, Option::Password}},
      {"dump",
       Command::Dump,
       "DATEI.TLK",
       1,
       {Option::ProgramDir, Option::Password, Option::Variant}},
      {"load", Command::Load, "JSON DATEI.TLK", 2, {Option::ProgramDir, Option::Password}},
      {"school-passwords", Command::SchoolPasswords, "", 0, {Option::ProgramDir}},
      {"run",
       Command::Run,
       "DATEI.TLK SLOT PIPELINE",
       3,
       {Option::ProgramDir, Option::Password, Option::Variant, Option::Write}},
      {"export-all",
       Command::ExportAll,
       "DATEI.TLK AUSGABE.TXT",
       2,
       {Option::ProgramDir, Option::Password, Option::Append}},
      {"export-results",
       Command::ExportResults,
       "DATEI.TLK AUSGABE.TXT",
       2,
       {Option::ProgramDir, Option::Password, Option::Append}},
      {"import",
       Command::Import,
       "DATEI.TLK EINGABE.TXT",
       2,
       {Option::ProgramDir, Option::Password, Option::Config, Option::Slot}},
      {"print",
       Command::Print,
       "DATEI.TLK SLOT DOKUMENT",
       3,
       {Option::ProgramDir, Option::Password, Option::Variant, Option::Pdf, Option::All,
        Option::PdfDir}},
  }};
  return commands;
}

std::optional<Option> OptionNamed(const std::string& name) {
  if (name == "--program-dir") return Option::ProgramDir;
  if (name == "--password") return Option::Password;
  if (name == "--variant") return Option::Variant;
  if (name == "--write") return Option::Write;
  if (name == "--append") return Option::Append;
  if (name == "--config") return Option::Config;
  if (name == "--slot") return Option::Slot;
  if (name == "--pdf") return Option::Pdf;
  if (name == "--all") return Option::All;
  if (name == "--pdf-dir") return Option::PdfDir;
  return std::nullopt;
}

struct GivenOption {
  Option Which;
  std::string Name;
  std::string Value;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  const auto options_end = std::find(args.begin(), args.end(), "--");
  if (std::any_of(args.begin(), options_end,
                  [](const std::string& a) { return a == "--help" || a == "-h"; })) {
    line.Help = true;
    return line;
  }

  std::vector<std::string> words;  // the command and its operands
  std::vector<GivenOption> options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      words.insert(words.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {  // "-" alone is an operand (standard input)
      words.push_back(arg);
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto option = arg.rfind("--", 0) == 0 ? OptionNamed(name) : std::nullopt;
    if (!option) throw UserError("Unbekannte Option: " + FromUtf8Lossy(name));
    std::string value;
    if (*option == Option::Write || *option == Option::Append ||
        *option == Option::All) {  // flags without a value
      if (equals != std::string::npos) throw UserError("Die Option " + name + " hat keinen Wert.");
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      throw UserError("Die Option " + name + " braucht einen Wert.");
    }
    for (const GivenOption& earlier : options) {
      if (earlier.Which == *option)
        throw UserError("Die Option " + name + " ist doppelt angegeben.");
    }
    options.push_back({*option, name, value});
  }

  if (words.empty()) throw UserError("Kein Befehl angegeben (tolka-cli --help zeigt die Befehle).");
  const auto& commands = Commands();
  const auto info = std::find_if(commands.begin(), commands.end(),
                                 [&](const CommandInfo& c) { return words[0] == c.Name; });
  if (info == commands.end()) {
    throw UserError("Unbekannter Befehl: " + FromUtf8Lossy(words[0]) +
                    " (tolka-cli --help zeigt die Befehle).");
  }
  line.Which = info->Which;
  line.Operands.assign(words.begin() + 1, words.end());
  if (line.Operands.size() != info->OperandCount) {
    std::string usage = std::string("Aufruf: tolka-cli ") + info->Name;
    if (info->OperandCount > 0) usage += std::string(" ") + info->Operands;
    throw UserError(usage + " (" + std::to_string(info->OperandCount) + " Argument" +
                    (info->OperandCount == 1 ? "" : "e") + " erwartet, " +
                    std::to_string(line.Operands.size()) + " angegeben).");
  }

  for (const GivenOption& option : options) {
    if (std::find(info->Options.begin(), info->Options.end(), option.Which) ==
        info->Options.end()) {
      throw UserError("Die Option " + option.Name + " gibt es beim Befehl " + info->Name +
                      " nicht.");
    }
    switch (option.Which) {
      case Option::ProgramDir:
        if (option.Value.empty()) throw UserError("Die Option --program-dir braucht einen Wert.");
        line.ProgramDir = std::filesystem::path(option.Value);
        break;
      case Option::Password:
        line.Password = option.Value;
        break;
      case Option::Variant:
        if (option.Value == "neu") {
          line.Variant = core::CipherVariant::Neu;
        } else if (option.Value == "alt") {
          line.Variant = core::CipherVariant::Alt;
        } else {
          throw UserError("--variant: \"neu\" oder \"alt\" erwartet, nicht \"" +
                          FromUtf8Lossy(option.Value) + "\".");
        }
        break;
      case Option::Write:
        line.Write = true;
        break;
      case Option::Append:
        line.Append = true;
        break;
      case Option::Config:
        if (option.Value.empty()) throw UserError("Die Option --config braucht einen Wert.");
        line.Config = std::filesystem::path(option.Value);
        break;
      case Option::Slot:
        line.Slot = option.Value;
        break;
      case Option::Pdf:
        line.Pdf = std::filesystem::path(option.Value);
        break;
      case Option::All:
        line.All = true;
        break;
      case Option::PdfDir:
        if (option.Value.empty()) throw UserError("Die Option --pdf-dir braucht einen Wert.");
        line.PdfDir = std::filesystem::path(option.Value);
        break;
    }
  }
  return line;
}

namespace {

// The ids of every pipeline `run` accepts, as lines of the help text.
std::string PipelineList() {
  std::string lines = "      PIPELINE:";
  size_t width = lines.size();
  const auto& table = rules::PipelineTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string word = " " + table[i].Id + (i + 1 < table.size() ? "," : ".");
    if (width + word.size() > 76) {
      lines += "\r      ";
      width = 6;
    }
    lines += word;
    width += word.size();
  }
  return lines + "\r";
}

}  // namespace

std::string UsageText() {
  const std::string head =
      "Aufruf: tolka-cli [--program-dir VERZ] BEFEHL ...\r"
      "\r"
      "Befehle:\r"
      "  new DATEI.TLK [--password P]\r"
      "      legt eine Datendatei mit initialisierter Tabelle an, wie \"Neu\" und\r"
      "      \"Speichern\" es tun; mit --password wird sie verschlüsselt.\r"
      "  dump DATEI.TLK [--password P] [--variant neu|alt]\r"
      "      gibt die Tabelle als JSON (UTF-8) aus: {\"protected\": ..., \"slots\": [36 "
      "Plätze]}.\r"
      "      Schreibt nichts, auch keine .BAK-Kopie.\r"
      "  load JSON DATEI.TLK [--password P]\r"
      "      schreibt eine Datendatei aus JSON derselben Form, ausgehend von einer\r"
      "      initialisierten Tabelle; ein Platz-Objekt darf \"slot\": N (0..35) und\r"
      "      beliebige Felder tragen. JSON \"-\" liest die Standardeingabe. Bei einem\r"
      "      Fehler wird nichts geschrieben.\r"
      "  run DATEI.TLK SLOT PIPELINE [--password P] [--variant neu|alt] [--write]\r"
      "      führt eine Prüfung oder Berechnung (\"Prüfen und Berechnen\") für den\r"
      "      Schüler auf Platz SLOT (0..35) aus und gibt das Ergebnis als JSON aus.\r";
  return head + PipelineList() +
         "      Mit --write werden gesetzte Kursanrechnungen gespeichert, sonst\r"
         "      bleibt die Datei unverändert.\r"
         "  export-all DATEI.TLK AUSGABE.TXT [--password P] [--append]\r"
         "      \"Export aller Daten\": eine Zeile mit 286 Feldern je belegtem Platz.\r"
         "  export-results DATEI.TLK AUSGABE.TXT [--password P] [--append]\r"
         "      \"Export der Abiturergebnisse\": 35 Zeilen mit Name, Geschlecht,\r"
         "      Fehlermarke, Blocksummen, Gesamtpunkten und Durchschnittsnote.\r"
         "      Beide Exporte schreiben Windows-1252 mit CR LF und Semikolon; eine\r"
         "      vorhandene AUSGABE.TXT wird nur mit --append ergänzt, sonst abgelehnt.\r"
         "  import DATEI.TLK EINGABE.TXT [--config IMPORT.CFG] [--slot N] [--password P]\r"
         "      \"Import von Personendaten\" ab Platz N (0..34, Vorgabe 0) mit der\r"
         "      Spaltenzuordnung aus --config, sonst IMPORT.CFG im Programmverzeichnis,\r"
         "      sonst der eingebauten. Alles oder nichts: bei einem Fehler in der\r"
         "      Eingabe bleibt die Datendatei unverändert; überschriebene Plätze werden\r"
         "      auf der Standardfehlerausgabe genannt.\r"
         "  print DATEI.TLK SLOT DOKUMENT --pdf AUSGABE.pdf [--password P]\r"
         "        [--variant neu|alt]\r"
         "      druckt ein Zeugnis des Schülers auf Platz SLOT als PDF-Datei, mit\r"
         "      denselben Prüfungen, Einstellungen und Steuerdateien wie das\r"
         "      Menü \"Drucken\" (Steuerdateien im Verzeichnis der Datendatei, dann\r"
         "      im Programmverzeichnis); jede Rückfrage wird mit OK beantwortet.\r"
         "      DOKUMENT: abitur-certificate, fhr-certificate-1, fhr-certificate-2,\r"
         "      fhr-certificate-3. Blockieren Prüfungsergebnisse den Druck, werden\r"
         "      sie als JSON (wie bei run) ausgegeben (Rückgabewert 1).\r"
         "      Formblätter: data-sheet, prerequisites-sheet, exam-subjects-sheet,\r"
         "      registration-sheet, optimisation-sheet, achievement-sheet,\r"
         "      written-admission-sheet, oral-admission-sheet, recommendations-sheet,\r"
         "      exam-result-sheet, extended-data-sheet; statistics (alle Plätze).\r"
         "      Mit --all ein Formblatt je Schüler ab SLOT bis zur ersten Lücke;\r"
         "      mit --pdf-dir VERZ statt --pdf eine PDF-Datei je Schüler.\r"
         "  school-passwords\r"
         "      zeigt die Passwörter für die Abitur- und die Fächereinstellungen, die\r"
         "      aus den Schuldaten (SCHULE.INI) abgeleitet werden.\r"
         "\r"
         "Optionen:\r"
         "  --program-dir VERZ  Programmverzeichnis (Einstellungsdateien und Listen);\r"
         "                      ohne die Option das Verzeichnis des Programms, wenn es\r"
         "                      beschreibbar ist, sonst ~/.local/share/Tolka\r"
         "  --password P        Daten-Passwort, 4 bis 15 Zeichen (längere werden nach\r"
         "                      15 Zeichen abgeschnitten)\r"
         "  --variant neu|alt   Verschlüsselungsart beim Lesen (Vorgabe: neu)\r"
         "  --write             run: Kursanrechnungen in die Datei zurückschreiben\r"
         "  --append            export-all, export-results: an AUSGABE.TXT anhängen\r"
         "  --config DATEI      import: Spaltenzuordnung (IMPORT.CFG) aus DATEI\r"
         "  --slot N            import: erster Platz (0..34, Vorgabe 0)\r"
         "  --pdf DATEI         print: die PDF-Datei (wird erst am Ende ersetzt)\r"
         "  --all               print: Formblatt ab SLOT bis zur ersten Lücke\r"
         "  --pdf-dir VERZ      print: eine PDF-Datei je Schüler (NN-Name.pdf)\r"
         "  --help              diese Hilfe\r"
         "\r"
         "Rückgabewert: 0 bei Erfolg, 1 bei einem Fehler (Meldung auf der\r"
         "Standardfehlerausgabe), 2 bei einem internen Fehler.";
}

}  // namespace tolka::cli
