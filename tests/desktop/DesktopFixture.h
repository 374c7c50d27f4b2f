// The fixture of the desktop tests: one QApplication for the whole test
// program, and a program whose windows the renderer shows on Qt's offscreen
// platform.
#pragma once

#include <QApplication>
#include <QImage>
#include <QString>

#include <cstdint>

#include <gtest/gtest.h>

#include "app/App.h"
#include "desktop/Renderer.h"
#include "desktop/Session.h"
#include "desktop/WindowView.h"
#include "platform/FakePlatform.h"

namespace boxi::testing {

inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "boxi_desktop_tests";
    static char* argv[] = {name, nullptr};
    desktop::EnsureRuntimeFolder();
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() { Application(); }

    template <typename W>
    W* Widget(ui::Window& window, const char* name)
    {
        QApplication::processEvents();
        desktop::WindowView* view = renderer.ViewOf(window);
        return view ? view->findChild<W*>(QString::fromUtf8(name)) : nullptr;
    }

    // A widget's picture without the focus, then with it as Tab gives it.
    struct FocusPictures {
        QImage without;
        QImage with;
    };
    FocusPictures PicturesOfFocus(QWidget* widget)
    {
        widget->clearFocus();
        QApplication::processEvents();
        FocusPictures pictures;
        pictures.without = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        pictures.with = widget->grab().toImage();
        return pictures;
    }

    void OpenChapterStudy()
    {
        app.Start();
        app.runtime().Click(app.form8.Image1);
        app.runtime().Click(app.form60.Command2);
    }

    platform::FakePlatform fake;
    App app{fake};
    desktop::Renderer renderer{app.runtime()};
};

// The timed exam's borderless windows and the proctor's entry.
class TimedExamDesktopTest : public DesktopTest {
protected:
    void AdvanceTo(std::int64_t ms)
    {
        for (auto due = app.runtime().NextTimerDue(); due && *due <= ms; due = app.runtime().NextTimerDue()) {
            fake.now_ms = *due;
            app.runtime().FireDueTimers(fake.now_ms);
        }
        fake.now_ms = ms;
        QApplication::processEvents();
    }
};

}  // namespace boxi::testing
