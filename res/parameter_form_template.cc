#include "res/parameter_form_template.h"

#include "res/dialog_font.h"
#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr std::uint32_t kFieldStyles = kStyleBorder | kStyleTabStop | kStyleAutoHScroll;

constexpr DialogControl kControls[] = {
    {ControlKind::kEdit, kIdcGenerations, {298, 411, 31, 12}, 0, kFieldStyles},
    {ControlKind::kEdit, kIdcCrossoverRate, {356, 411, 31, 12}, 0, kFieldStyles},
    {ControlKind::kEdit, kIdcAuxParameter, {777, 399, 7, 12}, 0, kFieldStyles},
    {ControlKind::kStatic, kIdcStatic, {236, 412, 59, 9}, kIdsFormGenerationsLabel, kStyleNone},
    {ControlKind::kStatic,
     kIdcStatic,
     {331, 410, 22, 12},
     kIdsFormCrossoverRateLabel,
     kStyleCenterVertical},
    {ControlKind::kStatic,
     kIdcStatic,
     {396, 410, 37, 12},
     kIdsFormMutationRateLabel,
     kStyleCenterVertical},
    {ControlKind::kPushButton, kIdcRun, {477, 408, 19, 15}, kIdsFormRun, kStyleTabStop},
    {ControlKind::kEdit,
     kIdcChartArea,
     {0, 0, 693, 396},
     0,
     kStyleCenterText | kStyleBorder | kStyleAutoHScroll | kStyleStaticEdge | kStyleClientEdge |
         kStyleModalFrame},
    {ControlKind::kEdit, kIdcPopulationSize, {202, 410, 31, 12}, 0, kFieldStyles},
    {ControlKind::kStatic, kIdcStatic, {134, 412, 64, 8}, kIdsFormPopulationSizeLabel, kStyleNone},
    {ControlKind::kEdit, kIdcMutationRate, {438, 410, 22, 12}, 0, kFieldStyles},
    {ControlKind::kEdit, kIdcTargetCurve, {108, 410, 25, 12}, 0, kFieldStyles},
    {ControlKind::kStatic, kIdcStatic, {49, 411, 56, 8}, kIdsFormTargetCurveLabel, kStyleNone},
};

constexpr DialogTemplate kParameterForm = {
    kIddParameterForm,
    788,
    456,
    kDialogFontPoints,
    kDialogFontFamily,
    0,
    kDialogChild | kDialogSetFont | kDialogClientEdge | kDialogStaticEdge,
    kControls,
};

}  // namespace

const DialogTemplate& ParameterFormTemplate() {
  return kParameterForm;
}

}  // namespace curvesmith::res
