// tolka-cli: the data file commands of the program for scripts and tests.
// Exit code 0 on success, 1 on an error the user can mend (the German
// message on stderr), 2 on an internal error.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_error.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "core/io_error.h"

namespace {

namespace fs = std::filesystem;

// Where the executable lies: the link of the running process, else argv[0].
fs::path ExecutableDirectory(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self.parent_path();
  const fs::path named = fs::absolute(argv0 != nullptr ? argv0 : ".", ec);
  return ec ? fs::current_path() : named.parent_path();
}

void PrintError(const std::string& message) {
  tolka::cli::PrintMessage(stderr, "tolka-cli: " + message);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tolka::cli;
  try {
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.Help) {
      PrintMessage(stdout, UsageText());
      return 0;
    }
    RunCommand(line, ExecutableDirectory(argc > 0 ? argv[0] : nullptr), stdout, stderr);
    return 0;
  } catch (const UserError& e) {
    PrintError(e.what());
    return 1;
  } catch (const tolka::IoError& e) {
    PrintError(e.what());
    return 1;
  } catch (const std::exception& e) {
    PrintError(std::string("interner Fehler: ") + e.what());
    return 2;
  }
}
