// tolka-cli print run as a process: the PDF pages read back with
// `pdftotext -bbox` (texts and positions), and every outcome of the command.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli_runner.h"
#include "print/print_settings.h"
#include "settings/general_settings.h"
#include "settings/school_data.h"
#include "support/temp_dir.h"

namespace tolka::test {
namespace {

namespace fs = std::filesystem;

struct Word {
  int Page = 0;
  double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
  std::string Text;
};

struct PdfText {
  std::vector<std::pair<double, double>> Pages;  // width, height in points
  std::vector<Word> Words;
  const Word* Find(const std::string& text, int page = 0) const {
    for (const Word& w : Words) {
      if (w.Text == text && (page == 0 || w.Page == page)) return &w;
    }
    return nullptr;
  }
  bool Has(const std::string& text, int page = 0) const { return Find(text, page) != nullptr; }
};

// Tenths of a millimetre in PDF points.
double Points(double tenths) { return tenths * 72.0 / 254.0; }

std::string Unescape(std::string text) {
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"&amp;", "&"},
                                 {"&quot;", "\""},
                                 {"&lt;", "<"},
                                 {"&gt;", ">"}}) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
      text.replace(at, from.size(), to);
  }
  return text;
}

PdfText ReadPdf(const fs::path& pdf) {
  const fs::path html = pdf.string() + ".html";
  const std::string command = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(html);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  PdfText result;
  const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
  const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  // Walk pages in order: each word belongs to the last page seen.
  std::string rest = text;
  int page_number = 0;
  while (true) {
    std::smatch pm, wm;
    const bool has_page = std::regex_search(rest, pm, page);
    const bool has_word = std::regex_search(rest, wm, word);
    if (!has_page && !has_word) break;
    if (has_page && (!has_word || pm.position(0) < wm.position(0))) {
      ++page_number;
      result.Pages.emplace_back(std::stod(pm[1]), std::stod(pm[2]));
      rest = pm.suffix();
    } else {
      result.Words.push_back({page_number, std::stod(wm[1]), std::stod(wm[2]), std::stod(wm[3]),
                              std::stod(wm[4]), Unescape(wm[5])});
      rest = wm.suffix();
    }
  }
  return result;
}

class CliPrint : public ::testing::Test {
 protected:
  CliPrint() {
    fs::create_directory(program_);
    fs::create_directory(data_);
  }

  void Settings(uint16_t printing, uint16_t publisher, uint16_t mode) {
    settings::GeneralSettings general = settings::DefaultGeneralSettings();
    general.CertificatePrinting = printing;
    general.Publisher = publisher;
    general.PlaceDate = "Sundstadt, den 01.07.2026";
    WriteAll(program_ / "ABIEINST.DAT", settings::EncodeGeneralSettings(general));
    print::PrintSettings print;
    print::ResetPrintSettings(print);
    print.PrintMode = mode;
    WriteAll(program_ / "DRKEINST.DAT", print::EncodePrintSettings(print));
    settings::SchoolData school;
    school.SchoolName = "Gymnasium am See, Sundstadt";
    school.CertificateName = "Gymnasium am See";
    school.ShortName = "GaS";
    const std::string ini = settings::FormatSchoolData(school);
    WriteAll(program_ / "SCHULE.INI", std::vector<uint8_t>(ini.begin(), ini.end()));
  }

  // The student of a rules case in slot 0 of data/K.TLK.
  void Student(const std::string& name) {
    const CliRun load =
        RunCli({"--program-dir", program_.string(), "load",
                (fs::path(TOLKA_CASES_DIR) / name / "input.json").string(), File().string()});
    ASSERT_EQ(load.ExitCode, 0) << load.Err;
  }

  void Table(const std::string& example, const std::string& name, const fs::path& dir) {
    fs::copy_file(fs::path(TOLKA_EXAMPLE_TABLES_DIR) / example, dir / name,
                  fs::copy_options::overwrite_existing);
  }

  CliRun Print(const std::string& document, const std::string& slot = "0") {
    return RunCli({"--program-dir", program_.string(), "print", File().string(), slot, document,
                   "--pdf", Pdf().string()});
  }

