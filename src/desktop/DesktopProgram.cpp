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

#include <algorithm>
#include <functional>
#include <map>
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
#include "desktop/FilePages.h"
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

// Characters gathered from many texts; each appears once in Text().
class CharacterSet {
public:
    void Add(std::string_view utf8)
    {
        const QList<uint> decoded = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4();
        characters_.insert(characters_.end(), decoded.begin(), decoded.end());
    }
    void Add(const CharacterSet& other) { characters_.insert(characters_.end(), other.characters_.begin(), other.characters_.end()); }
    void Add(char32_t c) { characters_.push_back(c); }
    // Sorts and drops the repeats.
    void Compact()
    {
        std::sort(characters_.begin(), characters_.end());
        characters_.erase(std::unique(characters_.begin(), characters_.end()), characters_.end());
    }
    QString Text()
    {
        Compact();
        return QString::fromUcs4(characters_.data(), static_cast<qsizetype>(characters_.size()));
    }

private:
    std::vector<char32_t> characters_;
};

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

// Every character the texts of the course, the cases and the syllabus can
// put into a text box.
void AddCourseCharacters(CharacterSet& characters)
{
    for (int chapter = 0; chapter < banks::kChapterCount; ++chapter) {
        for (std::string_view line : banks::KnowledgeOutlineLines(chapter))
            characters.Add(line);
    }
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        for (std::string_view line : exercise->task_lines)
            characters.Add(line);
        for (std::string_view line : exercise->steps_lines)
            characters.Add(line);
    }
    for (const banks::PracticalCase& practical_case : banks::PresentCases()) {
        for (std::string_view line : practical_case.texts.task)
            characters.Add(line);
        for (std::string_view line : practical_case.texts.step_lines)
            characters.Add(line);
        for (banks::Lines block : practical_case.texts.step_blocks) {
            for (std::string_view line : block)
                characters.Add(line);
        }
    }
    for (std::string_view line : banks::SyllabusLines())
        characters.Add(line);
}

// Every character of the exam's choice questions.
void AddExamChoiceCharacters(CharacterSet& characters)
{
    for (const banks::ExamChoiceSet* set : banks::WrittenExamChoiceSets()) {
        for (const banks::ExamChoiceRow& row : set->rows) {
            for (std::string_view text : {row.QuestionText, row.ChoiceA, row.ChoiceB, row.ChoiceC, row.ChoiceD,
                                          row.AnswerKey, row.AnswerAnalysis})
                characters.Add(text);
        }
    }
}

// Runs one step per turn of the event loop, so a click waits for one step
// at most.
void RunInSteps(std::shared_ptr<std::vector<std::function<void()>>> steps, size_t next, QObject* context)
{
    if (next >= steps->size())
        return;
    (*steps)[next]();
    QTimer::singleShot(0, context, [steps, next, context] { RunInSteps(steps, next + 1, context); });
}

// The warm-up's steps, planned after the portal's first paint: reading
// every bank text takes a few milliseconds.
std::shared_ptr<std::vector<std::function<void()>>> WarmUpSteps(const ui::Runtime& runtime, std::function<void()> warmed)
{
    auto steps = std::make_shared<std::vector<std::function<void()>>>();
    // Every font the windows are designed with, each with the characters of
    // the captions and texts it is designed to show; the fonts of regular
    // text and list boxes also with every character of the course, case,
    // syllabus and choice texts. Each glyph drawn maps pages of the font
    // file (and the kernel maps their neighbours too), so a font is warmed
    // with its own characters, not with every character of the program.
    using FontKey = std::tuple<std::string, double, bool>;
    std::map<FontKey, CharacterSet> characters;
    std::set<FontKey> shows_banks;
    for (const ui::Window* window : runtime.windows()) {
        for (const ui::Control* control : window->controls()) {
            const ui::Props& design = control->design();
            const FontKey key{design.font.name, design.font.size, design.font.bold};
            characters[key].Add(design.caption);
            characters[key].Add(design.text);
            // The bank texts are shown in regular boxes; the bold boxes show
            // texts of their own, which are left to their first showing.
            const bool box = control->kind() == ui::ControlKind::TextBox || control->kind() == ui::ControlKind::ListBox;
            if (box && !design.font.bold)
                shows_banks.insert(key);
        }
    }
    CharacterSet bank;
    AddCourseCharacters(bank);
    AddExamChoiceCharacters(bank);
    bank.Compact();
    constexpr qsizetype kSlice = 160;
    for (auto& [key, own] : characters) {
        // Digits, letters and signs are drawn everywhere: counts, keys, set
        // numbers.
        for (char32_t c = 0x20; c < 0x7f; ++c)
            own.Add(c);
        if (shows_banks.count(key))
            own.Add(bank);
        const auto& [name, size, bold] = key;
        const QFont font = ModelFont({.name = name, .size = size, .bold = bold});
        const QString text = own.Text();
        for (qsizetype at = 0; at < text.size(); at += kSlice)
            steps->push_back([font, slice = text.mid(at, kSlice)] { WarmFont(font, slice); });
        // Its glyphs are cached now: the file pages read for them need not
        // add up with the next font's.
        steps->push_back([] { ReleaseFontFilePages(); });
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
    steps->push_back([box] {
        box->reset();
        ReleaseFontFilePages();
    });
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
    // The glyphs are in Qt's caches now; the font file pages read for them
    // are not needed until a new character is drawn.
    steps->push_back([] { ReleaseFontFilePages(); });
    if (warmed)
        steps->push_back(std::move(warmed));
    return steps;
}

}  // namespace

void ScheduleWarmUp(ui::Runtime& runtime, Renderer& renderer, std::function<void()> warmed)
{
    // After the portal's first paint, which is what a learner waits for.
    QTimer::singleShot(150, &renderer, [&runtime, &renderer, warmed = std::move(warmed)] {
        RunInSteps(WarmUpSteps(runtime, std::move(warmed)), 0, &renderer);
    });
}

DesktopProgram::DesktopProgram() { ConnectDesktop(platform_, renderer_); }

void DesktopProgram::Start(std::function<void()> warmed)
{
    app_.Start();
    if (!app_.runtime().ended())
        ScheduleWarmUp(app_.runtime(), renderer_, std::move(warmed));
}

}  // namespace boxi::desktop
