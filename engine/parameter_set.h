#ifndef CURVESMITH_ENGINE_PARAMETER_SET_H_
#define CURVESMITH_ENGINE_PARAMETER_SET_H_

namespace curvesmith {

// The six single-precision values of the parameter form. The document and the
// view each hold a copy; a run reads the five run parameters by name (the
// counts truncated toward zero, the rates and the curve selector widened to
// double exactly), and the auxiliary value is carried along and used by no
// computation.
struct ParameterSet {
  float Generations = 0.0f;
  float CrossoverRate = 0.0f;
  float AuxParameter = 0.0f;
  float PopulationSize = 0.0f;
  float MutationRate = 0.0f;
  float TargetCurve = 0.0f;
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_PARAMETER_SET_H_
