#include "chart/readouts.h"

#include <string>

#include "engine/number_text.h"

namespace curvesmith::chart {
namespace {

struct Point {
  int x;
  int y;
};

// Top-left corners of the readouts, indexed by ReadoutSlot.
constexpr Point kReadoutCorners[kReadoutSlotCount] = {{1120, 50}, {1020, 150}, {1200, 150}};

}  // namespace

Readouts FormatReadouts(const RunState& state, int generation) {
  return {std::to_string(generation), FixedText(state.BestPositionByGeneration[generation]),
          FixedText(state.BestFitnessByGeneration[generation])};
}

void DrawReadout(Surface& surface, ReadoutSlot slot, const std::string& text) {
  const Point corner = kReadoutCorners[static_cast<int>(slot)];
  surface.TextOut(corner.x, corner.y, text);
}

void DrawReadouts(Surface& surface, const Readouts& readouts) {
  for (int slot = 0; slot < kReadoutSlotCount; ++slot) {
    DrawReadout(surface, static_cast<ReadoutSlot>(slot), readouts[slot]);
  }
}

}  // namespace curvesmith::chart
