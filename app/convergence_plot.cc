#include "app/convergence_plot.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Margins and bands, in lines of the widget's text.
constexpr double kLeftMargin = 4.5;
constexpr double kRightMargin = 4.5;
constexpr int kFitnessLegendLines = 3;
constexpr int kDiversityLegendLines = 2;
constexpr int kAxisLines = 2;  // tick labels and the axis title
constexpr double kFitnessShare = 0.6;
constexpr int kPadding = 4;

// The fitness axis shows at least the chart's range, 0 to 160.
constexpr double kChartFitnessTop = 160.0;
constexpr int kMostTicks = 8;

struct Series {
  int legend;
  QRgb colour;
  double GenerationStatistics::*value;
};
constexpr Series kFitnessSeries[] = {
    {res::kIdsLegendBestSoFar, 0xFF009600, &GenerationStatistics::best_so_far},
    {res::kIdsLegendGenerationBest, 0xFFDC0000, &GenerationStatistics::generation_best},
    {res::kIdsLegendMean, 0xFF0000DC, &GenerationStatistics::mean},
    {res::kIdsLegendWorst, 0xFF808080, &GenerationStatistics::worst},
};
constexpr QRgb kTrueMaximumColour = 0xFFA000A0;
constexpr QRgb kDistinctColour = 0xFF008282;
constexpr QRgb kShareColour = 0xFFE67800;
constexpr QRgb kAxisColour = 0xFF000000;
constexpr QRgb kGridColour = 0xFFE0E0E0;
constexpr QRgb kCursorColour = 0xFF000000;
// The true maximum's label stands on a light backing over the curves.
constexpr int kLabelBackingAlpha = 200;

// A tick step of 1, 2 or 5 times a power of ten giving at most kMostTicks
// steps over `range`.
double TickStep(double range) {
  const double rough = range / kMostTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10.0 * power;
}

QString Fixed(double value) {
  if (std::isnan(value)) return QStringLiteral("-");
  char text[64];
  std::snprintf(text, sizeof text, "%f", value);
  return QString::fromLatin1(text);
}

QString TickText(double value) {
  return QString::number(value, 'g', 6);
}

// Lays out legend entries left to right, wrapping at `area`'s right edge.
class LegendFlow {
 public:
  LegendFlow(QPainter& painter, QRect area) : painter_(painter), area_(area), at_(area.topLeft()) {}

  void Add(const QString& text, QRgb colour, Qt::PenStyle style = Qt::SolidLine) {
    const QFontMetrics metrics = painter_.fontMetrics();
    const int swatch = metrics.height();
    const int width = swatch + kPadding + metrics.horizontalAdvance(text) + 2 * kPadding;
    if (at_.x() > area_.left() && at_.x() + width > area_.right()) {
      at_ = QPoint(area_.left(), at_.y() + metrics.height());
    }
    const int middle = at_.y() + metrics.height() / 2;
    painter_.setPen(QPen(QColor::fromRgb(colour), 2, style));
    painter_.drawLine(at_.x(), middle, at_.x() + swatch, middle);
    painter_.setPen(QColor::fromRgb(kAxisColour));
    painter_.drawText(QPoint(at_.x() + swatch + kPadding, at_.y() + metrics.ascent()), text);
    at_.rx() += width;
  }

 private:
  QPainter& painter_;
  QRect area_;
  QPoint at_;
};

}  // namespace

ConvergencePlotLayout LayOutConvergencePlot(QSize size, int text_height) {
  const int left = static_cast<int>(kLeftMargin * text_height);
  const int right = size.width() - static_cast<int>(kRightMargin * text_height);
  const int fitness_legend = kFitnessLegendLines * text_height;
  const int diversity_legend = kDiversityLegendLines * text_height;
  const int plots = size.height() - 2 * kPadding - fitness_legend - diversity_legend -
                    2 * kAxisLines * text_height;
  const int fitness_height = std::max(1, static_cast<int>(plots * kFitnessShare));
  const int diversity_height = std::max(1, plots - fitness_height);
  const int fitness_top = kPadding + fitness_legend;
  const int diversity_top =
      fitness_top + fitness_height + kAxisLines * text_height + diversity_legend;
  return {QRect(left, fitness_top, std::max(1, right - left), fitness_height),
          QRect(left, diversity_top, std::max(1, right - left), diversity_height)};
}

QString ConvergenceHoverText(const RunStatistics& statistics, int generation) {
  if (statistics.generations.empty()) return {};
  const int g = std::clamp(generation, 0, static_cast<int>(statistics.generations.size()) - 1);
  const GenerationStatistics& at = statistics.generations[static_cast<std::size_t>(g)];
  return LoadText(res::kIdsPlotHover)
      .arg(g)
      .arg(Fixed(at.best_so_far), Fixed(at.generation_best), Fixed(at.mean), Fixed(at.worst))
      .arg(at.distinct_genomes)
      .arg(QString::number(at.best_genome_share * 100.0, 'f', 1));
}

ConvergencePlot::ConvergencePlot(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ConvergencePlot::sizeHint() const {
  const int line = fontMetrics().height();
  return {36 * line, 30 * line};
}

QSize ConvergencePlot::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {30 * line, 24 * line};
}

