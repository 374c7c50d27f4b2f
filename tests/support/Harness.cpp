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

void AppTest::OpenFromCaseChooser(const std::string& name)
{
    if (!app.form10.is_visible()) {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command4));
    }
    ASSERT_TRUE(rt().Type(app.form10.Combo1, name));
    ASSERT_TRUE(rt().Click(app.form10.Command2));
    fake.ClearJournal();
}

void AppTest::ExpectRightClickGuard(ui::TextBox& box, const std::string& popup)
{
    SCOPED_TRACE(popup);
    const std::string text = box.text();
    fake.ClearJournal();
    ASSERT_TRUE(rt().MouseDown(box, ui::kLeftButton));
    EXPECT_TRUE(fake.journal().empty());
    fake.ChooseNextPopupItem(0);  // the item does nothing
    ASSERT_TRUE(rt().MouseDown(box, ui::kRightButton, 0, 40, 40));
    EXPECT_EQ(fake.journal(), (std::vector<std::string>{popup}));
    EXPECT_EQ(box.text(), text);
    EXPECT_TRUE(box.enabled());
}

}  // namespace boxi::testing
