#include "app/curvesmith_doc.h"

#include <QFile>

#include "app/atomic_file.h"
#include "app/parameter_file_format.h"

namespace curvesmith {
namespace {

QString FileLabel(const QString& path) {
  return QString::fromUtf8("「%1」").arg(path);
}

QString SaveFailure(const QString& path, const QString& reason) {
  return QString::fromUtf8(
             "ファイル%1を保存できませんでした。既にあるファイルは変更していません。\n%2")
      .arg(FileLabel(path), reason);
}

}  // namespace

bool CCurvesmithDoc::OnNewDocument() {
  path_name_.clear();
  return true;
}

std::optional<QString> CCurvesmithDoc::OnSaveDocument(const QString& path) {
  const std::string text = FormatParameterFile(parameters_);
  if (const auto reason =
          WriteFileAtomically(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())))) {
    return SaveFailure(path, *reason);
  }
  path_name_ = path;
  return std::nullopt;
}

std::optional<QString> CCurvesmithDoc::OnOpenDocument(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return QString::fromUtf8("ファイル%1を開けませんでした。\n%2")
        .arg(FileLabel(path), file.errorString());
  }
  // One byte more than a parameter file may have is enough to tell that a
  // file is too large, without reading all of it.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxParameterFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return QString::fromUtf8("ファイル%1を読み込めませんでした。\n%2")
        .arg(FileLabel(path), file.errorString());
  }

  const ParameterFileContent content = ParseParameterFile(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  switch (content.kind) {
    case ParameterFileContent::Kind::kNotOurs:
      return QString::fromUtf8("ファイル%1は Curvesmith のパラメータ ファイルではありません。")
          .arg(FileLabel(path));
    case ParameterFileContent::Kind::kDamaged: {
      const QString where =
          content.line > 0 ? QString::fromUtf8("（%1 行目）").arg(content.line) : QString();
      return QString::fromUtf8("ファイル%1は壊れているため開けません%2。\n%3")
          .arg(FileLabel(path), where, QString::fromStdString(content.problem));
    }
    case ParameterFileContent::Kind::kValues:
      parameters_ = content.values;
      break;
    case ParameterFileContent::Kind::kEmpty:
      break;
  }
  path_name_ = path;
  return std::nullopt;
}

}  // namespace curvesmith
