#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <unordered_set>

class QWidget;

namespace boxi::bench {

// Watches every paint event of the application and notes which top-level
// windows were painted since the last Reset; the first paint of all can
// call back, which is how a child process tells its parent it is on screen.
class PaintProbe : public QObject {
public:
    PaintProbe();
    ~PaintProbe() override;

    void Reset() { painted_.clear(); }
    bool Painted(const QWidget* top_level) const { return top_level && painted_.count(top_level) > 0; }

    // Runs the event loop by hand (events, then deferred deletes) until the
    // window `view_of()` names has been painted; false after `timeout_ms`.
    bool WaitPainted(const std::function<const QWidget*()>& view_of, int timeout_ms = 2000);
    // Lets pending work finish: a few rounds of events and deferred deletes.
    static void Drain();

    // Called once, queued after the paint pass that painted first.
    std::function<void()> on_first_paint;
    std::int64_t first_paint_ns() const { return first_paint_ns_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_set<const QWidget*> painted_;
    std::int64_t first_paint_ns_ = 0;
};

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process.
std::int64_t MonotonicNs();

// Peak resident set of this process, in KiB.
long PeakRssKib();
// Resident set of this process now, in KiB: what it holds, not what it held.
long CurrentRssKib();

// The resident set now by kind, in KiB: private memory (heap, buffers,
// stacks), pages of font files mapped by FreeType, and pages of the
// program and its libraries.
struct RssByKind {
    long private_kib = 0;
    long fonts_kib = 0;
    long code_kib = 0;
};
RssByKind CurrentRssByKind();

// When each start-up stage of a child process ended, on MonotonicNs.
struct StartupStamps {
    std::int64_t main = 0;   // main() entered: loading and static set-up done
    std::int64_t qapp = 0;   // QApplication made and set up
    std::int64_t built = 0;  // the program's objects, or the bare window, built
    std::int64_t shown = 0;  // the first window asked to show
};

// The line a child prints when its first paint is done:
// "painted done=NS main=NS qapp=NS built=NS shown=NS paint=NS rss=KIB
// private=KIB fonts=KIB code=KIB" (peak, then the resident set by kind).
void PrintPainted(const StartupStamps& stamps, const PaintProbe& probe);
// The line after the walk through every window: "walked rss=KIB
// private=KIB fonts=KIB code=KIB".
void PrintWalked();
// "WHAT rss=KIB" with the resident set now: "settled" with the portal alone
// after the warm-up, "returned" back at the portal with every other window
// unloaded.
void PrintCurrentRss(const char* what);

}  // namespace boxi::bench
