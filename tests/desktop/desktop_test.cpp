// The desktop front end on the offscreen platform: the model drives the
// widgets and the learner's input reaches the model.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/App.h"
#include "desktop/ArtworkData.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/Renderer.h"
#include "desktop/WindowView.h"
#include "platform/FakePlatform.h"

namespace boxi::testing {
namespace {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "boxi_desktop_tests";
    static char* argv[] = {name, nullptr};
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

TEST_F(DesktopTest, portal_to_course_menu_and_back_with_real_widgets)
{
    app.Start();
    desktop::WindowView* portal = renderer.ViewOf(app.form8);
    ASSERT_NE(portal, nullptr);
    EXPECT_TRUE(portal->isVisible());
    EXPECT_EQ(portal->windowTitle(), QString::fromUtf8("计算机博习系列"));

    QWidget* enter = Widget<QWidget>(app.form8, "Image1");
    ASSERT_NE(enter, nullptr);
    QTest::mouseClick(enter, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(app.form8.is_loaded());
    ASSERT_TRUE(app.form60.is_visible());
    ASSERT_NE(renderer.ViewOf(app.form60), nullptr);
    EXPECT_TRUE(renderer.ViewOf(app.form60)->isVisible());

    auto* back = Widget<QPushButton>(app.form60, "Command7");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QString::fromUtf8("退出"));
    QTest::mouseClick(back, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(app.form8.is_visible());
    EXPECT_FALSE(app.form60.is_loaded());
    EXPECT_EQ(renderer.ViewOf(app.form60), nullptr);
}

TEST_F(DesktopTest, every_picture_of_the_windows_is_drawn_at_build_time_at_both_scales)
{
    int pictures = 0;
    for (const ui::Window* window : app.runtime().windows()) {
        for (const ui::Control* control : window->controls()) {
            const ui::Props& design = control->design();
            if (control->kind() != ui::ControlKind::Image || design.picture.empty())
                continue;
            ++pictures;
            for (qreal scale : {1.0, 2.0}) {
                QImage image = desktop::PrerenderedArtwork(design.picture, QSize(design.rect.width, design.rect.height), scale);
                EXPECT_FALSE(image.isNull()) << window->name() << "." << control->name() << " at " << scale;
                EXPECT_EQ(image.width(), static_cast<int>(design.rect.width * scale));
            }
        }
    }
    EXPECT_GE(pictures, 3);
}

TEST_F(DesktopTest, a_model_change_reaches_the_widget_as_plain_text)
{
    app.Start();
    app.runtime().Run([&] { app.form8.Label2.set_caption("<b>网址</b> & 链接"); });
    auto* label = Widget<QLabel>(app.form8, "Label2");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("<b>网址</b> & 链接"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(DesktopTest, typing_reaches_the_model_with_cr_lf_and_erasing_reads_empty)
{
    OpenChapterStudy();
    auto* outline = Widget<QPlainTextEdit>(app.form2, "Text1");
    ASSERT_NE(outline, nullptr);
    EXPECT_TRUE(outline->toPlainText().startsWith(QString::fromUtf8("  一:在表格中输入编辑数据\n")));

    outline->setPlainText(QString::fromUtf8("第一行\n第二行"));
    EXPECT_EQ(app.form2.Text1.text(), "第一行\r\n第二行");
    outline->clear();
    EXPECT_EQ(app.form2.Text1.text(), "");
}

TEST_F(DesktopTest, ctrl_click_cannot_empty_the_chapter_list)
{
    OpenChapterStudy();
    auto* list = Widget<QListWidget>(app.form2, "List1");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->currentRow(), 0);
    QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
    QApplication::processEvents();
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(app.form2.List1.list_index(), 0);

    QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
    QApplication::processEvents();
    EXPECT_EQ(app.form2.List1.list_index(), 2);
    EXPECT_TRUE(app.form2.Text1.text().starts_with("  一:使用公式的基本方法\r\n"));
}

TEST_F(DesktopTest, the_title_bar_close_unloads_the_window_in_the_model)
{
    app.Start();
    app.runtime().Click(app.form8.Image1);
    app.runtime().Run([&] { app.form9.Show(); });
    QApplication::processEvents();
    ASSERT_NE(renderer.ViewOf(app.form9), nullptr);
    renderer.ViewOf(app.form9)->close();
    QApplication::processEvents();
    EXPECT_FALSE(app.form9.is_loaded());
    EXPECT_TRUE(app.form60.is_visible());
    EXPECT_FALSE(app.runtime().ended());
}

TEST_F(DesktopTest, a_guarded_text_box_sends_its_right_press_to_the_model)
{
    app.Start();
    app.runtime().Run([&] {
        app.form9.Text1.set_text("steps");
        app.form9.Show();
    });
    auto* box = Widget<QPlainTextEdit>(app.form9, "Text1");
    ASSERT_NE(box, nullptr);
    fake.ClearJournal();
    QTest::mousePress(box->viewport(), Qt::RightButton);
    QTest::mousePress(box, Qt::RightButton);
    QApplication::processEvents();
    EXPECT_EQ(fake.Entries("PopupMenu").size(), 1u);
    EXPECT_EQ(app.form9.Text1.text(), "steps");
}

TEST_F(DesktopTest, the_syllabus_window_resizes_and_maximises_with_its_text_box_in_place)
{
    app.Start();
    app.runtime().Run([&] { app.form26.Show(); });
    desktop::WindowView* view = renderer.ViewOf(app.form26);
    ASSERT_NE(view, nullptr);
    auto* box = Widget<QPlainTextEdit>(app.form26, "Text1");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(view->minimumSize(), view->maximumSize());
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(box->isReadOnly());
    const QRect before = box->geometry();
    view->resize(1000, 800);
    QApplication::processEvents();
    EXPECT_EQ(box->geometry(), before);
    EXPECT_GE(view->findChild<QWidget*>("client")->width(), 1000);
    view->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(box->geometry(), before);
}

TEST_F(DesktopTest, a_message_box_shows_a_huge_text_cut_short)
{
    const std::string typed(1 << 20, '4');
    const QString shown = desktop::ShownMessageText("准考证号：" + typed + "不存在，退出登录系统吗？");
    EXPECT_LT(shown.size(), 200);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("准考证号：4444")));
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += "行\n";
    EXPECT_LE(desktop::ShownMessageText(many).count(QChar('\n')), 30);
    const std::string four_lines = "您输入的准考证号是：418203957614\n您的姓名是：模拟者\n您的身份证号是：******************\n请问是否正确？";
    EXPECT_EQ(desktop::ShownMessageText(four_lines), QString::fromStdString(four_lines));
}

// Each click area lies on its pictured button: the picture inside the
// area's edges is not the background just below it.
TEST_F(DesktopTest, exam_click_areas_lie_over_the_pictured_buttons_and_the_check_box_shows_only_its_box)
{
    app.Start();
    struct Area {
        ui::Window* window;
        ui::Image* picture;
        ui::Control* area;
    };
    const Area areas[] = {
        {&app.form12, &app.form12.Image1, &app.form12.Image5}, {&app.form12, &app.form12.Image1, &app.form12.Image4},
        {&app.form13, &app.form13.Image1, &app.form13.Image4}, {&app.form13, &app.form13.Image1, &app.form13.Image3},
        {&app.form13, &app.form13.Image1, &app.form13.Image2}, {&app.form14, &app.form14.Image1, &app.form14.Image3},
        {&app.form14, &app.form14.Image1, &app.form14.Image4},
    };
    for (const Area& a : areas) {
        SCOPED_TRACE(a.window->name() + "." + a.area->name());
        const ui::Props& picture = a.picture->design();
        QImage image = desktop::PrerenderedArtwork(picture.picture, QSize(picture.rect.width, picture.rect.height), 1.0);
        ASSERT_FALSE(image.isNull());
        const ui::Rect r = a.area->design().rect;
        const QColor outside = image.pixelColor(r.left + r.width / 2, r.top + r.height + 6);
        EXPECT_NE(image.pixelColor(r.left + 6, r.top + r.height / 2), outside);
        EXPECT_NE(image.pixelColor(r.left + r.width - 7, r.top + r.height / 2), outside);
        EXPECT_NE(image.pixelColor(r.left + r.width / 2, r.top + 3), outside);
    }
    app.runtime().Run([&] { app.form14.Show(); });
    auto* check = Widget<QCheckBox>(app.form14, "Check1");
    ASSERT_NE(check, nullptr);
    EXPECT_LE(check->width(), 20);
}

}  // namespace
}  // namespace boxi::testing
