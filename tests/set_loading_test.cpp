// Loading a named case or exam set into the question table: which bank each
// use consults for which name, the emptying, and the bank marks.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "banks/CaseBank.h"
#include "cases/SetLoading.h"
#include "common/Module1.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Log = std::vector<std::string>;

std::vector<TextTable QuestionTable::*> AllFields()
{
    return {&QuestionTable::QuestionText, &QuestionTable::ChoiceA,    &QuestionTable::ChoiceB,
            &QuestionTable::ChoiceC,      &QuestionTable::ChoiceD,    &QuestionTable::GivenAnswer,
            &QuestionTable::AnswerKey,    &QuestionTable::AnswerAnalysis};
}

// The four fields that a consultation of the case bank empties.
bool EmptiedByCaseBank(TextTable QuestionTable::*field)
{
    return field == &QuestionTable::QuestionText || field == &QuestionTable::AnswerKey ||
           field == &QuestionTable::ChoiceA || field == &QuestionTable::ChoiceB;
}

// Every field of every slot holds its own mark.
QuestionTable MarkedTable()
{
    QuestionTable table;
    int f = 0;
    for (auto field : AllFields()) {
        for (int slot = 0; slot <= 70; ++slot)
            (table.*field).Set(slot, "f" + std::to_string(f) + "s" + std::to_string(slot));
        ++f;
    }
    return table;
}

// Field by field differences, for readable failures.
std::vector<std::string> Differences(const QuestionTable& actual, const QuestionTable& expected)
{
    std::vector<std::string> out;
    int f = 0;
    for (auto field : AllFields()) {
        for (int slot = 0; slot <= 70; ++slot) {
            if ((actual.*field)(slot) != (expected.*field)(slot))
                out.push_back("field " + std::to_string(f) + " slot " + std::to_string(slot) + ": \"" +
                              (actual.*field)(slot) + "\"");
        }
        ++f;
    }
    return out;
}

const char* UseName(SetLoadUse use)
{
    switch (use) {
    case SetLoadUse::CaseOpening: return "CaseOpening";
    case SetLoadUse::ExamStarting: return "ExamStarting";
    case SetLoadUse::ChoiceSectionEntry: return "ChoiceSectionEntry";
    case SetLoadUse::ReviewOpening: return "ReviewOpening";
    }
    return "";
}

// A loader whose banks record each consultation. The case bank notes
// whether the table was already emptied when it was called; the choice bank
// writes its set's twenty questions as the real one will.
struct RecordingLoader {
    RecordingLoader()
    {
        loader.case_bank = [this](QuestionTable& t, std::string_view name) {
            log.push_back("case " + std::string(name) + (t.QuestionText(1).empty() ? "" : " (not emptied)"));
        };
        loader.choice_bank = [this](QuestionTable& t, std::string_view name) {
            log.push_back("choice " + std::string(name));
            for (int slot = 1; slot <= 20; ++slot) {
                const std::string tag = std::string(name) + "/" + std::to_string(slot);
                t.QuestionText.Set(slot, tag + " 题干");
                t.ChoiceA.Set(slot, tag + " (A)");
                t.ChoiceB.Set(slot, tag + " (B)");
                t.ChoiceC.Set(slot, tag + " (C)");
                t.ChoiceD.Set(slot, tag + " (D)");
                t.AnswerKey.Set(slot, "A");
                t.AnswerAnalysis.Set(slot, tag + " 分析");
            }
        };
    }
    RecordingLoader(const RecordingLoader&) = delete;
    RecordingLoader& operator=(const RecordingLoader&) = delete;

    void Load(std::string_view name, SetLoadUse use) { loader.Load(table, name, use); }

    SetLoader loader;
    QuestionTable table = MarkedTable();
    Log log;
};

class SetLoaderTest : public ::testing::Test {
protected:
    void Load(std::string_view name, SetLoadUse use) { r.Load(name, use); }

    RecordingLoader r;
    SetLoader& loader = r.loader;
    QuestionTable& table = r.table;
    Log& log = r.log;
};

