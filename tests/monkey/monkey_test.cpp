// A short monkey over every window: random clicks, choices, typing, closes
// and clock steps, checking the window rules after every event.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string_view>

#include "app/App.h"
#include "monkey/Monkey.h"
#include "platform/FakePlatform.h"

namespace boxi::monkey {
namespace {

std::string Report(std::uint64_t seed, const Outcome& outcome, bool fail_calls)
{
    std::ostringstream out;
    out << "seed " << seed << ": " << *outcome.failure << " after " << outcome.performed << " events\n";
    auto shortest = Shrink(outcome.events, fail_calls);
    out << "shortest reproduction (" << shortest.size() << " events):\n";
    for (const Event& event : shortest)
        out << "  " << event.Describe() << "\n";
    return out.str();
}

constexpr std::string_view kFolderNotice = "box 考生文件夹“c:\\wexam\\29010001”没有准备好：\n";

class MonkeyTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(MonkeyTest, random_walk_keeps_the_window_rules)
{
    Outcome outcome = RandomWalk({.seed = GetParam(), .events = 4000});
    if (outcome.failure)
        FAIL() << Report(GetParam(), outcome, false);
}

TEST_P(MonkeyTest, failing_launches_and_folders_change_nothing_the_learner_sees)
{
    Outcome normal = RandomWalk({.seed = GetParam(), .events = 1500});
    Outcome failing = Replay(normal.events, true);
    if (failing.failure)
        FAIL() << Report(GetParam(), failing, true);
    // Same windows, same message boxes: a failed call shows nothing, except
    // that each opening of the Access practice tells once that its candidate
    // folder could not be prepared.
    std::vector<std::string> without_folder_notices;
    size_t notices = 0, practice_loads = 0;
    for (const std::string& entry : failing.journal) {
        practice_loads += entry == "load Form36";
        if (entry.rfind(kFolderNotice, 0) == 0)
            ++notices;
        else
            without_folder_notices.push_back(entry);
    }
    EXPECT_EQ(notices, practice_loads);
    EXPECT_EQ(without_folder_notices, normal.journal);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(1u, 2u, 3u, 20261210u));

TEST(MonkeyReplay, a_replayed_walk_does_the_same)
{
    Outcome walk = RandomWalk({.seed = 7, .events = 800});
    Outcome replay = Replay(walk.events, false);
    EXPECT_EQ(replay.performed, walk.performed);
    EXPECT_EQ(replay.journal, walk.journal);
}

}  // namespace
}  // namespace boxi::monkey

namespace boxi::monkey {
namespace {

TEST(MonkeyCoverage, the_walks_reach_every_window_the_learner_can_reach)
{
    std::set<std::string> shown;
    // What the walks clicked, as "window.control", named through a program
    // of their own: an event names a control by its place in its window.
    platform::FakePlatform reference_platform;
    App reference{reference_platform};
    std::set<std::string> clicked;
    auto note_clicks = [&](const Outcome& walk) {
        for (const Event& event : walk.events) {
            if (event.kind != Event::Kind::Click)
                continue;
            for (const ui::Window* window : reference.runtime().windows()) {
                if (window->name() == event.window)
                    clicked.insert(event.window + "." + window->controls()[static_cast<size_t>(event.control)]->name());
            }
        }
    };
    for (std::uint64_t seed : {1u, 2u, 3u, 20261210u}) {
        // Long enough walks for the deepest road: exam mode, login, confirmation, rules page.
        Outcome walk = RandomWalk({.seed = seed, .events = 12000});
        note_clicks(walk);
        for (const auto& entry : walk.journal) {
            if (entry.rfind("show ", 0) == 0)
                shown.insert(entry.substr(5));
        }
    }
    // The timed exam lies deep in its road: these walks start inside it.
    for (std::uint64_t seed : {1u, 2u, 3u, 20261210u}) {
        Outcome walk = RandomWalk({.seed = seed, .events = 6000, .prefix = ExamRoad()});
        ASSERT_FALSE(walk.failure) << *walk.failure;
        for (const auto& entry : walk.journal) {
            if (entry.rfind("show ", 0) == 0)
                shown.insert(entry.substr(5));
        }
    }
    // The choice section, from an exam set's task window in training and
    // after the exam's time-up.
    for (const auto& road : {ChoiceRoad(), TimeUpRoad()}) {
        for (std::uint64_t seed : {1u, 2u}) {
            Outcome walk = RandomWalk({.seed = seed, .events = 2000, .prefix = road});
            ASSERT_FALSE(walk.failure) << *walk.failure;
            for (const auto& entry : walk.journal) {
                if (entry.rfind("show ", 0) == 0)
                    shown.insert(entry.substr(5));
            }
        }
    }
    for (const char* window : {"Form8", "Form60", "Form2", "Form7", "Form9", "Form10", "Form16", "Form31", "Form4", "Form3",
                               "Form59", "Form43", "Form12", "Form13", "Form14", "Form26",
                               "AccessSetChooser", "Form36", "Form51", "Form27",
                               "Form42", "Form17", "Form15", "Form1", "Form46", "Form44", "Form45", "DrillChooser",
                               "Form6", "Form38", "Form20", "Form18"})
        EXPECT_TRUE(shown.count(window)) << window << " was never on screen";
    // The login's own surface pictures lie under the frame that fills the
    // window: the walks press the areas on the frame, never those beneath.
    EXPECT_TRUE(clicked.count("Form12.Image5"));
    EXPECT_TRUE(clicked.count("Form12.Image4"));
    EXPECT_FALSE(clicked.count("Form12.Image2"));
    EXPECT_FALSE(clicked.count("Form12.Image3"));
}

}  // namespace
}  // namespace boxi::monkey
