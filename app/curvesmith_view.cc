#include "app/curvesmith_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "app/chart_area_widget.h"
#include "app/replay_player.h"
#include "app/resource_text.h"
#include "app/run_refusal.h"
#include "engine/crt_random.h"
#include "engine/evolution.h"
#include "engine/number_text.h"
#include "res/parameter_form_template.h"
#include "res/qt/dialog_units.h"
#include "res/qt/window_edges.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Background of a field whose text cannot be taken.
constexpr QRgb kMarkedFieldColor = 0xFFFFD0D0;

Qt::Alignment AlignmentOf(const res::DialogControl& control) {
  Qt::Alignment alignment =
      control.styles & res::kStyleCenterText ? Qt::AlignHCenter : Qt::AlignLeft;
  return alignment | (control.styles & res::kStyleCenterVertical ? Qt::AlignVCenter : Qt::AlignTop);
}

QString NeedsNumberText(const FormField& field) {
  return LoadText(res::kIdsNeedsNumber).arg(LoadText(field.name_id));
}

}  // namespace

CCurvesmithView::CCurvesmithView(CCurvesmithDoc& document, RunState& state, QWidget* parent)
    : QWidget(parent), document_(document), state_(state), seed_source_(SeedFromClock) {
  CreateControls();
  player_ = new ReplayPlayer(state_, *chart_area_, this);
}

CCurvesmithView::~CCurvesmithView() = default;

void CCurvesmithView::SetSeedSource(std::function<std::uint32_t()> seed_source) {
  seed_source_ = std::move(seed_source);
}

QLineEdit* CCurvesmithView::Field(int control_id) const {
  const auto found = fields_.find(control_id);
  return found == fields_.end() ? nullptr : found->second;
}

// The controls are created in template order, which Qt then also takes as
// the tab order.
void CCurvesmithView::CreateControls() {
  const res::DialogTemplate& form = res::ParameterFormTemplate();
  const int dpi = logicalDpiY();
  setFont(DialogFont(form, dpi));
  edges_ = EdgeRingsOf(form.styles, /*dialog=*/true);
  template_size_ = DialogRectInPixels({0, 0, form.width, form.height}, dpi).size();

  for (const res::DialogControl& control : form.controls) {
    const QRect rect = DialogRectInPixels(control.rect, dpi);
    const QString text = LoadText(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case res::ControlKind::kEdit:
        if (control.id == res::kIdcChartArea) {
          chart_area_ =
              new ChartAreaWidget(EdgeRingsOf(control.styles, /*dialog=*/false), rect.size(), this);
          chart_rect_ = rect;
          connect(chart_area_, &ChartAreaWidget::RepaintNeeded, this, &CCurvesmithView::Invalidate);
          widget = chart_area_;
        } else {
          auto* edit = new QLineEdit(this);
          edit->setTextMargins(0, 0, 0, 0);
          fields_[control.id] = edit;
          if (first_field_ == nullptr && (control.styles & res::kStyleTabStop)) first_field_ = edit;
          connect(edit, &QLineEdit::textChanged, this, &CCurvesmithView::OnChange);
          widget = edit;
        }
        break;
      case res::ControlKind::kStatic:
      case res::ControlKind::kStaticIcon: {
        auto* label = new QLabel(text, this);
        label->setAlignment(AlignmentOf(control));
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
      }
      case res::ControlKind::kPushButton:
        run_button_ = new QPushButton(text, this);
        run_button_->setAutoDefault(false);
        connect(run_button_, &QPushButton::clicked, this, &CCurvesmithView::OnRun);
        widget = run_button_;
        break;
    }
    widget->setObjectName(QString::number(control.id));
    if (widget != chart_area_) controls_.emplace_back(widget, rect);
  }
  for (const auto& [widget, rect] : controls_) {
    if (rect.top() > chart_rect_.bottom() && rect.left() <= chart_rect_.right()) {
      row_right_ = std::max(row_right_, rect.right() + 1);
    }
  }
  resize(FormSize());
  LayOutForm();
}

