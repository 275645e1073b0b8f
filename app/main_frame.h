#ifndef CURVESMITH_APP_MAIN_FRAME_H_
#define CURVESMITH_APP_MAIN_FRAME_H_

#include <QByteArray>
#include <QMainWindow>
#include <functional>
#include <optional>

#include "app/curvesmith_doc.h"
#include "engine/run_state.h"

class QLabel;
class QToolBar;

namespace curvesmith {

class CCurvesmithView;
class CommandActions;
class ConvergencePanel;
class ExportCommands;
class EditCommands;
class PrintSupport;
class RecentFiles;
class ReplayCommands;
class ReplaySeekControls;
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
  // 再生 > ｼｰﾄﾞを指定して実行...: asks for a seed, then runs with it.
  void OnRunWithSeed();
  // 表示 > 全画面表示: the chart, as large as the screen allows, and the replay
  // tool bar, nothing else; leaving puts back every bar and panel as it was.
  void SetFullScreen(bool full_screen);
  bool IsFullScreen() const { return saved_layout_.has_value(); }

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
  // What full screen hides, to be put back as it was.
  struct SavedLayout {
    QByteArray bars_and_panels;
    bool menu_bar = true;
    bool status_bar = true;
    Qt::WindowStates window_state;
  };

  void CreateView();
  void CreatePanels();
  void CreateBars();
  void CreateReplayBar();
  void ConnectCommands();
  void RestoreLayout();
  void InitialUpdate();
  QSize FormWindowSize();
  void FitPanels();
  void CreateChartCommands();
  void MakeRoomForForm();
  QSize AvailableSize() const;
  void ShowStatusText(const QString& text);
  void Warn(const QString& message);
  // Opens a sample experiment as a new document with its values, kept off
  // the recent-file list; Save asks for a name.
  void OpenSample(const QString& path);

  CCurvesmithDoc& document_;
  RunState& state_;
  CCurvesmithView* view_ = nullptr;
  CommandActions* actions_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QToolBar* replay_bar_ = nullptr;
  ReplaySeekControls* seek_controls_ = nullptr;
  ReplayCommands* replay_commands_ = nullptr;
  QLabel* seed_pane_ = nullptr;
  StatusIndicators* indicators_ = nullptr;
  RecentFiles* recent_files_ = nullptr;
  EditCommands* edit_commands_ = nullptr;
  PrintSupport* printing_ = nullptr;
  ConvergencePanel* convergence_ = nullptr;
  ExportCommands* exports_ = nullptr;
  std::function<void(const QString&)> warning_sink_;
  std::optional<SavedLayout> saved_layout_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_MAIN_FRAME_H_
