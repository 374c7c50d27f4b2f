#include "exam/Form26.h"

#include "app/App.h"
#include "banks/Syllabus.h"

namespace boxi {

Form26::Form26(App& app)
    : ui::Window(app.runtime(), "Form26",
                 {.caption = "二级MS Office高级应用考试大纲（2013年版）", .client_width = 716, .client_height = 564,
                  .border_style = ui::BorderStyle::Sizable, .max_button = true, .escape_closes = true})
{
}

void Form26::Form_Load() { Text1.set_text(banks::SyllabusText()); }

}  // namespace boxi
