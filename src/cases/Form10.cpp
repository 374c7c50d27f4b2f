#include "cases/Form10.h"

#include <array>
#include <string_view>

#include "app/App.h"
#include "banks/CaseBank.h"
#include "banks/Lines.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

constexpr std::array<std::string_view, 6> kIntroduction = {
    "    实战模拟为您精心挑选了Office在办公管理、财务会计、商务应用、政务办公、文教事业等领域的实际案例。",
    "    Office在办公管理中的应用主要表现在日常办公事务、人事管理等方面，企事业单位的办公人员、管理人员、文秘都必须掌握这方面的操作技能。",
    "    Office在财务中的应用是非常广泛的，主要表现在销售报表处理、工资报表处理、费用报表处理、财务数据分析等方面，企事业单位的财务人员、会计、出纳人员都必须掌握这方面的操作技能。",
    "    Office在商务中的应用主要表现在合同、协议、商务手册、商务文件等制作，销售数据统计及分析等方面，企事业单位的商务代表、销售及售后人员都必须掌握这方面的操作技能。",
    "    Office在政务中的应用主要表现在行政公文制作、经济数据统计、机关日常管理等方面，机关公务员都必须掌握这方面的操作技能。",
    "    Office在文教中的应用主要表现在老师教案试卷的制作、课件制作、学生成绩统计、学生管理、考务教务管理等方面，大中小学校的教师都必须掌握这方面的操作技能。",
};

constexpr int kListedCases = 40;

}  // namespace

Form10::Form10(App& app)
    : ui::Window(app.runtime(), "Form10", {.caption = "实战模拟", .client_width = 680, .client_height = 404}),
      app_(app)
{
    Command2.on_click = [this] { Command2_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
}

void Form10::Form_Load()
{
    Text1.set_text(banks::JoinCrLf(kIntroduction));
    for (int n = 1; n <= kListedCases; ++n)
        Combo1.AddItem("实例" + std::to_string(n));
    Combo1.set_text("实例1");
}

void Form10::Command2_Click()
{
    // An exam left with its task window hidden still holds the case bank;
    // the case chosen here must load all the same.
    app_.set_loader.ReleaseCaseBank();
    app_.LoadCurrentSet(SetLoadUse::CaseOpening);
    // A task window still loaded (the exam left it, or its text was read
    // while hidden) would keep the previous task: give it the loaded one.
    bool task_window_was_loaded = app_.form16.is_loaded();
    app_.form16.Show();
    if (task_window_was_loaded)
        app_.form16.Text1.set_text(app_.m.Table.QuestionText(banks::kCaseSlot));
    app_.form16.Label4.set_caption(Combo1.text());
    Hide();
}

void Form10::Command1_Click() { SwapHandoverNextLast(*this, app_.form60); }

// Closed with its title bar: back to the course menu, as "返回" does, in
// the course as in training, where the mode choice waits hidden.
void Form10::Form_QueryUnload() { Command1_Click(); }

// The Access practice reads the name this chooser holds, so the chooser is
// only hidden under the set chooser, never unloaded.
void Form10::Command3_Click() { StackHandover(*this, app_.access_set_chooser); }

}  // namespace boxi
