#pragma once

#include <string>
#include <vector>

// A figure that only means something beside its floor: measured / floor, with the target
// that the ratio should stay under.
struct BenchRatio {
    std::string measured; // benchmark function names, as BENCHMARK() registered them
    std::string floor;
    double target;
};

// Runs this program's benchmarks with their repetitions interleaved at random (so that a
// burst of load from elsewhere on the machine lands on both sides of a ratio), prints the
// usual table and then each ratio of medians beside its target. Command-line flags of the
// benchmark library still apply and win. Ratios use CPU time, or the real or manual time of
// benchmarks marked UseRealTime() or UseManualTime(). Returns the program's exit code.
int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<BenchRatio>& ratios);
