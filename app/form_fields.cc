#include "app/form_fields.h"

#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr FormField kPopulationSize = {res::kIdcPopulationSize, res::kIdsFieldPopulationSize,
                                       "population_size", &ParameterSet::PopulationSize};
constexpr FormField kMutationRate = {res::kIdcMutationRate, res::kIdsFieldMutationRate,
                                     "mutation_rate", &ParameterSet::MutationRate};
constexpr FormField kGenerations = {res::kIdcGenerations, res::kIdsFieldGenerations, "generations",
                                    &ParameterSet::Generations};
constexpr FormField kCrossoverRate = {res::kIdcCrossoverRate, res::kIdsFieldCrossoverRate,
                                      "crossover_rate", &ParameterSet::CrossoverRate};
// The small field at the far right has no label on the form.
constexpr FormField kAuxParameter = {res::kIdcAuxParameter, res::kIdsFieldAuxParameter,
                                     "aux_parameter", &ParameterSet::AuxParameter};
constexpr FormField kTargetCurve = {res::kIdcTargetCurve, res::kIdsFieldTargetCurve, "target_curve",
                                    &ParameterSet::TargetCurve};

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

const FormField* FindField(int control_id) {
  for (const FormField& field : kExchangeOrder) {
    if (field.control_id == control_id) return &field;
  }
  return nullptr;
}

}  // namespace curvesmith
