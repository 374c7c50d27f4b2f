#include "Roads.h"

#include <array>
#include <string>
#include <vector>

#include "app/App.h"
#include "banks/CaseBank.h"
#include "platform/FakePlatform.h"

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

// The exam road: exam mode, the login, the confirmation and the rules page,
// ticked; the login's question is answered yes.
void ToRulesFromModeChoice(App& app)
{
    Rt(app).Click(app.form43.Option1(1));
    Rt(app).Click(app.form43.Command4);
    Rt(app).Click(app.form12.Image5);
    Rt(app).Click(app.form13.Image4);
    Rt(app).Click(app.form14.Check1);
}

void ToRules(App& app)
{
    Rt(app).Click(app.form8.Image2);
    Rt(app).Click(app.form59.Command4);
    ToRulesFromModeChoice(app);
}

void ToExam(App& app)
{
    ToRules(app);
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

// From the review out to the mode choice and into a fresh exam.
void ExamAgainFromReview(App& app)
{
    Rt(app).Click(app.form1.Command1);
    ToRulesFromModeChoice(app);
    Rt(app).Click(app.form14.Image3);
}

// The handovers run on the recording platform: its clock moves only here.
void WaitOnVirtualClock(App& app, std::int64_t ms)
{
    if (auto* fake = dynamic_cast<platform::FakePlatform*>(&app.platform())) {
        fake->now_ms += ms;
        Rt(app).FireDueTimers(fake->now_ms);
    }
}

void Nothing(App&) {}

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

const std::array<Handover, 26> kHandovers = {{
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
    {"rules page -> exam (toolbar, task window)", ToRules, nullptr,
     [](App& app, int) { Rt(app).Click(app.form14.Image3); }, Win<&App::form16>,
     [](App& app) {
         Rt(app).Click(app.form42.Label8);
         Rt(app).Click(app.form15.Command1);
         Rt(app).Click(app.form1.Command1);
         ToRulesFromModeChoice(app);
     }},
    {"toolbar: hide or show the task", ToExam, nullptr, [](App& app, int) { Rt(app).Click(app.form42.Label6); },
     Win<&App::form42>, nullptr},
    {"toolbar: submit -> progress page", ToExam, nullptr, [](App& app, int) { Rt(app).Click(app.form42.Label8); },
     Win<&App::form15>, [](App& app) { Rt(app).Click(app.form15.Command2); }},
    {"progress page: confirm -> review", ToProgressPage, nullptr,
     [](App& app, int) { Rt(app).Click(app.form15.Command1); }, Win<&App::form1>,
     [](App& app) {
         ExamAgainFromReview(app);
         Rt(app).Click(app.form42.Label8);
     }},
    {"review: exit -> mode choice", ToReview, nullptr, [](App& app, int) { Rt(app).Click(app.form1.Command1); },
     Win<&App::form43>,
     [](App& app) {
         ToRulesFromModeChoice(app);
         Rt(app).Click(app.form14.Image3);
         Rt(app).Click(app.form42.Label8);
         Rt(app).Click(app.form15.Command1);
     }},
    {"submission lock: password -> review", ToProgressPage,
     [](App& app, int) {
         Rt(app).Click(app.form15.Command3);
         WaitOnVirtualClock(app, 5000);
         Rt(app).Type(app.form46.Text1, "58143");
     },
     [](App& app, int) { Rt(app).Click(app.form46.Command1); }, Win<&App::form1>,
     [](App& app) {
         ExamAgainFromReview(app);
         Rt(app).Click(app.form42.Label8);
     }},
}};

const std::array<WalkStep, 11> kWalk = {{
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
}};

}  // namespace

std::span<const Handover> Handovers() { return kHandovers; }

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
