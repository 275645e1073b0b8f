#ifndef CURVESMITH_APP_FORM_FIELDS_H_
#define CURVESMITH_APP_FORM_FIELDS_H_

#include <span>

#include "engine/parameter_set.h"
#include "engine/run_settings.h"

namespace curvesmith {

// One value of the parameter form: the window's part of a run setting (its
// control and texts), with the setting's key and member taken from the
// table of run settings.
struct FormField {
  int control_id;
  int name_id;           // string id: the field as the form's labels name it
  const char* file_key;  // its key in a parameter file: the setting's key
  float ParameterSet::*member;
  RunField field;
  // String id of the range a run accepts, whose "%1" and "%2" the setting's
  // limits fill; 0 for a value a run does not check.
  int range_id;
};

// The order the form exchanges its fields with the view's members:
// population size, mutation rate, generations, crossover rate, auxiliary
// value, target curve. An exchange stops at the first field that is not a
// number, so this order decides which members keep their values.
std::span<const FormField> FieldsInExchangeOrder();

// The order of the document's members, in which the change handler copies
// values into the document and a parameter file lists them: generations,
// crossover rate, auxiliary value, population size, mutation rate, target
// curve.
std::span<const FormField> FieldsInDocumentOrder();

// The field bound to `control_id`, or nullptr.
const FormField* FindField(int control_id);

// The field that holds `field`.
const FormField& FormFieldOf(RunField field);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_FORM_FIELDS_H_
