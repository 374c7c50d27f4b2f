#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The syllabus window: the exam outline as one read-only, scrollable text,
// written once per load. A reference beside the exam flow: it reads and
// writes no program-wide data, and only its close box or the end of the
// program closes it.
class Form26 : public ui::Window {
public:
    explicit Form26(App& app);

    // Selectable and copyable; the text box keeps its own edit menu.
    ui::TextBox Text1{this, "Text1", {.text = "Text1", .rect = {8, 8, 697, 545}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}};

protected:
    void Form_Load() override;
};

}  // namespace boxi
