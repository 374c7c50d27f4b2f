// The whole program by keyboard, on the offscreen platform: Tab goes round
// every window as it reads, labels and pictures act as buttons, an option
// group is one Tab stop whose arrow keys select, Enter presses the forward
// button, Esc the way back, and F6 reaches the exam toolbar. Option buttons
// and check boxes take a click anywhere in their rectangle.
#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "DesktopFixture.h"
#include "app/App.h"
#include "desktop/WindowView.h"

namespace boxi::testing {
namespace {

class KeyboardTest : public TimedExamDesktopTest {
public:
    // The ways to the windows, which the tables below name.
    void OpenRules();  // the exam rules with their check box "已阅读", on 第3套
    void StartExam();  // a running exam on 第3套: the toolbar over the task window
    void OpenChoiceWindow();
    void OpenReview();  // after question 1 answered "A" and handed in
    void OpenModeChoice();
    void OpenLogin();
    void OpenLoginToConfirm();  // the login, its confirmation to be answered Yes
    void OpenLock();
    void OpenLockAsking();  // five seconds on, "58143" in its entry
    void OpenUnitTest();
    void OpenEvaluationSheet();
    void OpenStudy() { OpenChapterStudy(); }
    void OpenDrillChooser();
    void OpenDrill();
    void OpenDrillHint();
    void OpenCaseChooser();
    void OpenCaseSteps();
    void OpenExerciseSteps();
    void OpenSyllabus();
    void OpenAccessChooser();
    void OpenAccessPractice();
    void OpenReferenceAnswer();
    void OpenPracticeNotes();
    void OpenAlarm();
    void OpenProgressPage();

protected:
    QWidget* Focus()
    {
        QApplication::processEvents();
        return QApplication::focusWidget();
    }

    // The control that has the focus: the named widget that is or holds the
    // focus widget (a combo box holds its entry).
    QString FocusName()
    {
        for (QWidget* w = Focus(); w; w = w->parentWidget()) {
            if (!w->objectName().isEmpty())
                return w->objectName();
        }
        return {};
    }

    void Key(Qt::Key key)
    {
        QWidget* focus = Focus();
        ASSERT_NE(focus, nullptr) << "no widget has the focus for the key";
        QTest::keyClick(focus, key);
        QApplication::processEvents();
    }

    desktop::WindowView* Activate(ui::Window& window)
    {
        desktop::WindowView* view = renderer.ViewOf(window);
        EXPECT_NE(view, nullptr) << window.name();
        if (!view)
            return nullptr;
        view->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view, 1000)) << window.name();
        return view;
    }

    // The controls Tab reaches from the focus until it comes round to it.
    QStringList TabRound()
    {
        QStringList names;
        const QString start = FocusName();
        for (int tabs = 0; tabs < 120; ++tabs) {
            names << FocusName();
            Key(Qt::Key_Tab);
            if (FocusName() == start)
                return names;
        }
        ADD_FAILURE() << "Tab never came round: " << names.join(' ').toStdString();
        return names;
    }

    void Click(ui::Clickable& control) { ASSERT_TRUE(app.runtime().Click(control)) << control.name(); }
};

void KeyboardTest::OpenRules()
{
    OpenLoginToConfirm();
    Click(app.form12.Image5);
    Click(app.form13.Image4);
    AdvanceTo(fake.now_ms + 100);
    app.runtime().Run([&] { app.form10.SetCurrentSetName("第3套"); });
    ASSERT_TRUE(app.form14.is_visible());
}

void KeyboardTest::StartExam()
{
    OpenRules();
    ASSERT_FALSE(HasFatalFailure());
    Click(app.form14.Check1);
    Click(app.form14.Image3);
    ASSERT_TRUE(app.form42.is_visible());
    ASSERT_TRUE(app.form16.is_visible());
}

void KeyboardTest::OpenChoiceWindow()
{
    StartExam();
    Click(app.form16.Command1);
    ASSERT_TRUE(app.form20.is_visible());
}

void KeyboardTest::OpenReview()
{
    OpenChoiceWindow();
    Click(app.form20.Option1(0));
    Click(app.form42.Label8);
    Click(app.form15.Command1);
    ASSERT_TRUE(app.form1.is_visible());
}

void KeyboardTest::OpenModeChoice()
{
    app.Start();
    Click(app.form8.Image2);
    Click(app.form59.Command4);
    ASSERT_TRUE(app.form43.is_visible());
}

void KeyboardTest::OpenLogin()
{
    OpenModeChoice();
    Click(app.form43.Option1(1));
    Click(app.form43.Command4);
    ASSERT_TRUE(app.form12.is_visible());
}

void KeyboardTest::OpenLoginToConfirm()
{
    OpenLogin();
    fake.AnswerNextBox(platform::MsgAnswer::Yes);
}

void KeyboardTest::OpenLock()
{
    app.Start();
    app.runtime().Run([&] { app.form46.Show(); });
    QApplication::processEvents();
}

void KeyboardTest::OpenLockAsking()
{
    OpenLock();
    AdvanceTo(5000);
    app.runtime().Type(app.form46.Text1, "58143");
    QApplication::processEvents();
}

void KeyboardTest::OpenUnitTest()
{
    app.Start();
    Click(app.form8.Image1);
    Click(app.form60.Command10);
    ASSERT_TRUE(app.form4.is_visible());
}

void KeyboardTest::OpenEvaluationSheet()
{
    OpenUnitTest();
    Click(app.form4.Command1);
    ASSERT_TRUE(app.form3.is_visible());
}

void KeyboardTest::OpenDrillChooser()
{
    OpenChapterStudy();
    Click(app.form2.Command2);
    ASSERT_TRUE(app.drill_chooser.is_visible());
}

