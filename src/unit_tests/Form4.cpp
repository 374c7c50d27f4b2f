#include "unit_tests/Form4.h"

#include <charconv>

#include "app/App.h"
#include "banks/UnitBank.h"
#include "common/Conventions.h"
#include "unit_tests/Form3.h"

namespace boxi {

namespace {

constexpr int kQuestions = banks::kUnitQuestionCount;
constexpr std::string_view kDefaultUnit = "计算机基础知识";
constexpr std::string_view kLetters = "ABCD";

void Notice(ui::Runtime& runtime, std::string text)
{
    MsgBox(runtime, std::move(text), platform::MsgButtons::Ok, platform::MsgIcon::None, 0, "提示");
}

}  // namespace

std::string_view UnitVerdict(double score)
{
    if (score < 60)
        return "   你本单元测验成绩不理想，应该加强本单元学习和练习！";
    if (score < 80)
        return "   你本单元测验过关！";
    if (score < 90)
        return "   你本单元测验达到良好水平！";
    if (score < 100)
        return "   你本单元测验已达到优秀水平，值得庆贺！";
    return "   你本单元测验满分，太棒了！";
}

std::string UnitScoreText(double score)
{
    char digits[32];
    auto result = std::to_chars(digits, digits + sizeof digits, score);
    return " " + std::string(digits, result.ptr);
}

Form4::Form4(App& app)
    : ui::Window(app.runtime(), "Form4", {.caption = "单元测验", .client_width = 720, .client_height = 470}),
      app_(app)
{
    Combo1.on_click = [this] { Combo1_Click(); };
    cmd.on_click = [this](int index) { cmd_Click(index); };
    Optbutton.on_click = [this](int index) { Optbutton_Click(index); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form4::Form_Load()
{
    for (const banks::UnitTexts* unit : banks::Units())
        Combo1.AddItem(std::string(unit->name));
    Combo1.set_text(std::string(kDefaultUnit));
    LoadUnit(kDefaultUnit);
    unit_score_ = 0;
    unit_question_no_ = 1;
    ClearGivenAnswers();
    ShowUnitQuestion(1);
}

// Closed with its title bar: as "返回", the sheet goes first, so no sheet of
// an ended test stays behind, and the learner is back at the course menu.
void Form4::Form_QueryUnload() { Command2_Click(); }

void Form4::Combo1_Click()
{
    LoadUnit(Combo1.text());
    app_.form3.Unload();
    app_.form3.Hide();
    unit_score_ = 0;
    unit_question_no_ = 1;
    ShowUnitQuestion(1);
    for (int i = 0; i < 4; ++i)
        Optbutton(i).set_value(false, ui::Notify::No);
    ClearGivenAnswers();
}

void Form4::cmd_Click(int index)
{
    for (int i = 0; i < 4; ++i)
        Optbutton(i).set_value(false, ui::Notify::No);
    if (index == 0) {
        --unit_question_no_;
        if (unit_question_no_ < 1) {
            unit_question_no_ = 1;
            Notice(runtime(), "如果想重做试题，请单击“下一题”按钮。");
        }
    } else {
        ++unit_question_no_;
        if (unit_question_no_ > app_.m.QuestionCount) {
            unit_question_no_ = static_cast<std::int16_t>(app_.m.QuestionCount);
            Notice(runtime(), "本单元测验完毕！");
        }
    }
    ShowUnitQuestion(unit_question_no_);
    // Showing the recorded answer again is not an answer: no click is raised.
    const std::string& given = app_.m.Table.GivenAnswer(unit_question_no_);
    for (int i = 0; i < 4; ++i) {
        if (given == kLetters.substr(static_cast<size_t>(i), 1))
            Optbutton(i).set_value(true, ui::Notify::No);
    }
}

void Form4::Optbutton_Click(int)
{
    // The letter comes from the button that is selected, never from the
    // option's text or the event.
    std::string letter;
    for (int i = 0; i < 4 && letter.empty(); ++i) {
        if (Optbutton(i).value())
            letter = std::string(1, kLetters[static_cast<size_t>(i)]);
    }
    if (letter.empty())
        return;
    const int n = unit_question_no_;
    app_.m.Table.GivenAnswer.Set(n, letter);
    LoadSheetWithAnswers();
    MarkOnSheet(n);
    unit_score_ = ScoreFromAnswers();
    app_.form3.Hide();
}

void Form4::Command1_Click()
{
    LoadSheetWithAnswers();
    app_.form3.Show();
    app_.form3.Label157.set_caption(UnitScoreText(unit_score_));
    app_.form3.Text1.set_text(std::string(UnitVerdict(unit_score_)));
    app_.form3.Label2.set_caption(Combo1.text());
    Hide();
}

void Form4::Command2_Click()
{
    app_.form3.Unload();
    Hide();
    Unload();
    app_.form60.Show();
}

void Form4::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

void Form4::LoadUnit(std::string_view name)
{
    if (banks::WriteUnit(app_.m.Table, name))
        app_.m.QuestionCount = kQuestions;
}

void Form4::ShowUnitQuestion(int n)
{
    const QuestionTable& t = app_.m.Table;
    ui::Font font = Text1.font();
    font.size = 14;
    Text1.set_font(font);
    Text1.set_text(t.QuestionText(n));
    Optbutton(0).set_caption(t.ChoiceA(n));
    Optbutton(1).set_caption(t.ChoiceB(n));
    Optbutton(2).set_caption(t.ChoiceC(n));
    Optbutton(3).set_caption(t.ChoiceD(n));
}

void Form4::ClearGivenAnswers()
{
    for (int k = 1; k <= kQuestions; ++k)
        app_.m.Table.GivenAnswer.Set(k, "");
}

double Form4::ScoreFromAnswers() const
{
    int right = 0;
    for (int k = 1; k <= kQuestions; ++k) {
        const std::string& given = app_.m.Table.GivenAnswer(k);
        if (!given.empty() && given == app_.m.Table.AnswerKey(k))
            ++right;
    }
    return 2.5 * right;
}

void Form4::LoadSheetWithAnswers()
{
    if (app_.form3.is_loaded())
        return;
    app_.form3.EnsureLoaded();
    // Only a sheet closed with its title bar in mid-test has lost answers.
    for (int k = 1; k <= kQuestions; ++k) {
        if (!app_.m.Table.GivenAnswer(k).empty())
            MarkOnSheet(k);
    }
}

void Form4::MarkOnSheet(int k)
{
    const std::string& letter = app_.m.Table.GivenAnswer(k);
    app_.form3.Label4(k).set_caption(letter);
    app_.form3.Label3(k).set_back_color(letter == app_.m.Table.AnswerKey(k) ? sheet::kRight : sheet::kWrong);
}

}  // namespace boxi
