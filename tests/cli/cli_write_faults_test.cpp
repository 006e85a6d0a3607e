// The commands of tolka-cli that write a file, run in this process with every
// write step failing in turn: the file stays as it was and the error names
// it (exit code 1 in the program).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::cli {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteAll;
using test::WriteFaultRun;

class CliWriteFaults : public ::testing::Test {
 protected:
  CliWriteFaults() : null_(std::fopen("/dev/null", "w")) {}
  ~CliWriteFaults() override { std::fclose(null_); }

  void Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--program-dir", dir_->path().string()});
    RunCommand(ParseCommandLine(args), dir_->path(), null_, null_);
  }

  // Walks `args` on a fresh folder with a data file "JG.TLK" (with the
  // students of "in.json" when `texts` has one) and the text files of
  // `texts`; the file that fails is `written`.
  void Walk(const std::vector<std::string>& args, const std::string& written,
            const std::vector<std::pair<std::string, std::string>>& texts = {}) {
    test::WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep&) {
              dir_ = std::make_unique<TempDir>();
              Run({"new", (*dir_ / "JG.TLK").string()});
              for (const auto& [name, text] : texts) {
                WriteAll(*dir_ / name, std::vector<uint8_t>(text.begin(), text.end()));
              }
              if (fs::exists(*dir_ / "in.json")) {
                Run({"load", (*dir_ / "in.json").string(), (*dir_ / "JG.TLK").string()});
              }
              return dir_->path();
            },
        .Action =
            [&] {
              std::vector<std::string> full;
              for (const auto& arg : args) {
                full.push_back(arg.rfind("@", 0) == 0 ? (*dir_ / arg.substr(1)).string() : arg);
              }
              Run(full);
            },
        .Check =
            [&](const WriteFaultRun& run) {
              EXPECT_EQ(run.Failed.Target, *dir_ / written);
              ASSERT_TRUE(run.Thrown) << run.Describe();
              EXPECT_TRUE(test::Contains(*run.Thrown, run.ExpectedMessage())) << run.Describe();
            },
    });
  }

  std::unique_ptr<TempDir> dir_;
  std::FILE* null_;
};

// Operands starting with "@" name files in the walk's folder.
TEST_F(CliWriteFaults, New) { Walk({"new", "@NEU.TLK"}, "NEU.TLK"); }

TEST_F(CliWriteFaults, Load) {
  Walk({"load", "@in.json", "@JG.TLK"}, "JG.TLK",
       {{"in.json", R"({"slots": [{"Surname": "X"}]})"}});
}

TEST_F(CliWriteFaults, RunWithWriteBack) {
  Walk({"run", "@JG.TLK", "0", "clear-credits", "--write"}, "JG.TLK");
}

TEST_F(CliWriteFaults, ImportIntoTheDataFile) {
  Walk({"import", "@JG.TLK", "@in.csv"}, "JG.TLK", {{"in.csv", "Adler;Anna;3.5.2007;Bonn;w\r\n"}});
}

TEST_F(CliWriteFaults, ExportAppended) {
  Walk({"export-all", "@JG.TLK", "@out.txt", "--append"}, "out.txt",
       {{"out.txt", "alt\r\n"}, {"in.json", R"({"slots": [{"Surname": "X"}]})"}});
}

}  // namespace
}  // namespace tolka::cli