void KeyboardTest::OpenDrill()
{
    OpenDrillChooser();
    Click(app.drill_chooser.Command1);
    ASSERT_TRUE(app.form6.is_visible());
}

void KeyboardTest::OpenDrillHint()
{
    OpenDrill();
    Click(app.form6.cmd(0));  // "上一题" on the first question
}

void KeyboardTest::OpenCaseChooser()
{
    app.Start();
    Click(app.form8.Image1);
    Click(app.form60.Command4);
    ASSERT_TRUE(app.form10.is_visible());
}

void KeyboardTest::OpenCaseSteps()
{
    OpenCaseChooser();
    Click(app.form10.Command2);
    Click(app.form16.Command2);
}

void KeyboardTest::OpenExerciseSteps()
{
    OpenChapterStudy();
    Click(app.form2.Command1);
    Click(app.form7.Command2);
}

void KeyboardTest::OpenSyllabus()
{
    app.Start();
    Click(app.form8.Image1);
    Click(app.form60.Command9);
}

void KeyboardTest::OpenAccessChooser()
{
    OpenCaseChooser();
    Click(app.form10.Command3);
    ASSERT_TRUE(app.access_set_chooser.is_visible());
}

void KeyboardTest::OpenAccessPractice()
{
    OpenAccessChooser();
    Click(app.access_set_chooser.Command1);
    ASSERT_TRUE(app.form36.is_visible());
}

void KeyboardTest::OpenReferenceAnswer()
{
    OpenAccessPractice();
    Click(app.form36.Command4);
}

void KeyboardTest::OpenPracticeNotes()
{
    OpenAccessPractice();
    app.runtime().Choose(app.form36.KSGY);
}

void KeyboardTest::OpenAlarm()
{
    StartExam();
    app.runtime().Run([&] { app.form17.Show(); });
}

void KeyboardTest::OpenProgressPage()
{
    StartExam();
    Click(app.form42.Label2);
}

using Opener = void (KeyboardTest::*)();

template <auto member>
ui::Window& WindowOf(App& app)
{
    return app.*member;
}
using WindowGetter = ui::Window& (*)(App&);

QStringList Numbered(const char* name, int from, int to)
{
    QStringList names;
    for (int k = from; k <= to; ++k)
        names << QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(k);
    return names;
}

// `names` as Tab goes round them from `first`.
QStringList RoundFrom(const QStringList& names, const QString& first)
{
    const qsizetype at = names.indexOf(first);
    return at < 0 ? names : names.mid(at) + names.mid(0, at);
}

// --- Tab order --------------------------------------------------------------

struct TabRow {
    const char* name;
    Opener open;
    WindowGetter window;
    QStringList round;  // as the window reads, from any of them
};

void PrintTo(const TabRow& row, std::ostream* out) { *out << row.name; }

std::vector<TabRow> TabRows()
{
    using T = KeyboardTest;
    return {
        {"toolbar: its four working buttons, not 帮助", &T::StartExam, WindowOf<&App::form42>,
         {"Label1", "Label2", "Label6", "Label8"}},
        {"choice window: the options as one stop, answer sheet, arrows, the way back", &T::OpenChoiceWindow, WindowOf<&App::form20>,
         QStringList{"Text1", "Option1(0)"} + Numbered("Label3", 1, 20) +
             QStringList{"Image2(0)", "Image2(1)", "Image3"}},
        {"review: row numbers down the left, then the panes; no cell is a tab stop", &T::OpenReview,
         WindowOf<&App::form1>, Numbered("Label3", 1, 23) + QStringList{"Text1", "Text2", "Command1"}},
        {"evaluation sheet: the numbers, verdict and detail, the buttons", &T::OpenEvaluationSheet,
         WindowOf<&App::form3>, Numbered("Label3", 1, 40) + QStringList{"Text1", "Text2", "cmd(0)", "cmd(1)", "Command5"}},
        {"task window: 选择题 in the heading after the task, then the bottom row", &T::StartExam,
         WindowOf<&App::form16>, {"Text1", "Command1", "Command7", "Command10", "Command2", "Command8"}},
        {"case chooser: Access上机练习 before 返回", &T::OpenCaseChooser, WindowOf<&App::form10>,
         {"Text1", "Combo1", "Command2", "Command3", "Command1"}},
        {"chapter study: 选择题训练 before 返回", &T::OpenStudy, WindowOf<&App::form2>,
         {"List1", "Text1", "Command1", "Command2", "Command3"}},
        {"drill: the feedback box after the type list, before the options", &T::OpenDrill, WindowOf<&App::form6>,
         {"List1", "Text1", "Optbutton(0)", "Command2", "cmd(0)", "cmd(1)", "Command5"}},
        {"login: the covered surface buttons stay out", &T::OpenLogin, WindowOf<&App::form12>,
         {"Image4", "Text1", "Image5"}},
        {"Access practice: the order its design gives", &T::OpenAccessPractice, WindowOf<&App::form36>,
         {"Command4", "Text1", "Command3", "Command2", "Command1", "Command5"}},
    };
}

class TabOrderTest : public KeyboardTest, public ::testing::WithParamInterface<TabRow> {};

