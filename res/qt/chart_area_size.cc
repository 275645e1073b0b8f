#include "res/qt/chart_area_size.h"

#include "res/parameter_form_template.h"
#include "res/qt/dialog_units.h"
#include "res/resource_ids.h"

namespace curvesmith {

QSize ChartAreaPixelSize(int logical_dpi) {
  const res::DialogControl* area =
      res::FindControl(res::ParameterFormTemplate(), res::kIdcChartArea);
  if (area == nullptr) return QSize();
  return DialogRectInPixels(area->rect, logical_dpi).size();
}

}  // namespace curvesmith
