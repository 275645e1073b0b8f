#ifndef CURVESMITH_APP_REPLAY_SEEK_CONTROLS_H_
#define CURVESMITH_APP_REPLAY_SEEK_CONTROLS_H_

#include <QWidget>

class QLabel;
class QSlider;

namespace curvesmith {

class ReplayPlayer;

// The replay tool bar's slider over generations 0 .. the run's last, with a
// "G / N" label beside it. Moving the slider seeks the player; the player's
// position moves the slider. Disabled while there is no run.
class ReplaySeekControls : public QWidget {
  Q_OBJECT

 public:
  explicit ReplaySeekControls(ReplayPlayer& player, QWidget* parent = nullptr);

  QSlider* Slider() const { return slider_; }
  QLabel* Label() const { return label_; }

 private:
  void TakeRun();
  void ShowPosition(int generation);

  ReplayPlayer& player_;
  QSlider* slider_ = nullptr;
  QLabel* label_ = nullptr;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_SEEK_CONTROLS_H_
