#include "app/main_frame.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <utility>

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
#include "app/form_scroll_area.h"
#include "app/interface_language.h"
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
#include "app/window_layout.h"
#include "res/resource_ids.h"
#include "res/sample_experiments.h"

namespace curvesmith {
namespace {

// Whether the chart fills the window.
constexpr char kChartFillsWindowKey[] = "Chart/FillsWindow";
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
  CreateChartCommands();
  CreatePanels();
  RestoreLayout();
  resize(kRequestedWidth, kRequestedHeight);
}

CMainFrame::~CMainFrame() {
  SaveWindowLayout(*this);
}

// The form shows whole in any room the window gives it: where it has less
// than the template's size, its chart is drawn smaller.
void CMainFrame::CreateView() {
  view_ = new CCurvesmithView(document_, state_);
  setCentralWidget(new FormScrollArea(view_));
  connect(view_, &CCurvesmithView::RunRefused, this, &CMainFrame::Warn);
}

// Menus, tool bar and status bar, all made from the resource tables.
void CMainFrame::CreateBars() {
  actions_ = new CommandActions(this);
  actions_->PopulateMenuBar(menuBar());
  BindLanguageChoice(*actions_);
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

// The bars and the panel in their default places, then where the last
// session left them.
void CMainFrame::RestoreLayout() {
  convergence_->PlaceByDefault(FormWindowSize());
  RestoreWindowLayout(*this);
  // A bar hidden before the window shows tells its toggle nothing (the
  // panel's toggle follows it when the window shows).
  const std::pair<int, QWidget*> toggled[] = {{res::kIdViewToolBar, tool_bar_},
                                              {res::kIdViewReplayBar, replay_bar_}};
  for (const auto& [command, widget] : toggled) {
    actions_->Action(command)->setChecked(!widget->isHidden());
  }
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
  // A sample opens as a new document with the sample's values: Save must
  // not write over the sample.
  for (const res::SampleExperiment& sample : res::SampleExperiments()) {
    connect(actions_->Action(sample.command), &QAction::triggered, this,
            [this, name = sample.file_name] { OpenSample(SamplePath(name)); });
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
  if (IsFullScreen()) return;
  resize(size().boundedTo(FormWindowSize()).boundedTo(AvailableSize()));
  FitPanels();
}

// The screen's room for the window's inside: what the window manager's frame
// leaves, or, before the window has one, what a title bar would.
QSize CMainFrame::AvailableSize() const {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  QSize frame = frameGeometry().size() - size();
  if (frame.isNull()) frame = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
  return shown_on->availableSize() - frame;
}

// A panel docked beside or below the form takes room from it: the window
// grows, within the screen, so that the form keeps the template's size where
// the screen has room (and its chart is drawn smaller where it has not).
void CMainFrame::MakeRoomForForm() {
  if (IsFullScreen() || isMaximized() || convergence_->isHidden() || convergence_->isFloating()) {
    return;
  }
  const QSize grown = size().expandedTo(FormWindowSize()).boundedTo(AvailableSize());
  const QSize before = size();
  if (grown != before) resize(grown);
  // Grown past the screen's edge, the window moves back onto it.
  if (const QScreen* shown_on = screen(); shown_on != nullptr && grown != before) {
    const QRect available = shown_on->availableGeometry();
    QRect frame(frameGeometry().topLeft(), frameGeometry().size() - before + grown);
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
  }
  FitPanels();
}

// The chart fitted to the window, full screen, and copied as a picture.
void CMainFrame::CreateChartCommands() {
  QAction* fills = actions_->Action(res::kIdViewChartFillsWindow);
  fills->setCheckable(true);
  fills->setChecked(QSettings().value(kChartFillsWindowKey, false).toBool());
  view_->SetChartFillsView(fills->isChecked());
  connect(fills, &QAction::toggled, this, [this](bool fill) {
    view_->SetChartFillsView(fill);
    QSettings().setValue(kChartFillsWindowKey, fill);
  });

  QAction* full_screen = actions_->Action(res::kIdViewFullScreen);
  full_screen->setCheckable(true);
  connect(full_screen, &QAction::toggled, this, &CMainFrame::SetFullScreen);
  QAction* leave = actions_->Action(res::kIdViewLeaveFullScreen);
  leave->setEnabled(false);
  connect(leave, &QAction::triggered, this, [this] { SetFullScreen(false); });

  connect(actions_->Action(res::kIdEditCopyChart), &QAction::triggered, this, [this] {
    const QImage& chart = view_->ChartArea()->Image();
    if (!chart.isNull()) QGuiApplication::clipboard()->setImage(chart);
  });
}

void CMainFrame::SetFullScreen(bool full_screen) {
  if (full_screen == IsFullScreen()) return;
  if (full_screen) {
    saved_layout_ = SavedLayout{saveState(), menuBar()->isVisibleTo(this),
                                statusBar()->isVisibleTo(this), windowState()};
    menuBar()->hide();
    statusBar()->hide();
    tool_bar_->hide();
    convergence_->hide();
    replay_bar_->show();
    view_->SetChartOnly(true);
    showFullScreen();
  } else {
    const SavedLayout saved = *std::exchange(saved_layout_, std::nullopt);
    view_->SetChartOnly(false);
    setWindowState(saved.window_state);
    restoreState(saved.bars_and_panels);
    menuBar()->setVisible(saved.menu_bar);
    statusBar()->setVisible(saved.status_bar);
  }
  actions_->Action(res::kIdViewFullScreen)->setChecked(full_screen);
  actions_->Action(res::kIdViewLeaveFullScreen)->setEnabled(full_screen);
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
  ReplayPlayer& player = view_->Player();
  connect(&player, &ReplayPlayer::RunReplaced, this, [this, &player] {
    convergence_->ShowRun(state_);
    convergence_->ShowGeneration(player.Position());
  });
  connect(&player, &ReplayPlayer::PositionChanged, convergence_, &ConvergencePanel::ShowGeneration);
  connect(convergence_->Plot(), &ConvergencePlot::SeekRequested, &player, &ReplayPlayer::Seek);
  // Once the dock has settled where the panel went.
  const auto make_room = [this] {
    QMetaObject::invokeMethod(this, &CMainFrame::MakeRoomForForm, Qt::QueuedConnection);
  };
  connect(convergence_, &QDockWidget::dockLocationChanged, this, make_room);
  connect(convergence_, &QDockWidget::topLevelChanged, this, make_room);
  connect(actions_->Action(res::kIdViewConvergencePanel), &QAction::toggled, this, make_room);

  exports_ = new ExportCommands(this, *actions_, *view_, state_);
  connect(exports_, &ExportCommands::Warning, this, &CMainFrame::Warn);
  // An empty report gives the message pane back to the form.
  connect(exports_, &ExportCommands::Reported, this, [this](const QString& report) {
    ShowStatusText(report.isEmpty() ? view_->StatusText() : report);
  });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  SetFullScreen(false);
  QMainWindow::closeEvent(event);
}

// The smallest window that shows the whole form at the template's size with
// the bars (and the panels shown beside or below it).
QSize CMainFrame::FormWindowSize() {
  QWidget* central = centralWidget();
  const QSize central_minimum = central->minimumSize();
  central->setMinimumSize(view_->FormSize());
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
      this, QString(), InLastFolder(kParameterFolderKind, document_.SuggestedName()));
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

void CMainFrame::OpenSample(const QString& path) {
  if (const auto problem = document_.OnOpenTemplate(path)) {
    Warn(*problem);
    return;
  }
  InitialUpdate();
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
