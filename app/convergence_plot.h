#ifndef CURVESMITH_APP_CONVERGENCE_PLOT_H_
#define CURVESMITH_APP_CONVERGENCE_PLOT_H_

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/run_statistics.h"

namespace curvesmith {

// Where the plots of the convergence panel lie in a widget of `size`, top to
// bottom (fitness, then diversity), all over the same generation axis.
std::vector<QRect> LayOutConvergencePlot(QSize size, int text_height);

// The hover text of generation `generation` (held to the run's generations):
// the figure of every series of every plot — best so far, generation best,
// mean and worst fitness, distinct genomes and the share on the best genome.
QString ConvergenceHoverText(const RunStatistics& statistics, int generation);

// Two plots of a run against its generations: best so far, best of each
// generation, mean and worst fitness with a line at the curve's true maximum;
// below them the number of distinct genomes and the share of the population
// on each generation's best genome. A vertical cursor marks the generation
// the chart shows. Hovering tells a generation's figures; pressing or
// dragging asks to go to the generation under the pointer.
//
// The plots are described in one list (series, value axes, legends; see
// convergence_plot.cc): a further plot is one more entry there.
//
// The plots are drawn once per run and size; moving the cursor only draws
// the cursor over them.
class ConvergencePlot : public QWidget {
  Q_OBJECT

 public:
  explicit ConvergencePlot(QWidget* parent = nullptr);

  void SetStatistics(RunStatistics statistics);
  const RunStatistics& Statistics() const { return statistics_; }

  // Moves the cursor; nothing hides it.
  void SetCursor(std::optional<int> generation);
  std::optional<int> Cursor() const { return cursor_; }

  // The generation under widget x coordinate `x`, held to the run's.
  int GenerationAt(int x) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void SeekRequested(int generation);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int LastGeneration() const;
  double XOf(double generation) const;
  void DrawPlots();

  RunStatistics statistics_;
  std::optional<int> cursor_;
  QImage plots_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CONVERGENCE_PLOT_H_
