#pragma once

#include <map>
#include <optional>
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
    // Two hours of an exam on the virtual clock under random events,
    // rendered: the resident set (KiB) once warmed up and at the end, the
    // highest seen after the warm-up, and the events done.
    struct Endurance {
        long warm_kib = 0;
        long end_kib = 0;
        long highest_kib = 0;
        int events = 0;
        int exams = 0;
        double seconds = 0;
        std::string error;
    };
    std::optional<Endurance> endurance;
    // CPU time of the process over ten seconds of a message box waiting
    // while the exam's ticks fall due, in percent of the wall time.
    std::optional<double> modal_cpu_percent;
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
void RegisterEnduranceBenchmark();
void RegisterModalWaitBenchmark();

}  // namespace boxi::bench
