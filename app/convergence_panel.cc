#include "app/convergence_panel.h"

#include <QAction>
#include <QMainWindow>
#include <QScreen>

#include "app/convergence_plot.h"
#include "app/resource_text.h"
#include "engine/run_statistics.h"
#include "res/resource_ids.h"

namespace curvesmith {

std::optional<Qt::DockWidgetArea> DefaultPanelArea(QSize window, QSize panel, QRect available) {
  if (window.width() + panel.width() <= available.width() &&
      window.height() <= available.height()) {
    return Qt::RightDockWidgetArea;
  }
  if (window.height() + panel.height() <= available.height() &&
      window.width() <= available.width()) {
    return Qt::BottomDockWidgetArea;
  }
  return std::nullopt;
}

ConvergencePanel::ConvergencePanel(QMainWindow* window, QAction* toggle)
    : QDockWidget(LoadText(res::kIdsConvergencePanelTitle), window),
      window_(window),
      plot_(new ConvergencePlot(this)) {
  setObjectName("ConvergencePanel");
  setAllowedAreas(Qt::AllDockWidgetAreas);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  setWidget(plot_);
  toggle->setCheckable(true);
  connect(toggle, &QAction::toggled, this, &QDockWidget::setVisible);
  connect(this, &QDockWidget::visibilityChanged, toggle, [this, toggle] {
    // Hidden behind another tab is still open; only a closed panel unchecks.
    toggle->setChecked(!isHidden());
  });
}

void ConvergencePanel::ShowRun(const RunState& state, const CurveTable* curve) {
  plot_->SetStatistics(ComputeRunStatistics(state, curve));
}

void ConvergencePanel::ShowGeneration(int generation) {
  plot_->SetCursor(generation);
}

void ConvergencePanel::PlaceByDefault(QSize window_size) {
  std::optional<Qt::DockWidgetArea> area;
  if (const QScreen* screen = window_->screen()) {
    area = DefaultPanelArea(window_size, minimumSizeHint(), screen->availableGeometry());
  }
  window_->addDockWidget(area.value_or(Qt::RightDockWidgetArea), this);
  setVisible(area.has_value());
}

}  // namespace curvesmith
