#include "cli/file_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/file_writing.h"

namespace curvesmith::cli {
namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

// Writes into what is at `path` without replacing it.
std::string WriteAsStream(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Reason(errno);
  int error = files::WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? std::string() : Reason(error);
}

}  // namespace

std::string WriteFileContents(const std::string& path, std::string_view bytes) {
  const int error = files::ReplaceFile(path, bytes);
  if (error == files::kNotRegularFile) return WriteAsStream(path, bytes);
  return error == 0 ? std::string() : Reason(error);
}

}  // namespace curvesmith::cli
