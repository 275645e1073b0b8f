#ifndef CURVESMITH_APP_MAIN_FRAME_H_
#define CURVESMITH_APP_MAIN_FRAME_H_

#include <QMainWindow>
#include <functional>

#include "app/curvesmith_doc.h"
#include "engine/run_state.h"

class QLabel;

namespace curvesmith {

class CCurvesmithView;

// The program's window: the parameter form with its chart, the menus and the
// status bar. The caption is always "Curvesmith", whatever file is open.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // REQUIRES: `document` and `state` outlive the frame.
  CMainFrame(CCurvesmithDoc& document, RunState& state, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CCurvesmithView* View() const { return view_; }

  // File commands. New keeps the values; Open and Save As ask for a file and
  // go on with OpenDocumentFile() and SaveDocumentAs(); Save saves to the
  // document's file, or asks for one first.
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnAppExit();

  // Open and save a named file; a failure is shown to the user and changes
  // nothing. Return whether they succeeded.
  bool OpenDocumentFile(const QString& path);
  bool SaveDocumentAs(const QString& path);

  // Replaces how warnings reach the user (a message box); tests record them.
  void SetWarningSink(std::function<void(const QString&)> sink);

 private:
  void CreateView();
  void CreateFileMenu();
  void CreateStatusBar();
  void ResizeToFitForm();
  void ShowStatusText(const QString& text);
  void Warn(const QString& message);

  CCurvesmithDoc& document_;
  RunState& state_;
  CCurvesmithView* view_ = nullptr;
  QLabel* message_pane_ = nullptr;
  std::function<void(const QString&)> warning_sink_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_MAIN_FRAME_H_
