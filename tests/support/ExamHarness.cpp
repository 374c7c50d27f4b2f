#include "support/ExamHarness.h"

namespace boxi::testing {

std::string StandInQuestion(int set, int slot)
{
    return std::to_string(slot) + ".第" + std::to_string(set) + "套第" + std::to_string(slot) + "题（）。";
}

std::string StandInKey(int set, int slot) { return std::string(1, "ABCD"[(set + slot) % 4]); }

ExamTest::ExamTest()
{
    app.set_loader.choice_bank = [](QuestionTable& table, std::string_view name) {
        for (int set = 1; set <= 20; ++set) {
            if (name != "第" + std::to_string(set) + "套")
                continue;
            for (int slot = 1; slot <= 20; ++slot) {
                const std::string tag = std::to_string(set) + "-" + std::to_string(slot);
                table.QuestionText.Set(slot, StandInQuestion(set, slot));
                table.ChoiceA.Set(slot, "(A)甲" + tag);
                table.ChoiceB.Set(slot, "(B)乙" + tag);
                table.ChoiceC.Set(slot, "(C)丙" + tag);
                table.ChoiceD.Set(slot, "(D)丁" + tag);
                table.AnswerKey.Set(slot, StandInKey(set, slot));
                table.AnswerAnalysis.Set(slot, "评析" + tag);
            }
        }
    };
}

void ExamTest::EnterRules()
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image2));
    ASSERT_TRUE(rt().Click(app.form59.Command4));
    EnterRulesFromModeChoice();
}

void ExamTest::EnterRulesFromModeChoice()
{
    ASSERT_TRUE(app.form43.is_visible());
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(platform::MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    Advance(100);
}

void ExamTest::StartExam(const std::string& set)
{
    EnterRules();
    StartOnRules(set);
}

void ExamTest::StartNextExam(const std::string& set)
{
    EnterRulesFromModeChoice();
    StartOnRules(set);
}

void ExamTest::StartOnRules(const std::string& set)
{
    Run([&] { app.form10.SetCurrentSetName(set); });
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    ASSERT_TRUE(app.form42.is_visible());
    fake.ClearJournal();
}

void ExamTest::MarkAnswered(int k)
{
    Run([&] { app.form15.MarkProgressCell(k); });
}

}  // namespace boxi::testing
