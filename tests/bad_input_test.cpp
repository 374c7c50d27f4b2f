// Whatever a learner types into an editable box is kept exactly, and a name
// that no bank knows selects nothing.
#include <gtest/gtest.h>

#include "monkey/Monkey.h"
#include "support/Harness.h"
#include "ui/Control.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi::testing {
namespace {

class BadInputTest : public AppTest {
protected:
    void OpenChapterStudy()
    {
        StartFresh();
        rt().Click(app.form8.Image1);
        rt().Click(app.form60.Command2);
    }
    void OpenCaseChooser()
    {
        StartFresh();
        rt().Click(app.form8.Image1);
        rt().Click(app.form60.Command4);
    }
};

TEST_F(BadInputTest, the_outline_box_keeps_every_input_exactly)
{
    OpenChapterStudy();
    for (const std::string& input : monkey::BadInputs()) {
        SCOPED_TRACE(input.substr(0, 30));
        ASSERT_TRUE(rt().Type(app.form2.Text1, input));
        EXPECT_EQ(app.form2.Text1.text(), input);
    }
}

TEST_F(BadInputTest, any_typed_name_opens_the_task_window_and_only_case_names_load)
{
    OpenCaseChooser();
    // An opened case leaves its texts in slot 22; junk names must not touch them.
    ASSERT_TRUE(rt().Type(app.form10.Combo1, "实例8"));
    rt().Click(app.form10.Command2);
    const std::string task = app.m.Table.QuestionText(22);
    ASSERT_FALSE(task.empty());
    rt().Click(app.form16.Command8);

    for (const std::string& input : monkey::BadInputs()) {
        if (input == "实例8" || input == "实例23")
            continue;
        SCOPED_TRACE(input.substr(0, 30));
        ASSERT_TRUE(rt().Type(app.form10.Combo1, input));
        EXPECT_EQ(app.form10.Combo1.text(), input);
        ASSERT_TRUE(rt().Click(app.form10.Command2));
        EXPECT_EQ(app.m.Table.QuestionText(22), task);
        EXPECT_EQ(app.form16.Label4.caption(), input);
        EXPECT_FALSE(app.set_loader.CaseBankHeld());
        ASSERT_TRUE(rt().Click(app.form16.Command8));
    }
}

TEST_F(BadInputTest, failing_launches_and_folders_show_nothing_of_the_program)
{
    fake.fail_launches = true;
    fake.fail_folders = true;
    OpenCaseChooser();
    rt().Click(app.form10.Command2);
    rt().Click(app.form16.Command7);
    rt().Click(app.form16.Command10);
    rt().Click(app.form16.Command2);
    rt().Click(app.form31.Command1);
    EXPECT_EQ(fake.Entries("ShellExecute").size(), 1u);
    EXPECT_EQ(fake.Entries("Shell(").size(), 2u);
    EXPECT_TRUE(fake.boxes().empty());
    EXPECT_TRUE(app.form16.is_visible());
    EXPECT_TRUE(app.form31.is_visible());
}

// Every box a learner can type into, in every window opened on its own: no
// input throws, and the box keeps what was typed.
TEST_F(BadInputTest, every_typing_box_of_every_window_keeps_every_input)
{
    fake.box_answerer = [](const platform::MessageBoxRequest&) { return platform::MsgAnswer::Ok; };
    int boxes = 0;
    StartFresh();
    for (ui::Window* window : app.runtime().windows()) {
        ASSERT_FALSE(rt().ended());
        Run([&] { window->Show(); });
        if (window == &app.form46)
            Advance(5000);  // the lock's password entry comes up late
        if (!window->is_visible())
            continue;
        for (ui::Control* control : window->controls()) {
            const bool text_box = control->kind() == ui::ControlKind::TextBox;
            if (!(text_box || control->kind() == ui::ControlKind::ComboBox) || !rt().CanReach(*control))
                continue;
            if (text_box && control->peek().locked)
                continue;
            ++boxes;
            for (const std::string& input : monkey::BadInputs()) {
                SCOPED_TRACE(window->name() + "." + control->name() + ": " + input.substr(0, 30));
                const std::uint64_t caught = rt().caught_exceptions();
                if (text_box) {
                    auto& box = static_cast<ui::TextBox&>(*control);
                    if (!rt().Type(box, input))
                        break;  // its own change handler hid or closed it
                    EXPECT_EQ(box.text(), input);
                } else {
                    auto& combo = static_cast<ui::ComboBox&>(*control);
                    if (!rt().Type(combo, input))
                        break;
                    EXPECT_EQ(combo.text(), input);
                }
                EXPECT_EQ(rt().caught_exceptions(), caught);
            }
        }
        // Back to the portal alone for the next window.
        Run([&] {
            app.form8.Show();
            for (ui::Window* loaded : app.runtime().windows()) {
                if (loaded != &app.form8)
                    loaded->Unload();
            }
        });
    }
    // The outline, case and unit combos, login, unit test, sheet, review and lock boxes.
    EXPECT_GE(boxes, 12) << "the typing boxes were not reached";
}

}  // namespace
}  // namespace boxi::testing
