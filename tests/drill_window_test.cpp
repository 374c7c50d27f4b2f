// The choice drill: navigation with its hint and end messages, the answer
// check, the analysis in the steps window, the way back, and captions that
// name no section.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "banks/DrillBank.h"
#include "monkey/Monkey.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

constexpr const char* kBasics = "计算机基础知识";
constexpr const char* kWord = "利用Word 2010高效创建电子文档";

const std::string kHint =
    "如果想重做本套题，请单击“下一题”按钮。单击习题类型下拉三角按钮选择“填空题”可切换到“填空题”训练界面。";
const std::string kFirstEnd =
    "MsgBox(\"本套选择题已做完！如果想重做，请单击“上一题”按钮。单击“返回”按钮可选择其它章节进行训练。\", 0, \"提示\") -> OK";
const std::string kSecondEnd =
    "MsgBox(\"本套选择题已做完！，如果想重做，请单击“上一题”按钮。单击“习题类型”下的三角按钮可选择“操作题”习题类型进行训练。\", 0, "
    "\"提示\") -> OK";

// Captions written before a navigation, to tell "nothing rewritten" from a
// question whose texts happen to be empty.
constexpr const char* kStale = "旧题干";
constexpr std::array<const char*, 4> kStaleOptions = {"旧A", "旧B", "旧C", "旧D"};

enum class Type { None, First, Other };  // the exercise-type list's selection: -1, 0 or 1

class DrillTest : public AppTest {
protected:
    Form6& drill() { return app.form6; }

    // The drill on screen with these headings, type selection and number, as
    // an opener leaves it; the list holds a second entry so that "another
    // type" can be chosen.
    void Enter(const std::string& chapter, const std::string& section, Type type, int question)
    {
        if (!app.form8.is_loaded() && !app.form6.is_loaded())
            StartFresh();
        Run([&] {
            drill().Label3.set_caption(chapter);
            drill().Label4.set_caption(section);
            if (drill().List1.ListCount() == 0) {
                drill().List1.AddItem("选择题");
                drill().List1.AddItem("填空题");
            }
            drill().List1.set_list_index(type == Type::None ? -1 : type == Type::First ? 0 : 1);
            drill().Show();
            app.m.CurrentQuestion = question;
        });
        fake.ClearJournal();
    }

    void MarkScreen()
    {
        Run([&] {
            drill().StemDisplay.set_caption(kStale);
            for (int i = 0; i < 4; ++i)
                drill().Optbutton(i).set_caption(kStaleOptions[static_cast<size_t>(i)]);
            drill().Text1.set_text("正确");
            drill().Optbutton(2).set_value(true, ui::Notify::No);
        });
        fake.ClearJournal();
    }

    // What the screen shows: the stem and options of question k of the
    // section, or the marks when nothing was rewritten (k = 0).
    void ExpectShown(const std::string& chapter, const std::string& section, int k)
    {
        std::string stem = kStale;
        std::array<std::string, 4> options = {kStaleOptions[0], kStaleOptions[1], kStaleOptions[2], kStaleOptions[3]};
        if (k > 0) {
            const banks::DrillSection* s = banks::FindDrillSection(chapter, section, banks::DrillUse::Question, 0);
            ASSERT_TRUE(s);
            banks::DrillRow row = banks::DrillQuestion(*s, k);
            stem = row.stem;
            for (size_t i = 0; i < 4; ++i)
                options[i] = row.options[i];
        }
        EXPECT_EQ(drill().StemDisplay.caption(), stem);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(drill().Optbutton(i).caption(), options[static_cast<size_t>(i)]) << "option " << i;
    }

    int Selected()
    {
        int selected = -1;
        for (int i = 0; i < 4; ++i) {
            if (drill().Optbutton(i).value())
                selected = i;
        }
        return selected;
    }
};

