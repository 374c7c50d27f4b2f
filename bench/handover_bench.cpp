// Every handover of the chapter and case roads, timed one round at a time:
// in the window model alone, then with the desktop renderer on Qt's
// offscreen platform until the window the learner goes to has been painted.
#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "PaintProbe.h"
#include "Results.h"
#include "Roads.h"
#include "app/App.h"
#include "desktop/DesktopProgram.h"
#include "desktop/Renderer.h"
#include "desktop/WindowView.h"
#include "platform/FakePlatform.h"
#include "ui/Window.h"

namespace boxi::bench {
namespace {

void AnswerEveryBox(platform::FakePlatform& fake)
{
    // Yes to the login's confirmation, OK to everything else.
    fake.box_answerer = [](const platform::MessageBoxRequest& request) {
        return request.buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::Yes : platform::MsgAnswer::Ok;
    };
}

// The visible window the learner sees in front.
ui::Window* FrontWindow(App& app)
{
    ui::Window* front = nullptr;
    for (ui::Window* window : app.runtime().windows()) {
        if (window->is_visible() && (!front || window->z_order() > front->z_order()))
            front = window;
    }
    return front;
}

void ModelHandover(benchmark::State& state, const Handover& handover)
{
    platform::FakePlatform fake;
    AnswerEveryBox(fake);
    App app(fake);
    app.Start();
    handover.reach(app);
    std::vector<double>& samples = TheResults().model_handovers[std::string(handover.name)];
    int round = 0;
    for (auto _ : state) {
        if (handover.prepare)
            handover.prepare(app, round);
        const std::int64_t start = MonotonicNs();
        handover.step(app, round);
        const std::int64_t end = MonotonicNs();
        if (!handover.target(app).is_visible()) {
            state.SkipWithError("the window to go to is not shown");
            break;
        }
        samples.push_back(static_cast<double>(end - start));
        state.SetIterationTime(static_cast<double>(end - start) * 1e-9);
        if (handover.back)
            handover.back(app);
        fake.ClearJournal();
        ++round;
    }
}

// Qt's notes (the offscreen platform cannot raise windows, ...) go to a
// log file, not between the bench's lines.
void LogQtMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    static FILE* log = std::fopen(BOXI_BENCH_BINARY_DIR "/qt-messages.log", "w");
    if (log) {
        std::fprintf(log, "%s\n", message.toLocal8Bit().constData());
        std::fflush(log);
    }
}

QApplication& Application()
{
    static int argc = 3;
    static char name[] = "boxi_bench";
    static char platform_flag[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platform_flag, platform, nullptr};
    static QApplication* application = [] {
        qInstallMessageHandler(LogQtMessage);
        auto* made = new QApplication(argc, argv);
        made->setApplicationName(QStringLiteral("boxi"));
        made->setQuitOnLastWindowClosed(false);
        return made;
    }();
    return *application;
}

void RenderHandover(benchmark::State& state, const Handover& handover)
{
    Application();
    platform::FakePlatform fake;
    AnswerEveryBox(fake);
    App app(fake);
    desktop::Renderer renderer(app.runtime());
    PaintProbe probe;
    auto view_of = [&](ui::Window& window) { return [&renderer, &window]() -> const QWidget* { return renderer.ViewOf(window); }; };

    app.Start();
    if (!probe.WaitPainted(view_of(app.form8))) {
        state.SkipWithError("the portal was not painted");
        return;
    }
    // As the program does: warm up once the portal is on screen.
    bool warmed = false;
    desktop::ScheduleWarmUp(app.runtime(), renderer, [&warmed] { warmed = true; });
    while (!warmed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    handover.reach(app);
    PaintProbe::Drain();
    ui::Window* start_window = FrontWindow(app);
    std::vector<double>& samples = TheResults().render_handovers[std::string(handover.name)];
    int round = 0;
    for (auto _ : state) {
        if (handover.prepare) {
            handover.prepare(app, round);
            PaintProbe::Drain();
        }
        probe.Reset();
        const std::int64_t start = MonotonicNs();
        handover.step(app, round);
        const bool painted = probe.WaitPainted(view_of(handover.target(app)));
        const std::int64_t end = MonotonicNs();
        if (!painted) {
            state.SkipWithError("the window to go to was not painted");
            break;
        }
        samples.push_back(static_cast<double>(end - start));
        state.SetIterationTime(static_cast<double>(end - start) * 1e-9);
        if (handover.back) {
            // A start window that comes back is painted before the next
            // round, so that its paint is not counted there.
            const QWidget* before = start_window ? renderer.ViewOf(*start_window) : nullptr;
            const bool was_visible = before && before->isVisible();
            probe.Reset();
            handover.back(app);
            if (start_window && (renderer.ViewOf(*start_window) != before || !was_visible))
                probe.WaitPainted(view_of(*start_window), 500);
            PaintProbe::Drain();
        }
        fake.ClearJournal();
        ++round;
    }
}

}  // namespace

void RegisterHandoverBenchmarks()
{
    for (const Handover& handover : Handovers()) {
        std::string name(handover.name);
        TheResults().handover_order.push_back(name);
        benchmark::RegisterBenchmark(("model/" + name).c_str(), ModelHandover, handover)
            ->Iterations(kModelRounds)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    for (const Handover& handover : Handovers()) {
        std::string name(handover.name);
        benchmark::RegisterBenchmark(("render/" + name).c_str(), RenderHandover, handover)
            ->Iterations(kRenderRounds)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace boxi::bench

namespace boxi::bench {
namespace {

// Closes the analysis, choice and progress windows and shows the task window
// if the toolbar hid it.
void ShowTaskWindow(App& app)
{
    ui::Runtime& rt = app.runtime();
    rt.Click(app.form9.Command2);
    rt.Click(app.form20.Image3);
    rt.Click(app.form15.Command2);
    if (!app.form16.is_visible())
        rt.Click(app.form42.Label6);
}

// A two-hour exam under random events, rendered offscreen: the toolbar, the
// task window, the choice window and its analysis, the progress page, and
// now and then the review and a fresh exam. The virtual clock moves up to
// three seconds after each event, so every tick of the countdown is
// delivered. The resident set is read after the first quarter of an hour,
// then every ten minutes and at the end, each time with the task window in
// front.
void TwoHourExam(benchmark::State& state)
{
    Application();
    Results::Endurance figures;
    for (auto _ : state) {
        platform::FakePlatform fake;
        AnswerEveryBox(fake);
        App app(fake);
        desktop::Renderer renderer(app.runtime());
        PaintProbe probe;
        app.Start();
        if (!probe.WaitPainted([&]() -> const QWidget* { return renderer.ViewOf(app.form8); })) {
            figures.error = "the portal was not painted";
            break;
        }
        bool warmed = false;
        desktop::ScheduleWarmUp(app.runtime(), renderer, [&warmed] { warmed = true; });
        while (!warmed)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ReachExam(app);
        PaintProbe::Drain();
        if (!app.form42.is_visible()) {
            figures.error = "the exam did not start";
            break;
        }
        ui::Runtime& rt = app.runtime();
        std::uint64_t seed = 20261210;
        auto pick = [&seed](std::uint64_t n) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<int>((seed >> 33) % n);
        };
        const std::int64_t start_ms = fake.now_ms;
        constexpr std::int64_t kRunMs = 120 * 60000, kWarmMs = 15 * 60000, kSampleMs = 10 * 60000;
        std::int64_t next_sample = start_ms + kWarmMs;
        const std::int64_t wall_start = MonotonicNs();
        while (fake.now_ms - start_ms < kRunMs) {
            switch (pick(16)) {
            case 0: rt.Click(app.form42.Label6); break;
            case 1: case 2: rt.Click(app.form16.Command1); break;
            case 3: case 4: rt.Click(app.form20.Label3(pick(20) + 1)); break;
            case 5: case 6: rt.Click(app.form20.Option1(pick(4))); break;
            case 7: rt.Click(app.form20.Image2(pick(2))); break;
            case 8: rt.Click(app.form20.Command1); break;
            case 9: rt.Click(app.form9.Command2); break;
            case 10: rt.Click(app.form20.Image3); break;
            case 11: rt.Click(app.form42.Label8); break;
            case 12: case 13: rt.Click(app.form15.Command2); break;
            case 14:
                if (pick(20) == 0 && rt.Click(app.form15.Command1))
                    rt.Click(app.form1.Command1);
                break;
            default: break;
            }
            // After the review (or the time-up), the next exam.
            if (app.form43.is_visible() && !app.form42.is_visible()) {
                StartExamAgain(app);
                ++figures.exams;
            }
            ++figures.events;
            fake.now_ms += pick(3001);
            rt.FireDueTimers(fake.now_ms);
            PaintProbe::Drain();
            if (fake.now_ms >= next_sample) {
                // Read in one state each time, the task window in front
                // under the toolbar: an open choice window alone holds
                // several MiB of pictures and backing store, and a task
                // window hidden from the toolbar gives its backing store back.
                ShowTaskWindow(app);
                for (int round = 0; round < 3; ++round)
                    PaintProbe::Drain();
                const long rss = CurrentRssKib();
                if (figures.warm_kib == 0)
                    figures.warm_kib = rss;
                figures.highest_kib = std::max(figures.highest_kib, rss);
                next_sample += kSampleMs;
            }
        }
        ShowTaskWindow(app);
        for (int round = 0; round < 5; ++round)
            PaintProbe::Drain();
        figures.end_kib = CurrentRssKib();
        figures.highest_kib = std::max(figures.highest_kib, figures.end_kib);
        figures.seconds = static_cast<double>(MonotonicNs() - wall_start) * 1e-9;
        state.SetIterationTime(figures.seconds);
    }
    TheResults().endurance = figures;
}

}  // namespace

void RegisterEnduranceBenchmark()
{
    benchmark::RegisterBenchmark("exam/two-hour exam under random events", TwoHourExam)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
}

}  // namespace boxi::bench

namespace boxi::bench {
namespace {

std::int64_t ProcessCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

// The program as it runs, on the real clock: the exam toolbar counting,
// then a message box that waits ten seconds for the learner while the
// toolbar's ticks fall due. The process's CPU time over that wait.
void ModalWait(benchmark::State& state)
{
    Application();
    constexpr int kWaitMs = 10000;
    for (auto _ : state) {
        desktop::DesktopProgram program;
        App& app = program.app();
        bool warmed = false;
        program.Start([&warmed] { warmed = true; });
        while (!warmed)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        app.runtime().Run([&] { app.form42.Show(); });
        PaintProbe::Drain();
        QTimer::singleShot(kWaitMs, qApp, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        const std::int64_t cpu_start = ProcessCpuNs(), wall_start = MonotonicNs();
        app.runtime().Run([&] {
            app.platform().MessageBox({.text = "考试时间到！", .title = "提示"});
        });
        const std::int64_t cpu = ProcessCpuNs() - cpu_start, wall = MonotonicNs() - wall_start;
        if (wall < kWaitMs * 900000LL) {
            state.SkipWithError("the box did not wait");
            break;
        }
        TheResults().modal_cpu_percent = 100.0 * static_cast<double>(cpu) / static_cast<double>(wall);
        state.SetIterationTime(static_cast<double>(wall) * 1e-9);
    }
}

}  // namespace

void RegisterModalWaitBenchmark()
{
    benchmark::RegisterBenchmark("exam/modal box waits", ModalWait)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
}

}  // namespace boxi::bench
