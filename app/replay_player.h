#ifndef CURVESMITH_APP_REPLAY_PLAYER_H_
#define CURVESMITH_APP_REPLAY_PLAYER_H_

#include <QObject>
#include <memory>

#include "app/replay_speed.h"
#include "engine/run_state.h"

namespace curvesmith {

namespace chart {
class ReplayErasures;
}  // namespace chart

class ChartAreaWidget;

// Drives the replay of the last run on the chart area like a video: pause
// and resume, step, seek to any generation, speed. Every picture it shows is
// one that the uninterrupted replay shows: generation G is the picture of
// G's frame during its first pause (markers and light-red readouts over what
// earlier frames left), and the last generation is the final frame.
//
// Positions are generations 0 .. LastGeneration(). Playing goes through them
// as the replay does; seeking shows the generation's picture at once (see
// chart::ReplayErasures) and keeps the player playing or paused as it was;
// pausing keeps the picture on the chart, and resuming goes on from it, or
// from generation 0 when it is the final frame, as a media player starts
// again at the end. A new run (TakeNewRun) plays from its start.
class ReplayPlayer : public QObject {
  Q_OBJECT

 public:
  // REQUIRES: `state` and `chart_area` outlive the player.
  ReplayPlayer(RunState& state, ChartAreaWidget& chart_area, QObject* parent = nullptr);
  ~ReplayPlayer() override;

  // A finished run is there to replay.
  bool HasRun() const { return has_run_; }
  // The run's Generation: the final frame's generation.
  int LastGeneration() const { return last_generation_; }
  // The generation whose picture is shown, 0 .. LastGeneration().
  int Position() const { return position_; }
  bool IsPaused() const { return paused_; }
  // Playing: a run, not paused, and not yet at its final frame.
  bool IsPlaying() const { return has_run_ && !paused_ && position_ < last_generation_; }
  ReplaySpeed Speed() const { return speed_; }

  // Shows the picture of `generation` (held to 0 .. LastGeneration()).
  // Nothing happens without a run.
  void Seek(int generation);
  void SetPaused(bool paused);
  // Pauses while playing; otherwise plays on, from generation 0 at the
  // final frame. Nothing happens without a run.
  void PlayOrPause();
  // One generation back or forward; nothing at the first generation or the
  // final frame.
  void StepBack();
  void StepForward();
  void SeekFirst();
  void SeekLast();
  void SetSpeed(ReplaySpeed speed);

  // The run in the state has just been replaced by a new one, whose replay
  // the view is about to paint from its start.
  void TakeNewRun();

 signals:
  // The shown generation has changed: while playing, step by step, and on
  // every seek that moves.
  void PositionChanged(int generation);
  // A new run started; its replay begins at generation 0.
  void RunReplaced();
  void PausedChanged(bool paused);
  // IsPlaying() has changed.
  void PlayingChanged(bool playing);
  void SpeedChanged(ReplaySpeed speed);

 private:
  void OnGenerationShown(int generation);
  // Sends PlayingChanged when IsPlaying() differs from what was last sent.
  void UpdatePlaying();

  RunState& state_;
  ChartAreaWidget& chart_area_;
  // What earlier frames erase, listed at the first seek of each run.
  std::unique_ptr<chart::ReplayErasures> erasures_;
  bool has_run_ = false;
  int last_generation_ = 0;
  int position_ = 0;
  bool paused_ = false;
  ReplaySpeed speed_ = ReplaySpeed::kNormal;
  bool playing_ = false;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REPLAY_PLAYER_H_