TEST_F(DrillTest, the_window_opens_with_its_design_texts_and_guards_its_feedback_box)
{
    StartFresh();
    Run([&] { drill().Show(); });
    EXPECT_EQ(drill().caption(), "选择题");
    EXPECT_EQ(drill().Label3.caption(), "Label3");
    EXPECT_EQ(drill().Label4.caption(), "Label4");
    EXPECT_EQ(drill().Label2.caption(), "习题类型");
    EXPECT_EQ(drill().List1.ListCount(), 0);
    EXPECT_EQ(drill().Text1.text(), "Text1");
    EXPECT_TRUE(drill().Text1.locked());
    EXPECT_EQ(drill().StemDisplay.caption(), "");
    EXPECT_EQ(drill().StemDisplay.alignment(), ui::Align::Left);
    EXPECT_EQ(drill().StemDisplay.font().size, 12);
    const char* options[] = {"第一个答案", "第二个答案", "第三个答案", "第四个答案"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(drill().Optbutton(i).caption(), options[i]);
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(drill().Command2.caption(), "试题评析");
    EXPECT_EQ(drill().Command2.back_color(), ui::Color::Rgb(255, 128, 0));
    EXPECT_EQ(drill().Command5.back_color(), ui::Color::Rgb(255, 128, 0));
    EXPECT_EQ(drill().cmd(0).caption(), "上一题");
    EXPECT_EQ(drill().cmd(1).caption(), "下一题");

    // The stem display sits between the feedback box and the options and
    // spans the box's width.
    ui::Rect box = drill().Text1.rect(), stem = drill().StemDisplay.rect(), first = drill().Optbutton(0).rect();
    EXPECT_EQ(stem.left, box.left);
    EXPECT_EQ(stem.width, box.width);
    EXPECT_GE(stem.top, box.top + box.height);
    EXPECT_LE(stem.top + stem.height, first.top);
    EXPECT_EQ(box.top, ui::TwipsRect(120, 240, 9615, 1695).top);

    fake.ClearJournal();
    ASSERT_TRUE(rt().MouseDown(drill().Text1, ui::kRightButton));
    EXPECT_EQ(fake.journal(), (Journal{"PopupMenu(Form6, popmenu, [\"禁止右键\"]) -> -1"}));
    EXPECT_FALSE(rt().Type(drill().Text1, "abc"));
    EXPECT_EQ(drill().Text1.text(), "Text1");
}

TEST_F(DrillTest, navigation_moves_the_number_and_shows_the_question_the_hint_or_the_end_message)
{
    enum class Box { None, First, Second };
    struct Row {
        const char* chapter;
        const char* section;
        Type type;
        int start;
        int button;  // 0 "上一题", 1 "下一题"
        int after;
        int shown;  // question written on screen, 0 none
        Box box;
        bool hint;
    };
    const Row rows[] = {
        {kBasics, "计算机软件系统", Type::None, 0, 1, 1, 1, Box::None, false},
        {kBasics, "概述", Type::First, 2, 1, 3, 3, Box::None, false},
        {kBasics, "概述", Type::First, 4, 0, 3, 3, Box::None, false},
        {kBasics, "概述", Type::First, 1, 0, 1, 1, Box::None, true},
        {kBasics, "概述", Type::First, 0, 0, 0, 0, Box::None, true},
        {kBasics, "概述", Type::First, -5, 0, -5, 0, Box::None, true},
        {kBasics, "概述", Type::First, 19, 1, 20, 20, Box::None, false},
        {kBasics, "概述", Type::First, 20, 1, 20, 0, Box::First, false},
        {kBasics, "信息的表示与存储", Type::First, 42, 1, 43, 43, Box::None, false},
        {kBasics, "计算机软件系统", Type::Other, 20, 1, 20, 0, Box::First, false},
        {kBasics, "多媒体技术简介", Type::None, 30, 1, 8, 0, Box::First, false},
        {kBasics, "多媒体技术简介", Type::None, 8, 0, 7, 7, Box::None, false},
        {kBasics, "计算机病毒及其防治", Type::None, 8, 1, 8, 0, Box::First, false},
        {kBasics, "Internet基础及应用", Type::None, 59, 1, 60, 60, Box::None, false},
        {kBasics, "Internet基础及应用", Type::None, 60, 1, 60, 0, Box::Second, false},
        {kWord, "以任务为导向的应用界面", Type::None, 4, 1, 4, 0, Box::Second, false},
        {kWord, "创建并编辑文档", Type::Other, 5, 1, 6, 6, Box::None, false},
        {kWord, "美化文档外观", Type::First, 6, 1, 6, 0, Box::Second, false},
        {kWord, "文档的修订与共享", Type::First, 2, 1, 2, 0, Box::Second, false},
        {kWord, "使用邮件合并技术批量处理文档", Type::First, 2, 1, 2, 0, Box::Second, false},
        {kWord, "使用邮件合并技术批量处理文档", Type::First, 1, 1, 2, 2, Box::None, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.section) + " from " + std::to_string(row.start) +
                     (row.button ? " next" : " previous"));
        Enter(row.chapter, row.section, row.type, row.start);
        MarkScreen();
        int number_during_box = -100;
        fake.box_answerer = [&](const platform::MessageBoxRequest&) {
            number_during_box = app.m.CurrentQuestion;
            return platform::MsgAnswer::Ok;
        };
        ASSERT_TRUE(rt().Click(drill().cmd(row.button)));
        fake.box_answerer = nullptr;

        EXPECT_EQ(app.m.CurrentQuestion, row.after);
        EXPECT_EQ(drill().Text1.text(), "");
        EXPECT_EQ(Selected(), -1);
        ExpectShown(row.chapter, row.section, row.shown);
        std::vector<std::string> boxes = fake.Entries("MsgBox");
        switch (row.box) {
        case Box::None: EXPECT_TRUE(boxes.empty()); break;
        case Box::First: EXPECT_EQ(boxes, Journal{kFirstEnd}); break;
        case Box::Second: EXPECT_EQ(boxes, Journal{kSecondEnd}); break;
        }
        if (row.box != Box::None) {
            EXPECT_EQ(number_during_box, row.start + 1) << "the number falls back only after OK";
        }
        EXPECT_EQ(app.form38.is_visible(), row.hint);
        if (row.hint) {
            EXPECT_EQ(app.form38.Label1.caption(), kHint);
        }
        Run([&] { ClosePopup(app.form38); });
    }
}

