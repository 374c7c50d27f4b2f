// Writes a PNG of every window in its main states, named after the window,
// for looking at the screens as a learner sees them. Runs on any Qt
// platform (offscreen by default through scripts/screenshots).
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>

#include "app/App.h"
#include "desktop/Renderer.h"
#include "desktop/Session.h"
#include "desktop/WindowView.h"
#include "platform/FakePlatform.h"

namespace {

class Shooter {
public:
    Shooter(boxi::App& app, boxi::desktop::Renderer& renderer, QDir dir) : app_(app), renderer_(renderer), dir_(dir) {}

    void Shot(boxi::ui::Window& window, const std::string& state)
    {
        QApplication::processEvents();
        boxi::desktop::WindowView* view = renderer_.ViewOf(window);
        if (!view || !window.is_visible()) {
            std::fprintf(stderr, "not on screen: %s %s\n", window.name().c_str(), state.c_str());
            failures_++;
            return;
        }
        QString name = QString::fromStdString(window.name() + (state.empty() ? "" : "-" + state) + ".png");
        view->grab().save(dir_.filePath(name));
        std::printf("%s\n", dir_.filePath(name).toStdString().c_str());
    }
    int failures() const { return failures_; }

private:
    boxi::App& app_;
    boxi::desktop::Renderer& renderer_;
    QDir dir_;
    int failures_ = 0;
};

// Moves the virtual clock on by `ms`, delivering every tick on the way.
void Advance(boxi::App& app, boxi::platform::FakePlatform& platform, std::int64_t ms)
{
    auto& rt = app.runtime();
    const std::int64_t target = platform.now_ms + ms;
    for (auto due = rt.NextTimerDue(); due && *due <= target && !rt.ended(); due = rt.NextTimerDue()) {
        platform.now_ms = std::max(platform.now_ms, *due);
        rt.FireDueTimers(platform.now_ms);
    }
    platform.now_ms = target;
}

// From the ticked rules page through an exam on the virtual clock to its
// review, then the written-exam draw.
void ShootTimedExam(boxi::App& app, boxi::platform::FakePlatform& platform, Shooter& shoot)
{
    auto& rt = app.runtime();
    rt.Run([&] { app.form10.SetCurrentSetName("第3套"); });
    rt.Click(app.form14.Image3);
    shoot.Shot(app.form42, "start");
    Advance(app, platform, 63000);
    shoot.Shot(app.form42, "63s");
    rt.Run([&] {
        for (int k : {1, 2, 3, 5, 8, 13})
            app.form15.MarkProgressCell(k);
    });
    rt.Click(app.form42.Label8);
    shoot.Shot(app.form15, "counted");
    rt.Click(app.form15.Command2);
    Advance(app, platform, 115 * 63000 - 63000);
    shoot.Shot(app.form17, "");
    shoot.Shot(app.form42, "alarm");
    rt.Click(app.form17.Command1);
    Advance(app, platform, 4 * 63000);
    shoot.Shot(app.form42, "time-up");
    shoot.Shot(app.form15, "time-up");
    rt.Click(app.form15.Command2);
    Advance(app, platform, 63000);
    shoot.Shot(app.form42, "below-zero");
    rt.Run([&] { app.form18.Show(); });
    shoot.Shot(app.form18, "");
    rt.Click(app.form18.Command1);

    rt.Click(app.form42.Label8);
    rt.Click(app.form15.Command3);
    shoot.Shot(app.form46, "processing");
    Advance(app, platform, 5000);
    rt.Type(app.form46.Text1, "581");
    shoot.Shot(app.form46, "asking");
    rt.Type(app.form46.Text1, "58143");
    rt.Click(app.form46.Command1);
    shoot.Shot(app.form1, "item1");
    rt.Click(app.form1.Label3(12));
    shoot.Shot(app.form1, "row12");
    rt.Click(app.form1.Command1);

    rt.Click(app.form43.Command1);
    shoot.Shot(app.form44, "");
    rt.Click(app.form44.Command1);
    shoot.Shot(app.form44, "waiting");
    Advance(app, platform, 8000);
    shoot.Shot(app.form45, "");
}

}  // namespace

