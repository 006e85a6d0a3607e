// tolka-cli export-all, export-results and import run as a process.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.h"
#include "exchange/import_config.h"
#include "support/temp_dir.h"

namespace tolka::test {
namespace {

namespace fs = std::filesystem;

class ExchangeCli : public ::testing::Test {
 protected:
  ExchangeCli() {
    fs::create_directory(program_);
    fs::create_directory(work_);
  }

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--program-dir", program_.string()});
    return RunCli(args);
  }

  fs::path NewFile(const std::string& name, std::vector<std::string> extra = {}) {
    const fs::path file = work_ / name;
    std::vector<std::string> args{"new", file.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = Run(args);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    return file;
  }

  fs::path WriteText(const std::string& name, const std::string& text) {
    const fs::path path = work_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static std::string Text(const fs::path& path) {
    const auto bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
  }

  TempDir dir_;
  fs::path program_ = dir_ / "prog";
  fs::path work_ = dir_ / "work";
};

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

size_t CountOf(const std::string& text, char c) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

TEST_F(ExchangeCli, ImportThenExportAll) {
  const fs::path file = NewFile("JG.TLK");
  // Windows-1252 input with the built-in configuration.
  const fs::path input = WriteText("klasse.csv",
                                   "M\xFCller;J\xFCrgen;3.5.2007;K\xF6ln;m\r\n"
                                   "Wei\xDF;Anna;2007-02-01;Bonn;w\r\n");
  CliRun run = Run({"import", file.string(), input.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out, Utf8("2 Personen importiert (Plätze 0 bis 1, Windows-1252).\n"));
  EXPECT_EQ(run.Err, "");  // both slots were free

  const fs::path out = work_ / "alle.txt";
  run = Run({"export-all", file.string(), out.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::string text = Text(out);
  EXPECT_EQ(CountOf(text, '\n'), 2u);
  EXPECT_EQ(CountOf(text, ';'), 2u * 285);
  EXPECT_TRUE(StartsWith(text, "1;Herr;M\xFCller;J\xFCrgen;03.05.2007;K\xF6ln;;   - - -;"));
  EXPECT_NE(text.find("\r\n2;Frau;Wei\xDF;Anna;01.02.2007;Bonn;"), std::string::npos);

  // An existing output only with --append.
  run = Run({"export-all", file.string(), out.string()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("--append"), std::string::npos) << run.Err;
  EXPECT_EQ(Text(out), text);
  run = Run({"export-all", file.string(), out.string(), "--append"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(Text(out), text + text);

  // Never onto the data file itself.
  const auto table = ReadAll(file);
  run = Run({"export-results", file.string(), file.string(), "--append"});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("Daten-Datei"), std::string::npos) << run.Err;
  EXPECT_EQ(ReadAll(file), table);
}

TEST_F(ExchangeCli, ExportResultsWritesThirtyFiveLines) {
  const fs::path file = NewFile("JG.TLK");
  const fs::path out = work_ / "ergebnis.txt";
  const CliRun run = Run({"export-results", file.string(), out.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::string text = Text(out);
  EXPECT_EQ(CountOf(text, '\n'), 35u);
  EXPECT_EQ(CountOf(text, ';'), 35u * 7);
  EXPECT_EQ(text.substr(0, 3), ";m;");
}

TEST_F(ExchangeCli, RefusedImportLeavesTheDataFileByteIdentical) {
  const fs::path file = NewFile("JG.TLK");
  const auto before = ReadAll(file);
  const fs::path input = WriteText("klasse.csv", "A;a\r\nB;\"b;c\"\r\n");
  const CliRun run = Run({"import", file.string(), input.string()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("Zeile 2, Spalte 2:"), std::string::npos) << run.Err;
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(ReadAll(file), before);

  // More persons than places from slot 33 on.
  const CliRun full = Run(
      {"import", file.string(), WriteText("drei.csv", "A\r\nB\r\nC\r\n").string(), "--slot", "33"});
  EXPECT_EQ(full.ExitCode, 1);
  EXPECT_NE(full.Err.find(Utf8("3 Personen")), std::string::npos) << full.Err;
  EXPECT_NE(full.Err.find(Utf8("nur 2 Plätze")), std::string::npos) << full.Err;
  EXPECT_EQ(ReadAll(file), before);

  EXPECT_EQ(Run({"import", file.string(), input.string(), "--slot", "35"}).ExitCode, 1);
  EXPECT_EQ(Run({"import", file.string(), (work_ / "fehlt.csv").string()}).ExitCode, 1);
  EXPECT_EQ(ReadAll(file), before);
}

TEST_F(ExchangeCli, ImportNamesOverwrittenSlotsAndUsesTheConfiguration) {
  const fs::path file = NewFile("JG.TLK");
  ASSERT_EQ(
      Run({"import", file.string(), WriteText("a.csv", "Alt;Anna\r\n").string(), "--slot", "4"})
          .ExitCode,
      0);
  // Given names first, appended with "++"; surname second.
  exchange::ImportConfig config;
  config.Entries[1].FieldCode = exchange::kGivenNamesCode;
  config.Entries[1].JoinText = "++";
  config.Entries[2].FieldCode = exchange::kSurnameCode;
  const fs::path cfg = exchange::SaveImportConfig(work_, config);
  const CliRun run =
      Run({"import", file.string(), WriteText("b.csv", " Lena;Neu\r\nTom;Zwei\r\n").string(),
           "--slot", "4", "--config", cfg.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Err.find("Platz 4\n"), std::string::npos) << run.Err;
  EXPECT_EQ(run.Err.find("Platz 4, 5"), std::string::npos) << run.Err;  // slot 5 was free

  const fs::path out = work_ / "alle.txt";
  ASSERT_EQ(Run({"export-all", file.string(), out.string()}).ExitCode, 0);
  const std::string text = Text(out);
  EXPECT_TRUE(StartsWith(text, "5;???;Neu;Anna Lena;00.00.0000;"));
  EXPECT_NE(text.find("\r\n6;???;Zwei;Tom;"), std::string::npos);

  // Without --config the program directory's IMPORT.CFG, whatever its case.
  fs::copy_file(cfg, program_ / "import.cfg");
  ASSERT_EQ(
      Run({"import", file.string(), WriteText("c.csv", "Eva;Drei\r\n").string(), "--slot", "6"})
          .ExitCode,
      0);
  ASSERT_EQ(Run({"export-all", file.string(), (work_ / "neu.txt").string()}).ExitCode, 0);
  EXPECT_NE(Text(work_ / "neu.txt").find("\r\n7;???;Drei;Eva;"), std::string::npos);
}

TEST_F(ExchangeCli, ProtectedFileNeedsItsPassword) {
  const fs::path file = NewFile("JG.TLK", {"--password", "geheim"});
  const fs::path input = WriteText("a.csv", "M\xC3\xBCller;Anna\r\n");  // UTF-8
  CliRun run = Run({"import", file.string(), input.string()});
  EXPECT_EQ(run.ExitCode, 1);
  run = Run({"import", file.string(), input.string(), "--password", "falsch"});
  EXPECT_EQ(run.ExitCode, 1);
  run = Run({"import", file.string(), input.string(), "--password", "geheim"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find("UTF-8"), std::string::npos);
  // Still protected: a plain reader sees no name.
  const auto bytes = ReadAll(file);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("Anna"), std::string::npos);
  const fs::path out = work_ / "alle.txt";
  ASSERT_EQ(Run({"export-all", file.string(), out.string(), "--password", "geheim"}).ExitCode, 0);
  EXPECT_TRUE(StartsWith(Text(out), "1;???;M\xFCller;Anna;00.00.0000;"));
  EXPECT_EQ(Run({"export-results", file.string(), (work_ / "e.txt").string()}).ExitCode, 1);
  EXPECT_FALSE(fs::exists(work_ / "e.txt"));
}

}  // namespace
}  // namespace tolka::test
