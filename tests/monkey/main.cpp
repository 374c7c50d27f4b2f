// scripts/monkey: a long monkey run. Prints events per second, and for a
// failure the seed and the shortest event list that reproduces it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "monkey/Monkey.h"

int main(int argc, char** argv)
{
    int seeds = 8;
    int events = 20000;
    std::uint64_t first = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string flag = argv[i];
        if (flag == "--seeds")
            seeds = std::atoi(argv[i + 1]);
        else if (flag == "--events")
            events = std::atoi(argv[i + 1]);
        else if (flag == "--first")
            first = std::strtoull(argv[i + 1], nullptr, 10);
    }
    int failures = 0;
    long total = 0;
    auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < seeds; ++s) {
        std::uint64_t seed = first + static_cast<std::uint64_t>(s);
        for (bool fail_calls : {false, true}) {
            auto outcome = boxi::monkey::RandomWalk({.seed = seed, .events = events, .fail_platform_calls = fail_calls});
            total += outcome.performed;
            if (!outcome.failure)
                continue;
            ++failures;
            std::printf("seed %llu%s: %s after %d events\n", static_cast<unsigned long long>(seed),
                        fail_calls ? " (failing platform calls)" : "", outcome.failure->c_str(), outcome.performed);
            // The program's last steps, then the shortest event list: shrinking
            // a long walk takes a while, so the failure is out first.
            const size_t shown = std::min<size_t>(outcome.journal.size(), 20);
            std::printf("  last steps:");
            for (size_t i = outcome.journal.size() - shown; i < outcome.journal.size(); ++i)
                std::printf(" [%s]", outcome.journal[i].c_str());
            std::printf("\n  last events:\n");
            const size_t events_shown = std::min<size_t>(outcome.events.size(), 10);
            for (size_t i = outcome.events.size() - events_shown; i < outcome.events.size(); ++i)
                std::printf("    %s\n", outcome.events[i].Describe().c_str());
            std::printf("  shortest events found:\n");
            std::fflush(stdout);
            for (const auto& event : boxi::monkey::Shrink(outcome.events, fail_calls))
                std::printf("    %s\n", event.Describe().c_str());
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld events in %.1f s: %.0f events per second\n", total, seconds, total / seconds);
    std::printf("%d passed, %d failed\n", seeds * 2 - failures, failures);
    return failures == 0 ? 0 : 1;
}
