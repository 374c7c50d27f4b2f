// Chapter study: the chapter list, the outlines and the opening of the
// chapter's operation exercises.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/KnowledgeOutlines.h"
#include "banks/Lines.h"
#include "banks/OperationExercises.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

const std::vector<std::string> kTitles = {
    "Excel制表基础",      "工作簿与多工作表操作", "Excel公式和函数",
    "在Excel中创建图表", "Excel数据分析与处理",  "Excel与其他程序的协同与共享",
};

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string Outline(int chapter) { return banks::JoinCrLf(banks::KnowledgeOutlineLines(chapter)); }

std::string FirstTask(int chapter)
{
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        if (exercise->chapter == chapter && exercise->number == 1)
            return banks::JoinCrLf(exercise->task_lines);
    }
    return "";
}

class ChapterStudyTest : public AppTest {
protected:
    // From the portal through the course menu's "技能练习".
    void OpenChapterStudy()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command2));
        fake.ClearJournal();
    }

    Form2& study() { return app.form2; }
};

TEST_F(ChapterStudyTest, opening_lists_the_six_chapters_and_shows_the_first_outline)
{
    OpenChapterStudy();
    EXPECT_EQ(study().caption(), "学习科目");
    EXPECT_EQ(study().Frame2.caption(), "选择学习章节");
    EXPECT_EQ(study().Frame1.caption(), "知识点概述");
    EXPECT_EQ(study().Command1.caption(), "本章节同步习题训练");
    EXPECT_EQ(study().Command3.caption(), "返回");

    std::vector<std::string> items;
    for (int i = 0; i < study().List1.ListCount(); ++i)
        items.push_back(study().List1.List(i));
    EXPECT_EQ(items, kTitles);
    EXPECT_EQ(study().List1.list_index(), 0);
    EXPECT_EQ(study().List1.text(), "Excel制表基础");

    const std::vector<std::string> lines = SplitCrLf(study().Text1.text());
    EXPECT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines.front(), "  一:在表格中输入编辑数据");
    EXPECT_EQ(study().Text1.text(), Outline(0));
    EXPECT_TRUE(study().Command1.enabled());
}

TEST_F(ChapterStudyTest, choosing_a_chapter_replaces_the_whole_outline)
{
    OpenChapterStudy();
    struct Row {
        int chapter;
        size_t lines;
    };
    // Out of list order, so that each choice changes the selection.
    const Row rows[] = {{5, 11}, {2, 42}, {4, 24}, {1, 39}, {3, 24}, {0, 32}};
    for (const Row& row : rows) {
        SCOPED_TRACE(kTitles[static_cast<size_t>(row.chapter)]);
        ASSERT_TRUE(rt().Select(study().List1, row.chapter));
        EXPECT_EQ(study().List1.text(), kTitles[static_cast<size_t>(row.chapter)]);
        EXPECT_EQ(study().Text1.text(), Outline(row.chapter));
        EXPECT_EQ(SplitCrLf(study().Text1.text()).size(), row.lines);
    }

    ASSERT_TRUE(rt().Select(study().List1, 5));
    EXPECT_EQ(study().Text1.text(),
              "  一:共享、修订、批注工作簿\r\n"
              "   （1）共享工作簿\r\n"
              "   （2）编辑共享工作簿\r\n"
              "   （3）修订工作簿\r\n"
              "   （4）添加批注\r\n"
              "  二:与其他应用程序共享数据\r\n"
              "   （1）与其他程序共享数据\r\n"
              "   （2）插入超链接\r\n"
              "  三:宏的简单应用\r\n"
              "   （1）录制宏\r\n"
              "   （2）调用宏");
    EXPECT_TRUE(fake.journal().empty());
}

TEST_F(ChapterStudyTest, typed_text_stays_until_another_chapter_is_chosen)
{
    OpenChapterStudy();
    ASSERT_TRUE(rt().Type(study().Text1, "我的笔记"));
    EXPECT_EQ(study().Text1.text(), "我的笔记");
    ASSERT_TRUE(rt().Select(study().List1, 3));
    EXPECT_EQ(study().Text1.text(), Outline(3));
}

TEST_F(ChapterStudyTest, exercise_button_needs_some_text_in_the_outline_box)
{
    struct Row {
        const char* outline;
        bool opens;
    };
    // Only a box with no text at all stops it; one character is enough.
    const Row rows[] = {{"", false}, {" ", true}, {"一", true}};
    OpenChapterStudy();
    ASSERT_TRUE(rt().Select(study().List1, 2));
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("outline \"") + row.outline + "\"");
        ASSERT_TRUE(rt().Type(study().Text1, row.outline));
        app.m.CurrentQuestion = 9;
        fake.ClearJournal();
        if (!row.opens)
            fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(study().Command1));
        if (row.opens) {
            EXPECT_TRUE(app.form7.is_visible());
            EXPECT_EQ(app.m.CurrentQuestion, 1);
        } else {
            EXPECT_EQ(fake.journal(), (Journal{"MsgBox(\"请先选择学习章节\", 0, \"计算机博习系列\") -> OK"}));
            EXPECT_FALSE(app.form7.is_loaded());
            EXPECT_TRUE(study().is_visible());
            EXPECT_EQ(study().List1.list_index(), 2);
            EXPECT_EQ(study().Text1.text(), "");
            EXPECT_EQ(app.m.CurrentQuestion, 9);
        }
        if (row.opens) {
            ASSERT_TRUE(rt().Click(app.form7.Command8));
        }
    }
}

