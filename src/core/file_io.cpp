#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "core/cp1252.h"
#include "core/io_error.h"
#include "core/write_fault_injection.h"

namespace tolka::core {

// Texts declared in the header: defined here, in this library's code page.
const char* const kWrongSize = "Datei hat falsche Größe!";

namespace {

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A path in a message, in German quotation marks (Windows-1252 0x84, 0x93).
std::string Quoted(const fs::path& path) { return "\x84" + PathText(path) + "\x93"; }

[[noreturn]] void Throw(int error_number, const fs::path& path, IoAccess access) {
  throw FileError(error_number, path, access);
}

// No write bit at all: marked read-only by its owner, whoever asks.
bool NoWriteBits(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) == 0;
}

bool MayNotWrite(const fs::path& path) {
  return ::access(path.c_str(), W_OK) != 0 || NoWriteBits(path);
}

fs::path DirectoryOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

std::string IoErrorText(int error_number) {
  switch (error_number) {
    case ENOENT:
    case ENOTDIR:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert";
    case EROFS:
      return "Der Datenträger ist schreibgeschützt";
    case ENOSPC:
    case EDQUOT:
      return "Der Datenträger ist voll";
    case EFBIG:
      return "Die Datei ist zu groß für den Datenträger";
    case EIO:
      return "Lese- oder Schreibfehler des Datenträgers";
    case EISDIR:
      return "Das ist ein Ordner, keine Datei";
    case EBUSY:
    case ETXTBSY:
      return "Die Datei wird von einem anderen Programm benutzt";
    case ENAMETOOLONG:
      return "Der Dateiname ist zu lang";
    default: {
      char buffer[48];
      std::snprintf(buffer, sizeof buffer, "Ein-/Ausgabefehler (Nr. %d)", error_number);
      return buffer;
    }
  }
}

IoError FileError(int error_number, const fs::path& path, IoAccess access) {
  const std::string cause = IoErrorText(error_number);
  const std::string file = Quoted(path);
  if (access == IoAccess::Read) {
    switch (error_number) {
      case ENOENT:
      case ENOTDIR:
        return IoError("Die Datei " + file + " wurde nicht gefunden.", cause);
      case EACCES:
      case EPERM:
        return IoError("Keine Leseberechtigung für " + file + ".", cause);
      default:
        return IoError("Die Datei " + file + " kann nicht gelesen werden:\r" + cause + ".", cause);
    }
  }
  switch (error_number) {
    case EACCES:
    case EPERM:
      return IoError("Keine Schreibberechtigung für " + file + ".", cause);
    case ENOSPC:
    case EDQUOT:
      return IoError("Der Datenträger ist voll:\r" + file + " konnte nicht gespeichert werden.",
                     cause);
    case ENOENT:
    case ENOTDIR:
      return IoError("Der Ordner für " + file + " wurde nicht gefunden.", cause);
    default:
      return IoError(file + " konnte nicht gespeichert werden:\r" + cause + ".", cause);
  }
}

IoError TooShortError(const fs::path& path) {
  return IoError("Die Datei " + Quoted(path) + " ist zu kurz (falsche Größe).",
                 "Die Datei ist zu kurz (falsche Größe)");
}

bool IsWriteProtected(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec) && MayNotWrite(path)) return true;
  const fs::path dir = DirectoryOf(path);
  return fs::is_directory(dir, ec) && MayNotWrite(dir);
}

std::optional<fs::path> FindFile(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  const fs::path exact = dir / name;
  if (fs::is_regular_file(exact, ec)) return exact;
  fs::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  for (const auto& entry : it) {
    if (EqualsIgnoringAsciiCase(entry.path().filename().string(), name) &&
        entry.is_regular_file(ec)) {
      return entry.path();
    }
  }
  return std::nullopt;
}

bool FileExists(const fs::path& dir, const std::string& name) {
  return FindFile(dir, name).has_value();
}

fs::path TargetPath(const fs::path& dir, const std::string& name) {
  if (auto found = FindFile(dir, name)) return *found;
  return dir / name;
}

std::vector<uint8_t> ReadFileBytes(const fs::path& path, size_t max_size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Throw(errno, path, IoAccess::Read);
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  for (;;) {
    size_t want = sizeof buffer;
    if (max_size != 0) {
      if (bytes.size() >= max_size) break;
      want = std::min(want, max_size - bytes.size());
    }
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      Throw(e, path, IoAccess::Read);
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  ::close(fd);
  return bytes;
}

std::vector<uint8_t> ReadExactly(const fs::path& path, size_t size) {
  auto bytes = ReadFileBytes(path, size);
  if (bytes.size() < size) throw TooShortError(path);
  return bytes;
}

uintmax_t FileSizeOf(const fs::path& path) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) Throw(ec.value(), path, IoAccess::Read);
  return size;
}

