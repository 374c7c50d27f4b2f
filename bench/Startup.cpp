#include "Startup.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

#include "PaintProbe.h"
#include "Results.h"
#include "Roads.h"

extern char** environ;

namespace boxi::bench {
namespace {

constexpr int kChildTimeoutMs = 20000;
constexpr int kWalkRuns = 7;

struct ChildRun {
    bool ok = false;
    std::int64_t spawned = 0;
    std::int64_t painted_read = 0;  // when the "painted" line arrived
    std::map<std::string, long long> painted;
    long long walked_rss = 0;
    std::map<std::string, long long> walked;
    long long settled_rss = 0;
    long long returned_rss = 0;
    std::vector<double> walk;  // nanoseconds per step
    std::string error;
};

std::map<std::string, long long> Fields(const std::string& line)
{
    std::map<std::string, long long> fields;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        auto eq = word.find('=');
        if (eq != std::string::npos)
            fields[word.substr(0, eq)] = std::stoll(word.substr(eq + 1));
    }
    return fields;
}

// The environment of this process with QT_QPA_PLATFORM set to `platform`.
std::vector<std::string> ChildEnvironment(const std::string& platform)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*entry);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    return env;
}

// Spawns `program` with its output on a pipe and reads its lines until it
// ends, noting when the "painted" line came in.
ChildRun Spawn(const std::string& program, bool walk, const std::string& platform, const std::string& log_path)
{
    ChildRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        run.error = "pipe failed";
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log_path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    std::vector<std::string> env = ChildEnvironment(platform);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = program, arg1 = "--walk";
    std::vector<char*> argv = {arg0.data()};
    if (walk)
        argv.push_back(arg1.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    run.spawned = MonotonicNs();
    int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        run.error = "cannot start " + program + ": " + std::strerror(failed);
        return run;
    }

    std::string pending;
    const std::int64_t deadline = run.spawned + std::int64_t{kChildTimeoutMs} * 1000000;
    bool timed_out = false;
    for (;;) {
        const std::int64_t left_ms = (deadline - MonotonicNs()) / 1000000;
        if (left_ms <= 0) {
            timed_out = true;
            break;
        }
        pollfd fd{out[0], POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left_ms)) <= 0)
            continue;
        char buffer[512];
        ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        const std::int64_t now = MonotonicNs();
        pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.rfind("painted ", 0) == 0) {
                run.painted_read = now;
                run.painted = Fields(line);
            } else if (line.rfind("walk ", 0) == 0) {
                std::istringstream words(line.substr(5));
                size_t index = 0;
                long long ns = 0;
                words >> index >> ns;
                run.walk.resize(std::max(run.walk.size(), index + 1));
                run.walk[index] = static_cast<double>(ns);
            } else if (line.rfind("walked ", 0) == 0) {
                run.walked = Fields(line);
                run.walked_rss = run.walked["rss"];
            } else if (line.rfind("settled ", 0) == 0) {
                run.settled_rss = Fields(line)["rss"];
            } else if (line.rfind("returned ", 0) == 0) {
                run.returned_rss = Fields(line)["rss"];
            }
        }
    }
    close(out[0]);
    if (timed_out)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (timed_out)
        run.error = program + " did not paint within the time allowed";
    else if (run.painted_read == 0)
        run.error = program + " ended without painting (see " + log_path + ")";
    else if (walk && (run.walked_rss == 0 || run.returned_rss == 0))
        run.error = program + " did not open every window (see " + log_path + ")";
    else
        run.ok = true;
    return run;
}

std::vector<double> Stages(const ChildRun& run)
{
    const auto& f = run.painted;
    auto at = [&](const char* key) { return static_cast<double>(f.at(key)); };
    return {at("main") - static_cast<double>(run.spawned), at("qapp") - at("main"), at("built") - at("qapp"),
            at("shown") - at("built"), at("paint") - at("shown"), at("done") - at("paint")};
}

std::vector<double> ColumnMedians(const std::vector<std::vector<double>>& runs)
{
    std::vector<double> medians;
    for (size_t stage = 0; !runs.empty() && stage < runs.front().size(); ++stage) {
        std::vector<double> values;
        for (const auto& run : runs)
            values.push_back(run[stage]);
        medians.push_back(Median(values));
    }
    return medians;
}

}  // namespace

StartupFigures MeasureStartup(const std::string& platform, int runs, const std::string& log_path)
{
    StartupFigures figures;
    figures.platform = platform;
    figures.runs = runs;
    std::vector<std::vector<double>> program_stages, bare_stages;
    std::vector<double> program_rss, bare_rss, walked_rss, settled_rss, returned_rss;
    std::vector<std::vector<double>> walks;
    std::map<std::string, std::vector<double>> walked_kinds, bare_kinds;

    auto once = [&](bool program, bool counted) {
        ChildRun run = Spawn(program ? BOXI_BENCH_PORTAL_CHILD : BOXI_BENCH_BARE_CHILD, false, platform, log_path);
        if (!run.ok) {
            figures.error = run.error;
            return false;
        }
        if (!counted)
            return true;
        (program ? figures.program : figures.bare).push_back(static_cast<double>(run.painted_read - run.spawned));
        (program ? program_stages : bare_stages).push_back(Stages(run));
        (program ? program_rss : bare_rss).push_back(static_cast<double>(run.painted["rss"]));
        if (!program) {
            for (const std::string& kind : kRssKinds)
                bare_kinds[kind].push_back(static_cast<double>(run.painted[kind]));
        }
        return true;
    };

    // One of each first, uncounted, so that both start from a warm disk cache.
    if (!once(false, false) || !once(true, false))
        return figures;
    // In turns, each going first every other round.
    for (int round = 0; round < runs; ++round) {
        const bool program_first = round % 2 == 1;
        if (!once(program_first, true) || !once(!program_first, true))
            return figures;
    }
    for (int round = 0; round < kWalkRuns; ++round) {
        ChildRun run = Spawn(BOXI_BENCH_PORTAL_CHILD, true, platform, log_path);
        if (!run.ok) {
            figures.error = run.error;
            return figures;
        }
        walked_rss.push_back(static_cast<double>(run.walked_rss));
        settled_rss.push_back(static_cast<double>(run.settled_rss));
        returned_rss.push_back(static_cast<double>(run.returned_rss));
        walks.push_back(run.walk);
        for (const std::string& kind : kRssKinds)
            walked_kinds[kind].push_back(static_cast<double>(run.walked[kind]));
    }
    for (const std::string& kind : kRssKinds) {
        figures.program_walked_kinds[kind] = Median(walked_kinds[kind]);
        figures.bare_painted_kinds[kind] = Median(bare_kinds[kind]);
    }
    std::vector<double> walk_medians = ColumnMedians(walks);
    for (size_t step = 0; step < walk_medians.size() && step < EveryWindowOnce().size(); ++step)
        figures.first_handovers[std::string(EveryWindowOnce()[step].name)] = walk_medians[step];
    figures.program_stages = ColumnMedians(program_stages);
    figures.bare_stages = ColumnMedians(bare_stages);
    figures.program_rss_painted = Median(program_rss);
    figures.bare_rss_painted = Median(bare_rss);
    figures.program_rss_walked = Median(walked_rss);
    figures.program_rss_settled = Median(settled_rss);
    figures.program_rss_returned = Median(returned_rss);
    return figures;
}

}  // namespace boxi::bench
