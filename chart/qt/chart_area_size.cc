#include "chart/qt/chart_area_size.h"

#include "res/parameter_form_template.h"
#include "res/qt/dialog_units.h"
#include "res/resource_ids.h"

namespace curvesmith::chart {

QSize ChartAreaPixelSize(const QFont& form_font) {
  const res::DialogControl* area =
      res::FindControl(res::ParameterFormTemplate(), res::kIdcChartArea);
  return ToPixels(DialogBaseUnitsOf(form_font), area->rect).size();
}

QFont FormFont() {
  return DialogFont(res::ParameterFormTemplate());
}

}  // namespace curvesmith::chart
