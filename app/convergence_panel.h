#ifndef CURVESMITH_APP_CONVERGENCE_PANEL_H_
#define CURVESMITH_APP_CONVERGENCE_PANEL_H_

#include <QDockWidget>
#include <QRect>
#include <QSize>
#include <optional>

#include "engine/curve_table.h"
#include "engine/run_state.h"

class QAction;
class QMainWindow;

namespace curvesmith {

class ConvergencePlot;

// Where the panel goes when nothing says otherwise: beside the window that
// shows the whole form (`window`) when the screen's `available` area has
// room for both, else below it, else nowhere (hidden), so that showing the
// panel never makes the form scroll.
std::optional<Qt::DockWidgetArea> DefaultPanelArea(QSize window, QSize panel, QRect available);

// The convergence panel 収束ｸﾞﾗﾌ: a dock widget with the run's convergence
// plot, dockable on any side of the main window and floatable. Its toggle
// (View menu) shows and hides it and follows it when it is closed. Where it
// stands is kept with the main window's layout (app/window_layout.h).
class ConvergencePanel : public QDockWidget {
  Q_OBJECT

 public:
  ConvergencePanel(QMainWindow* window, QAction* toggle);

  ConvergencePlot* Plot() const { return plot_; }

  // Takes the statistics of the run the state holds; `curve` is the run's
  // own curve when it had one (a formula's), whose maximum is then the true
  // maximum shown.
  void ShowRun(const RunState& state, const CurveTable* curve = nullptr);
  // Moves the plot's cursor to `generation`.
  void ShowGeneration(int generation);

  // Puts the panel where DefaultPanelArea says for a window of
  // `window_size` showing the form.
  void PlaceByDefault(QSize window_size);

 private:
  QMainWindow* window_;
  ConvergencePlot* plot_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CONVERGENCE_PANEL_H_