TEST_P(TabOrderTest, tab_goes_round_the_window_as_it_reads)
{
    const TabRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    Activate(row.window(app));
    ASSERT_FALSE(FocusName().isEmpty());
    const QStringList round = TabRound();
    EXPECT_EQ(RoundFrom(row.round, round.value(0)).join(' ').toStdString(), round.join(' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, TabOrderTest, ::testing::ValuesIn(TabRows()));

// --- Labels and pictures that act as buttons ---------------------------------

struct LabelRow {
    const char* name;
    Opener open;
    WindowGetter window;
    const char* label;
    std::function<bool(App&)> pressed;  // what its click handler leaves behind
};

void PrintTo(const LabelRow& row, std::ostream* out) { *out << row.name; }

std::vector<LabelRow> LabelRows()
{
    using T = KeyboardTest;
    return {
        {"toolbar 作答进度 opens the progress page", &T::StartExam, WindowOf<&App::form42>, "Label2",
         [](App& a) { return a.form15.is_visible(); }},
        {"toolbar 隐藏试题 hides the task window", &T::StartExam, WindowOf<&App::form42>, "Label6",
         [](App& a) { return !a.form16.is_visible() && a.form42.Label6.peek().caption == "显示试题"; }},
        {"toolbar 交卷 counts and opens the progress page", &T::StartExam, WindowOf<&App::form42>, "Label8",
         [](App& a) { return a.form15.is_visible(); }},
        {"answer sheet 7 jumps to question 7", &T::OpenChoiceWindow, WindowOf<&App::form20>, "Label3(7)",
         [](App& a) { return a.m.CurrentQuestion == 7 && a.form20.Label2.peek().caption == "7"; }},
        {"the choice window's next arrow", &T::OpenChoiceWindow, WindowOf<&App::form20>, "Image2(1)",
         [](App& a) { return a.m.CurrentQuestion == 2; }},
        {"review row 5 shows item 5", &T::OpenReview, WindowOf<&App::form1>, "Label3(5)",
         [](App& a) { return a.form1.Label3(5).peek().back == Form1::kSelected && !a.form1.Text1.peek().text.empty(); }},
        {"evaluation sheet number 12 brings up question 12", &T::OpenEvaluationSheet, WindowOf<&App::form3>,
         "Label3(12)", [](App& a) { return a.m.CurrentQuestion == 12 && a.form3.Label3(12).peek().back == sheet::kCurrent; }},
    };
}

class LabelButtonTest : public KeyboardTest, public ::testing::WithParamInterface<std::tuple<LabelRow, Qt::Key>> {};

// Tab reaches it, it marks its focus along its edge whatever the artwork
// under it, and Enter and Space press it through its click handler.
TEST_P(LabelButtonTest, tab_reaches_it_it_marks_its_focus_and_enter_or_space_presses_it)
{
    const auto& [row, key] = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    desktop::WindowView* view = Activate(row.window(app));
    ASSERT_NE(view, nullptr);
    QWidget* label = view->findChild<QWidget*>(QString::fromUtf8(row.label));
    ASSERT_NE(label, nullptr);
    const QImage without = label->grab().toImage();
    for (int tabs = 0; tabs < 80 && FocusName() != QString::fromUtf8(row.label); ++tabs)
        Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName().toStdString(), row.label);
    const QImage with = label->grab().toImage();
    int changed = 0;
    for (int x = 0; x < with.width(); ++x)
        changed += with.pixel(x, 1) != without.pixel(x, 1);
    EXPECT_GT(changed, with.width() / 2) << "no focus mark along its edge";
    ASSERT_FALSE(row.pressed(app));
    Key(key);
    EXPECT_TRUE(row.pressed(app));
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelButtonTest,
                         ::testing::Combine(::testing::ValuesIn(LabelRows()),
                                            ::testing::Values(Qt::Key_Return, Qt::Key_Space)));

// --- Plain and coloured buttons ----------------------------------------------

struct ButtonRow {
    const char* name;
    Opener open;
    WindowGetter window;
    const char* button;
    bool coloured;  // it draws its own frame: its focused border must show too
};

void PrintTo(const ButtonRow& row, std::ostream* out) { *out << row.name; }

int LightnessApart(QRgb a, QRgb b) { return std::abs(QColor(a).lightness() - QColor(b).lightness()); }

class ButtonFocusTest : public KeyboardTest, public ::testing::WithParamInterface<ButtonRow> {};

// Every button marks its focus with a ring of alternate pixels three pixels
// inside its edge, as Windows draws, clear of its caption, in a colour that
// stands out from its face; a coloured button's border also turns to one
// that stands out from its face (the highlight colour is lost on a blue one).
TEST_P(ButtonFocusTest, a_button_marks_its_focus_with_a_dotted_ring_that_stands_out_from_its_face)
{
    const ButtonRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    desktop::WindowView* view = Activate(row.window(app));
    ASSERT_NE(view, nullptr);
    auto* button = view->findChild<QWidget*>(QString::fromUtf8(row.button));
    ASSERT_NE(button, nullptr);
    const auto [without, with] = PicturesOfFocus(button);
    ASSERT_TRUE(button->hasFocus());
    ASSERT_EQ(with.size(), without.size());
    EXPECT_NE(with, without) << "no focus mark at all";

    const int w = with.width();
    const int h = with.height();
    int ring = 0;
    int alternations = 0;
    int contrast = 0;
    for (int x = 3; x < w - 3; ++x) {
        ring += with.pixel(x, 3) != without.pixel(x, 3);
        alternations += x + 1 < w - 3 && with.pixel(x, 3) != with.pixel(x + 1, 3);
        contrast = std::max(contrast, LightnessApart(with.pixel(x, 3), without.pixel(x, 3)));
    }
    int inside = 0;
    for (int y = 5; y < h - 5; ++y) {
        for (int x = 5; x < w - 5; ++x)
            inside += with.pixel(x, y) != without.pixel(x, y);
    }
    EXPECT_GT(ring, (w - 6) / 3) << "no ring along the inside of the frame";
    EXPECT_GT(alternations, (w - 6) / 2) << "the ring is not dotted";
    EXPECT_GE(contrast, 100) << "the ring is faint on the face";
    EXPECT_EQ(inside, 0) << "the mark runs into the caption";
    if (row.coloured) {
        EXPECT_GE(LightnessApart(with.pixel(w / 2, 1), without.pixel(w / 2, 1)), 100)
            << "the focused border is faint on the face";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonFocusTest,
    ::testing::Values(
        ButtonRow{"mode choice 确定", &KeyboardTest::OpenModeChoice, WindowOf<&App::form43>, "Command4", false},
        ButtonRow{"case chooser 返回, 26 high", &KeyboardTest::OpenCaseChooser, WindowOf<&App::form10>, "Command1",
                  false},
        ButtonRow{"drill hint 关闭, a small button", &KeyboardTest::OpenDrillHint, WindowOf<&App::form38>,
                  "Command1", false},
        ButtonRow{"Access practice 试题分析, coloured", &KeyboardTest::OpenAccessPractice, WindowOf<&App::form36>,
                  "Command4", true},
        ButtonRow{"progress page 确定, light blue", &KeyboardTest::OpenProgressPage, WindowOf<&App::form15>,
                  "Command1", true},
        ButtonRow{"progress page 取消, light blue", &KeyboardTest::OpenProgressPage, WindowOf<&App::form15>,
                  "Command2", true},
        ButtonRow{"progress page 监考交卷, light blue", &KeyboardTest::OpenProgressPage, WindowOf<&App::form15>,
                  "Command3", true}));

// --- List boxes ----------------------------------------------------------------

struct ListRow {
    const char* name;
    Opener open;
    WindowGetter window;
    const char* list;
};

void PrintTo(const ListRow& row, std::ostream* out) { *out << row.name; }

class ListFocusTest : public KeyboardTest, public ::testing::WithParamInterface<ListRow> {};

// A list with the focus has a highlight-coloured frame of two pixels round
// it, and its current item a dotted focus rectangle inside the item, which
// shows on the item's highlight; without the focus it shows neither.
TEST_P(ListFocusTest, a_focused_list_is_framed_and_its_current_item_ringed)
{
    const ListRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    desktop::WindowView* view = Activate(row.window(app));
    ASSERT_NE(view, nullptr);
    auto* list = view->findChild<QListWidget*>(QString::fromUtf8(row.list));
    ASSERT_NE(list, nullptr);
    const auto [without, with] = PicturesOfFocus(list);
    ASSERT_TRUE(list->hasFocus());
    ASSERT_EQ(with.size(), without.size());

    const QRgb mark = list->palette().color(QPalette::Highlight).rgb();
    const int w = with.width();
    const int h = with.height();
    // The frame's inner pixel may meet a highlighted item; its outer one
    // lies on the list's own edge, which is never the highlight unfocused.
    int framed = 0;
    int unfocused = 0;
    for (int x = 0; x < w; ++x) {
        for (int y : {0, 1, h - 2, h - 1}) {
            framed += with.pixel(x, y) == mark;
            unfocused += (y == 0 || y == h - 1) && without.pixel(x, y) == mark;
        }
    }
    for (int y = 2; y < h - 2; ++y) {
        for (int x : {0, 1, w - 2, w - 1}) {
            framed += with.pixel(x, y) == mark;
            unfocused += (x == 0 || x == w - 1) && without.pixel(x, y) == mark;
        }
    }
    EXPECT_EQ(framed, 4 * w + 4 * (h - 4)) << "no whole frame round the list";
    EXPECT_EQ(unfocused, 0) << "the frame shows without the focus";

    ASSERT_GE(list->currentRow(), 0);
    const QRect item = list->visualItemRect(list->currentItem()).translated(list->viewport()->pos());
    const int y = item.top() + 1;
    int alternations = 0;
    int changed = 0;
    for (int x = item.left() + 4; x < item.right() - 4; ++x) {
        alternations += with.pixel(x, y) != with.pixel(x + 1, y);
        changed += with.pixel(x, y) != without.pixel(x, y);
    }
    EXPECT_GT(alternations, (item.width() - 8) / 2) << "no dotted ring inside the current item";
    EXPECT_GT(changed, (item.width() - 8) / 3) << "the current item looks as it does unfocused";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListFocusTest,
    ::testing::Values(ListRow{"drill chooser 选择章节", &KeyboardTest::OpenDrillChooser,
                              WindowOf<&App::drill_chooser>, "List1"},
                      ListRow{"drill chooser 选择小节", &KeyboardTest::OpenDrillChooser,
                              WindowOf<&App::drill_chooser>, "List2"},
                      ListRow{"drill 习题类型", &KeyboardTest::OpenDrill, WindowOf<&App::form6>, "List1"}));

// --- Option groups: arrows, one Tab stop, a click anywhere in an option ------

struct GroupRow {
    const char* name;
    Opener open;
    WindowGetter window;
    std::function<ui::OptionButton&(App&, int)> option;
    int count;
    std::function<bool(App&, int index)> clicked;  // what the click of option `index` leaves behind
    const char* after;                             // where Tab goes from the group
};

void PrintTo(const GroupRow& row, std::ostream* out) { *out << row.name; }

std::string Letter(int index) { return std::string(1, "ABCD"[index]); }

std::vector<GroupRow> OptionGroups()
{
    using T = KeyboardTest;
    return {
        {"mode choice", &T::OpenModeChoice, WindowOf<&App::form43>,
         [](App& a, int i) -> ui::OptionButton& { return a.form43.Option1(i); }, 2,
         [](App& a, int i) {
             return a.form43.Label2.peek().caption.find(i == 0 ? "不作时间限制" : "有时间限制") != std::string::npos;
         },
         "Command4"},
        {"exam choice window", &T::OpenChoiceWindow, WindowOf<&App::form20>,
         [](App& a, int i) -> ui::OptionButton& { return a.form20.Option1(i); }, 4,
         [](App& a, int i) { return a.form1.Text5(1).peek().text == Letter(i); }, "Label3(1)"},
        {"unit test", &T::OpenUnitTest, WindowOf<&App::form4>,
         [](App& a, int i) -> ui::OptionButton& { return a.form4.Optbutton(i); }, 4,
         [](App& a, int i) { return a.m.Table.GivenAnswer(1) == Letter(i); }, "cmd(0)"},
        {"drill", &T::OpenDrill, WindowOf<&App::form6>,
         [](App& a, int i) -> ui::OptionButton& { return a.form6.Optbutton(i); }, 4,
         [](App& a, int) { return !a.form6.Text1.peek().text.empty(); }, "Command2"},
    };
}

class OptionGroupTest : public KeyboardTest {
protected:
    desktop::WindowView* OpenGroup(const GroupRow& row)
    {
        (this->*row.open)();
        if (HasFatalFailure())
            return nullptr;
        return Activate(row.window(app));
    }
    static std::string OptionName(const GroupRow& row, App& app, int index)
    {
        return row.option(app, index).name() + "(" + std::to_string(index) + ")";
    }
    QWidget* OptionWidget(desktop::WindowView& view, const GroupRow& row, int index)
    {
        return view.findChild<QWidget*>(QString::fromStdString(OptionName(row, app, index)));
    }
};

class OptionArrowTest : public OptionGroupTest, public ::testing::WithParamInterface<GroupRow> {};

// As on Windows: the option an arrow moves to is selected and its click
// runs; the arrows go round the group and never leave it.
TEST_P(OptionArrowTest, an_arrow_selects_the_option_it_moves_to_and_raises_its_click)
{
    const GroupRow& row = GetParam();
    desktop::WindowView* view = OpenGroup(row);
    ASSERT_NE(view, nullptr);
    QWidget* first = OptionWidget(*view, row, 0);
    ASSERT_NE(first, nullptr);
    first->setFocus(Qt::TabFocusReason);

    struct Step {
        const char* name;
        Qt::Key key;
        int lands_on;
    };
    const Step steps[] = {
        {"Down", Qt::Key_Down, 1},           {"Right", Qt::Key_Right, 2 % row.count},
        {"Up", Qt::Key_Up, 1},               {"Left", Qt::Key_Left, 0},
        {"Up round", Qt::Key_Up, row.count - 1}, {"Down round", Qt::Key_Down, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Key(step.key);
        EXPECT_EQ(FocusName().toStdString(), OptionName(row, app, step.lands_on));
        for (int i = 0; i < row.count; ++i)
            EXPECT_EQ(row.option(app, i).peek().value, i == step.lands_on ? 1 : 0) << "option " << i;
        EXPECT_TRUE(row.clicked(app, step.lands_on));
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, OptionArrowTest, ::testing::ValuesIn(OptionGroups()));

// How the selection came about before the learner presses Tab.
enum class Selected { ByArrows, ByClick, ByTheModel };

void PrintTo(Selected way, std::ostream* out)
{
    *out << (way == Selected::ByArrows ? "by arrows" : way == Selected::ByClick ? "by a click" : "by the model");
}

class OptionTabStopTest : public OptionGroupTest,
                          public ::testing::WithParamInterface<std::tuple<GroupRow, Selected>> {};

// As on Windows, the group is one Tab stop that follows its selection: one
// Tab leaves the group from any of its options, and Shift+Tab comes back to
// the selected one, however it came to be selected.
TEST_P(OptionTabStopTest, tab_leaves_the_group_in_one_press_and_shift_tab_returns_to_the_selected_option)
{
    const auto& [row, way] = GetParam();
    desktop::WindowView* view = OpenGroup(row);
    ASSERT_NE(view, nullptr);
    // The second option: Tab from it must pass by those after it.
    int selected = 1;
    QWidget* first = OptionWidget(*view, row, 0);
    QWidget* second = OptionWidget(*view, row, selected);
    ASSERT_TRUE(first && second);
    switch (way) {
    case Selected::ByArrows:
        first->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);  // the mode choice goes round, back to its first
        selected = 2 % row.count;
        break;
    case Selected::ByClick:
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(8, second->height() / 2));
        QApplication::processEvents();
        break;
    case Selected::ByTheModel:
        app.runtime().Run([&] { row.option(app, selected).set_value(true, ui::Notify::No); });
        // The focus on an option that is not selected, as the window's code
        // may leave it.
        first->setFocus(Qt::OtherFocusReason);
        break;
    }
    ASSERT_EQ(row.option(app, selected).peek().value, 1);
    ASSERT_TRUE(FocusName().startsWith(QString::fromStdString(row.option(app, 0).name() + "(")));

    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusName().toStdString(), row.after);
    Key(Qt::Key_Backtab);
    EXPECT_EQ(FocusName().toStdString(), OptionName(row, app, selected));
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusName().toStdString(), row.after);
}

INSTANTIATE_TEST_SUITE_P(Groups, OptionTabStopTest,
                         ::testing::Combine(::testing::ValuesIn(OptionGroups()),
                                            ::testing::Values(Selected::ByArrows, Selected::ByClick,
                                                              Selected::ByTheModel)));

class OptionClickTest : public OptionGroupTest, public ::testing::WithParamInterface<GroupRow> {};

// On Windows a click anywhere in an option button's rectangle presses it:
// beside a short caption as much as on its circle.
TEST_P(OptionClickTest, a_click_right_of_the_caption_selects_the_option_and_raises_its_click)
{
    const GroupRow& row = GetParam();
    desktop::WindowView* view = OpenGroup(row);
    ASSERT_NE(view, nullptr);
    auto* option = qobject_cast<QAbstractButton*>(OptionWidget(*view, row, 1));
    ASSERT_NE(option, nullptr);
    const QPoint near_right_edge(option->width() - 3, option->height() / 2);
    ASSERT_GT(near_right_edge.x(), 30 + option->fontMetrics().horizontalAdvance(option->text()))
        << "the point is not beside the caption";
    ASSERT_FALSE(row.clicked(app, 1));
    QTest::mouseClick(option, Qt::LeftButton, {}, near_right_edge);
    QApplication::processEvents();
    EXPECT_EQ(row.option(app, 1).peek().value, 1);
    EXPECT_TRUE(option->isChecked());
    EXPECT_TRUE(row.clicked(app, 1));
    EXPECT_EQ(FocusName().toStdString(), OptionName(row, app, 1));
}

INSTANTIATE_TEST_SUITE_P(Groups, OptionClickTest, ::testing::ValuesIn(OptionGroups()));

// The rules' check box is narrower than its caption, which the artwork
// draws beside it; a click in the corner of its rectangle, off the box it
// shows, still ticks it.
TEST_F(KeyboardTest, a_click_anywhere_in_a_narrow_check_box_ticks_it)
{
    OpenRules();
    ASSERT_NE(Activate(app.form14), nullptr);
    auto* check = renderer.ViewOf(app.form14)->findChild<QAbstractButton*>(QStringLiteral("Check1"));
    ASSERT_NE(check, nullptr);
    ASSERT_EQ(app.form14.Check1.peek().value, 0);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(check->width() - 1, check->height() - 1));
    QApplication::processEvents();
    EXPECT_EQ(app.form14.Check1.peek().value, 1);
    EXPECT_TRUE(check->isChecked());
}

