// The bench: start-up and memory of fresh processes against a bare Qt
// window, every handover of both roads with and without rendering, set
// loading and bank lookups, and the program's size; printed as one table.
//
//     boxi_bench [--runs=N] [--no-startup] [Google Benchmark flags]
//
// Start-up runs on Qt's offscreen platform, and on xcb too when DISPLAY is
// set (scripts/bench starts Xvfb for it). Google Benchmark's flags, such as
// --benchmark_filter, pick the in-process parts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Report.h"
#include "Results.h"
#include "Startup.h"

namespace boxi::bench {
namespace {

// Keeps each run's mean time per call for the table; prints nothing.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
                continue;
            }
            // Manually timed runs carry a suffix the table does not show.
            std::string name = run.benchmark_name();
            constexpr std::string_view kManual = "/manual_time";
            if (name.size() > kManual.size() && name.ends_with(kManual))
                name.resize(name.size() - kManual.size());
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                TheResults().bank_calls[name] = run.real_accumulated_time / static_cast<double>(run.iterations) * 1e9;
        }
    }
};

}  // namespace

Results& TheResults()
{
    static Results results;
    return results;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Worst(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

}  // namespace boxi::bench

int main(int argc, char** argv)
{
    using namespace boxi::bench;
    benchmark::Initialize(&argc, argv);
    RunSettings settings{.startup_runs = 15, .model_rounds = kModelRounds, .render_rounds = kRenderRounds};
    getloadavg(&settings.load_at_start, 1);
    bool startup = true;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.rfind("--runs=", 0) == 0) {
            settings.startup_runs = std::max(1, std::atoi(argv[i] + 7));
        } else if (arg == "--no-startup") {
            startup = false;
        } else {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }

    // Fresh processes first, while this one has loaded nothing of Qt's.
    std::vector<StartupFigures> figures;
    if (startup) {
        // The children's own messages, from this run only.
        const std::string log = std::string(BOXI_BENCH_BINARY_DIR) + "/children.log";
        std::fclose(std::fopen(log.c_str(), "w"));
        std::vector<std::string> platforms = {"offscreen"};
        if (const char* display = std::getenv("DISPLAY"); display && *display)
            platforms.push_back("xcb");
        for (const std::string& platform : platforms) {
            std::fprintf(stderr, "start-up and memory, %s: %d runs each...\n", platform.c_str(), settings.startup_runs);
            figures.push_back(MeasureStartup(platform, settings.startup_runs, log));
        }
    }

    std::fprintf(stderr, "handovers and bank lookups...\n");
    RegisterHandoverBenchmarks();
    RegisterBankBenchmarks();
    RegisterExamClockBenchmarks();
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    PrintReport(TheResults(), figures, settings);
    return 0;
}
