#include "support/Journal.h"

#include <algorithm>

namespace boxi::testing {

std::string DescribeLifecycle(ui::Lifecycle step, const ui::Window* window)
{
    static constexpr const char* names[] = {"load", "show", "hide", "unload", "end"};
    std::string entry = names[static_cast<int>(step)];
    if (window)
        entry += " " + window->name();
    return entry;
}

void AdvanceClock(ui::Runtime& runtime, platform::FakePlatform& fake, std::int64_t ms)
{
    const std::int64_t target = fake.now_ms + ms;
    while (!runtime.ended()) {
        auto due = runtime.NextTimerDue();
        if (!due || *due > target)
            break;
        fake.now_ms = std::max(fake.now_ms, *due);
        runtime.FireDueTimers(fake.now_ms);
    }
    fake.now_ms = target;
}

}  // namespace boxi::testing
