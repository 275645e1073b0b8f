#include "app/main_frame.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/about_box.h"
#include "app/app_icons.h"
#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/convergence_panel.h"
#include "app/convergence_plot.h"
#include "app/curvesmith_view.h"
#include "app/edit_commands.h"
#include "app/export_commands.h"
#include "app/file_dialog_folders.h"
#include "app/lock_states.h"
#include "app/print_support.h"
#include "app/recent_files.h"
#include "app/replay_commands.h"
#include "app/replay_player.h"
#include "app/replay_seek_controls.h"
#include "app/resource_text.h"
#include "app/sample_files.h"
#include "app/seed_dialog.h"
#include "app/status_indicators.h"
#include "res/resource_ids.h"
#include "res/sample_experiments.h"

namespace curvesmith {
namespace {

// Where the replay tool bar's place is kept between sessions.
constexpr char kReplayBarVisibleKey[] = "ReplayToolBar/Visible";
constexpr char kReplayBarAreaKey[] = "ReplayToolBar/Area";
// The kind of file whose folder Open and Save As remember.
constexpr char kParameterFolderKind[] = "Parameters";

}  // namespace

CMainFrame::CMainFrame(CCurvesmithDoc& document, RunState& state, QWidget* parent)
    : QMainWindow(parent), document_(document), state_(state) {
  setWindowTitle(LoadText(res::kIdsAppTitle));
  setWindowIcon(ResourceIcon(res::kIdrMainFrame));
  CreateView();
  CreateBars();
  CreateReplayBar();
  ConnectCommands();
  CreatePanels();
  RestoreReplayBar();
  resize(kRequestedWidth, kRequestedHeight);
}

CMainFrame::~CMainFrame() {
  SaveReplayBar();
}

// The form is a fixed-size page; a window smaller than it scrolls.
void CMainFrame::CreateView() {
  view_ = new CCurvesmithView(document_, state_);
  auto* scroll_area = new QScrollArea;
  scroll_area->setWidget(view_);
  scroll_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_area->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll_area);
  connect(view_, &CCurvesmithView::RunRefused, this, &CMainFrame::Warn);
}

// Menus, tool bar and status bar, all made from the resource tables.
void CMainFrame::CreateBars() {
  actions_ = new CommandActions(this);
  actions_->PopulateMenuBar(menuBar());
  tool_bar_ = actions_->CreateToolBar(this);

  indicators_ = new StatusIndicators(statusBar(), PlatformLockStates());
  actions_->BindStatusBar(statusBar());
  connect(view_, &CCurvesmithView::StatusTextChanged, this, &CMainFrame::ShowStatusText);
  ShowStatusText(view_->StatusText());

  recent_files_ = new RecentFiles(actions_->MenuOf(res::kIdFileMruFirst),
                                  actions_->Action(res::kIdFileMruFirst));
  edit_commands_ = new EditCommands(
      actions_->Action(res::kIdEditUndo), actions_->Action(res::kIdEditCut),
      actions_->Action(res::kIdEditCopy), actions_->Action(res::kIdEditPaste), this);
  printing_ = new PrintSupport(
      this, [this] { return view_->ChartArea()->Image(); },
      [this](const QString& message) { Warn(message); });
}

// The replay tool bar, its commands and the seed's status-bar pane.
void CMainFrame::CreateReplayBar() {
  ReplayPlayer& player = view_->Player();
  seek_controls_ = new ReplaySeekControls(player);
  replay_bar_ = actions_->CreateReplayToolBar(this, seek_controls_);
  replay_commands_ = new ReplayCommands(*actions_, player, this);

  // A pane of its own, between the message pane and the lock indicators.
  seed_pane_ = new QLabel;
  seed_pane_->setObjectName("SeedPane");
  seed_pane_->setFrameShape(QFrame::Panel);
  seed_pane_->setFrameShadow(QFrame::Sunken);
  seed_pane_->hide();
  statusBar()->insertPermanentWidget(1, seed_pane_);
  connect(view_, &CCurvesmithView::RunStarted, this, [this](std::uint32_t seed) {
    seed_pane_->setText(LoadText(res::kIdsSeedPane).arg(seed));
    seed_pane_->show();
  });
}

