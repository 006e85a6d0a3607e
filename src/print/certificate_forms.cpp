#include "print/certificate_forms.h"

#include <algorithm>

namespace tolka::print {

namespace {

// Drawing in the coordinates of one logical page.
class Form {
 public:
  Form(PagePrinter& printer, int page, const PageMargins& margins) : p_(printer) {
    const auto origin = printer.PageOrigin(margins[PageIndex(page)]);
    dx_ = origin.first;
    dy_ = origin.second;
  }

  void Text(int x, int y, int font, const std::string& text) {
    p_.PrintAt(text, Entry(x, y, font), dx_, dy_);
  }
  void Centre(int x, int y, int font, const std::string& text) {
    p_.SetAlign(TextAlign::Centre);
    Text(x, y, font, text);
    p_.SetAlign(TextAlign::Left);
  }
  // A paragraph wrapped at `width` characters into at most `lines` lines.
  void Paragraph(int x, int y, int font, const std::string& text, size_t width, size_t lines,
                 int spacing) {
    const std::array<char, 256> buffer = ToCharBuffer(text);
    const TextLines wrapped = WrapText(buffer.data(), 255, 256, width, lines);
    p_.PrintLinesAt(lines, spacing, wrapped, dy_, dx_, Entry(x, y, font));
  }
  void HLine(int x1, int x2, int y, int style) { p_.DrawHLine(x1, x2, y, style, dx_, dy_); }
  void VLine(int x, int y1, int y2, int style) { p_.DrawVLine(x, y1, y2, style, dx_, dy_); }
  void Frame(int x1, int y1, int x2, int y2, int style) {
    p_.DrawFrame(x1, y1, x2, y2, dx_, dy_, style);
  }

 private:
  static FormatEntry Entry(int x, int y, int font) {
    return FormatEntry{static_cast<uint16_t>(std::max(x, 0)), static_cast<uint16_t>(std::max(y, 0)),
                       static_cast<uint16_t>(font), 0, 1};
  }

