#ifndef CURVESMITH_APP_PARAMETER_SET_H_
#define CURVESMITH_APP_PARAMETER_SET_H_

namespace curvesmith {

// The six single-precision values of the parameter form. The document and the
// view each hold a copy; only the five run parameters reach a run, the
// auxiliary value is carried along and used by no computation.
struct ParameterSet {
  float Generations = 0.0f;
  float CrossoverRate = 0.0f;
  float AuxParameter = 0.0f;
  float PopulationSize = 0.0f;
  float MutationRate = 0.0f;
  float TargetCurve = 0.0f;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_PARAMETER_SET_H_
