#include "chart/chart_resources.h"

#include <string_view>

#include "chart/chart_colours.h"

namespace curvesmith::chart {
namespace {

enum class Kind { kFont, kBrush, kPen };

struct ResourceRecipe {
  std::string_view name;
  Kind kind;
  PenStyle style;
  int width;
  ColorRef color;
};

constexpr int kSwissFamily = 0x20;

const FontRequest kChartFontRequest{.height = 45,
                                    .width = 15,
                                    .escapement = 0,
                                    .orientation = 0,
                                    .weight = 700,
                                    .italic = 0,
                                    .underline = 0,
                                    .strike_out = 0,
                                    .char_set = kShiftJisCharset,
                                    .out_precision = 0,
                                    .clip_precision = 0,
                                    .quality = 0,
                                    .pitch_and_family = kSwissFamily,
                                    .face_name = "Times New Roman"};

// Indexed by ChartResource.
constexpr ResourceRecipe kRecipes[kChartResourceCount] = {
    {"ChartFont", Kind::kFont, PenStyle::kSolid, 0, 0},
    {"WhiteBrush", Kind::kBrush, PenStyle::kSolid, 0, kChartWhite},
    {"RedBrush", Kind::kBrush, PenStyle::kSolid, 0, kMarkerRed},
    {"FramePen", Kind::kPen, PenStyle::kSolid, 1, kChartBlack},
    {"GridPen", Kind::kPen, PenStyle::kDot, 1, kGridNavy},
    {"BluePen", Kind::kPen, PenStyle::kDot, 3, kCurveBlue},
    {"WhitePen", Kind::kPen, PenStyle::kDot, 3, kChartWhite},
    {"GreenPen", Kind::kPen, PenStyle::kDot, 3, kBestMarkerGreen},
};

constexpr ChartResource kBrushesAndPens[] = {
    ChartResource::WhiteBrush, ChartResource::RedBrush, ChartResource::FramePen,
    ChartResource::GridPen,    ChartResource::BluePen,  ChartResource::WhitePen,
    ChartResource::GreenPen,
};

int IndexOf(ChartResource resource) {
  return static_cast<int>(resource);
}

}  // namespace

void ChartResources::CreateFont() {
  Create(ChartResource::ChartFont);
}

void ChartResources::CreateBrushesAndPens() {
  for (ChartResource resource : kBrushesAndPens) Create(resource);
}

void ChartResources::Create(ChartResource resource) {
  const ResourceRecipe& recipe = kRecipes[IndexOf(resource)];
  std::optional<ObjectHandle>& object = objects_[IndexOf(resource)];
  switch (recipe.kind) {
    case Kind::kFont:
      object = surface_.CreateFont(recipe.name, kChartFontRequest);
      break;
    case Kind::kBrush:
      object = surface_.CreateSolidBrush(recipe.name, recipe.color);
      break;
    case Kind::kPen:
      object = surface_.CreatePen(recipe.name, recipe.style, recipe.width, recipe.color);
      break;
  }
  if (object) created_.push_back(resource);
}

void ChartResources::Free() {
  while (!created_.empty()) {
    std::optional<ObjectHandle>& object = objects_[IndexOf(created_.back())];
    surface_.DeleteObject(*object);
    object.reset();
    created_.pop_back();
  }
}

void ChartResources::Select(ChartResource resource) const {
  if (const auto& object = objects_[IndexOf(resource)]) surface_.SelectObject(*object);
}

bool ChartResources::Has(ChartResource resource) const {
  return objects_[IndexOf(resource)].has_value();
}

}  // namespace curvesmith::chart