TEST_F(SetLoaderTest, each_use_consults_its_banks_for_exactly_its_names)
{
    using enum SetLoadUse;
    struct Row {
        SetLoadUse use;
        const char* name;
        Log consulted;
    };
    const std::vector<Row> rows = {
        {CaseOpening, "实例1", {"case 实例1"}},
        {CaseOpening, "实例12", {"case 实例12"}},
        {CaseOpening, "实例34", {"case 实例34"}},
        {CaseOpening, "实例35", {}},
        {CaseOpening, "实例40", {}},
        {CaseOpening, "实例41", {}},
        {CaseOpening, "实例0", {}},
        {CaseOpening, "第3套", {}},  // the chooser never consults the choice bank
        {CaseOpening, "", {}},
        {CaseOpening, " 实例1", {}},
        {CaseOpening, "实例1 ", {}},
        {CaseOpening, "实例01", {}},
        {CaseOpening, "实例１", {}},  // full-width digit
        {CaseOpening, "自己输入的文字", {}},
        {ExamStarting, "第1套", {"case 第1套", "choice 第1套"}},
        {ExamStarting, "第4套", {"case 第4套", "choice 第4套"}},
        {ExamStarting, "第5套", {"choice 第5套"}},
        {ExamStarting, "第20套", {"choice 第20套"}},
        {ExamStarting, "第21套", {}},
        {ExamStarting, "第40套", {}},
        {ExamStarting, "第04套", {}},
        {ExamStarting, "第４套", {}},
        {ExamStarting, "实例1", {}},
        {ChoiceSectionEntry, "第1套", {"choice 第1套"}},
        {ChoiceSectionEntry, "第20套", {"choice 第20套"}},
        {ChoiceSectionEntry, "第21套", {}},
        {ChoiceSectionEntry, "第3套 ", {}},
        {ChoiceSectionEntry, "实例1", {}},
        {ReviewOpening, "第4套", {"choice 第4套"}},  // no emptying outside the exam start
        {ReviewOpening, "第20套", {"choice 第20套"}},
        {ReviewOpening, "第33套", {}},
        {ReviewOpening, "实例8", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(UseName(row.use)) + " \"" + row.name + "\"");
        RecordingLoader fresh;
        fresh.Load(row.name, row.use);
        EXPECT_EQ(fresh.log, row.consulted);
        bool case_consulted = false;
        bool choice_consulted = false;
        for (const std::string& entry : row.consulted) {
            case_consulted |= entry.starts_with("case ");
            choice_consulted |= entry.starts_with("choice ");
        }
        EXPECT_EQ(fresh.loader.CaseBankHeld(), case_consulted);
        EXPECT_EQ(fresh.loader.ChoiceBankHeld(), choice_consulted);
        if (row.consulted.empty()) {
            EXPECT_EQ(Differences(fresh.table, MarkedTable()), std::vector<std::string>{});
        }
    }
}

TEST_F(SetLoaderTest, consulting_the_case_bank_empties_four_fields_of_slots_1_to_70_first)
{
    Load("实例12", SetLoadUse::CaseOpening);
    ASSERT_EQ(log, (Log{"case 实例12"}));

    QuestionTable expected = MarkedTable();
    for (auto field : AllFields()) {
        if (!EmptiedByCaseBank(field))
            continue;
        for (int slot = 1; slot <= 70; ++slot)
            (expected.*field).Set(slot, "");
    }
    // Slot 0 and ChoiceC, ChoiceD, GivenAnswer, AnswerAnalysis keep theirs.
    EXPECT_EQ(Differences(table, expected), std::vector<std::string>{});
}

TEST(SetLoaderRealBankTest, opening_a_case_empties_then_lets_the_bank_write_it)
{
    const std::vector<banks::PracticalCase> present = banks::PresentCases();
    if (present.empty())
        GTEST_SKIP() << "no case in the bank yet";
    const std::string name(present.front().row.name);
    SCOPED_TRACE(name);

    SetLoader loader;
    QuestionTable table = MarkedTable();
    loader.Load(table, name, SetLoadUse::CaseOpening);

    QuestionTable expected = MarkedTable();
    for (auto field : AllFields()) {
        if (EmptiedByCaseBank(field)) {
            for (int slot = 1; slot <= 70; ++slot)
                (expected.*field).Set(slot, "");
        }
    }
    banks::WriteCase(expected, name);
    EXPECT_EQ(Differences(table, expected), std::vector<std::string>{});
    EXPECT_FALSE(table.QuestionText(22).empty());
    EXPECT_FALSE(table.AnswerKey(22).empty());
    EXPECT_TRUE(loader.CaseBankHeld());
    EXPECT_FALSE(loader.ChoiceBankHeld());
}

TEST_F(SetLoaderTest, exam_start_on_the_first_four_sets_empties_before_the_choice_questions)
{
    Load("第2套", SetLoadUse::ExamStarting);
    EXPECT_EQ(log, (Log{"case 第2套", "choice 第2套"}));
    EXPECT_EQ(table.QuestionText(5), "第2套/5 题干");
    EXPECT_EQ(table.ChoiceC(20), "第2套/20 (C)");
    EXPECT_EQ(table.QuestionText(21), "");
    EXPECT_EQ(table.QuestionText(22), "");  // the task text
    EXPECT_EQ(table.AnswerKey(22), "");
    EXPECT_EQ(table.ChoiceC(22), MarkedTable().ChoiceC(22));
    EXPECT_EQ(table.GivenAnswer(5), MarkedTable().GivenAnswer(5));
}

TEST_F(SetLoaderTest, exam_start_on_a_later_set_keeps_the_task_left_in_slot_22)
{
    Load("实例1", SetLoadUse::CaseOpening);
    table.QuestionText.Set(22, "实例1的任务");
    loader.ReleaseCaseBank();
    Load("第7套", SetLoadUse::ExamStarting);
    EXPECT_EQ(log, (Log{"case 实例1", "choice 第7套"}));
    EXPECT_EQ(table.QuestionText(7), "第7套/7 题干");
    EXPECT_EQ(table.QuestionText(22), "实例1的任务");
}

