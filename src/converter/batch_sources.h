#pragma once

#include <string>
#include <vector>

namespace kadrex {

// Where batch runs and the editor take their pictures from.
struct BatchSources {
  // Paths in the order they came; never emptied by the hand-off file.
  std::vector<std::string> fileList;
  // 0: the hand-off file is the source of the next run; 1 (once files were chosen): fileList.
  int batchSourceMode = 0;
};

}  // namespace kadrex
