#include "rules/check_item_table.h"

#include <string>

namespace tolka::rules {

namespace {

struct UsedItem {
  int number;
  bool is_error;
  const char* label;
  const char* fail_text;  // nullptr: item 11, built from the settings
};

constexpr bool kError = true;
constexpr bool kHint = false;

// The used items with their class, label and fail text. Labels of items 1..5
// and every fail text start with a blank; the report puts "[n] " before the
// label and "  --->  " before the fail text.
constexpr UsedItem kUsedItems[] = {
    {1, kError, " Allgemeiner Fehler (unspezifiziert)", " aufgetreten"},
    {2, kError, " Testfehler (für Erprobungen)", " erkannt"},
    {3, kHint, " Allgemeiner Fehler in der Datenstruktur", " aufgetreten"},
    {4, kHint, " Fehler beim Berechnen der Gesamtnote (bei schr. und mdl.)", " aufgetreten"},
    {5, kHint, " Fehler in den Berechnungen", " aufgetreten"},
    {10, kError, "Anzahl der Grundkurse", " zu gering"},
    {11, kError, "Anzahl der Grundkurse", nullptr},
    {12, kError, "Anzahl der Leistungskurse", " zu gering"},
    {13, kError, "Anzahl der Leistungskurse", " zu hoch"},
    {14, kHint, "Anzahl der ausgewählten Prüfungen", " für Abitur insgesamt noch zu gering"},
    {15, kError, "Anzahl der Prüfungen", " zu hoch"},
    {16, kError, "Fächer mehrfach gewählt", " ja"},
    {17, kError, "1. Leistungskurs", " muss Mathematik oder Fremdsprache sein"},
    {18, kError, "Fächerwahl Leistungskurse", " nicht geeignetes Fach gewählt"},
    {19, kError, "Deutsch wurde", " nicht belegt"},
    {20, kError, "Geschichte wurde", " nicht belegt"},
    {21, kError, "Kunst und Gestaltung oder Musik wurde", " nicht belegt"},
    {22, kError, "Religion oder Philosophie (für Band g) wurde", " nicht belegt"},
    {23, kError, "Geographie oder Sozialkunde wurde", " nicht belegt"},
    {24, kError, "mindestens eine Naturwissenschaft", " muss belegt werden"},
    {25, kError, "Mathematik wurde", " nicht belegt"},
    {26, kError, "mindestens eine Fremdsprache", " muss belegt werden"},
    {27, kError, "Mindeststundenanzahl im Aufgabenfeld 1 (D, FS, Ku, Mu)", " reicht nicht aus"},
    {28, kError, "Mindeststundenzahl im Aufg.feld 2 (Ge,Geo,SK,Rel,Phil(,AWT,Inf))",
     " reicht nicht aus oder nur mit AWT bzw. Inf ausreichend"},
    {29, kHint, "Mindeststundenzahl im Aufg.feld 2 (Ge,Geo,SK,Rel,Phil(,AWT,Inf))",
     " nur mit AWT bzw. Inf erreicht"},
    {30, kError, "Mindeststundenanzahl im Aufgabenfeld 3 (Ma, NaWi (, AWT, Inf))",
     " reicht nicht aus oder nur mit AWT bzw. Inf ausreichend"},
    {31, kHint, "Mindeststundenanzahl im Aufgabenfeld 3 (Ma, NaWi (, AWT, Inf))",
     " nur mit AWT bzw. Inf erreicht"},
    {32, kError, "Wochenstundenanzahl", " reicht nicht aus"},
    {33, kError, "Leistungskursfächer in der Einführungsphase",
     " nicht belegt bzw. nicht übersprungen"},
    {34, kError, "Wahl von Philosophie (für Band f)", " nur mit Religion im Band g möglich"},
    {35, kError, "spätbeginnende 2. Fremdsprache", " muß in der gymn. Oberstufe gewählt werden"},
    {36, kHint, "Angaben zu Fremdsprachen (Fach, von/bis Klasse)",
     " nicht ausreichend oder wiedersprüchlich"},
    {37, kError, "Anzahl Fremdsprachen", " für Abitur sind mindestens 2 notwendig"},
    {38, kError, "eine oder mehrere Fremdsprachen (Fach, von/bis Klasse)",
     " mehrfach oder falsch angegeben"},
    {39, kError, "Bewertungen", " beinhalten falsche Werte oder Schreibweisen"},
    {40, kError, "mit 00 bewerte oder nicht belegte Kurse", " können nicht angerechnet werden"},
    {41, kError, "Anzahl der einzelnen anrechenbaren Leistungskurse", " reicht nicht aus"},
    {42, kHint, "Anzahl der einzelnen Kurse im Block I", " zu hoch"},
    {43, kHint, "Anzahl der einzelnen Kurse im Block II", " zu hoch"},
    {44, kHint, "Anzahl der einzelnen Kurse im Block III", " zu hoch"},
    {45, kError, "Anzahl der LKs mit mindestens 05 Punkten", " nicht ausreichend"},
    {46, kError, "Anzahl der GKs mit mindestens 05 Punkten", " nicht ausreichend"},
    {47, kError, "Anzahl der belegten einzelnen Grundkurse", " nicht ausreichend"},
    {48, kHint, "Anzahl der einzelnen Kurse im Block I", " zu gering (Blocksumme provisorisch!!!)"},
    {49, kHint, "Anzahl der einzelnen Kurse im Block II",
     " zu gering (Blocksumme provisorisch!!!)"},
    {50, kHint, "Anzahl der einzelnen Kurse im Block III",
     " zu gering (Blocksumme provisorisch!!!)"},
    {51, kError, "Anzahl der Geschichtskurse", " zu gering oder Kurse nicht anrechenbar"},
    {52, kError, "Anzahl der Kurse für 3. bzw. 4. Prüfungsfach",
     " zu gering oder nicht anrechenbar"},
    {53, kError, "Anzahl der Kurse für 1. bzw. 2. Prüfungsfach",
     " zu gering oder nicht anrechenbar"},
    {54, kError, "Anzahl der Deutschkurse", " zu gering oder Kurse nicht anrechenbar"},
    {55, kError, "Anzahl der Mathematikkurse", " zu gering oder Kurse nicht anrechenbar"},
    {56, kError, "Anzahl der Kurse in einer Fremdsprache",
     " zu gering oder Kurse nicht anrechenbar"},
    {57, kError, "Anzahl der Kurse in einer Naturwissenschaft",
     " zu gering oder Kurse nicht anrechenbar"},
    {58, kError, "Anzahl der Kurse von Musik oder Kunst und Gestaltung",
     " zu gering oder Kurse nicht anrechenbar"},
    {59, kError, "Anzahl der Kurse von Geographie oder Sozialkunde oder Philosophie",
     " zu gering oder Kurse nicht anrechenbar"},
    {60, kError, "Anzahl der Kurse von Religion/Philosophie",
     " zu gering oder Kurse nicht anrechenbar"},
    {61, kError, "von spätbeginnender 2. Fremdsprache",
     " müssen zuerst 3. u. 4. Sem. angerechnet werden"},
    {62, kError, "Anzahl der Sportkurse", " zu groß"},
    {63, kError, "Anzahl der Sportkurse", " zu groß oder fehlende Differenzierung"},
    {70, kError, "Anzahl der gewählten Prüfungsfächer", " zu gering"},
    {71, kError, "Anzahl der gewählten Prüfungen in Leistungskursen", " zu gering"},
    {72, kError, "Anzahl der gewählten Prüfungen in Leistungskursen",
     " zu hoch oder 3./4. Prüfungsfach ist noch LK"},
    {73, kError, "Anzahl der gewählten Prüfungen in Grundkursen",
     " zu gering oder 3./4. Prüfungsfach ist noch LK"},
    {74, kError, "Anzahl der gewählten Prüfungen in Grundkursen", " zu hoch"},
    {75, kError, "Leistungskurse als Prüfungfächer gewählt?:", " nein"},
    {76, kError, "Prüfungfach für spr.-lit.-künstl. Aufgabenfeld", " nicht richtig gewählt"},
    {77, kError, "Prüfungfach für gesellschaftswiss. Aufgabenfeld", " nicht richtig gewählt"},
    {78, kHint, "Prüfungfach für gesellschaftswiss. Aufgabenfeld",
     " ist AWT bzw. Inf (Zugehörigkeit zum Aufgabenfeld prüfen!)"},
    {79, kError, "Prüfungfach für math.-naturwiss. Aufgabenfeld", " nicht richtig gewählt"},
    {80, kHint, "Prüfungfach für math.-naturwiss. Aufgabenfeld",
     " ist AWT bzw. Inf (Zugehörigkeit zum Aufgabenfeld prüfen!)"},
    {86, kError, "Bewertungsangaben für Besondere Lernleistung",
     " nicht vorhanden oder fehlerhaft"},
    {87, kHint, "Bewertungsberechnung (1:1 (Dok:Koll)) für Besondere Lernleistung",
     " problematisch oder falsch"},
    {88, kError, "anrechenbare Bewertung für Besondere Lernleistung", " nicht vorhanden"},
    {89, kError, "mind. 2 Projektkurse für Besondere Lernleistung", " sind nicht vorhanden"},
    {90, kError, "Anzahl der mündlichen Prüfungen", " zu gering"},
    {91, kError, "Anzahl der schriftlichen Prüfungen", " zu gering"},
    {92, kError, "Anzahl der schriftlichen Prüfungen", " zu hoch"},
    {93, kError, "Minimum der Punkte für Bl.3 für ein LF (25/20-Punkte-Regel)", " nicht erreicht"},
    {94, kError, "Minimum d. Pkte. f. Bl.3 f. weiteres Prüfungsf.(25/20-Punkte-Regel)",
     " nicht erreicht"},
    {100, kError, "Belegung der Projektkurse", " nicht erfüllt oder fehlerhafte Einträge"},
    {101, kError, "Summe der Punkte aus den Grundkursen", " nicht ausreichend"},
    {102, kError, "Summe der Punkte aus den Leistungskursen", " nicht ausreichend"},
    {103, kError, "Summe der Punkte aus den Grundkursen", " zu groß"},
    {104, kError, "Summe der Punkte aus den Leistungskursen", " zu groß"},
    {111, kError, "Summe der Punkte für Block I", " zu gering"},
    {112, kError, "Summe der Punkte für Block II", " zu gering"},
    {113, kError, "Summe der Punkte für Block III", " zu gering"},
    {114, kError, "Benotung der schriftlichen Prüfungen", " fehlerhaft"},
    {115, kError, "Benotung des mündlichen Prüfungsfachs", " fehlerhaft"},
    {120, kError, "Anzahl der \"Haupt\"-Einführungsfächer (D, Ma, 1.+2. FS)", " zu gering"},
    {121, kError, "Anzahl der weiteren Einführungsfächer", " zu gering"},
    {122, kError, "Fach / Fächer mit Note 6 (ungenügend)",
     " kann / können nicht ausgeglichen werden"},
    {123, kError, "Anzahl der bewerteten \"Haupt\"-Einführungsfächer (D, Ma, 1.+2. FS)",
     " zu gering"},
    {124, kError, "Anzahl der bewerteten, weiteren Einführungsfächer", " zu gering"},
    {125, kError, "Anzahl der auszugleichenden \"Haupt\"-Einf.-fächer (D, Ma, 1.+2. FS)",
     " zu groß"},
    {126, kError, "Anzahl der auszugleichenden Einführungsfächer", " zu groß"},
    {127, kError, "Notenausgleich", " ist nicht möglich"},
};

// The capacities of the two texts (string[70] and string[60]).
constexpr size_t kLabelWidth = 70;
constexpr size_t kFailTextWidth = 60;

}  // namespace

CheckItemTable BuildCheckItemTable(const settings::ExamSettings& exam) {
  CheckItemTable table;
  for (int i = 1; i <= kItemCount; ++i) {
    CheckItem& item = table[static_cast<size_t>(i)];
    item.Number = i;
    item.Label = kUnusedItemLabel;
    item.FailText = kDefaultFailText;
    item.IsError = false;
  }
  for (const UsedItem& used : kUsedItems) {
    CheckItem& item = table[static_cast<size_t>(used.number)];
    item.Label = used.label;
    // Item 11 quotes the maximum number of basic courses in force when the
    // table is built.
    item.FailText = used.fail_text != nullptr
                        ? std::string(used.fail_text)
                        : " zu hoch (über " + std::to_string(exam.MaxBasicCourses) + ")";
    item.IsError = used.is_error;
    if (item.Label.size() > kLabelWidth) item.Label.resize(kLabelWidth);
    if (item.FailText.size() > kFailTextWidth) item.FailText.resize(kFailTextWidth);
  }
  return table;
}

}  // namespace tolka::rules
