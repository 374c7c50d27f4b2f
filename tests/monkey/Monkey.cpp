#include "monkey/Monkey.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include "app/App.h"
#include "platform/FakePlatform.h"
#include "support/Journal.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::monkey {
namespace {

using ui::ControlKind;

// Records message boxes and window steps, the parts of the journal that must
// not depend on whether platform calls succeed.
class Recorder : public ui::RuntimeObserver {
public:
    std::vector<std::string>* journal = nullptr;
    void OnLifecycle(ui::Lifecycle step, ui::Window* window) override
    {
        journal->push_back(testing::DescribeLifecycle(step, window));
    }
};

class Session {
public:
    explicit Session(bool fail_platform_calls)
    {
        fake_.fail_launches = fail_platform_calls;
        fake_.fail_folders = fail_platform_calls;
        fake_.box_answerer = [this](const platform::MessageBoxRequest& request) {
            int buttons = request.buttons == platform::MsgButtons::Ok ? 1 : 2;
            int answer = NextAnswer(buttons);
            outcome.journal.push_back("box " + request.text + " -> " + std::to_string(answer));
            switch (request.buttons) {
            case platform::MsgButtons::Ok: return platform::MsgAnswer::Ok;
            case platform::MsgButtons::OkCancel: return answer == 0 ? platform::MsgAnswer::Ok : platform::MsgAnswer::Cancel;
            case platform::MsgButtons::YesNo: return answer == 0 ? platform::MsgAnswer::Yes : platform::MsgAnswer::No;
            }
            return platform::MsgAnswer::Ok;
        };
        recorder_.journal = &outcome.journal;
        app_.runtime().AddObserver(&recorder_);
        app_.Start();
    }
    ~Session() { app_.runtime().RemoveObserver(&recorder_); }

    // Answers come from the event being performed: scripted on replay,
    // drawn at random (and recorded) on a walk.
    int NextAnswer(int choices)
    {
        if (current_ && answer_cursor_ < current_->answers.size())
            return std::clamp(current_->answers[answer_cursor_++], 0, choices - 1);
        int answer = random_ ? static_cast<int>((*random_)() % static_cast<unsigned>(choices)) : 0;
        if (current_ && random_) {
            current_->answers.push_back(answer);
            ++answer_cursor_;
        }
        return answer;
    }

    ui::Runtime& rt() { return app_.runtime(); }

    ui::Window* FindWindow(const std::string& name)
    {
        for (ui::Window* window : rt().windows()) {
            if (window->name() == name)
                return window;
        }
        return nullptr;
    }

    // Performs the event; false when it could not be done (nothing happened).
    bool Perform(Event& event, std::mt19937_64* random)
    {
        random_ = random;
        current_ = &event;
        answer_cursor_ = 0;
        bool done = PerformInner(event);
        current_ = nullptr;
        random_ = nullptr;
        return done;
    }

    std::optional<std::string> Check(const Event& event)
    {
        ui::Runtime& runtime = rt();
        if (runtime.caught_exceptions() != 0)
            return "an exception left an event operation";
        if (runtime.in_operation())
            return "an event operation did not finish";
        bool any_loaded = false, any_visible = false;
        for (ui::Window* window : runtime.windows()) {
            if (window->is_visible() && !window->is_loaded())
                return window->name() + " is visible but not loaded";
            any_loaded |= window->is_loaded();
            any_visible |= window->is_visible();
        }
        if (!runtime.ended() && !any_visible)
            return "the program runs with no window on screen";
        if (runtime.ended() != fake_.ended())
            return "the program ended without telling the platform";
        (void)any_loaded;
        if (event.kind == Event::Kind::Type && !runtime.ended()) {
            ui::Window* window = FindWindow(event.window);
            if (window && window->is_loaded()) {
                ui::Control* control = window->controls()[static_cast<size_t>(event.control)];
                if (control->peek().text != event.text && control->kind() == ControlKind::TextBox)
                    return "typed text was not kept in " + window->name() + "." + control->name();
            }
        }
        return std::nullopt;
    }

