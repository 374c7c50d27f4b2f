// The desktop front end on the offscreen platform: the model drives the
// widgets and the learner's input reaches the model.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/App.h"
#include "desktop/ArtworkData.h"
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
    // On the indicator: the button reacts only over its indicator and caption.
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
