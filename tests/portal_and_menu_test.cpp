#include <gtest/gtest.h>

#include "common/Conventions.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class PortalAndMenuTest : public AppTest {};

TEST_F(PortalAndMenuTest, the_program_starts_on_the_portal)
{
    app.Start();
    EXPECT_EQ(fake.journal(), (Journal{"load Form8", "show Form8"}));
    EXPECT_EQ(app.form8.caption(), "计算机博习系列");
    EXPECT_EQ(app.m.CurrentQuestion, 0);
}

TEST_F(PortalAndMenuTest, the_enter_picture_unloads_the_portal_before_it_shows_the_menu)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form8", "unload Form8", "load Form60", "show Form60"}));
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form60"}));
}

TEST_F(PortalAndMenuTest, back_and_forth_leaves_only_the_window_on_screen_loaded)
{
    StartFresh();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        EXPECT_EQ(LoadedWindows(rt()), (std::vector<std::string>{"Form60"}));
        ASSERT_TRUE(rt().Click(app.form60.Command7));
        EXPECT_EQ(LoadedWindows(rt()), (std::vector<std::string>{"Form8"}));
    }
    // "退出" shows the portal first, then hides and unloads the menu.
    EXPECT_EQ(Journal(fake.journal().end() - 4, fake.journal().end()),
              (Journal{"load Form8", "show Form8", "hide Form60", "unload Form60"}));
    EXPECT_FALSE(rt().ended());
}

TEST_F(PortalAndMenuTest, menu_buttons_show_their_target_first_then_unload_the_menu)
{
    struct Row {
        const char* button;
        ui::CommandButton& (*control)(App&);
        const char* target;
    };
    const Row rows[] = {
        {"技能练习", [](App& a) -> ui::CommandButton& { return a.form60.Command2; }, "Form2"},
        {"实战模拟", [](App& a) -> ui::CommandButton& { return a.form60.Command4; }, "Form10"},
        {"退出", [](App& a) -> ui::CommandButton& { return a.form60.Command7; }, "Form8"},
        {"单元测验", [](App& a) -> ui::CommandButton& { return a.form60.Command10; }, "Form4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        platform::FakePlatform fake2;
        App app2{fake2};
        JournalObserver journal{fake2};
        app2.runtime().AddObserver(&journal);
        app2.Start();
        app2.runtime().Click(app2.form8.Image1);
        fake2.ClearJournal();
        EXPECT_EQ(row.control(app2).caption(), row.button);
        ASSERT_TRUE(app2.runtime().Click(row.control(app2)));
        Journal shown;
        for (const auto& entry : fake2.journal()) {
            if (entry.rfind("show ", 0) == 0 || entry.rfind("hide ", 0) == 0 || entry.rfind("unload ", 0) == 0)
                shown.push_back(entry);
        }
        EXPECT_EQ(shown, (Journal{std::string("show ") + row.target, "hide Form60", "unload Form60"}));
        app2.runtime().RemoveObserver(&journal);
    }
}

TEST_F(PortalAndMenuTest, link_labels_open_the_site_and_the_mail_and_change_nothing_else)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Label2));
    ASSERT_TRUE(rt().Click(app.form8.Label3));
    ASSERT_TRUE(rt().Click(app.form8.Image1));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form60.Label2));
    ASSERT_TRUE(rt().Click(app.form60.Label5));
    EXPECT_EQ(fake.Entries("ShellExecute"),
              (Journal{"ShellExecute(0, \"open\", \"http://www.example.com/\", \"\", \"\", 3)",
                       "ShellExecute(Form60, \"open\", \"mailto:support@example.com\", \"\", \"\", 0)"}));
    EXPECT_EQ(fake.journal().size(), 2u);
    EXPECT_TRUE(app.form60.is_visible());
}

TEST_F(PortalAndMenuTest, portal_mail_link_is_owned_by_the_portal)
{
    StartFresh();
    rt().Click(app.form8.Label3);
    EXPECT_EQ(fake.journal(), (Journal{"ShellExecute(Form8, \"open\", \"mailto:support@example.com\", \"\", \"\", 0)"}));
}

TEST_F(PortalAndMenuTest, link_labels_show_the_link_pointer_and_name_the_addresses)
{
    StartFresh();
    EXPECT_EQ(app.form8.Label2.caption(), "公司网址：" + std::string(kProductSite));
    EXPECT_EQ(app.form8.Label3.caption(), "联系邮箱：" + std::string(kSupportMail));
    EXPECT_EQ(app.form60.Label2.caption(), "澄木朗网址：" + std::string(kProductSite));
    EXPECT_EQ(app.form60.Label5.caption(), "联系邮箱：" + std::string(kSupportMail));
    for (ui::Label* label : {&app.form8.Label2, &app.form8.Label3, &app.form60.Label2, &app.form60.Label5})
        EXPECT_EQ(label->mouse_pointer(), ui::MousePointer::Link);
}

TEST_F(PortalAndMenuTest, closing_the_last_window_with_its_title_bar_ends_the_program)
{
    StartFresh();
    rt().Click(app.form8.Image1);
    ASSERT_TRUE(rt().CloseByTitleBar(app.form60));
    EXPECT_TRUE(rt().ended());
    EXPECT_EQ(fake.journal().back(), "end");
}

}  // namespace
}  // namespace boxi::testing
