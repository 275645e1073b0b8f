#include "res/status_indicators.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr int kIndicators[] = {
    kIdSeparator, kIdIndicatorKana, kIdIndicatorCaps, kIdIndicatorNum, kIdIndicatorScroll,
};

}  // namespace

std::span<const int> StatusIndicators() {
  return kIndicators;
}

}  // namespace curvesmith::res
