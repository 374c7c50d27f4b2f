// The Access operation practice: the set chooser that opens it, the
// candidate folder, the type buttons, "试题分析", the notes, the way back and
// the right-click guards.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "banks/AccessBank.h"
#include "common/Conventions.h"
#include "monkey/Monkey.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using banks::OperationType;
using Journal = std::vector<std::string>;
using FolderCall = platform::FakePlatform::FolderCall;

const ui::Color kActive = ui::Color::FromOle(0x80000014);
const ui::Color kInactive = ui::Color::FromOle(0x80000013);

constexpr const char* kNotes =
    "（1）上机练习要求电脑上必须安装Access2003数据库软件，如果你的电脑上没有安装此软件，请先安装此软件或安装Office2003完整企业版！\n"
    "（2）上机题所用到的“源文件”在下载的软件安装解压包中，先将其拷贝到考生文件夹下，做题时找到相应套数中的源文件双击打开即可。\n"
    "（3）真正考试时，是随机抽取一套题，而且试题用到的源文件会自动放到考生文件夹下，考生只需在考生文件夹下找到对应的源文件双击打开即可。";

const std::string kEmptyQuestion = [] {
    std::string text;
    for (int i = 0; i < 24; ++i)
        text += "\r\n";
    return text;
}();
const std::string kEmptyAnswer = "\r\n\r\n\r\n\r\n\r\n";

std::string Question(OperationType type, const std::string& name) { return banks::ComposeOperationQuestion(type, name); }
std::string Answer(OperationType type, const std::string& name) { return banks::ComposeReferenceAnswer(type, name); }

class AccessPracticeTest : public AppTest {
protected:
    // From the portal through "实战模拟" to the case chooser.
    void OpenCaseChooser()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command4));
        fake.ClearJournal();
    }

    void OpenSetChooser()
    {
        OpenCaseChooser();
        ASSERT_TRUE(rt().Click(app.form10.Command3));
    }

    // Chooses set `number` in the set chooser and starts the practice.
    void OpenPractice(int number)
    {
        OpenSetChooser();
        ASSERT_TRUE(rt().Select(chooser().List1, number - 1));
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(chooser().Command1));
    }

    // The name as the case chooser holds it, written as a learner types it.
    void TypeName(const std::string& name) { Run([&] { app.form10.SetCurrentSetName(name); }); }

    std::vector<std::string> FolderCalls() const
    {
        std::vector<std::string> calls;
        for (const std::string& entry : fake.journal()) {
            if (entry.rfind("FolderExists(", 0) == 0 || entry.rfind("MkDir(", 0) == 0 || entry.rfind("ChDir(", 0) == 0)
                calls.push_back(entry);
        }
        return calls;
    }

    std::vector<ui::Color> TypeColors()
    {
        return {practice().Command1.back_color(), practice().Command2.back_color(), practice().Command3.back_color()};
    }

    AccessSetChooser& chooser() { return app.access_set_chooser; }
    Form36& practice() { return app.form36; }
    Form51& answer() { return app.form51; }
    Form27& notes() { return app.form27; }
};

TEST_F(AccessPracticeTest, the_case_chooser_opens_the_set_chooser_and_stays_loaded_under_it)
{
    OpenCaseChooser();
    EXPECT_EQ(app.form10.Command3.caption(), "Access上机练习");
    ASSERT_TRUE(rt().Click(app.form10.Command3));
    EXPECT_EQ(fake.journal(), (Journal{"load AccessSetChooser", "show AccessSetChooser", "hide Form10"}));
    EXPECT_TRUE(app.form10.is_loaded());

    ASSERT_EQ(chooser().List1.ListCount(), 26);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(chooser().List1.List(i), "操作题（第" + std::to_string(i + 1) + "套）");
    EXPECT_EQ(chooser().List1.list_index(), 0);  // "实例1" is no set
    EXPECT_EQ(chooser().Command1.caption(), "开始练习");
    EXPECT_EQ(chooser().Command2.caption(), "返回");

    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"show Form10", "hide AccessSetChooser", "unload AccessSetChooser"}));
    EXPECT_EQ(app.form10.CurrentSetName(), "实例1");
}

