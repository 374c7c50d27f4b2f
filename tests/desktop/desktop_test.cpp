// The desktop front end on the offscreen platform: the model drives the
// widgets and the learner's input reaches the model.
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QEventLoop>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>
#include <memory>
#include <string_view>
#include <functional>

#include <gtest/gtest.h>

#include "app/App.h"
#include "desktop/Artwork.h"
#include "desktop/ArtworkData.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/DesktopProgram.h"
#include "desktop/FilePages.h"
#include "desktop/Fonts.h"
#include "desktop/Placement.h"
#include "desktop/Renderer.h"
#include "desktop/Session.h"
#include "desktop/WindowView.h"
#include "platform/FakePlatform.h"
#include "DesktopFixture.h"

namespace boxi::testing {
namespace {

// Calls `visit(window, control)` for every control of the windows that shows
// a picture.
template <typename Visit>
void ForEachPicture(App& app, Visit&& visit)
{
    for (const ui::Window* window : app.runtime().windows()) {
        for (const ui::Control* control : window->controls()) {
            if (control->kind() == ui::ControlKind::Image && !control->design().picture.empty())
                visit(*window, *control);
        }
    }
}

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
    ForEachPicture(app, [&](const ui::Window& window, const ui::Control& control) {
        const ui::Props& design = control.design();
        ++pictures;
        for (qreal scale : {1.0, 2.0}) {
            QImage image = desktop::PrerenderedArtwork(design.picture, QSize(design.rect.width, design.rect.height), scale);
            EXPECT_FALSE(image.isNull()) << window.name() << "." << control.name() << " at " << scale;
            EXPECT_EQ(image.width(), static_cast<int>(design.rect.width * scale));
            // The stored pixels are the drawing's; a picture stored as
            // opaque has no pixel the drawing left see-through.
            QImage drawn(image.size(), QImage::Format_ARGB32_Premultiplied);
            drawn.setDevicePixelRatio(scale);
            drawn.fill(Qt::transparent);
            {
                QPainter painter(&drawn);
                desktop::PaintArtwork(painter, QRect(0, 0, design.rect.width, design.rect.height), design.picture);
            }
            EXPECT_TRUE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied) == drawn)
                << window.name() << "." << control.name() << " at " << scale;
        }
    });
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

TEST_F(DesktopTest, the_access_practice_has_its_menu_bar_a_monospaced_question_and_notes_that_fit)
{
    app.Start();
    app.runtime().Run([&] {
        app.form10.SetCurrentSetName("操作题（第22套）");
        app.form36.Show();
    });
    QApplication::processEvents();
    desktop::WindowView* view = renderer.ViewOf(app.form36);
    ASSERT_NE(view, nullptr);
    auto* bar = view->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList menus;
    for (QAction* action : bar->actions())
        menus << action->text();
    // The mnemonics stay; the hidden pop-up menu is no menu of the bar.
    EXPECT_EQ(menus, (QStringList{QString::fromUtf8("答题(&T)"), QString::fromUtf8("帮助（&H)")}));
    QWidget* client = view->findChild<QWidget*>("client");
    ASSERT_NE(client, nullptr);
    EXPECT_GE(client->geometry().top(), bar->geometry().bottom());  // Line1 sits under the bar

    // A Chinese character is two Latin columns, in bold too, so tables line up.
    auto* question = Widget<QPlainTextEdit>(app.form36, "Text1");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->font().bold());
    QFontMetrics metrics(question->font());
    EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf8("编")), 2 * metrics.horizontalAdvance(QStringLiteral("P")));
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral(" ")), metrics.horizontalAdvance(QStringLiteral("P")));

    // Standard type buttons keep the button face; "试题分析" shows its own colour.
    EXPECT_TRUE(Widget<QPushButton>(app.form36, "Command1")->styleSheet().isEmpty());
    EXPECT_FALSE(Widget<QPushButton>(app.form36, "Command4")->styleSheet().isEmpty());

    app.runtime().Choose(app.form36.KSGY);
    auto* notes = Widget<QLabel>(app.form27, "Label1");
    ASSERT_NE(notes, nullptr);
    EXPECT_LE(notes->heightForWidth(notes->width()), notes->height()) << "the three notes are cut off: " << notes->width() << " wide";
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

TEST_F(DesktopTest, a_message_box_with_a_short_text_is_as_wide_as_its_title)
{
    auto make = [](QMessageBox& box) {
        box.setWindowTitle(QString::fromUtf8("全国计算机等级考试_信息提示"));
        box.setText(QString::fromUtf8("只有勾选了已阅读才能进行考试！"));
        box.setIcon(QMessageBox::Question);
        box.addButton(QString::fromUtf8("确定"), QMessageBox::AcceptRole);
        box.addButton(QString::fromUtf8("取消"), QMessageBox::RejectRole);
    };
    QMessageBox plain;
    make(plain);
    QMessageBox fitted;
    make(fitted);
    desktop::FitTitle(fitted);
    plain.show();
    fitted.show();
    QApplication::processEvents();
    QFont bold = fitted.font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(fitted.windowTitle());
    ASSERT_LT(plain.width(), title + 96);  // the case at hand: the text alone is narrower
    EXPECT_GE(fitted.width(), title + 96);
    // The message itself is laid out as before.
    auto* label = fitted.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), plain.text());
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

