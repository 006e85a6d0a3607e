// The golden cases of the rules: each folder under tests/rules/cases holds a
// student (input.json, the shape `tolka-cli load` reads) and the outcome
// worked out by hand (expected.json). The built tolka-cli loads the student
// into a fresh data file and runs the pipeline; every key the expected file
// gives must agree with the output of `tolka-cli run` (see cases/README.md).
// The run command's file handling is tested here too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace tolka::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path kCasesDir = TOLKA_GOLDEN_CASES_DIR;

Json ReadJson(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return Json::parse(in);
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kCasesDir, ec)) {
    if (entry.is_directory() && fs::exists(entry.path() / "expected.json")) {
      names.push_back(entry.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// `expected` is a subset of `actual`: objects key by key, arrays element by
// element and of the same length, scalars equal. An object against an array
// picks elements by their 0-based index; an array of numbers against an
// array of items compares the item numbers.
void ExpectSubset(const Json& expected, const Json& actual, const std::string& path) {
  if (expected.is_object() && actual.is_array()) {
    for (const auto& [key, value] : expected.items()) {
      size_t index = 0;
      try {
        index = std::stoul(key);
      } catch (const std::exception&) {
        ADD_FAILURE() << path << ": key " << key << " is no index";
        continue;
      }
      if (index >= actual.size()) {
        ADD_FAILURE() << path << "[" << key << "]: beyond the " << actual.size() << " elements";
        continue;
      }
      ExpectSubset(value, actual[index], path + "[" + key + "]");
    }
    return;
  }
  if (expected.is_object()) {
    if (!actual.is_object()) {
      ADD_FAILURE() << path << ": expected an object, got " << actual.dump();
      return;
    }
    for (const auto& [key, value] : expected.items()) {
      if (!actual.contains(key)) {
        ADD_FAILURE() << path << "." << key << ": missing in the output";
        continue;
      }
      ExpectSubset(value, actual[key], path + "." + key);
    }
    return;
  }
  if (expected.is_array()) {
    if (!actual.is_array()) {
      ADD_FAILURE() << path << ": expected an array, got " << actual.dump();
      return;
    }
    const bool numbers_of_items = std::all_of(expected.begin(), expected.end(),
                                              [](const Json& e) { return e.is_number(); }) &&
                                  std::all_of(actual.begin(), actual.end(), [](const Json& a) {
                                    return a.is_object() && a.contains("number");
                                  });
    if (numbers_of_items && !actual.empty()) {
      Json numbers = Json::array();
      for (const Json& a : actual) numbers.push_back(a["number"]);
      EXPECT_EQ(expected, numbers) << path << ": item numbers";
      return;
    }
    if (expected.size() != actual.size()) {
      ADD_FAILURE() << path << ": " << expected.size() << " elements expected, output "
                    << actual.dump();
      return;
    }
    for (size_t i = 0; i < expected.size(); ++i) {
      ExpectSubset(expected[i], actual[i], path + "[" + std::to_string(i) + "]");
    }
    return;
  }
  EXPECT_EQ(expected, actual) << path;
}

// A fresh program directory (built-in settings) and a data file with the
// case's students.
class CaseFile {
 public:
  explicit CaseFile(const fs::path& input, const std::vector<std::string>& load_options = {}) {
    fs::create_directory(dir_ / "program");
    std::vector<std::string> args{"--program-dir", Program(), "load", input.string(), File()};
    args.insert(args.end(), load_options.begin(), load_options.end());
    const CliRun load = RunCli(args);
    EXPECT_EQ(load.ExitCode, 0) << load.Err;
  }
  std::string Program() const { return (dir_ / "program").string(); }
  std::string File() const { return (dir_ / "case.TLK").string(); }
  CliRun Run(const std::vector<std::string>& run_args) const {
    std::vector<std::string> args{"--program-dir", Program(), "run", File()};
    args.insert(args.end(), run_args.begin(), run_args.end());
    return RunCli(args);
  }
  std::vector<uint8_t> Bytes() const { return ReadAll(File()); }

 private:
  TempDir dir_;
};

class GoldenCase : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, OutcomeAsWorkedOutByHand) {
  const fs::path folder = kCasesDir / GetParam();
  const Json expected = ReadJson(folder / "expected.json");
  ASSERT_TRUE(expected.contains("pipeline")) << "expected.json names no pipeline";
  const int slot = expected.value("slot", 0);
  std::vector<std::string> options;
  if (expected.contains("password")) {
    options = {"--password", expected["password"].get<std::string>()};
  }
  const CaseFile file(folder / "input.json", options);
  std::vector<std::string> args{std::to_string(slot), expected["pipeline"].get<std::string>()};
  args.insert(args.end(), options.begin(), options.end());
  const CliRun run = file.Run(args);
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json actual = Json::parse(run.Out);
  for (const auto& [key, value] : expected.items()) {
    if (key == "notes" || key == "slot" || key == "password") continue;
    ASSERT_TRUE(actual.contains(key)) << key << " missing in the output";
    ExpectSubset(value, actual[key], key);
  }
}

// Test names from the folder names: letters and digits, "_" for the rest.
std::string CaseTestName(const ::testing::TestParamInfo<std::string>& param) {
  std::string name = param.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, ::testing::ValuesIn(CaseNames()), CaseTestName);

TEST(GoldenCases, AtLeastTheFirstCasesArePresent) {
  const auto names = CaseNames();
  for (const char* name : {"clean-course-choice", "clean-registration", "clean-exam-result",
                           "too-many-basic-courses", "compulsory-crediting"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
}

// ---------------------------------------------------------------------------
// `tolka-cli run`: the output's shape and the file handling.

const fs::path kCrediting = kCasesDir / "compulsory-crediting" / "input.json";
const fs::path kClean = kCasesDir / "clean-exam-result" / "input.json";

TEST(RunCommand, PrintsTheWholeOutcome) {
  const CaseFile file(kClean);
  const CliRun run = file.Run({"0", "exam-result"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const Json out = Json::parse(run.Out);
  const char* keys[] = {"pipeline",        "title",     "items",   "hasErrors", "hasHints",
                        "hasCountedHints", "finish",    "message", "verdict",   "resultTexts",
                        "blocks",          "examSlots", "credited"};
  for (const char* key : keys) EXPECT_TRUE(out.contains(key)) << key;
  EXPECT_EQ(out["resultTexts"].size(), 20u);
  EXPECT_EQ(out["examSlots"].size(), 4u);
  EXPECT_EQ(out["credited"].size(), 15u);
  EXPECT_EQ(out["credited"][0].size(), 4u);
}

TEST(RunCommand, WithoutWriteTheFileStaysByteIdentical) {
  const CaseFile file(kCrediting);
  const auto before = file.Bytes();
  const CliRun run = file.Run({"0", "credit-compulsory"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  // The output shows the credits as written back ...
  EXPECT_EQ(Json::parse(run.Out)["credited"][5], Json({1, 1, 1, 1}));
  // ... but the file is untouched.
  EXPECT_EQ(file.Bytes(), before);
}

TEST(RunCommand, WriteSavesTheWriteBack) {
  const CaseFile file(kCrediting);
  ASSERT_EQ(file.Run({"0", "credit-compulsory", "--write"}).ExitCode, 0);
  // A second run sees the stored credits: Biologie (row 5) and Musik (row 11).
  const Json again = Json::parse(file.Run({"0", "course-choice"}).Out);
  EXPECT_EQ(again["credited"][5], Json({1, 1, 1, 1}));
  EXPECT_EQ(again["credited"][11], Json({1, 0, 1, 0}));

  ASSERT_EQ(file.Run({"0", "clear-credits", "--write"}).ExitCode, 0);
  const Json cleared = Json::parse(file.Run({"0", "course-choice"}).Out);
  for (const Json& row : cleared["credited"]) EXPECT_EQ(row, Json({0, 0, 0, 0}));
}

TEST(RunCommand, WriteLeavesTheFileWhenThePipelineWritesNothingBack) {
  const CaseFile file(kCrediting);
  const auto before = file.Bytes();
  for (const char* id : {"registration", "exam-subjects", "written-admission", "projection-2"}) {
    ASSERT_EQ(file.Run({"0", id, "--write"}).ExitCode, 0) << id;
    EXPECT_EQ(file.Bytes(), before) << id;
  }
}

TEST(RunCommand, FailingChecksStillExitZero) {
  const CaseFile file(kCasesDir / "too-many-basic-courses" / "input.json");
  const CliRun run = file.Run({"0", "exam-result"});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  const Json out = Json::parse(run.Out);
  EXPECT_EQ(out["finish"], "report");
  EXPECT_EQ(out["verdict"], "Test nicht bestanden!");
  EXPECT_TRUE(out["message"].is_null());
}

TEST(RunCommand, ProtectedFileNeedsItsPassword) {
  const CaseFile file(kClean, {"--password", "geheim"});
  const auto before = file.Bytes();
  const CliRun without = file.Run({"0", "course-choice"});
  EXPECT_EQ(without.ExitCode, 1);
  EXPECT_TRUE(without.Out.empty());
  EXPECT_EQ(file.Run({"0", "course-choice", "--password", "falsch"}).ExitCode, 1);
  const CliRun with = file.Run({"0", "exam-result", "--password", "geheim"});
  ASSERT_EQ(with.ExitCode, 0) << with.Err;
  EXPECT_EQ(Json::parse(with.Out)["blocks"]["Total"], 560);
  EXPECT_EQ(file.Bytes(), before);
  // Written back, the file stays protected.
  ASSERT_EQ(file.Run({"0", "clear-credits", "--write", "--password", "geheim"}).ExitCode, 0);
  EXPECT_EQ(file.Run({"0", "course-choice"}).ExitCode, 1);
  const CliRun after = file.Run({"0", "course-choice", "--password", "geheim"});
  ASSERT_EQ(after.ExitCode, 0) << after.Err;
  EXPECT_EQ(Json::parse(after.Out)["credited"][0], Json({0, 0, 0, 0}));
}

TEST(RunCommand, WrongArgumentsAreTheUsersToMend) {
  const CaseFile file(kClean);
  const auto before = file.Bytes();
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"36", "exam-result"},
                                             {"-1", "exam-result"},
                                             {"x", "exam-result"},
                                             {"0", "abitur"},
                                             {"0", "Kurseinwahl"},
                                             {"0", "exam-result", "--write=ja"},
                                             {"0"}}) {
    const CliRun run = file.Run(args);
    EXPECT_EQ(run.ExitCode, 1) << args.size() << " " << run.Err;
    EXPECT_TRUE(run.Out.empty());
    EXPECT_FALSE(run.Err.empty());
  }
  EXPECT_EQ(file.Bytes(), before);
  // A file that is not there.
  TempDir other;
  const CliRun missing = RunCli({"--program-dir", other.path().string(), "run",
                                 (other / "fehlt.TLK").string(), "0", "exam-result"});
  EXPECT_EQ(missing.ExitCode, 1);
}

}  // namespace
}  // namespace tolka::test