  // Keeps a copy for looking at the pages (TOLKA_KEEP_PDF=DIR).
  void Keep(const std::string& name) {
    if (const char* keep = std::getenv("TOLKA_KEEP_PDF")) {
      fs::copy_file(Pdf(), fs::path(keep) / name, fs::copy_options::overwrite_existing);
      // The program and data directories too, to run the command again.
      const fs::path dirs = fs::path(keep) / (name + ".dirs");
      fs::remove_all(dirs);
      fs::copy(dir_.path(), dirs, fs::copy_options::recursive);
    }
  }

  fs::path File() const { return data_ / "K.TLK"; }
  fs::path Pdf() const { return dir_ / "out.pdf"; }

  TempDir dir_;
  fs::path program_ = dir_ / "prog";
  fs::path data_ = dir_ / "data";
};

TEST_F(CliPrint, AbiturOnBlankPaperPrintsFourA4PagesWithFormAndFields) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  Table("TLK_ABS.FST", "0TLK_ABS.FST", data_);
  const CliRun run = Print("abitur-certificate");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  Keep("abitur-mode3.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 4u);
  for (const auto& [w, h] : pdf.Pages) {
    EXPECT_NEAR(w, 595.3, 1);
    EXPECT_NEAR(h, 841.9, 1);
  }
  EXPECT_TRUE(pdf.Has("ZEUGNIS", 1));
  EXPECT_TRUE(pdf.Has("Becker", 1));
  // The combined name at entry 3 (x 350, y 1590) on page 1 (margins 150):
  // left edge and the bottom of the cell on the paper.
  const Word* given = pdf.Find("Lena", 1);
  ASSERT_NE(given, nullptr);
  EXPECT_NEAR(given->XMin, Points(150 + 350), 1.5);
  EXPECT_NEAR(given->YMax, Points(150 + 1590), 3);
  // Page 2: Mathematik semester 1 credited (-12-), the LF mark.
  EXPECT_TRUE(pdf.Has("-12-", 2));
  EXPECT_TRUE(pdf.Has("LF", 2));
  // Page 3: the sums; page 4: the place and date.
  EXPECT_TRUE(pdf.Has("581", 3));
  EXPECT_TRUE(pdf.Has("2,2", 3));
  EXPECT_TRUE(pdf.Has("Sundstadt,", 4));
}

