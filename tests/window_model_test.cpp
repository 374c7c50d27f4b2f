// The rules of the window model, on small windows made for the tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FakePlatform.h"
#include "support/Harness.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::testing {
namespace {

// A window that records what it saw during its loads.
class Probe : public ui::Window {
public:
    Probe(ui::Runtime& runtime, std::string name) : ui::Window(runtime, std::move(name), {.caption = "Probe"}) {}

    ui::Label Label1{this, "Label1", {.caption = "design"}};
    ui::TextBox Text1{this, "Text1", {.text = "Text1", .multiline = true}};
    ui::CommandButton Command1{this, "Command1", {.caption = "go"}};
    ui::Frame Frame1{this, "Frame1", {}};
    ui::OptionButton OptionA{this, "Option1", {.caption = "A"}, &Frame1};
    ui::OptionButton OptionB{this, "Option1", {.caption = "B"}, &Frame1};
    ui::ListBox List1{this, "List1"};
    ui::Timer Timer1{this, "Timer1", {.interval = 1000}};
    ui::Timer Timer2{this, "Timer2", {.enabled = false, .interval = 500}};
    ui::ControlArray<ui::CommandButton> cmd{this, "cmd", {{0, {.caption = "上一题"}}, {1, {.caption = "下一题"}}}};

    std::function<void()> on_load;
    int loads = 0;
    std::vector<std::string> activations;  // "loaded"/"visible" as each saw it
    std::function<void()> on_activate;

protected:
    void Form_Load() override
    {
        ++loads;
        if (on_load)
            on_load();
    }
    void Form_Activate() override
    {
        activations.push_back(std::string(is_loaded() ? "loaded" : "not loaded") + (is_visible() ? " visible" : " hidden"));
        if (on_activate)
            on_activate();
    }
};

class WindowModelTest : public ::testing::Test {
protected:
    WindowModelTest()
    {
        runtime.AddObserver(&journal);
    }

    std::vector<std::string> Lifecycle() const
    {
        std::vector<std::string> steps;
        for (const auto& entry : fake.journal()) {
            if (entry.find('(') == std::string::npos)
                steps.push_back(entry);
        }
        return steps;
    }

