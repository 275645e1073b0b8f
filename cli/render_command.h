#ifndef CURVESMITH_CLI_RENDER_COMMAND_H_
#define CURVESMITH_CLI_RENDER_COMMAND_H_

#include <ostream>

#include "cli/arguments.h"

namespace curvesmith::cli {

// `curvesmith-cli render [options]`: computes one run and draws the chart as
// the desktop program shows it — `base` (a paint with no replay pending),
// generation G (during the first pause of its replay frame) or `final` (after
// the whole replay) — into a PNG file, or lists the drawing operations on
// `out` (--ops; whether the listing could be written is the caller's to
// check). Returns the exit status: 1 when the image file cannot be written, as
// `err` then says. Throws UsageError for a bad command line before anything
// is written.
int RunRenderCommand(Arguments& arguments, std::ostream& out, std::ostream& err);

// The options of render besides the run options, as --help describes them.
OptionHelps RenderCommandOptionHelps();

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_RENDER_COMMAND_H_
