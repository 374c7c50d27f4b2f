#include "desktop/DesktopProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "banks/CaseBank.h"
#include "banks/ExamChoiceBank.h"
#include "banks/KnowledgeOutlines.h"
#include "banks/OperationExercises.h"
#include "banks/Syllabus.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/Fonts.h"
#include "ui/Control.h"
#include "ui/Window.h"

namespace boxi::desktop {
namespace {

// Draws `text` in `font` into a small image: opens the face and puts the
// glyphs of those characters into the font's cache.
void WarmFont(const QFont& font, const QString& text)
{
    QImage image(64, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPointF(0, 20), text);
}

void AddCharacters(std::set<char32_t>& characters, std::string_view utf8)
{
    for (char32_t c : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4())
        characters.insert(c);
}

// Every text the banks can put into a text box, as the box shows it.
std::vector<QString> BankTexts()
{
    std::vector<QString> texts;
    auto add = [&texts](banks::Lines lines) {
        QString text = QString::fromStdString(banks::JoinCrLf(lines));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texts.push_back(text);
    };
    for (int chapter = 0; chapter < banks::kChapterCount; ++chapter)
        add(banks::KnowledgeOutlineLines(chapter));
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        add(exercise->task_lines);
        add(exercise->steps_lines);
    }
    for (const banks::PracticalCase& practical_case : banks::PresentCases()) {
        add(practical_case.texts.task);
        for (banks::Lines block : practical_case.texts.step_blocks)
            add(block);
        add(practical_case.texts.step_lines);
    }
    add(banks::SyllabusLines());
    return texts;
}

// Every character the bank texts can put into a text box.
QString BankCharacters()
{
    std::set<char32_t> characters;
    for (int chapter = 0; chapter < banks::kChapterCount; ++chapter) {
        for (std::string_view line : banks::KnowledgeOutlineLines(chapter))
            AddCharacters(characters, line);
    }
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        for (std::string_view line : exercise->task_lines)
            AddCharacters(characters, line);
        for (std::string_view line : exercise->steps_lines)
            AddCharacters(characters, line);
    }
    for (const banks::PracticalCase& practical_case : banks::PresentCases()) {
        for (std::string_view line : practical_case.texts.task)
            AddCharacters(characters, line);
        for (std::string_view line : practical_case.texts.step_lines)
            AddCharacters(characters, line);
        for (banks::Lines block : practical_case.texts.step_blocks) {
            for (std::string_view line : block)
                AddCharacters(characters, line);
        }
    }
    for (std::string_view line : banks::SyllabusLines())
        AddCharacters(characters, line);
    for (const banks::ExamChoiceSet* set : banks::WrittenExamChoiceSets()) {
        for (const banks::ExamChoiceRow& row : set->rows) {
            for (std::string_view text : {row.QuestionText, row.ChoiceA, row.ChoiceB, row.ChoiceC, row.ChoiceD,
                                          row.AnswerKey, row.AnswerAnalysis})
                AddCharacters(characters, text);
        }
    }
    std::u32string all(characters.begin(), characters.end());
    return QString::fromUcs4(all.data(), static_cast<qsizetype>(all.size()));
}


// Runs one step per turn of the event loop, so a click waits for one step
// at most.
void RunInSteps(std::shared_ptr<std::vector<std::function<void()>>> steps, size_t next)
{
    if (next >= steps->size())
        return;
    (*steps)[next]();
    QTimer::singleShot(0, [steps, next] { RunInSteps(steps, next + 1); });
}

}  // namespace

