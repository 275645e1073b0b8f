#include "chart/replay_erasures.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>

#include "chart/fitted_curve.h"
#include "engine/run_extent.h"

namespace curvesmith::chart {
namespace {

// The distinct boxes seen so far: open addressing with linear probing. A run
// has about a thousand distinct boxes among up to a million markers, so the
// table stays small and almost every look-up finds its box at once.
class BoxSet {
 public:
  // Adds `box`; false when it was there already.
  bool Insert(const MarkerBoxEdges& box) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    std::size_t slot = SlotOf(box);
    while (slots_[slot]) {
      if (*slots_[slot] == box) return false;
      slot = (slot + 1) & (slots_.size() - 1);
    }
    slots_[slot] = box;
    ++count_;
    return true;
  }

 private:
  std::size_t SlotOf(const MarkerBoxEdges& box) const {
    const auto word = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    std::uint64_t hash = word(box.left);
    for (const std::int32_t edge : {box.top, box.right, box.bottom}) {
      hash = hash * 0x9E3779B97F4A7C15u ^ word(edge);
    }
    return static_cast<std::size_t>(hash ^ (hash >> 32)) & (slots_.size() - 1);
  }

  void Grow() {
    std::vector<std::optional<MarkerBoxEdges>> old = std::move(slots_);
    slots_.assign(std::max<std::size_t>(2 * old.size(), kInitialSlots), std::nullopt);
    count_ = 0;
    for (const auto& box : old) {
      if (box) Insert(*box);
    }
  }

  static constexpr std::size_t kInitialSlots = 2048;
  std::vector<std::optional<MarkerBoxEdges>> slots_;
  std::size_t count_ = 0;
};

}  // namespace

ReplayErasures::ReplayErasures(const RunState& state, const FittedCurve* fitted) {
  const auto [last, population] = RunExtentOf(state);
  const FitnessAxis axis = ChartAxis(state, fitted);
  BoxSet seen_boxes;
  std::set<std::pair<ReadoutSlot, std::string>> seen_readouts;
  const auto add_box = [&](double x, double f) {
    const MarkerBoxEdges box = MarkerBox(x, axis.FrameFitness(f));
    if (seen_boxes.Insert(box)) boxes_.push_back(box);
  };

  box_counts_.reserve(static_cast<std::size_t>(last) + 1);
  readout_counts_.reserve(static_cast<std::size_t>(last) + 1);
  for (int g = 0; g < last; ++g) {
    box_counts_.push_back(boxes_.size());
    readout_counts_.push_back(readouts_.size());
    for (int j = 0; j < population; ++j) {
      add_box(state.PositionHistory[g][j], state.FitnessHistory[g][j]);
    }
    add_box(state.BestPositionByGeneration[g], state.BestFitnessByGeneration[g]);
    const Readouts texts = FormatReadouts(state, g);
    for (int slot = 0; slot < kReadoutSlotCount; ++slot) {
      Readout readout{static_cast<ReadoutSlot>(slot), texts[slot]};
      if (seen_readouts.emplace(readout.slot, readout.text).second) {
        readouts_.push_back(std::move(readout));
      }
    }
  }
  box_counts_.push_back(boxes_.size());
  readout_counts_.push_back(readouts_.size());
}

std::span<const MarkerBoxEdges> ReplayErasures::BoxesErasedBefore(int generation) const {
  return std::span(boxes_).first(box_counts_.at(static_cast<std::size_t>(generation)));
}

std::span<const ReplayErasures::Readout> ReplayErasures::ReadoutsErasedBefore(
    int generation) const {
  return std::span(readouts_).first(readout_counts_.at(static_cast<std::size_t>(generation)));
}

}  // namespace curvesmith::chart
