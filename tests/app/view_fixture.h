#ifndef CURVESMITH_TESTS_APP_VIEW_FIXTURE_H_
#define CURVESMITH_TESTS_APP_VIEW_FIXTURE_H_

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "app/chart_area_widget.h"
#include "app/curvesmith_doc.h"
#include "app/curvesmith_view.h"
#include "engine/run_state.h"
#include "tests/app/manual_replay_clock.h"

namespace curvesmith {

// Colours the chart draws in, as they land in the image.
inline constexpr QRgb kMarkerRed = 0xFFFF0000;
inline constexpr QRgb kCurveBlue = 0xFF0000FF;
inline constexpr QRgb kFinalReadoutMagenta = 0xFFFF80FF;
inline constexpr QRgb kFrameReadoutLightRed = 0xFFFF8080;

inline int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) count += line[x] == colour ? 1 : 0;
  }
  return count;
}

// Runs what the event loop has queued: the view's paints among it.
inline void ProcessPostedEvents() {
  QCoreApplication::processEvents();
}

// Points the settings (the recent-file list the main window keeps) at a
// temporary folder for as long as it lives, so tests leave the user's own
// settings alone.
class TemporarySettings {
 public:
  TemporarySettings() {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(format, QSettings::UserScope, directory_.path());
    }
  }

 private:
  QTemporaryDir directory_;
};

// A document, its own zeroed run state and a shown view whose replay clock
// only moves when the test says so and whose runs all take the same seed.
struct ViewFixture {
  ViewFixture()
      : state(std::make_unique<RunState>()),
        view(std::make_unique<CCurvesmithView>(document, *state)) {
    view->ChartArea()->SetReplayClock(std::make_unique<ManualReplayClock>(clock));
    view->SetSeedSource([] { return 12345u; });
    view->OnInitialUpdate();
    view->show();
    ProcessPostedEvents();
  }

  // Replaces the text of a field as a person typing would.
  void Type(int control_id, const QString& text) {
    QLineEdit* field = view->Field(control_id);
    field->selectAll();
    field->insert(text);
  }

  void Run() {
    view->OnRun();
    ProcessPostedEvents();
  }

  const QImage& Chart() const { return view->ChartArea()->Image(); }

  CCurvesmithDoc document;
  std::unique_ptr<RunState> state;
  ManualReplayClock::Log clock;
  std::unique_ptr<CCurvesmithView> view;
};

}  // namespace curvesmith

#endif  // CURVESMITH_TESTS_APP_VIEW_FIXTURE_H_
