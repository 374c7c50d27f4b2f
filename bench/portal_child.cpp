// The program started as src/desktop/main.cpp starts it, for the start-up
// and memory figures: it prints one "painted" line once the portal is first
// painted, then ends at once. With --walk it first opens every window once,
// printing "walk INDEX NS" for each handover (click to painted), then a
// "walked" line.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "PaintProbe.h"
#include "Roads.h"
#include "app/App.h"
#include "desktop/DesktopProgram.h"
#include "desktop/WindowView.h"
#include "ui/Window.h"

int main(int argc, char** argv)
{
    using namespace boxi;
    bench::StartupStamps stamps;
    stamps.main = bench::MonotonicNs();
    const bool walk = argc > 1 && std::string_view(argv[1]) == "--walk";

    // From here to exec() as in src/desktop/main.cpp, with the probe added.
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("boxi"));
    application.setQuitOnLastWindowClosed(false);
    bench::PaintProbe probe;
    stamps.qapp = bench::MonotonicNs();

    desktop::DesktopProgram program;
    App& app = program.app();
    desktop::Renderer& renderer = program.renderer();
    stamps.built = bench::MonotonicNs();

    // The walk starts once the program is warmed up after its first paint,
    // as a learner's first click comes after that.
    auto walk_every_window = [&] {
        bench::PaintProbe::Drain();
        bench::PrintCurrentRss("settled");
        int index = 0;
        for (const bench::WalkStep& step : bench::EveryWindowOnce()) {
            if (step.prepare) {
                step.prepare(app);
                bench::PaintProbe::Drain();
            }
            probe.Reset();
            const std::int64_t start = bench::MonotonicNs();
            step.step(app);
            if (!probe.WaitPainted([&] { return renderer.ViewOf(step.target(app)); })) {
                std::fprintf(stderr, "not painted: %s\n", step.target(app).name().c_str());
                std::_Exit(2);
            }
            std::printf("walk %d %lld\n", index++, static_cast<long long>(bench::MonotonicNs() - start));
        }
        bench::PrintWalked();
        // Back at the portal as a learner gets there, then every other
        // window unloaded: what they held should be given back.
        app.runtime().Click(app.form10.Command1);
        app.runtime().Click(app.form60.Command7);
        app.runtime().Run([&] {
            for (ui::Window* window : app.runtime().windows()) {
                if (window != &app.form8)
                    window->Unload();
            }
        });
        // Past the program's give-back, a second after the last unload.
        const std::int64_t until = bench::MonotonicNs() + (desktop::kGiveBackAfterMs + 500) * std::int64_t{1'000'000};
        while (bench::MonotonicNs() < until)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        bench::PaintProbe::Drain();
        if (!app.form8.is_visible()) {
            std::fprintf(stderr, "not back at the portal\n");
            std::_Exit(2);
        }
        bench::PrintCurrentRss("returned");
        std::_Exit(0);
    };
    probe.on_first_paint = [&] {
        bench::PrintPainted(stamps, probe);
        if (!walk)
            std::_Exit(0);
    };

    program.Start([&] {
        if (walk)
            walk_every_window();
    });
    stamps.shown = bench::MonotonicNs();
    if (app.runtime().ended())
        return 1;
    return application.exec();
}
