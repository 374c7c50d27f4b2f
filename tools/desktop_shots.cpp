// Pictures of the whole screen as a learner meets it, with the real Linux
// platform: notices, focus marks and where pop-up windows open. Meant for a
// virtual screen with a window manager (scripts/screenshots DIR --desktop);
// the learner's home is a fresh empty folder, so folders are missing.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

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
    QApplication::primaryScreen()->grabWindow(0).save(dir.filePath(QString::fromUtf8(name) + ".png"));
}

void CloseNotices()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QMessageBox"))
            widget->close();
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
    if (auto* view = program.renderer().ViewOf(app.form9)) {
        view->activateWindow();
        if (auto* answer = view->findChild<QWidget*>(QStringLiteral("Command1")))
            answer->setFocus(Qt::TabFocusReason);
    }
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
    return 0;
}