// The rules' check box shows only its box, its caption drawn in the
// artwork beside it: its focus mark is a dotted ring round the box, clear of
// the box and close to it.
TEST_F(KeyboardTest, a_narrow_check_box_rings_its_box_with_the_focus)
{
    OpenRules();
    ASSERT_NE(Activate(app.form14), nullptr);
    auto* check = renderer.ViewOf(app.form14)->findChild<QAbstractButton*>(QStringLiteral("Check1"));
    ASSERT_NE(check, nullptr);
    const auto [without, with] = PicturesOfFocus(check);
    ASSERT_TRUE(check->hasFocus());
    ASSERT_EQ(with.size(), without.size());
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect box = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    ASSERT_GE(box.top(), 2);  // room above the box (its left side is the widget's edge)

    int round = 0;
    int astray = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y) || box.contains(x, y))
                continue;
            (box.adjusted(-3, -3, 3, 3).contains(x, y) ? round : astray) += 1;
        }
    }
    EXPECT_GT(round, box.width() * 3 / 2) << "no mark round the box";
    EXPECT_EQ(astray, 0) << "the mark strays from the box";
    int alternations = 0;
    for (int x = box.left() - 2; x < box.right() + 2; ++x)
        alternations += with.pixel(x, box.top() - 2) != with.pixel(x + 1, box.top() - 2);
    EXPECT_GT(alternations, box.width() / 2) << "the ring is not dotted";
}

