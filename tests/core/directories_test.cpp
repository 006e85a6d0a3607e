#include "core/directories.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace tolka::core {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// Sets XDG_DATA_HOME for one test and restores it afterwards.
class ScopedDataHome {
 public:
  explicit ScopedDataHome(const fs::path& dir) {
    if (const char* old = ::getenv("XDG_DATA_HOME")) old_ = old;
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
  }
  ~ScopedDataHome() {
    if (old_) {
      ::setenv("XDG_DATA_HOME", old_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST(DefaultProgramDirectory, PortableFolderKeepsItsSettingsBesideTheProgram) {
  TempDir dir;
  fs::create_directories(dir / "tolka");
  ScopedDataHome home(dir / "home");
  EXPECT_FALSE(IsInstalledProgram(dir / "tolka"));
  EXPECT_EQ(DefaultProgramDirectory(dir / "tolka"), dir / "tolka");
}

// A writable bin/ of an installation (root starting /usr/bin/tolka) must not
// receive settings files: the user's data directory is used instead.
TEST(DefaultProgramDirectory, InstalledProgramUsesTheUsersDataDirectory) {
  TempDir dir;
  fs::create_directories(dir / "usr" / "bin");
  fs::create_directories(dir / "usr" / "share" / "tolka");
  ScopedDataHome home(dir / "home");
  EXPECT_TRUE(IsInstalledProgram(dir / "usr" / "bin"));
  EXPECT_EQ(DefaultProgramDirectory(dir / "usr" / "bin"), dir / "home" / "Tolka");
  EXPECT_TRUE(fs::is_directory(dir / "home" / "Tolka"));
}

}  // namespace
}  // namespace tolka::core