    Outcome outcome;

private:
    bool PerformInner(Event& event)
    {
        ui::Runtime& runtime = rt();
        if (event.kind == Event::Kind::Advance) {
            testing::AdvanceClock(runtime, fake_, event.number);
            return true;
        }
        ui::Window* window = FindWindow(event.window);
        if (!window)
            return false;
        if (event.kind == Event::Kind::Close)
            return runtime.CloseByTitleBar(*window);
        if (event.control < 0 || event.control >= static_cast<int>(window->controls().size()))
            return false;
        ui::Control* control = window->controls()[static_cast<size_t>(event.control)];
        switch (event.kind) {
        case Event::Kind::Click:
            return IsClickable(*control) && runtime.Click(static_cast<ui::Clickable&>(*control));
        case Event::Kind::RightPress: {
            if (!IsClickable(*control))
                return false;
            // A pop-up menu may follow; its choice is an answer of this event.
            fake_.ChooseNextPopupItem(NextAnswer(2) == 0 ? -1 : 0);
            return runtime.MouseDown(static_cast<ui::Clickable&>(*control), ui::kRightButton, 0, 5, 5);
        }
        case Event::Kind::Type:
            if (control->kind() == ControlKind::TextBox)
                return runtime.Type(static_cast<ui::TextBox&>(*control), event.text);
            if (control->kind() == ControlKind::ComboBox)
                return runtime.Type(static_cast<ui::ComboBox&>(*control), event.text);
            return false;
        case Event::Kind::Select:
            if (control->kind() == ControlKind::ListBox)
                return runtime.Select(static_cast<ui::ListBox&>(*control), event.number);
            if (control->kind() == ControlKind::ComboBox)
                return runtime.Select(static_cast<ui::ComboBox&>(*control), event.number);
            return false;
        case Event::Kind::Choose:
            return control->kind() == ControlKind::Menu && runtime.Choose(static_cast<ui::Menu&>(*control));
        default:
            return false;
        }
    }

    static bool IsClickable(const ui::Control& control)
    {
        switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::TextBox:
        case ControlKind::CommandButton:
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::Image:
            return true;
        default:
            return false;
        }
    }

    platform::FakePlatform fake_;
    App app_{fake_};
    Recorder recorder_;
    Event* current_ = nullptr;
    size_t answer_cursor_ = 0;
    std::mt19937_64* random_ = nullptr;
};

// Menus a learner can reach: items of the window's menu bar.
bool InMenuBar(ui::Control& control)
{
    if (control.kind() != ControlKind::Menu)
        return false;
    auto& menu = static_cast<ui::Menu&>(control);
    return menu.parent() && !menu.parent()->parent() && menu.parent()->peek().visible && menu.peek().visible;
}

std::optional<Event> DrawEvent(Session& session, std::mt19937_64& random)
{
    auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    ui::Runtime& runtime = session.rt();
    // Now and then a long wait: a whole exam time, alarm and time-up included.
    if (pick(50) == 0) {
        const int ms = pick(16) == 0 ? 7600000 : pick(4) == 0 ? 70000 : static_cast<int>(pick(3000) + 1);
        return Event{.kind = Event::Kind::Advance, .number = ms};
    }

    std::vector<ui::Window*> visible;
    for (ui::Window* window : runtime.windows()) {
        if (window->is_visible())
            visible.push_back(window);
    }
    if (visible.empty())
        return std::nullopt;
    // A learner mostly works in the window in front, and now and then
    // turns to any other window on screen.
    ui::Window* window = visible[pick(visible.size())];
    if (pick(2) == 0)
        window = *std::max_element(visible.begin(), visible.end(),
                                   [](const ui::Window* a, const ui::Window* b) { return a->z_order() < b->z_order(); });
    if (pick(200) == 0)
        return Event{.kind = Event::Kind::Close, .window = window->name()};

    std::vector<int> reachable;
    const auto& controls = window->controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        ui::Control& control = *controls[i];
        if ((control.kind() != ControlKind::Menu && control.kind() != ControlKind::Timer && runtime.CanReach(control)) ||
            InMenuBar(control))
            reachable.push_back(static_cast<int>(i));
    }
    if (reachable.empty())
        return std::nullopt;
    int position = reachable[pick(reachable.size())];
    ui::Control& control = *controls[static_cast<size_t>(position)];
    Event event{.window = window->name(), .control = position};
    const auto& inputs = BadInputs();
    switch (control.kind()) {
    case ControlKind::Menu:
        event.kind = Event::Kind::Choose;
        break;
    case ControlKind::TextBox:
        if (pick(3) == 0) {
            event.kind = Event::Kind::RightPress;
        } else if (!control.peek().locked && pick(2) == 0) {
            event.kind = Event::Kind::Type;
            event.text = inputs[pick(inputs.size())];
        } else {
            event.kind = Event::Kind::Click;
        }
        break;
    case ControlKind::ListBox:
    case ControlKind::ComboBox: {
        size_t count = control.peek().items.size();
        if (control.kind() == ControlKind::ComboBox && pick(3) == 0) {
            // Half the names typed into a combo are case and set names.
            static const std::vector<std::string> names = {"第3套", "第12套", "第20套", "第27套", "实例8"};
            event.kind = Event::Kind::Type;
            event.text = pick(2) == 0 ? names[pick(names.size())] : inputs[pick(inputs.size())];
        } else if (count > 0) {
            event.kind = Event::Kind::Select;
            event.number = static_cast<int>(pick(count));
        } else {
            event.kind = Event::Kind::Click;
        }
        break;
    }
    default:
        event.kind = pick(10) == 0 ? Event::Kind::RightPress : Event::Kind::Click;
        break;
    }
    return event;
}

}  // namespace

