// The case chooser: its introduction and list, the name it holds, and
// "确定" and "返回".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/CaseBank.h"
#include "common/Module1.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

// The task text a case opening leaves in slot 22, as the bank writes it.
std::string WrittenTask(const std::string& name)
{
    QuestionTable table;
    banks::WriteCase(table, name);
    return table.QuestionText(22);
}

class CaseChooserTest : public AppTest {
protected:
    void SetUp() override
    {
        for (const banks::PracticalCase& present : banks::PresentCases())
            cases_.emplace_back(present.row.name);
        if (cases_.empty())
            GTEST_SKIP() << "no case in the bank yet";
    }

    // From the portal through the course menu's "实战模拟".
    void OpenChooser()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command4));
        fake.ClearJournal();
    }

    // The list position of a case name, "实例1" at 0.
    int IndexOf(const std::string& name)
    {
        for (int i = 0; i < chooser().Combo1.ListCount(); ++i) {
            if (chooser().Combo1.List(i) == name)
                return i;
        }
        return -1;
    }

    Form10& chooser() { return app.form10; }
    // A case the bank holds.
    const std::string& a_case() const { return cases_.front(); }

private:
    std::vector<std::string> cases_;
};

TEST_F(CaseChooserTest, load_writes_the_introduction_lists_forty_cases_and_names_the_first)
{
    OpenChooser();
    EXPECT_EQ(chooser().caption(), "实战模拟");
    EXPECT_EQ(chooser().Text1.text(),
              "    实战模拟为您精心挑选了Office在办公管理、财务会计、商务应用、政务办公、文教事业等领域的实际案例。\r\n"
              "    Office在办公管理中的应用主要表现在日常办公事务、人事管理等方面，企事业单位的办公人员、管理人员、文秘都必须掌握这方面的操作技能。\r\n"
              "    Office在财务中的应用是非常广泛的，主要表现在销售报表处理、工资报表处理、费用报表处理、财务数据分析等方面，企事业单位的财务人员、会计、出纳人员都必须掌握这方面的操作技能。\r\n"
              "    Office在商务中的应用主要表现在合同、协议、商务手册、商务文件等制作，销售数据统计及分析等方面，企事业单位的商务代表、销售及售后人员都必须掌握这方面的操作技能。\r\n"
              "    Office在政务中的应用主要表现在行政公文制作、经济数据统计、机关日常管理等方面，机关公务员都必须掌握这方面的操作技能。\r\n"
              "    Office在文教中的应用主要表现在老师教案试卷的制作、课件制作、学生成绩统计、学生管理、考务教务管理等方面，大中小学校的教师都必须掌握这方面的操作技能。");
    EXPECT_TRUE(chooser().Text1.locked());

    ASSERT_EQ(chooser().Combo1.ListCount(), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(chooser().Combo1.List(i), "实例" + std::to_string(i + 1));
    EXPECT_EQ(chooser().CurrentSetName(), "实例1");
    EXPECT_EQ(chooser().Label4.caption(), "实战");
    EXPECT_EQ(chooser().Label3.caption(), "模拟");
    EXPECT_EQ(chooser().Frame3.caption(), "请选择实战案例");
    EXPECT_EQ(chooser().Command2.caption(), "确定");
    EXPECT_EQ(chooser().Command1.caption(), "返回");
}

TEST_F(CaseChooserTest, ok_loads_the_case_shows_the_task_window_names_it_and_hides_the_chooser)
{
    OpenChooser();
    ASSERT_TRUE(rt().Select(chooser().Combo1, IndexOf(a_case())));
    ASSERT_EQ(chooser().CurrentSetName(), a_case());
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"load Form16", "show Form16", "hide Form10"}));
    EXPECT_EQ(app.form16.Text1.text(), WrittenTask(a_case()));
    EXPECT_FALSE(app.form16.Text1.text().empty());
    EXPECT_EQ(app.form16.Label4.caption(), a_case());
    EXPECT_TRUE(app.set_loader.CaseBankHeld());
    EXPECT_TRUE(chooser().is_loaded());
    EXPECT_FALSE(chooser().is_visible());
    EXPECT_EQ(chooser().CurrentSetName(), a_case());
}