void ScheduleWarmUp(ui::Runtime& runtime, std::function<void()> warmed)
{
    auto steps = std::make_shared<std::vector<std::function<void()>>>();
    // Every font the windows are designed with, with the characters of their
    // own captions; the fonts of text and list boxes also with every
    // character of the banks, in slices.
    std::set<std::tuple<std::string, double, bool>> seen;
    std::set<std::tuple<std::string, double, bool>> boxes;
    std::set<char32_t> captions;
    for (const ui::Window* window : runtime.windows()) {
        AddCharacters(captions, window->peek().caption);
        for (const ui::Control* control : window->controls()) {
            const ui::Props& design = control->design();
            AddCharacters(captions, design.caption);
            AddCharacters(captions, design.text);
            seen.emplace(design.font.name, design.font.size, design.font.bold);
            if (control->kind() == ui::ControlKind::TextBox || control->kind() == ui::ControlKind::ListBox)
                boxes.emplace(design.font.name, design.font.size, design.font.bold);
        }
    }
    std::u32string caption_list(captions.begin(), captions.end());
    const QString caption_text = QString::fromUcs4(caption_list.data(), static_cast<qsizetype>(caption_list.size()));
    for (const auto& [name, size, bold] : seen) {
        ui::Font font{.name = name, .size = size, .bold = bold};
        steps->push_back([font, caption_text] { WarmFont(ModelFont(font), caption_text); });
    }
    const QString bank_text = BankCharacters();
    constexpr qsizetype kSlice = 160;
    for (const auto& [name, size, bold] : boxes) {
        ui::Font font{.name = name, .size = size, .bold = bold};
        for (qsizetype at = 0; at < bank_text.size(); at += kSlice)
            steps->push_back([font, slice = bank_text.mid(at, kSlice)] { WarmFont(ModelFont(font), slice); });
    }
    // Laying a text out in a text box the first time costs more than the
    // glyphs: lay every bank text out once, off screen, in the box font of
    // the exercise and case windows.
    auto box = std::make_shared<std::unique_ptr<QPlainTextEdit>>();
    for (const QString& text : BankTexts()) {
        steps->push_back([box, text] {
            if (!*box) {
                *box = std::make_unique<QPlainTextEdit>();
                (*box)->setAttribute(Qt::WA_DontShowOnScreen);
                (*box)->setFont(ModelFont({.name = "宋体", .size = 10.5}));
                (*box)->resize(720, 364);
                (*box)->show();
            }
            (*box)->setPlainText(text);
            QImage image((*box)->size(), QImage::Format_ARGB32_Premultiplied);
            (*box)->render(&image);
        });
    }
    steps->push_back([box] { box->reset(); });
    // One of each widget kind, as the windows use them, in a window that is
    // never put on screen: their styles and first paints are done here.
    steps->push_back([] {
        QWidget window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.resize(480, 240);
        const QFont font = ModelFont({.size = 10.5});
        auto* group = new QGroupBox(QString::fromUtf8("选择学习章节"), &window);
        group->setFont(font);
        group->setGeometry(0, 0, 160, 120);
        auto* list = new QListWidget(group);
        list->setFont(font);
        list->addItem(QString::fromUtf8("Excel制表基础"));
        list->setGeometry(8, 24, 140, 80);
        auto* text = new QPlainTextEdit(&window);
        text->setFont(font);
        text->setPlainText(QString::fromUtf8("  一:在表格中输入编辑数据"));
        text->setGeometry(170, 0, 160, 120);
        auto* button = new QPushButton(QString::fromUtf8("返回"), &window);
        button->setFont(font);
        button->setGeometry(0, 130, 100, 32);
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItem(QString::fromUtf8("实例1"));
        combo->setGeometry(110, 130, 120, 28);
        auto* radio = new QRadioButton(QString::fromUtf8("训练模式"), &window);
        radio->setGeometry(240, 130, 100, 24);
        auto* check = new QCheckBox(QString::fromUtf8("已阅读"), &window);
        check->setGeometry(340, 130, 100, 24);
        window.show();
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
    });
    if (warmed)
        steps->push_back(std::move(warmed));
    // After the portal's first paint, which is what a learner waits for.
    QTimer::singleShot(150, [steps] { RunInSteps(steps, 0); });
}

DesktopProgram::DesktopProgram() { ConnectDesktop(platform_, renderer_); }

void DesktopProgram::Start(std::function<void()> warmed)
{
    app_.Start();
    if (!app_.runtime().ended())
        ScheduleWarmUp(app_.runtime(), std::move(warmed));
}

}  // namespace boxi::desktop
