// A write failure that also hits root (who ignores permissions): while a
// FileSizeLimit lives, writing beyond `limit` bytes into any file fails with
// EFBIG ("Die Datei ist zu groß für den Datenträger"); the signal SIGXFSZ is ignored meanwhile.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace tolka::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit now = old_;
    now.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &now);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t old_handler_{};
};

}  // namespace tolka::test
