#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/file_name.h"
#include "app/resource_text.h"
#include "files/file_writing.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

QString NotRegularFile() {
  return LoadText(res::kIdsNotRegularFile);
}

QString SystemReason(int error) {
  return qt_error_string(error);
}

std::optional<QString> ReasonOf(int error) {
  if (error == files::kNotRegularFile) return NotRegularFile();
  if (error != 0) return SystemReason(error);
  return std::nullopt;
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
  return ReasonOf(files::ReplaceFile(EncodeFileName(name).toStdString(),
                                     std::string_view(data.data(), data.size())));
}

std::optional<QString> CheckWritable(const QString& name) {
  return ReasonOf(files::CheckWritableDestination(EncodeFileName(name).toStdString()));
}

QString KeptFileNote(const QString& name) {
  struct stat status {};
  const bool there = lstat(EncodeFileName(name).constData(), &status) == 0;
  return there ? LoadText(res::kIdsExistingFileKept) : QString();
}

}  // namespace curvesmith