TEST_F(DesktopTest, a_very_long_entry_reaches_the_widget_whole_and_an_edit_keeps_it)
{
    app.Start();
    const std::string typed(100000, '4');
    app.runtime().Run([&] {
        app.form12.Show();
        app.form12.Text1.set_text(typed);
    });
    auto* entry = Widget<QLineEdit>(app.form12, "Text1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text().size(), 100000);
    entry->end(false);
    QTest::keyClick(entry, Qt::Key_5);
    QApplication::processEvents();
    EXPECT_EQ(app.form12.Text1.text(), typed + "5");
}

// How a learner presses a widget: a click, or a key while it has the focus.
struct Press {
    const char* name;
    std::function<void(QWidget*)> press;
};

const Press kPresses[] = {
    {"click", [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }},
    {"Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }},
    {"keypad Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Enter); }},
    {"Space", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); }},
};

TEST_F(DesktopTest, enter_space_and_a_click_press_a_focused_button_through_the_same_handler)
{
    for (const Press& press : kPresses) {
        SCOPED_TRACE(press.name);
        app.Start();
        app.runtime().Click(app.form8.Image1);
        auto* button = Widget<QPushButton>(app.form60, "Command2");
        ASSERT_NE(button, nullptr);
        button->setFocus();
        fake.ClearJournal();
        press.press(button);
        QApplication::processEvents();
        EXPECT_TRUE(app.form2.is_visible());
        EXPECT_FALSE(app.form60.is_loaded());
        app.runtime().Click(app.form2.Command3);  // back to the course menu
        app.runtime().Click(app.form60.Command7);  // and the portal
        ASSERT_TRUE(app.form8.is_visible());
    }
}

TEST_F(DesktopTest, the_portal_picture_takes_the_focus_and_enter_or_space_enters)
{
    for (const Press& press : kPresses) {
        SCOPED_TRACE(press.name);
        app.Start();
        QWidget* enter = Widget<QWidget>(app.form8, "Image1");
        ASSERT_NE(enter, nullptr);
        // Tab reaches it, and it is the portal's first stop.
        EXPECT_TRUE(enter->focusPolicy() & Qt::TabFocus);
        QWidget* view = renderer.ViewOf(app.form8);
        EXPECT_EQ(view->focusWidget() ? view->focusWidget() : view->nextInFocusChain(), enter);
        enter->setFocus();
        press.press(enter);
        QApplication::processEvents();
        EXPECT_TRUE(app.form60.is_visible());
        EXPECT_FALSE(app.form8.is_loaded());
        app.runtime().Click(app.form60.Command7);
        ASSERT_TRUE(app.form8.is_visible());
    }
    // A picture that is no button stays out of the tab order.
    QWidget* title = Widget<QWidget>(app.form8, "Image5");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->focusPolicy(), Qt::NoFocus);
}

TEST_F(DesktopTest, focus_marks_show_on_the_portal_picture_and_on_coloured_buttons)
{
    app.Start();
    app.runtime().Click(app.form8.Image1);
    app.runtime().Click(app.form60.Command2);
    app.runtime().Click(app.form2.Command1);
    app.runtime().Click(app.form7.Command2);  // chapter 0, exercise 1: with its yellow answer button
    ASSERT_TRUE(app.form9.Command1.visible());
    struct Row {
        ui::Window& window;
        const char* name;
    };
    for (const Row& row : {Row{app.form9, "Command1"}, Row{app.form7, "Command7"}}) {
        SCOPED_TRACE(row.name);
        QWidget* widget = Widget<QWidget>(row.window, row.name);
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible());
        renderer.ViewOf(row.window)->activateWindow();
        const auto [without, with] = PicturesOfFocus(widget);
        ASSERT_TRUE(widget->hasFocus());
        // The mark changes the button's edge, not a pixel or two of it.
        int changed = 0;
        for (int x = 0; x < with.width(); ++x)
            changed += with.pixel(x, 1) != without.pixel(x, 1);
        EXPECT_GT(changed, with.width() / 2);
    }
}