TEST_F(CliPrint, AbiturTwoUpPrintsTwoA3LandscapeSheetsWithThePageShift) {
  Settings(1, 0, 4);
  Student("clean-abitur-exam-result");
  Table("TLK_ABS.FST", "0TLK_ABS.FST", data_);
  const CliRun run = Print("abitur-certificate");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("abitur-mode4.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 2u);
  EXPECT_NEAR(pdf.Pages[0].first, 1190.6, 1);
  EXPECT_NEAR(pdf.Pages[0].second, 841.9, 1);
  // Sheet "4 + 1": page 1 on the right half (left margin + 2100), the
  // heading centred on the frame's middle.
  const Word* heading = pdf.Find("ZEUGNIS", 1);
  ASSERT_NE(heading, nullptr);
  EXPECT_NEAR((heading->XMin + heading->XMax) / 2, Points(2100 + 150 + 900), 1.5);
  EXPECT_TRUE(pdf.Has("Fremdsprachen", 1));  // page 4 on the left
  const Word* remarks = pdf.Find("Bemerkungen:", 1);
  ASSERT_NE(remarks, nullptr);
  EXPECT_LT(remarks->XMax, Points(2100));
  // Sheet "2 + 3".
  EXPECT_TRUE(pdf.Has("Halbj.", 2));
  EXPECT_TRUE(pdf.Has(Utf8("Abiturprüfung"), 2));
}

TEST_F(CliPrint, PreprintedFormGetsOnlyTheEntries) {
  Settings(1, 0, 1);
  Student("clean-abitur-exam-result");
  Table("ORG_ABS.FST", "0ORG_ABS.FST", data_);
  const CliRun run = Print("abitur-certificate");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("abitur-mode1.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 4u);
  EXPECT_FALSE(pdf.Has("ZEUGNIS"));
  EXPECT_FALSE(pdf.Has("Halbj."));
  EXPECT_TRUE(pdf.Has("Becker", 1));
  EXPECT_TRUE(pdf.Has("-12-", 2));
}

TEST_F(CliPrint, FhrCertificatePrintsTwoPagesWithTheSumsOfThePair) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  Table("TLK_FHR.FST", "0TLK_FHR.FST", data_);
  const CliRun run = Print("fhr-certificate-1");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("fhr-mode3.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 2u);
  EXPECT_TRUE(pdf.Has("Bescheinigung", 1));
  EXPECT_TRUE(pdf.Has("1.", 1));
  EXPECT_TRUE(pdf.Has("2.", 1));
  EXPECT_TRUE(pdf.Has("1,4", 1));  // the grade of semesters 1 + 2
  EXPECT_TRUE(pdf.Has("158", 2));  // basic-course sum
  EXPECT_TRUE(pdf.Has("84", 2));   // advanced-course sum
  EXPECT_TRUE(pdf.Has("242", 2));  // total
  EXPECT_TRUE(pdf.Has("Mathematik", 2));
}

TEST_F(CliPrint, FindingsThatBlockPrintingComeAsJsonAndNoFile) {
  Settings(1, 0, 3);
  Student("block-minima");
  Table("TLK_ABS.FST", "0TLK_ABS.FST", data_);
  const CliRun run = Print("abitur-certificate");
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Out.find("\"items\""), std::string::npos);
  EXPECT_NE(run.Out.find("Abitur-Zeugnisdruck"), std::string::npos);
  EXPECT_NE(run.Err.find(Utf8("Prüfergebnisse")), std::string::npos);
  EXPECT_FALSE(fs::exists(Pdf()));
}

TEST_F(CliPrint, WithoutPermissionTheMessageAndNoFile) {
  Settings(0, 1, 3);
  Student("clean-abitur-exam-result");
  const CliRun run = Print("abitur-certificate");
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("nicht zum Zeugnisdruck berechtigt"), std::string::npos);
  EXPECT_FALSE(fs::exists(Pdf()));
  EXPECT_FALSE(fs::exists(data_ / "0TLK_ABS.FST"));
}

TEST_F(CliPrint, PrintModeZeroPrintsNothingAndSaysSo) {
  Settings(1, 0, 0);
  Student("clean-abitur-exam-result");
  const CliRun run = Print("abitur-certificate");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Err.find("kein Ausdruck"), std::string::npos);
  EXPECT_FALSE(fs::exists(Pdf()));
}

TEST_F(CliPrint, AMissingTableIsWrittenAsTemplateAndUsed) {
  Settings(1, 2, 1);
  Student("clean-abitur-exam-result");
  const CliRun run = Print("abitur-certificate");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Err.find("2ORG_ABS.FST"), std::string::npos);
  EXPECT_TRUE(fs::exists(data_ / "2ORG_ABS.FST"));
  EXPECT_TRUE(fs::exists(Pdf()));
  // The second print reads the template and says nothing.
  const CliRun again = Print("abitur-certificate");
  EXPECT_EQ(again.ExitCode, 0);
  EXPECT_EQ(again.Err, "");
}

TEST_F(CliPrint, ATableOnlyInTheProgramDirectoryIsUsedAndNothingWritten) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  Table("TLK_ABS.FST", "0TLK_ABS.FST", program_);
  const CliRun run = Print("abitur-certificate");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_FALSE(fs::exists(data_ / "0TLK_ABS.FST"));
  EXPECT_TRUE(ReadPdf(Pdf()).Has("Becker", 1));
}

TEST_F(CliPrint, ADamagedTableNamesFileAndLineAndLeavesAnOldPdfAlone) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  std::ofstream(data_ / "0TLK_ABS.FST", std::ios::binary)
      << "Titel\r\n=====\r\n0\r\n100\r\nzwanzig\r\n";
  WriteAll(Pdf(), {'o', 'l', 'd'});
  const CliRun run = Print("abitur-certificate");
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("0TLK_ABS.FST"), std::string::npos) << run.Err;
  EXPECT_NE(run.Err.find("Zeile 5"), std::string::npos) << run.Err;
  EXPECT_EQ(ReadAll(Pdf()), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST_F(CliPrint, ATableThatEndsEarlyWarnsAndPrints) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  std::ofstream(data_ / "0TLK_ABS.FST", std::ios::binary)
      << "kurz\r\n=====\r\n0\r\n600\r\n0\r\n10\r\n1\r\n1\r\n- - -\r\n1\r\n300\r\n";
  const CliRun run = Print("abitur-certificate");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_NE(run.Err.find(Utf8("Es können Fehler in der Steuerdatei enthalten sein!")),
            std::string::npos);
  ASSERT_TRUE(fs::exists(Pdf()));
  EXPECT_EQ(ReadPdf(Pdf()).Pages.size(), 4u);
}

