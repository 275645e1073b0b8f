#ifndef CURVESMITH_RES_PARAMETER_FORM_TEMPLATE_H_
#define CURVESMITH_RES_PARAMETER_FORM_TEMPLATE_H_

#include "res/dialog_template.h"

namespace curvesmith::res {

// Dialog template 101, the parameter form: thirteen controls in template
// (and tab) order. The chart area (kIdcChartArea) fills most of the form; the
// bottom row holds, left to right, target curve, population size,
// generations, crossover rate, mutation rate and Run; the auxiliary field sits
// alone at the far right.
const DialogTemplate& ParameterFormTemplate();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_PARAMETER_FORM_TEMPLATE_H_