TEST_F(ChapterStudyTest, no_list_selection_behaves_as_an_empty_outline)
{
    OpenChapterStudy();
    // A learner cannot clear the selection; only code can.
    EXPECT_FALSE(rt().Select(study().List1, -1));
    EXPECT_EQ(study().List1.list_index(), 0);

    Run([&] { study().List1.set_list_index(-1); });
    EXPECT_EQ(study().Text1.text(), Outline(0));  // the click leaves the text
    EXPECT_TRUE(study().Command1.enabled());

    fake.ClearJournal();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(study().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"MsgBox(\"请先选择学习章节\", 0, \"计算机博习系列\") -> OK"}));
    EXPECT_FALSE(app.form7.is_loaded());
    EXPECT_EQ(app.m.CurrentQuestion, 0);
}

TEST_F(ChapterStudyTest, exercise_button_shows_the_exercises_under_the_chapter_title_and_stays_loaded_beneath)
{
    const int counts[] = {1, 2, 1, 2, 3, 1};
    OpenChapterStudy();
    for (int chapter = 0; chapter < 6; ++chapter) {
        SCOPED_TRACE(kTitles[static_cast<size_t>(chapter)]);
        rt().Select(study().List1, chapter);
        app.m.CurrentQuestion = 3;
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(study().Command1));
        // The exercise window loads while chapter study is still visible.
        EXPECT_EQ(fake.journal(), (Journal{"load Form7", "show Form7", "hide Form2"}));
        EXPECT_EQ(app.form7.Label4.caption(), kTitles[static_cast<size_t>(chapter)]);
        EXPECT_EQ(app.m.OperationTaskCount, counts[chapter]);
        EXPECT_EQ(app.form7.Text1.text(), FirstTask(chapter));
        EXPECT_EQ(app.m.CurrentQuestion, 1);
        EXPECT_TRUE(study().is_loaded());
        EXPECT_FALSE(study().is_visible());
        EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form7"}));
        ASSERT_TRUE(rt().Click(app.form7.Command8));
    }
}

TEST_F(ChapterStudyTest, the_exercise_windows_back_shows_chapter_study_as_it_was_left)
{
    OpenChapterStudy();
    ASSERT_TRUE(rt().Select(study().List1, 4));
    ASSERT_TRUE(rt().Type(study().Text1, "数据透视表要多练"));
    ASSERT_TRUE(rt().Click(study().Command1));
    ASSERT_TRUE(rt().Click(app.form7.Command8));
    EXPECT_TRUE(study().is_visible());
    EXPECT_EQ(study().load_count(), 1u);
    EXPECT_EQ(study().List1.list_index(), 4);
    EXPECT_EQ(study().Text1.text(), "数据透视表要多练");
}

TEST_F(ChapterStudyTest, an_exercise_window_left_loaded_from_an_earlier_chapter_shows_the_new_chapter)
{
    OpenChapterStudy();
    // Something reads the exercise window while chapter 0 is chosen: it loads
    // hidden with chapter 0's exercises and buttons.
    Run([&] { (void)app.form7.Text1.text(); });
    ASSERT_TRUE(app.form7.is_loaded());
    ASSERT_EQ(app.m.OperationTaskCount, 1);

    ASSERT_TRUE(rt().Select(study().List1, 4));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(study().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form7", "load Form7", "show Form7", "hide Form2"}));
    EXPECT_EQ(app.m.OperationTaskCount, 3);
    EXPECT_EQ(app.form7.Text1.text(), FirstTask(4));
    EXPECT_EQ(app.form7.Label4.caption(), "Excel数据分析与处理");
    EXPECT_TRUE(app.form7.Frame2.visible());
    EXPECT_FALSE(app.form7.Command7.visible());
}

TEST_F(ChapterStudyTest, back_returns_to_the_course_menu_and_the_next_visit_starts_on_the_first_chapter)
{
    OpenChapterStudy();
    ASSERT_TRUE(rt().Select(study().List1, 4));
    ASSERT_TRUE(rt().Click(study().Command3));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form2", "unload Form2", "load Form60", "show Form60"}));
    EXPECT_FALSE(rt().ended());

    ASSERT_TRUE(rt().Click(app.form60.Command2));
    EXPECT_EQ(study().List1.list_index(), 0);
    EXPECT_EQ(study().Text1.text(), Outline(0));
}

}  // namespace
}  // namespace boxi::testing