TEST_F(DesktopTest, plain_buttons_and_options_mark_a_focus_that_the_window_or_a_click_gave_them)
{
    app.Start();
    app.runtime().Click(app.form8.Image2);  // the exam start window, focus on its first button
    app.runtime().Run([&] {
        app.form43.Show();
        app.form14.Show();
    });
    struct Row {
        ui::Window& window;
        const char* name;
        Qt::FocusReason reason;
        const char* elsewhere;  // where the focus is before
    };
    const Row rows[] = {
        {app.form59, "Command1", Qt::OtherFocusReason, "Command2"},
        {app.form59, "Command4", Qt::MouseFocusReason, "Command2"},
        {app.form43, "Option1(0)", Qt::OtherFocusReason, "Command3"},
        {app.form43, "Command4", Qt::OtherFocusReason, "Command3"},
        {app.form14, "Check1", Qt::OtherFocusReason, "Image3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window.name() + "." + row.name);
        auto* widget = Widget<QAbstractButton>(row.window, row.name);
        ASSERT_NE(widget, nullptr);
        auto* other = Widget<QWidget>(row.window, row.elsewhere);
        ASSERT_NE(other, nullptr);
        renderer.ViewOf(row.window)->activateWindow();
        other->setFocus(Qt::OtherFocusReason);
        widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
        QApplication::processEvents();
        ASSERT_FALSE(widget->hasFocus());
        const QImage without = widget->grab().toImage();
        widget->setFocus(row.reason);
        QApplication::processEvents();
        ASSERT_TRUE(widget->hasFocus());
        ASSERT_FALSE(widget->window()->testAttribute(Qt::WA_KeyboardFocusChange));
        const QImage with = widget->grab().toImage();
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                changed += with.pixel(x, y) != without.pixel(x, y);
        EXPECT_GT(changed, 12);
        // The rules page's box has its caption in the artwork: its mark stays
        // round the box (a ring one pixel clear of it), with no sliver of a
        // caption frame beside it.
        if (row.window.name() == "Form14") {
            const int box = widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
            int beside = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = box + 2; x < with.width(); ++x)
                    beside += with.pixel(x, y) != without.pixel(x, y);
            EXPECT_EQ(beside, 0);
        }
    }
}

TEST_F(DesktopTest, the_login_window_has_an_empty_title_bar_and_not_the_program_name)
{
    app.Start();
    app.runtime().Run([&] { app.form12.Show(); });
    QApplication::processEvents();
    auto* login = renderer.ViewOf(app.form12);
    ASSERT_NE(login, nullptr);
    ASSERT_NE(login->windowHandle(), nullptr);
    // What reaches the window system: not nothing, which it would fill with
    // the program's name, and nothing to read either.
    const QString title = login->windowHandle()->title();
    EXPECT_FALSE(title.isEmpty());
    EXPECT_TRUE(title.trimmed().isEmpty()) << title.toStdString();
    // A caption written later still shows as it stands.
    app.runtime().Run([&] { app.form12.set_caption("考生登录"); });
    QApplication::processEvents();
    EXPECT_EQ(login->windowHandle()->title(), QString::fromUtf8("考生登录"));
}

TEST_F(DesktopTest, a_click_keeps_the_focus_where_it_went_across_the_next_syncs)
{
    OpenChapterStudy();
    app.runtime().Click(app.form2.Command1);
    app.runtime().Click(app.form7.Command2);  // the topmost steps window in front
    QApplication::processEvents();
    auto* steps = renderer.ViewOf(app.form9);
    ASSERT_NE(steps, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), steps);

    auto* exercise = Widget<QPlainTextEdit>(app.form7, "Text1");
    ASSERT_NE(exercise, nullptr);
    renderer.ViewOf(app.form7)->activateWindow();  // what the window manager does on the click
    QTest::mouseClick(exercise->viewport(), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(exercise->hasFocus());

    // Operations that change both windows, a caption included, move nothing.
    app.runtime().Run([&] {
        app.form7.set_caption("操作题");
        app.form9.Text1.set_text("steps");
    });
    app.runtime().Click(app.form7.cmd(1));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), renderer.ViewOf(app.form7));
    EXPECT_TRUE(exercise->hasFocus());

    // Nor does a caption change move a focus the learner put elsewhere
    // than the window's first control.
    auto* next = Widget<QPushButton>(app.form7, "cmd(1)");
    ASSERT_NE(next, nullptr);
    next->setFocus(Qt::TabFocusReason);
    app.runtime().Run([&] { app.form7.set_caption("操作题 "); });
    QApplication::processEvents();
    EXPECT_TRUE(next->hasFocus());

    // The window's own code still moves it, and showing the steps window
    // again brings that window forward.
    app.runtime().Run([&] { app.form7.SetFocus(app.form7.Command8); });
    QApplication::processEvents();
    EXPECT_TRUE(Widget<QPushButton>(app.form7, "Command8")->hasFocus());
    app.runtime().Click(app.form7.Command2);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), steps);
}

TEST_F(DesktopTest, a_notice_reads_ok_in_chinese_stays_on_top_and_waits_for_the_learner)
{
    OpenChapterStudy();
    QMessageBox* notice = desktop::ShowNotice(
        "文件夹“C:\\Excel砺行\\答案\\技能练习\\301”不存在。\n"
        "本机上它应在：/home/a-learner-with-a-long-name/drive_c/Excel砺行/答案/技能练习/301",
        renderer);
    QPointer<QMessageBox> alive(notice);
    ASSERT_EQ(notice->buttons().size(), 1);
    EXPECT_EQ(notice->buttons().front()->text(), QString::fromUtf8("确定"));
    EXPECT_TRUE(notice->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(notice->windowFlags() & Qt::WindowMinimizeButtonHint);  // it cannot be put away
    // Each line fits on one line of the box: the path is not broken.
    QApplication::processEvents();
    auto* label = notice->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    for (const QString& line : notice->text().split('\n'))
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(line)) << line.toStdString();
    EXPECT_EQ(notice->windowModality(), Qt::NonModal);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text().count('\n'), 1);

    // Windows come and go under it; it stays until closed.
    app.runtime().Click(app.form2.Command1);
    app.runtime().Click(app.form7.Command2);
    QTest::qWait(50);
    ASSERT_TRUE(alive);
    EXPECT_TRUE(notice->isVisible());
    QTest::keyClick(notice, Qt::Key_Return);
    QApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

