#include "chart/readouts.h"

#include <algorithm>
#include <cstdio>

namespace curvesmith::chart {
namespace {

struct Point {
  int x;
  int y;
};

// Top-left corners of the readouts, indexed by ReadoutSlot.
constexpr Point kReadoutCorners[kReadoutSlotCount] = {{1120, 50}, {1020, 150}, {1200, 150}};

// printf-style formatting of one readout, as long as the value needs.
template <typename Value>
std::string Format(const char* format, Value value) {
  const int length = std::snprintf(nullptr, 0, format, value);
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, value);
  return text;
}

}  // namespace

Readouts FormatReadouts(const RunState& state, int generation) {
  return {Format("%d", generation), Format("%f", state.BestPositionByGeneration[generation]),
          Format("%f", state.BestFitnessByGeneration[generation])};
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
