#include <gtest/gtest.h>

#include <set>

#include "res/about_box_template.h"
#include "res/parameter_form_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith::res {
namespace {

TEST(ParameterFormTemplateTest, SizeAndFont) {
  const DialogTemplate& form = ParameterFormTemplate();
  EXPECT_EQ(form.id, kIddParameterForm);
  EXPECT_EQ(form.width, 788);
  EXPECT_EQ(form.height, 456);
  EXPECT_EQ(form.font_points, 9);
  EXPECT_STREQ(form.font_family, "ＭＳ Ｐゴシック");
  EXPECT_TRUE(form.styles & kDialogChild);
}

TEST(ParameterFormTemplateTest, TemplateOrderIsTheTabOrder) {
  const int expected[] = {kIdcGenerations,    kIdcCrossoverRate, kIdcAuxParameter, kIdcStatic,
                          kIdcStatic,         kIdcStatic,        kIdcRun,          kIdcChartArea,
                          kIdcPopulationSize, kIdcStatic,        kIdcMutationRate, kIdcTargetCurve,
                          kIdcStatic};
  const std::span<const DialogControl> controls = ParameterFormTemplate().controls;
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(controls[i].id, expected[i]) << "control " << i + 1;
  }
}

TEST(ParameterFormTemplateTest, AddressedControlIdsAreUnique) {
  std::set<int> ids;
  for (const DialogControl& control : ParameterFormTemplate().controls) {
    if (control.id == kIdcStatic) continue;
    EXPECT_TRUE(ids.insert(control.id).second) << control.id;
  }
  EXPECT_EQ(ids.size(), 8u);
}

TEST(ParameterFormTemplateTest, TabStopsAreTheFieldsAndRunButNotTheChart) {
  for (const DialogControl& control : ParameterFormTemplate().controls) {
    const bool field = control.kind == ControlKind::kEdit && control.id != kIdcChartArea;
    const bool expected = field || control.id == kIdcRun;
    EXPECT_EQ((control.styles & kStyleTabStop) != 0, expected) << "control " << control.id;
  }
}

TEST(ParameterFormTemplateTest, BottomRowReadsLeftToRight) {
  const DialogTemplate& form = ParameterFormTemplate();
  const int row[] = {kIdcTargetCurve,   kIdcPopulationSize, kIdcGenerations,
                     kIdcCrossoverRate, kIdcMutationRate,   kIdcRun};
  for (std::size_t i = 1; i < std::size(row); ++i) {
    EXPECT_LT(FindControl(form, row[i - 1])->rect.x, FindControl(form, row[i])->rect.x);
  }
  const DialogRect chart = FindControl(form, kIdcChartArea)->rect;
  const DialogRect aux = FindControl(form, kIdcAuxParameter)->rect;
  EXPECT_GE(aux.x, chart.x + chart.width);
  EXPECT_LE(aux.x + aux.width, form.width);
}

TEST(ParameterFormTemplateTest, SpotChecks) {
  const DialogTemplate& form = ParameterFormTemplate();
  const DialogControl* chart = FindControl(form, kIdcChartArea);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->rect.width, 693);
  EXPECT_EQ(chart->rect.height, 396);
  EXPECT_EQ(LoadString(FindControl(form, kIdcRun)->text), "実行");
  EXPECT_EQ(FindControl(form, kIdcRun)->kind, ControlKind::kPushButton);
  EXPECT_EQ(LoadString(form.controls[3].text), "最大世代数<1000");
  EXPECT_EQ(LoadString(form.controls[9].text), "母集団サイズ<1000");
  EXPECT_EQ(LoadString(form.controls[12].text), "目標曲線(0, 1, 2)");
  EXPECT_EQ(FindControl(form, 1007), nullptr);
}

TEST(AboutBoxTemplateTest, Contents) {
  const DialogTemplate& about = AboutBoxTemplate();
  EXPECT_EQ(about.id, kIddAboutBox);
  EXPECT_EQ(about.width, 235);
  EXPECT_EQ(about.height, 55);
  EXPECT_EQ(LoadString(about.caption), "Curvesmithのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_EQ(about.controls.size(), 4u);
  EXPECT_EQ(about.controls[0].kind, ControlKind::kStaticIcon);
  EXPECT_EQ(about.controls[0].icon_id, kIdrMainFrame);
  EXPECT_EQ(LoadString(about.controls[1].text), "Curvesmith Version 1.0");
  EXPECT_TRUE(about.controls[1].styles & kStyleNoPrefix);
  EXPECT_FALSE(LoadString(about.controls[2].text).empty());
  const DialogControl* ok = FindControl(about, kIdOk);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(LoadString(ok->text), "OK");
  EXPECT_TRUE(ok->styles & kStyleDefaultButton);
}

struct DialogUnitsToPixelsCase {
  DialogRect units;
  DialogBaseUnits base;
  DialogRect pixels;
};

class DialogUnitsToPixelsTest : public testing::TestWithParam<DialogUnitsToPixelsCase> {};

TEST_P(DialogUnitsToPixelsTest, ConvertsEdgesRoundingToNearest) {
  const DialogUnitsToPixelsCase& c = GetParam();
  const DialogRect got = DialogUnitsToPixels(c.units, c.base);
  EXPECT_EQ(got.x, c.pixels.x);
  EXPECT_EQ(got.y, c.pixels.y);
  EXPECT_EQ(got.width, c.pixels.width);
  EXPECT_EQ(got.height, c.pixels.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogUnitsToPixelsTest,
    testing::Values(
        // Whole multiples convert exactly.
        DialogUnitsToPixelsCase{{4, 8, 8, 16}, {6, 12}, {6, 12, 12, 24}},
        // 298 * 6 / 4 = 447; (298 + 31) * 6 / 4 = 493.5 rounds up to 494.
        DialogUnitsToPixelsCase{{298, 411, 31, 12}, {6, 12}, {447, 617, 47, 18}},
        // Widths come from rounded edges: 1 * 7 / 4 = 1.75 -> 2, 2 * 7 / 4 = 3.5 -> 4.
        DialogUnitsToPixelsCase{{1, 0, 1, 0}, {7, 13}, {2, 0, 2, 0}},
        DialogUnitsToPixelsCase{{0, 0, 788, 456}, {7, 15}, {0, 0, 1379, 855}}));

}  // namespace
}  // namespace curvesmith::res
