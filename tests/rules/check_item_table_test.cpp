#include "rules/check_item_table.h"

#include <gtest/gtest.h>

#include <set>

namespace tolka::rules {
namespace {

struct Expected {
  int number;
  bool is_error;
  const char* label;
  const char* fail_text;  // nullptr: item 11
};

constexpr bool kErr = true;
constexpr bool kHnt = false;

// The item table as the check report documents it, typed from the item list
// (labels and fail texts with their leading blanks).
const Expected kExpected[] = {
    {1, kErr, " Allgemeiner Fehler (unspezifiziert)", " aufgetreten"},
    {2, kErr, " Testfehler (für Erprobungen)", " erkannt"},
    {3, kHnt, " Allgemeiner Fehler in der Datenstruktur", " aufgetreten"},
    {4, kHnt, " Fehler beim Berechnen der Gesamtnote (bei schr. und mdl.)", " aufgetreten"},
    {5, kHnt, " Fehler in den Berechnungen", " aufgetreten"},
    {10, kErr, "Anzahl der Grundkurse", " zu gering"},
    {11, kErr, "Anzahl der Grundkurse", nullptr},
    {12, kErr, "Anzahl der Leistungskurse", " zu gering"},
    {13, kErr, "Anzahl der Leistungskurse", " zu hoch"},
    {14, kHnt, "Anzahl der ausgewählten Prüfungen", " für Abitur insgesamt noch zu gering"},
    {15, kErr, "Anzahl der Prüfungen", " zu hoch"},
    {16, kErr, "Fächer mehrfach gewählt", " ja"},
    {17, kErr, "1. Leistungskurs", " muss Mathematik oder Fremdsprache sein"},
    {18, kErr, "Fächerwahl Leistungskurse", " nicht geeignetes Fach gewählt"},
    {19, kErr, "Deutsch wurde", " nicht belegt"},
    {20, kErr, "Geschichte wurde", " nicht belegt"},
    {21, kErr, "Kunst und Gestaltung oder Musik wurde", " nicht belegt"},
    {22, kErr, "Religion oder Philosophie (für Band g) wurde", " nicht belegt"},
    {23, kErr, "Geographie oder Sozialkunde wurde", " nicht belegt"},
    {24, kErr, "mindestens eine Naturwissenschaft", " muss belegt werden"},
    {25, kErr, "Mathematik wurde", " nicht belegt"},
    {26, kErr, "mindestens eine Fremdsprache", " muss belegt werden"},
    {27, kErr, "Mindeststundenanzahl im Aufgabenfeld 1 (D, FS, Ku, Mu)", " reicht nicht aus"},
    {28, kErr, "Mindeststundenzahl im Aufg.feld 2 (Ge,Geo,SK,Rel,Phil(,AWT,Inf))",
     " reicht nicht aus oder nur mit AWT bzw. Inf ausreichend"},
    {29, kHnt, "Mindeststundenzahl im Aufg.feld 2 (Ge,Geo,SK,Rel,Phil(,AWT,Inf))",
     " nur mit AWT bzw. Inf erreicht"},
    {30, kErr, "Mindeststundenanzahl im Aufgabenfeld 3 (Ma, NaWi (, AWT, Inf))",
     " reicht nicht aus oder nur mit AWT bzw. Inf ausreichend"},
    {31, kHnt, "Mindeststundenanzahl im Aufgabenfeld 3 (Ma, NaWi (, AWT, Inf))",
     " nur mit AWT bzw. Inf erreicht"},
    {32, kErr, "Wochenstundenanzahl", " reicht nicht aus"},
    {33, kErr, "Leistungskursfächer in der Einführungsphase",
     " nicht belegt bzw. nicht übersprungen"},
    {34, kErr, "Wahl von Philosophie (für Band f)", " nur mit Religion im Band g möglich"},
    {35, kErr, "spätbeginnende 2. Fremdsprache", " muß in der gymn. Oberstufe gewählt werden"},
    {36, kHnt, "Angaben zu Fremdsprachen (Fach, von/bis Klasse)",
     " nicht ausreichend oder wiedersprüchlich"},
    {37, kErr, "Anzahl Fremdsprachen", " für Abitur sind mindestens 2 notwendig"},
    {38, kErr, "eine oder mehrere Fremdsprachen (Fach, von/bis Klasse)",
     " mehrfach oder falsch angegeben"},
    {39, kErr, "Bewertungen", " beinhalten falsche Werte oder Schreibweisen"},
    {40, kErr, "mit 00 bewerte oder nicht belegte Kurse", " können nicht angerechnet werden"},
    {41, kErr, "Anzahl der einzelnen anrechenbaren Leistungskurse", " reicht nicht aus"},
    {42, kHnt, "Anzahl der einzelnen Kurse im Block I", " zu hoch"},
    {43, kHnt, "Anzahl der einzelnen Kurse im Block II", " zu hoch"},
    {44, kHnt, "Anzahl der einzelnen Kurse im Block III", " zu hoch"},
    {45, kErr, "Anzahl der LKs mit mindestens 05 Punkten", " nicht ausreichend"},
    {46, kErr, "Anzahl der GKs mit mindestens 05 Punkten", " nicht ausreichend"},
    {47, kErr, "Anzahl der belegten einzelnen Grundkurse", " nicht ausreichend"},
    {48, kHnt, "Anzahl der einzelnen Kurse im Block I", " zu gering (Blocksumme provisorisch!!!)"},
    {49, kHnt, "Anzahl der einzelnen Kurse im Block II", " zu gering (Blocksumme provisorisch!!!)"},
    {50, kHnt, "Anzahl der einzelnen Kurse im Block III",
     " zu gering (Blocksumme provisorisch!!!)"},
    {51, kErr, "Anzahl der Geschichtskurse", " zu gering oder Kurse nicht anrechenbar"},
    {52, kErr, "Anzahl der Kurse für 3. bzw. 4. Prüfungsfach", " zu gering oder nicht anrechenbar"},
    {53, kErr, "Anzahl der Kurse für 1. bzw. 2. Prüfungsfach", " zu gering oder nicht anrechenbar"},
    {54, kErr, "Anzahl der Deutschkurse", " zu gering oder Kurse nicht anrechenbar"},
    {55, kErr, "Anzahl der Mathematikkurse", " zu gering oder Kurse nicht anrechenbar"},
    {56, kErr, "Anzahl der Kurse in einer Fremdsprache", " zu gering oder Kurse nicht anrechenbar"},
    {57, kErr, "Anzahl der Kurse in einer Naturwissenschaft",
     " zu gering oder Kurse nicht anrechenbar"},
    {58, kErr, "Anzahl der Kurse von Musik oder Kunst und Gestaltung",
     " zu gering oder Kurse nicht anrechenbar"},
    {59, kErr, "Anzahl der Kurse von Geographie oder Sozialkunde oder Philosophie",
     " zu gering oder Kurse nicht anrechenbar"},
    {60, kErr, "Anzahl der Kurse von Religion/Philosophie",
     " zu gering oder Kurse nicht anrechenbar"},
    {61, kErr, "von spätbeginnender 2. Fremdsprache",
     " müssen zuerst 3. u. 4. Sem. angerechnet werden"},
    {62, kErr, "Anzahl der Sportkurse", " zu groß"},
    {63, kErr, "Anzahl der Sportkurse", " zu groß oder fehlende Differenzierung"},
    {70, kErr, "Anzahl der gewählten Prüfungsfächer", " zu gering"},
    {71, kErr, "Anzahl der gewählten Prüfungen in Leistungskursen", " zu gering"},
    {72, kErr, "Anzahl der gewählten Prüfungen in Leistungskursen",
     " zu hoch oder 3./4. Prüfungsfach ist noch LK"},
    {73, kErr, "Anzahl der gewählten Prüfungen in Grundkursen",
     " zu gering oder 3./4. Prüfungsfach ist noch LK"},
    {74, kErr, "Anzahl der gewählten Prüfungen in Grundkursen", " zu hoch"},
    {75, kErr, "Leistungskurse als Prüfungfächer gewählt?:", " nein"},
    {76, kErr, "Prüfungfach für spr.-lit.-künstl. Aufgabenfeld", " nicht richtig gewählt"},
    {77, kErr, "Prüfungfach für gesellschaftswiss. Aufgabenfeld", " nicht richtig gewählt"},
    {78, kHnt, "Prüfungfach für gesellschaftswiss. Aufgabenfeld",
     " ist AWT bzw. Inf (Zugehörigkeit zum Aufgabenfeld prüfen!)"},
    {79, kErr, "Prüfungfach für math.-naturwiss. Aufgabenfeld", " nicht richtig gewählt"},
    {80, kHnt, "Prüfungfach für math.-naturwiss. Aufgabenfeld",
     " ist AWT bzw. Inf (Zugehörigkeit zum Aufgabenfeld prüfen!)"},
    {86, kErr, "Bewertungsangaben für Besondere Lernleistung", " nicht vorhanden oder fehlerhaft"},
    {87, kHnt, "Bewertungsberechnung (1:1 (Dok:Koll)) für Besondere Lernleistung",
     " problematisch oder falsch"},
    {88, kErr, "anrechenbare Bewertung für Besondere Lernleistung", " nicht vorhanden"},
    {89, kErr, "mind. 2 Projektkurse für Besondere Lernleistung", " sind nicht vorhanden"},
    {90, kErr, "Anzahl der mündlichen Prüfungen", " zu gering"},
    {91, kErr, "Anzahl der schriftlichen Prüfungen", " zu gering"},
    {92, kErr, "Anzahl der schriftlichen Prüfungen", " zu hoch"},
    {93, kErr, "Minimum der Punkte für Bl.3 für ein LF (25/20-Punkte-Regel)", " nicht erreicht"},
    {94, kErr, "Minimum d. Pkte. f. Bl.3 f. weiteres Prüfungsf.(25/20-Punkte-Regel)",
     " nicht erreicht"},
    {100, kErr, "Belegung der Projektkurse", " nicht erfüllt oder fehlerhafte Einträge"},
    {101, kErr, "Summe der Punkte aus den Grundkursen", " nicht ausreichend"},
    {102, kErr, "Summe der Punkte aus den Leistungskursen", " nicht ausreichend"},
    {103, kErr, "Summe der Punkte aus den Grundkursen", " zu groß"},
    {104, kErr, "Summe der Punkte aus den Leistungskursen", " zu groß"},
    {111, kErr, "Summe der Punkte für Block I", " zu gering"},
    {112, kErr, "Summe der Punkte für Block II", " zu gering"},
    {113, kErr, "Summe der Punkte für Block III", " zu gering"},
    {114, kErr, "Benotung der schriftlichen Prüfungen", " fehlerhaft"},
    {115, kErr, "Benotung des mündlichen Prüfungsfachs", " fehlerhaft"},
    {120, kErr, "Anzahl der \"Haupt\"-Einführungsfächer (D, Ma, 1.+2. FS)", " zu gering"},
    {121, kErr, "Anzahl der weiteren Einführungsfächer", " zu gering"},
    {122, kErr, "Fach / Fächer mit Note 6 (ungenügend)",
     " kann / können nicht ausgeglichen werden"},
    {123, kErr, "Anzahl der bewerteten \"Haupt\"-Einführungsfächer (D, Ma, 1.+2. FS)",
     " zu gering"},
    {124, kErr, "Anzahl der bewerteten, weiteren Einführungsfächer", " zu gering"},
    {125, kErr, "Anzahl der auszugleichenden \"Haupt\"-Einf.-fächer (D, Ma, 1.+2. FS)", " zu groß"},
    {126, kErr, "Anzahl der auszugleichenden Einführungsfächer", " zu groß"},
    {127, kErr, "Notenausgleich", " ist nicht möglich"},
};

// The numbers that keep the default texts.
const std::pair<int, int> kUnusedRanges[] = {{6, 9},     {64, 69},   {81, 85},  {95, 99},
                                             {105, 110}, {116, 119}, {128, 140}};

TEST(CheckItemTable, EveryUsedItemHasItsLabelTextAndClass) {
  const CheckItemTable table = BuildCheckItemTable(settings::ExamSettings{});
  for (const Expected& e : kExpected) {
    SCOPED_TRACE("item " + std::to_string(e.number));
    const CheckItem& item = table[static_cast<size_t>(e.number)];
    EXPECT_EQ(item.Number, e.number);
    EXPECT_EQ(item.IsError, e.is_error);
    EXPECT_EQ(item.Label, e.label);
    if (e.fail_text != nullptr) {
      EXPECT_EQ(item.FailText, e.fail_text);
    }
  }
}

TEST(CheckItemTable, UnusedNumbersKeepTheDefaults) {
  const CheckItemTable table = BuildCheckItemTable(settings::ExamSettings{});
  int unused = 0;
  for (const auto& [first, last] : kUnusedRanges) {
    for (int n = first; n <= last; ++n, ++unused) {
      SCOPED_TRACE("item " + std::to_string(n));
      const CheckItem& item = table[static_cast<size_t>(n)];
      EXPECT_EQ(item.Number, n);
      EXPECT_EQ(item.Label, " derzeit nicht benutzt");
      EXPECT_EQ(item.FailText, " nicht OK");
      EXPECT_FALSE(item.IsError);
    }
  }
  // The used and unused numbers together are exactly 1..140.
  std::set<int> numbers;
  for (const Expected& e : kExpected) numbers.insert(e.number);
  for (const auto& [first, last] : kUnusedRanges) {
    for (int n = first; n <= last; ++n) EXPECT_TRUE(numbers.insert(n).second) << n;
  }
  EXPECT_EQ(numbers.size(), 140u);
  EXPECT_EQ(unused, 43);
}

TEST(CheckItemTable, Item11QuotesTheMaximumNumberOfBasicCourses) {
  settings::ExamSettings exam;
  EXPECT_EQ(BuildCheckItemTable(exam)[11].FailText, " zu hoch (über 12)");
  exam.MaxBasicCourses = 14;
  EXPECT_EQ(BuildCheckItemTable(exam)[11].FailText, " zu hoch (über 14)");
  exam.MaxBasicCourses = 0;
  EXPECT_EQ(BuildCheckItemTable(exam)[11].FailText, " zu hoch (über 0)");
  exam.MaxBasicCourses = 65535;
  EXPECT_EQ(BuildCheckItemTable(exam)[11].FailText, " zu hoch (über 65535)");
}

TEST(CheckItemTable, TextsFitTheirFields) {
  const CheckItemTable table = BuildCheckItemTable(settings::ExamSettings{});
  for (int n = 1; n <= kItemCount; ++n) {
    EXPECT_LE(table[static_cast<size_t>(n)].Label.size(), 70u) << n;
    EXPECT_LE(table[static_cast<size_t>(n)].FailText.size(), 60u) << n;
  }
  // Windows-1252 bytes: "ü" of item 14 is one byte.
  EXPECT_EQ(table[14].Label.size(), std::string("Anzahl der ausgew_hlten Pr_fungen").size());
}

}  // namespace
}  // namespace tolka::rules
