#pragma once

#include "ui/Window.h"

namespace boxi {

class App;

// The written exam's window after the draw: empty, for the written exam
// has no questions in this program. Its title-bar close is the way out,
// back to the draw window that stays open beneath it.
class Form45 : public ui::Window {
public:
    explicit Form45(App& app);
};

}  // namespace boxi
