#ifndef CURVESMITH_APP_CURVESMITH_DOC_H_
#define CURVESMITH_APP_CURVESMITH_DOC_H_

#include <QString>
#include <optional>

#include "engine/parameter_set.h"

namespace curvesmith {

// The program's one document: the six form values. It is never marked
// modified, so nothing ever asks to save it. Saving writes the values in the
// parameter file format (app/parameter_file_format.h); opening reads them.
class CCurvesmithDoc {
 public:
  CCurvesmithDoc() = default;

  // File > New. Keeps the values, so the form shows what was typed before;
  // only the file name is forgotten.
  bool OnNewDocument();

  // Writes the values to `path` atomically: until the new file is complete the
  // earlier one stays as it was, and a failed save leaves it so. Returns the
  // message to show when the save failed, nullopt when it succeeded.
  [[nodiscard]] std::optional<QString> OnSaveDocument(const QString& path);

  // Reads the values from `path`. A file of zero bytes, as earlier versions
  // saved, leaves every value as it is; a file that cannot be read, is too
  // large, is not a parameter file or is damaged changes nothing. Returns the
  // message to show when the file was refused, nullopt when it was taken.
  [[nodiscard]] std::optional<QString> OnOpenDocument(const QString& path);

  // Reads the values from `path` as OnOpenDocument() does, into a new
  // document: the file is a template (a sample experiment), which Save must
  // not write over, so Save asks for a name, suggesting the template's.
  [[nodiscard]] std::optional<QString> OnOpenTemplate(const QString& path);

  // The file last opened or saved; empty for a new document.
  const QString& PathName() const { return path_name_; }

  // The name Save As suggests: the document's file, or for a document made
  // from a template, the template's file name; empty otherwise.
  QString SuggestedName() const;

  // The form reads these at its initial update and writes them from its
  // change handler.
  const ParameterSet& Parameters() const { return parameters_; }
  ParameterSet& Parameters() { return parameters_; }

 private:
  ParameterSet parameters_;
  QString path_name_;
  QString template_name_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CURVESMITH_DOC_H_
