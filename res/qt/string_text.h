#ifndef CURVESMITH_RES_QT_STRING_TEXT_H_
#define CURVESMITH_RES_QT_STRING_TEXT_H_

#include <QString>
#include <string_view>

namespace curvesmith {

// UTF-8 text from the resource tables as a QString.
QString FromUtf8(std::string_view text);

// String `id` of the string table in the interface's language; empty when
// there is none.
QString LoadText(int id);

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_STRING_TEXT_H_
