#include "app/window_layout.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>
#include <QToolBar>

#include "app/recent_files.h"

namespace curvesmith {
namespace {

constexpr char kStateKey[] = "MainWindow/State";
// The state's hash: Qt takes a state cut short at the end of one of its
// sections as whole, so damage is told by the hash.
constexpr char kStateHashKey[] = "MainWindow/StateHash";

QByteArray HashOf(const QByteArray& state) {
  return QCryptographicHash::hash(state, QCryptographicHash::Sha256);
}
// The layout's version: a state saved with another number is not taken.
constexpr int kLayoutVersion = 1;

// What versions before the saved state kept, each bar and panel under its
// object name.
constexpr char kReplayBar[] = "ReplayToolBar";
constexpr char kPanel[] = "ConvergencePanel";

// The replay bar's place and the convergence panel's, as kept before; the
// keys go once read.
void TakeEarlierPlaces(QMainWindow& window) {
  QSettings bar_settings;
  auto* bar = window.findChild<QToolBar*>(kReplayBar);
  if (bar != nullptr && bar_settings.contains(QStringLiteral("%1/Visible").arg(kReplayBar))) {
    bar_settings.beginGroup(kReplayBar);
    const auto area = static_cast<Qt::ToolBarArea>(bar_settings.value("Area").toInt());
    if (area & Qt::AllToolBarAreas) window.addToolBar(area, bar);
    bar->setVisible(bar_settings.value("Visible").toBool());
    bar_settings.endGroup();
  }
  bar_settings.remove(kReplayBar);

  QSettings panel_settings(kSettingsOrganisation, kSettingsApplication);
  auto* panel = window.findChild<QDockWidget*>(kPanel);
  if (panel != nullptr && panel_settings.contains(QStringLiteral("%1/Visible").arg(kPanel))) {
    panel_settings.beginGroup(kPanel);
    const auto area = static_cast<Qt::DockWidgetArea>(panel_settings.value("Area").toInt());
    if (area & Qt::AllDockWidgetAreas) window.addDockWidget(area, panel);
    if (panel_settings.value("Floating").toBool()) {
      panel->setFloating(true);
      panel->restoreGeometry(panel_settings.value("Geometry").toByteArray());
    }
    panel->setVisible(panel_settings.value("Visible").toBool());
    panel_settings.endGroup();
  }
  panel_settings.remove(kPanel);
}

}  // namespace

void RestoreWindowLayout(QMainWindow& window) {
  const QSettings settings;
  const QByteArray state = settings.value(kStateKey).toByteArray();
  if (!settings.contains(kStateKey)) {
    TakeEarlierPlaces(window);
    return;
  }
  // A state that cannot be taken leaves the layout as it is.
  if (settings.value(kStateHashKey).toByteArray() == HashOf(state)) {
    window.restoreState(state, kLayoutVersion);
  }
}

void SaveWindowLayout(const QMainWindow& window) {
  QSettings settings;
  const QByteArray state = window.saveState(kLayoutVersion);
  settings.setValue(kStateKey, state);
  settings.setValue(kStateHashKey, HashOf(state));
}

}  // namespace curvesmith
