#ifndef CURVESMITH_APP_CURVESMITH_VIEW_H_
#define CURVESMITH_APP_CURVESMITH_VIEW_H_

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "app/curvesmith_doc.h"
#include "app/form_fields.h"
#include "engine/parameter_set.h"
#include "engine/run_state.h"
#include "res/qt/window_edges.h"

class QLineEdit;
class QPushButton;

namespace curvesmith {

class ChartAreaWidget;
class ReplayPlayer;

// The parameter form (dialog template 101): five parameter fields, the small
// auxiliary field, Run and the chart area. It keeps its own copy of the six
// values, mirrors every accepted edit into the document, starts a run on Run
// and hands its paints to the chart area.
//
// A field whose text is not a number is marked, and StatusTextChanged says
// which field needs a number; the value is not taken. Run while a field holds
// no number, or with a value outside the data model, starts nothing:
// RunRefused names the field (and the range), and every text stays as typed.
//
// The form is laid out at a chart scale: the chart area at its template size
// times the scale, the controls below it moved down and those to its right
// moved right by what it grew, so that the form keeps its arrangement. It
// takes the template's size (scale 1, at the top-left) where the view has
// room, and a smaller scale where it has not, so that the form always shows
// whole; with the chart filling the view, the largest scale that fits,
// centred. Chart only (full screen) shows the chart alone, filling the view.
class CCurvesmithView : public QWidget {
  Q_OBJECT

 public:
  // REQUIRES: `document` and `state` outlive the view.
  CCurvesmithView(CCurvesmithDoc& document, RunState& state, QWidget* parent = nullptr);
  ~CCurvesmithView() override;

  // Where a run's seed comes from; the clock's seconds unless replaced.
  void SetSeedSource(std::function<std::uint32_t()> seed_source);

  ChartAreaWidget* ChartArea() const { return chart_area_; }
  // The player of the last run's replay on the chart area.
  ReplayPlayer& Player() const { return *player_; }
  QLineEdit* Field(int control_id) const;
  QPushButton* RunButton() const { return run_button_; }
  const ParameterSet& Values() const { return values_; }

  // The form's values, exchanged with the fields in the order of
  // FieldsInExchangeOrder(). Loading (false) shows each value in its shortest
  // text form. Saving (true) reads the fields in turn and stops at the first
  // that is not a number: that field is marked, and its member and the later
  // ones keep their values. Returns false when it stopped.
  bool UpdateData(bool save_and_validate);

  // Takes the document's values and shows them (start-up, File > New, File >
  // Open), and paints the view afresh.
  void OnInitialUpdate();

  // Run: a whole run with the values as they stand, then a paint of the view,
  // which replays it. The seed comes from the seed source.
  void OnRun();
  // Run with the given seed: the same seed and values give the same run.
  void OnRunWithSeed(std::uint32_t seed);
  // Run again with the values as they stand and the last run's seed; nothing
  // before the first run.
  void OnRunSameSeed();

  // The seed of the last run started from the form.
  std::optional<std::uint32_t> LastSeed() const { return last_seed_; }

  // Whether the chart grows with the room the view has (the form shows whole
  // at any rate).
  void SetChartFillsView(bool fill);
  bool ChartFillsView() const { return fill_; }
  // Whether the view shows the chart alone, as large as the view allows.
  void SetChartOnly(bool chart_only);
  bool ChartOnly() const { return chart_only_; }
  // The form's size at the template's size, edges included.
  QSize FormSize() const { return FormSizeAt(1.0); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Asks for a paint of the view once control returns to the event loop; any
  // number of requests before it come to one paint.
  void Invalidate();

  // The status-bar text the form wants shown; empty when it has nothing to
  // say.
  const QString& StatusText() const { return status_text_; }

 signals:
  void StatusTextChanged(const QString& text);
  void RunRefused(const QString& message);
  // A run from the form has been computed with `seed`.
  void RunStarted(std::uint32_t seed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The smallest chart scale the form is laid out at.
  static constexpr double kMinChartScale = 0.4;

  void CreateControls();
  // The form's size with the chart at `scale`, edges included.
  QSize FormSizeAt(double scale) const;
  // The largest chart scale at which the form fits `room`.
  double FittingScale(QSize room) const;
  void LayOutForm();
  const FormField* DoDataExchange(bool save_and_validate);
  // UpdateData(), giving the field it stopped at (nullptr when none).
  const FormField* Exchange(bool save_and_validate);
  void OnChange();
  void RunWith(std::optional<std::uint32_t> seed);
  // Marks `field` with `message`, gives it the keyboard and says why Run
  // starts nothing.
  void RefuseRun(const FormField& field, const QString& message);
  void OnDraw();
  void PaintIfPending();
  // Marks `field` (none: nullptr) and gives it `problem` as its tool-tip.
  void MarkField(const FormField* field, const QString& problem);
  void SetStatusText(const QString& text);

  CCurvesmithDoc& document_;
  RunState& state_;
  std::function<std::uint32_t()> seed_source_;
  std::optional<std::uint32_t> last_seed_;

  ChartAreaWidget* chart_area_ = nullptr;
  ReplayPlayer* player_ = nullptr;
  QPushButton* run_button_ = nullptr;
  std::map<int, QLineEdit*> fields_;
  QLineEdit* first_field_ = nullptr;  // first in the tab order
  std::vector<EdgeRing> edges_;
  ParameterSet values_;

  // Every control but the chart area, with its place at the template's size
  // inside the edges; the chart area's place; the template's size inside the
  // edges; the right end of the controls below the chart, which the controls
  // to its right never come closer to.
  std::vector<std::pair<QWidget*, QRect>> controls_;
  QRect chart_rect_;
  QSize template_size_;
  int row_right_ = 0;
  // Where the form stands in the view, edges included.
  QRect form_rect_;
  bool fill_ = false;
  bool chart_only_ = false;

  bool loading_fields_ = false;
  bool paint_pending_ = false;
  bool paint_posted_ = false;
  QString status_text_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_CURVESMITH_VIEW_H_