// --- Enter: the window's forward button --------------------------------------

struct EnterRow {
    const char* name;
    Opener open;
    WindowGetter window;
    const char* entry;  // where the learner presses Enter
    std::function<bool(App&)> pressed;
};

void PrintTo(const EnterRow& row, std::ostream* out) { *out << row.name; }

std::vector<EnterRow> EnterRows()
{
    using T = KeyboardTest;
    return {
        {"admission number presses 下一步", &T::OpenLoginToConfirm, WindowOf<&App::form12>, "Text1",
         [](App& a) { return a.form13.is_visible(); }},
        {"proctor password presses 结束", &T::OpenLockAsking, WindowOf<&App::form46>, "Text1",
         [](App& a) { return !a.form46.is_loaded() && a.form1.is_visible(); }},
        {"case chooser's box presses 确定", &T::OpenCaseChooser, WindowOf<&App::form10>, "Combo1",
         [](App& a) { return a.form16.is_visible() && a.form16.Label4.peek().caption == "实例1"; }},
        {"drill chooser's chapter list presses 开始练习", &T::OpenDrillChooser, WindowOf<&App::drill_chooser>, "List1",
         [](App& a) { return a.form6.is_visible(); }},
        {"drill chooser's section list presses 开始练习", &T::OpenDrillChooser, WindowOf<&App::drill_chooser>, "List2",
         [](App& a) { return a.form6.is_visible(); }},
        {"Access set list presses 开始练习", &T::OpenAccessChooser, WindowOf<&App::access_set_chooser>, "List1",
         [](App& a) { return a.form36.is_visible(); }},
    };
}

