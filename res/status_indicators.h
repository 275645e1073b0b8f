#ifndef CURVESMITH_RES_STATUS_INDICATORS_H_
#define CURVESMITH_RES_STATUS_INDICATORS_H_

#include <span>

// The status bar's panes, left to right: kIdSeparator is the message pane,
// every other entry the id of a lock indicator, whose text is the string of
// the same id.
namespace curvesmith::res {

std::span<const int> StatusIndicators();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_STATUS_INDICATORS_H_
