#include "files/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace curvesmith::files {
namespace {

constexpr mode_t kPermissionBits = 07777;

// The temporary file's name beside the target: short, so that a target whose
// name is as long as the system allows still has room for it, and
// recognisable, should a killed process leave it behind.
constexpr char kTemporaryName[] = ".curvesmith-XXXXXX.tmp";
constexpr int kTemporarySuffix = 4;  // ".tmp"

// The signals that end the process by default and may come while a file is
// written: an interrupt, a hang-up, a kill request, a file grown past its
// limit.
constexpr int kEndingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGXFSZ};

// The temporary file being written, for the signal handler to remove. Only one
// write at a time takes the slot; another one at the same time goes without.
std::atomic<bool> slot_taken{false};
std::atomic<bool> path_ready{false};
char registered_path[PATH_MAX + sizeof kTemporaryName];

extern "C" void RemoveTemporaryAndEnd(int signal) {
  if (path_ready.load()) ::unlink(registered_path);
  std::signal(signal, SIG_DFL);
  ::raise(signal);
}

// Removes the temporary file at `path` should one of kEndingSignals end the
// process while it lives: a handler is put only where the signal would end
// the process by default, and everything is put back as it was.
class RemovalOnSignals {
 public:
  explicit RemovalOnSignals(const char* path) {
    bool expected = false;
    if (std::strlen(path) >= sizeof registered_path ||
        !slot_taken.compare_exchange_strong(expected, true)) {
      return;
    }
    owner_ = true;
    std::strcpy(registered_path, path);
    path_ready.store(true);
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      struct sigaction current {};
      if (::sigaction(kEndingSignals[i], nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
          (current.sa_flags & SA_SIGINFO) != 0) {
        continue;
      }
      installed_[i] = ::sigaction(kEndingSignals[i], &action, &saved_[i]) == 0;
    }
  }

  ~RemovalOnSignals() {
    if (!owner_) return;
    path_ready.store(false);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      if (installed_[i]) ::sigaction(kEndingSignals[i], &saved_[i], nullptr);
    }
    slot_taken.store(false);
  }

  RemovalOnSignals(const RemovalOnSignals&) = delete;
  RemovalOnSignals& operator=(const RemovalOnSignals&) = delete;

 private:
  bool owner_ = false;
  bool installed_[std::size(kEndingSignals)] = {};
  struct sigaction saved_[std::size(kEndingSignals)] = {};
};

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

// The file a write to a path replaces, and whether it may.
struct Destination {
  // The path renamed over: WriteTarget's.
  std::string target;
  // Its folder as the temporary file's name begins: "" or ending in '/'.
  std::string folder;
  // 0, or why the write is refused: an errno or kNotRegularFile.
  int refusal = 0;
  // The permission bits of the file there, which the new one keeps.
  std::optional<mode_t> kept_mode;
};

Destination DestinationOf(const std::string& path) {
  Destination destination;
  destination.target = WriteTarget(path);
  const auto slash = destination.target.rfind('/');
  if (slash != std::string::npos) destination.folder = destination.target.substr(0, slash + 1);
  struct stat status {};
  if (::stat(destination.target.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) {
      destination.refusal = kNotRegularFile;
    } else if (::access(destination.target.c_str(), W_OK) != 0) {
      // Renaming over a file needs only the folder's permission; like cp, a
      // file the user may not write is not replaced all the same.
      destination.refusal = errno;
    } else {
      destination.kept_mode = status.st_mode & kPermissionBits;
    }
  } else if (errno != ENOENT) {
    destination.refusal = errno;
  }
  return destination;
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
  const Destination destination = DestinationOf(path);
  if (destination.refusal != 0) return destination.refusal;
  const mode_t mode = destination.kept_mode.value_or(NewFileMode());

  std::string temporary = destination.folder + kTemporaryName;
  const int fd = ::mkostemps(temporary.data(), kTemporarySuffix, O_CLOEXEC);
  if (fd < 0) return errno;
  const RemovalOnSignals removal(temporary.c_str());

  int error = FillAndClose(fd, bytes, mode);
  if (error == 0 && ::rename(temporary.c_str(), destination.target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

int CheckWritableDestination(const std::string& path) {
  const Destination destination = DestinationOf(path);
  if (destination.refusal != 0) return destination.refusal;
  const std::string folder = destination.folder.empty() ? "." : destination.folder;
  return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

}  // namespace curvesmith::files