TEST_F(DrillTest, the_end_message_repeats_and_previous_then_goes_back_one)
{
    Enter(kBasics, "计算机软件系统", Type::None, 19);
    ASSERT_TRUE(rt().Click(drill().cmd(1)));
    for (int press = 0; press < 2; ++press) {
        fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(drill().cmd(1)));
        EXPECT_EQ(app.m.CurrentQuestion, 20);
    }
    EXPECT_EQ(fake.Entries("MsgBox"), (Journal{kFirstEnd, kFirstEnd}));
    ASSERT_TRUE(rt().Click(drill().cmd(0)));
    EXPECT_EQ(app.m.CurrentQuestion, 19);
}

TEST_F(DrillTest, the_hint_window_opens_beside_the_drill_and_closes_itself)
{
    Enter(kBasics, "概述", Type::First, 1);
    ASSERT_TRUE(rt().Click(drill().cmd(0)));
    EXPECT_EQ(fake.journal(), (Journal{"load Form38", "show Form38"}));
    EXPECT_EQ(app.form38.caption(), "提示");
    EXPECT_EQ(app.form38.peek().back, ui::Color::Rgb(255, 192, 128));
    EXPECT_EQ(app.form38.Label1.fore_color(), ui::Color::Rgb(128, 0, 0));
    EXPECT_TRUE(drill().is_visible());

    // A second press writes the label again into the open window.
    Run([&] { app.form38.Label1.set_caption("x"); });
    ASSERT_TRUE(rt().Click(drill().cmd(0)));
    EXPECT_EQ(app.form38.Label1.caption(), kHint);
    EXPECT_EQ(app.form38.load_count(), 1u);

    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form38.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form38", "unload Form38"}));
    EXPECT_TRUE(drill().is_visible());
}

