// The entry of every benchmark program. What Run printed is flushed before the process ends,
// so that tools/bench.sh, reading through Wine, sees all of it.
#include "BenchMain.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    const int result = vorlane::bench::Run(argc, argv);
    std::fflush(stdout);
    return result;
}