TEST_F(AccessPracticeTest, closing_the_set_chooser_by_its_title_bar_returns_to_the_case_chooser)
{
    OpenCaseChooser();
    ASSERT_TRUE(rt().Type(app.form10.Combo1, "实例7"));
    ASSERT_TRUE(rt().Click(app.form10.Command3));
    ASSERT_TRUE(rt().CloseByTitleBar(chooser()));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(chooser().is_loaded());
    EXPECT_TRUE(app.form10.is_visible());
    EXPECT_EQ(app.form10.CurrentSetName(), "实例7");
}

TEST_F(AccessPracticeTest, start_writes_the_set_name_opens_the_practice_and_leaves_the_chooser)
{
    OpenPractice(22);
    Journal journal = fake.journal();
    std::erase_if(journal, [](const std::string& entry) { return entry.find('(') != std::string::npos; });
    EXPECT_EQ(journal, (Journal{"load Form36", "show Form36", "hide AccessSetChooser", "unload AccessSetChooser"}));
    EXPECT_EQ(app.form10.CurrentSetName(), "操作题（第22套）");
    EXPECT_EQ(practice().Text1.text(), Question(OperationType::Basic, "操作题（第22套）"));
    EXPECT_TRUE(app.form10.is_loaded());
    EXPECT_FALSE(app.form10.is_visible());

    // "退出" leads back to the case chooser, which now holds the set name.
    ASSERT_TRUE(rt().Click(practice().Command5));
    EXPECT_EQ(app.form10.Combo1.text(), "操作题（第22套）");
    // The set chooser offers the set last practised.
    ASSERT_TRUE(rt().Click(app.form10.Command3));
    EXPECT_EQ(chooser().List1.list_index(), 21);
}

TEST_F(AccessPracticeTest, the_load_shows_the_design_marks_the_basic_type_and_leaves_the_other_windows)
{
    OpenPractice(20);
    EXPECT_EQ(practice().caption(), "操作题");
    EXPECT_EQ(practice().Label2.caption(), "考生文件夹");
    EXPECT_EQ(practice().Label1.caption(), "C:\\WEXAM\\29010001");
    EXPECT_EQ(practice().Label5.caption(), "上机题所用到的“源文件”在下载的软件安装解压包中，可将其拷贝到考生文件夹下.");
    EXPECT_EQ(practice().Label5.fore_color(), ui::Color::Rgb(0, 128, 0));
    EXPECT_EQ(practice().Label5.back_color(), ui::Color::Rgb(128, 255, 255));
    EXPECT_EQ(practice().Command4.caption(), "试题分析");
    EXPECT_EQ(practice().Command4.back_color(), ui::Color::Rgb(255, 192, 128));
    EXPECT_EQ(practice().Command5.caption(), "退出");
    EXPECT_TRUE(practice().Text1.locked());
    EXPECT_EQ(practice().Text1.font(), (ui::Font{.size = 14.25, .bold = true}));
    EXPECT_EQ(practice().focused(), &practice().Command4);
    // The whole tab order of what takes the focus, as the desktop follows
    // it: by tab index, controls with the same index in design order.
    std::vector<const ui::Control*> focusable;
    for (const ui::Control* control : practice().controls()) {
        const ui::ControlKind kind = control->kind();
        if (kind == ui::ControlKind::CommandButton || kind == ui::ControlKind::TextBox)
            focusable.push_back(control);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ui::Control* a, const ui::Control* b) { return a->peek().tab_index < b->peek().tab_index; });
    std::vector<std::string> order;
    for (const ui::Control* control : focusable)
        order.push_back(control->name());
    EXPECT_EQ(order, (std::vector<std::string>{"Command4", "Text1", "Command3", "Command2", "Command1", "Command5"}));
    EXPECT_EQ(practice().KSXM.caption(), "答题(&T)");
    EXPECT_EQ(practice().DZYJ.caption(), "启动Access2003");
    EXPECT_EQ(practice().HELP.caption(), "帮助（&H)");
    EXPECT_EQ(practice().KSGY.caption(), "上机练习说明");
    EXPECT_FALSE(practice().popmenu.visible());

    // Whole system-colour values, not what they resolve to.
    EXPECT_EQ(TypeColors(), (std::vector<ui::Color>{kActive, kInactive, kInactive}));
    EXPECT_EQ(practice().Command1.back_color().ole(), 0x80000014u);
    EXPECT_EQ(practice().Text1.text(), Question(OperationType::Basic, "操作题（第20套）"));
    EXPECT_FALSE(answer().is_loaded());
    EXPECT_FALSE(notes().is_loaded());
}