// The keyboard alone: Tab until the named control has the focus, then a key.
class KeyboardWalk {
public:
    explicit KeyboardWalk(desktop::Renderer& renderer) : renderer_(renderer) {}

    void Key(Qt::Key key)
    {
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
        QApplication::processEvents();
    }
    void Press(ui::Window& window, const char* name, Qt::Key key = Qt::Key_Return)
    {
        SCOPED_TRACE(window.name() + "." + name);
        desktop::WindowView* view = renderer_.ViewOf(window);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(view, 1000));
        for (int tabs = 0; tabs < 12; ++tabs) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->objectName() == QString::fromUtf8(name) && focus->window() == view) {
                Key(key);
                return;
            }
            Key(Qt::Key_Tab);
        }
        FAIL() << "Tab never reaches it";
    }

private:
    desktop::Renderer& renderer_;
};

TEST_F(DesktopTest, the_chapter_and_case_roads_walk_with_the_keyboard_alone)
{
    KeyboardWalk walk(renderer);
    app.Start();
    walk.Press(app.form8, "Image1");
    ASSERT_TRUE(app.form60.is_visible());
    walk.Press(app.form60, "Command2");
    ASSERT_TRUE(app.form2.is_visible());
    walk.Press(app.form2, "List1", Qt::Key_Down);
    EXPECT_EQ(app.form2.List1.list_index(), 1);
    walk.Press(app.form2, "Command1");
    ASSERT_TRUE(app.form7.is_visible());
    walk.Press(app.form7, "Command2");
    ASSERT_TRUE(app.form9.is_visible());
    walk.Press(app.form9, "Command2");
    EXPECT_FALSE(app.form9.is_loaded());
    walk.Press(app.form7, "Command8");
    walk.Press(app.form2, "Command3");
    walk.Press(app.form60, "Command4");
    ASSERT_TRUE(app.form10.is_visible());
    walk.Press(app.form10, "Command2");
    ASSERT_TRUE(app.form16.is_visible());
    walk.Press(app.form16, "Command2");
    ASSERT_TRUE(app.form31.is_visible());
    walk.Press(app.form31, "Command2");
    EXPECT_FALSE(app.form31.is_loaded());
    walk.Press(app.form16, "Command8");
    EXPECT_TRUE(app.form10.is_visible());
}

// The login's own surface keeps two picture buttons under the frame that
// fills it: Tab must pass them by, or Enter would press an unseen "退出".
TEST_F(DesktopTest, tab_on_the_login_skips_the_covered_surface_buttons)
{
    app.Start();
    app.runtime().Run([&] { app.form12.Show(); });
    QApplication::processEvents();
    desktop::WindowView* view = renderer.ViewOf(app.form12);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, 1000));

    QStringList reached;
    for (int tabs = 0; tabs < 8; ++tabs) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        QApplication::processEvents();
    }
    EXPECT_FALSE(reached.contains("Image2")) << reached.join(' ').toStdString();
    EXPECT_FALSE(reached.contains("Image3")) << reached.join(' ').toStdString();
    EXPECT_TRUE(reached.contains("Image5")) << reached.join(' ').toStdString();
    EXPECT_TRUE(reached.contains("Image4")) << reached.join(' ').toStdString();
    // Pictures have no tab index of their own: after the entry comes "下一步",
    // as the design lists it, not "退出".
    EXPECT_EQ(reached.indexOf("Image5"), reached.indexOf("Text1") + 1) << reached.join(' ').toStdString();
    EXPECT_TRUE(app.form12.is_visible());
}

