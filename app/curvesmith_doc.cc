#include "app/curvesmith_doc.h"

#include <QFile>
#include <QFileInfo>

#include "app/parameter_file_format.h"
#include "app/regular_file.h"
#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

QString FileLabel(const QString& path) {
  return LoadText(res::kIdsFileQuoted).arg(path);
}

QString DamagedFileMessage(const QString& path, const ParameterFileContent& content) {
  const QString where =
      content.line > 0 ? LoadText(res::kIdsDamagedLine).arg(content.line) : QString();
  QString problem = LoadText(content.problem_id);
  if (!content.problem_subject.empty()) problem = problem.arg(FromUtf8(content.problem_subject));
  return LoadText(res::kIdsDamagedFile).arg(FileLabel(path), where, problem);
}

}  // namespace

bool CCurvesmithDoc::OnNewDocument() {
  path_name_.clear();
  template_name_.clear();
  return true;
}

QString CCurvesmithDoc::SuggestedName() const {
  return path_name_.isEmpty() ? template_name_ : path_name_;
}

std::optional<QString> CCurvesmithDoc::OnSaveDocument(const QString& path) {
  if (const auto reason = WriteFileAtomically(path, FormatParameterFile(parameters_))) {
    return LoadText(res::kIdsSaveFailed).arg(FileLabel(path), KeptFileNote(path), *reason);
  }
  path_name_ = path;
  template_name_.clear();
  return std::nullopt;
}

std::optional<QString> CCurvesmithDoc::OnOpenDocument(const QString& path) {
  QFile file;
  if (const auto reason = OpenRegularFile(path, file)) {
    return LoadText(res::kIdsOpenFailed).arg(FileLabel(path), *reason);
  }
  // One byte more than a parameter file may have is enough to tell that a
  // file is too large, without reading all of it.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxParameterFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return LoadText(res::kIdsReadFailed).arg(FileLabel(path), file.errorString());
  }

  const ParameterFileContent content = ParseParameterFile(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  switch (content.kind) {
    case ParameterFileContent::Kind::kNotOurs:
      return LoadText(res::kIdsNotParameterFile).arg(FileLabel(path));
    case ParameterFileContent::Kind::kDamaged:
      return DamagedFileMessage(path, content);
    case ParameterFileContent::Kind::kValues:
      parameters_ = content.values;
      break;
    case ParameterFileContent::Kind::kEmpty:
      break;
  }
  path_name_ = path;
  template_name_.clear();
  return std::nullopt;
}

std::optional<QString> CCurvesmithDoc::OnOpenTemplate(const QString& path) {
  if (auto problem = OnOpenDocument(path)) return problem;
  path_name_.clear();
  template_name_ = QFileInfo(path).fileName();
  return std::nullopt;
}

}  // namespace curvesmith
