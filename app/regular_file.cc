#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>

#include "app/file_name.h"
#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Tries at a free temporary name before giving up.
constexpr int kTemporaryNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as any new file
constexpr mode_t kPermissionBits = 07777;

QString NotRegularFile() {
  return LoadText(res::kIdsNotRegularFile);
}

QString SystemReason(int error) {
  return qt_error_string(error);
}

// Where a write to `name` lands: the target of a symbolic link, `name` itself
// otherwise (a dangling link is replaced).
QByteArray WriteTarget(const QByteArray& name) {
  struct stat status {};
  if (lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) return name;
  char* resolved = realpath(name.constData(), nullptr);
  if (resolved == nullptr) return name;
  QByteArray target(resolved);
  std::free(resolved);
  return target;
}

bool WriteAll(int fd, QByteArrayView data, int& error) {
  while (!data.isEmpty()) {
    const ssize_t written = write(fd, data.data(), static_cast<size_t>(data.size()));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? errno : ENOSPC;
      return false;
    }
    data = data.sliced(written);
  }
  return true;
}

}  // namespace

std::optional<QString> OpenRegularFile(const QString& name, QFile& file) {
  const QByteArray path = EncodeFileName(name);
  struct stat status {};
  if (stat(path.constData(), &status) != 0) return SystemReason(errno);
  if (!S_ISREG(status.st_mode)) return NotRegularFile();
  const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return SystemReason(errno);
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return NotRegularFile();
  }
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    close(fd);
    return file.errorString();
  }
  return std::nullopt;
}

std::optional<QString> WriteFileAtomically(const QString& name, QByteArrayView data) {
  const QByteArray target = WriteTarget(EncodeFileName(name));
  struct stat status {};
  const bool exists = stat(target.constData(), &status) == 0;
  if (exists && !S_ISREG(status.st_mode)) return NotRegularFile();
  const mode_t mode = exists ? status.st_mode & kPermissionBits : kNewFileMode;

  QByteArray temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0 && errno != EEXIST) return SystemReason(errno);
  }
  if (fd < 0) return SystemReason(EEXIST);

  const auto give_up = [&temporary](int error) -> std::optional<QString> {
    unlink(temporary.constData());
    return SystemReason(error);
  };
  int error = 0;
  if (!WriteAll(fd, data, error) || (exists && fchmod(fd, mode) != 0) || fsync(fd) != 0) {
    if (error == 0) error = errno;
    close(fd);
    return give_up(error);
  }
  if (close(fd) != 0) return give_up(errno);
  if (rename(temporary.constData(), target.constData()) != 0) return give_up(errno);
  return std::nullopt;
}

}  // namespace curvesmith
