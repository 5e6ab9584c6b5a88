#pragma once
// Each benchmark program defines Run; the entry they share (BenchMain.cpp) calls it.

namespace vorlane::bench {

// Measures, prints the figures and returns the exit code.
int Run(int argc, wchar_t** argv);

} // namespace vorlane::bench
