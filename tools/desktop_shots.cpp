// Pictures of the whole screen as a learner meets it, with the real Linux
// platform: notices, focus marks and where pop-up windows open. Meant for a
// virtual screen with a window manager (scripts/screenshots DIR --desktop);
// the learner's home is a fresh empty folder, so folders are missing.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/DesktopProgram.h"
#include "desktop/Session.h"
#include "desktop/WindowView.h"

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shot(const QDir& dir, const char* name)
{
    Wait(600);
    QWidget* focus = QApplication::focusWidget();
    std::printf("%s  (focus: %s in %s)\n", dir.filePath(QString::fromUtf8(name) + ".png").toStdString().c_str(),
                focus ? focus->objectName().toStdString().c_str() : "none",
                focus ? focus->window()->objectName().toStdString().c_str() : "-");
    // Where each window's frame and client area lie on the screen.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible())
            continue;
        const QRect frame = widget->frameGeometry();
        const QRect client = widget->geometry();
        std::printf("    %-18s frame %d,%d %dx%d  client %d,%d %dx%d\n", widget->objectName().toStdString().c_str(),
                    frame.x(), frame.y(), frame.width(), frame.height(), client.x(), client.y(), client.width(),
                    client.height());
    }
    QApplication::primaryScreen()->grabWindow(0).save(dir.filePath(QString::fromUtf8(name) + ".png"));
}

void CloseNotices()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QMessageBox"))
            widget->close();
    }
}

// Takes a picture of the next question once it is up, then answers it with
// its default button.
void AnswerSoon(const QDir& dir, const char* name)
{
    QTimer::singleShot(600, [dir, name] {
        QApplication::primaryScreen()->grabWindow(0).save(dir.filePath(QString::fromUtf8(name) + ".png"));
        std::printf("%s\n", dir.filePath(QString::fromUtf8(name) + ".png").toStdString().c_str());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible() && box->defaultButton())
                box->defaultButton()->click();
        }
    });
}