TEST_F(CliPrint, UnknownDocumentSlotOrMissingPdfOptionEndWithOne) {
  Settings(1, 0, 3);
  Student("clean-abitur-exam-result");
  const CliRun document = Print("zeugnis");
  EXPECT_EQ(document.ExitCode, 1);
  EXPECT_NE(document.Err.find("abitur-certificate"), std::string::npos);
  EXPECT_EQ(Print("abitur-certificate", "36").ExitCode, 1);
  const CliRun no_pdf = RunCli(
      {"--program-dir", program_.string(), "print", File().string(), "0", "abitur-certificate"});
  EXPECT_EQ(no_pdf.ExitCode, 1);
  EXPECT_NE(no_pdf.Err.find("--pdf"), std::string::npos);
  EXPECT_FALSE(fs::exists(Pdf()));
}

// Report sheets and statistics: a year group of copies of one student in
// slots 0..count-1 (then free), each with its own number and surname.
class CliSheets : public CliPrint {
 protected:
  // `number`: the same StudentId for everyone instead of 01, 02, ...
  void Group(const std::vector<std::string>& surnames, const std::string& number = "") {
    std::ifstream in(fs::path(TOLKA_CASES_DIR) / "clean-abitur-exam-result" / "input.json");
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    const std::string slot = text.substr(text.find('[') + 1, text.rfind(']') - text.find('[') - 1);
    std::string json = "{\"slots\": [";
    for (size_t i = 0; i < surnames.size(); ++i) {
      std::string copy = slot;
      Replace(copy, "\"slot\": 0", "\"slot\": " + std::to_string(i));
      Replace(copy, "\"StudentId\": \"1\"",
              "\"StudentId\": \"" + (number.empty() ? "0" + std::to_string(i + 1) : number) + "\"");
      Replace(copy, "\"Surname\": \"Becker\"", "\"Surname\": \"" + surnames[i] + "\"");
      json += (i == 0 ? "" : ",") + copy;
    }
    json += "]}";
    const fs::path input = dir_ / "group.json";
    std::ofstream(input, std::ios::binary) << json;
    const CliRun load =
        RunCli({"--program-dir", program_.string(), "load", input.string(), File().string()});
    ASSERT_EQ(load.ExitCode, 0) << load.Err;
  }
  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }
  CliRun PrintWith(const std::vector<std::string>& extra, const std::string& document,
                   const std::string& slot = "0") {
    std::vector<std::string> args = {
        "--program-dir", program_.string(), "print", File().string(), slot, document};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(args);
  }
};

