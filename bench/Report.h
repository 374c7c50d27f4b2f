#pragma once

#include <string>
#include <vector>

#include "Results.h"
#include "Startup.h"

namespace boxi::bench {

struct RunSettings {
    int startup_runs = 0;
    int model_rounds = 0;
    int render_rounds = 0;
    double load_at_start = 0;  // one-minute load average: other work on the machine
};

// Prints the machine, then every figure with its ratio and the targets, as
// one table on standard output.
void PrintReport(const Results& results, const std::vector<StartupFigures>& startup, const RunSettings& settings);

}  // namespace boxi::bench
