#ifndef CURVESMITH_APP_MAIN_FRAME_H_
#define CURVESMITH_APP_MAIN_FRAME_H_

#include <QMainWindow>
#include <functional>

#include "app/curvesmith_doc.h"
#include "engine/run_state.h"

class QToolBar;

namespace curvesmith {

class CCurvesmithView;
class CommandActions;
class ConvergencePanel;
class ExportCommands;
class EditCommands;
class PrintSupport;
class RecentFiles;
class StatusIndicators;

// The program's window: menus, the dockable tool bar, the parameter form with
// its chart, and the status bar with its message pane and lock indicators.
// The caption is always "Curvesmith", whatever file is open.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // The window's size before it is first shrunk to fit the form and the
  // screen.
  static constexpr int kRequestedWidth = 2100;
  static constexpr int kRequestedHeight = 1000;

  // REQUIRES: `document` and `state` outlive the frame.
  CMainFrame(CCurvesmithDoc& document, RunState& state, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CCurvesmithView* View() const { return view_; }
  CommandActions* Actions() const { return actions_; }
  QToolBar* ToolBar() const { return tool_bar_; }
  StatusIndicators* Indicators() const { return indicators_; }
  RecentFiles* RecentFileList() const { return recent_files_; }
  PrintSupport* Printing() const { return printing_; }
  ConvergencePanel* Convergence() const { return convergence_; }
  ExportCommands* Exports() const { return exports_; }

  // File commands. New keeps the values; Open and Save As ask for a file and
  // go on with OpenDocumentFile() and SaveDocumentAs(); Save saves to the
  // document's file, or asks for one first.
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnAppExit();
  // Help > About: the About box, modally.
  void OnAppAbout();

  // Open and save a named file; a failure is shown to the user and changes
  // nothing. A success puts the file at the top of the recent-file list.
  // Return whether they succeeded.
  bool OpenDocumentFile(const QString& path);
  bool SaveDocumentAs(const QString& path);

  // Replaces how warnings reach the user (a message box); tests record them.
  void SetWarningSink(std::function<void(const QString&)> sink);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateView();
  void CreatePanels();
  void CreateBars();
  void ConnectCommands();
  void InitialUpdate();
  QSize FormWindowSize();
  void FitPanels();
  void ShowStatusText(const QString& text);
  void Warn(const QString& message);

  CCurvesmithDoc& document_;
  RunState& state_;
  CCurvesmithView* view_ = nullptr;
  CommandActions* actions_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  StatusIndicators* indicators_ = nullptr;
  RecentFiles* recent_files_ = nullptr;
  EditCommands* edit_commands_ = nullptr;
  PrintSupport* printing_ = nullptr;
  ConvergencePanel* convergence_ = nullptr;
  ExportCommands* exports_ = nullptr;
  std::function<void(const QString&)> warning_sink_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_MAIN_FRAME_H_