    platform::FakePlatform fake;
    ui::Runtime runtime{fake};
    JournalObserver journal{fake};
    Probe a{runtime, "FormA"};
    Probe b{runtime, "FormB"};
};

TEST_F(WindowModelTest, every_kind_of_access_loads_the_window_hidden)
{
    struct Access {
        const char* what;
        std::function<void(Probe&)> touch;
    };
    const std::vector<Access> accesses = {
        {"read a caption", [](Probe& w) { (void)w.Label1.caption(); }},
        {"write a text", [](Probe& w) { w.Text1.set_text("x"); }},
        {"read visibility", [](Probe& w) { (void)w.Command1.visible(); }},
        {"read the handle", [](Probe& w) { (void)w.hWnd(); }},
        {"read the window caption", [](Probe& w) { (void)w.caption(); }},
        {"touch an array member", [](Probe& w) { (void)w.cmd(1).caption(); }},
        {"hide", [](Probe& w) { w.Hide(); }},
    };
    for (const auto& access : accesses) {
        SCOPED_TRACE(access.what);
        a.Unload();
        int loads_before = a.loads;
        runtime.Run([&] { access.touch(a); });
        EXPECT_TRUE(a.is_loaded());
        EXPECT_FALSE(a.is_visible());
        EXPECT_EQ(a.loads, loads_before + 1);
    }
}

TEST_F(WindowModelTest, unload_discards_state_and_hide_keeps_it)
{
    runtime.Run([&] {
        b.Show();
        a.Show();
        a.Label1.set_caption("changed");
        a.Hide();
    });
    EXPECT_EQ(a.Label1.caption(), "changed");
    EXPECT_EQ(a.loads, 1);

    runtime.Run([&] {
        a.Unload();
        a.Show();
    });
    EXPECT_EQ(a.Label1.caption(), "design");
    EXPECT_EQ(a.loads, 2);
}

// Renderers and tools peek without loading: before the first load they see
// the design, afterwards the current values; the design never changes.
TEST_F(WindowModelTest, peek_shows_the_design_before_the_first_load_and_never_loads)
{
    EXPECT_EQ(a.Label1.peek().caption, "design");
    EXPECT_FALSE(a.is_loaded());
    EXPECT_EQ(a.loads, 0);

    runtime.Run([&] { a.Label1.set_caption("changed"); });
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(a.Label1.peek().caption, "changed");
    EXPECT_EQ(a.Label1.design().caption, "design");

    runtime.Run([&] {
        a.Unload();
        a.Show();
    });
    EXPECT_EQ(a.Label1.peek().caption, "design");
}

TEST_F(WindowModelTest, activate_runs_at_every_show_after_the_load_and_before_the_show_is_told)
{
    runtime.Run([&] {
        a.Label1.caption();  // loads it hidden
        a.Hide();
    });
    EXPECT_TRUE(a.activations.empty());

    fake.ClearJournal();
    a.on_activate = [&] { EXPECT_EQ(Lifecycle(), std::vector<std::string>{}); };
    runtime.Run([&] { a.Show(); });
    a.on_activate = nullptr;
    runtime.Run([&] {
        a.Show();  // brought forward
        a.on_load = [&] { a.activations.push_back("load"); };
        a.Unload();
        a.Show();
    });
    EXPECT_EQ(a.activations, (std::vector<std::string>{"loaded visible", "loaded visible", "load", "loaded visible"}));
}

TEST_F(WindowModelTest, unloading_a_window_that_is_not_loaded_loads_nothing)
{
    runtime.Run([&] {
        b.Show();
        a.Unload();
    });
    EXPECT_FALSE(a.is_loaded());
    EXPECT_EQ(a.loads, 0);
    EXPECT_EQ(Lifecycle(), (std::vector<std::string>{"load FormB", "show FormB"}));
}

TEST_F(WindowModelTest, loads_nest_and_an_access_during_the_load_does_not_reload)
{
    std::vector<std::string> seen;
    a.on_load = [&] {
        a.Label1.set_caption("from load");  // its own control: no second load
        seen.push_back("A reads B: " + b.Label1.caption());
        a.Show();  // a window may show itself in its own load
    };
    b.on_load = [&] { seen.push_back("B loading"); };
    runtime.Run([&] { (void)a.Text1.text(); });

    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(b.loads, 1);
    EXPECT_TRUE(a.is_visible());
    EXPECT_FALSE(b.is_visible());
    EXPECT_EQ(seen, (std::vector<std::string>{"B loading", "A reads B: design"}));
    EXPECT_EQ(Lifecycle(), (std::vector<std::string>{"load FormA", "load FormB", "show FormA"}));
}

TEST_F(WindowModelTest, a_handler_may_unload_its_own_window_and_go_on)
{
    a.Command1.on_click = [&] {
        a.Hide();
        a.Unload();
        // Still running after the unload; a control access reloads afresh.
        b.Label1.set_caption(a.Label1.caption());
        b.Show();
        a.Unload();
    };
    runtime.Run([&] { a.Show(); });
    ASSERT_TRUE(runtime.Click(a.Command1));
    EXPECT_FALSE(a.is_loaded());
    EXPECT_EQ(b.Label1.caption(), "design");
    EXPECT_FALSE(runtime.ended());
}

TEST_F(WindowModelTest, the_program_ends_only_after_the_outermost_operation)
{
    a.Command1.on_click = [&] {
        a.Hide();
        a.Unload();  // nothing loaded here, for a moment
        b.Show();
    };
    runtime.Run([&] { a.Show(); });
    runtime.Click(a.Command1);
    EXPECT_FALSE(runtime.ended());

    b.Command1.on_click = [&] { b.Unload(); };
    runtime.Click(b.Command1);
    EXPECT_TRUE(runtime.ended());
    EXPECT_TRUE(fake.ended());
    EXPECT_EQ(Lifecycle().back(), "end");
    // After the end nothing reacts any more.
    EXPECT_FALSE(runtime.Click(b.Command1));
}

TEST_F(WindowModelTest, end_now_ends_at_once_with_windows_loaded)
{
    runtime.Run([&] {
        a.Show();
        b.Show();
        runtime.EndNow();
        a.Label1.set_caption("after");  // the operation still runs to its end
    });
    EXPECT_TRUE(runtime.ended());
    EXPECT_TRUE(a.is_loaded());
}

TEST_F(WindowModelTest, title_bar_close_unloads_only_that_window_and_ends_when_nothing_is_visible)
{
    runtime.Run([&] {
        a.Show();
        b.Show();
    });
    ASSERT_TRUE(runtime.CloseByTitleBar(b));
    EXPECT_FALSE(b.is_loaded());
    EXPECT_TRUE(a.is_visible());
    EXPECT_FALSE(runtime.ended());

    // A hidden window alone would keep an invisible program running.
    runtime.Run([&] { b.Hide(); });
    ASSERT_TRUE(b.is_loaded());
    ASSERT_TRUE(runtime.CloseByTitleBar(a));
    EXPECT_TRUE(runtime.ended());
}

TEST_F(WindowModelTest, closing_the_last_visible_window_with_a_button_ends_a_program_left_hidden)
{
    // B is left loaded and hidden under A, as chapter study under the
    // exercise window; A closing itself leaves nothing on screen.
    a.Command1.on_click = [&] {
        a.Hide();
        a.Unload();
    };
    runtime.Run([&] {
        b.Show();
        a.Show();
        b.Hide();
    });
    ASSERT_FALSE(runtime.ended());
    ASSERT_TRUE(runtime.Click(a.Command1));
    EXPECT_TRUE(runtime.ended());

    // Loading a window hidden, with nothing hidden or closed, is no end.
    platform::FakePlatform other;
    ui::Runtime quiet{other};
    Probe c{quiet, "FormC"};
    quiet.Run([&] { (void)c.Text1.text(); });
    EXPECT_FALSE(quiet.ended());
}

TEST_F(WindowModelTest, learner_input_reaches_only_visible_enabled_controls)
{
    int clicks = 0;
    a.Command1.on_click = [&] { ++clicks; };
    EXPECT_FALSE(runtime.Click(a.Command1));  // window not loaded
    runtime.Run([&] { a.Show(); });
    runtime.Run([&] { a.Command1.set_enabled(false); });
    EXPECT_FALSE(runtime.Click(a.Command1));
    runtime.Run([&] {
        a.Command1.set_enabled(true);
        a.Frame1.set_visible(false);
    });
    EXPECT_FALSE(runtime.Click(a.OptionA));  // inside a hidden frame
    EXPECT_TRUE(runtime.Click(a.Command1));
    EXPECT_EQ(clicks, 1);
}

// Pictures under later controls of the same container, stacked as the
// screen stacks them: one covered whole is out of reach, whatever covers it
// but a line, and so is all inside a frame covered whole; a partial cover or
// a hidden one leaves it reachable.
class Stack : public ui::Window {
public:
    explicit Stack(ui::Runtime& runtime) : ui::Window(runtime, "Stack", {.caption = "Stack"}) {}