int main(int argc, char** argv)
{
    boxi::desktop::EnsureRuntimeFolder();
    QApplication application(argc, argv);
    QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    dir.mkpath(QStringLiteral("."));

    boxi::platform::FakePlatform platform;
    platform.box_answerer = [](const boxi::platform::MessageBoxRequest& request) {
        return request.buttons == boxi::platform::MsgButtons::YesNo ? boxi::platform::MsgAnswer::Yes
                                                                    : boxi::platform::MsgAnswer::Ok;
    };
    boxi::App app(platform);
    boxi::desktop::Renderer renderer(app.runtime());
    Shooter shoot(app, renderer, dir);
    auto& rt = app.runtime();

    app.Start();
    shoot.Shot(app.form8, "");
    rt.Click(app.form8.Image1);
    shoot.Shot(app.form60, "");

    rt.Click(app.form60.Command2);
    for (int chapter = 0; chapter < 6; ++chapter) {
        rt.Select(app.form2.List1, chapter);
        shoot.Shot(app.form2, "chapter" + std::to_string(chapter));
    }
    for (int chapter = 0; chapter < 6; ++chapter) {
        rt.Select(app.form2.List1, chapter);
        rt.Click(app.form2.Command1);
        shoot.Shot(app.form7, "chapter" + std::to_string(chapter) + "-1");
        if (chapter == 4) {
            rt.Click(app.form7.cmd(1));
            shoot.Shot(app.form7, "chapter4-2");
        }
        rt.Click(app.form7.Command2);
        shoot.Shot(app.form9, "chapter" + std::to_string(chapter));
        rt.Click(app.form9.Command2);
        rt.Click(app.form7.Command8);
    }
    rt.Click(app.form2.Command3);

    rt.Click(app.form60.Command4);
    shoot.Shot(app.form10, "");
    for (const char* name : {"实例8", "实例23", "实例1"}) {
        rt.Type(app.form10.Combo1, name);
        rt.Click(app.form10.Command2);
        shoot.Shot(app.form16, name);
        rt.Click(app.form16.Command2);
        shoot.Shot(app.form31, name);
        rt.Click(app.form31.Command2);
        rt.Click(app.form16.Command8);
    }

    // The choice section of a set, entered from the task window: fresh, then
    // answered in training and in exam mode.
    rt.Type(app.form10.Combo1, "第3套");
    rt.Click(app.form10.Command2);
    shoot.Shot(app.form16, "第3套");
    rt.Click(app.form16.Command1);
    shoot.Shot(app.form20, "fresh");
    const std::string key = app.m.Table.AnswerKey(1);
    const int right = key.size() == 1 && key[0] >= 'A' && key[0] <= 'D' ? key[0] - 'A' : 0;
    rt.Click(app.form20.Option1(right));
    shoot.Shot(app.form20, "training-right");
    rt.Click(app.form20.Option1((right + 2) % 4));
    shoot.Shot(app.form20, "training-wrong");
    rt.Click(app.form20.Option1(right));
    rt.Click(app.form20.Command1);
    shoot.Shot(app.form9, "choice");
    rt.Click(app.form9.Command2);
    rt.Click(app.form20.Image3);
    rt.Run([&app] { app.form43.Option1(1).set_value(true, boxi::ui::Notify::No); });
    rt.Click(app.form16.Command1);
    rt.Click(app.form20.Option1(1));
    rt.Click(app.form20.Label3(7));
    rt.Click(app.form20.Option1(3));
    rt.Click(app.form20.Label3(12));
    shoot.Shot(app.form20, "exam");
    rt.Click(app.form20.Image3);
    rt.Click(app.form16.Command8);
    // The answers loaded the mode choice, the progress page and the review.
    rt.Run([&app] {
        app.form43.Unload();
        app.form15.Unload();
        app.form1.Unload();
    });
    // The longest stems and options of the exam sets, and the analyses of
    // several lines in the steps window, in training mode.
    for (auto [set, question, analysis] :
         {std::tuple{"第6套", 9, false}, std::tuple{"第18套", 2, false}, std::tuple{"第8套", 2, false},
          std::tuple{"第4套", 3, false}, std::tuple{"第5套", 5, true}, std::tuple{"第7套", 16, true},
          std::tuple{"第10套", 5, true}}) {
        const std::string state = std::string(set) + "-" + std::to_string(question);
        rt.Type(app.form10.Combo1, set);
        rt.Click(app.form10.Command2);
        rt.Click(app.form16.Command1);
        rt.Click(app.form20.Label3(question));
        // The analysis button comes with the right answer.
        const std::string letter = app.m.Table.AnswerKey(question);
        rt.Click(app.form20.Option1(analysis && letter.size() == 1 ? letter[0] - 'A' : 3));
        shoot.Shot(app.form20, state);
        if (analysis) {
            rt.Click(app.form20.Command1);
            shoot.Shot(app.form9, state);
            rt.Click(app.form9.Command2);
        }
        rt.Click(app.form20.Image3);
        rt.Click(app.form16.Command8);
        rt.Run([&app] {
            app.form43.Unload();
            app.form15.Unload();
            app.form1.Unload();
        });
    }
    rt.Click(app.form10.Command3);
    shoot.Shot(app.access_set_chooser, "");
    rt.Select(app.access_set_chooser.List1, 21);
    rt.Click(app.access_set_chooser.Command1);
    shoot.Shot(app.form36, "basic22");
    // Table blocks of the first sets, lined up by display width.
    for (const char* number : {"2", "6", "13"}) {
        rt.Run([&] { app.form10.SetCurrentSetName(std::string("操作题（第") + number + "套）"); });
        rt.Click(app.form36.Command1);
        shoot.Shot(app.form36, std::string("basic") + number);
    }
    rt.Run([&] { app.form10.SetCurrentSetName("操作题（第13套）"); });
    rt.Click(app.form36.Command3);
    rt.Click(app.form36.Command4);
    shoot.Shot(app.form51, "comprehensive13");
    rt.Run([&] { app.form10.SetCurrentSetName("操作题（第16套）"); });
    rt.Click(app.form36.Command2);
    shoot.Shot(app.form36, "simple16");
    rt.Click(app.form36.Command1);
    shoot.Shot(app.form36, "basic16");
    rt.Choose(app.form36.KSGY);
    shoot.Shot(app.form27, "");
    rt.Click(app.form27.Command1);
    rt.Click(app.form36.Command1);
    rt.Click(app.form36.Command5);
    rt.Click(app.form10.Command1);
    shoot.Shot(app.form60, "back");
    rt.Click(app.form60.Command10);
    shoot.Shot(app.form4, "");
    // Question 1 right, 2 wrong and 3 right, which stays on screen.
    rt.Click(app.form4.Optbutton(0));
    rt.Click(app.form4.cmd(1));
    rt.Click(app.form4.Optbutton(3));
    rt.Click(app.form4.cmd(1));
    rt.Click(app.form4.Optbutton(2));
    shoot.Shot(app.form4, "answered");
    rt.Click(app.form4.Command1);
    shoot.Shot(app.form3, "");
    rt.Click(app.form3.Label3(2));
    shoot.Shot(app.form3, "number2");
    rt.Click(app.form3.Command5);
    rt.Select(app.form4.Combo1, 3);
    for (int k = 1; k < 21; ++k)
        rt.Click(app.form4.cmd(1));
    shoot.Shot(app.form4, "database21");
    rt.Click(app.form4.Command1);
    rt.Click(app.form3.Label3(21));
    shoot.Shot(app.form3, "database21");
    rt.Click(app.form3.Command5);
    // The drawn tree and relations, in the question box and the sheet's detail box.
    for (auto [unit, question, state] : {std::tuple{0, 20, "structures20"}, std::tuple{3, 27, "database27"}}) {
        rt.Select(app.form4.Combo1, unit);
        for (int k = 1; k < question; ++k)
            rt.Click(app.form4.cmd(1));
        shoot.Shot(app.form4, state);
        rt.Click(app.form4.Command1);
        rt.Click(app.form3.Label3(question));
        shoot.Shot(app.form3, state);
        rt.Click(app.form3.Command5);
    }
    rt.Click(app.form4.Command2);

    // The choice drill, from chapter study through its section chooser.
    rt.Click(app.form60.Command2);
    shoot.Shot(app.form2, "drill-button");
    rt.Click(app.form2.Command2);
    shoot.Shot(app.drill_chooser, "");
    rt.Click(app.drill_chooser.Command1);
    shoot.Shot(app.form6, "overview1");
    rt.Click(app.form6.cmd(1));
    rt.Click(app.form6.cmd(1));
    rt.Click(app.form6.Optbutton(1));
    shoot.Shot(app.form6, "right");
    rt.Click(app.form6.Optbutton(3));
    shoot.Shot(app.form6, "wrong");
    rt.Click(app.form6.cmd(0));
    rt.Click(app.form6.cmd(0));
    rt.Click(app.form6.cmd(0));
    shoot.Shot(app.form38, "");
    rt.Click(app.form38.Command1);
    rt.Click(app.form6.Command5);
    rt.Click(app.form2.Command2);
    rt.Select(app.drill_chooser.List2, 4);
    rt.Click(app.drill_chooser.Command1);
    rt.Click(app.form6.cmd(1));
    rt.Click(app.form6.cmd(1));
    rt.Click(app.form6.Command2);
    shoot.Shot(app.form9, "drill-analysis");
    rt.Click(app.form9.Command2);
    rt.Click(app.form6.Command5);
    rt.Click(app.form2.Command2);
    rt.Select(app.drill_chooser.List1, 1);
    rt.Select(app.drill_chooser.List2, 1);
    shoot.Shot(app.drill_chooser, "word");
    rt.Click(app.drill_chooser.Command1);
    for (int i = 0; i < 5; ++i)
        rt.Click(app.form6.cmd(1));
    rt.Click(app.form6.Optbutton(3));
    shoot.Shot(app.form6, "word");
    rt.Click(app.form6.Command5);
    rt.Click(app.form2.Command3);

    // The exam entry: start window, syllabus, mode choice in both modes,
    // login, confirmation, rules page unticked and ticked.
    rt.Click(app.form60.Command9);
    shoot.Shot(app.form26, "");
    rt.CloseByTitleBar(app.form26);
    rt.Click(app.form60.Command7);
    rt.Click(app.form8.Image2);
    shoot.Shot(app.form59, "");
    rt.Click(app.form59.Command4);
    shoot.Shot(app.form43, "training");
    rt.Click(app.form43.Option1(1));
    shoot.Shot(app.form43, "exam");
    rt.Click(app.form43.Command4);
    shoot.Shot(app.form12, "");
    platform.AnswerNextBox(boxi::platform::MsgAnswer::Yes);
    rt.Click(app.form12.Image5);
    shoot.Shot(app.form13, "");
    rt.Click(app.form13.Image4);
    shoot.Shot(app.form14, "unticked");
    rt.Click(app.form14.Check1);
    shoot.Shot(app.form14, "ticked");
    ShootTimedExam(app, platform, shoot);
    return shoot.failures() == 0 ? 0 : 1;
}
