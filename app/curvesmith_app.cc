#include "app/curvesmith_app.h"

#include "app/app_run_state.h"

namespace curvesmith {

CCurvesmithApp::CCurvesmithApp() = default;

CCurvesmithApp::~CCurvesmithApp() = default;

bool CCurvesmithApp::InitInstance(const QStringList& arguments) {
  main_frame_ = std::make_unique<CMainFrame>(document_, ApplicationRunState());
  if (arguments.size() > 1) {
    if (!main_frame_->OpenDocumentFile(arguments.at(1))) return false;
  } else {
    main_frame_->OnFileNew();
  }
  main_frame_->show();
  return true;
}

}  // namespace curvesmith
