#include "support/Harness.h"

namespace boxi::testing {

void JournalObserver::OnLifecycle(ui::Lifecycle step, ui::Window* window)
{
    fake_.Record(DescribeLifecycle(step, window));
}

std::vector<std::string> LoadedWindows(const ui::Runtime& runtime)
{
    std::vector<std::string> names;
    for (const ui::Window* window : runtime.windows()) {
        if (window->is_loaded())
            names.push_back(window->name());
    }
    return names;
}

std::vector<std::string> VisibleWindows(const ui::Runtime& runtime)
{
    std::vector<std::string> names;
    for (const ui::Window* window : runtime.windows()) {
        if (window->is_visible())
            names.push_back(window->name());
    }
    return names;
}

AppTest::AppTest()
{
    app.runtime().AddObserver(&journal_);
    fake.name_of = [this](platform::WindowHandle handle) {
        ui::Window* window = app.runtime().FindWindow(handle);
        return window ? window->name() : "hwnd" + std::to_string(handle);
    };
    fake.on_unscripted_box = [](const platform::MessageBoxRequest& request) {
        ADD_FAILURE() << "message box with no scripted answer: " << request.text;
    };
}

AppTest::~AppTest()
{
    app.runtime().RemoveObserver(&journal_);
    EXPECT_EQ(fake.pending_box_answers(), 0u) << "scripted message-box answers were not used";
    EXPECT_EQ(app.runtime().caught_exceptions(), 0u) << "an exception left an event operation";
}

void AppTest::StartFresh()
{
    app.Start();
    fake.ClearJournal();
}

}  // namespace boxi::testing
