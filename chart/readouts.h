#ifndef CURVESMITH_CHART_READOUTS_H_
#define CURVESMITH_CHART_READOUTS_H_

#include <array>
#include <string>

#include "chart/surface.h"
#include "engine/run_state.h"

namespace curvesmith::chart {

// The three figures a replay frame shows for a generation, in drawing order:
// the generation number ("%d"), the best position and the best fitness
// ("%f", six decimals).
enum class ReadoutSlot { kGeneration, kPosition, kFitness };
inline constexpr int kReadoutSlotCount = 3;

using Readouts = std::array<std::string, kReadoutSlotCount>;

// The readouts of `generation`. REQUIRES: 0 <= generation < kByGenerationEntries.
Readouts FormatReadouts(const RunState& state, int generation);

// Draws one readout at its place (top-left corner, inside the captions'
// gaps) in the surface's current font and text colour.
void DrawReadout(Surface& surface, ReadoutSlot slot, const std::string& text);

// Draws the three readouts in their order.
void DrawReadouts(Surface& surface, const Readouts& readouts);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_READOUTS_H_
