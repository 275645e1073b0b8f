#ifndef CURVESMITH_APP_FILE_NAME_H_
#define CURVESMITH_APP_FILE_NAME_H_

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace curvesmith {

// File names are bytes to the file system but QStrings to Qt. A name that is
// not valid UTF-8 (say "bad\xffname.txt" from the command line) keeps each
// byte that does not decode as a lone surrogate U+DC80..U+DCFF, so that
// EncodeFileName() gives back exactly the bytes given. Qt's own conversion
// would replace such bytes and name another file.
QString DecodeFileName(QByteArrayView bytes);
QByteArray EncodeFileName(const QString& name);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_FILE_NAME_H_