class EnterTest : public KeyboardTest, public ::testing::WithParamInterface<EnterRow> {};

TEST_P(EnterTest, enter_in_the_entry_presses_the_forward_button)
{
    const EnterRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    desktop::WindowView* view = Activate(row.window(app));
    ASSERT_NE(view, nullptr);
    auto* entry = view->findChild<QWidget*>(QString::fromUtf8(row.entry));
    ASSERT_NE(entry, nullptr);
    entry->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(FocusName().toStdString(), row.entry);
    ASSERT_FALSE(row.pressed(app));
    Key(Qt::Key_Return);
    EXPECT_TRUE(row.pressed(app));
    EXPECT_FALSE(app.runtime().ended());
}

INSTANTIATE_TEST_SUITE_P(Entries, EnterTest, ::testing::ValuesIn(EnterRows()));

std::vector<EnterRow> ChooserLists()
{
    std::vector<EnterRow> lists;
    for (const EnterRow& row : EnterRows()) {
        if (std::string(row.entry).starts_with("List"))
            lists.push_back(row);
    }
    return lists;
}

class DoubleClickTest : public KeyboardTest, public ::testing::WithParamInterface<EnterRow> {};

// A double-click on an item of a chooser's list picks it and presses
// "开始练习", as Enter there does.
TEST_P(DoubleClickTest, a_double_click_on_a_list_item_picks_it_and_presses_the_forward_button)
{
    const EnterRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    desktop::WindowView* view = Activate(row.window(app));
    ASSERT_NE(view, nullptr);
    auto* list = view->findChild<QListWidget*>(QString::fromUtf8(row.entry));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 2);
    const QPoint second = list->visualItemRect(list->item(1)).center();
    // What the window system sends for a double click: a click, then the
    // second press as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    ASSERT_FALSE(row.pressed(app));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    QApplication::processEvents();
    EXPECT_TRUE(row.pressed(app));
}