QSize CCurvesmithView::FormSizeAt(double scale) const {
  const int edge = static_cast<int>(edges_.size());
  const QSize chart = chart_rect_.size() * scale;
  return template_size_ +
         QSize(std::max(chart.width(), row_right_) - chart_rect_.width() + 2 * edge,
               chart.height() - chart_rect_.height() + 2 * edge);
}

double CCurvesmithView::FittingScale(QSize room) const {
  const QSize beside = FormSizeAt(1.0) - chart_rect_.size();
  const double across = static_cast<double>(room.width() - beside.width()) / chart_rect_.width();
  const double down = static_cast<double>(room.height() - beside.height()) / chart_rect_.height();
  return std::min(across, down);
}

QSize CCurvesmithView::sizeHint() const {
  return FormSize();
}

QSize CCurvesmithView::minimumSizeHint() const {
  return chart_only_ ? chart_rect_.size() * kMinChartScale : FormSizeAt(kMinChartScale);
}

void CCurvesmithView::SetChartFillsView(bool fill) {
  if (fill == fill_) return;
  fill_ = fill;
  LayOutForm();
}

void CCurvesmithView::SetChartOnly(bool chart_only) {
  if (chart_only == chart_only_) return;
  chart_only_ = chart_only;
  for (const auto& [widget, rect] : controls_) widget->setVisible(!chart_only_);
  updateGeometry();
  LayOutForm();
}

// The chart area takes its scale; every other control keeps its size and its
// place relative to the chart area's edge it lies beyond.
void CCurvesmithView::LayOutForm() {
  if (chart_only_) {
    const double scale =
        std::max(kMinChartScale, std::min(static_cast<double>(width()) / chart_rect_.width(),
                                          static_cast<double>(height()) / chart_rect_.height()));
    chart_area_->SetChartScale(scale);
    chart_area_->move((width() - chart_area_->width()) / 2, (height() - chart_area_->height()) / 2);
    form_rect_ = chart_area_->geometry();
    update();
    return;
  }
  double scale = FittingScale(size());
  if (!fill_) scale = std::min(scale, 1.0);
  scale = std::max(scale, kMinChartScale);
  const QSize form = FormSizeAt(scale);
  const QPoint origin = fill_ ? QPoint(std::max(0, (width() - form.width()) / 2),
                                       std::max(0, (height() - form.height()) / 2))
                              : QPoint(0, 0);
  form_rect_ = QRect(origin, form);
  const int edge = static_cast<int>(edges_.size());
  const QPoint inside = origin + QPoint(edge, edge);
  chart_area_->SetChartScale(scale);
  chart_area_->move(inside + chart_rect_.topLeft());
  const QSize grown = form - FormSize();
  for (const auto& [widget, rect] : controls_) {
    const QPoint shift(rect.left() > chart_rect_.right() ? grown.width() : 0,
                       rect.top() > chart_rect_.bottom() ? grown.height() : 0);
    widget->setGeometry(rect.translated(inside + shift));
  }
  update();
}

const FormField* CCurvesmithView::DoDataExchange(bool save_and_validate) {
  for (const FormField& field : FieldsInExchangeOrder()) {
    QLineEdit* edit = fields_.at(field.control_id);
    if (!save_and_validate) {
      // A field that already shows its value keeps its cursor and selection.
      const QString text = QString::fromStdString(FormatNumber(values_.*field.member));
      if (edit->text() != text) edit->setText(text);
      continue;
    }
    const auto value = ParseNumber(edit->text().toStdString());
    if (!value) return &field;
    values_.*field.member = *value;
  }
  return nullptr;
}

bool CCurvesmithView::UpdateData(bool save_and_validate) {
  return Exchange(save_and_validate) == nullptr;
}

const FormField* CCurvesmithView::Exchange(bool save_and_validate) {
  loading_fields_ = !save_and_validate;
  const FormField* failed = DoDataExchange(save_and_validate);
  loading_fields_ = false;
  const QString problem = failed ? NeedsNumberText(*failed) : QString();
  MarkField(failed, problem);
  SetStatusText(problem);
  return failed;
}

