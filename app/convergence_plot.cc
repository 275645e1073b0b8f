#include "app/convergence_plot.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <span>

#include "app/resource_text.h"
#include "engine/number_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Margins and bands, in lines of the widget's text.
constexpr double kLeftMargin = 4.5;
constexpr double kRightMargin = 4.5;
constexpr int kAxisLines = 2;  // tick labels and the axis title
constexpr int kPadding = 4;

// The fitness axis shows at least the chart's range, 0 to 160.
constexpr double kChartFitnessTop = 160.0;
constexpr int kMostTicks = 8;

constexpr QRgb kTrueMaximumColour = 0xFFA000A0;
constexpr QRgb kAxisColour = 0xFF000000;
constexpr QRgb kGridColour = 0xFFE0E0E0;
constexpr QRgb kCursorColour = 0xFF000000;
// The true maximum's label stands on a light backing over the curves.
constexpr int kLabelBackingAlpha = 200;
// The right-hand axis of a plot: a share, 0 to 100 %.
constexpr int kPercentStep = 25;

// A figure as the readouts show it; "-" for a generation that has none.
QString Fixed(double value) {
  if (std::isnan(value)) return QStringLiteral("-");
  return QString::fromStdString(FixedText(value));
}

// One figure of each generation, drawn as a line against the generations.
struct PlotSeries {
  int legend;
  QRgb colour;
  double (*value)(const GenerationStatistics&);
  // Its text in the hover text.
  QString (*hover)(const GenerationStatistics&);
  // Against the plot's right-hand axis (a share, 0 to 1) instead of its own.
  bool share = false;
};

// A value axis from 0 to `top`, with ticks every `step`.
struct ValueRange {
  double top;
  double step;
};

// One plot of the panel: its series, its value axis and their titles, the
// legend band above it. The hover text takes the series' texts in the order
// of the plots and their series.
struct PlotDescription {
  std::span<const PlotSeries> series;
  int axis_title;
  // The title of the right-hand share axis, 0 when the plot has none.
  int share_title;
  ValueRange (*range)(const RunStatistics&);
  int legend_lines;
  // Of the height left for the plots; the last plot takes what remains.
  double height_share;
  // Where the series cross, the first listed lies on top.
  bool first_on_top;
  // A dashed line at the run's curve's true maximum, labelled.
  bool true_maximum;
};

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

constexpr PlotSeries kFitnessSeries[] = {
    {res::kIdsLegendBestSoFar, 0xFF009600,
     [](const GenerationStatistics& g) { return g.best_so_far; },
     [](const GenerationStatistics& g) { return Fixed(g.best_so_far); }},
    {res::kIdsLegendGenerationBest, 0xFFDC0000,
     [](const GenerationStatistics& g) { return g.generation_best; },
     [](const GenerationStatistics& g) { return Fixed(g.generation_best); }},
    {res::kIdsLegendMean, 0xFF0000DC, [](const GenerationStatistics& g) { return g.mean; },
     [](const GenerationStatistics& g) { return Fixed(g.mean); }},
    {res::kIdsLegendWorst, 0xFF808080, [](const GenerationStatistics& g) { return g.worst; },
     [](const GenerationStatistics& g) { return Fixed(g.worst); }},
};

constexpr PlotSeries kDiversitySeries[] = {
    {res::kIdsLegendDistinctGenomes, 0xFF008282,
     [](const GenerationStatistics& g) { return double(g.distinct_genomes); },
     [](const GenerationStatistics& g) { return QString::number(g.distinct_genomes); }},
    {res::kIdsLegendBestGenomeShare, 0xFFE67800,
     [](const GenerationStatistics& g) { return g.best_genome_share; },
     [](const GenerationStatistics& g) {
       return QString::number(g.best_genome_share * 100.0, 'f', 1);
     },
     true},
};

// Fitness from 0 to at least the chart's top and the curve's true maximum,
// rounded up to a tick.
ValueRange FitnessRange(const RunStatistics& statistics) {
  double top = kChartFitnessTop;
  for (const GenerationStatistics& g : statistics.generations) {
    for (const PlotSeries& series : kFitnessSeries) {
      if (std::isfinite(series.value(g))) top = std::max(top, series.value(g));
    }
  }
  if (statistics.maximum) top = std::max(top, statistics.maximum->fitness);
  const double step = TickStep(top);
  return {std::ceil(top / step) * step, step};
}

// Genomes from 0 to at least the population.
ValueRange GenomesRange(const RunStatistics& statistics) {
  const double top = std::max(1, statistics.population_size);
  return {top, TickStep(top)};
}

// The panel's plots, top to bottom, over one generation axis.
constexpr PlotDescription kPlots[] = {
    {kFitnessSeries, res::kIdsAxisFitness, 0, FitnessRange, 3, 0.6, true, true},
    {kDiversitySeries, res::kIdsAxisGenomes, res::kIdsAxisShare, GenomesRange, 2, 1.0, false,
     false},
};

