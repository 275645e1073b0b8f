#include "app/app_run_state.h"

namespace curvesmith {
namespace {

RunState the_run_state;

}  // namespace

RunState& ApplicationRunState() {
  return the_run_state;
}

}  // namespace curvesmith
