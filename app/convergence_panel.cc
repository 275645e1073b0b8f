#include "app/convergence_panel.h"

#include <QAction>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

#include "app/convergence_plot.h"
#include "app/recent_files.h"
#include "app/resource_text.h"
#include "engine/run_statistics.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr char kVisibleKey[] = "ConvergencePanel/Visible";
constexpr char kAreaKey[] = "ConvergencePanel/Area";
constexpr char kFloatingKey[] = "ConvergencePanel/Floating";
constexpr char kGeometryKey[] = "ConvergencePanel/Geometry";

QSettings Settings() {
  return QSettings(kSettingsOrganisation, kSettingsApplication);
}

}  // namespace

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

void ConvergencePanel::RestorePlacement(QSize window_size) {
  const QSettings settings = Settings();
  std::optional<Qt::DockWidgetArea> area;
  bool visible = false;
  if (settings.contains(kVisibleKey)) {
    visible = settings.value(kVisibleKey).toBool();
    area = static_cast<Qt::DockWidgetArea>(
        settings.value(kAreaKey, static_cast<int>(Qt::RightDockWidgetArea)).toInt());
    if (!(*area & Qt::AllDockWidgetAreas)) area = Qt::RightDockWidgetArea;
  } else if (const QScreen* screen = window_->screen()) {
    area = DefaultPanelArea(window_size, minimumSizeHint(), screen->availableGeometry());
    visible = area.has_value();
  }
  window_->addDockWidget(area.value_or(Qt::RightDockWidgetArea), this);
  if (settings.value(kFloatingKey, false).toBool()) {
    setFloating(true);
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
  }
  setVisible(visible);
}

void ConvergencePanel::SavePlacement() {
  QSettings settings = Settings();
  settings.setValue(kVisibleKey, !isHidden());
  settings.setValue(kAreaKey, static_cast<int>(window_->dockWidgetArea(this)));
  settings.setValue(kFloatingKey, isFloating());
  settings.setValue(kGeometryKey, saveGeometry());
}

}  // namespace curvesmith