// The warm-up waits for the portal's first paint, runs in the event loop's
// idle turns to its end, and stops with the renderer it belongs to: a
// program closed at once must not have its warm-up reach into it.
TEST(WarmUpTest, it_runs_to_its_end_after_the_first_paint_and_never_after_its_renderer)
{
    Application();
    auto pump = [](int ms, const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    bool warmed = false;
    {
        platform::FakePlatform fake;
        App app{fake};
        desktop::Renderer renderer{app.runtime()};
        app.Start();
        desktop::ScheduleWarmUp(app.runtime(), renderer, [&warmed] { warmed = true; });
        EXPECT_FALSE(warmed);
        pump(60000, [&warmed] { return warmed; });
        EXPECT_TRUE(warmed);
    }
    bool late = false;
    {
        platform::FakePlatform fake;
        App app{fake};
        desktop::Renderer renderer{app.runtime()};
        app.Start();
        desktop::ScheduleWarmUp(app.runtime(), renderer, [&late] { late = true; });
    }
    pump(500, [] { return false; });
    EXPECT_FALSE(late);
}

TEST(FilePagesTest, only_read_only_private_maps_of_font_files_are_let_go)
{
    struct Row {
        const char* line;
        bool font;
    } rows[] = {
        {"7f0000000000-7f0001400000 r--p 00000000 08:01 1234 /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", true},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", true},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /home/learner/My Fonts/SimSun.TTF", true},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /usr/share/fonts/x/Font.OTF", true},
        // Written to, shared, or not a font file: never touched.
        {"7f0000000000-7f0000100000 rw-p 00000000 08:01 1234 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false},
        {"7f0000000000-7f0000100000 r--s 00000000 08:01 1234 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /usr/lib/x86_64-linux-gnu/libQt6Gui.so.6.4.2", false},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /tmp/ttf", false},
        {"7f0000000000-7f0000100000 r--p 00000000 08:01 1234 /usr/share/fonts/a.ttf (deleted)", false},
        {"7f0000000000-7f0000100000 rw-p 00000000 00:00 0 [heap]", false},
        {"7f0000000000-7f0000100000 r--p 00000000 00:00 0 ", false},
        {"", false},
        {"garbage", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(desktop::IsFontFileMapping(row.line), row.font) << row.line;
}

constexpr std::array<unsigned char, 64 * 1024> Pattern()
{
    std::array<unsigned char, 64 * 1024> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    return bytes;
}
constexpr std::array<unsigned char, 64 * 1024> kStoredPattern = Pattern();
std::array<unsigned char, 64 * 1024> written_pattern = Pattern();
constexpr std::array<const unsigned char*, 16 * 1024> Pointers()
{
    std::array<const unsigned char*, 16 * 1024> pointers{};
    for (size_t i = 0; i < pointers.size(); ++i)
        pointers[i] = &kStoredPattern[i % kStoredPattern.size()];
    return pointers;
}
// Constant, but written by the loader when it relocates the program.
constexpr std::array<const unsigned char*, 16 * 1024> kRelocated = Pointers();

// Only constant data mapped from the program's file is let go, and whatever
// is let go reads back the same: pages of the heap or of written data would
// read back as zeros.
TEST(FilePagesTest, constant_data_is_let_go_and_reads_back_the_same_and_nothing_else_is_touched)
{
    auto heap = std::make_unique<std::array<unsigned char, 64 * 1024>>(Pattern());
    struct Row {
        const char* what;
        const unsigned char* data;
        bool let_go;
    } rows[] = {
        {"the program's constant data", kStoredPattern.data(), true},
        {"written data of the program", written_pattern.data(), false},
        {"the heap", heap->data(), false},
    };
    const auto expected = Pattern();
    for (const Row& row : rows) {
        volatile unsigned sum = 0;
        for (size_t i = 0; i < expected.size(); i += 512)
            sum = sum + row.data[i];
        const size_t released = desktop::ReleaseFilePages(row.data, expected.size());
        EXPECT_EQ(released > 0, row.let_go) << row.what;
        EXPECT_LE(released, expected.size()) << row.what;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), row.data)) << row.what;
    }
    EXPECT_EQ(desktop::ReleaseFilePages(kStoredPattern.data(), 100), 0u) << "less than a page";
    const volatile unsigned char* const* relocated = kRelocated.data();
    EXPECT_EQ(desktop::ReleaseFilePages(kRelocated.data(), sizeof(kRelocated)), 0u) << "relocated tables";
    const auto pointers = Pointers();
    EXPECT_TRUE(std::equal(pointers.begin(), pointers.end(), relocated)) << "relocated tables";
}

// Resident pages of font files, from /proc/self/smaps.
long FontFileKib()
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    long kib = 0;
    bool font = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.startsWith("Rss:")) {
            if (font)
                kib += line.mid(4).trimmed().split(' ').front().toLong();
        } else if (!line.isEmpty() && !std::isupper(static_cast<unsigned char>(line[0]))) {
            font = desktop::IsFontFileMapping(std::string_view(line.constData(), static_cast<size_t>(line.size())));
        }
    }
    return kib;
}

