#pragma once
// The settings files that the settings writer puts down one after another while the kill-safety
// test kills it: each complete, each different, so that a file found on the disk tells exactly
// which write made it.
#include <string>

namespace vorlane::testing {

// The exit code the test kills the writer with, so that a writer that stopped by itself (a
// failed write, the end of its loop) is told apart from one killed while it wrote.
inline constexpr unsigned kKilledWriterExitCode = 99;

// The bytes of the settings file made by the given write of the given round: one of two long
// sound paths of different lengths (even writes the first, odd writes the second), then the
// round and the write as the window's left and top edges. Large enough that writing one takes
// a measurable time, small enough to be read as a settings file.
std::string KillSafeContent(int round, int write);

} // namespace vorlane::testing