namespace {

// Save steps up to a complete temporary file beside `path`: created, written,
// flushed, closed. Returns its name; on failure it is gone and IoError is
// thrown.
std::string WriteTemporary(const fs::path& path, const std::vector<uint8_t>& bytes) {
  const fs::path dir = DirectoryOf(path);
  std::string tmp_template = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(tmp_template.begin(), tmp_template.end());
  name.push_back('\0');
  if (const int e = InjectedWriteError(WriteStep::Open, path)) Throw(e, path, IoAccess::Write);
  const int fd = ::mkstemp(name.data());
  if (fd < 0) Throw(errno, path, IoAccess::Write);
  std::string tmp(name.data());
  auto fail = [&](int e) {
    ::close(fd);
    ::unlink(tmp.c_str());
    Throw(e, path, IoAccess::Write);
  };
  size_t done = 0;
  while (done < bytes.size()) {
    if (const int e = InjectedWriteError(WriteStep::Write, path)) fail(e);
    const ssize_t n = ::write(fd, bytes.data() + done, WriteCallSize(bytes.size() - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    done += static_cast<size_t>(n);
  }
  if (const int e = InjectedWriteError(WriteStep::Sync, path)) fail(e);
  if (DiskSyncWanted() && ::fsync(fd) != 0) fail(errno);
  // Keep the permissions of a file that is being replaced.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  // The descriptor is released whatever close reports; a failed close (a
  // network share that reports a deferred write error there) still means the
  // content may be incomplete, so the temporary file goes.
  int close_error = InjectedWriteError(WriteStep::Close, path);
  if (::close(fd) != 0 && close_error == 0) close_error = errno;
  if (close_error != 0) {
    ::unlink(tmp.c_str());
    Throw(close_error, path, IoAccess::Write);
  }
  return tmp;
}

// The rename is an entry of the directory: without flushing it, a power cut
// right after a save may bring the old file back (never a cut one). Done on
// a best-effort basis: the new content is complete and in place by then, so
// a failing flush is no failed save and is not reported as one.
void SyncDirectoryOf(const fs::path& path) {
  const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The last save step: the temporary file replaces `path`. On failure the
// temporary file is removed and IoError is thrown; `path` is as it was.
void PutInPlace(const std::string& tmp, const fs::path& path) {
  int rename_error = InjectedWriteError(WriteStep::Rename, path);
  if (rename_error == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) rename_error = errno;
  if (rename_error != 0) {
    ::unlink(tmp.c_str());
    Throw(rename_error, path, IoAccess::Write);
  }
  if (DiskSyncWanted()) SyncDirectoryOf(path);
}

}  // namespace

void SaveFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes) {
  if (IsWriteProtected(path)) Throw(EACCES, path, IoAccess::Write);
  PutInPlace(WriteTemporary(path, bytes), path);
}

void SaveFilesAtomically(const std::vector<FileContent>& files) {
  for (const auto& file : files) {
    if (IsWriteProtected(file.Path)) Throw(EACCES, file.Path, IoAccess::Write);
  }
  // What each target held, for putting it back.
  std::vector<std::optional<std::vector<uint8_t>>> old(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    if (fs::is_regular_file(files[i].Path, ec)) old[i] = ReadFileBytes(files[i].Path);
  }
  std::vector<std::string> temporaries;
  auto remove_temporaries = [&](size_t from) {
    for (size_t i = from; i < temporaries.size(); ++i) ::unlink(temporaries[i].c_str());
  };
  try {
    for (const auto& file : files) temporaries.push_back(WriteTemporary(file.Path, file.Bytes));
  } catch (const IoError&) {
    remove_temporaries(0);
    throw;
  }
  size_t placed = 0;
  try {
    for (; placed < files.size(); ++placed) PutInPlace(temporaries[placed], files[placed].Path);
  } catch (const IoError& e) {
    remove_temporaries(placed + 1);
    // The files replaced before get their old content back; a new one goes.
    std::string not_restored;
    for (size_t i = placed; i-- > 0;) {
      try {
        if (old[i]) {
          SaveFileAtomically(files[i].Path, *old[i]);
        } else {
          RemoveFileIfExists(files[i].Path);
        }
      } catch (const IoError&) {
        not_restored += "\r  " + PathText(files[i].Path);
      }
    }
    if (not_restored.empty()) throw;
    throw IoError(std::string(e.what()) +
                      "\r\rDiese Dateien haben schon den neuen Inhalt und konnten nicht "
                      "zurückgesetzt werden:" +
                      not_restored,
                  e.Cause());
  }
}

void RemoveFileIfExists(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  if (ec) Throw(ec.value(), path, IoAccess::Write);
}

std::string PathText(const fs::path& path) {
  const std::string utf8 = path.string();
  if (auto text = Utf8ToCp1252(utf8)) return *text;
  std::string out;
  for (unsigned char c : utf8) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace tolka::core
