#ifndef CURVESMITH_CLI_FILE_OUTPUT_H_
#define CURVESMITH_CLI_FILE_OUTPUT_H_

#include <string>
#include <string_view>

namespace curvesmith::cli {

// Writes `bytes` to `path`. Returns an empty string when all of them were
// written, else the system's reason for the failure.
//
// A new file, or a regular file already there, is replaced only by complete
// content: the bytes go to a temporary file in the same folder, every write,
// the sync to disk and the close are checked, and only then is it renamed over
// `path` (a symbolic link is followed, the link itself stays). On any failure
// the temporary file is removed and an earlier file is left as it was. A
// replaced file keeps its permissions; a new one gets those of the umask.
//
// Anything else already at `path` — a device such as /dev/null, a named pipe —
// is opened and written into as a stream, never replaced by a file.
std::string WriteFileContents(const std::string& path, std::string_view bytes);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_FILE_OUTPUT_H_
