#ifndef CURVESMITH_CHART_CHART_COLOURS_H_
#define CURVESMITH_CHART_CHART_COLOURS_H_

#include "chart/surface.h"

namespace curvesmith::chart {

// Every colour the chart is drawn in, once, laid out as the surface takes
// them (ColorRef, 0x00BBGGRR).
inline constexpr ColorRef kChartWhite = 0xFFFFFF;
inline constexpr ColorRef kChartBlack = 0x000000;
inline constexpr ColorRef kGridNavy = 0x800000;
inline constexpr ColorRef kCurveBlue = 0xFF0000;
inline constexpr ColorRef kMarkerRed = 0x0000FF;
inline constexpr ColorRef kBestMarkerGreen = 0x00FF00;
inline constexpr ColorRef kFrameReadoutLightRed = 0x8080FF;
inline constexpr ColorRef kFinalReadoutLightMagenta = 0xFF80FF;

// All of them, for pictures that keep each exactly (the GIF's palette).
inline constexpr ColorRef kChartColours[] = {kChartWhite,
                                             kChartBlack,
                                             kGridNavy,
                                             kCurveBlue,
                                             kMarkerRed,
                                             kBestMarkerGreen,
                                             kFrameReadoutLightRed,
                                             kFinalReadoutLightMagenta};

// The red, green and blue parts of a colour.
constexpr int RedOf(ColorRef colour) {
  return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(ColorRef colour) {
  return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef colour) {
  return static_cast<int>((colour >> 16) & 0xFF);
}

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_COLOURS_H_
