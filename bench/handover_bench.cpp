// Every handover of the chapter and case roads, timed one round at a time:
// in the window model alone, then with the desktop renderer on Qt's
// offscreen platform until the window the learner goes to has been painted.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
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
    desktop::ScheduleWarmUp(app.runtime(), [&warmed] { warmed = true; });
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
