#include "support/ExamHarness.h"

#include "cases/SetLoading.h"

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

void ExamTest::StartExam(const std::string& set)
{
    StartFresh();
    Run([&] {
        app.form10.SetCurrentSetName(set);
        app.form10.Hide();
        app.form42.Show();
        app.LoadCurrentSet(SetLoadUse::ExamStarting);
        app.form16.Show();
    });
    fake.ClearJournal();
}

void ExamTest::MarkAnswered(int k)
{
    Run([&] { app.form15.MarkProgressCell(k); });
}

}  // namespace boxi::testing
