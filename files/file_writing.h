#ifndef CURVESMITH_FILES_FILE_WRITING_H_
#define CURVESMITH_FILES_FILE_WRITING_H_

#include <string>
#include <string_view>

namespace curvesmith::files {

// What ReplaceFile() returns when something other than a regular file (a
// device, a named pipe, a folder) is at the path; it is left untouched.
inline constexpr int kNotRegularFile = -1;

// Writes all of `bytes` to the file descriptor `fd`, resuming after partial
// and interrupted writes. Returns 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes);

// Replaces the file at `path` (or creates it) with exactly `bytes`. The bytes
// go to a temporary file in the same folder (".curvesmith-XXXXXX.tmp", short
// whatever the target's name); every write, the sync to disk and the close
// are checked, and only then is it renamed over `path`. On any failure the
// temporary file is removed and an earlier file is left as it was, and so it
// is when a hang-up, interrupt, quit, termination or file-size signal ends the
// process meanwhile (where the signal would end it by default). A symbolic
// link is followed (the link itself stays); a replaced file keeps its
// permissions, a new one gets those the umask allows. A file the user may not
// write is not replaced (EACCES), as cp does not replace it.
//
// Returns 0, the errno of the step that failed, or kNotRegularFile.
int ReplaceFile(const std::string& path, std::string_view bytes);

// Whether ReplaceFile() would write `path`, asked before the bytes exist: an
// export that takes long to make is refused at once rather than after the
// work. It refuses what ReplaceFile() refuses before writing (something other
// than a regular file, a file the user may not write), and a folder the file
// would land in (that of a symbolic link's target) that is not there or not
// writable.
//
// Returns 0, the errno that tells why not, or kNotRegularFile. A 0 promises
// nothing about the write itself (a disk can still fill up).
int CheckWritableDestination(const std::string& path);

}  // namespace curvesmith::files

#endif  // CURVESMITH_FILES_FILE_WRITING_H_