void ConvergencePlot::SetStatistics(RunStatistics statistics) {
  statistics_ = std::move(statistics);
  cursor_.reset();
  plots_ = QImage();
  update();
}

void ConvergencePlot::SetCursor(std::optional<int> generation) {
  if (generation == cursor_) return;
  cursor_ = generation;
  update();
}

int ConvergencePlot::LastGeneration() const {
  return std::max(0, static_cast<int>(statistics_.generations.size()) - 1);
}

// A run of generation 0 alone still gets an axis from 0 to 1.
double ConvergencePlot::XOf(double generation) const {
  const QRect plot = LayOutConvergencePlot(size(), fontMetrics().height()).fitness;
  return plot.left() + generation / std::max(1, LastGeneration()) * plot.width();
}

int ConvergencePlot::GenerationAt(int x) const {
  const QRect plot = LayOutConvergencePlot(size(), fontMetrics().height()).fitness;
  const double generation =
      static_cast<double>(x - plot.left()) / plot.width() * std::max(1, LastGeneration());
  return std::clamp(static_cast<int>(std::lround(generation)), 0, LastGeneration());
}

void ConvergencePlot::resizeEvent(QResizeEvent*) {
  plots_ = QImage();
}

void ConvergencePlot::paintEvent(QPaintEvent*) {
  if (plots_.size() != size() * devicePixelRatio()) DrawPlots();
  QPainter painter(this);
  painter.drawImage(rect(), plots_);
  if (!cursor_ || statistics_.generations.empty()) return;
  const ConvergencePlotLayout layout = LayOutConvergencePlot(size(), fontMetrics().height());
  const double x = XOf(std::clamp(*cursor_, 0, LastGeneration()));
  painter.setPen(QPen(QColor::fromRgb(kCursorColour), 1));
  painter.drawLine(QPointF(x, layout.fitness.top()), QPointF(x, layout.diversity.bottom()));
}

