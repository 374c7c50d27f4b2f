// Whatever a learner types into an editable box is kept exactly, and a name
// that no bank knows selects nothing.
#include <gtest/gtest.h>

#include "monkey/Monkey.h"
#include "support/Harness.h"

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

}  // namespace
}  // namespace boxi::testing
