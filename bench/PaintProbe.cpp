#include "PaintProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>

namespace boxi::bench {

PaintProbe::PaintProbe() { qApp->installEventFilter(this); }

PaintProbe::~PaintProbe() { qApp->removeEventFilter(this); }

bool PaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        painted_.insert(static_cast<QWidget*>(watched)->window());
        if (first_paint_ns_ == 0) {
            first_paint_ns_ = MonotonicNs();
            // Queued, so that the whole window is painted and flushed first.
            if (on_first_paint)
                QTimer::singleShot(0, qApp, on_first_paint);
        }
    }
    return false;
}

bool PaintProbe::WaitPainted(const std::function<const QWidget*()>& view_of, int timeout_ms)
{
    const std::int64_t deadline = MonotonicNs() + std::int64_t{timeout_ms} * 1000000;
    do {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (Painted(view_of()))
            return true;
    } while (MonotonicNs() < deadline);
    return false;
}

void PaintProbe::Drain()
{
    for (int round = 0; round < 3; ++round) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

std::int64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

long PeakRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long CurrentRssKib()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

RssByKind CurrentRssByKind()
{
    RssByKind kinds;
    FILE* smaps = std::fopen("/proc/self/smaps", "r");
    if (!smaps)
        return kinds;
    char line[4096];
    long* into = &kinds.private_kib;
    while (std::fgets(line, sizeof line, smaps)) {
        unsigned long from = 0, to = 0;
        if (std::sscanf(line, "%lx-%lx", &from, &to) == 2 && std::strchr(line, ':')) {
            // A mapping's header: "from-to perms offset dev inode [path]".
            const char* path = std::strchr(line, '/');
            std::string_view name = path ? std::string_view(path) : std::string_view();
            const bool font = name.find("/fonts/") != std::string_view::npos || name.find(".ttc") != std::string_view::npos ||
                              name.find(".ttf") != std::string_view::npos || name.find(".otf") != std::string_view::npos;
            // Shared memory (the X server's window images) is memory of the
            // program's own, not a file it maps.
            const bool shared_memory = name.rfind("/SYSV", 0) == 0 || name.rfind("/dev/shm/", 0) == 0 ||
                                       name.rfind("/memfd:", 0) == 0 || name.find(" (deleted)") != std::string_view::npos;
            into = !path || shared_memory ? &kinds.private_kib : font ? &kinds.fonts_kib : &kinds.code_kib;
            continue;
        }
        long kib = 0;
        if (std::sscanf(line, "Rss: %ld kB", &kib) == 1)
            *into += kib;
    }
    std::fclose(smaps);
    return kinds;
}

namespace {

void PrintKinds()
{
    const RssByKind kinds = CurrentRssByKind();
    std::printf(" private=%ld fonts=%ld code=%ld\n", kinds.private_kib, kinds.fonts_kib, kinds.code_kib);
}

}  // namespace

void PrintPainted(const StartupStamps& stamps, const PaintProbe& probe)
{
    std::printf("painted done=%lld main=%lld qapp=%lld built=%lld shown=%lld paint=%lld rss=%ld",
                static_cast<long long>(MonotonicNs()), static_cast<long long>(stamps.main),
                static_cast<long long>(stamps.qapp), static_cast<long long>(stamps.built),
                static_cast<long long>(stamps.shown), static_cast<long long>(probe.first_paint_ns()), PeakRssKib());
    PrintKinds();
    std::fflush(stdout);
}

void PrintWalked()
{
    std::printf("walked rss=%ld", PeakRssKib());
    PrintKinds();
    std::fflush(stdout);
}

}  // namespace boxi::bench

namespace boxi::bench {

void PrintCurrentRss(const char* what)
{
    std::printf("%s rss=%ld\n", what, CurrentRssKib());
    std::fflush(stdout);
}

}  // namespace boxi::bench
