#ifndef CURVESMITH_CHART_CHART_TEXTS_H_
#define CURVESMITH_CHART_CHART_TEXTS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace curvesmith::chart {

// A text and the logical point of its top-left corner.
struct PlacedText {
  int x;
  int y;
  std::string_view text;
};

// Axis letters and tick labels, in drawing order: "X", "Y", the fitness
// labels 0 to 160 (10 units above their lines), the x labels 0 to 20 (10 units
// below the x axis). Drawn in the surface's default font.
std::span<const PlacedText> AxisLabels();

struct FitnessAxis;

// A text of its own and the logical point of its top-left corner.
struct OwnedPlacedText {
  int x;
  int y;
  std::string text;
};

// AxisLabels with the tick labels of `axis` (see TickLabels) in place of 0
// to 160, each on its grid line's height and ending where "160" ends.
std::vector<OwnedPlacedText> AxisLabelsFor(const FitnessAxis& axis);

// The captions of the readouts in the interface's language, in drawing
// order, drawn in ChartFont. The bracket text holds 14 and 17 blanks so that
// the replay's readouts fall between its brackets.
std::span<const PlacedText> Captions();

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_TEXTS_H_
