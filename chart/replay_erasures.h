#ifndef CURVESMITH_CHART_REPLAY_ERASURES_H_
#define CURVESMITH_CHART_REPLAY_ERASURES_H_

#include <span>
#include <string>
#include <vector>

#include "chart/marker_box.h"
#include "chart/readouts.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

struct FittedCurve;

// What the replay frames of a run paint over in white, each thing once: the
// distinct marker boxes (population and best markers) and the distinct
// readouts (text at its place), in the order of the generation that first
// erases them.
//
// Why this is enough to draw the picture of any generation G at once: every
// operation of the replay paints whole pixels in one opaque colour, and each
// frame g < G ends with everything it drew in colour painted over in white
// (the white markers cover the red discs with their black or green outlines,
// the white readouts the light-red ones), the frame, grid and trace drawn
// again in between. So after the frames before G, a pixel of the frame, grid
// or trace is white when the last erased readouts (of G - 1) cover it and has
// its chart colour otherwise; any other pixel is white when some erasure
// before G covered it, and is as the paint left it otherwise (the tick labels
// and captions are never drawn again). White over white commutes, so each
// erasure is needed once, in any order, as long as the frame, grid and trace
// and then the readouts of G - 1 come after them all.
//
// At most 1024 positions can be drawn for one curve, so there are at most
// that many boxes, however long the run; the readouts add one generation
// number per frame and a new text each time the best point improves.
class ReplayErasures {
 public:
  struct Readout {
    ReadoutSlot slot;
    std::string text;
  };

  // Reads the run as the replay does (see ReplayAnimation), its markers on
  // the `fitted` curve's axis when there is one. REQUIRES: `state` holds a
  // finished run; the object describes that run only.
  explicit ReplayErasures(const RunState& state, const FittedCurve* fitted = nullptr);

  // The marker boxes and readouts that the frames of generations 0 to
  // `generation` - 1 erase. REQUIRES: 0 <= generation <= LastGeneration().
  std::span<const MarkerBoxEdges> BoxesErasedBefore(int generation) const;
  std::span<const Readout> ReadoutsErasedBefore(int generation) const;

  // The generation of the run's FinalFrame: frames 0 to it - 1 erase.
  int LastGeneration() const { return static_cast<int>(box_counts_.size()) - 1; }

 private:
  std::vector<MarkerBoxEdges> boxes_;
  std::vector<Readout> readouts_;
  // Entry g: how many boxes (readouts) the frames before generation g erase.
  std::vector<std::size_t> box_counts_;
  std::vector<std::size_t> readout_counts_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_REPLAY_ERASURES_H_
