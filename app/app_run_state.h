#ifndef CURVESMITH_APP_APP_RUN_STATE_H_
#define CURVESMITH_APP_APP_RUN_STATE_H_

#include "engine/run_state.h"

namespace curvesmith {

// The program's one run state: static storage (about 16 MB), zero at start,
// never freed and never cleared between runs.
RunState& ApplicationRunState();

}  // namespace curvesmith

#endif  // CURVESMITH_APP_APP_RUN_STATE_H_
