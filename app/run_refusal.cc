#include "app/run_refusal.h"

#include "app/resource_text.h"
#include "engine/number_text.h"
#include "engine/objective.h"
#include "engine/run_state.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

struct FieldLimit {
  RunField field;
  int control_id;
  QString range;
};

const FieldLimit& LimitOf(RunField field) {
  const QString rate_range = LoadText(res::kIdsRangeRate)
                                 .arg(QString::fromStdString(FormatNumber(kLowestRate)),
                                      QString::fromStdString(FormatNumber(kHighestRate)));
  static const FieldLimit kLimits[] = {
      {RunField::kPopulationSize, res::kIdcPopulationSize,
       LoadText(res::kIdsRangeCountUpTo).arg(kMaxPopulation)},
      {RunField::kGenerations, res::kIdcGenerations,
       LoadText(res::kIdsRangeCountUpTo).arg(kMaxGenerations)},
      {RunField::kCrossoverRate, res::kIdcCrossoverRate, rate_range},
      {RunField::kMutationRate, res::kIdcMutationRate, rate_range},
      {RunField::kTargetCurve, res::kIdcTargetCurve,
       LoadText(res::kIdsRangeCurve).arg(QString::fromStdString(TargetCurveNumbers(", ", ", ")))},
  };
  for (const FieldLimit& limit : kLimits) {
    if (limit.field == field) return limit;
  }
  return kLimits[0];
}

}  // namespace

const FormField& FormFieldOf(RunField field) {
  return *FindField(LimitOf(field).control_id);
}

QString RunRefusalMessage(RunField field, const ParameterSet& values) {
  const FormField& form_field = FormFieldOf(field);
  return LoadText(res::kIdsRunRefused)
      .arg(LoadText(form_field.name_id),
           QString::fromStdString(FormatNumber(values.*form_field.member)), LimitOf(field).range);
}

}  // namespace curvesmith
