#ifndef CURVESMITH_RES_SAMPLE_EXPERIMENTS_H_
#define CURVESMITH_RES_SAMPLE_EXPERIMENTS_H_

#include <span>

// The parameter files shipped with the program as experiments to open from
// File > ｻﾝﾌﾟﾙを開く, one per command of that submenu. The files are in
// res/samples/ of the source tree and are installed beside the program's
// other data.
namespace curvesmith::res {

struct SampleExperiment {
  int command;
  const char* file_name;  // within the samples folder
};

// In the order of the submenu.
std::span<const SampleExperiment> SampleExperiments();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_SAMPLE_EXPERIMENTS_H_
