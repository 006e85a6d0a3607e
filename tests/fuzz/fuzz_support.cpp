#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <vector>

namespace tolka::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path& ScratchPath() {
  static fs::path path;
  return path;
}

void RemoveScratch() {
  std::error_code ec;
  if (!ScratchPath().empty()) fs::remove_all(ScratchPath(), ec);
}

fs::path ScratchBase() {
  if (::access("/dev/shm", W_OK) == 0) return "/dev/shm";
  if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && *tmp != '\0') return tmp;
  return "/tmp";
}

}  // namespace

const fs::path& FreshScratchDirectory() {
  fs::path& path = ScratchPath();
  if (path.empty()) {
    std::string pattern = (ScratchBase() / "tolka-fuzz-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path = buffer.data();
    std::atexit(RemoveScratch);
  }
  // A loader may have written backups, defaults or converted files.
  for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
    fs::remove_all(entry.path());
  }
  return path;
}

fs::path WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  const fs::path path = FreshScratchDirectory() / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::perror("writing the fuzz input");
    std::abort();
  }
  return path;
}

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void RequireMessage(const std::string& text) {
  if (text.empty()) Fail("a loader reported a failure without a text");
}

core::Answer AnsweringInteraction::Ask(core::Icon, const std::string& text, core::Buttons buttons) {
  RequireMessage(text);
  ++Messages;
  return buttons == core::Buttons::Ok ? core::Answer::Ok : core::Answer::Yes;
}

}  // namespace tolka::fuzz
