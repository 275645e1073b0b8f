#include "app/form_fields.h"

#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr FormField Field(RunField field, int control_id, int name_id, int range_id) {
  const RunSetting& setting = RunSettingOf(field);
  // The key is a string literal of the table, so it ends in a NUL.
  return {control_id, name_id, setting.key.data(), setting.member, field, range_id};
}

constexpr FormField kPopulationSize = Field(RunField::kPopulationSize, res::kIdcPopulationSize,
                                            res::kIdsFieldPopulationSize, res::kIdsRangeCountUpTo);
constexpr FormField kMutationRate = Field(RunField::kMutationRate, res::kIdcMutationRate,
                                          res::kIdsFieldMutationRate, res::kIdsRangeRate);
constexpr FormField kGenerations = Field(RunField::kGenerations, res::kIdcGenerations,
                                         res::kIdsFieldGenerations, res::kIdsRangeCountUpTo);
constexpr FormField kCrossoverRate = Field(RunField::kCrossoverRate, res::kIdcCrossoverRate,
                                           res::kIdsFieldCrossoverRate, res::kIdsRangeRate);
// The small field at the far right has no label on the form.
constexpr FormField kAuxParameter =
    Field(RunField::kAuxParameter, res::kIdcAuxParameter, res::kIdsFieldAuxParameter, 0);
constexpr FormField kTargetCurve = Field(RunField::kTargetCurve, res::kIdcTargetCurve,
                                         res::kIdsFieldTargetCurve, res::kIdsRangeCurve);

constexpr FormField kExchangeOrder[] = {kPopulationSize, kMutationRate, kGenerations,
                                        kCrossoverRate,  kAuxParameter, kTargetCurve};
constexpr FormField kDocumentOrder[] = {kGenerations,    kCrossoverRate, kAuxParameter,
                                        kPopulationSize, kMutationRate,  kTargetCurve};

}  // namespace

std::span<const FormField> FieldsInExchangeOrder() {
  return kExchangeOrder;
}

std::span<const FormField> FieldsInDocumentOrder() {
  return kDocumentOrder;
}

const FormField& FormFieldOf(RunField field) {
  for (const FormField& form_field : kExchangeOrder) {
    if (form_field.field == field) return form_field;
  }
  return kExchangeOrder[0];
}

const FormField* FindField(int control_id) {
  for (const FormField& field : kExchangeOrder) {
    if (field.control_id == control_id) return &field;
  }
  return nullptr;
}

}  // namespace curvesmith