struct FolderState {
    const char* name;
    std::set<std::string> folders;
    std::vector<std::string> calls;
};

const FolderState kFolderStates[] = {
    {"neither folder",
     {"c:"},
     {"FolderExists(\"c:\\wexam\\29010001\")", "FolderExists(\"c:\\wexam\")", "ChDir(\"c:\\\")", "MkDir(\"c:\\wexam\")",
      "ChDir(\"c:\\wexam\")", "MkDir(\"c:\\wexam\\29010001\")", "ChDir(\"c:\\wexam\\29010001\")"}},
    {"only c:\\wexam",
     {"c:", "c:\\wexam"},
     {"FolderExists(\"c:\\wexam\\29010001\")", "FolderExists(\"c:\\wexam\")", "ChDir(\"c:\\wexam\")",
      "MkDir(\"c:\\wexam\\29010001\")", "ChDir(\"c:\\wexam\\29010001\")"}},
    {"both folders",
     {"c:", "c:\\wexam", "c:\\wexam\\29010001"},
     {"FolderExists(\"c:\\wexam\\29010001\")", "ChDir(\"c:\\wexam\\29010001\")"}},
};

TEST_F(AccessPracticeTest, every_load_prepares_the_candidate_folder_from_each_starting_state)
{
    for (const FolderState& state : kFolderStates) {
        SCOPED_TRACE(state.name);
        fake.folders = state.folders;
        fake.current_folder_c = "c:\\";
        OpenPractice(1);
        EXPECT_EQ(FolderCalls(), state.calls);
        EXPECT_EQ(fake.folders, (std::set<std::string>{"c:", "c:\\wexam", "c:\\wexam\\29010001"}));
        EXPECT_EQ(fake.current_folder_c, "c:\\wexam\\29010001");
        EXPECT_TRUE(fake.boxes().empty());
        ASSERT_TRUE(rt().Click(practice().Command5));
    }
}

// The folder that failed and the platform's reason, under the program's title.
std::string FolderNotice(const std::string& reason) { return "考生文件夹“c:\\wexam\\29010001”没有准备好：\n" + reason; }