TEST_F(DrillTest, the_first_exercise_type_gates_the_seven_sections_and_no_others)
{
    struct Row {
        const char* chapter;
        const char* section;
        bool checked;
    };
    const Row rows[] = {
        {kBasics, "概述", true},
        {kBasics, "信息的表示与存储", true},
        {kBasics, "计算机硬件系统", true},
        {kBasics, "计算机软件系统", false},
        {kBasics, "多媒体技术简介", false},
        {kBasics, "计算机病毒及其防治", false},
        {kBasics, "Internet基础及应用", false},
        {kWord, "以任务为导向的应用界面", false},
        {kWord, "创建并编辑文档", false},
        {kWord, "美化文档外观", true},
        {kWord, "长文档的编辑与管理", true},
        {kWord, "文档的修订与共享", true},
        {kWord, "使用邮件合并技术批量处理文档", true},
    };
    for (const Row& row : rows) {
        for (Type type : {Type::None, Type::First, Type::Other}) {
            SCOPED_TRACE(std::string(row.section) + " type " + std::to_string(static_cast<int>(type)));
            const bool found = !row.checked || type == Type::First;
            // Navigation: question 1 written, or nothing and no end message.
            Enter(row.chapter, row.section, type, 0);
            MarkScreen();
            ASSERT_TRUE(rt().Click(drill().cmd(1)));
            ExpectShown(row.chapter, row.section, found ? 1 : 0);
            // The answer check at question 1.
            const banks::DrillSection* s = banks::FindDrillSection(row.chapter, row.section, banks::DrillUse::Question, 0);
            ASSERT_TRUE(s);
            Run([&] { drill().Text1.set_text("无"); });
            ASSERT_TRUE(rt().Click(drill().Optbutton(banks::DrillKeyLetter(*s, 1) - 'A')));
            EXPECT_EQ(drill().Text1.text(), found ? "正确" : "无");
            // Past the end: a message only for a section that is found.
            Run([&] { app.m.CurrentQuestion = s->count; });
            if (found)
                fake.AnswerNextBox(platform::MsgAnswer::Ok);
            ASSERT_TRUE(rt().Click(drill().cmd(1)));
            EXPECT_EQ(app.m.CurrentQuestion, found ? s->count : s->count + 1);
        }
    }
}

// Every key letter through the window: the key's option is "正确", any other
// "错误", and choosing the key after a wrong choice turns the verdict round.
TEST_F(DrillTest, each_question_is_judged_against_its_key)
{
    struct Row {
        const char* chapter;
        const char* section;
        const char* keys;
    };
    const Row rows[] = {
        {kBasics, "概述", "CCBAC DBDAA BBACA AABDA"},
        {kBasics, "信息的表示与存储", "DDABC BACAB BABAC DCABA DDBBD AADAC DDCAB DDBAB BDDAD ACC"},
        {kBasics, "计算机硬件系统", "CACAD DBDCA ACDCB BCAAB DDACD DDBDA CACDB"},
        {kBasics, "计算机软件系统", "CACBA BBAAC AADBC ADACB"},
        {kBasics, "多媒体技术简介", "AADAD ADD"},
        {kBasics, "计算机病毒及其防治", "DDBBB DBB"},
        {kBasics, "Internet基础及应用", "DABCA CABCC CDACD CBABA ABCBA BBCBD CCCDB CCCBB CDBBB CADCA DADDC CDADB"},
        {kWord, "以任务为导向的应用界面", "CBDB"},
        {kWord, "创建并编辑文档", "BCDBD DBCAB C"},
        {kWord, "美化文档外观", "AACCC D"},
        {kWord, "长文档的编辑与管理", "DCDDD DDC"},
        {kWord, "文档的修订与共享", "BD"},
        {kWord, "使用邮件合并技术批量处理文档", "DD"},
    };
    int judged = 0;
    for (const Row& row : rows) {
        std::string keys;
        for (const char* c = row.keys; *c; ++c) {
            if (*c != ' ')
                keys += *c;
        }
        Enter(row.chapter, row.section, Type::First, 0);
        for (size_t n = 1; n <= keys.size(); ++n) {
            SCOPED_TRACE(std::string(row.section) + " question " + std::to_string(n));
            ASSERT_TRUE(rt().Click(drill().cmd(1)));
            ASSERT_EQ(app.m.CurrentQuestion, static_cast<int>(n));
            int key = keys[n - 1] - 'A';
            int wrong = (key + 1) % 4;
            ASSERT_TRUE(rt().Click(drill().Optbutton(wrong)));
            EXPECT_EQ(drill().Text1.text(), "错误");
            ASSERT_TRUE(rt().Click(drill().Optbutton(key)));
            EXPECT_EQ(drill().Text1.text(), "正确");
            EXPECT_EQ(Selected(), key);
            ++judged;
        }
        fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(drill().cmd(1)));
        EXPECT_EQ(app.m.CurrentQuestion, static_cast<int>(keys.size()));
    }
    EXPECT_EQ(judged, 232);
}