// Drawing maps pages of the CJK face; once the windows just shown are
// painted they go, and characters never drawn before still draw the same
// afterwards (their pages come back from the file).
TEST_F(DesktopTest, font_file_pages_go_after_a_window_is_shown_and_new_glyphs_still_draw)
{
    auto draw = [](const QString& text) {
        QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(desktop::ModelFont({.name = "宋体", .size = 12}));
        painter.drawText(QPointF(2, 28), text);
        return image;
    };
    draw(QString::fromUtf8("掌握电子表格的公式与函数"));
    ASSERT_GT(FontFileKib(), 64) << "no CJK font file mapped";

    OpenChapterStudy();
    QElapsedTimer waited;
    waited.start();
    while (FontFileKib() > 64 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_LE(FontFileKib(), 64);

    const QString fresh = QString::fromUtf8("鑫犇羴淼骉");
    const QImage first = draw(fresh);
    EXPECT_GT(desktop::ReleaseFontFilePages(), 0u);
    EXPECT_EQ(draw(fresh), first);
    EXPECT_NE(first, draw(QString()));
}

TEST(PlacementTest, a_pop_up_opens_beside_its_opener_and_over_it_only_where_it_must)
{
    struct Row {
        const char* what;
        QRect screen;
        QRect opener;
        QSize size;
        QRect expected;
    };
    const QRect wide(0, 0, 1920, 1040);
    const QRect small(0, 0, 1366, 728);
    const Row rows[] = {
        {"room on the right", wide, QRect(400, 245, 760, 556), QSize(680, 510), QRect(1168, 245, 680, 510)},
        {"room on the left only", wide, QRect(1100, 100, 760, 556), QSize(680, 510), QRect(412, 100, 680, 510)},
        {"room below only", QRect(0, 0, 900, 1200), QRect(70, 20, 760, 500), QSize(680, 400), QRect(70, 528, 680, 400)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(QRect(desktop::PlaceBeside(row.opener, row.size, row.screen), row.size), row.expected);
    }

    // No room anywhere (the case steps window beside the task window at
    // 1366x768): on screen, covering as little as any other place, and
    // clear of the task window's buttons along its bottom.
    const QRect task(303, 86, 760, 556);
    const QSize steps(680, 510);
    const QRect placed(desktop::PlaceBeside(task, steps, small), steps);
    EXPECT_TRUE(small.contains(placed));
    const QRect buttons(task.left(), task.bottom() - 70, task.width(), 70);
    EXPECT_FALSE(placed.intersects(buttons)) << placed.x() << "," << placed.y();
    auto covered = [&](const QRect& r) { return r.intersected(task).width() * r.intersected(task).height(); };
    for (int x = 0; x + steps.width() <= small.width(); x += 16) {
        for (int y = 0; y + steps.height() <= small.height(); y += 16)
            ASSERT_LE(covered(placed), covered(QRect(QPoint(x, y), steps))) << x << "," << y;
    }
}

}  // namespace
}  // namespace boxi::testing

