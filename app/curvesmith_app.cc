#include "app/curvesmith_app.h"

#include <QCoreApplication>

#include "app/app_run_state.h"
#include "app/command_line.h"
#include "app/interface_language.h"
#include "app/recent_files.h"
#include "res/version_info.h"

namespace curvesmith {

CCurvesmithApp::CCurvesmithApp() = default;

CCurvesmithApp::~CCurvesmithApp() = default;

bool CCurvesmithApp::InitInstance(const QStringList& arguments) {
  QCoreApplication::setOrganizationName(kSettingsOrganisation);
  QCoreApplication::setApplicationName(kSettingsApplication);
  QCoreApplication::setApplicationVersion(QString::fromStdString(res::VersionText()));
  const CommandLineInfo command_line = ParseCommandLine(arguments);
  if (command_line.exit_status) return false;
  StartInLanguage(command_line.language.value_or(SavedLanguage()));
  main_frame_ = std::make_unique<CMainFrame>(document_, ApplicationRunState());
  if (warning_sink_) main_frame_->SetWarningSink(warning_sink_);
  if (!command_line.file_name.isEmpty()) {
    if (!main_frame_->OpenDocumentFile(command_line.file_name)) return false;
  } else {
    main_frame_->OnFileNew();
  }
  main_frame_->show();
  return true;
}

}  // namespace curvesmith
