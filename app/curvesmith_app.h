#ifndef CURVESMITH_APP_CURVESMITH_APP_H_
#define CURVESMITH_APP_CURVESMITH_APP_H_

#include <QStringList>
#include <functional>
#include <memory>

#include "app/curvesmith_doc.h"
#include "app/main_frame.h"

namespace curvesmith {

// The application: one document, its main window with the form, and the
// start-up that ties them together. Create it after the QApplication.
class CCurvesmithApp {
 public:
  CCurvesmithApp();
  ~CCurvesmithApp();

  // Start-up: the settings' names, then the window with a new document, or
  // with the file the command line names; then shows the window. Returns
  // false when the named file could not be opened (the user has been told)
  // or the command line asks for no window.
  bool InitInstance(const QStringList& arguments);

  // Where the main window's warnings go (a message box unless set); set it
  // before InitInstance() so that start-up failures go there too.
  void SetWarningSink(std::function<void(const QString&)> sink) { warning_sink_ = std::move(sink); }

  CMainFrame* MainFrame() const { return main_frame_.get(); }
  CCurvesmithDoc& Document() { return document_; }

 private:
  CCurvesmithDoc document_;
  std::unique_ptr<CMainFrame> main_frame_;
  std::function<void(const QString&)> warning_sink_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CURVESMITH_APP_H_
