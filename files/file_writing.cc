#include "files/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace curvesmith::files {
namespace {

constexpr mode_t kPermissionBits = 07777;

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Where a write to `path` lands: the target of a symbolic link, `path` itself
// otherwise (a dangling link is replaced).
std::string WriteTarget(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// Fills the open temporary file `fd` and closes it; the errno of the first
// step that failed, or 0.
int FillAndClose(int fd, std::string_view bytes, mode_t mode) {
  int error = WriteAll(fd, bytes);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // A write that takes nothing would never finish; a full disk is the
    // likely cause.
    if (written == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string target = WriteTarget(path);
  struct stat status {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return kNotRegularFile;
    mode = status.st_mode & kPermissionBits;
  } else if (errno == ENOENT) {
    mode = NewFileMode();
  } else {
    return errno;
  }

  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  const std::string pattern = folder + "." + name + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;

  int error = FillAndClose(fd, bytes, mode);
  if (error == 0 && ::rename(temporary.data(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.data());
  return error;
}

}  // namespace curvesmith::files