TEST(AccessPracticeFolderFailures, a_failing_call_stops_the_preparation_is_told_once_and_the_load_completes)
{
    for (const FolderState& state : kFolderStates) {
        for (size_t failing = 0; failing < state.calls.size(); ++failing) {
            const std::string& call = state.calls[failing];
            if (call.rfind("FolderExists(", 0) == 0)
                continue;  // an existence test answers; it does not fail
            SCOPED_TRACE(std::string(state.name) + ", failing " + call);
            // A scripted failure stays for the whole run: a fresh program per row.
            auto fake = std::make_unique<platform::FakePlatform>();
            auto app = std::make_unique<App>(*fake);
            fake->folders = state.folders;
            const bool create = call.rfind("MkDir(", 0) == 0;
            const std::string path = call.substr(call.find('"') + 1, call.rfind('"') - call.find('"') - 1);
            const std::string reason = "无法处理文件夹“" + path + "”：拒绝访问。";
            fake->FailFolderCall(create ? FolderCall::Create : FolderCall::ChangeCurrent, path, reason);
            fake->AnswerNextBox(platform::MsgAnswer::Ok);

            app->Start();
            ui::Runtime& rt = app->runtime();
            ASSERT_TRUE(rt.Click(app->form8.Image1));
            ASSERT_TRUE(rt.Click(app->form60.Command4));
            ASSERT_TRUE(rt.Click(app->form10.Command3));
            ASSERT_TRUE(rt.Select(app->access_set_chooser.List1, 21));
            fake->ClearJournal();
            ASSERT_TRUE(rt.Click(app->access_set_chooser.Command1));

            std::vector<std::string> calls;
            for (const std::string& entry : fake->journal()) {
                if (entry.rfind("MsgBox(", 0) != 0)
                    calls.push_back(entry);
            }
            EXPECT_EQ(calls, std::vector<std::string>(state.calls.begin(), state.calls.begin() + static_cast<long>(failing) + 1));
            ASSERT_EQ(fake->boxes().size(), 1u);
            EXPECT_EQ(fake->boxes()[0].text, FolderNotice(reason));
            EXPECT_EQ(fake->boxes()[0].title, kProgramTitle);
            EXPECT_EQ(fake->boxes()[0].buttons, platform::MsgButtons::Ok);
            // Nothing created after the failure.
            std::set<std::string> created = state.folders;
            for (size_t i = 0; i < failing; ++i) {
                const std::string& done = state.calls[i];
                if (done.rfind("MkDir(", 0) == 0)
                    created.insert(done.substr(7, done.size() - 9));
            }
            EXPECT_EQ(fake->folders, created);
            // The load goes on: the type mark and the question.
            EXPECT_TRUE(app->form36.is_visible());
            EXPECT_EQ(app->form36.Command1.back_color(), kActive);
            EXPECT_EQ(app->form36.Text1.text(), Question(OperationType::Basic, "操作题（第22套）"));
            EXPECT_EQ(fake->pending_box_answers(), 0u);
        }
    }
}


TEST_F(AccessPracticeTest, a_type_button_closes_the_answer_marks_its_type_and_shows_its_question)
{
    OpenPractice(13);
    ASSERT_TRUE(rt().Click(practice().Command4));
    ASSERT_TRUE(answer().is_visible());

    struct Row {
        ui::CommandButton& button;
        OperationType type;
        std::vector<ui::Color> colors;
    };
    const Row rows[] = {
        {practice().Command2, OperationType::Simple, {kInactive, kActive, kInactive}},
        {practice().Command3, OperationType::Comprehensive, {kInactive, kInactive, kActive}},
        {practice().Command3, OperationType::Comprehensive, {kInactive, kInactive, kActive}},
        {practice().Command1, OperationType::Basic, {kActive, kInactive, kInactive}},
    };
    bool answer_open = true;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button.caption());
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(row.button));
        // Hidden, then unloaded; a window that was not loaded is not loaded after.
        Journal expected = answer_open ? Journal{"hide Form51", "unload Form51"}
                                       : Journal{"load Form51", "hide Form51", "unload Form51"};
        EXPECT_EQ(fake.journal(), expected);
        EXPECT_FALSE(answer().is_loaded());
        EXPECT_EQ(TypeColors(), row.colors);
        EXPECT_EQ(practice().Text1.text(), Question(row.type, "操作题（第13套）"));
        answer_open = false;
    }
}

TEST_F(AccessPracticeTest, names_that_match_no_set_give_empty_questions_and_answers_for_every_type)
{
    OpenPractice(22);
    ASSERT_NE(practice().Text1.text(), kEmptyQuestion);
    std::vector<std::string> names = {"实例1", "操作题(第22套)", "操作题（第022套）", "操作题（第27套）", " 操作题（第22套）",
                                      "操作题（第22套） ", "第22套", ""};
    for (const std::string& input : monkey::BadInputs()) {
        if (!banks::FindOperationSet(input))
            names.push_back(input);
    }
    for (const std::string& name : names) {
        SCOPED_TRACE("\"" + name.substr(0, 30) + "\"");
        TypeName(name);
        for (ui::CommandButton* button : {&practice().Command1, &practice().Command2, &practice().Command3}) {
            ASSERT_TRUE(rt().Click(*button));
            // The answer still closes and the type is still marked.
            EXPECT_FALSE(answer().is_loaded());
            const std::vector<ui::Color> colors = TypeColors();
            EXPECT_EQ(button->back_color(), kActive);
            EXPECT_EQ(std::count(colors.begin(), colors.end(), kActive), 1);
            EXPECT_EQ(practice().Text1.text(), kEmptyQuestion);
            ASSERT_TRUE(rt().Click(practice().Command4));
            EXPECT_TRUE(answer().is_visible());
            EXPECT_EQ(answer().Text1.text(), kEmptyAnswer);
        }
    }
    // The next opening with such a name shows the empty question too.
    ASSERT_TRUE(rt().Click(practice().Command5));
    Run([&] { practice().Show(); });
    EXPECT_EQ(practice().Text1.text(), kEmptyQuestion);
}

