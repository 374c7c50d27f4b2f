#pragma once

#include <cstdint>
#include <string>

#include "platform/FakePlatform.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::testing {

// "load Form8", "show Form8", ..., "end": a lifecycle step as journals
// write it.
std::string DescribeLifecycle(ui::Lifecycle step, const ui::Window* window);

// Moves the fake's virtual clock on by `ms`, delivering every timer tick
// that falls due on the way at its own time.
void AdvanceClock(ui::Runtime& runtime, platform::FakePlatform& fake, std::int64_t ms);

}  // namespace boxi::testing
