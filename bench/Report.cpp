#include "Report.h"

#include <QtGlobal>

#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

namespace boxi::bench {
namespace {

constexpr double kStartupTarget = 1.1;
constexpr double kWalkedMemoryTarget = 2.0;
constexpr double kReturnedMemoryTarget = 1.1;
constexpr double kEnduranceGrowthKib = 1024;
constexpr double kFrameNs = 16e6;

// Columns on a terminal: CJK characters take two.
size_t DisplayWidth(const std::string& text)
{
    size_t width = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += length == 3 && c >= 0xE3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string Pad(const std::string& text, size_t width, bool right)
{
    std::string fill(width > DisplayWidth(text) ? width - DisplayWidth(text) : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string Format(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Duration(double ns)
{
    if (!std::isfinite(ns))
        return "-";
    if (ns < 1e3)
        return Format("%.0f ns", ns);
    if (ns < 1e6)
        return Format(ns < 1e4 ? "%.2f µs" : "%.1f µs", ns / 1e3);
    return Format(ns < 1e8 ? "%.2f ms" : "%.0f ms", ns / 1e6);
}

std::string Ratio(double a, double b) { return b > 0 && a > 0 ? Format("%.2f", a / b) : "-"; }

std::string Kib(double kib) { return kib > 0 ? Format("%.1f MiB", kib / 1024) : "-"; }

struct Section {
    std::string title;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string note;  // printed under the title when set
};

void Print(const std::vector<Section>& sections)
{
    size_t first = 0;
    for (const Section& section : sections)
        for (const auto& row : section.rows)
            first = std::max(first, DisplayWidth(row[0]));
    for (const Section& section : sections) {
        std::printf("\n%s\n", section.title.c_str());
        if (!section.note.empty())
            std::printf("  (%s)\n", section.note.c_str());
        std::vector<size_t> widths(section.header.size(), 0);
        widths[0] = first;
        for (size_t column = 1; column < widths.size(); ++column) {
            widths[column] = DisplayWidth(section.header[column]);
            for (const auto& row : section.rows)
                widths[column] = std::max(widths[column], DisplayWidth(row[column]));
        }
        auto line = [&](const std::vector<std::string>& cells) {
            std::string text = "  " + Pad(cells[0], widths[0], false);
            for (size_t column = 1; column < cells.size(); ++column)
                text += "  " + Pad(cells[column], widths[column], true);
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
            std::printf("%s\n", text.c_str());
        };
        line(section.header);
        for (const auto& row : section.rows)
            line(row);
    }
}

std::string FirstMatch(const char* path, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            auto colon = line.find(':');
            std::string value = colon == std::string::npos ? "" : line.substr(colon + 1);
            value.erase(0, value.find_first_not_of(" \t"));
            return value;
        }
    }
    return "unknown";
}

std::string Machine(double load_at_start)
{
    std::string cpu = FirstMatch("/proc/cpuinfo", "model name");
    std::string memory = FirstMatch("/proc/meminfo", "MemTotal");
    double memory_gib = std::atof(memory.c_str()) / 1024 / 1024;
    utsname system{};
    uname(&system);
#if defined(__clang__)
    std::string compiler = "clang " + std::string(__clang_version__);
#else
    std::string compiler = "GCC " + std::string(__VERSION__);
#endif
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    return "Machine: " + cpu + ", " + std::to_string(std::thread::hardware_concurrency()) + " logical CPUs, " +
           Format("%.1f GiB", memory_gib) + " memory; " + system.sysname + " " + system.release +
           Format("; load average %.2f at the start, ", load_at_start) +
           Format("%.2f at the end", load[0]) + "\n" +
           "Build:   Qt " + qVersion() + " (built against " + QT_VERSION_STR + "), " + compiler + ", " +
           BOXI_BENCH_BUILD_TYPE + " (" + BOXI_BENCH_CXX_FLAGS + ")";
}

std::optional<double> FileSize(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<double>(info.st_size);
}

std::optional<double> StrippedSize(const std::string& path)
{
    std::string copy = "/tmp/boxi_bench_stripped." + std::to_string(getpid());
    std::string command = "strip -o '" + copy + "' '" + path + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    auto size = FileSize(copy);
    unlink(copy.c_str());
    return size;
}

std::string Bytes(std::optional<double> bytes)
{
    if (!bytes)
        return "-";
    return *bytes >= 1024 * 1024 ? Format("%.2f MiB", *bytes / 1024 / 1024) : Format("%.0f KiB", *bytes / 1024);
}

std::string Ratio(std::optional<double> a, std::optional<double> b) { return a && b ? Ratio(*a, *b) : "-"; }

}  // namespace

void PrintReport(const Results& results, const std::vector<StartupFigures>& startup, const RunSettings& settings)
{
    std::printf("boxi performance (scripts/bench)\n%s\n", Machine(settings.load_at_start).c_str());
    std::vector<Section> sections;
    std::vector<std::string> verdicts;

    Section start{"Start-up: spawn to the end of the first paint",
                  {"", "boxi", "bare Qt", "ratio", "target <= 1.1x"},
                  {},
                  "median of " + std::to_string(settings.startup_runs) + " fresh processes each, in turns"};
    for (const StartupFigures& figures : startup) {
        std::string name = figures.platform == "xcb" ? "xcb on Xvfb" : figures.platform;
        if (!figures.error.empty()) {
            start.rows.push_back({name, "-", "-", "-", "failed"});
            verdicts.push_back("Start-up (" + name + "): not measured: " + figures.error);
            continue;
        }
        double program = Median(figures.program), bare = Median(figures.bare);
        bool met = program <= kStartupTarget * bare;
        start.rows.push_back({name, Duration(program), Duration(bare), Ratio(program, bare), met ? "met" : "NOT MET"});
        verdicts.push_back("Start-up within 1.1x the bare Qt window (" + name + "): " + (met ? "met" : "not met") + ", " +
                           Ratio(program, bare) + "x");
    }
    sections.push_back(start);

    for (const StartupFigures& figures : startup) {
        if (!figures.error.empty() || figures.program_stages.empty())
            continue;
        Section stages{"Start-up stages, " + figures.platform + " (median of each stage)",
                       {"", "boxi", "bare Qt", "difference"},
                       {},
                       "the font database is read at the first font asked for: the bare window's build, the "
                       "program's first window"};
        for (size_t stage = 0; stage < kStageNames.size(); ++stage) {
            double program = figures.program_stages[stage], bare = figures.bare_stages[stage];
            std::string difference = program >= bare ? "+" + Duration(program - bare) : "-" + Duration(bare - program);
            stages.rows.push_back({kStageNames[stage], Duration(program), Duration(bare), difference});
        }
        sections.push_back(stages);
    }

    // The first time of each handover, in a fresh process, per platform.
    std::vector<const StartupFigures*> walked;
    for (const StartupFigures& figures : startup)
        if (figures.error.empty() && !figures.first_handovers.empty())
            walked.push_back(&figures);
    Section handovers{"Handovers, click to the next window painted",
                      {"", "model median", "model worst", "rendered median", "rendered worst"},
                      {},
                      "model: App on FakePlatform, " + std::to_string(settings.model_rounds) +
                          " rounds; rendered: App + desktop::Renderer offscreen, " +
                          std::to_string(settings.render_rounds) +
                          " rounds; 1st: the first time in a fresh program, median of its walks"};
    for (const StartupFigures* figures : walked)
        handovers.header.push_back("1st, " + figures->platform);
    handovers.header.push_back("< 16 ms");
    bool medians_met = true, worst_met = true, firsts_met = true, any_rendered = false;
    std::vector<std::string> slow;
    for (const std::string& name : results.handover_order) {
        auto model = results.model_handovers.find(name);
        auto rendered = results.render_handovers.find(name);
        auto has = [](auto it, const auto& map) { return it != map.end() && !it->second.empty(); };
        std::vector<std::string> row = {name};
        row.push_back(has(model, results.model_handovers) ? Duration(Median(model->second)) : "-");
        row.push_back(has(model, results.model_handovers) ? Duration(Worst(model->second)) : "-");
        bool median_ok = true, worst_ok = true, first_ok = true;
        if (has(rendered, results.render_handovers)) {
            any_rendered = true;
            double median = Median(rendered->second), worst = Worst(rendered->second);
            row.push_back(Duration(median));
            row.push_back(Duration(worst));
            median_ok = median < kFrameNs;
            worst_ok = worst < kFrameNs;
        } else {
            row.push_back("-");
            row.push_back("-");
        }
        for (const StartupFigures* figures : walked) {
            auto first = figures->first_handovers.find(name);
            if (first == figures->first_handovers.end()) {
                row.push_back("-");
                continue;
            }
            row.push_back(Duration(first->second));
            first_ok = first_ok && first->second < kFrameNs;
        }
        medians_met = medians_met && median_ok;
        worst_met = worst_met && worst_ok;
        firsts_met = firsts_met && first_ok;
        if (!worst_ok || !first_ok)
            slow.push_back(name);
        row.push_back(!median_ok ? "NO" : worst_ok && first_ok ? "yes" : !first_ok ? "not 1st" : "not worst");
        handovers.rows.push_back(row);
    }
    sections.push_back(handovers);
    if (any_rendered) {
        std::string verdict = "Every rendered handover under 16 ms: ";
        if (!medians_met) {
            verdict += "not met, not even at the median";
        } else if (worst_met && firsts_met) {
            verdict += "met, worst rounds and first times included";
        } else {
            verdict += "met at the median; not ";
            verdict += !firsts_met && !worst_met ? "the first time nor in the worst round"
                       : !firsts_met             ? "the first time"
                                                 : "in the worst round";
            verdict += " for:";
            for (size_t i = 0; i < slow.size(); ++i)
                verdict += (i ? ", " : " ") + slow[i];
        }
        verdicts.push_back(verdict);
    }

    Section banks{"Set loading and bank lookups (mean per call)", {"", "per call"}, {}};
    for (const std::string& name : results.bank_order) {
        auto it = results.bank_calls.find(name);
        banks.rows.push_back({name, it == results.bank_calls.end() ? "-" : Duration(it->second)});
    }
    sections.push_back(banks);

    // 119 minutes of 63 s and one more minute: 7557 s of ticks.
    constexpr double kCountdownTargetNs = 50e6;
    Section countdown{"Exam countdown, toolbar load to a minute past the time-up (virtual clock)",
                      {"", "median", "worst", "< 50 ms"}, {}};
    if (!results.countdown.empty()) {
        const double median = Median(results.countdown), worst = Worst(results.countdown);
        countdown.rows.push_back({"every tick, the alarm and the time-up", Duration(median), Duration(worst),
                                  worst < kCountdownTargetNs ? "yes" : median < kCountdownTargetNs ? "not worst" : "NO"});
    } else {
        countdown.rows.push_back({"every tick, the alarm and the time-up", "-", "-", "-"});
    }
    sections.push_back(countdown);
    if (!results.countdown.empty()) {
        const double worst = Worst(results.countdown);
        verdicts.push_back(std::string("Whole exam countdown on the virtual clock under 50 ms: ") +
                           (worst < kCountdownTargetNs ? "met" : "not met") + ", median " +
                           Duration(Median(results.countdown)) + ", worst " + Duration(worst));
    }

    if (results.endurance) {
        const Results::Endurance& e = *results.endurance;
        Section endurance{"Two hours of an exam under random events, rendered offscreen (virtual clock)",
                          {"", "after 15 min", "highest", "at the end", "growth", "< 1 MiB"},
                          {},
                          std::to_string(e.events) + " events, " + std::to_string(e.exams) + " fresh exams after a review, " +
                              Format("%.1f s of wall time", e.seconds)};
        const double growth = static_cast<double>(std::max(e.highest_kib, e.end_kib) - e.warm_kib);
        if (e.error.empty()) {
            endurance.rows.push_back({"resident set", Kib(static_cast<double>(e.warm_kib)), Kib(static_cast<double>(e.highest_kib)),
                                      Kib(static_cast<double>(e.end_kib)), Format("%.0f KiB", growth),
                                      growth < kEnduranceGrowthKib ? "yes" : "NO"});
            verdicts.push_back(std::string("Two-hour exam under random events, growth after warm-up under 1 MiB: ") +
                               (growth < kEnduranceGrowthKib ? "met" : "not met") + Format(", %.0f KiB", growth));
        } else {
            verdicts.push_back("Two-hour exam under random events: not measured: " + e.error);
        }
        sections.push_back(endurance);
    }

    if (results.modal_cpu_percent) {
        const double percent = *results.modal_cpu_percent;
        verdicts.push_back(std::string("A message box waiting 10 s with the exam's ticks due, CPU under 2%: ") +
                           (percent < 2 ? "met, " : "not met, ") + Format("%.2f%%", percent));
    }

    Section memory{"Peak resident memory (getrusage ru_maxrss, median of the runs)", {"", "boxi", "bare Qt", "ratio"}, {}};
    for (const StartupFigures& figures : startup) {
        if (!figures.error.empty())
            continue;
        memory.rows.push_back({"portal painted, " + figures.platform, Kib(figures.program_rss_painted),
                               Kib(figures.bare_rss_painted), Ratio(figures.program_rss_painted, figures.bare_rss_painted)});
        memory.rows.push_back({"every window opened once, " + figures.platform, Kib(figures.program_rss_walked),
                               Kib(figures.bare_rss_painted), Ratio(figures.program_rss_walked, figures.bare_rss_painted)});
        const bool walked_met = figures.program_rss_walked <= kWalkedMemoryTarget * figures.bare_rss_painted;
        verdicts.push_back("Memory after every window opened once within 2x the bare window (" + figures.platform +
                           "): " + (walked_met ? "met, " : "not met, ") +
                           Ratio(figures.program_rss_walked, figures.bare_rss_painted) + "x");
        const bool returned_met = figures.program_rss_returned <= kReturnedMemoryTarget * figures.program_rss_settled;
        verdicts.push_back("Memory back at the portal, every other window unloaded, within 10% of the portal alone (" +
                           figures.platform + "): " + (returned_met ? "met, " : "not met, ") + Kib(figures.program_rss_returned) +
                           " against " + Kib(figures.program_rss_settled) + ", " +
                           Ratio(figures.program_rss_returned, figures.program_rss_settled) + "x");
    }
    Section now{"Resident memory now (/proc/self/statm, median of the walks)", {"", "boxi", "portal alone", "ratio"}, {}};
    for (const StartupFigures& figures : startup) {
        if (!figures.error.empty())
            continue;
        now.rows.push_back({"portal alone, warmed up, " + figures.platform, Kib(figures.program_rss_settled),
                            Kib(figures.program_rss_settled), "1.00"});
        now.rows.push_back({"back at the portal, others unloaded, " + figures.platform, Kib(figures.program_rss_returned),
                            Kib(figures.program_rss_settled),
                            Ratio(figures.program_rss_returned, figures.program_rss_settled)});
    }
    Section kinds{"Resident memory by kind (/proc/self/smaps, medians): the bare window at its first paint, the program after every window opened once",
                  {"", "boxi", "bare Qt", "difference"}, {}};
    const std::map<std::string, std::string> kind_names = {
        {"private", "private: heap, buffers, stacks"}, {"fonts", "font files mapped"}, {"code", "program and libraries"}};
    for (const StartupFigures& figures : startup) {
        if (!figures.error.empty())
            continue;
        for (const std::string& kind : kRssKinds) {
            const double program = figures.program_walked_kinds.at(kind), bare = figures.bare_painted_kinds.at(kind);
            kinds.rows.push_back({kind_names.at(kind) + ", " + figures.platform, Kib(program), Kib(bare),
                                  (program >= bare ? "+" : "-") + Kib(std::abs(program - bare))});
        }
    }
    sections.push_back(memory);
    sections.push_back(kinds);
    sections.push_back(now);

    const std::string run_program = std::string(BOXI_SOURCE_DIR) + "/build/run/src/desktop/boxi";
    auto release = FileSize(BOXI_BENCH_PROGRAM), bare = FileSize(BOXI_BENCH_BARE_CHILD);
    auto release_stripped = StrippedSize(BOXI_BENCH_PROGRAM), bare_stripped = StrippedSize(BOXI_BENCH_BARE_CHILD);
    auto run_build = FileSize(run_program), run_stripped = StrippedSize(run_program);
    Section size{"Binary size (Qt's shared libraries not counted)", {"", "file", "stripped", "vs bare, stripped"}, {}};
    size.rows.push_back({"boxi, build/run (RelWithDebInfo)", run_build ? Bytes(run_build) : "not built",
                         Bytes(run_stripped), Ratio(run_stripped, bare_stripped)});
    size.rows.push_back({"boxi, build/bench (Release)", Bytes(release), Bytes(release_stripped),
                         Ratio(release_stripped, bare_stripped)});
    size.rows.push_back({"bare Qt window (Release)", Bytes(bare), Bytes(bare_stripped), "1.00"});
    sections.push_back(size);

    Print(sections);
    std::printf("\nTargets\n");
    for (const std::string& verdict : verdicts)
        std::printf("  %s\n", verdict.c_str());
}

}  // namespace boxi::bench