TEST_F(AccessPracticeTest, the_answer_follows_the_first_marked_button_compared_as_a_whole_colour)
{
    OpenPractice(13);
    const std::string set = "操作题（第13套）";
    const ui::Color white = ui::Color::Rgb(255, 255, 255);  // what the 3D highlight usually looks like
    struct Row {
        const char* marks;
        std::vector<ui::Color> colors;
        std::optional<OperationType> type;
    };
    const Row rows[] = {
        {"none", {kInactive, kInactive, kInactive}, std::nullopt},
        {"look-alike", {white, ui::colors::kButtonFace, kInactive}, std::nullopt},
        {"basic", {kActive, kInactive, kInactive}, OperationType::Basic},
        {"simple", {kInactive, kActive, kInactive}, OperationType::Simple},
        {"comprehensive", {kInactive, kInactive, kActive}, OperationType::Comprehensive},
        {"basic and comprehensive", {kActive, kInactive, kActive}, OperationType::Basic},
        {"simple and comprehensive", {kInactive, kActive, kActive}, OperationType::Simple},
        {"all three", {kActive, kActive, kActive}, OperationType::Basic},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.marks);
        Run([&] {
            practice().Command1.set_back_color(row.colors[0]);
            practice().Command2.set_back_color(row.colors[1]);
            practice().Command3.set_back_color(row.colors[2]);
        });
        ASSERT_TRUE(rt().Click(practice().Command4));
        EXPECT_EQ(answer().Text1.text(), row.type ? Answer(*row.type, set) : kEmptyAnswer);
        EXPECT_TRUE(answer().is_visible());
    }
    // The rows tell the types apart: each answer of this set differs.
    EXPECT_NE(Answer(OperationType::Basic, set), Answer(OperationType::Simple, set));
    EXPECT_NE(Answer(OperationType::Simple, set), Answer(OperationType::Comprehensive, set));
    EXPECT_NE(Answer(OperationType::Basic, set), Answer(OperationType::Comprehensive, set));
}

TEST_F(AccessPracticeTest, the_answer_is_written_before_the_window_shows_and_replaced_at_every_press)
{
    OpenPractice(13);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(practice().Command4));
    EXPECT_EQ(fake.journal(), (Journal{"load Form51", "show Form51"}));
    EXPECT_EQ(answer().Text1.text(), Answer(OperationType::Basic, "操作题（第13套）"));
    EXPECT_EQ(answer().caption(), "参考答案");
    EXPECT_TRUE(answer().Text1.locked());

    // A three-step answer, then a one-step one: nothing of the first stays.
    Run([&] { practice().Command1.set_back_color(kInactive); practice().Command3.set_back_color(kActive); });
    ASSERT_TRUE(rt().Click(practice().Command4));
    EXPECT_EQ(answer().Text1.text(), Answer(OperationType::Comprehensive, "操作题（第13套）"));
    EXPECT_TRUE(answer().Text1.text().ends_with("End Sub \r\n\r\n\r\n\r\n\r\n"));
}

TEST_F(AccessPracticeTest, the_set_name_is_read_afresh_at_every_use)
{
    OpenPractice(22);
    const std::string old_text = practice().Text1.text();
    TypeName("操作题（第13套）");
    EXPECT_EQ(practice().Text1.text(), old_text);  // not refreshed by itself
    ASSERT_TRUE(rt().Click(practice().Command4));
    EXPECT_EQ(answer().Text1.text(), Answer(OperationType::Basic, "操作题（第13套）"));
    ASSERT_TRUE(rt().Click(practice().Command1));
    EXPECT_EQ(practice().Text1.text(), Question(OperationType::Basic, "操作题（第13套）"));
}

