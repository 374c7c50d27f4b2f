#include "exam/Form45.h"

#include "app/App.h"

namespace boxi {

Form45::Form45(App& app)
    : ui::Window(app.runtime(), "Form45", {.caption = "笔试模拟考试", .client_width = 640, .client_height = 420})
{
}

}  // namespace boxi