void CMainFrame::RestoreReplayBar() {
  const QSettings settings;
  const auto area = static_cast<Qt::ToolBarArea>(
      settings.value(kReplayBarAreaKey, static_cast<int>(Qt::TopToolBarArea)).toInt());
  if (area != Qt::TopToolBarArea && (area & Qt::AllToolBarAreas)) addToolBar(area, replay_bar_);
  // The View menu's toggle shows or hides the bar.
  actions_->Action(res::kIdViewReplayBar)
      ->setChecked(settings.value(kReplayBarVisibleKey, true).toBool());
}

void CMainFrame::SaveReplayBar() const {
  QSettings settings;
  settings.setValue(kReplayBarVisibleKey, replay_bar_->isVisibleTo(this));
  settings.setValue(kReplayBarAreaKey, static_cast<int>(toolBarArea(replay_bar_)));
}

void CMainFrame::ConnectCommands() {
  const struct {
    int id;
    std::function<void()> handler;
  } commands[] = {
      {res::kIdFileNew, [this] { OnFileNew(); }},
      {res::kIdFileOpen, [this] { OnFileOpen(); }},
      {res::kIdFileSave, [this] { OnFileSave(); }},
      {res::kIdFileSaveAs, [this] { OnFileSaveAs(); }},
      {res::kIdFilePrint, [this] { printing_->Print(); }},
      {res::kIdFilePrintPreview, [this] { printing_->PrintPreview(); }},
      {res::kIdFilePrintSetup, [this] { printing_->PrinterSetup(); }},
      {res::kIdAppExit, [this] { OnAppExit(); }},
      {res::kIdAppAbout, [this] { OnAppAbout(); }},
      {res::kIdRunSameSeed, [this] { view_->OnRunSameSeed(); }},
      {res::kIdRunWithSeed, [this] { OnRunWithSeed(); }},
  };
  for (const auto& command : commands) {
    connect(actions_->Action(command.id), &QAction::triggered, this, command.handler);
  }
  // A sample opens as the file Open would open.
  for (const res::SampleExperiment& sample : res::SampleExperiments()) {
    connect(actions_->Action(sample.command), &QAction::triggered, this,
            [this, name = sample.file_name] { OpenDocumentFile(SamplePath(name)); });
  }
  // The form is a single pane: there is no other pane to switch to.
  actions_->Action(res::kIdNextPane)->setEnabled(false);
  actions_->Action(res::kIdPrevPane)->setEnabled(false);

  connect(recent_files_, &RecentFiles::OpenRequested, this, [this](const QString& path) {
    if (!OpenDocumentFile(path)) recent_files_->Remove(path);
  });
}

// After every initial update of the form (start-up, New, Open) the window
// shrinks, never grows, to what shows the whole form with the bars, and stays
// within the screen.
void CMainFrame::InitialUpdate() {
  view_->OnInitialUpdate();
  QSize fits_form = FormWindowSize();

  const QSize screen_size = screen() ? screen()->availableSize() : fits_form;
  const QSize shown = fits_form.boundedTo(screen_size);
  // Where the screen cuts the form on one side, a scroll bar takes room on
  // the other.
  const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (shown.width() < fits_form.width()) fits_form.rheight() += scroll_bar;
  if (shown.height() < fits_form.height()) fits_form.rwidth() += scroll_bar;
  resize(size().boundedTo(fits_form).boundedTo(screen_size));
  FitPanels();
}