TEST_F(CliSheets, DataSheetIsOneA4PageWithTitleBesideTheBox) {
  Settings(1, 0, 3);
  Group({"Becker"});
  const CliRun run = Print("data-sheet");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("data-sheet.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 1u);
  EXPECT_NEAR(pdf.Pages[0].first, 595.3, 1);
  // "Datenblatt" centred on x 550 of the page origin (margin 150).
  const Word* title = pdf.Find("Datenblatt");
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR((title->XMin + title->XMax) / 2, Points(150 + 550), 1.5);
  EXPECT_LT(title->XMax, Points(150 + 1050));  // clear of the box
  EXPECT_NEAR(title->YMax, Points(150 + 200), 4);
  EXPECT_TRUE(pdf.Has("Semesterergebnisse"));
  EXPECT_TRUE(pdf.Has("Becker"));
  EXPECT_TRUE(pdf.Has("GaS"));
  EXPECT_TRUE(pdf.Has("Mathematik"));
}

TEST_F(CliSheets, ExamResultPrintsInPrintModeZero) {
  Settings(1, 0, 0);  // print mode 0 concerns certificates only
  Group({"Becker"});
  const CliRun run = Print("exam-result-sheet");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("exam-result-sheet.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 1u);
  EXPECT_TRUE(pdf.Has("BESTANDEN!"));
  EXPECT_TRUE(pdf.Has("Abitur-Note:"));
  EXPECT_TRUE(pdf.Has("2,2"));
  EXPECT_TRUE(pdf.Has("581"));
}

TEST_F(CliSheets, AllPrintsAPagePerStudentUpToTheGap) {
  Settings(1, 0, 3);
  Group({"Becker", "Schulz", "Wagner"});
  const CliRun run = PrintWith({"--all", "--pdf", Pdf().string()}, "data-sheet", "1");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 2u);
  EXPECT_TRUE(pdf.Has("Schulz", 1));
  EXPECT_TRUE(pdf.Has("Wagner", 2));
  EXPECT_FALSE(pdf.Has("Becker"));
  // Started on the free slot 3: nothing, and a note.
  fs::remove(Pdf());
  const CliRun none = PrintWith({"--all", "--pdf", Pdf().string()}, "data-sheet", "3");
  EXPECT_EQ(none.ExitCode, 0);
  EXPECT_NE(none.Err.find("nichts gedruckt"), std::string::npos);
  EXPECT_FALSE(fs::exists(Pdf()));
}

TEST_F(CliSheets, PdfDirWritesOneFilePerStudent) {
  Settings(1, 0, 3);
  Group({"M\\u00fcller", "Schulz", "Schulz"});  // JSON escape of ü
  const fs::path out = dir_ / "pdfs";
  fs::create_directory(out);
  const CliRun run = PrintWith({"--all", "--pdf-dir", out.string()}, "exam-result-sheet");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(fs::exists(out / "01-Mueller.pdf"));
  EXPECT_TRUE(fs::exists(out / "02-Schulz.pdf"));
  EXPECT_TRUE(fs::exists(out / "03-Schulz.pdf"));
  const PdfText one = ReadPdf(out / "02-Schulz.pdf");
  ASSERT_EQ(one.Pages.size(), 1u);
  EXPECT_TRUE(one.Has("Schulz"));
  // A directory that does not exist, and both outputs at once, are refused.
  EXPECT_EQ(PrintWith({"--pdf-dir", (dir_ / "fehlt").string()}, "data-sheet").ExitCode, 1);
  EXPECT_EQ(PrintWith({"--pdf-dir", out.string(), "--pdf", Pdf().string()}, "data-sheet").ExitCode,
            1);
  // Certificates take neither --all nor --pdf-dir.
  EXPECT_EQ(PrintWith({"--all", "--pdf", Pdf().string()}, "abitur-certificate").ExitCode, 1);
}

TEST_F(CliSheets, PdfDirKeepsStudentsWithTheSameNameApart) {
  Settings(1, 0, 3);
  Group({"Schulz", "Schulz"}, "7");
  const fs::path out = dir_ / "pdfs";
  fs::create_directory(out);
  const CliRun run = PrintWith({"--all", "--pdf-dir", out.string()}, "data-sheet");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(fs::exists(out / "7-Schulz.pdf"));
  EXPECT_TRUE(fs::exists(out / "7-Schulz_1.pdf"));
}

TEST_F(CliSheets, StatisticsPrintTwoPagesAndStillCheckTheSlot) {
  Settings(1, 0, 3);
  Group({"Becker", "Schulz"});
  const CliRun run = Print("statistics", "20");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  Keep("statistics.pdf");
  const PdfText pdf = ReadPdf(Pdf());
  ASSERT_EQ(pdf.Pages.size(), 2u);
  EXPECT_TRUE(pdf.Has("Abiturergebnisse", 1));
  EXPECT_TRUE(pdf.Has("Schulz,", 1));
  EXPECT_TRUE(pdf.Has("Notenstatistik", 2));
  EXPECT_TRUE(pdf.Has("##", 2));
  // The title has no box beside it: centred on x 1100.
  const Word* title = pdf.Find("Abiturverfahren", 1);
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR((title->XMin + title->XMax) / 2, Points(150 + 1100), 1.5);
  EXPECT_EQ(Print("statistics", "36").ExitCode, 1);
}

}  // namespace
}  // namespace tolka::test
