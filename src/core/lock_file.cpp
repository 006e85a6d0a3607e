#include "core/lock_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <fstream>

namespace tolka::core {

namespace {

constexpr const char* kFirstLine = "Tolka-Sperre";

int64_t ParseNumber(const std::string& text) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

std::string HostName() {
  char buffer[256] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0) return "?";
  return buffer;
}

std::string UserName() {
  if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name) {
    return entry->pw_name;
  }
  if (const char* user = std::getenv("USER")) return user;
  return "?";
}

}  // namespace

std::filesystem::path LockFilePath(const std::filesystem::path& data_file) {
  return data_file.parent_path() / (data_file.filename().string() + kLockFileEnding);
}

LockHolder ThisProcess(std::chrono::system_clock::time_point now) {
  return LockHolder{HostName(), UserName(), static_cast<int64_t>(::getpid()), now};
}

std::vector<uint8_t> EncodeLockText(const LockHolder& holder) {
  const int64_t since =
      std::chrono::duration_cast<std::chrono::seconds>(holder.Since.time_since_epoch()).count();
  const std::string text =
      std::string(kFirstLine) + "\nRechner=" + holder.Host + "\nBenutzer=" + holder.User +
      "\nProzess=" + std::to_string(holder.ProcessId) + "\nSeit=" + std::to_string(since) + "\n";
  return std::vector<uint8_t>(text.begin(), text.end());
}

LockHolder DecodeLockText(const std::vector<uint8_t>& bytes) {
  LockHolder holder;
  const std::string text(bytes.begin(), bytes.end());
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == "Rechner") {
      holder.Host = value;
    } else if (key == "Benutzer") {
      holder.User = value;
    } else if (key == "Prozess") {
      holder.ProcessId = ParseNumber(value);
    } else if (key == "Seit") {
      holder.Since =
          std::chrono::system_clock::time_point(std::chrono::seconds(ParseNumber(value)));
    }
  }
  return holder;
}

bool IsThisProcess(const LockHolder& holder) {
  return holder.ProcessId == static_cast<int64_t>(::getpid()) && holder.Host == HostName();
}

bool ProcessRunning(int64_t process_id) {
  // A process id that cannot be a process (0 would signal our own process
  // group, a negative one a group) names no running program.
  if (process_id <= 0 || process_id > INT32_MAX) return false;
  if (::kill(static_cast<pid_t>(process_id), 0) != 0 && errno == ESRCH) return false;
  // A killed program whose parent has not collected it yet still answers
  // kill(pid, 0): its state in /proc (the field after the name in
  // parentheses) says "Z" (zombie) or "X" (dead).
  std::ifstream stat("/proc/" + std::to_string(process_id) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return true;  // no /proc: trust kill()
  const size_t name_end = line.rfind(')');
  if (name_end == std::string::npos || name_end + 2 >= line.size()) return true;
  const char state = line[name_end + 2];
  return state != 'Z' && state != 'X';
}

bool IsStale(const LockHolder& holder, std::chrono::system_clock::time_point now) {
  if (now - holder.Since > kLockMaxAge) return true;
  if (holder.Host != HostName()) return false;
  return !ProcessRunning(holder.ProcessId);
}

ExclusiveCreate CreateFileExclusively(const std::filesystem::path& path,
                                      const std::vector<uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (errno == EEXIST) return {ExclusiveCreate::Result::Exists, EEXIST};
    return {ExclusiveCreate::Result::Failed, errno};
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      ::unlink(path.c_str());
      return {ExclusiveCreate::Result::Failed, error};
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(path.c_str());
    return {ExclusiveCreate::Result::Failed, error};
  }
  return {ExclusiveCreate::Result::Created, 0};
}

std::string LocalTimeText(std::chrono::system_clock::time_point time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
  std::tm local{};
  ::localtime_r(&seconds, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%d.%m.%Y %H:%M", &local);
  return buffer;
}

}  // namespace tolka::core