double YIn(const QRect& plot, double value, double top) {
  return plot.bottom() - value / top * plot.height();
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

// Draws the plots of one run on a painter; `x_of` places a generation.
class PlotPainter {
 public:
  PlotPainter(QPainter& painter, const RunStatistics& statistics, int last,
              std::function<double(double)> x_of)
      : painter_(painter),
        statistics_(statistics),
        last_(last),
        x_of_(std::move(x_of)),
        line_(painter.fontMetrics().height()) {}

  // Grid, tick labels, frame and value titles of a plot.
  void DrawAxes(const PlotDescription& plot, const QRect& area, int width) {
    const ValueRange range = plot.range(statistics_);
    DrawFrame(area, range);
    if (plot.share_title != 0) DrawShareTicks(area);
    VerticalTitle(LoadText(plot.axis_title), area, line_ / 2 + 1, -90);
    if (plot.share_title != 0) {
      VerticalTitle(LoadText(plot.share_title), area, width - line_ / 2 - 1, 90);
    }
  }

  void DrawGenerationTitle(const QRect& area) {
    painter_.drawText(QRect(area.left(), area.bottom() + line_ + 1, area.width(), line_),
                      Qt::AlignHCenter, LoadText(res::kIdsAxisGeneration));
  }

  void DrawCurves(const PlotDescription& plot, const QRect& area) {
    const ValueRange range = plot.range(statistics_);
    painter_.setClipRect(area.adjusted(0, -1, 1, 1));
    const bool maximum = plot.true_maximum && statistics_.maximum;
    if (maximum) DrawTrueMaximumLine(area, range.top);
    const auto draw = [&](const PlotSeries& series) {
      DrawSeries(area, series.share ? 1.0 : range.top, series);
    };
    if (plot.first_on_top) {
      std::for_each(plot.series.rbegin(), plot.series.rend(), draw);
    } else {
      std::for_each(plot.series.begin(), plot.series.end(), draw);
    }
    if (maximum) DrawTrueMaximumLabel(area, range.top);
  }

  void DrawLegend(const PlotDescription& plot, const QRect& area) {
    const int height = plot.legend_lines * line_;
    LegendFlow legend(painter_, QRect(area.left(), area.top() - height, area.width(), height));
    for (const PlotSeries& series : plot.series) legend.Add(LoadText(series.legend), series.colour);
    if (plot.true_maximum && statistics_.maximum) {
      legend.Add(LoadText(res::kIdsLegendTrueMaximum), kTrueMaximumColour, Qt::DashLine);
    }
  }

 private:
  void DrawFrame(const QRect& area, const ValueRange& range) {
    painter_.setPen(QColor::fromRgb(kGridColour));
    for (double v = 0.0; v <= range.top + 1e-9; v += range.step) {
      const double y = YIn(area, v, range.top);
      painter_.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
      painter_.setPen(QColor::fromRgb(kAxisColour));
      painter_.drawText(QRectF(0, y - line_ / 2.0, area.left() - kPadding, line_),
                        Qt::AlignRight | Qt::AlignVCenter, TickText(v));
      painter_.setPen(QColor::fromRgb(kGridColour));
    }
    const double generation_step = TickStep(std::max(1, last_));
    for (double g = 0.0; g <= std::max(1, last_) + 1e-9; g += generation_step) {
      const double x = x_of_(g);
      painter_.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
      painter_.setPen(QColor::fromRgb(kAxisColour));
      painter_.drawText(QRectF(x - 3 * line_, area.bottom() + 1, 6 * line_, line_),
                        Qt::AlignHCenter, TickText(g));
      painter_.setPen(QColor::fromRgb(kGridColour));
    }
    painter_.setPen(QColor::fromRgb(kAxisColour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(area);
  }

  void DrawShareTicks(const QRect& area) {
    for (int percent = 0; percent <= 100; percent += kPercentStep) {
      const double y = YIn(area, percent, 100.0);
      painter_.drawText(QRectF(area.right() + kPadding, y - line_ / 2.0, 3 * line_, line_),
                        Qt::AlignLeft | Qt::AlignVCenter, QString::number(percent));
    }
  }

  void VerticalTitle(const QString& text, const QRect& area, int x, int angle) {
    painter_.save();
    painter_.translate(x, area.center().y());
    painter_.rotate(angle);
    painter_.drawText(QRect(-area.height() / 2, -line_ / 2, area.height(), line_), Qt::AlignCenter,
                      text);
    painter_.restore();
  }

  void DrawSeries(const QRect& area, double top, const PlotSeries& series) {
    QPainterPath path;
    bool drawing = false;
    for (int g = 0; g <= last_ && !statistics_.generations.empty(); ++g) {
      const double value = series.value(statistics_.generations[static_cast<std::size_t>(g)]);
      if (!std::isfinite(value)) {
        drawing = false;
        continue;
      }
      const QPointF point(x_of_(g), YIn(area, std::clamp(value, 0.0, top), top));
      if (drawing) {
        path.lineTo(point);
      } else {
        path.moveTo(point);
        // A lone point still shows as a dot.
        path.lineTo(point + QPointF(0.5, 0));
      }
      drawing = true;
    }
    painter_.setPen(QPen(QColor::fromRgb(series.colour), 1.5));
    painter_.drawPath(path);
  }

  void DrawTrueMaximumLine(const QRect& area, double top) {
    const double y = YIn(area, statistics_.maximum->fitness, top);
    painter_.setPen(QPen(QColor::fromRgb(kTrueMaximumColour), 1.5, Qt::DashLine));
    painter_.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }

  // At the line's right end, above it where there is room, else below it,
  // over the curves.
  void DrawTrueMaximumLabel(const QRect& area, double top) {
    const QString label = LoadText(res::kIdsTrueMaximumLabel)
                              .arg(QString::number(statistics_.maximum->x, 'g', 17),
                                   Fixed(statistics_.maximum->fitness));
    const double y = YIn(area, statistics_.maximum->fitness, top);
    const int width = painter_.fontMetrics().horizontalAdvance(label) + 2 * kPadding;
    const double box_top = y - line_ - 1 >= area.top() ? y - line_ - 1 : y + 2;
    const QRectF box(area.right() - width - kPadding, box_top, width, line_);
    painter_.fillRect(box, QColor(255, 255, 255, kLabelBackingAlpha));
    painter_.setPen(QColor::fromRgb(kTrueMaximumColour));
    painter_.drawText(box, Qt::AlignCenter, label);
  }

  QPainter& painter_;
  const RunStatistics& statistics_;
  int last_;
  std::function<double(double)> x_of_;
  int line_;
};

}  // namespace

std::vector<QRect> LayOutConvergencePlot(QSize size, int text_height) {
  const int left = static_cast<int>(kLeftMargin * text_height);
  const int right = size.width() - static_cast<int>(kRightMargin * text_height);
  int plots = size.height() - 2 * kPadding;
  for (const PlotDescription& plot : kPlots) {
    plots -= (plot.legend_lines + kAxisLines) * text_height;
  }
  std::vector<QRect> areas;
  int top = kPadding;
  int left_over = plots;
  for (const PlotDescription& plot : kPlots) {
    const bool last = &plot == std::end(kPlots) - 1;
    const int height = std::max(1, last ? left_over : static_cast<int>(plots * plot.height_share));
    top += plot.legend_lines * text_height;
    areas.emplace_back(left, top, std::max(1, right - left), height);
    top += height + kAxisLines * text_height;
    left_over -= height;
  }
  return areas;
}

QString ConvergenceHoverText(const RunStatistics& statistics, int generation) {
  if (statistics.generations.empty()) return {};
  const int g = std::clamp(generation, 0, static_cast<int>(statistics.generations.size()) - 1);
  const GenerationStatistics& at = statistics.generations[static_cast<std::size_t>(g)];
  QString text = LoadText(res::kIdsPlotHover).arg(g);
  for (const PlotDescription& plot : kPlots) {
    for (const PlotSeries& series : plot.series) text = text.arg(series.hover(at));
  }
  return text;
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
  const QRect plot = LayOutConvergencePlot(size(), fontMetrics().height()).front();
  return plot.left() + generation / std::max(1, LastGeneration()) * plot.width();
}

int ConvergencePlot::GenerationAt(int x) const {
  const QRect plot = LayOutConvergencePlot(size(), fontMetrics().height()).front();
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
  const std::vector<QRect> areas = LayOutConvergencePlot(size(), fontMetrics().height());
  const double x = XOf(std::clamp(*cursor_, 0, LastGeneration()));
  painter.setPen(QPen(QColor::fromRgb(kCursorColour), 1));
  painter.drawLine(QPointF(x, areas.front().top()), QPointF(x, areas.back().bottom()));
}

// Axes first, then the curves, then the legends, each over every plot.
void ConvergencePlot::DrawPlots() {
  const qreal ratio = devicePixelRatio();
  plots_ = QImage(size() * ratio, QImage::Format_RGB32);
  plots_.setDevicePixelRatio(ratio);
  plots_.fill(palette().color(QPalette::Base));
  QPainter painter(&plots_);
  painter.setFont(font());
  const std::vector<QRect> areas = LayOutConvergencePlot(size(), painter.fontMetrics().height());
  PlotPainter plots(painter, statistics_, LastGeneration(),
                    [this](double generation) { return XOf(generation); });
  for (std::size_t i = 0; i < std::size(kPlots); ++i) plots.DrawAxes(kPlots[i], areas[i], width());
  plots.DrawGenerationTitle(areas.back());
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (std::size_t i = 0; i < std::size(kPlots); ++i) plots.DrawCurves(kPlots[i], areas[i]);
  painter.setClipping(false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (std::size_t i = 0; i < std::size(kPlots); ++i) plots.DrawLegend(kPlots[i], areas[i]);
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
