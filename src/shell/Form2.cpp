#include "shell/Form2.h"

#include "app/App.h"
#include "banks/KnowledgeOutlines.h"
#include "common/Conventions.h"

namespace boxi {

Form2::Form2(App& app)
    : ui::Window(app.runtime(), "Form2", {.caption = "学习科目", .client_width = 760, .client_height = 472}),
      app_(app)
{
    List1.on_click = [this] { List1_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
}

void Form2::Form_Load()
{
    List1.Clear();
    Text1.set_text("");
    for (int chapter = 0; chapter < banks::kChapterCount; ++chapter)
        List1.AddItem(std::string(banks::ChapterTitle(chapter)));
    List1.set_list_index(0);
}

void Form2::List1_Click()
{
    int chapter = List1.list_index();
    if (chapter >= 0 && chapter < banks::kChapterCount)
        Text1.set_text(banks::JoinCrLf(banks::KnowledgeOutlineLines(chapter)));
    Command1.set_enabled(true);
}

void Form2::Command1_Click()
{
    // With no chapter chosen there is nothing to practise, as with an empty
    // outline.
    if (Text1.text().empty() || List1.list_index() < 0) {
        MsgBox(runtime(), "请先选择学习章节");
        return;
    }
    // An exercise window left loaded from an earlier chapter would keep that
    // chapter's exercises: load it afresh for the chapter chosen now.
    app_.form7.Unload();
    app_.form7.Show();
    app_.form7.Label4.set_caption(List1.text());
    Hide();
    app_.m.CurrentQuestion = 1;
}

void Form2::Command3_Click() { SwapHandoverNextLast(*this, app_.form60); }

// Closed with its title bar: back to the course menu, as "返回" does.
void Form2::Form_QueryUnload() { Command3_Click(); }

// Chapter study stays loaded beneath the chooser and the drill, whose
// "返回" shows it again with its chapter.
void Form2::Command2_Click() { StackHandover(*this, app_.drill_chooser); }

}  // namespace boxi
