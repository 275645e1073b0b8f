#include "files/writable_destination.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "files/file_writing.h"

namespace curvesmith::files {

int CheckWritableDestination(const std::string& path) {
  // A link's target is where the temporary file and the rename go.
  char resolved[PATH_MAX];
  const std::string target = ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return kNotRegularFile;
  } else if (errno != ENOENT) {
    return errno;
  }
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : target.substr(0, slash);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return errno;
  return 0;
}

}  // namespace curvesmith::files
