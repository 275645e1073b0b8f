#include "app/file_name.h"

#include <cstdint>
#include <string_view>

#include "engine/utf8_sequence.h"

namespace curvesmith {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

}  // namespace

QString DecodeFileName(QByteArrayView bytes) {
  if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
  QString name;
  for (qsizetype i = 0; i < bytes.size();) {
    std::uint32_t code_point = 0;
    const auto length = static_cast<qsizetype>(
        Utf8Sequence(std::string_view(bytes.data() + i, static_cast<std::size_t>(bytes.size() - i)),
                     code_point));
    if (length > 0) {
      name += QString::fromUtf8(bytes.sliced(i, length));
      i += length;
    } else {
      name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
      ++i;
    }
  }
  return name;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray bytes;
  qsizetype run_start = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    const bool paired = i > 0 && name[i - 1].isHighSurrogate();
    if (unit < kFirstEscape || unit > kLastEscape || paired) continue;
    bytes += name.sliced(run_start, i - run_start).toUtf8();
    bytes += static_cast<char>(unit - kEscapeBase);
    run_start = i + 1;
  }
  bytes += name.sliced(run_start).toUtf8();
  return bytes;
}

}  // namespace curvesmith
