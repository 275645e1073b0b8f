#ifndef CURVESMITH_APP_FORM_FIELDS_H_
#define CURVESMITH_APP_FORM_FIELDS_H_

#include <span>

#include "engine/parameter_set.h"

namespace curvesmith {

// One value of the parameter form, described once for the form, the
// parameter file and the messages that name it.
struct FormField {
  int control_id;
  int name_id;           // string id: the field as the form's labels name it
  const char* file_key;  // its key in a parameter file
  float ParameterSet::*member;
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

}  // namespace curvesmith

#endif  // CURVESMITH_APP_FORM_FIELDS_H_
