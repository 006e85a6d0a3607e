// Runs the built tolka-cli (TOLKA_CLI_PATH) as its own process and captures
// what it prints, for the end-to-end tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolka::test {

struct CliRun {
  int ExitCode = -1;  // -1 when the process did not exit normally (a crash)
  std::string Out;    // stdout, UTF-8 as printed
  std::string Err;    // stderr
};

struct CliRunOptions {
  std::optional<std::filesystem::path> Program;  // else TOLKA_CLI_PATH
  std::optional<std::filesystem::path> WorkingDirectory;
  std::optional<std::filesystem::path> Stdin;   // else /dev/null
  std::optional<std::filesystem::path> Stdout;  // else captured
};

CliRun RunCli(const std::vector<std::string>& args, const CliRunOptions& options = {});

// A Windows-1252 text of the test source as the terminal shows it (UTF-8).
std::string Utf8(const std::string& cp1252);

}  // namespace tolka::test