  PagePrinter& p_;
  int dx_ = 0;
  int dy_ = 0;
};

struct Geometry {
  int Width;   // frame width
  int Margin;  // inner margin
  int Height;  // frame height
  int Left() const { return Margin; }
  int Right() const { return Width - Margin; }
};

Geometry AbiturGeometry(const CertificateData& d, int page, const PageMargins& margins) {
  const bool narrow = d.General.Publisher == 1;
  return {narrow ? 1700 : 1800, narrow ? 50 : 100, FormFrameHeight(margins[PageIndex(page)].top)};
}

Geometry FhrGeometry(int page, const PageMargins& margins) {
  return {1800, 100, FormFrameHeight(margins[PageIndex(page)].top)};
}

bool NoSchoolNameLine(const CertificateData& d) {
  return d.School.SchoolName.empty() && d.Print.NoSchoolName == 1;
}
bool NoHeadingBlock(const CertificateData& d) {
  return d.School.SchoolName.empty() && d.Print.NoCertificateName == 1;
}

void OuterFrame(Form& f, const CertificateData& d, const Geometry& g) {
  if (d.Print.FrameOption == 1) f.Frame(0, 0, g.Width, g.Height, 12);
}

// The header box of the inner pages with its caption.
void HeaderBox(Form& f, const CertificateData& d, const Geometry& g) {
  if (d.General.Publisher == 1) {
    f.Frame(g.Left(), 50, g.Right(), 200, 2);
  } else {
    f.Frame(g.Left() - 50, 50, g.Right() + 50, 200, 2);
  }
  f.Text(g.Left() + 30, 80, 29, "Name, Vorname, Geburtstag, Geburtsort");
}

// The marks and their points, in six columns.
void MarksKey(Form& f, int x, int y, int column) {
  static const char* const kMarks[] = {"sehr gut",    "gut",        "befriedigend",
                                       "ausreichend", "mangelhaft", "ungenügend"};
  static const char* const kPoints[] = {"15  14  13", "12  11  10", "09  08  07",
                                        "06  05  04", "03  02  01", "00"};
  f.Text(x, y, 30, "Noten");
  f.Text(x, y + 45, 30, "Punkte");
  for (int i = 0; i < 6; ++i) {
    f.Centre(x + 300 + column * i + column / 2 - 100, y, 29, kMarks[i]);
    f.Centre(x + 300 + column * i + column / 2 - 100, y + 45, 29, kPoints[i]);
  }
}

void SignatureLines(Form& f, const Geometry& g, int y, const char* left, const char* right) {
  f.HLine(g.Left() + 50, g.Left() + 650, y, 1);
  f.HLine(g.Right() - 650, g.Right() - 50, y, 1);
  f.Text(g.Left() + 50, y + 40, 29, left);
  f.Text(g.Right() - 650, y + 40, 29, right);
}

// --- Abitur certificate ---

void AbiturPage1(Form& f, const CertificateData& d, const Geometry& g) {
  const int m = g.Margin;
  const int c = (g.Width + 1) / 2;
  if (!NoSchoolNameLine(d)) {
    f.HLine(m + 100, g.Width - m - 100, 252, 2);
    f.Centre(c, 280, 29, "Name der Schule, Schulort");
  }
  if (!NoHeadingBlock(d)) {
    const bool publisher2 = d.General.Publisher == 2;
    f.Centre(c, 400, 19, "Sundland");
    f.Centre(c, publisher2 ? 1150 : 1250, 20, "ZEUGNIS");
    f.Centre(c, publisher2 ? 1300 : 1400, 19, "DER  ALLGEMEINEN  HOCHSCHULREIFE");
  }
  for (int y : {1602, 1702, 1802}) f.HLine(m + 100, g.Width - m - 100, y, 2);
  f.Text(m + 100, 1700, 22, "geb. am:");
  f.Text(m + 600, 1700, 22, "in:");
  f.Text(m + 100, 1800, 22, "wohnhaft in:");
  f.Text(m + 100, 1900, 22,
         "hat sich nach dem Besuch der gymnasialen Oberstufe der Abiturprüfung unterzogen.");
  const int t = g.Height - 570;
  f.Text(m + 100, t, 11, "Dem Zeugnis liegen zugrunde:");
  static const char* const kParagraphs[] = {
      "Die \"Verordnung zur Gestaltung der gymnasialen Oberstufe in der Sekundarstufe II\" "
      "(Beschluss der Kultusministerkonferenz vom 7. Juli 1972 in der jeweils geltenden Fassung).",
      "Die \"Vereinbarung über die Abiturprüfung der neugestalteten gymnasialen Oberstufe in der "
      "Sekundarstufe II\" (Beschluss der Kultusministerkonferenz vom 13. Dezember 1973 in der "
      "jeweils geltenden Fassung).",
      "Die \"Vereinbarung über einheitliche Prüfungsanforderungen in der  Abiturprüfung\" "
      "(Beschluss der Kultusministerkonferenz vom 1. Juni 1979 in der jeweils geltenden "
      "Fassung).",
      "Die \"Verordnung zur Arbeit und zum Ablegen der Abiturprüfung in der gymnasialen "
      "Oberstufe\"."};
  const int offsets[] = {60, 180, 360, 480};
  for (int i = 0; i < 4; ++i) {
    f.Text(m + 100, t + offsets[i], 11, std::to_string(i + 1) + ".");
    // The fourth paragraph has room for two lines only.
    f.Paragraph(m + 150, t + offsets[i], 11, kParagraphs[i], 98, i == 3 ? 2 : 3, 40);
  }
}

// Grid rows of page 2 in order: a group heading (row 0 with its text) or a
// certificate row 10..42 with the subject name the form prints.
struct GridRow {
  int Row;
  const char* Text;
};
constexpr GridRow kGridRows[] = {
    {0, "Sprachlich-literarisch-künstlerisches Aufgabenfeld"},
    {11, "Deutsch"},
    {12, "Englisch"},
    {13, ""},
    {14, ""},
    {15, ""},
    {16, "Musik"},
    {17, "Kunst und Gestaltung"},
    {0, "Gesellschaftswissenschaftliches Aufgabenfeld"},
    {21, "Geschichte"},
    {22, "Geographie"},
    {23, "Sozialkunde"},
    {24, "Philosophie"},
    {25, "Religion"},
    {26, ""},
    {0, "Mathematisch-naturwissenschaftliches Aufgabenfeld"},
    {31, "Mathematik"},
    {32, "Biologie"},
    {33, "Chemie"},
    {34, "Physik"},
    {35, "Informatik"},
    {36, ""},
    {37, ""},
    {0, "Sport"},
    {41, "Sport"},
};

void AbiturPage2(Form& f, const CertificateData& d, const Geometry& g) {
  const int left = g.Left();
  const int right = g.Right();
  HeaderBox(f, d, g);
  f.Text(left + 50, 350, 22, "I. Leistungen in den Jahrgängen 12 und 13");
  const int top = 400, rule = 530, bottom = 2155, row_height = 65;
  const int unit = (right - left) / 8;
  f.Frame(left, top, right, bottom, 2);
  f.HLine(left, right, rule, 2);
  const int divider = left + 4 * unit;
  // The column rules of the header; those of the rows follow row by row,
  // so the group headings run across.
  f.VLine(divider, top, rule, 2);
  f.VLine(divider - 100, top, rule, 1);  // the "LF" column
  f.HLine(divider, right, 460, 1);
  for (int i = 1; i < 4; ++i) f.VLine(divider + i * unit, 460, rule, 1);
  f.Text(left + 20, 500, 22, "Fach");
  f.Centre(divider - 50, 500, 29, "2)");
  f.Centre(divider + 2 * unit, 445, 22, "Bewertung");
  f.Text(divider + 2 * unit + 130, 435, 29, "1)");
  static const char* const kHalfYears[] = {"1. Halbj.", "2. Halbj.", "3. Halbj.", "4. Halbj."};
  for (int i = 0; i < 4; ++i) f.Centre(divider + i * unit + unit / 2, 515, 29, kHalfYears[i]);
  int y = rule;
  for (const GridRow& row : kGridRows) {
    y += row_height;
    if (y < bottom) f.HLine(left, right, y, 1);
    if (row.Row == 0) {
      f.Text(left + 20, y - 18, 22, row.Text);
      continue;
    }
    f.Text(left + 20, y - 18, 21, row.Text);
    f.VLine(divider, y - row_height, y, 2);
    f.VLine(divider - 100, y - row_height, y, 1);
    for (int i = 1; i < 4; ++i) f.VLine(divider + i * unit, y - row_height, y, 1);
  }
  f.Text(left, bottom + 60, 29, "1)  Für die Umsetzung der Noten in Punkte gilt:");
  MarksKey(f, left + 50, bottom + 110, 220);
  f.Paragraph(left, bottom + 215, 29,
              "Die Punktzahlen in Klammern sind nicht in die Gesamtqualifikation einbezogen "
              "worden. Punktzahlen werden in einfacher Wertung und stets zweistellig angegeben.",
              98, 2, 38);
  f.Text(left, bottom + 310, 29, "2)");
  f.Paragraph(left + 50, bottom + 310, 29,
              "Leistungsfächer werden mit dem Zusatz \"LF\" gekennzeichnet. Grundkursfächer "
              "bleiben ohne besondere Kennzeichnung.",
              98, 2, 38);
}

// A sum row of page 3: label, range below it, value box at the right.
void SumRow(Form& f, const Geometry& g, int y, const std::string& label, const char* range,
            size_t label_lines) {
  f.Paragraph(g.Left() + 20, y, 21, label, 62, label_lines, 45);
  f.Text(g.Left() + 20, y + 45 * static_cast<int>(label_lines), 29, range);
  f.Frame(g.Right() - 350, y - 60, g.Right() - 50, y + 15, 2);
}

void AbiturPage3(Form& f, const CertificateData& d, const Geometry& g) {
  const int left = g.Left();
  const int right = g.Right();
  HeaderBox(f, d, g);
  f.Text(left + 50, 330, 22, "Projektkurse");
  const char* const kProjectRows[] = {"12.1", "12.2", "13.1"};
  for (int i = 0; i < 3; ++i) {
    const int y = 400 + 60 * i;
    f.Text(left + 50, y, 21, kProjectRows[i]);
    f.HLine(left + 200, right - 50, y + 8, 1);
  }
  f.Text(left + 50, 650, 22, "II. Leistungen in der Abiturprüfung");
  const int top = 680, head = 800, bottom = 1125, split = 900, mid = 1300;
  f.Frame(left, top, right, bottom, 2);
  f.HLine(left, right, head, 2);
  f.VLine(split, top, bottom, 2);
  f.VLine(mid, 740, bottom, 1);
  f.HLine(split, right, 740, 1);
  f.Text(left + 20, 770, 22, "Prüfungsfach");
  f.Centre((split + right) / 2, 725, 29, "Prüfungsergebnis in einfacher Wertung");
  f.Centre((split + mid) / 2, 785, 29, "schriftlich");
  f.Centre((mid + right) / 2, 785, 29, "mündlich");
  const char* const kExamRows[] = {"1. Leistungsfach", "2. Leistungsfach", "3.", "4.",
                                   "5. Besondere Lernleistung"};
  for (int i = 0; i < 5; ++i) {
    const int y = head + 65 * (i + 1);
    if (i < 4) f.HLine(left, right, y, 1);
    f.Text(left + 20, y - 18, i == 4 ? 29 : 21, kExamRows[i]);
  }
  f.Text(left + 50, 1250, 22,
         "III. Berechnungen der Gesamtqualifikation und der Durchschnittsnote");
  SumRow(f, g, 1350, "Punktsumme aus 22 Grundkursen in einfacher Wertung",
         "mindestens 110, höchstens 330 Punkte", 1);
  SumRow(f, g, 1500, "Punktsumme aus den Leistungskursen in zweifacher Wertung",
         "mindestens 70, höchstens 210 Punkte", 1);
  const bool special = d.Area.Student.SpecialWorkCounts != 0;
  SumRow(f, g, 1650,
         special ? "Punktsumme aus den Prüfungen in dreifacher Wertung und den Kursen der "
                   "Prüfungsfächer im Abschlusshalbjahr in einfacher Wertung sowie dem Ergebnis "
                   "der besonderen Lernleistung in vierfacher Wertung"
                 : "Punktsumme aus den Prüfungen in vierfacher Wertung und den Kursen der "
                   "Prüfungsfächer im Abschlusshalbjahr in einfacher Wertung",
         "mindestens 100, höchstens 300 Punkte", 3);
  SumRow(f, g, 1950, "Gesamtpunktzahl:", "mindestens 280, höchstens 840 Punkte", 1);
  f.Text(left + 20, 2150, 22, "Durchschnittsnote:");
  f.Text(right - 600, 2150, 29, "in Ziffern");
  f.Frame(right - 350, 2090, right - 50, 2165, 2);
  f.Text(left + 20, 2270, 29, "in Worten");
  f.HLine(left + 300, right - 50, 2275, 1);
}

void AbiturPage4(Form& f, const CertificateData& d, const Geometry& g) {
  const int left = g.Left();
  const int right = g.Right();
  HeaderBox(f, d, g);
  f.Text(left + 50, 330, 22, "IV. Fremdsprachen");
  const int top = 360, head = 470, bottom = 635;
  const int c1 = left + 400, c2 = left + 900, c3 = left + 1200;
  f.Frame(left, top, right, bottom, 2);
  f.HLine(left, right, head, 2);
  f.VLine(c1, top, bottom, 1);
  f.VLine(c2, top, bottom, 1);
  f.VLine(c3, 420, bottom, 1);
  f.HLine(c2, right, 420, 1);
  f.Text(left + 20, 450, 22, "Fremdsprache");
  f.Text(c1 + 20, 450, 22, "Fach");
  f.Centre((c2 + right) / 2, 405, 29, "Jahrgangsstufen");
  f.Centre((c2 + c3) / 2, 460, 29, "von");
  f.Centre((c3 + right) / 2, 460, 29, "bis");
  for (int i = 0; i < 3; ++i) {
    const int y = head + 55 * (i + 1);
    if (i < 2) f.HLine(left, right, y, 1);
    f.Text(left + 20, y - 15, 21, std::to_string(i + 1) + ". Fremdsprache");
  }
  f.Text(left + 50, 760, 21,
         "Dieses Zeugnis schließt den Nachweis über ________________________________________ "
         "ein.");
  f.Text(left + 50, 810, 29,
         "(Lateinkenntnisse/Griechischkenntnisse gemäß Vereinbarung der Kultusministerkonferenz "
         "vom 26.10.1979)");
  f.Text(left + 50, 950, 22, "V. Bemerkungen:");
  f.Text(left + 50, 1550, 22, "VI.");
  f.Text(left + 150, 1550, 1, "Frau/Herr");
  f.Paragraph(left + 400, 1550, 21, "__________________________________________", 60, 1, 50);
  f.Paragraph(left + 150, 1610, 21,
              "hat die Abiturprüfung bestanden und damit die Befähigung zum Studium an einer "
              "Hochschule in der Bundesrepublik Deutschland erworben.",
              80, 2, 50);
  f.HLine(left + 50, left + 650, 2160, 1);
  f.Text(left + 50, 2200, 29, "Ort, Datum");
  f.Centre((left + right) / 2, 2330, 29, "(Landessiegel)");
  SignatureLines(f, g, 2500, "Die/Der Vorsitzende der Prüfungskommission",
                 "Die Schulleiterin/Der Schulleiter");
}

// --- FHR certificate ---

void FhrPage1(Form& f, const CertificateData& d, const Geometry& g) {
  const int m = g.Margin;
  const int c = (g.Width + 1) / 2;
  if (!NoSchoolNameLine(d)) {
    f.HLine(m + 100, g.Width - m - 100, 252, 2);
    f.Centre(c, 280, 29, "Name der Schule, Schulort");
  }
  if (!NoHeadingBlock(d)) {
    f.Centre(c, 400, 19, "Sundland");
    f.Centre(c, 1000, 20, "Bescheinigung");
    f.Centre(c, 1100, 19, "über den schulischen Teil der Fachhochschulreife");
  }
  for (int y : {1302, 1402}) f.HLine(m + 100, g.Width - m - 100, y, 2);
  f.Text(m + 100, 1400, 22, "geb. am:");
  f.Text(m + 600, 1400, 22, "in:");
  // The school types in a fixed-pitch face, so that the long filler of
  // entry 8 strikes out the one that does not apply.
  f.Text(m + 100, 1550, 22, "hat in der gymnasialen Oberstufe des");
  f.Text(m + 820, 1550, 2, "Gymnasium/der Gesamtschule");
  f.HLine(m + 100, g.Width - m - 100, 1652, 1);
  f.Paragraph(m + 100, 1750, 21,
              "im _____ und _____ Kurshalbjahr die Voraussetzungen für die Zuerkennung des "
              "schulischen Teiles der Fachhochschulreife erfüllt. Ihr/Ihm wird hiermit der "
              "Erwerb dieses Teiles der Fachhochschulreife bescheinigt.",
              75, 3, 55);
  f.Text(m + 100, 2050, 22, "Durchschnittsnote");
  f.Frame(m + 600, 1985, g.Width - m - 100, 2070, 2);
  f.Text(m + 100, 2110, 29, "(in Ziffern und in Buchstaben)");
  f.Paragraph(m + 100, g.Height - 250, 11,
              "Der Bescheinigung liegt die \"Verordnung zur Arbeit und zum Ablegen der "
              "Abiturprüfung in der gymnasialen Oberstufe\" zugrunde.",
              98, 2, 40);
}

// A course table of the FHR page 2 with `rows` empty rows; returns its bottom.
int FhrCourseBox(Form& f, const Geometry& g, int top, int rows) {
  const int left = g.Left(), right = g.Right();
  const int head = top + 100, bottom = head + 55 * rows;
  f.Frame(left, top, right, bottom, 2);
  f.HLine(left, right, head, 2);
  f.VLine(left + 800, top, bottom, 1);
  f.VLine(left + 1000, top, bottom, 1);
  f.VLine(left + 1300, head, bottom, 1);
  f.HLine(left + 1000, right, top + 50, 1);
  f.Text(left + 20, top + 80, 22, "Fach");
  f.Centre(left + 900, top + 45, 29, "Zahl");
  f.Centre(left + 900, top + 90, 29, "Kurse");
  f.Centre(left + 1300, top + 40, 29, "Bewertung");
  f.Centre(left + 1300, top + 90, 29, "(1fach)");
  for (int i = 1; i < rows; ++i) f.HLine(left, right, head + 55 * i, 1);
  return bottom;
}

void FhrPage2(Form& f, const CertificateData& d, const Geometry& g) {
  const int left = g.Left(), right = g.Right();
  HeaderBox(f, d, g);
  f.Centre((left + right) / 2, 290, 20, "LEISTUNGEN");
  f.Text(left, 370, 22, "Leistungskurse");
  FhrCourseBox(f, g, 390, 2);
  f.Text(left, 680, 22, "Grundkurse");
  const int basic_bottom = FhrCourseBox(f, g, 700, 12);
  int y = basic_bottom + 90;
  f.Text(left + 20, y, 21, "Punktzahl aus 11 Grundkursen (1fach) I");
  f.Frame(right - 350, y - 60, right - 50, y + 15, 2);
  y += 90;
  f.Text(left + 20, y, 21, "Punktzahl aus vier Leistungskursen (2fach) II");
  f.Frame(right - 350, y - 60, right - 50, y + 15, 2);
  y += 110;
  f.Text(left, y, 22, "GESAMTQUALIFIKATION");
  y += 80;
  f.Text(left + 20, y, 21, "Gesamtpunktzahl:");
  f.Text(left + 700, y, 29, "I + II");
  f.Frame(right - 350, y - 60, right - 50, y + 15, 2);
  y += 90;
  f.Text(left + 20, y, 21, "Durchschnittsnote:");
  f.Frame(right - 350, y - 60, right - 50, y + 15, 2);
  y += 100;
  f.Text(left, y, 22, "Ergebnisse außerhalb der Gesamtpunktzahl");
  y += 240;
  f.HLine(left + 50, left + 650, y, 1);
  f.Text(left + 50, y + 40, 29, "Ort, Datum");
  f.Centre((left + right) / 2, y + 40, 29, "(Landessiegel)");
  SignatureLines(f, g, y + 170, "Die Tutorin/Der Tutor", "Die Schulleiterin/Der Schulleiter");
  y += 300;
  f.Text(left, y, 29,
         "Für die Umrechnung der 6-Noten-Skala in das Punktesystem gilt folgender Schlüssel:");
  MarksKey(f, left + 50, y + 50, 220);
}

}  // namespace

int FormFrameHeight(int32_t top_margin) {
  const int64_t h = 2970 - 2 * int64_t{top_margin};
  return static_cast<int>(std::clamp<int64_t>(h, 2600, 2750));
}

void DrawAbiturForm(PagePrinter& printer, const CertificateData& d, int page,
                    const PageMargins& margins) {
  Form f(printer, page, margins);
  const Geometry g = AbiturGeometry(d, page, margins);
  OuterFrame(f, d, g);
  switch (page) {
    case 1:
      AbiturPage1(f, d, g);
      break;
    case 2:
      AbiturPage2(f, d, g);
      break;
    case 3:
      AbiturPage3(f, d, g);
      break;
    case 4:
      AbiturPage4(f, d, g);
      break;
    default:
      break;
  }
}

void DrawFhrForm(PagePrinter& printer, const CertificateData& d, int page,
                 const PageMargins& margins) {
  Form f(printer, page, margins);
  const Geometry g = FhrGeometry(page, margins);
  OuterFrame(f, d, g);
  if (page == 1) FhrPage1(f, d, g);
  if (page == 2) FhrPage2(f, d, g);
}

}  // namespace tolka::print
