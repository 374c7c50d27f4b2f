#pragma once

#include <map>
#include <string>
#include <vector>

namespace boxi::bench {

// Start-up and memory of fresh processes: the program's child against the
// bare Qt window, on one Qt platform, spawned in turns.
struct StartupFigures {
    std::string platform;  // "offscreen" or "xcb"
    int runs = 0;
    // Spawn to the end of the first paint, in nanoseconds, one per run.
    std::vector<double> program;
    std::vector<double> bare;
    // The median time of each stage, in nanoseconds: to main(), the
    // QApplication, building the objects or the window, showing, the first
    // paint event, the paint pass.
    std::vector<double> program_stages;
    std::vector<double> bare_stages;
    // Peak resident set in KiB: at the first paint, and the program's after
    // opening every window once (medians).
    double program_rss_painted = 0;
    double program_rss_walked = 0;
    double bare_rss_painted = 0;
    // Resident set now, in KiB (medians): the portal alone after the
    // warm-up, and back at the portal after the walk with every other
    // window unloaded.
    double program_rss_settled = 0;
    double program_rss_returned = 0;
    // The resident set by kind, in KiB (medians; private memory, font files,
    // program and libraries): the program's after the walk, the bare
    // window's at its first paint.
    std::map<std::string, double> program_walked_kinds;
    std::map<std::string, double> bare_painted_kinds;
    // Each handover of the walk, taken for the first time in a fresh
    // process: the median over the walks, by handover name.
    std::map<std::string, double> first_handovers;
    std::string error;
};

inline const std::vector<std::string> kRssKinds = {"private", "fonts", "code"};

inline const std::vector<std::string> kStageNames = {"exec to main", "QApplication", "objects built", "first window shown",
                                                     "paint event", "paint pass"};

StartupFigures MeasureStartup(const std::string& platform, int runs, const std::string& log_path);

}  // namespace boxi::bench