    ui::Image UnderFrame{this, "UnderFrame", {.rect = {10, 10, 40, 20}}};
    ui::Image HalfCovered{this, "HalfCovered", {.rect = {90, 10, 40, 20}}};
    ui::Image UnderLabel{this, "UnderLabel", {.rect = {200, 10, 40, 20}}};
    ui::Image UnderHidden{this, "UnderHidden", {.rect = {10, 200, 40, 20}}};
    ui::Image UnderLine{this, "UnderLine", {.rect = {200, 200, 40, 20}}};
    ui::Frame Frame1{this, "Frame1", {.rect = {0, 0, 100, 100}}};
    ui::Image InFrame{this, "InFrame", {.rect = {10, 10, 40, 20}}, &Frame1};
    ui::Frame Frame2{this, "Frame2", {.rect = {300, 0, 50, 50}}};
    ui::Image InCoveredFrame{this, "InCoveredFrame", {.rect = {5, 5, 10, 10}}, &Frame2};
    ui::Label Label1{this, "Label1", {.rect = {200, 0, 60, 40}, .back_style = ui::BackStyle::Transparent}};
    ui::Frame Hidden{this, "Hidden", {.visible = false, .rect = {0, 190, 100, 40}}};
    ui::LineControl Line1{this, "Line1", {.rect = {190, 190, 100, 40}, .x1 = 190, .y1 = 210, .x2 = 290, .y2 = 210}};
    ui::Image Cover{this, "Cover", {.rect = {290, 0, 100, 100}}};
};

TEST_F(WindowModelTest, a_control_covered_whole_by_a_later_sibling_is_out_of_reach)
{
    Stack w{runtime};
    runtime.Run([&] { w.Show(); });
    struct Row {
        ui::Control& control;
        bool reachable;
    };
    const Row rows[] = {
        {w.UnderFrame, false}, {w.HalfCovered, true}, {w.UnderLabel, false},     {w.UnderHidden, true},
        {w.UnderLine, true},   {w.InFrame, true},     {w.InCoveredFrame, false}, {w.Cover, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(runtime.CanReach(row.control), row.reachable) << row.control.name();
    EXPECT_FALSE(runtime.Click(w.UnderFrame));

    // Hiding the cover brings what lies beneath back within reach.
    runtime.Run([&] {
        w.Cover.set_visible(false);
        w.Label1.set_visible(false);
    });
    EXPECT_TRUE(runtime.CanReach(w.InCoveredFrame));
    EXPECT_TRUE(runtime.CanReach(w.UnderLabel));

    // A control moved from code is judged where it stands; a load puts the
    // design back.
    runtime.Run([&] { w.HalfCovered.set_rect({60, 10, 30, 20}); });
    EXPECT_FALSE(runtime.CanReach(w.HalfCovered));
    runtime.Run([&] {
        w.Unload();
        w.Show();
    });
    EXPECT_TRUE(runtime.CanReach(w.HalfCovered));
    EXPECT_FALSE(runtime.CanReach(w.InCoveredFrame));
}

TEST_F(WindowModelTest, option_values_set_from_code_raise_the_click_only_when_asked)
{
    int clicks = 0;
    a.OptionA.on_click = [&] { ++clicks; };
    runtime.Run([&] { a.Show(); });
    EXPECT_FALSE(a.OptionA.value());
    EXPECT_FALSE(a.OptionB.value());  // a group may have none selected

    runtime.Run([&] { a.OptionA.set_value(true, ui::Notify::No); });
    EXPECT_EQ(clicks, 0);
    runtime.Run([&] { a.OptionB.set_value(true, ui::Notify::No); });
    EXPECT_FALSE(a.OptionA.value());  // one per group
    runtime.Run([&] { a.OptionA.set_value(true, ui::Notify::Yes); });
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(runtime.Click(a.OptionA));
    EXPECT_EQ(clicks, 2);
    runtime.Run([&] { a.OptionA.set_value(false, ui::Notify::Yes); });
    EXPECT_FALSE(a.OptionA.value());
    EXPECT_FALSE(a.OptionB.value());
    EXPECT_EQ(clicks, 2);
}

TEST_F(WindowModelTest, list_selection_from_code_raises_the_click_and_a_learner_cannot_clear_it)
{
    std::vector<int> clicks;
    a.List1.on_click = [&] { clicks.push_back(a.List1.list_index()); };
    runtime.Run([&] {
        a.Show();
        a.List1.AddItem("one");
        a.List1.AddItem("two");
        a.List1.set_list_index(0);
    });
    EXPECT_TRUE(runtime.Select(a.List1, 1));
    EXPECT_FALSE(runtime.Select(a.List1, -1));
    EXPECT_FALSE(runtime.Select(a.List1, 2));
    EXPECT_EQ(a.List1.text(), "two");
    EXPECT_EQ(clicks, (std::vector<int>{0, 1}));
}

TEST_F(WindowModelTest, control_arrays_share_one_handler_with_the_index)
{
    std::vector<int> clicked;
    a.cmd.on_click = [&](int index) { clicked.push_back(index); };
    runtime.Run([&] { a.Show(); });
    runtime.Click(a.cmd(1));
    runtime.Click(a.cmd(0));
    EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
    // A missing index reaches a stand-in, never another member.
    runtime.Run([&] { a.cmd(7).set_caption("stray"); });
    EXPECT_EQ(a.cmd(0).caption(), "上一题");
    EXPECT_EQ(a.cmd(1).caption(), "下一题");
}

// A renderer makes a label or picture a button only when a click runs
// code: a member of an array passes its clicks on, and counts as handled
// only once the array has a handler.
TEST_F(WindowModelTest, a_control_has_a_click_handler_only_when_its_window_gave_it_one)
{
    EXPECT_FALSE(a.Label1.has_click_handler());
    a.Label1.on_click = [] {};
    EXPECT_TRUE(a.Label1.has_click_handler());

    EXPECT_FALSE(a.cmd(0).has_click_handler());
    EXPECT_FALSE(a.cmd(1).has_click_handler());
    a.cmd.on_click = [](int) {};
    EXPECT_TRUE(a.cmd(0).has_click_handler());
    EXPECT_TRUE(a.cmd(1).has_click_handler());
}

TEST_F(WindowModelTest, timers_tick_on_the_virtual_clock_in_due_order_and_stop_at_unload)
{
    std::vector<std::string> ticks;
    a.Timer1.on_timer = [&] { ticks.push_back("A1@" + std::to_string(fake.now_ms)); };
    a.Timer2.on_timer = [&] { ticks.push_back("A2@" + std::to_string(fake.now_ms)); };
    b.Timer1.on_timer = [&] { ticks.push_back("B1@" + std::to_string(fake.now_ms)); };
    runtime.Run([&] { a.Show(); });
    fake.now_ms = 500;
    runtime.Run([&] {
        b.Show();
        a.Timer2.set_enabled(true);  // counts from now
    });
    AdvanceClock(runtime, fake, 1500);
    // Ties go in window order, then declaration order.
    EXPECT_EQ(ticks, (std::vector<std::string>{"A1@1000", "A2@1000", "A2@1500", "B1@1500", "A1@2000", "A2@2000"}));

    ticks.clear();
    runtime.Run([&] { a.Unload(); });
    AdvanceClock(runtime, fake, 1000);
    EXPECT_EQ(ticks, (std::vector<std::string>{"B1@2500"}));
}

TEST_F(WindowModelTest, a_late_timer_ticks_once_and_not_inside_a_running_operation)
{
    int ticks = 0;
    a.Timer1.on_timer = [&] { ++ticks; };
    runtime.Run([&] {
        a.Show();
        fake.now_ms = 5000;
        runtime.FireDueTimers(5000);  // an operation is running: held back
    });
    EXPECT_EQ(ticks, 0);
    runtime.FireDueTimers(5000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(runtime.NextTimerDue(), 6000);
}

TEST_F(WindowModelTest, the_focus_starts_on_the_first_control_in_tab_order_at_every_load)
{
    runtime.Run([&] { a.Show(); });
    EXPECT_EQ(a.focused(), &a.Text1);  // labels and frames take no focus
    runtime.Run([&] { a.SetFocus(a.Command1); });
    EXPECT_EQ(a.focused(), &a.Command1);
    runtime.Run([&] {
        a.Unload();
        a.Show();
    });
    EXPECT_EQ(a.focused(), &a.Text1);
}

TEST_F(WindowModelTest, colours_compare_as_whole_values)
{
    EXPECT_NE(ui::colors::kButtonFace, ui::Color::Rgb(240, 240, 240));
    EXPECT_EQ(ui::Color::FromOle(0x80000014u), ui::Color::System(ui::SysColor::ButtonHighlight));
    EXPECT_EQ(ui::Color::FromOle(0x0000FF00u), ui::colors::kGreen);
    runtime.Run([&] { a.Show(); });
    EXPECT_EQ(a.Label1.back_color(), ui::colors::kButtonFace);
    EXPECT_EQ(a.Text1.back_color(), ui::colors::kWindow);
}

TEST_F(WindowModelTest, exceptions_never_leave_an_event_operation)
{
    a.Command1.on_click = [] { throw std::runtime_error("fault"); };
    runtime.Run([&] { a.Show(); });
    EXPECT_TRUE(runtime.Click(a.Command1));
    EXPECT_EQ(runtime.caught_exceptions(), 1u);
    EXPECT_FALSE(runtime.in_operation());
}

}  // namespace
}  // namespace boxi::testing
