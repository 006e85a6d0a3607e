#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/cp1252.h"
#include "support/temp_dir.h"

namespace tolka::test {

namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Redirect(const std::filesystem::path& path, int flags, int target) {
  const int fd = ::open(path.c_str(), flags, 0600);
  if (fd < 0 || ::dup2(fd, target) < 0) ::_exit(126);
  ::close(fd);
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const CliRunOptions& options) {
  TempDir capture;
  const auto out_path = options.Stdout.value_or(capture / "stdout");
  const auto err_path = capture / "stderr";
  std::vector<std::string> words{options.Program ? options.Program->string() : TOLKA_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (options.WorkingDirectory && ::chdir(options.WorkingDirectory->c_str()) != 0) ::_exit(126);
    Redirect(options.Stdin.value_or("/dev/null"), O_RDONLY, 0);
    Redirect(out_path, O_WRONLY | O_CREAT | O_TRUNC, 1);
    Redirect(err_path, O_WRONLY | O_CREAT | O_TRUNC, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");
  CliRun run;
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (!options.Stdout) run.Out = ReadText(out_path);
  run.Err = ReadText(err_path);
  return run;
}

std::string Utf8(const std::string& cp1252) { return core::Cp1252ToUtf8(cp1252); }

}  // namespace tolka::test