std::string Event::Describe() const
{
    static constexpr const char* kinds[] = {"click", "right-press", "type", "select", "choose", "close", "advance", "restart"};
    std::string text_shown = text.size() > 40 ? text.substr(0, 40) + "...(" + std::to_string(text.size()) + " bytes)" : text;
    std::string result = std::string(kinds[static_cast<int>(kind)]);
    if (!window.empty())
        result += " " + window;
    if (control >= 0)
        result += " control#" + std::to_string(control);
    if (kind == Kind::Select || kind == Kind::Advance)
        result += " " + std::to_string(number);
    if (kind == Kind::Type)
        result += " \"" + text_shown + "\"";
    if (!answers.empty()) {
        result += " answers";
        for (int answer : answers)
            result += " " + std::to_string(answer);
    }
    return result;
}

const std::vector<std::string>& BadInputs()
{
    static const std::vector<std::string> inputs = {
        "",
        std::string(1 << 20, 'x'),
        "\x01\x02\x03\t\x1b[31m",
        "一\r二",
        "一\n二",
        "一\r\n二",
        "欧元€ 韩文한국어 表情😀",
        "𝄞𠀀",
        "\u05e9\u05dc\u05d5\u05dd \u202eabc",
        "%1 %s %n",
        "&",
        "<b>粗体</b>",
        "实例8",
        "实例23",
        "实例35",
        " 实例8",
        "第3套",
        "操作题（第5套）",
        "418203957614",
        " 418203957614",
        "418203957615",
        "58143",
    };
    return inputs;
}

Outcome RandomWalk(const Options& options)
{
    std::mt19937_64 random(options.seed);
    Outcome outcome;
    auto session = std::make_unique<Session>(options.fail_platform_calls);
    int idle = 0;
    auto finish = [&] {
        outcome.journal.insert(outcome.journal.end(), session->outcome.journal.begin(), session->outcome.journal.end());
        session->outcome.journal.clear();
    };
    // The prefix is performed as a replay would, its answers as scripted,
    // at the start and after every restart.
    auto perform_prefix = [&] {
        for (Event event : options.prefix) {
            if (outcome.failure || session->rt().ended() || !session->Perform(event, nullptr))
                continue;
            outcome.events.push_back(event);
            outcome.failure = session->Check(outcome.events.back());
        }
    };
    perform_prefix();
    while (!outcome.failure && outcome.performed < options.events) {
        if (session->rt().ended()) {
            finish();
            session = std::make_unique<Session>(options.fail_platform_calls);
            outcome.events.push_back({.kind = Event::Kind::Restart});
            perform_prefix();
            if (outcome.failure)
                break;
        }
        auto event = DrawEvent(*session, random);
        if (!event) {
            // Stuck only if a thousand draws in a row find nothing to do.
            if (++idle > 1000) {
                outcome.failure = "no event can be drawn while the program runs";
                break;
            }
            continue;
        }
        idle = 0;
        if (!session->Perform(*event, &random))
            continue;
        outcome.events.push_back(*event);
        ++outcome.performed;
        if (auto failure = session->Check(outcome.events.back())) {
            outcome.failure = failure;
            break;
        }
    }
    finish();
    return outcome;
}

namespace {

Event ClickOn(ui::Window& window, ui::Control& control, std::vector<int> answers = {})
{
    const auto& controls = window.controls();
    const int position = static_cast<int>(std::find(controls.begin(), controls.end(), &control) - controls.begin());
    return Event{.kind = Event::Kind::Click, .window = window.name(), .control = position, .answers = answers};
}

}  // namespace

