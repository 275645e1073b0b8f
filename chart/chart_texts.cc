#include "chart/chart_texts.h"

#include <array>

#include "chart/fitness_axis.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith::chart {
namespace {

constexpr PlacedText kAxisLabels[] = {
    {985, 950, "X"},   {400, 490, "Y"},   {460, 890, "0"},   {460, 790, "20"},  {460, 690, "40"},
    {460, 590, "60"},  {460, 490, "80"},  {450, 390, "100"}, {450, 290, "120"}, {450, 190, "140"},
    {450, 90, "160"},  {495, 910, "0"},   {595, 910, "2"},   {695, 910, "4"},   {795, 910, "6"},
    {895, 910, "8"},   {990, 910, "10"},  {1090, 910, "12"}, {1190, 910, "14"}, {1290, 910, "16"},
    {1390, 910, "18"}, {1490, 910, "20"},
};

// The fitness labels' place among the axis labels, and how far a character
// of the default font reaches, in logical units, for aligning other labels
// on the right.
constexpr std::size_t kFirstFitnessLabel = 2;
constexpr int kFitnessLabelsEnd = 486;
constexpr int kLabelCharacterWidth = 12;

// The brackets around the best point's coordinates are layout, the same in
// every language.
constexpr std::string_view kBrackets = "(              ,                 )";

}  // namespace

std::span<const PlacedText> AxisLabels() {
  return kAxisLabels;
}

std::vector<OwnedPlacedText> AxisLabelsFor(const FitnessAxis& axis) {
  std::vector<OwnedPlacedText> labels;
  for (const PlacedText& label : kAxisLabels) {
    labels.push_back({label.x, label.y, std::string(label.text)});
  }
  const std::vector<std::string> ticks = TickLabels(axis);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    OwnedPlacedText& label = labels[kFirstFitnessLabel + i];
    label.text = ticks[i];
    label.x = kFitnessLabelsEnd - kLabelCharacterWidth * static_cast<int>(ticks[i].size());
  }
  return labels;
}

std::span<const PlacedText> Captions() {
  using LanguageCaptions = std::array<PlacedText, 3>;
  static const auto kCaptions = [] {
    std::array<LanguageCaptions, res::kLanguageCount> captions;
    for (const res::Language language : res::Languages()) {
      captions[static_cast<std::size_t>(language)] = {{
          {900, 50, res::LoadString(res::kIdsChartGenerationCaption, language)},
          {800, 150, res::LoadString(res::kIdsChartBestPointCaption, language)},
          {1000, 150, kBrackets},
      }};
    }
    return captions;
  }();
  return kCaptions[static_cast<std::size_t>(res::InterfaceLanguage())];
}

}  // namespace curvesmith::chart
