#include "cli/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cli/descriptor_output.h"

namespace curvesmith::cli {
namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

// Writes into what is at `path` without replacing it.
std::string WriteAsStream(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Reason(errno);
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? std::string() : Reason(error);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
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

std::string ReplaceFile(const std::string& path, std::string_view bytes, mode_t mode) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string pattern = folder + "." + name + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return Reason(errno);

  int error = FillAndClose(fd, bytes, mode);
  if (error == 0 && ::rename(temporary.data(), path.c_str()) != 0) error = errno;
  if (error == 0) return {};
  ::unlink(temporary.data());
  return Reason(error);
}

}  // namespace

std::string WriteFileContents(const std::string& path, std::string_view bytes) {
  struct stat status;
  if (::stat(path.c_str(), &status) != 0) {
    if (errno != ENOENT) return Reason(errno);
    return ReplaceFile(path, bytes, NewFileMode());
  }
  if (!S_ISREG(status.st_mode)) return WriteAsStream(path, bytes);

  // The file a symbolic link points to is replaced, not the link.
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) return Reason(errno);
  return ReplaceFile(resolved, bytes, status.st_mode & 07777);
}

}  // namespace curvesmith::cli