std::vector<Event> ExamRoad()
{
    platform::FakePlatform fake;
    App app(fake);
    auto click = [](ui::Window& window, ui::Control& control, std::vector<int> answers = {}) {
        return ClickOn(window, control, std::move(answers));
    };
    return {
        click(app.form8, app.form8.Image2),
        click(app.form59, app.form59.Command4),
        click(app.form43, app.form43.Option1(1)),
        click(app.form43, app.form43.Command4),
        click(app.form12, app.form12.Image5, {0}),
        click(app.form13, app.form13.Image4),
        Event{.kind = Event::Kind::Advance, .number = 100},
        click(app.form14, app.form14.Check1),
        click(app.form14, app.form14.Image3),
    };
}

namespace {

// "第3套" typed into the chooser and opened.
std::vector<Event> OpenChoiceSet(App& app)
{
    const auto& controls = app.form10.controls();
    const int combo = static_cast<int>(std::find(controls.begin(), controls.end(), &app.form10.Combo1) - controls.begin());
    return {
        Event{.kind = Event::Kind::Type, .window = "Form10", .control = combo, .text = "第3套"},
        ClickOn(app.form10, app.form10.Command2),
    };
}

}  // namespace

std::vector<Event> ChoiceRoad()
{
    platform::FakePlatform fake;
    App app(fake);
    std::vector<Event> road = {ClickOn(app.form8, app.form8.Image1), ClickOn(app.form60, app.form60.Command4)};
    for (const Event& event : OpenChoiceSet(app))
        road.push_back(event);
    return road;
}

// The drawn set may have no choice questions: the task window's "返回"
// leads to the chooser, still reachable in the exam, for one that has.
std::vector<Event> TimeUpRoad()
{
    platform::FakePlatform fake;
    App app(fake);
    std::vector<Event> road = ExamRoad();
    road.push_back(Event{.kind = Event::Kind::Advance, .number = 7600000, .answers = {0}});
    road.push_back(ClickOn(app.form15, app.form15.Command2));
    road.push_back(ClickOn(app.form42, app.form42.Label6));
    road.push_back(ClickOn(app.form42, app.form42.Label6));
    road.push_back(ClickOn(app.form16, app.form16.Command8));
    for (const Event& event : OpenChoiceSet(app))
        road.push_back(event);
    road.push_back(ClickOn(app.form16, app.form16.Command1));
    return road;
}

Outcome Replay(const std::vector<Event>& events, bool fail_platform_calls)
{
    Outcome outcome;
    auto session = std::make_unique<Session>(fail_platform_calls);
    auto finish = [&] {
        outcome.journal.insert(outcome.journal.end(), session->outcome.journal.begin(), session->outcome.journal.end());
        session->outcome.journal.clear();
    };
    for (Event event : events) {
        if (event.kind == Event::Kind::Restart) {
            finish();
            session = std::make_unique<Session>(fail_platform_calls);
            outcome.events.push_back(event);
            continue;
        }
        if (session->rt().ended() || !session->Perform(event, nullptr))
            continue;
        outcome.events.push_back(event);
        ++outcome.performed;
        if (auto failure = session->Check(event)) {
            outcome.failure = failure;
            break;
        }
    }
    finish();
    return outcome;
}

std::vector<Event> Shrink(std::vector<Event> events, bool fail_platform_calls)
{
    // A restart starts a fresh program: most failures need only the events
    // after the last one. Trying that first keeps long walks quick to shrink.
    auto last_restart = std::find_if(events.rbegin(), events.rend(),
                                     [](const Event& event) { return event.kind == Event::Kind::Restart; });
    if (last_restart != events.rend()) {
        std::vector<Event> after(last_restart.base(), events.end());
        if (!after.empty() && Replay(after, fail_platform_calls).failure)
            events = std::move(after);
    }
    // Delta debugging: drop ever smaller chunks while the failure stays.
    size_t chunk = std::max<size_t>(1, events.size() / 2);
    while (chunk >= 1 && events.size() > 1) {
        bool removed = false;
        for (size_t start = 0; start < events.size();) {
            std::vector<Event> candidate;
            candidate.insert(candidate.end(), events.begin(), events.begin() + static_cast<long>(start));
            candidate.insert(candidate.end(), events.begin() + static_cast<long>(std::min(events.size(), start + chunk)),
                             events.end());
            if (!candidate.empty() && Replay(candidate, fail_platform_calls).failure) {
                events = std::move(candidate);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (!removed) {
            if (chunk == 1)
                break;
            chunk /= 2;
        }
    }
    return events;
}

}  // namespace boxi::monkey