INSTANTIATE_TEST_SUITE_P(Choosers, DoubleClickTest, ::testing::ValuesIn(ChooserLists()));

// Enter that belongs to the control: nothing in a box of several lines, or
// in a window without a forward button.
TEST_F(KeyboardTest, enter_elsewhere_presses_no_forward_button)
{
    OpenCaseChooser();
    desktop::WindowView* chooser = Activate(app.form10);
    ASSERT_NE(chooser, nullptr);
    chooser->findChild<QWidget*>(QStringLiteral("Text1"))->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    EXPECT_TRUE(app.form10.is_visible());
    EXPECT_FALSE(app.form16.is_loaded());

    Click(app.form10.Command1);  // back to the course menu
    Click(app.form60.Command2);  // chapter study: a list, and no forward button
    ASSERT_NE(Activate(app.form2), nullptr);
    ASSERT_EQ(FocusName().toStdString(), "List1");
    Key(Qt::Key_Return);
    EXPECT_TRUE(app.form2.is_visible());
    EXPECT_FALSE(app.form7.is_loaded());
}

// --- Esc: the way back of the small windows ----------------------------------

struct EscRow {
    const char* name;
    Opener open;
    WindowGetter window;
    bool stays_loaded = false;  // "取消" of the progress page only hides it
};

void PrintTo(const EscRow& row, std::ostream* out) { *out << row.name; }

std::vector<EscRow> EscRows()
{
    using T = KeyboardTest;
    return {
        {"drill hint", &T::OpenDrillHint, WindowOf<&App::form38>},
        {"practice notes", &T::OpenPracticeNotes, WindowOf<&App::form27>},
        {"reference answer, which has no button", &T::OpenReferenceAnswer, WindowOf<&App::form51>},
        {"syllabus, which has no button", &T::OpenSyllabus, WindowOf<&App::form26>},
        {"exercise steps", &T::OpenExerciseSteps, WindowOf<&App::form9>},
        {"case steps", &T::OpenCaseSteps, WindowOf<&App::form31>},
        {"five-minute alarm", &T::OpenAlarm, WindowOf<&App::form17>},
        {"answer-progress page", &T::OpenProgressPage, WindowOf<&App::form15>, true},
    };
}

class EscTest : public KeyboardTest, public ::testing::WithParamInterface<EscRow> {};

// Esc presses the window's close button from the control that has the
// focus when it opens (the text of a steps window, the button of a hint);
// a window without such a button closes as by its title bar. The program
// goes on.
TEST_P(EscTest, esc_presses_the_close_button)
{
    const EscRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    ui::Window& window = row.window(app);
    ASSERT_TRUE(window.is_visible());
    ASSERT_NE(Activate(window), nullptr);
    ASSERT_FALSE(FocusName().isEmpty());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window.is_visible());
    EXPECT_EQ(window.is_loaded(), row.stays_loaded);
    EXPECT_FALSE(app.runtime().ended());
}

INSTANTIATE_TEST_SUITE_P(SmallWindows, EscTest, ::testing::ValuesIn(EscRows()));

// --- Where the focus opens ---------------------------------------------------

// The lock's entry is hidden for five seconds; when it appears, what the
// proctor types goes into it without a Tab first.
TEST_F(KeyboardTest, the_lock_entry_has_the_focus_when_it_appears)
{
    OpenLock();
    ASSERT_NE(Activate(app.form46), nullptr);
    EXPECT_TRUE(FocusName().isEmpty());
    AdvanceTo(4999);
    EXPECT_TRUE(FocusName().isEmpty());
    AdvanceTo(5000);
    EXPECT_EQ(FocusName().toStdString(), "Text1");
    for (Qt::Key key : {Qt::Key_5, Qt::Key_8, Qt::Key_1, Qt::Key_4, Qt::Key_3})
        Key(key);
    EXPECT_EQ(app.form46.Text1.peek().text, "58143");
    // A wrong password puts the focus back into the emptied entry.
    app.runtime().Run([&] { app.form46.Text1.set_text("1"); });
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    Key(Qt::Key_Return);
    EXPECT_EQ(app.form46.Text1.peek().text, "");
    EXPECT_EQ(FocusName().toStdString(), "Text1");
}

// The page is opened to look as often as to hand in: each opening puts the
// focus on "取消", so Enter there returns to the exam and never hands in.
TEST_F(KeyboardTest, the_progress_page_opens_on_cancel_each_time_and_enter_there_returns_to_the_exam)
{
    StartExam();
    for (ui::Label* opener : {&app.form42.Label2, &app.form42.Label8, &app.form42.Label2}) {
        SCOPED_TRACE(opener->peek().caption);
        Click(*opener);
        ASSERT_TRUE(app.form15.is_visible());
        ASSERT_NE(Activate(app.form15), nullptr);
        EXPECT_EQ(FocusName().toStdString(), "Command2");
        Key(Qt::Key_Tab);  // the learner looks round: "监考交卷"
        Key(Qt::Key_Tab);  // and "确定"
        ASSERT_EQ(FocusName().toStdString(), "Command1");
        Key(Qt::Key_Escape);
        ASSERT_FALSE(app.form15.is_visible());
    }
    Click(app.form42.Label8);
    ASSERT_NE(Activate(app.form15), nullptr);
    Key(Qt::Key_Return);
    EXPECT_FALSE(app.form15.is_visible());
    EXPECT_TRUE(app.form42.is_visible());
    EXPECT_FALSE(app.form1.is_visible());
}

