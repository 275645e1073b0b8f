#include "app/run_refusal.h"

#include "engine/number_text.h"
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
  static const FieldLimit kLimits[] = {
      {RunField::kPopulationSize, res::kIdcPopulationSize,
       QString::fromUtf8("%1 以下の有限の数値").arg(kMaxPopulation)},
      {RunField::kGenerations, res::kIdcGenerations,
       QString::fromUtf8("%1 以下の有限の数値").arg(kMaxGenerations)},
      {RunField::kCrossoverRate, res::kIdcCrossoverRate, QString::fromUtf8("0 から 1 までの数値")},
      {RunField::kMutationRate, res::kIdcMutationRate, QString::fromUtf8("0 から 1 までの数値")},
      {RunField::kTargetCurve, res::kIdcTargetCurve,
       QString::fromUtf8("有限の数値（曲線は 0, 1, 2）")},
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
  return QString::fromUtf8("実行できません。「%1」の値 %2 は範囲外です。%3を入力してください。")
      .arg(QString::fromUtf8(form_field.label),
           QString::fromStdString(FormatNumber(values.*form_field.member)), LimitOf(field).range);
}

}  // namespace curvesmith