TEST_F(AccessPracticeTest, both_menu_items_show_the_one_notes_box_and_start_nothing)
{
    OpenPractice(1);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Choose(practice().DZYJ));
    EXPECT_EQ(fake.journal(), (Journal{"load Form27", "show Form27"}));
    EXPECT_EQ(notes().Label1.caption(), kNotes);
    EXPECT_EQ(notes().caption(), "提示");
    EXPECT_EQ(notes().focused(), &notes().Command1);

    ASSERT_TRUE(rt().Choose(practice().KSGY));
    EXPECT_EQ(notes().Label1.caption(), kNotes);
    EXPECT_EQ(notes().load_count(), 1u);
    EXPECT_TRUE(fake.Entries("Shell").empty());

    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(notes().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form27"}));
    EXPECT_TRUE(practice().is_visible());
}

TEST_F(AccessPracticeTest, exit_returns_to_the_case_chooser_and_leaves_answer_and_notes_open)
{
    OpenPractice(13);
    ASSERT_TRUE(rt().Click(practice().Command3));
    ASSERT_TRUE(rt().Click(practice().Command4));
    ASSERT_TRUE(rt().Choose(practice().KSGY));
    const std::string open_answer = answer().Text1.text();
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(practice().Command5));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form36", "unload Form36", "show Form10"}));
    EXPECT_TRUE(answer().is_visible());
    EXPECT_TRUE(notes().is_visible());

    // Opening again starts on the basic type; the open answer keeps its text.
    ASSERT_TRUE(rt().Click(app.form10.Command3));
    ASSERT_TRUE(rt().Click(chooser().Command1));
    EXPECT_EQ(TypeColors(), (std::vector<ui::Color>{kActive, kInactive, kInactive}));
    EXPECT_EQ(answer().Text1.text(), open_answer);
    EXPECT_TRUE(answer().is_visible());
}

TEST_F(AccessPracticeTest, the_title_bar_close_leads_back_to_the_case_chooser_as_exit_does)
{
    // The notes left open stay open, as after "退出".
    OpenPractice(1);
    ASSERT_TRUE(rt().Choose(practice().KSGY));
    fake.ClearJournal();
    ASSERT_TRUE(rt().CloseByTitleBar(practice()));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form36", "unload Form36", "show Form10"}));
    EXPECT_FALSE(rt().ended());
    EXPECT_TRUE(app.form10.is_visible());
    EXPECT_EQ(app.form10.CurrentSetName(), "操作题（第1套）");
    EXPECT_TRUE(notes().is_visible());
}

TEST_F(AccessPracticeTest, right_button_in_either_text_pops_its_window_menu_only)
{
    OpenPractice(22);
    ASSERT_TRUE(rt().Click(practice().Command4));
    struct Row {
        ui::TextBox& box;
        const char* popup;
    };
    const Row rows[] = {
        {practice().Text1, "PopupMenu(Form36, popmenu, [\"内容不可改动\"]) -> 0"},
        {answer().Text1, "PopupMenu(Form51, popmenu, [\"内容不可更改\"]) -> 0"},
    };
    for (const Row& row : rows)
        ExpectRightClickGuard(row.box, row.popup);
}

TEST_F(AccessPracticeTest, no_box_of_the_practice_or_its_chooser_accepts_typing)
{
    OpenPractice(1);
    ASSERT_TRUE(rt().Click(practice().Command4));
    ASSERT_TRUE(rt().Choose(practice().KSGY));
    for (ui::Window* window : std::initializer_list<ui::Window*>{&chooser(), &practice(), &answer(), &notes()}) {
        for (ui::Control* control : window->controls()) {
            SCOPED_TRACE(window->name() + "." + control->name());
            EXPECT_NE(control->kind(), ui::ControlKind::ComboBox);
            if (control->kind() == ui::ControlKind::TextBox) {
                EXPECT_TRUE(control->design().locked);
            }
        }
    }
}

}  // namespace
}  // namespace boxi::testing
