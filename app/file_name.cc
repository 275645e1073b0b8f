#include "app/file_name.h"

namespace curvesmith {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// Length of the UTF-8 sequence that `lead` starts; 0 for a byte that starts
// none.
qsizetype SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

QString DecodeFileName(QByteArrayView bytes) {
  if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
  QString name;
  for (qsizetype i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const qsizetype length = SequenceLength(lead);
    const QByteArrayView sequence = bytes.sliced(i, std::min(length, bytes.size() - i));
    if (length > 0 && sequence.size() == length && sequence.isValidUtf8()) {
      name += QString::fromUtf8(sequence);
      i += length;
    } else {
      name += QChar(static_cast<char16_t>(kEscapeBase + lead));
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
