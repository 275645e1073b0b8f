#ifndef CURVESMITH_APP_SAMPLE_FILES_H_
#define CURVESMITH_APP_SAMPLE_FILES_H_

#include <QString>

namespace curvesmith {

// Where the sample experiment `file_name` (of res::SampleExperiments()) is:
// in the samples folder installed with the program (its data folder, found
// from where the program is), or, for a program run from its build folder,
// in the source tree.
QString SamplePath(const char* file_name);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_SAMPLE_FILES_H_
