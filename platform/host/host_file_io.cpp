// Host files the tools read and write: reads take regular files only and never block; writes replace a file whole.
#include "platform/host/host_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pf::host {

namespace {

void SetError(std::string* error, const std::string& path, const std::string& what) {
  if (error != nullptr) *error = path + ": " + what;
}

std::string Reason(int code) { return std::strerror(code); }

// Writes all of bytes to fd, through short writes and interruptions.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The path at the end of a chain of symbolic links (the last one may name
// nothing yet). False with errno set for a loop or an unreadable link.
bool FollowLinks(const std::string& path, std::string* target) {
  std::string at = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      *target = at;
      return true;
    }
    char link[4096];
    const ssize_t length = ::readlink(at.c_str(), link, sizeof link - 1);
    if (length <= 0) return false;
    const std::string next(link, static_cast<std::size_t>(length));
    at = next.front() == '/' ? next : FolderOf(at) + "/" + next;
  }
  errno = ELOOP;
  return false;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes into a FIFO or a device where it is; opening a FIFO waits for its reader.
bool WriteInPlace(const std::string& shown, const std::string& target, const std::string& bytes,
                  std::string* error) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, shown, "cannot open: " + Reason(errno));
    return false;
  }
  const bool written = WriteAll(fd, bytes);
  const int code = errno;
  if (::close(fd) != 0 && written) {
    SetError(error, shown, "cannot write: " + Reason(errno));
    return false;
  }
  if (!written) SetError(error, shown, "cannot write: " + Reason(code));
  return written;
}

// Writes a new file beside target and renames it over target.
bool ReplaceFile(const std::string& shown, const std::string& target, mode_t mode,
                 const std::string& bytes, std::string* error) {
  const std::string folder = FolderOf(target);
  std::string temporary = folder + "/." + target.substr(target.find_last_of('/') + 1) + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    SetError(error, shown, "cannot write: " + Reason(errno));
    return false;
  }
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int code = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    SetError(error, shown, "cannot write: " + Reason(code));
  }
  return ok;
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string* error, bool* missing) {
  if (missing != nullptr) *missing = false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int code = errno;
    if (missing != nullptr) *missing = code == ENOENT;
    SetError(error, path, code == ENXIO ? "is not a regular file" : "cannot open: " + Reason(code));
    return -1;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    SetError(error, path, "is not a regular file");
    return -1;
  }
  // Reads of a regular file never block; the flag goes so none sees EAGAIN.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadAll(int fd, const std::string& name, std::string* bytes, std::string* error, std::size_t limit) {
  std::string text;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    text.reserve(std::min(static_cast<std::size_t>(st.st_size), limit));  // one buffer, not a doubling series
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(error, name, "cannot read: " + Reason(errno));
      return false;
    }
    if (n == 0) break;
    if (text.size() + static_cast<std::size_t>(n) > limit) {
      SetError(error, name, "is larger than " + std::to_string(limit) + " bytes");
      return false;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  *bytes = std::move(text);
  return true;
}

bool ReadRegularFile(const std::string& path, std::string* bytes, std::string* error, std::size_t limit) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  const bool read = ReadAll(fd, path, bytes, error, limit);
  ::close(fd);
  return read;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error) {
  std::string target;
  if (path.empty() || !FollowLinks(path, &target)) {
    SetError(error, path, "cannot write: " + Reason(path.empty() ? ENOENT : errno));
    return false;
  }
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) {
      SetError(error, path, "cannot write: " + Reason(errno));
      return false;
    }
    return ReplaceFile(path, target, NewFileMode(), bytes, error);
  }
  if (S_ISREG(st.st_mode)) return ReplaceFile(path, target, st.st_mode & 07777, bytes, error);
  if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) return WriteInPlace(path, target, bytes, error);
  SetError(error, path, S_ISDIR(st.st_mode) ? "cannot write: " + Reason(EISDIR)
                                            : std::string("cannot write: not a regular file, pipe or device"));
  return false;
}

}  // namespace pf::host
