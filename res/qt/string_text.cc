#include "res/qt/string_text.h"

#include "res/string_table.h"

namespace curvesmith {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString LoadText(int id) {
  return FromUtf8(res::LoadString(id));
}

}  // namespace curvesmith
