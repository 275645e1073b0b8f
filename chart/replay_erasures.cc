#include "chart/replay_erasures.h"

#include <cstdint>
#include <set>
#include <unordered_set>
#include <utility>

#include "chart/replay_extent.h"

namespace curvesmith::chart {
namespace {

struct BoxHash {
  std::size_t operator()(const MarkerBoxEdges& box) const {
    const auto mix = [](std::uint64_t a, std::uint64_t b) { return a * 0x9E3779B97F4A7C15u ^ b; };
    const auto word = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    return static_cast<std::size_t>(
        mix(mix(mix(word(box.left), word(box.top)), word(box.right)), word(box.bottom)));
  }
};

}  // namespace

ReplayErasures::ReplayErasures(const RunState& state) {
  const int last = ReplayLastGeneration(state);
  const int population = ReplayPopulation(state);
  std::unordered_set<MarkerBoxEdges, BoxHash> seen_boxes;
  std::set<std::pair<ReadoutSlot, std::string>> seen_readouts;
  const auto add_box = [&](double x, double f) {
    const MarkerBoxEdges box = MarkerBox(x, f);
    if (seen_boxes.insert(box).second) boxes_.push_back(box);
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