TEST_F(KeyboardTest, the_evaluation_sheet_opens_on_its_first_button_not_in_the_verdict)
{
    OpenEvaluationSheet();
    ASSERT_NE(Activate(app.form3), nullptr);
    EXPECT_EQ(FocusName().toStdString(), "cmd(0)");
}

// --- Locked text boxes ------------------------------------------------------

struct LockedRow {
    const char* name;
    Opener open;
    WindowGetter window;
};

void PrintTo(const LockedRow& row, std::ostream* out) { *out << row.name; }

// A caret that stays on, to be seen in a picture.
class SteadyCaretTest : public KeyboardTest {
protected:
    SteadyCaretTest() { QApplication::setCursorFlashTime(0); }
    ~SteadyCaretTest() override { QApplication::setCursorFlashTime(flash_time_); }

private:
    int flash_time_ = QApplication::cursorFlashTime();
};

class LockedBoxTest : public SteadyCaretTest, public ::testing::WithParamInterface<LockedRow> {};

// These windows open with the focus in their locked text box: the caret
// shows there, as on Windows, so the learner sees where the focus is; the
// keys move it and type nothing.
TEST_P(LockedBoxTest, a_locked_box_with_the_focus_shows_its_caret_and_takes_no_typing)
{
    const LockedRow& row = GetParam();
    (this->*row.open)();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_NE(Activate(row.window(app)), nullptr);
    ASSERT_EQ(FocusName().toStdString(), "Text1");
    auto* box = Widget<QPlainTextEdit>(row.window(app), "Text1");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isReadOnly());
    const QString text = box->toPlainText();
    const QImage with = box->viewport()->grab().toImage();
    box->clearFocus();
    QApplication::processEvents();
    EXPECT_NE(box->viewport()->grab().toImage(), with) << "no caret";

    box->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_X, Qt::Key_Return, Qt::Key_Delete, Qt::Key_Backspace})
        Key(key);
    EXPECT_EQ(box->toPlainText(), text);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(box->textCursor().position(), 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, LockedBoxTest,
                         ::testing::Values(LockedRow{"task window", &KeyboardTest::StartExam, WindowOf<&App::form16>},
                                           LockedRow{"exam choice window", &KeyboardTest::OpenChoiceWindow,
                                                     WindowOf<&App::form20>},
                                           LockedRow{"result review", &KeyboardTest::OpenReview, WindowOf<&App::form1>},
                                           LockedRow{"case steps", &KeyboardTest::OpenCaseSteps,
                                                     WindowOf<&App::form31>}));

// No locked entry of one line is in the design; one that is locked shows its
// caret in the same way, moved by Home and End, and takes no typing.
TEST_F(SteadyCaretTest, a_locked_entry_shows_its_caret_and_takes_no_typing)
{
    OpenLogin();
    app.runtime().Run([&] {
        app.form12.Text1.set_text("2017");
        app.form12.Text1.set_locked(true);
    });
    ASSERT_NE(Activate(app.form12), nullptr);
    auto* entry = Widget<QLineEdit>(app.form12, "Text1");
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isReadOnly());
    // Inside the frame, whose colour follows the focus.
    auto inside = [entry] {
        QApplication::processEvents();
        return entry->grab(entry->rect().adjusted(3, 3, -3, -3)).toImage();
    };
    entry->clearFocus();
    const QImage without = inside();
    entry->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_Home);
    const QImage at_start = inside();
    Key(Qt::Key_End);
    const QImage at_end = inside();
    EXPECT_NE(at_start, without) << "no caret";
    EXPECT_NE(at_end, without) << "no caret";
    EXPECT_NE(at_start, at_end) << "the caret does not move";
    Key(Qt::Key_5);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(entry->text().toStdString(), "2017");
    EXPECT_EQ(app.form12.Text1.peek().text, "2017");
}

// --- The exam toolbar from the keyboard --------------------------------------

// F6 brings the strip forward with its first button focused, Tab goes round
// its working buttons, and F6 there returns to the window under it.
TEST_F(KeyboardTest, f6_goes_to_the_toolbar_and_back_to_the_window_under_it)
{
    OpenChoiceWindow();
    // What the desktop platform does for the toolbar's KeepOnTop.
    renderer.SetTopmost(app.form42.handle_if_loaded());
    ASSERT_NE(Activate(app.form20), nullptr);
    const QString answering = FocusName();
    Key(Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer.ViewOf(app.form42), 1000));
    EXPECT_EQ(FocusName().toStdString(), "Label1");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusName().toStdString(), "Label8");
    Key(Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer.ViewOf(app.form20), 1000));
    EXPECT_EQ(FocusName(), answering);

    // Handing in from the toolbar: the progress page comes forward.
    Key(Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer.ViewOf(app.form42), 1000));
    EXPECT_EQ(FocusName().toStdString(), "Label8");
    Key(Qt::Key_Return);
    ASSERT_TRUE(app.form15.is_visible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(renderer.ViewOf(app.form15), 1000));
}

TEST_F(KeyboardTest, f6_without_a_toolbar_changes_nothing)
{
    OpenCaseChooser();
    desktop::WindowView* chooser = Activate(app.form10);
    ASSERT_NE(chooser, nullptr);
    Key(Qt::Key_F6);
    EXPECT_EQ(QApplication::activeWindow(), chooser);
    EXPECT_EQ(FocusName().toStdString(), "Combo1");
}

}  // namespace
}  // namespace boxi::testing