TEST_F(DrillTest, the_verdict_follows_the_selected_key_option_not_the_clicked_index)
{
    Enter(kBasics, "概述", Type::First, 1);  // key C
    Run([&] {
        drill().Optbutton(2).set_value(true, ui::Notify::No);
        drill().Optbutton(0).on_click();
    });
    EXPECT_EQ(drill().Text1.text(), "正确");
    Run([&] {
        drill().Optbutton(1).set_value(true, ui::Notify::No);
        drill().Optbutton(2).on_click();
    });
    EXPECT_EQ(drill().Text1.text(), "错误");
}

TEST_F(DrillTest, a_number_outside_the_section_judges_nothing)
{
    for (int number : {0, -1, 21, std::numeric_limits<std::int32_t>::max()}) {
        SCOPED_TRACE(number);
        Enter(kBasics, "概述", Type::First, number);
        Run([&] { drill().Text1.set_text("不变"); });
        for (int option = 0; option < 4; ++option) {
            ASSERT_TRUE(rt().Click(drill().Optbutton(option)));
            EXPECT_EQ(drill().Text1.text(), "不变");
        }
    }
}

TEST_F(DrillTest, the_analysis_replaces_the_steps_text_under_its_own_type_condition)
{
    struct Row {
        const char* chapter;
        const char* section;
        Type type;
        int question;
        const char* text;  // nullptr: the steps window keeps its text
    };
    const Row rows[] = {
        {kBasics, "Internet基础及应用", Type::First, 7, "  误码率是表示数据传输可靠性的指标."},
        {kBasics, "Internet基础及应用", Type::None, 7, nullptr},
        {kBasics, "Internet基础及应用", Type::Other, 7, nullptr},
        {kBasics, "计算机硬件系统", Type::First, 20, "    内存储器的性能指标有两个，它们是容量和速度。"},
        {kBasics, "计算机硬件系统", Type::Other, 20, nullptr},
        {kBasics, "多媒体技术简介", Type::None, 3,
         "   音频数据量（B）=采样时间(s) x 采样频率(Hz) x 量化位数(b) x 声道数/8\r\n所以本题的数据量=240 x 44100 x 16 x 2/8=42.34MB。"},
        {kBasics, "多媒体技术简介", Type::First, 0, nullptr},
        {kBasics, "多媒体技术简介", Type::First, 9, nullptr},
        {kBasics, "计算机硬件系统 ", Type::First, 20, nullptr},
        {kBasics, "internet基础及应用", Type::First, 7, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.section) + " question " + std::to_string(row.question));
        Enter(row.chapter, row.section, row.type, row.question);
        Run([&] { app.form9.Text1.set_text("之前的文字"); });
        ASSERT_TRUE(rt().Click(drill().Command2));
        EXPECT_EQ(app.form9.Text1.text(), row.text ? row.text : "之前的文字");
        EXPECT_TRUE(app.form9.is_visible());
        EXPECT_TRUE(drill().is_visible());
        Run([&] { ClosePopup(app.form9); });
    }
}

