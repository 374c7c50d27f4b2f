// The exam's whole countdown on the virtual clock: from the toolbar's load
// to a minute past the time-up, every tick delivered at its own time, the
// alarm and the time-up box included.
#include <benchmark/benchmark.h>

#include "PaintProbe.h"
#include "Results.h"
#include "app/App.h"
#include "platform/FakePlatform.h"

namespace boxi::bench {
namespace {

constexpr std::int64_t kPastTimeUpMs = 119 * 63000 + 60000;

void WholeCountdown(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        platform::FakePlatform fake;
        fake.box_answerer = [](const platform::MessageBoxRequest&) { return platform::MsgAnswer::Ok; };
        App app(fake);
        app.Start();
        app.runtime().Run([&] { app.form42.Show(); });
        state.ResumeTiming();

        const std::int64_t start = MonotonicNs();
        ui::Runtime& rt = app.runtime();
        const std::int64_t target = fake.now_ms + kPastTimeUpMs;
        for (auto due = rt.NextTimerDue(); due && *due <= target; due = rt.NextTimerDue()) {
            fake.now_ms = *due;
            rt.FireDueTimers(fake.now_ms);
        }
        const std::int64_t end = MonotonicNs();
        if (app.form42.MinutesLeft != 0 || !app.form15.is_visible() || !app.form17.is_visible()) {
            state.SkipWithError("the countdown did not reach the time-up");
            break;
        }
        TheResults().countdown.push_back(static_cast<double>(end - start));
        state.SetIterationTime(static_cast<double>(end - start) * 1e-9);
    }
}

}  // namespace

void RegisterExamClockBenchmarks()
{
    benchmark::RegisterBenchmark("exam/whole countdown", WholeCountdown)
        ->Iterations(20)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace boxi::bench