TEST_F(SetLoaderTest, a_held_case_bank_writes_nothing_until_it_is_released)
{
    Load("实例1", SetLoadUse::CaseOpening);
    table.QuestionText.Set(22, "实例1的任务");
    table.ChoiceA.Set(30, "缓冲行");

    Load("实例8", SetLoadUse::CaseOpening);  // nothing: not even the emptying
    Load("第3套", SetLoadUse::ExamStarting);  // its case part is held too
    EXPECT_EQ(log, (Log{"case 实例1", "choice 第3套"}));
    EXPECT_EQ(table.ChoiceA(30), "缓冲行");
    EXPECT_EQ(table.QuestionText(22), "实例1的任务");

    // Releasing changes no field; the next opening writes afresh, even for
    // the same name.
    QuestionTable before = table;
    loader.ReleaseCaseBank();
    EXPECT_FALSE(loader.CaseBankHeld());
    EXPECT_EQ(Differences(table, before), std::vector<std::string>{});
    Load("实例1", SetLoadUse::CaseOpening);
    EXPECT_EQ(log.back(), "case 实例1");
    EXPECT_EQ(table.ChoiceA(30), "");
}

// The choice section's entry control and the review's load release the
// bank before they load, so during an exam they always write afresh; the
// loader itself holds the bank until it is released.
TEST_F(SetLoaderTest, a_held_choice_bank_writes_nothing_until_it_is_released)
{
    Load("第3套", SetLoadUse::ExamStarting);
    // The learner goes back through the task window (releasing the case
    // bank) and opens a case, which empties slots 1 to 70 of four fields.
    loader.ReleaseCaseBank();
    Load("实例1", SetLoadUse::CaseOpening);
    log.clear();

    Load("第3套", SetLoadUse::ChoiceSectionEntry);
    Load("第3套", SetLoadUse::ReviewOpening);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(table.QuestionText(4), "");  // stays emptied
    EXPECT_EQ(table.ChoiceC(4), "第3套/4 (C)");

    loader.ReleaseChoiceBank();
    Load("第3套", SetLoadUse::ReviewOpening);
    EXPECT_EQ(log, (Log{"choice 第3套"}));
    EXPECT_EQ(table.QuestionText(4), "第3套/4 题干");
}

TEST_F(SetLoaderTest, an_exam_left_without_its_clean_up_keeps_the_choice_bank_for_the_next_exam)
{
    struct Row {
        const char* what;
        SetLoadUse first_use;
        const char* first;
        const char* second;
        Log consulted;
    };
    const Row rows[] = {
        // The learner returns through the task window and the chooser.
        {"exam left early", SetLoadUse::ExamStarting, "第3套", "第8套", {"case 第3套", "choice 第3套"}},
        // The portal's entry to the exam loads the review while the chooser
        // still holds a set name from an earlier exam.
        {"review at the portal entry", SetLoadUse::ReviewOpening, "第5套", "第9套", {"choice 第5套"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingLoader fresh;
        fresh.Load(row.first, row.first_use);
        fresh.loader.ReleaseCaseBank();  // the task window's "返回"
        fresh.Load(row.second, SetLoadUse::ExamStarting);
        EXPECT_EQ(fresh.log, row.consulted);
        EXPECT_TRUE(fresh.loader.ChoiceBankHeld());
        EXPECT_EQ(fresh.table.QuestionText(1), std::string(row.first) + "/1 题干");
    }
}

// LoadCurrentSet as the windows call it: the name is the chooser's text at
// the moment of the call.
class LoadCurrentSetTest : public AppTest {};

TEST_F(LoadCurrentSetTest, reading_the_name_loads_the_chooser_hidden_with_the_first_case)
{
    StartFresh();
    Log consulted;
    app.set_loader.case_bank = [&](QuestionTable&, std::string_view name) {
        consulted.push_back("case " + std::string(name));
    };
    Run([&] { app.LoadCurrentSet(SetLoadUse::ReviewOpening); });
    EXPECT_EQ(fake.journal(), (std::vector<std::string>{"load Form10"}));
    EXPECT_FALSE(app.form10.is_visible());
    EXPECT_FALSE(app.set_loader.ChoiceBankHeld());
    EXPECT_FALSE(app.set_loader.CaseBankHeld());

    Run([&] { app.LoadCurrentSet(SetLoadUse::CaseOpening); });
    EXPECT_EQ(consulted, (Log{"case 实例1"}));
    EXPECT_TRUE(app.set_loader.CaseBankHeld());
}

TEST_F(LoadCurrentSetTest, the_name_is_taken_at_the_moment_of_the_call)
{
    StartFresh();
    Log consulted;
    app.set_loader.choice_bank = [&](QuestionTable&, std::string_view name) {
        consulted.push_back("choice " + std::string(name));
    };
    Run([&] {
        app.form10.SetCurrentSetName("第17套");
        app.LoadCurrentSet(SetLoadUse::ChoiceSectionEntry);
        app.form10.SetCurrentSetName("第18套");
    });
    EXPECT_EQ(consulted, (Log{"choice 第17套"}));
}

}  // namespace
}  // namespace boxi::testing