TEST_F(DrillTest, the_analysis_loads_the_steps_window_topmost_and_leaves_its_answer_button_alone)
{
    Enter(kBasics, "Internet基础及应用", Type::First, 7);
    ASSERT_TRUE(rt().Click(drill().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"load Form9", "SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)", "show Form9"}));
    EXPECT_FALSE(app.form9.Command1.visible());
    EXPECT_EQ(app.form9.caption(), "操作步骤");

    // Pressed again: the same text, the window stays open.
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(drill().Command2));
    EXPECT_EQ(app.form9.Text1.text(), "  误码率是表示数据传输可靠性的指标.");
    EXPECT_EQ(fake.journal(), (Journal{"show Form9"}));

    // A steps window that shows its answer button keeps it.
    Run([&] { app.form9.Command1.set_visible(true); });
    ASSERT_TRUE(rt().Click(drill().Command2));
    EXPECT_TRUE(app.form9.Command1.visible());

    // With nothing to write, a fresh steps window shows its load text.
    Run([&] { ClosePopup(app.form9); });
    Enter(kBasics, "Internet基础及应用", Type::None, 7);
    ASSERT_TRUE(rt().Click(drill().Command2));
    EXPECT_EQ(app.form9.Text1.text(), "Text1");
}

TEST_F(DrillTest, next_without_a_section_saturates_at_the_largest_number)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    Enter("Label3", "Label4", Type::First, kMax - 1);
    MarkScreen();
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(rt().Click(drill().cmd(1)));
        EXPECT_EQ(app.m.CurrentQuestion, kMax);
    }
    ExpectShown("", "", 0);
    EXPECT_TRUE(fake.Entries("MsgBox").empty());
    ASSERT_TRUE(rt().Click(drill().cmd(0)));
    EXPECT_EQ(app.m.CurrentQuestion, kMax - 1);

    // A section found at the largest number gives its end message and its count.
    Enter(kBasics, "计算机病毒及其防治", Type::None, kMax);
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(drill().cmd(1)));
    EXPECT_EQ(app.m.CurrentQuestion, 8);
    EXPECT_EQ(fake.Entries("MsgBox"), Journal{kFirstEnd});
}

TEST_F(DrillTest, captions_that_name_no_section_show_judge_and_explain_nothing)
{
    std::vector<std::pair<std::string, std::string>> headings = {
        {kBasics, "概述 "}, {kBasics, " 概述"}, {kBasics, "internet基础及应用"}, {kWord, "计算机软件系统"},
        {"计算机基础知识 ", "计算机软件系统"}, {"利用Word2010高效创建电子文档", "创建并编辑文档"}, {"", ""},
    };
    for (const std::string& input : monkey::BadInputs()) {
        headings.emplace_back(kBasics, input);
        headings.emplace_back(input, "计算机软件系统");
    }
    for (const auto& [chapter, section] : headings) {
        SCOPED_TRACE(chapter.substr(0, 30) + " / " + section.substr(0, 30));
        Enter(chapter, section, Type::First, 1);
        Run([&] { app.form9.Text1.set_text("之前的文字"); });
        MarkScreen();
        ASSERT_TRUE(rt().Click(drill().cmd(1)));
        ASSERT_TRUE(rt().Click(drill().cmd(1)));
        EXPECT_EQ(app.m.CurrentQuestion, 3);
        ExpectShown("", "", 0);
        ASSERT_TRUE(rt().Click(drill().Optbutton(1)));
        EXPECT_EQ(drill().Text1.text(), "");
        ASSERT_TRUE(rt().Click(drill().Command2));
        EXPECT_EQ(app.form9.Text1.text(), "之前的文字");
        EXPECT_TRUE(fake.Entries("MsgBox").empty());
        Run([&] { ClosePopup(app.form9); });
    }
}

TEST_F(DrillTest, choosing_the_first_exercise_type_shows_the_drill_and_others_do_nothing)
{
    StartFresh();
    Run([&] {
        drill().List1.AddItem("选择题");
        drill().List1.AddItem("填空题");
    });
    EXPECT_FALSE(drill().is_visible());
    Run([&] { drill().List1.set_list_index(1); });
    EXPECT_FALSE(drill().is_visible());
    Run([&] { drill().List1.set_list_index(0); });
    EXPECT_TRUE(drill().is_visible());
}

}  // namespace
}  // namespace boxi::testing