void ConvergencePlot::DrawPlots() {
  const qreal ratio = devicePixelRatio();
  plots_ = QImage(size() * ratio, QImage::Format_RGB32);
  plots_.setDevicePixelRatio(ratio);
  plots_.fill(palette().color(QPalette::Base));
  QPainter painter(&plots_);
  painter.setFont(font());
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height();
  const ConvergencePlotLayout layout = LayOutConvergencePlot(size(), line);
  const auto& generations = statistics_.generations;
  const int last = LastGeneration();

  // Value ranges: fitness from 0 to at least the chart's top; genomes from 0
  // to at least the population.
  double fitness_top = kChartFitnessTop;
  for (const GenerationStatistics& g : generations) {
    for (const Series& series : kFitnessSeries) {
      if (std::isfinite(g.*series.value)) fitness_top = std::max(fitness_top, g.*series.value);
    }
  }
  if (statistics_.maximum) fitness_top = std::max(fitness_top, statistics_.maximum->fitness);
  const double fitness_step = TickStep(fitness_top);
  fitness_top = std::ceil(fitness_top / fitness_step) * fitness_step;
  const double genomes_top = std::max(1, statistics_.population_size);

  const auto y_in = [](const QRect& plot, double value, double top) {
    return plot.bottom() - value / top * plot.height();
  };

  // Grid, axes and tick labels.
  const double generation_step = TickStep(std::max(1, last));
  const auto draw_frame = [&](const QRect& plot, double top, double step, bool generation_labels) {
    painter.setPen(QColor::fromRgb(kGridColour));
    for (double v = 0.0; v <= top + 1e-9; v += step) {
      const double y = y_in(plot, v, top);
      painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
      painter.setPen(QColor::fromRgb(kAxisColour));
      painter.drawText(QRectF(0, y - line / 2.0, plot.left() - kPadding, line),
                       Qt::AlignRight | Qt::AlignVCenter, TickText(v));
      painter.setPen(QColor::fromRgb(kGridColour));
    }
    for (double g = 0.0; g <= std::max(1, last) + 1e-9; g += generation_step) {
      const double x = XOf(g);
      painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
      if (!generation_labels) continue;
      painter.setPen(QColor::fromRgb(kAxisColour));
      painter.drawText(QRectF(x - 3 * line, plot.bottom() + 1, 6 * line, line), Qt::AlignHCenter,
                       TickText(g));
      painter.setPen(QColor::fromRgb(kGridColour));
    }
    painter.setPen(QColor::fromRgb(kAxisColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
  };
  draw_frame(layout.fitness, fitness_top, fitness_step, true);
  draw_frame(layout.diversity, genomes_top, TickStep(genomes_top), true);

  // The share's own axis on the right, 0 to 100 %.
  for (int percent = 0; percent <= 100; percent += 25) {
    const double y = y_in(layout.diversity, percent, 100.0);
    painter.drawText(QRectF(layout.diversity.right() + kPadding, y - line / 2.0, 3 * line, line),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::number(percent));
  }

  // Axis titles: generations under the lower plot, values beside each.
  painter.drawText(QRect(layout.diversity.left(), layout.diversity.bottom() + line + 1,
                         layout.diversity.width(), line),
                   Qt::AlignHCenter, LoadText(res::kIdsAxisGeneration));
  const auto vertical_title = [&](const QString& text, const QRect& plot, int x, int angle) {
    painter.save();
    painter.translate(x, plot.center().y());
    painter.rotate(angle);
    painter.drawText(QRect(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignCenter,
                     text);
    painter.restore();
  };
  vertical_title(LoadText(res::kIdsAxisFitness), layout.fitness, line / 2 + 1, -90);
  vertical_title(LoadText(res::kIdsAxisGenomes), layout.diversity, line / 2 + 1, -90);
  vertical_title(LoadText(res::kIdsAxisShare), layout.diversity, width() - line / 2 - 1, 90);

  // The curves.
  painter.setRenderHint(QPainter::Antialiasing, true);
  const auto draw_series = [&](const QRect& plot, double top, QRgb colour, auto value_of) {
    QPainterPath path;
    bool drawing = false;
    for (int g = 0; g <= last && !generations.empty(); ++g) {
      const double value = value_of(generations[static_cast<std::size_t>(g)]);
      if (!std::isfinite(value)) {
        drawing = false;
        continue;
      }
      const QPointF point(XOf(g), y_in(plot, std::clamp(value, 0.0, top), top));
      if (drawing) {
        path.lineTo(point);
      } else {
        path.moveTo(point);
        // A lone point still shows as a dot.
        path.lineTo(point + QPointF(0.5, 0));
      }
      drawing = true;
    }
    painter.setPen(QPen(QColor::fromRgb(colour), 1.5));
    painter.drawPath(path);
  };
  painter.setClipRect(layout.fitness.adjusted(0, -1, 1, 1));
  if (statistics_.maximum) {
    const double y = y_in(layout.fitness, statistics_.maximum->fitness, fitness_top);
    painter.setPen(QPen(QColor::fromRgb(kTrueMaximumColour), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(layout.fitness.left(), y), QPointF(layout.fitness.right(), y));
  }
  for (auto it = std::rbegin(kFitnessSeries); it != std::rend(kFitnessSeries); ++it) {
    const Series& series = *it;
    draw_series(layout.fitness, fitness_top, series.colour,
                [&](const GenerationStatistics& g) { return g.*series.value; });
  }
  // The true maximum's line is labelled with its x and fitness at its right
  // end, above it where there is room, else below it, over the curves.
  if (statistics_.maximum) {
    const QString label = LoadText(res::kIdsTrueMaximumLabel)
                              .arg(QString::number(statistics_.maximum->x, 'g', 17),
                                   Fixed(statistics_.maximum->fitness));
    const double y = y_in(layout.fitness, statistics_.maximum->fitness, fitness_top);
    const int width = metrics.horizontalAdvance(label) + 2 * kPadding;
    const double top = y - line - 1 >= layout.fitness.top() ? y - line - 1 : y + 2;
    const QRectF box(layout.fitness.right() - width - kPadding, top, width, line);
    painter.fillRect(box, QColor(255, 255, 255, kLabelBackingAlpha));
    painter.setPen(QColor::fromRgb(kTrueMaximumColour));
    painter.drawText(box, Qt::AlignCenter, label);
  }
  painter.setClipRect(layout.diversity.adjusted(0, -1, 1, 1));
  draw_series(layout.diversity, genomes_top, kDistinctColour,
              [](const GenerationStatistics& g) { return double(g.distinct_genomes); });
  draw_series(layout.diversity, 1.0, kShareColour,
              [](const GenerationStatistics& g) { return g.best_genome_share; });
  painter.setClipping(false);
  painter.setRenderHint(QPainter::Antialiasing, false);

  // Legends above each plot.
  LegendFlow fitness_legend(painter, QRect(layout.fitness.left(), kPadding, layout.fitness.width(),
                                           kFitnessLegendLines * line));
  for (const Series& series : kFitnessSeries) {
    fitness_legend.Add(LoadText(series.legend), series.colour);
  }
  if (statistics_.maximum) {
    fitness_legend.Add(LoadText(res::kIdsLegendTrueMaximum), kTrueMaximumColour, Qt::DashLine);
  }
  LegendFlow diversity_legend(
      painter, QRect(layout.diversity.left(), layout.diversity.top() - kDiversityLegendLines * line,
                     layout.diversity.width(), kDiversityLegendLines * line));
  diversity_legend.Add(LoadText(res::kIdsLegendDistinctGenomes), kDistinctColour);
  diversity_legend.Add(LoadText(res::kIdsLegendBestGenomeShare), kShareColour);
}

void ConvergencePlot::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || statistics_.generations.empty()) return;
  emit SeekRequested(GenerationAt(static_cast<int>(event->position().x())));
}

void ConvergencePlot::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || statistics_.generations.empty()) return;
  emit SeekRequested(GenerationAt(static_cast<int>(event->position().x())));
}

bool ConvergencePlot::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = ConvergenceHoverText(statistics_, GenerationAt(help->pos().x()));
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), text, this);
  }
  return true;
}

}  // namespace curvesmith