namespace boxi::testing {
namespace {

TEST_F(DesktopTest, unit_test_answer_keeps_the_sheet_off_screen_and_its_cells_draw_a_flat_border)
{
    app.Start();
    app.runtime().Click(app.form8.Image1);
    auto* open = Widget<QPushButton>(app.form60, "Command10");
    ASSERT_NE(open, nullptr);
    QTest::mouseClick(open, Qt::LeftButton);
    ASSERT_TRUE(app.form4.is_visible());

    auto* option = Widget<QRadioButton>(app.form4, "Optbutton(0)");
    ASSERT_NE(option, nullptr);
    // On the indicator.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QApplication::processEvents();
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(app.m.Table.GivenAnswer(1), "A");
    ASSERT_TRUE(app.form3.is_loaded());
    desktop::WindowView* sheet = renderer.ViewOf(app.form3);
    EXPECT_TRUE(sheet == nullptr || !sheet->isVisible());

    QTest::mouseClick(Widget<QPushButton>(app.form4, "Command1"), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_NE(renderer.ViewOf(app.form3), nullptr);
    EXPECT_TRUE(renderer.ViewOf(app.form3)->isVisible());
    auto* bordered = Widget<QLabel>(app.form3, "Label4(1)");
    auto* plain = Widget<QLabel>(app.form3, "Label3(5)");
    ASSERT_NE(bordered, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(bordered->text(), QString("A"));
    QImage with = bordered->grab().toImage();
    QImage without = plain->grab().toImage();
    EXPECT_EQ(with.pixelColor(0, with.height() / 2), QColor(0, 0, 0));
    EXPECT_EQ(with.pixelColor(with.width() / 2, with.height() - 1), QColor(0, 0, 0));
    EXPECT_NE(without.pixelColor(0, without.height() / 2), QColor(0, 0, 0));
}

}  // namespace
}  // namespace boxi::testing

namespace boxi::testing {
namespace {

// The drill's headings and its stem display hold their longest texts whole:
// the Word chapter name, the longest section name, and a stem of 87 wide
// characters, the longest a drill stem may be.
TEST_F(DesktopTest, the_drill_shows_its_longest_headings_and_stem_whole)
{
    OpenChapterStudy();
    app.runtime().Click(app.form2.Command2);
    app.runtime().Select(app.drill_chooser.List1, 1);
    app.runtime().Select(app.drill_chooser.List2, 5);
    app.runtime().Click(app.drill_chooser.Command1);
    std::string stem = "87.";
    while (stem.size() < 3 + 84 * 3)
        stem += "测";
    app.runtime().Run([&] { app.form6.StemDisplay.set_caption(stem); });

    for (const char* name : {"Label3", "Label4", "StemDisplay"}) {
        SCOPED_TRACE(name);
        auto* label = Widget<QLabel>(app.form6, name);
        ASSERT_NE(label, nullptr);
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    }
}

// A real click on an option reaches the answer check, and the verdict shows
// in the feedback box at once.
TEST_F(DesktopTest, clicking_an_option_shows_the_verdict)
{
    OpenChapterStudy();
    app.runtime().Click(app.form2.Command2);
    app.runtime().Click(app.drill_chooser.Command1);
    app.runtime().Click(app.form6.cmd(1));
    app.runtime().Click(app.form6.cmd(1));
    ASSERT_EQ(app.m.CurrentQuestion, 3);

    auto* wrong = Widget<QRadioButton>(app.form6, "Optbutton(0)");
    auto* right = Widget<QRadioButton>(app.form6, "Optbutton(1)");
    auto* box = Widget<QPlainTextEdit>(app.form6, "Text1");
    ASSERT_TRUE(wrong && right && box);
    EXPECT_EQ(right->text(), QString::fromUtf8("(B)二进制"));
    // On its circle.
    QTest::mouseClick(wrong, Qt::LeftButton, {}, QPoint(8, wrong->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(box->toPlainText(), QString::fromUtf8("错误"));
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(8, right->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(box->toPlainText(), QString::fromUtf8("正确"));
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(wrong->isChecked());
}

TEST_F(TimedExamDesktopTest, the_password_entry_shows_one_star_per_character)
{
    app.Start();
    app.runtime().Run([&] { app.form46.Show(); });
    AdvanceTo(5000);
    auto* entry = Widget<QLineEdit>(app.form46, "Text1");
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isVisible());
    QTest::keyClicks(entry, "5814");
    QApplication::processEvents();
    EXPECT_EQ(app.form46.Text1.peek().text, "5814");
    EXPECT_EQ(entry->displayText(), QStringLiteral("****"));
}

// Ticks that fall due while a message box waits are held by the model; the
// renderer must not wake up for them again and again meanwhile.
TEST_F(TimedExamDesktopTest, a_waiting_message_box_with_ticks_due_does_not_spin)
{
    app.Start();
    app.runtime().Run([&] { app.form46.Show(); });
    AdvanceTo(5000);
    app.runtime().Type(app.form46.Text1, "1");
    fake.now_ms += 60000;  // several ticks of the lock's timer are due now
    std::clock_t cpu_in_box = 0;
    fake.box_answerer = [&](const platform::MessageBoxRequest&) {
        const std::clock_t before = std::clock();
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        cpu_in_box = std::clock() - before;
        return platform::MsgAnswer::Ok;
    };
    ASSERT_TRUE(app.runtime().Click(app.form46.Command1));
    EXPECT_LT(static_cast<double>(cpu_in_box) / CLOCKS_PER_SEC, 0.1) << "the event loop spun while the box waited";
}

TEST_F(TimedExamDesktopTest, a_window_manager_close_leaves_the_toolbar_and_the_lock_open)
{
    app.Start();
    app.runtime().Run([&] {
        app.form42.Show();
        app.form46.Show();
    });
    QApplication::processEvents();
    for (ui::Window* window : std::vector<ui::Window*>{&app.form42, &app.form46}) {
        desktop::WindowView* view = renderer.ViewOf(*window);
        ASSERT_NE(view, nullptr) << window->name();
        EXPECT_TRUE(view->windowFlags() & Qt::FramelessWindowHint) << window->name();
        view->close();
        QApplication::processEvents();
        EXPECT_TRUE(window->is_visible()) << window->name();
        EXPECT_TRUE(renderer.ViewOf(*window)->isVisible()) << window->name();
    }
}

}  // namespace
}  // namespace boxi::testing

namespace boxi::testing {
namespace {

// The review is loaded hidden while the exam runs: its platform window and
// a backing store of its size are made in idle time, so that its first
// showing only paints; a window that is shown at once is left to its show.
TEST_F(DesktopTest, a_window_loaded_hidden_gets_its_backing_store_before_it_is_shown)
{
    app.Start();
    app.runtime().Run([&] { app.form1.Text3(1).set_text("1"); });
    ASSERT_TRUE(app.form1.is_loaded());
    ASSERT_FALSE(app.form1.is_visible());
    QApplication::processEvents();
    desktop::WindowView* review = renderer.ViewOf(app.form1);
    ASSERT_NE(review, nullptr);
    EXPECT_FALSE(review->isVisible());
    ASSERT_NE(review->backingStore(), nullptr);
    EXPECT_EQ(review->backingStore()->size(), review->size());

    app.runtime().Run([&] { app.form1.Show(); });
    QApplication::processEvents();
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(review->backingStore()->size(), review->size());
}

}  // namespace
}  // namespace boxi::testing

namespace boxi::testing {
namespace {

// The whole-window pictures stored as runs are painted from them, a strip of
// rows at a time: whatever rows a paint covers come out as the picture's,
// and no others are touched.
TEST_F(DesktopTest, a_picture_stored_as_runs_paints_the_rows_it_is_asked_for_as_the_picture_has_them)
{
    int pictures = 0;
    ForEachPicture(app, [&](const ui::Window& window, const ui::Control& control) {
        const ui::Props& design = control.design();
        const QSize size(design.rect.width, design.rect.height);
        std::shared_ptr<const desktop::RunsPicture> runs = desktop::ArtworkRuns(design.picture, size, 1.0);
        if (!runs)
            return;
        ++pictures;
        SCOPED_TRACE(window.name() + "." + control.name());
        const QImage picture = desktop::PrerenderedArtwork(design.picture, size, 1.0).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull());
        const int h = size.height();
        // Rows 16 apart are one strip; these cross its edges, reach past the
        // picture at both ends, or cover nothing.
        const QRect exposures[] = {QRect(0, 0, size.width(), h), QRect(0, 0, 1, 1),     QRect(10, 15, 5, 2),
                                   QRect(0, 17, 40, 33),         QRect(0, h - 3, 9, 9), QRect(0, -5, 3, 12),
                                   QRect(0, h, 4, 4)};
        for (const QRect& exposed : exposures) {
            QImage canvas(size, QImage::Format_RGB32);
            canvas.fill(Qt::magenta);
            {
                QPainter painter(&canvas);
                runs->Paint(painter, exposed);
            }
            const QRect rows = QRect(0, exposed.top(), size.width(), exposed.height()) & canvas.rect();
            for (int y = 0; y < h; ++y) {
                const QImage row = canvas.copy(0, y, size.width(), 1);
                if (rows.contains(0, y))
                    ASSERT_TRUE(row == picture.copy(0, y, size.width(), 1)) << "row " << y << " of " << exposed.y();
                else
                    ASSERT_EQ(row.pixel(0, 0), QColor(Qt::magenta).rgb()) << "row " << y << " of " << exposed.y();
            }
        }
    });
    // The exam's whole-window pictures.
    EXPECT_GE(pictures, 5);
}

// Runs that do not fill the picture exactly are refused, and a refused
// picture paints nothing.
TEST(RunsPicture, runs_that_do_not_fill_the_picture_exactly_are_refused)
{
    auto runs = [](std::initializer_list<std::pair<quint32, quint32>> pairs) {
        std::string bytes;
        for (auto [count, pixel] : pairs) {
            bytes.append(reinterpret_cast<const char*>(&count), 4);
            bytes.append(reinterpret_cast<const char*>(&pixel), 4);
        }
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        int width, height;
        bool valid;
    };
    const Case cases[] = {
        {"exact, a run across rows", runs({{2, 0xff0000ff}, {4, 0xffff0000}}), 3, 2, true},
        {"a run of none among them", runs({{6, 0xff00ff00}, {0, 0xff000000}}), 3, 2, true},
        {"one pixel short", runs({{5, 0xff00ff00}}), 3, 2, false},
        {"one pixel over", runs({{2, 0xff00ff00}, {5, 0xff0000ff}}), 3, 2, false},
        {"a count near the largest", runs({{1, 0xff00ff00}, {0xffffffff, 0xff0000ff}}), 3, 2, false},
        {"a cut pair", runs({{6, 0xff00ff00}}) + "\x01\x00", 3, 2, false},
        {"no runs", "", 3, 2, false},
        {"no rows", runs({{0, 0xff00ff00}}), 3, 0, false},
    };
    for (const Case& c : cases) {
        desktop::RunsPicture picture(std::span<const char>(c.bytes.data(), c.bytes.size()), c.width, c.height, true, 1.0);
        EXPECT_EQ(picture.valid(), c.valid) << c.what;
        QImage canvas(4, 4, QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        {
            QPainter painter(&canvas);
            picture.Paint(painter, QRect(0, 0, 4, 4));
        }
        if (c.valid) {
            EXPECT_NE(canvas.pixel(0, 1), QColor(Qt::magenta).rgb()) << c.what;
        } else {
            EXPECT_EQ(canvas.pixel(0, 0), QColor(Qt::magenta).rgb()) << c.what;
        }
    }
    // The exact case row by row: the run across rows continues on the second.
    const std::string bytes = runs({{2, 0xff0000ff}, {4, 0xffff0000}});
    desktop::RunsPicture picture(std::span<const char>(bytes.data(), bytes.size()), 3, 2, true, 1.0);
    QImage canvas(3, 2, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        picture.Paint(painter, QRect(0, 1, 3, 1));
    }
    EXPECT_EQ(canvas.pixel(0, 1), 0xffff0000);
    EXPECT_EQ(canvas.pixel(2, 1), 0xffff0000);
}

// A window the program hides gives its backing store back; shown again it
// is painted whole, the same as before.
TEST_F(DesktopTest, a_hidden_window_gives_its_backing_store_back_and_is_painted_whole_when_shown_again)
{
    app.Start();
    app.runtime().Run([&] { app.form12.Show(); });
    desktop::WindowView* login = renderer.ViewOf(app.form12);
    ASSERT_NE(login, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    QApplication::processEvents();
    auto grab = [&] { return login->screen()->grabWindow(login->winId()).toImage(); };
    const QImage shown = grab();
    ASSERT_EQ(shown.size(), login->size());

    app.runtime().Run([&] { app.form12.Hide(); });
    QApplication::processEvents();
    ASSERT_TRUE(app.form12.is_loaded());
    EXPECT_LE(login->backingStore()->size().width() * login->backingStore()->size().height(), 1);

    app.runtime().Run([&] { app.form12.Show(); });
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    QApplication::processEvents();
    EXPECT_EQ(login->backingStore()->size(), login->size());
    EXPECT_TRUE(grab() == shown);
}

}  // namespace
}  // namespace boxi::testing
