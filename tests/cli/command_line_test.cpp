#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "cli/cli_error.h"
#include "rules/pipelines.h"

namespace tolka::cli {
namespace {

std::string Refusal(const std::vector<std::string>& args) {
  try {
    ParseCommandLine(args);
  } catch (const UserError& e) {
    return e.what();
  }
  return "<accepted>";
}

TEST(CommandLine, HelpWinsOverEveryOtherProblem) {
  EXPECT_TRUE(ParseCommandLine({"--help"}).Help);
  EXPECT_TRUE(ParseCommandLine({"frob", "--bogus", "-h"}).Help);
  EXPECT_TRUE(ParseCommandLine({"dump", "--help"}).Help);
  // After "--" it is an operand.
  EXPECT_EQ(Refusal({"--", "--help"}),
            "Unbekannter Befehl: --help (tolka-cli --help zeigt die Befehle).");
}

// The help lists every pipeline `run` accepts, taken from the one table.
TEST(CommandLine, HelpListsEveryPipelineOfTheTable) {
  const std::string help = UsageText();
  const size_t start = help.find("PIPELINE:");
  ASSERT_NE(start, std::string::npos);
  const std::string list = help.substr(start, help.find("Mit --write", start) - start);
  for (const rules::PipelineRow& row : rules::PipelineTable()) {
    const bool listed = list.find(" " + row.Id + ",") != std::string::npos ||
                        list.find(" " + row.Id + ".") != std::string::npos;
    EXPECT_TRUE(listed) << row.Id;
  }
  for (const char* id : {"recommendations", "fhr-best", "fhr-check-2", "promotion"}) {
    EXPECT_NE(list.find(id), std::string::npos) << id;
  }
}

TEST(CommandLine, OptionsStandAnywhereInBothForms) {
  const CommandLine a = ParseCommandLine({"--program-dir", "/opt/tolka", "dump", "JG 2024.TLK",
                                          "--password=ab=cd", "--variant", "alt"});
  EXPECT_FALSE(a.Help);
  EXPECT_EQ(a.Which, Command::Dump);
  EXPECT_EQ(a.Operands, std::vector<std::string>{"JG 2024.TLK"});
  EXPECT_EQ(a.ProgramDir, std::filesystem::path("/opt/tolka"));
  EXPECT_EQ(a.Password, "ab=cd");
  EXPECT_EQ(a.Variant, core::CipherVariant::Alt);

  const CommandLine b = ParseCommandLine({"load", "--password", "-geheim-", "-", "out.TLK"});
  EXPECT_EQ(b.Which, Command::Load);
  EXPECT_EQ(b.Operands, (std::vector<std::string>{"-", "out.TLK"}));
  EXPECT_EQ(b.Password, "-geheim-");
  EXPECT_FALSE(b.ProgramDir);
  EXPECT_EQ(b.Variant, core::CipherVariant::Neu);

  EXPECT_EQ(ParseCommandLine({"new", "--", "-x.TLK"}).Operands, std::vector<std::string>{"-x.TLK"});
  EXPECT_EQ(ParseCommandLine({"school-passwords"}).Which, Command::SchoolPasswords);
  EXPECT_EQ(ParseCommandLine({"dump", "a.TLK", "--variant=neu"}).Variant, core::CipherVariant::Neu);
  EXPECT_EQ(ParseCommandLine({"dump", "a.TLK", "--password="}).Password, "");
}

TEST(CommandLine, Refusals) {
  EXPECT_EQ(Refusal({}), "Kein Befehl angegeben (tolka-cli --help zeigt die Befehle).");
  EXPECT_EQ(Refusal({"drucken", "a.TLK"}),
            "Unbekannter Befehl: drucken (tolka-cli --help zeigt die Befehle).");
  EXPECT_EQ(Refusal({"dump", "a.TLK", "--pasword", "x"}), "Unbekannte Option: --pasword");
  EXPECT_EQ(Refusal({"dump", "-p", "a.TLK"}), "Unbekannte Option: -p");
  EXPECT_EQ(Refusal({"dump", "a.TLK", "--password"}), "Die Option --password braucht einen Wert.");
  EXPECT_EQ(Refusal({"dump", "a.TLK", "--password", "a", "--password=b"}),
            "Die Option --password ist doppelt angegeben.");
  EXPECT_EQ(Refusal({"load", "a.json", "a.TLK", "--variant", "alt"}),
            "Die Option --variant gibt es beim Befehl load nicht.");
  EXPECT_EQ(Refusal({"school-passwords", "--password", "x"}),
            "Die Option --password gibt es beim Befehl school-passwords nicht.");
  EXPECT_EQ(Refusal({"load", "a.json"}),
            "Aufruf: tolka-cli load JSON DATEI.TLK (2 Argumente erwartet, 1 angegeben).");
  EXPECT_EQ(Refusal({"dump"}),
            "Aufruf: tolka-cli dump DATEI.TLK (1 Argument erwartet, 0 angegeben).");
  EXPECT_EQ(Refusal({"school-passwords", "x"}),
            "Aufruf: tolka-cli school-passwords (0 Argumente erwartet, 1 angegeben).");
  EXPECT_EQ(Refusal({"dump", "a.TLK", "--variant", "mittel"}),
            "--variant: \"neu\" oder \"alt\" erwartet, nicht \"mittel\".");
  EXPECT_EQ(Refusal({"new", "a.TLK", "--program-dir="}),
            "Die Option --program-dir braucht einen Wert.");
}

TEST(CommandLine, DataExchangeCommands) {
  const CommandLine all = ParseCommandLine({"export-all", "a.TLK", "out.txt", "--append"});
  EXPECT_EQ(all.Which, Command::ExportAll);
  EXPECT_EQ(all.Operands, (std::vector<std::string>{"a.TLK", "out.txt"}));
  EXPECT_TRUE(all.Append);
  EXPECT_FALSE(ParseCommandLine({"export-results", "a.TLK", "o.txt"}).Append);
  EXPECT_EQ(ParseCommandLine({"export-results", "a.TLK", "o.txt"}).Which, Command::ExportResults);

  const CommandLine import =
      ParseCommandLine({"import", "a.TLK", "in.csv", "--config=x/IMPORT.CFG", "--slot", "7"});
  EXPECT_EQ(import.Which, Command::Import);
  EXPECT_EQ(import.Config, std::filesystem::path("x/IMPORT.CFG"));
  EXPECT_EQ(import.Slot, "7");
  EXPECT_FALSE(ParseCommandLine({"import", "a.TLK", "in.csv"}).Slot);

  EXPECT_EQ(Refusal({"export-all", "a.TLK", "o.txt", "--append=ja"}),
            "Die Option --append hat keinen Wert.");
  EXPECT_EQ(Refusal({"export-all", "a.TLK", "o.txt", "--slot", "3"}),
            "Die Option --slot gibt es beim Befehl export-all nicht.");
  EXPECT_EQ(Refusal({"import", "a.TLK", "in.csv", "--append"}),
            "Die Option --append gibt es beim Befehl import nicht.");
  EXPECT_EQ(Refusal({"import", "a.TLK"}).substr(0, 43),
            "Aufruf: tolka-cli import DATEI.TLK EINGABE.");
}

}  // namespace
}  // namespace tolka::cli
