#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "platform/FakePlatform.h"
#include "support/Journal.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::testing {

// Writes window lifecycle steps into the fake's journal, so one journal
// holds windows and platform calls in the order they happened.
class JournalObserver : public ui::RuntimeObserver {
public:
    explicit JournalObserver(platform::FakePlatform& fake) : fake_(fake) {}
    void OnLifecycle(ui::Lifecycle step, ui::Window* window) override;

private:
    platform::FakePlatform& fake_;
};

// Names of the windows that are loaded, and of those that are visible.
std::vector<std::string> LoadedWindows(const ui::Runtime& runtime);
std::vector<std::string> VisibleWindows(const ui::Runtime& runtime);

// A fresh program on a recording platform, for each test. A message box
// with no scripted answer fails the test.
class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Starts the program on the portal and forgets the journal so far.
    void StartFresh();
    // Runs a piece of code as one event operation, as window code runs.
    template <typename F>
    void Run(F&& f)
    {
        app.runtime().Run(std::forward<F>(f));
    }
    void Advance(std::int64_t ms) { AdvanceClock(app.runtime(), fake, ms); }
    // Opens `name` from the case chooser ("确定"), entering the chooser from
    // the portal when it is not on screen, and forgets the journal so far.
    void OpenFromCaseChooser(const std::string& name);
    // A guarded box: a left press does nothing; a right press pops exactly
    // `popup` (the journal's line) and leaves the text and the box as they were.
    void ExpectRightClickGuard(ui::TextBox& box, const std::string& popup);
    ui::Runtime& rt() { return app.runtime(); }

    platform::FakePlatform fake;
    App app{fake};

private:
    JournalObserver journal_{fake};
};

}  // namespace boxi::testing
