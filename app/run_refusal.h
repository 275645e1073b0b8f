#ifndef CURVESMITH_APP_RUN_REFUSAL_H_
#define CURVESMITH_APP_RUN_REFUSAL_H_

#include <QString>

#include "app/form_fields.h"
#include "engine/parameter_set.h"
#include "engine/run_parameters.h"

namespace curvesmith {

// Why Run starts nothing: names the field by its form label, the value it
// holds and the range a run accepts there.
QString RunRefusalMessage(RunField field, const ParameterSet& values);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_RUN_REFUSAL_H_
