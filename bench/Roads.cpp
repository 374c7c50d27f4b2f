#include "Roads.h"

#include <array>
#include <string>
#include <vector>

#include "app/App.h"
#include "banks/CaseBank.h"
#include "platform/FakePlatform.h"
#include "platform/LinuxPlatform.h"

namespace boxi::bench {
namespace {

// The chapter with the most exercises: next and previous stay inside it.
constexpr int kLongestChapter = 4;
constexpr std::string_view kCase = "实例8";

ui::Runtime& Rt(App& app) { return app.runtime(); }

void ToMenu(App& app) { Rt(app).Click(app.form8.Image1); }

void ToChapterStudy(App& app)
{
    ToMenu(app);
    Rt(app).Click(app.form60.Command2);
}

void ToExercises(App& app)
{
    ToChapterStudy(app);
    Rt(app).Select(app.form2.List1, kLongestChapter);
    Rt(app).Click(app.form2.Command1);
}

void ToChooser(App& app)
{
    ToMenu(app);
    Rt(app).Click(app.form60.Command4);
}

void ToTaskWindow(App& app)
{
    ToChooser(app);
    Rt(app).Type(app.form10.Combo1, std::string(kCase));
    Rt(app).Click(app.form10.Command2);
}

void ToUnitTest(App& app)
{
    ToMenu(app);
    Rt(app).Click(app.form60.Command10);
}

void ToSheet(App& app)
{
    ToUnitTest(app);
    Rt(app).Click(app.form4.Command1);
}

// Closed and opened again, so the next answer is the first of a test.
void ReopenUnitTest(App& app)
{
    Rt(app).Click(app.form4.Command2);
    Rt(app).Click(app.form60.Command10);
}

// The drill's longest section, which also has a written analysis (question 7).
constexpr int kDrillSection = 6;
constexpr int kAnalysedQuestion = 7;

void ToDrillChooser(App& app)
{
    ToChapterStudy(app);
    Rt(app).Select(app.form2.List1, kLongestChapter);
    Rt(app).Click(app.form2.Command2);
}

void ToDrill(App& app)
{
    ToDrillChooser(app);
    Rt(app).Select(app.drill_chooser.List2, kDrillSection);
    Rt(app).Click(app.drill_chooser.Command1);
}

void ToAnalysedQuestion(App& app)
{
    while (app.m.CurrentQuestion < kAnalysedQuestion)
        Rt(app).Click(app.form6.cmd(1));
}

void BackToFirstQuestion(App& app)
{
    while (app.m.CurrentQuestion > 1)
        Rt(app).Click(app.form6.cmd(0));
}

// The task window of an exam set with choice questions, in training.
void ToChoiceTask(App& app)
{
    ToChooser(app);
    Rt(app).Type(app.form10.Combo1, "第3套");
    Rt(app).Click(app.form10.Command2);
}

void ToChoiceWindow(App& app)
{
    ToChoiceTask(app);
    Rt(app).Click(app.form16.Command1);
}

// The first answer of a round: the progress page and the review are loaded
// by it, so they are closed before.
void CloseAnswerPages(App& app, int)
{
    Rt(app).Run([&app] {
        app.form15.Unload();
        app.form1.Unload();
    });
}

// A right answer in training brings up "试题评析": the key is set so that A
// is right whatever the bank holds.
void AnswerRight(App& app, int)
{
    Rt(app).Run([&app] { app.m.Table.AnswerKey.Set(app.m.CurrentQuestion, "A"); });
    Rt(app).Click(app.form20.Option1(0));
}

void ToSetChooser(App& app)
{
    ToChooser(app);
    Rt(app).Click(app.form10.Command3);
}

// The Access practice on the set with the longest written question.
void ToPractice(App& app)
{
    ToSetChooser(app);
    Rt(app).Select(app.access_set_chooser.List1, 21);
    Rt(app).Click(app.access_set_chooser.Command1);
}

void BackToPractice(App& app)
{
    Rt(app).Click(app.form10.Command3);
    Rt(app).Click(app.access_set_chooser.Command1);
}

// Each type in turn, never the one already marked, and every other time
// the basic type, whose text is written for the set: each click changes the
// text on screen.
void ChooseType(App& app, int round)
{
    ui::CommandButton* buttons[] = {&app.form36.Command2, &app.form36.Command1, &app.form36.Command3,
                                    &app.form36.Command1};
    Rt(app).Click(*buttons[round % 4]);
}

void Nothing(App&) {}

// The exam road: from the portal's exam picture to the rules page.
void ToExamStart(App& app) { Rt(app).Click(app.form8.Image2); }

void ToModeChoice(App& app)
{
    ToExamStart(app);
    Rt(app).Click(app.form59.Command4);
}

void ToLogin(App& app)
{
    ToModeChoice(app);
    Rt(app).Click(app.form43.Option1(1));
    Rt(app).Click(app.form43.Command4);
}

// The login's confirmation box is answered Yes; in the program itself the
// bench answers it at once instead of waiting for a click.
void AnswerYes(App& app)
{
    if (auto* linux_platform = dynamic_cast<platform::LinuxPlatform*>(&app.platform()))
        linux_platform->on_message_box = [](const platform::MessageBoxRequest&) { return platform::MsgAnswer::Yes; };
}

void ToConfirmation(App& app)
{
    ToLogin(app);
    AnswerYes(app);
    Rt(app).Click(app.form12.Image5);
}

void ToRules(App& app)
{
    ToConfirmation(app);
    Rt(app).Click(app.form13.Image4);
}

// A drawn set with choice questions, and "已阅读" ticked.
void ReadyToStart(App& app)
{
    Rt(app).Run([&app] { app.form10.SetCurrentSetName("第3套"); });
    if (app.form14.Check1.peek().value == 0)
        Rt(app).Click(app.form14.Check1);
}

// From the task window of an exam back to a fresh rules page: chooser,
// course menu, portal, exam start, the mode choice kept in exam mode.
void BackToRules(App& app)
{
    Rt(app).Click(app.form16.Command8);
    Rt(app).Click(app.form10.Command1);
    Rt(app).Click(app.form60.Command7);
    ToExamStart(app);
    Rt(app).Click(app.form59.Command4);
    Rt(app).Click(app.form43.Command4);
    Rt(app).Click(app.form12.Image5);
    Rt(app).Click(app.form13.Image4);
}

// Exam mode again from the mode choice, through the login and the
// confirmation to the rules page, ticked, and the start.
void ExamAgainFromModeChoice(App& app)
{
    Rt(app).Click(app.form43.Option1(1));
    Rt(app).Click(app.form43.Command4);
    Rt(app).Click(app.form12.Image5);
    Rt(app).Click(app.form13.Image4);
    ReadyToStart(app);
    Rt(app).Click(app.form14.Image3);
}

void ToExam(App& app)
{
    ToRules(app);
    ReadyToStart(app);
    Rt(app).Click(app.form14.Image3);
}

void ToProgressPage(App& app)
{
    ToExam(app);
    Rt(app).Click(app.form42.Label8);
}

void ToReview(App& app)
{
    ToProgressPage(app);
    Rt(app).Click(app.form15.Command1);
}

// From the review out to the mode choice, into a fresh exam and its page.
void ProgressPageAgainFromReview(App& app)
{
    Rt(app).Click(app.form1.Command1);
    ExamAgainFromModeChoice(app);
    Rt(app).Click(app.form42.Label8);
}

// The handovers run on the recording platform: its clock moves only here.
void WaitOnVirtualClock(App& app, std::int64_t ms)
{
    if (auto* fake = dynamic_cast<platform::FakePlatform*>(&app.platform())) {
        fake->now_ms += ms;
        Rt(app).FireDueTimers(fake->now_ms);
    }
}

// Each chapter in turn, never the one already chosen.
void ChooseChapter(App& app, int round) { Rt(app).Select(app.form2.List1, (round + 1) % 6); }

void ChooseCase(App& app, int round)
{
    auto names = CaseNames();
    Rt(app).Type(app.form10.Combo1, std::string(names[static_cast<size_t>(round) % names.size()]));
}

template <auto Member>
ui::Window& Win(App& app)
{
    return app.*Member;
}

const std::array<Handover, 52> kHandovers = {{
    {"portal -> course menu", Nothing, nullptr, [](App& app, int) { ToMenu(app); }, Win<&App::form60>,
     [](App& app) { Rt(app).Click(app.form60.Command7); }},
    {"course menu -> chapter study", ToMenu, nullptr, [](App& app, int) { Rt(app).Click(app.form60.Command2); },
     Win<&App::form2>, [](App& app) { Rt(app).Click(app.form2.Command3); }},
    {"choose a chapter (outline)", ToChapterStudy, nullptr, ChooseChapter, Win<&App::form2>, nullptr},
    {"chapter study -> exercises", ToChapterStudy, ChooseChapter,
     [](App& app, int) { Rt(app).Click(app.form2.Command1); }, Win<&App::form7>,
     [](App& app) { Rt(app).Click(app.form7.Command8); }},
    {"next exercise", ToExercises, nullptr, [](App& app, int) { Rt(app).Click(app.form7.cmd(1)); }, Win<&App::form7>,
     [](App& app) { Rt(app).Click(app.form7.cmd(0)); }},
    {"exercises -> steps window", ToExercises, nullptr, [](App& app, int) { Rt(app).Click(app.form7.Command2); },
     Win<&App::form9>, [](App& app) { Rt(app).Click(app.form9.Command2); }},
    {"exercises -> chapter study", ToExercises, nullptr, [](App& app, int) { Rt(app).Click(app.form7.Command8); },
     Win<&App::form2>, [](App& app) { Rt(app).Click(app.form2.Command1); }},
    {"chapter study -> course menu", ToChapterStudy, nullptr,
     [](App& app, int) { Rt(app).Click(app.form2.Command3); }, Win<&App::form60>,
     [](App& app) { Rt(app).Click(app.form60.Command2); }},
    {"course menu -> case chooser", ToMenu, nullptr, [](App& app, int) { Rt(app).Click(app.form60.Command4); },
     Win<&App::form10>, [](App& app) { Rt(app).Click(app.form10.Command1); }},
    {"chooser -> task window", ToChooser, ChooseCase, [](App& app, int) { Rt(app).Click(app.form10.Command2); },
     Win<&App::form16>, [](App& app) { Rt(app).Click(app.form16.Command8); }},
    {"task window -> steps window", ToTaskWindow, nullptr, [](App& app, int) { Rt(app).Click(app.form16.Command2); },
     Win<&App::form31>, [](App& app) { Rt(app).Click(app.form31.Command2); }},
    {"task window -> chooser", ToTaskWindow, nullptr, [](App& app, int) { Rt(app).Click(app.form16.Command8); },
     Win<&App::form10>, [](App& app) { Rt(app).Click(app.form10.Command2); }},
    {"case chooser -> course menu", ToChooser, nullptr, [](App& app, int) { Rt(app).Click(app.form10.Command1); },
     Win<&App::form60>, [](App& app) { Rt(app).Click(app.form60.Command4); }},
    {"course menu -> portal", ToMenu, nullptr, [](App& app, int) { Rt(app).Click(app.form60.Command7); },
     Win<&App::form8>, ToMenu},
    {"course menu -> unit test", ToMenu, nullptr, [](App& app, int) { Rt(app).Click(app.form60.Command10); },
     Win<&App::form4>, [](App& app) { Rt(app).Click(app.form4.Command2); }},
    {"first answer (sheet loads)", ToUnitTest, nullptr, [](App& app, int) { Rt(app).Click(app.form4.Optbutton(0)); },
     Win<&App::form4>, ReopenUnitTest},
    {"unit test -> sheet (evaluation)", ToUnitTest, nullptr, [](App& app, int) { Rt(app).Click(app.form4.Command1); },
     Win<&App::form3>, [](App& app) { Rt(app).Click(app.form3.Command5); }},
    {"sheet -> unit test", ToSheet, nullptr, [](App& app, int) { Rt(app).Click(app.form3.Command5); },
     Win<&App::form4>, [](App& app) { Rt(app).Click(app.form4.Command1); }},
    {"choose a unit", ToUnitTest, nullptr, [](App& app, int round) { Rt(app).Select(app.form4.Combo1, round % 8); },
     Win<&App::form4>, nullptr},
    {"next question", ToUnitTest, nullptr, [](App& app, int) { Rt(app).Click(app.form4.cmd(1)); }, Win<&App::form4>,
     [](App& app) { Rt(app).Click(app.form4.cmd(0)); }},
    {"unit test -> course menu", ToUnitTest, nullptr, [](App& app, int) { Rt(app).Click(app.form4.Command2); },
     Win<&App::form60>, [](App& app) { Rt(app).Click(app.form60.Command10); }},
    {"chapter study -> drill chooser", ToChapterStudy, nullptr,
     [](App& app, int) { Rt(app).Click(app.form2.Command2); }, Win<&App::drill_chooser>,
     [](App& app) { Rt(app).Click(app.drill_chooser.Command2); }},
    {"drill chooser -> drill", ToDrillChooser,
     [](App& app, int round) { Rt(app).Select(app.drill_chooser.List2, round % 7); },
     [](App& app, int) { Rt(app).Click(app.drill_chooser.Command1); }, Win<&App::form6>,
     [](App& app) {
         Rt(app).Click(app.form6.Command5);
         Rt(app).Click(app.form2.Command2);
     }},
    {"next drill question", ToDrill, nullptr, [](App& app, int) { Rt(app).Click(app.form6.cmd(1)); },
     Win<&App::form6>, [](App& app) { Rt(app).Click(app.form6.cmd(0)); }},
    {"answer a drill question", ToDrill, nullptr,
     [](App& app, int round) { Rt(app).Click(app.form6.Optbutton(round % 4)); }, Win<&App::form6>, nullptr},
    {"drill -> steps window",
     [](App& app) {
         ToDrill(app);
         ToAnalysedQuestion(app);
     },
     nullptr, [](App& app, int) { Rt(app).Click(app.form6.Command2); }, Win<&App::form9>,
     [](App& app) { Rt(app).Click(app.form9.Command2); }},
    {"drill hint", ToDrill, nullptr, [](App& app, int) { Rt(app).Click(app.form6.cmd(0)); }, Win<&App::form38>,
     [](App& app) { Rt(app).Click(app.form38.Command1); }},
    {"drill -> chapter study", ToDrill, nullptr, [](App& app, int) { Rt(app).Click(app.form6.Command5); },
     Win<&App::form2>,
     [](App& app) {
         Rt(app).Click(app.form2.Command2);
         Rt(app).Select(app.drill_chooser.List2, kDrillSection);
         Rt(app).Click(app.drill_chooser.Command1);
     }},
    {"portal -> exam start", Nothing, nullptr, [](App& app, int) { ToExamStart(app); }, Win<&App::form59>,
     [](App& app) { Rt(app).CloseByTitleBar(app.form59); }},
    {"exam start -> syllabus", ToExamStart, nullptr, [](App& app, int) { Rt(app).Click(app.form59.Command1); },
     Win<&App::form26>, [](App& app) { Rt(app).CloseByTitleBar(app.form26); }},
    {"exam start -> mode choice", ToExamStart, nullptr, [](App& app, int) { Rt(app).Click(app.form59.Command4); },
     Win<&App::form43>,
     [](App& app) {
         Rt(app).CloseByTitleBar(app.form43);
         ToExamStart(app);
     }},
    {"mode choice -> login (exam mode)", ToModeChoice, [](App& app, int) { Rt(app).Click(app.form43.Option1(1)); },
     [](App& app, int) { Rt(app).Click(app.form43.Command4); }, Win<&App::form12>,
     [](App& app) { Rt(app).Click(app.form12.Image4); }},
    {"login -> confirmation", ToLogin, nullptr, [](App& app, int) { Rt(app).Click(app.form12.Image5); },
     Win<&App::form13>, [](App& app) { Rt(app).Click(app.form13.Image3); }},
    {"confirmation -> rules page", ToConfirmation, nullptr, [](App& app, int) { Rt(app).Click(app.form13.Image4); },
     Win<&App::form14>,
     [](App& app) {
         Rt(app).Click(app.form14.Image4);
         Rt(app).Click(app.form43.Command4);
         Rt(app).Click(app.form12.Image5);
     }},
    {"rules page -> task window (exam start)", ToRules, [](App& app, int) { ReadyToStart(app); },
     [](App& app, int) { Rt(app).Click(app.form14.Image3); }, Win<&App::form16>, BackToRules},
    {"case chooser -> set chooser", ToChooser, nullptr, [](App& app, int) { Rt(app).Click(app.form10.Command3); },
     Win<&App::access_set_chooser>, [](App& app) { Rt(app).Click(app.access_set_chooser.Command2); }},
    {"set chooser -> practice", ToSetChooser,
     [](App& app, int round) { Rt(app).Select(app.access_set_chooser.List1, round % 26); },
     [](App& app, int) { Rt(app).Click(app.access_set_chooser.Command1); }, Win<&App::form36>,
     [](App& app) { Rt(app).Click(app.form36.Command5); Rt(app).Click(app.form10.Command3); }},
    {"practice: type button", ToPractice, nullptr, ChooseType, Win<&App::form36>, nullptr},
    {"practice -> reference answer", ToPractice, nullptr, [](App& app, int) { Rt(app).Click(app.form36.Command4); },
     Win<&App::form51>, [](App& app) { Rt(app).CloseByTitleBar(app.form51); }},
    {"practice -> notes", ToPractice, nullptr, [](App& app, int) { Rt(app).Choose(app.form36.KSGY); },
     Win<&App::form27>, [](App& app) { Rt(app).Click(app.form27.Command1); }},
    {"practice -> case chooser", ToPractice, nullptr, [](App& app, int) { Rt(app).Click(app.form36.Command5); },
     Win<&App::form10>, BackToPractice},
    {"toolbar: hide or show the task", ToExam, nullptr, [](App& app, int) { Rt(app).Click(app.form42.Label6); },
     Win<&App::form42>, nullptr},
    {"toolbar: submit -> progress page", ToExam, nullptr, [](App& app, int) { Rt(app).Click(app.form42.Label8); },
     Win<&App::form15>, [](App& app) { Rt(app).Click(app.form15.Command2); }},
    {"progress page: confirm -> review", ToProgressPage, nullptr,
     [](App& app, int) { Rt(app).Click(app.form15.Command1); }, Win<&App::form1>, ProgressPageAgainFromReview},
    {"review: exit -> mode choice", ToReview, nullptr, [](App& app, int) { Rt(app).Click(app.form1.Command1); },
     Win<&App::form43>,
     [](App& app) {
         ExamAgainFromModeChoice(app);
         Rt(app).Click(app.form42.Label8);
         Rt(app).Click(app.form15.Command1);
     }},
    {"submission lock: password -> review", ToProgressPage,
     [](App& app, int) {
         Rt(app).Click(app.form15.Command3);
         WaitOnVirtualClock(app, 5000);
         Rt(app).Type(app.form46.Text1, "58143");
     },
     [](App& app, int) { Rt(app).Click(app.form46.Command1); }, Win<&App::form1>, ProgressPageAgainFromReview},
    {"task window -> choice window", ToChoiceTask, nullptr, [](App& app, int) { Rt(app).Click(app.form16.Command1); },
     Win<&App::form20>, [](App& app) { Rt(app).Click(app.form20.Image3); }},
    {"choice: jump to a question", ToChoiceWindow, nullptr,
     [](App& app, int round) { Rt(app).Click(app.form20.Label3(round % 19 + 2)); }, Win<&App::form20>,
     [](App& app) { Rt(app).Click(app.form20.Label3(1)); }},
    {"choice: next question", ToChoiceWindow, nullptr, [](App& app, int) { Rt(app).Click(app.form20.Image2(1)); },
     Win<&App::form20>, [](App& app) { Rt(app).Click(app.form20.Image2(0)); }},
    {"choice: first answer (loads two windows)", ToChoiceWindow, CloseAnswerPages,
     [](App& app, int round) { Rt(app).Click(app.form20.Option1(round % 4)); }, Win<&App::form20>, nullptr},
    {"choice -> analysis window", ToChoiceWindow, AnswerRight,
     [](App& app, int) { Rt(app).Click(app.form20.Command1); }, Win<&App::form9>,
     [](App& app) { Rt(app).Click(app.form9.Command2); }},
    {"choice window -> task window", ToChoiceWindow, nullptr, [](App& app, int) { Rt(app).Click(app.form20.Image3); },
     Win<&App::form16>, [](App& app) { Rt(app).Click(app.form16.Command1); }},
}};

const std::array<WalkStep, 45> kWalk = {{
    {"portal -> course menu", nullptr, ToMenu, Win<&App::form60>},
    {"course menu -> chapter study", nullptr, [](App& app) { Rt(app).Click(app.form60.Command2); }, Win<&App::form2>},
    {"choose a chapter (outline)", nullptr, [](App& app) { Rt(app).Select(app.form2.List1, kLongestChapter); },
     Win<&App::form2>},
    {"chapter study -> exercises", nullptr, [](App& app) { Rt(app).Click(app.form2.Command1); }, Win<&App::form7>},
    {"next exercise", nullptr, [](App& app) { Rt(app).Click(app.form7.cmd(1)); }, Win<&App::form7>},
    {"exercises -> steps window", nullptr, [](App& app) { Rt(app).Click(app.form7.Command2); }, Win<&App::form9>},
    {"exercises -> chapter study", [](App& app) { Rt(app).Click(app.form9.Command2); },
     [](App& app) { Rt(app).Click(app.form7.Command8); }, Win<&App::form2>},
    {"chapter study -> course menu", nullptr, [](App& app) { Rt(app).Click(app.form2.Command3); }, Win<&App::form60>},
    {"course menu -> case chooser", nullptr, [](App& app) { Rt(app).Click(app.form60.Command4); }, Win<&App::form10>},
    {"chooser -> task window", [](App& app) { Rt(app).Type(app.form10.Combo1, std::string(kCase)); },
     [](App& app) { Rt(app).Click(app.form10.Command2); }, Win<&App::form16>},
    {"task window -> steps window", nullptr, [](App& app) { Rt(app).Click(app.form16.Command2); }, Win<&App::form31>},
    {"course menu -> unit test",
     [](App& app) {
         Rt(app).Click(app.form31.Command2);
         Rt(app).Click(app.form16.Command8);
         Rt(app).Click(app.form10.Command1);
     },
     [](App& app) { Rt(app).Click(app.form60.Command10); }, Win<&App::form4>},
    {"first answer (sheet loads)", nullptr, [](App& app) { Rt(app).Click(app.form4.Optbutton(0)); }, Win<&App::form4>},
    {"next question", nullptr, [](App& app) { Rt(app).Click(app.form4.cmd(1)); }, Win<&App::form4>},
    {"unit test -> sheet (evaluation)", nullptr, [](App& app) { Rt(app).Click(app.form4.Command1); }, Win<&App::form3>},
    {"sheet -> unit test", nullptr, [](App& app) { Rt(app).Click(app.form3.Command5); }, Win<&App::form4>},
    {"choose a unit", nullptr, [](App& app) { Rt(app).Select(app.form4.Combo1, 3); }, Win<&App::form4>},
    {"unit test -> course menu", nullptr, [](App& app) { Rt(app).Click(app.form4.Command2); }, Win<&App::form60>},
    {"chapter study -> drill chooser", [](App& app) { Rt(app).Click(app.form60.Command2); },
     [](App& app) { Rt(app).Click(app.form2.Command2); }, Win<&App::drill_chooser>},
    {"drill chooser -> drill", [](App& app) { Rt(app).Select(app.drill_chooser.List2, kDrillSection); },
     [](App& app) { Rt(app).Click(app.drill_chooser.Command1); }, Win<&App::form6>},
    {"next drill question", nullptr, [](App& app) { Rt(app).Click(app.form6.cmd(1)); }, Win<&App::form6>},
    {"answer a drill question", nullptr, [](App& app) { Rt(app).Click(app.form6.Optbutton(1)); }, Win<&App::form6>},
    {"drill -> steps window", ToAnalysedQuestion, [](App& app) { Rt(app).Click(app.form6.Command2); },
     Win<&App::form9>},
    {"drill hint",
     [](App& app) {
         Rt(app).Click(app.form9.Command2);
         BackToFirstQuestion(app);
     },
     [](App& app) { Rt(app).Click(app.form6.cmd(0)); }, Win<&App::form38>},
    {"drill -> chapter study", [](App& app) { Rt(app).Click(app.form38.Command1); },
     [](App& app) { Rt(app).Click(app.form6.Command5); }, Win<&App::form2>},
    {"portal -> exam start",
     [](App& app) {
         Rt(app).Click(app.form2.Command3);
         Rt(app).Click(app.form60.Command7);
     },
     ToExamStart, Win<&App::form59>},
    {"exam start -> syllabus", nullptr, [](App& app) { Rt(app).Click(app.form59.Command1); }, Win<&App::form26>},
    {"exam start -> mode choice", [](App& app) { Rt(app).CloseByTitleBar(app.form26); },
     [](App& app) { Rt(app).Click(app.form59.Command4); }, Win<&App::form43>},
    {"mode choice -> login (exam mode)", [](App& app) { Rt(app).Click(app.form43.Option1(1)); },
     [](App& app) { Rt(app).Click(app.form43.Command4); }, Win<&App::form12>},
    {"login -> confirmation", AnswerYes, [](App& app) { Rt(app).Click(app.form12.Image5); }, Win<&App::form13>},
    {"confirmation -> rules page", nullptr, [](App& app) { Rt(app).Click(app.form13.Image4); }, Win<&App::form14>},
    {"rules page -> task window (exam start)", ReadyToStart, [](App& app) { Rt(app).Click(app.form14.Image3); },
     Win<&App::form16>},
    {"task window -> choice window", nullptr, [](App& app) { Rt(app).Click(app.form16.Command1); },
     Win<&App::form20>},
    {"choice: next question", nullptr, [](App& app) { Rt(app).Click(app.form20.Image2(1)); }, Win<&App::form20>},
    {"choice: first answer (loads two windows)", nullptr, [](App& app) { Rt(app).Click(app.form20.Option1(0)); },
     Win<&App::form20>},
    {"choice window -> task window", nullptr, [](App& app) { Rt(app).Click(app.form20.Image3); }, Win<&App::form16>},
    {"toolbar: submit -> progress page", nullptr, [](App& app) { Rt(app).Click(app.form42.Label8); },
     Win<&App::form15>},
    {"progress page: confirm -> review", nullptr, [](App& app) { Rt(app).Click(app.form15.Command1); },
     Win<&App::form1>},
    {"review: exit -> mode choice", nullptr, [](App& app) { Rt(app).Click(app.form1.Command1); }, Win<&App::form43>},
    {"case chooser -> set chooser",
     [](App& app) {
         // Training mode leads from the mode choice to the case chooser.
         Rt(app).Click(app.form43.Option1(0));
         Rt(app).Click(app.form43.Command4);
     },
     [](App& app) { Rt(app).Click(app.form10.Command3); }, Win<&App::access_set_chooser>},
    {"set chooser -> practice", [](App& app) { Rt(app).Select(app.access_set_chooser.List1, 21); },
     [](App& app) { Rt(app).Click(app.access_set_chooser.Command1); }, Win<&App::form36>},
    {"practice: type button", nullptr, [](App& app) { Rt(app).Click(app.form36.Command3); }, Win<&App::form36>},
    {"practice -> reference answer", nullptr, [](App& app) { Rt(app).Click(app.form36.Command4); }, Win<&App::form51>},
    {"practice -> notes", nullptr, [](App& app) { Rt(app).Choose(app.form36.KSGY); }, Win<&App::form27>},
    {"practice -> case chooser", nullptr, [](App& app) { Rt(app).Click(app.form36.Command5); }, Win<&App::form10>},
}};

}  // namespace

std::span<const Handover> Handovers() { return kHandovers; }

void ReachExam(App& app) { ToExam(app); }

void StartExamAgain(App& app) { ExamAgainFromModeChoice(app); }

std::span<const WalkStep> EveryWindowOnce() { return kWalk; }

std::span<const std::string_view> CaseNames()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> present;
        for (const banks::PracticalCase& practical_case : banks::PresentCases())
            present.push_back(practical_case.row.name);
        if (present.empty())
            present.push_back(kCase);
        return present;
    }();
    return names;
}

}  // namespace boxi::bench
