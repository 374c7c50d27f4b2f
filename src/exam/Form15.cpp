#include "exam/Form15.h"

#include <cstdint>

#include "app/App.h"
#include "exam/ExamCleanup.h"

namespace boxi {
namespace {

// A count as the page writes it: a blank where a minus sign would stand.
std::string CounterText(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

}  // namespace

Form15::Form15(App& app)
    : ui::Window(app.runtime(), "Form15", {.caption = "作答进度", .client_width = 800, .client_height = 586}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
}

void Form15::MarkProgressCell(int k)
{
    if (k < 1 || k > kCellCount)
        return;
    Label3(k).set_fore_color(ui::colors::kRed);
    Label3(k).set_back_color(ui::colors::kGreen);
    Shape2(k).set_fill_style(ui::FillStyle::Solid);
    Shape2(k).set_fill_color(ui::colors::kGreen);
}

bool Form15::IsAnswered(int k) { return Label3(k).back_color() == ui::colors::kGreen; }

void Form15::CountProgress()
{
    app_.m.AnsweredCount = 0;
    for (int k = 1; k <= kCellCount; ++k) {
        if (IsAnswered(k))
            app_.m.AnsweredCount = app_.m.AnsweredCount + 1;
    }
    app_.m.UnansweredCount = static_cast<std::int16_t>(kCellCount - app_.m.AnsweredCount);
    Label21.set_caption(CounterText(app_.m.AnsweredCount));
    Label24.set_caption(CounterText(app_.m.UnansweredCount));
    Label5.set_caption(CounterText(app_.m.UnansweredCount));
}

void Form15::Form_Activate() { SetFocus(Command2); }

void Form15::Command1_Click() { SubmitExam(app_); }

void Form15::Command2_Click() { Hide(); }

// The page stays loaded under the lock, so its marks survive a wrong
// password; the right one submits as "确定" does.
void Form15::Command3_Click()
{
    Hide();
    app_.form46.Show();
}

}  // namespace boxi
