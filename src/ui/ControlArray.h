#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Control.h"

namespace boxi::ui {

class ControlArrayBase {
protected:
    static void SetIndex(Control& control, int index) { control.index_ = index; }
    // Tells a clickable member where the array's click handler lives.
    template <typename C>
    static void LinkClick(C& member, const std::function<void(int)>* handler)
    {
        member.array_click_ = handler;
    }
};

// A control array such as cmd(0) and cmd(1): members share one name and one
// event handler, which receives the member's index. Indexes may have gaps.
template <typename T>
class ControlArray : private ControlArrayBase {
public:
    using Member = std::pair<int, Props>;

    ControlArray(Window* owner, std::string name, std::initializer_list<Member> members,
                 Control* container = nullptr)
        : ControlArray(owner, std::move(name), std::vector<Member>(members), container)
    {
    }

    // Long arrays, such as a row of forty cells, are built by a function.
    ControlArray(Window* owner, std::string name, const std::vector<Member>& members, Control* container = nullptr)
    {
        for (const auto& [index, design] : members) {
            auto control = std::make_unique<T>(owner, name, design, container);
            SetIndex(*control, index);
            T* raw = control.get();
            if constexpr (requires { raw->on_click; }) {
                raw->on_click = [this, index] {
                    if (on_click)
                        on_click(index);
                };
                if constexpr (requires { raw->has_click_handler(); })
                    LinkClick(*raw, &on_click);
            }
            if constexpr (requires { raw->on_mouse_down; }) {
                raw->on_mouse_down = [this, index](int button, int shift, int x, int y) {
                    if (on_mouse_down)
                        on_mouse_down(index, button, shift, x, y);
                };
            }
            members_.emplace(index, std::move(control));
        }
    }

    std::function<void(int index)> on_click;
    std::function<void(int index, int button, int shift, int x, int y)> on_mouse_down;

    bool contains(int index) const { return members_.count(index) != 0; }

    // The member with `index`. An index the array does not have reaches a
    // detached stand-in, so a stray index can never corrupt another control.
    T& operator()(int index)
    {
        auto it = members_.find(index);
        if (it != members_.end())
            return *it->second;
        if (!stray_)
            stray_ = std::make_unique<T>(nullptr, "", Props{}, nullptr);
        return *stray_;
    }

private:
    std::map<int, std::unique_ptr<T>> members_;
    std::unique_ptr<T> stray_;
};

}  // namespace boxi::ui