TEST_F(CaseChooserTest, ok_with_a_name_that_selects_no_case_shows_the_previous_task_under_that_name)
{
    OpenChooser();
    // Nothing has been written into slot 22 yet in this run.
    ASSERT_TRUE(rt().Type(chooser().Combo1, "实例37"));
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(app.form16.Text1.text(), "");
    EXPECT_EQ(app.form16.Label4.caption(), "实例37");
    ASSERT_TRUE(rt().Click(app.form16.Command8));

    ASSERT_TRUE(rt().Type(chooser().Combo1, a_case()));
    ASSERT_TRUE(rt().Click(chooser().Command2));
    ASSERT_TRUE(rt().Click(app.form16.Command8));
    const std::string previous = WrittenTask(a_case());

    const std::string names[] = {"实例37", "实例41", "第17套", "我的练习", a_case() + " ", " " + a_case(), ""};
    for (const std::string& name : names) {
        SCOPED_TRACE("\"" + name + "\"");
        ASSERT_TRUE(rt().Type(chooser().Combo1, name));
        ASSERT_TRUE(rt().Click(chooser().Command2));
        EXPECT_FALSE(app.set_loader.CaseBankHeld());
        EXPECT_EQ(app.form16.Text1.text(), previous);
        EXPECT_EQ(app.form16.Label4.caption(), name);
        ASSERT_TRUE(rt().Click(app.form16.Command8));
    }
}

TEST_F(CaseChooserTest, ok_while_the_task_window_is_still_loaded_shows_the_newly_loaded_task)
{
    OpenChooser();
    // Something read the task window while nothing was in slot 22: it is
    // loaded, hidden, with an empty text.
    Run([&] { (void)app.form16.Text1.text(); });
    ASSERT_TRUE(app.form16.is_loaded());

    ASSERT_TRUE(rt().Select(chooser().Combo1, IndexOf(a_case())));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"show Form16", "hide Form10"}));
    EXPECT_EQ(app.form16.Text1.text(), WrittenTask(a_case()));
    EXPECT_EQ(app.form16.Label4.caption(), a_case());
}

TEST_F(CaseChooserTest, back_unloads_the_chooser_and_the_next_visit_starts_on_the_first_case_again)
{
    OpenChooser();
    ASSERT_TRUE(rt().Type(chooser().Combo1, "实例23"));
    Run([&] {
        chooser().Label3.set_caption("上机");  // as the exam's mode choice writes them
        chooser().Label4.set_caption("训练");
    });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(chooser().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form10", "unload Form10", "load Form60", "show Form60"}));
    EXPECT_FALSE(rt().ended());

    ASSERT_TRUE(rt().Click(app.form60.Command4));
    EXPECT_EQ(chooser().CurrentSetName(), "实例1");
    EXPECT_EQ(chooser().Label4.caption(), "实战");
    EXPECT_EQ(chooser().Label3.caption(), "模拟");
}

TEST_F(CaseChooserTest, the_task_windows_back_shows_the_chooser_with_its_name_and_heading)
{
    OpenChooser();
    // The exam has drawn a set and its mode choice has written the heading.
    Run([&] {
        chooser().SetCurrentSetName("第17套");
        chooser().Label3.set_caption("上机");
        chooser().Label4.set_caption("考试");
    });
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(app.form16.Label4.caption(), "第17套");
    EXPECT_FALSE(app.set_loader.CaseBankHeld());  // an exam set name loads nothing here

    ASSERT_TRUE(rt().Click(app.form16.Command8));
    EXPECT_TRUE(chooser().is_visible());
    EXPECT_EQ(chooser().load_count(), 1u);
    EXPECT_EQ(chooser().CurrentSetName(), "第17套");
    EXPECT_EQ(chooser().Label4.caption(), "考试");
    EXPECT_EQ(chooser().Label3.caption(), "上机");
}

TEST_F(CaseChooserTest, picking_or_typing_a_name_changes_the_name_and_nothing_else)
{
    OpenChooser();
    ASSERT_TRUE(rt().Select(chooser().Combo1, 4));
    EXPECT_EQ(chooser().CurrentSetName(), "实例5");
    ASSERT_TRUE(rt().Type(chooser().Combo1, "实例99"));
    EXPECT_EQ(chooser().CurrentSetName(), "实例99");
    EXPECT_TRUE(fake.journal().empty());
    EXPECT_FALSE(app.set_loader.CaseBankHeld());
    EXPECT_EQ(app.m.Table.QuestionText(22), "");
    EXPECT_FALSE(app.form16.is_loaded());
}

}  // namespace
}  // namespace boxi::testing