// Activates the window and puts the focus on its control, as Tab would.
void FocusOn(boxi::desktop::DesktopProgram& program, boxi::ui::Window& window, const char* control)
{
    if (auto* view = program.renderer().ViewOf(window)) {
        view->activateWindow();
        if (auto* widget = view->findChild<QWidget*>(QString::fromUtf8(control)))
            widget->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    boxi::desktop::EnsureRuntimeFolder();
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("desktop-shots"));
    dir.mkpath(QStringLiteral("."));

    boxi::desktop::DesktopProgram program;
    boxi::App& app = program.app();
    auto& rt = app.runtime();
    program.Start();
    Shot(dir, "portal-focus-on-entry");

    rt.Click(app.form8.Image1);
    rt.Click(app.form60.Command2);
    rt.Click(app.form2.Command1);
    rt.Click(app.form7.Command2);
    Shot(dir, "steps-beside-exercise");
    rt.Click(app.form9.Command1);  // the answer folder is missing here
    Shot(dir, "notice-over-steps");
    CloseNotices();
    FocusOn(program, app.form9, "Command1");
    Shot(dir, "steps-focus-on-answer-button");
    rt.Click(app.form7.Command7);  // Excel, whatever is installed
    Shot(dir, "notice-program");
    CloseNotices();
    rt.Click(app.form9.Command2);
    rt.Click(app.form7.Command8);
    rt.Click(app.form2.Command3);

    rt.Click(app.form60.Command4);
    rt.Type(app.form10.Combo1, "实例8");
    rt.Click(app.form10.Command2);
    rt.Click(app.form16.Command2);
    Shot(dir, "case-steps-beside-task");
    rt.Click(app.form31.Command2);
    rt.Click(app.form16.Command8);

    // The steps window over the wide choice window, with an analysis. The
    // choice window loads the steps window hidden, and the learner takes a
    // moment before answering: it is made ahead of its showing.
    rt.Type(app.form10.Combo1, "第10套");
    rt.Click(app.form10.Command2);
    rt.Click(app.form16.Command1);
    Wait(300);
    rt.Click(app.form20.Label3(5));
    const std::string key = app.m.Table.AnswerKey(5);
    rt.Click(app.form20.Option1(key.size() == 1 && key[0] >= 'A' && key[0] <= 'D' ? key[0] - 'A' : 0));
    rt.Click(app.form20.Command1);
    Shot(dir, "steps-over-choice");
    rt.Click(app.form9.Command2);
    rt.Click(app.form20.Image3);
    rt.Click(app.form16.Command8);
    // The answer loaded the mode choice, the progress page and the review.
    rt.Run([&app] {
        app.form43.Unload();
        app.form15.Unload();
        app.form1.Unload();
    });

    // The Access practice with its answer and notes windows.
    rt.Click(app.form10.Command3);
    Shot(dir, "access-chooser");
    rt.Click(app.access_set_chooser.Command1);
    Shot(dir, "access-practice");
    rt.Click(app.form36.Command4);
    Shot(dir, "access-answer");
    rt.Choose(app.form36.KSGY);
    Shot(dir, "access-notes");
    rt.Click(app.form27.Command1);
    rt.CloseByTitleBar(app.form51);
    rt.Click(app.form36.Command5);
    rt.Click(app.form10.Command1);

    // The unit test and its evaluation sheet.
    rt.Click(app.form60.Command10);
    Shot(dir, "unit-test");
    AnswerSoon(dir, "unit-test-notice-before-the-first");
    rt.Click(app.form4.cmd(0));
    rt.Click(app.form4.Command1);
    Shot(dir, "evaluation-sheet");
    rt.Click(app.form3.Command5);
    rt.Click(app.form4.Command2);

    // The drill and its hint past the first question.
    rt.Click(app.form60.Command2);
    rt.Click(app.form2.Command2);
    Shot(dir, "drill-chooser");
    rt.Click(app.drill_chooser.Command1);
    Shot(dir, "drill");
    rt.Click(app.form6.cmd(0));
    Shot(dir, "drill-hint");
    rt.Click(app.form38.Command1);
    rt.Click(app.form6.Command5);
    // A stem whose fill-in mark holds two blanks: "43.汉字字模是指汉字的(  )。"
    rt.Click(app.form2.Command2);
    rt.Select(app.drill_chooser.List2, 1);
    rt.Click(app.drill_chooser.Command1);
    for (int question = 1; question < 43; ++question)
        rt.Click(app.form6.cmd(1));
    Shot(dir, "drill-stem-with-blanks");
    rt.Click(app.form6.Command5);
    rt.Click(app.form2.Command3);

    // The exam from its start window to the choice section under the toolbar.
    rt.Click(app.form60.Command7);
    rt.Click(app.form8.Image2);
    Shot(dir, "exam-start");
    rt.Click(app.form59.Command4);
    Shot(dir, "exam-mode-choice");
    rt.Click(app.form43.Option1(1));
    rt.Click(app.form43.Command4);
    Shot(dir, "exam-login");
    AnswerSoon(dir, "exam-login-question");
    rt.Click(app.form12.Image5);
    Shot(dir, "exam-confirmation");
    rt.Click(app.form13.Image4);
    AnswerSoon(dir, "exam-rules-unticked-question");
    rt.Click(app.form14.Image3);
    rt.Click(app.form14.Check1);
    Shot(dir, "exam-rules-ticked");
    // A set with a choice section in place of the draw, so the pictures
    // are the same every run.
    rt.Run([&app] { app.form10.SetCurrentSetName("第3套"); });
    rt.Click(app.form14.Image3);
    Shot(dir, "exam-task-under-toolbar");
    rt.Click(app.form16.Command2);
    Shot(dir, "exam-case-steps-under-toolbar");
    rt.Click(app.form31.Command2);
    rt.Run([&app] { app.form17.Show(); });
    Shot(dir, "exam-alarm");
    rt.Click(app.form17.Command1);
    rt.Click(app.form16.Command1);
    Shot(dir, "exam-choice-under-toolbar");
    FocusOn(program, app.form20, "Image2(1)");
    Shot(dir, "exam-choice-focus-on-next");
    FocusOn(program, app.form20, "Label3(7)");
    Shot(dir, "exam-choice-focus-on-sheet-number");
    FocusOn(program, app.form42, "Label8");
    Shot(dir, "exam-toolbar-focus-on-hand-in");
    rt.Click(app.form42.Label8);
    Shot(dir, "exam-progress");
    return 0;
}