// A docked panel would take its preferred size from the form; it takes the
// size the window was fitted with, so that the form shows whole.
void CMainFrame::FitPanels() {
  if (convergence_->isHidden() || convergence_->isFloating()) return;
  const bool beside =
      dockWidgetArea(convergence_) & (Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  const QSize minimum = convergence_->minimumSizeHint();
  resizeDocks({convergence_}, {beside ? minimum.width() : minimum.height()},
              beside ? Qt::Horizontal : Qt::Vertical);
}

// The convergence panel and the exports. The panel follows the replay: a
// new run's figures when the run is made, the generation the chart shows,
// and a press in its plot moves the replay. A panel docked and shown is part
// of what the window fits at each initial update.
void CMainFrame::CreatePanels() {
  convergence_ = new ConvergencePanel(this, actions_->Action(res::kIdViewConvergencePanel));
  convergence_->RestorePlacement(FormWindowSize());
  ReplayPlayer& player = view_->Player();
  connect(&player, &ReplayPlayer::RunReplaced, this, [this, &player] {
    convergence_->ShowRun(state_);
    convergence_->ShowGeneration(player.Position());
  });
  connect(&player, &ReplayPlayer::PositionChanged, convergence_, &ConvergencePanel::ShowGeneration);
  connect(convergence_->Plot(), &ConvergencePlot::SeekRequested, &player, &ReplayPlayer::Seek);

  exports_ = new ExportCommands(this, *actions_, *view_, state_);
  connect(exports_, &ExportCommands::Warning, this, &CMainFrame::Warn);
  // An empty report gives the message pane back to the form.
  connect(exports_, &ExportCommands::Reported, this, [this](const QString& report) {
    ShowStatusText(report.isEmpty() ? view_->StatusText() : report);
  });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  convergence_->SavePlacement();
  QMainWindow::closeEvent(event);
}

// The smallest window that shows the whole form with the bars (and the
// panels shown beside or below it).
QSize CMainFrame::FormWindowSize() {
  QWidget* central = centralWidget();
  const QSize central_minimum = central->minimumSize();
  central->setMinimumSize(view_->size());
  const QSize fits_form = layout()->totalMinimumSize();
  central->setMinimumSize(central_minimum);
  return fits_form;
}

void CMainFrame::ShowStatusText(const QString& text) {
  indicators_->MessagePane()->setText(text.isEmpty() ? LoadText(res::kIdsIdleMessage) : text);
}

void CMainFrame::OnFileNew() {
  if (document_.OnNewDocument()) InitialUpdate();
}

void CMainFrame::OnAppExit() {
  close();
}

void CMainFrame::OnAppAbout() {
  CAboutBox about(this);
  about.exec();
}

void CMainFrame::OnRunWithSeed() {
  SeedDialog dialog(view_->LastSeed(), this);
  if (dialog.exec() == QDialog::Accepted) view_->OnRunWithSeed(dialog.Seed());
}

void CMainFrame::OnFileOpen() {
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), InLastFolder(kParameterFolderKind));
  RememberFolder(kParameterFolderKind, path);
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CMainFrame::OnFileSave() {
  if (document_.PathName().isEmpty()) {
    OnFileSaveAs();
  } else {
    SaveDocumentAs(document_.PathName());
  }
}

void CMainFrame::OnFileSaveAs() {
  const QString path = QFileDialog::getSaveFileName(
      this, QString(), InLastFolder(kParameterFolderKind, document_.PathName()));
  RememberFolder(kParameterFolderKind, path);
  if (!path.isEmpty()) SaveDocumentAs(path);
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
  if (const auto problem = document_.OnOpenDocument(path)) {
    Warn(*problem);
    return false;
  }
  recent_files_->Add(path);
  InitialUpdate();
  return true;
}

bool CMainFrame::SaveDocumentAs(const QString& path) {
  if (const auto problem = document_.OnSaveDocument(path)) {
    Warn(*problem);
    return false;
  }
  recent_files_->Add(path);
  return true;
}

void CMainFrame::SetWarningSink(std::function<void(const QString&)> sink) {
  warning_sink_ = std::move(sink);
}

void CMainFrame::Warn(const QString& message) {
  if (warning_sink_) {
    warning_sink_(message);
  } else {
    QMessageBox::warning(this, LoadText(res::kIdsAppTitle), message);
  }
}

}  // namespace curvesmith
