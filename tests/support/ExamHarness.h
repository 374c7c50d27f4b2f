#pragma once

#include <string>

#include "support/Harness.h"

namespace boxi::testing {

// The choice questions a stand-in bank writes for "第N套", N 1 to 20: field
// texts that name set, slot and field, so a test sees which set and slot a
// pane or cell came from.
std::string StandInQuestion(int set, int slot);
std::string StandInKey(int set, int slot);

// A program with a stand-in choice bank and a way into a running exam.
class ExamTest : public AppTest {
protected:
    ExamTest();

    // From the portal through exam mode, the login and the confirmation to
    // the rules page, after its draw.
    void EnterRules();
    // Starts the program and an exam on `set` through the rules page: the
    // toolbar, the set loaded and the task window. The journal is cleared
    // and the clock stands at the toolbar's load.
    void StartExam(const std::string& set = "第3套");
    // Starts another exam on `set` from the mode choice on screen (as the
    // review's "退出" leaves it), through exam mode, the login and the
    // confirmation, with whatever earlier roads left loaded.
    void StartNextExam(const std::string& set);
    // What the choice section does for an answer to question k: marks the
    // progress cell.
    void MarkAnswered(int k);

    // Milliseconds from the toolbar's load to the alarm and to the time-up.
    static constexpr std::int64_t kAlarmAt = 115 * 63000;
    static constexpr std::int64_t kTimeUpAt = 119 * 63000;

private:
    void EnterRulesFromModeChoice();
    // Names the drawn set `set` on the rules page after its draw, ticks
    // "已阅读" and starts the exam.
    void StartOnRules(const std::string& set);
};

}  // namespace boxi::testing
