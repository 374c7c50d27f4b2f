#pragma once

#include <map>
#include <string>
#include <vector>

namespace boxi::bench {

// What one run of the bench found, filled by each part and printed at the
// end as one table. Times are in nanoseconds.
struct Results {
    // Every timed handover, one entry per round in order, by handover name;
    // the names in the order of the roads.
    std::vector<std::string> handover_order;
    std::map<std::string, std::vector<double>> model_handovers;
    std::map<std::string, std::vector<double>> render_handovers;
    // Mean time per call of each bank lookup, by benchmark name.
    std::map<std::string, double> bank_calls;
    std::vector<std::string> bank_order;
    // The exam's whole countdown on the virtual clock, one entry per run.
    std::vector<double> countdown;
};

Results& TheResults();

// Rounds per handover: enough for a stable median, and the worst round
// still says what a learner may meet.
inline constexpr int kModelRounds = 2000;
inline constexpr int kRenderRounds = 150;

double Median(std::vector<double> values);
double Worst(const std::vector<double>& values);

void RegisterHandoverBenchmarks();
void RegisterBankBenchmarks();
void RegisterExamClockBenchmarks();

}  // namespace boxi::bench
