#include "exam/Form14.h"

#include <string>

#include "app/App.h"
#include "cases/SetLoading.h"
#include "common/Conventions.h"

namespace boxi {

Form14::Form14(App& app)
    : ui::Window(app.runtime(), "Form14", {.caption = "全国计算机等级考试", .client_width = exam_screens::kRulesWidth, .client_height = exam_screens::kRulesHeight}),
      app_(app)
{
    Timer1.on_timer = [this] { Timer1_Timer(); };
    Image3.on_click = [this] { Image3_Click(); };
    Image4.on_click = [this] { Image4_Click(); };
}

void Form14::Timer1_Timer() { ExamSetDraw(); }

void Form14::Image3_Click() { StartExam(); }

void Form14::Image4_Click() { SwapHandoverNextLast(*this, app_.form43); }

// Closed with its title bar: out to the mode choice, as the page's exit does.
void Form14::Form_QueryUnload() { Image4_Click(); }

// One of "第1套" to "第40套", each as likely, from a generator seeded once
// per draw; the timer is switched off, so a load draws once.
void Form14::ExamSetDraw()
{
    platform::Platform& platform = runtime().platform();
    RandomizeFromClock(platform);
    const int number = DrawNumber(platform, 40);
    app_.form10.SetCurrentSetName("第" + std::to_string(number) + "套");
    Timer1.set_enabled(false);
}

// Only an unticked box refuses; a greyed one lets the exam start.
void Form14::StartExam()
{
    if (Check1.value() == 0) {
        MsgBox(runtime(), "只有勾选了已阅读才能进行考试！", platform::MsgButtons::OkCancel, platform::MsgIcon::Question, 0,
               "全国计算机等级考试_信息提示");
        return;
    }
    // The toolbar comes before the set is loaded, so that its countdown runs
    // from the start. One still loaded from an exam left without submitting
    // goes first: every exam counts down afresh.
    app_.form42.Unload();
    app_.form42.Show();
    // Answers given before this start (in training, in an exam left or
    // after a submission) stay on a choice window left open, on the hidden
    // progress page and in the hidden review; the new exam must count and
    // review only its own. Unloading what is not loaded does nothing.
    app_.form20.Unload();
    app_.form15.Unload();
    app_.form1.Unload();
    // An exam left without submitting also leaves its banks held, which
    // would keep its set in the table in place of the one just drawn.
    app_.set_loader.ReleaseChoiceBank();
    app_.set_loader.ReleaseCaseBank();
    app_.LoadCurrentSet(SetLoadUse::ExamStarting);
    // A portal still open behind the exam windows goes out of sight for
    // these sets.
    if (IsExamSetName(app_.form10.CurrentSetName(), 8, 11)) {
        app_.form8.Show();
        app_.form8.Hide();
    }
    app_.form16.Show();
    Hide();
    Unload();
}

}  // namespace boxi
