#include "BenchRatios.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>

#include <unistd.h>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(const std::vector<BenchRatio>& ratios)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), m_ratios(ratios) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // Real or manual time where the benchmark asked for it.
            const bool real = !run.run_name.time_type.empty();
            const double seconds = (real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                                   benchmark::GetTimeUnitMultiplier(run.time_unit);
            Timings& timings = m_timings[run.run_name.function_name];
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    timings.median = seconds;
            } else {
                timings.samples.push_back(seconds);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::ostream& out = GetOutputStream();
        for (const BenchRatio& ratio : m_ratios) {
            const double measured = median(ratio.measured);
            const double floor = median(ratio.floor);
            char line[256];
            if (measured > 0 && floor > 0) {
                const double value = measured / floor;
                std::snprintf(line, sizeof line, "ratio %s / %s = %.2fx, target <= %.2fx: %s\n",
                              ratio.measured.c_str(), ratio.floor.c_str(), value, ratio.target,
                              value <= ratio.target ? "met" : "MISSED");
            } else {
                std::snprintf(line, sizeof line, "ratio %s / %s: not measured\n",
                              ratio.measured.c_str(), ratio.floor.c_str());
            }
            out << line;
        }
    }

  private:
    struct Timings {
        double median = 0;
        std::vector<double> samples;
    };

    // The library's own median when the benchmark was repeated, else the middle sample.
    double median(const std::string& name) {
        const auto found = m_timings.find(name);
        if (found == m_timings.end())
            return 0;
        Timings& timings = found->second;
        if (timings.median > 0 || timings.samples.empty())
            return timings.median;
        auto middle = timings.samples.begin() + static_cast<long>(timings.samples.size() / 2);
        std::nth_element(timings.samples.begin(), middle, timings.samples.end());
        return *middle;
    }

    std::vector<BenchRatio> m_ratios;
    std::map<std::string, Timings> m_timings;
};

} // namespace

int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<BenchRatio>& ratios) {
    // The default goes first so that the same flag given on the command line overrides it.
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;
    RatioReporter reporter(ratios);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