void CCurvesmithView::MarkField(const FormField* field, const QString& problem) {
  for (const auto& [id, edit] : fields_) {
    const bool marked = field != nullptr && field->control_id == id;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, marked ? QColor::fromRgb(kMarkedFieldColor)
                                            : this->palette().color(QPalette::Base));
    edit->setPalette(palette);
    edit->setToolTip(marked ? problem : QString());
  }
}

void CCurvesmithView::SetStatusText(const QString& text) {
  if (text == status_text_) return;
  status_text_ = text;
  emit StatusTextChanged(status_text_);
}

void CCurvesmithView::OnInitialUpdate() {
  values_ = document_.Parameters();
  UpdateData(false);
  // As a dialog does, the form gives the keyboard to its first field, with
  // its text selected so that typing replaces it.
  first_field_->setFocus();
  first_field_->selectAll();
  Invalidate();
}

// Every edit is mirrored into the document at once, value by value and only
// where it differs, in the document's order.
void CCurvesmithView::OnChange() {
  if (loading_fields_) return;
  UpdateData(true);
  ParameterSet& document_values = document_.Parameters();
  for (const FormField& field : FieldsInDocumentOrder()) {
    if (document_values.*field.member != values_.*field.member) {
      document_values.*field.member = values_.*field.member;
    }
  }
}

void CCurvesmithView::OnRun() {
  RunWith(std::nullopt);
}

void CCurvesmithView::OnRunWithSeed(std::uint32_t seed) {
  RunWith(seed);
}

void CCurvesmithView::OnRunSameSeed() {
  if (last_seed_) RunWith(*last_seed_);
}

// A run with `seed`, or with the seed source's when none is given. A field
// that holds no number would leave an older value in force unseen, so Run
// refuses it as it refuses a value outside the data model; either way the
// fields keep their texts as typed.
void CCurvesmithView::RunWith(std::optional<std::uint32_t> seed) {
  if (const FormField* unreadable = Exchange(true)) {
    RefuseRun(*unreadable, NeedsNumberText(*unreadable));
    return;
  }
  if (const auto outside = FindValueOutsideModel(values_)) {
    RefuseRun(FormFieldOf(*outside), RunRefusalMessage(*outside, values_));
    return;
  }
  // A replay in progress reads the state the run is about to replace.
  chart_area_->AbandonPaint();
  last_seed_ = seed ? *seed : seed_source_();
  RunEvolution(state_, values_, *last_seed_);
  Invalidate();
  state_.ReplayPending = 1;
  player_->TakeNewRun();
  emit RunStarted(*last_seed_);
}

void CCurvesmithView::RefuseRun(const FormField& field, const QString& message) {
  MarkField(&field, message);
  fields_.at(field.control_id)->setFocus();
  emit RunRefused(message);
}

void CCurvesmithView::Invalidate() {
  paint_pending_ = true;
  if (paint_posted_) return;
  paint_posted_ = true;
  QMetaObject::invokeMethod(this, &CCurvesmithView::PaintIfPending, Qt::QueuedConnection);
}

// A hidden view keeps its paint pending until it is shown.
void CCurvesmithView::PaintIfPending() {
  paint_posted_ = false;
  if (!paint_pending_ || !isVisible()) return;
  paint_pending_ = false;
  OnDraw();
}

// The paint of the view: the fields are rewritten from the members, then the
// chart is drawn afresh (and a pending replay begins).
void CCurvesmithView::OnDraw() {
  UpdateData(false);
  chart_area_->PaintChart(state_);
}

void CCurvesmithView::paintEvent(QPaintEvent*) {
  if (chart_only_) return;
  QPainter painter(this);
  DrawEdgeRings(painter, form_rect_, edges_, 1);
}

void CCurvesmithView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutForm();
}

// Showing the window again (after it was minimised, say) is an ordinary
// expose: the chart area shows its image as it stands.
void CCurvesmithView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (paint_pending_ || chart_area_->Image().isNull()) Invalidate();
}

}  // namespace curvesmith
