#include "banks/AccessBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace boxi::banks {
namespace {

using testing::IsCp936;

constexpr OperationType kTypes[] = {OperationType::Basic, OperationType::Simple, OperationType::Comprehensive};

// Characters, not bytes: the lengths a text box counts.
size_t CharCount(std::string_view utf8)
{
    size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string CrLfs(int pairs)
{
    std::string text;
    for (int i = 0; i < pairs; ++i)
        text += "\r\n";
    return text;
}

// The texts given in full, as the learner must see them.
struct GivenQuestion {
    int set;
    OperationType type;
    std::string_view text;  // slots joined by CR LF, without the empty slots
    int filled_slots;
    size_t composed_length;
};

const GivenQuestion kGivenQuestions[] = {
    {22, OperationType::Basic,
         "在考生文件夹中有“samp1_22.mdb”数据库。" "\r\n"
         "（1）设置“职位”表到“单位信息”表的关系为一对多，实施参照完整性，级联更新相关字段，级联删除相关记录。" "\r\n"
         "（2）取消“个人信息”表所有字段的冻结，取消隐藏列，设置行高为标准高度。 " "\r\n"
         "（3）在“求职”表中输入以下数据：" "\r\n"
         "------------------------------" "\r\n"
         " 编号    人员编号    职位编号 " "\r\n"
         "------------------------------" "\r\n"
         "   1      P00009      Z0008  " "\r\n"
         "   2      P00014      Z0006  " "\r\n"
         "   3      P00015      Z0007  " "\r\n"
         "   4      P00018      Z0011  " "\r\n"
         "   5      P00011      Z0018  " "\r\n"
         "------------------------------",
     13, 435},
    {20, OperationType::Basic,
         "（1）新建“学生.mdb”数据库，将考生文件夹下的“学生.xls”导入,第一行包含列标题,将学号设置为主键,将导入表命名为“学生”。" "\r\n"
         "（2）为“学生姓名”字段设置有重复索引。" "\r\n"
         "（3）为“学生”表保存窗体类型的副本。",
     3, 153},
    {1, OperationType::Simple,
         "考生文件夹下存在一个数据库文件“samp2_1.mdb”，里面已经设计好两个表对象：“部门”表和“工资”表。试按以下要求完成设计：" "\r\n"
         "（1）以部门表和工资表为数据源，创建查询“Q1”，查询研发部人员的基本工资，结果显示部门名称、员工姓名和基本工资字段。" "\r\n"
         "（2）建立一个参数查询Q2，通过输入员工ID显示员工的工资情况。参数提示为“请输入员工ID”，结果显示员工姓名、基本工资、奖金、岗位工资和保险金字段。",
     3, 247},
    {15, OperationType::Comprehensive,
         "考生文件夹下存在一个数据库文件“samp3_15.mdb”，试按以下要求完成设计：" "\r\n"
         "在“窗体1”窗体中添加标签和名称相同的文本框“请输入学号”和“学生姓名”，添加“显示学生姓名”按钮，编写程序实现输入学号后单击“显示学生姓名”按钮后显示学生姓名。要求用Dlookup()函数实现。",
     2, 187},
};

struct GivenAnswer {
    int set;
    OperationType type;
    std::string_view text;  // steps joined by CR LF, without the empty slots
    int steps;
};

const GivenAnswer kGivenAnswers[] = {
    {13, OperationType::Basic,
         "（1）在“数据库”窗口中单击“表”对象,单击“新建”按钮,在新建表对话框中选择“设计视图”,按照要求建立字段." "\r\n"
         "（2）选中年龄字段,在有效性规则行输入“>20”,在有效性文本行输入“错误,请输入大于20的值”." "\r\n"
         "（3）打开“学生”表,输入对应数据.",
     3},
    {3, OperationType::Comprehensive,
         "（1）在“数据库”窗口中单击“窗体”对象，单击“新建”按钮，选择“自动创建窗体：纵栏式”，数据来源选择“产品查询”查询，单击确定按钮，最后以“产品信息”为名保存窗体，并关闭该窗体。" "\r\n"
         "（2）在“数据库”窗口中单击“宏”对象，单击“新建”按钮，在操作列选择“Close”，对象类型选择“窗体”，对象名称选择“产品信息”，以“关闭产品信息”为名保存宏。" "\r\n"
         "  单击“窗体”对象，选择“产品信息”窗体，以“设计视图”打开该窗体，在工具箱中选择“命令按钮”，然后在窗体中单击，在命令按钮向导的类别中选择“杂项”，操作中选择“运行宏”，单击“下一步”按钮，选择“关闭产品信息窗体”宏，再单击“下一步”按钮，选择文本输入“退出”，然后单击“完成”按钮即可。" "\r\n"
         "  最后“保存”窗体即可。",
     2},
    {13, OperationType::Comprehensive,
         "（1）在“数据库”窗口中单击“模块”对象,单击“新建”按钮进入VBA环境,加入如下代码:" "\r\n"
         "Public Sub M()" "\r\n"
         "    Dim i,a,b As Integer" "\r\n"
         "    i = 100" "\r\n"
         "    Do While i<999" "\r\n"
         "        a=i\\100" "\r\n"
         "        b=i\\10-a * 10" "\r\n"
         "        c =i-b*10-a*100" "\r\n"
         "        If(i=a*a*a+b*b*b+c*c*c) Then" "\r\n"
         "             MsgBox i" "\r\n"
         "        End If" "\r\n"
         "        i=i+1" "\r\n"
         "    Loop" "\r\n"
         "End Sub ",
     1},
};

TEST(AccessBankTest, the_given_questions_compose_verbatim_to_their_lengths)
{
    for (const GivenQuestion& given : kGivenQuestions) {
        SCOPED_TRACE(OperationSetName(given.set) + " " + std::string(OperationTypeName(given.type)));
        std::string composed = ComposeOperationQuestion(given.type, OperationSetName(given.set));
        EXPECT_EQ(composed, std::string(given.text) + CrLfs(kQuestionSlots - given.filled_slots));
        EXPECT_EQ(CharCount(composed), given.composed_length);
    }
}

TEST(AccessBankTest, the_given_answers_compose_verbatim_with_the_six_slot_join)
{
    for (const GivenAnswer& given : kGivenAnswers) {
        SCOPED_TRACE(OperationSetName(given.set) + " " + std::string(OperationTypeName(given.type)));
        EXPECT_EQ(ComposeReferenceAnswer(given.type, OperationSetName(given.set)),
                  std::string(given.text) + CrLfs(kAnswerSlots - given.steps));
    }
    // The shortest answer of the bank.
    EXPECT_EQ(CharCount(ComposeReferenceAnswer(OperationType::Basic, "操作题（第13套）")), 132u);
}

TEST(AccessBankTest, pieces_of_entries_still_to_be_written_are_kept_verbatim)
{
    EXPECT_EQ(kBasic13ValidationSlot, "有效性规则|                 男 or 女  >20  " "\r\n"
         "----------|--------------------------------");
    ASSERT_EQ(kBasic26AnswerStep3.size(), 1u);
    EXPECT_EQ(kBasic26AnswerStep3[0], "（3）打开“部门信息”表,选中“部门名称”列,右键单击选择“冻结列”.选择“格式”->“行高”,在“行高”对话框中输入13.选择菜单“格式”->“数据表”->“单元格效果”->“凹陷”.");
    // Once their entries are written, the pieces stand in their places.
    if (Lines basic13 = OperationQuestionSlots(13, OperationType::Basic); !basic13.empty()) {
        ASSERT_GE(basic13.size(), 9u);
        EXPECT_EQ(basic13[8], kBasic13ValidationSlot);
    }
    if (auto basic26 = OperationAnswerSteps(26, OperationType::Basic); !basic26.empty()) {
        ASSERT_EQ(basic26.size(), 3u);
        EXPECT_TRUE(std::ranges::equal(basic26[2], kBasic26AnswerStep3));
    }
}

TEST(AccessBankTest, set_names_are_found_exactly_and_nothing_else)
{
    for (int number = 1; number <= kOperationSetCount; ++number)
        EXPECT_EQ(FindOperationSet(OperationSetName(number)), number);
    EXPECT_EQ(OperationSetName(7), "操作题（第7套）");

    const std::string near_misses[] = {
        "操作题（第27套）", "操作题（第0套）", "操作题(第1套)", "操作题（第01套）", " 操作题（第1套）",
        "操作题（第1套） ", "操作题（第１套）", "操作题（第1套", "第1套", "实例1", "",
    };
    for (const std::string& name : near_misses) {
        SCOPED_TRACE("\"" + name + "\"");
        EXPECT_EQ(FindOperationSet(name), std::nullopt);
        for (OperationType type : kTypes) {
            EXPECT_EQ(ComposeOperationQuestion(type, name), CrLfs(24));
            EXPECT_EQ(ComposeReferenceAnswer(type, name), CrLfs(5));
        }
    }
}

TEST(AccessBankTest, no_type_gives_the_empty_answer_and_unwritten_entries_the_empty_texts)
{
    EXPECT_EQ(ComposeReferenceAnswer(std::nullopt, "操作题（第13套）"), CrLfs(5));
    for (int number = 1; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            if (OperationQuestionSlots(number, type).empty()) {
                EXPECT_EQ(ComposeOperationQuestion(type, OperationSetName(number)), CrLfs(24));
            }
            if (OperationAnswerSteps(number, type).empty()) {
                EXPECT_EQ(ComposeReferenceAnswer(type, OperationSetName(number)), CrLfs(5));
            }
        }
    }
}

// The shape of every entry: filled slots and answer steps per set and type.
struct ExpectedShape {
    int basic_slots, simple_slots, comprehensive_slots;
    int simple_steps, comprehensive_steps;  // every basic answer has three
};

constexpr ExpectedShape kShapes[kOperationSetCount] = {
    {3, 3, 3, 2, 2},  {18, 3, 3, 2, 2}, {16, 3, 3, 2, 2}, {4, 3, 4, 2, 3},  {4, 3, 3, 2, 2},  {8, 3, 3, 2, 2},
    {3, 3, 3, 2, 2},  {4, 3, 3, 2, 2},  {4, 3, 3, 2, 2},  {4, 3, 3, 2, 2},  {10, 3, 3, 2, 2}, {4, 3, 3, 2, 2},
    {18, 3, 2, 2, 1}, {4, 3, 3, 2, 2},  {4, 3, 2, 2, 1},  {18, 18, 2, 2, 1}, {4, 3, 4, 2, 3}, {4, 3, 3, 2, 2},
    {4, 3, 4, 2, 3},  {3, 3, 4, 2, 3},  {4, 3, 4, 2, 3},  {13, 3, 3, 2, 2}, {4, 4, 3, 3, 2},  {3, 3, 3, 2, 2},
    {4, 3, 4, 2, 3},  {4, 3, 3, 2, 2},
};

int SlotsOf(int number, OperationType type)
{
    const ExpectedShape& shape = kShapes[number - 1];
    return type == OperationType::Basic ? shape.basic_slots
           : type == OperationType::Simple ? shape.simple_slots
                                           : shape.comprehensive_slots;
}

size_t StepsOf(int number, OperationType type)
{
    const ExpectedShape& shape = kShapes[number - 1];
    return type == OperationType::Basic ? 3u
           : type == OperationType::Simple ? static_cast<size_t>(shape.simple_steps)
                                           : static_cast<size_t>(shape.comprehensive_steps);
}

// The one slot that may hold several lines, and how many.
std::optional<std::pair<size_t, size_t>> MultiLineSlot(int number, OperationType type)
{
    if (type == OperationType::Basic && number == 6)
        return std::pair<size_t, size_t>{8, 5};
    if (type == OperationType::Basic && number == 13)
        return std::pair<size_t, size_t>{9, 2};
    return std::nullopt;
}

size_t LinesIn(std::string_view text)
{
    size_t lines = 1;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

std::string TaskNumber(int k) { return "（" + std::to_string(k) + "）"; }

// "（" + digit + "）" at the start of a slot.
bool IsNumberedTask(std::string_view slot)
{
    return slot.size() > 7 && slot.rfind("（", 0) == 0 && slot[3] >= '0' && slot[3] <= '9' &&
           slot.substr(4, 3) == "）";
}

// Numbered tasks: basic three, simple two, comprehensive two, with these
// exceptions; the unnumbered tasks are not counted.
int TasksOf(int number, OperationType type)
{
    if (type == OperationType::Simple)
        return number == 23 ? 3 : number == 16 ? 1 : 2;
    if (type == OperationType::Comprehensive)
        return StepsOf(number, type) == 1 ? 0 : static_cast<int>(StepsOf(number, type));
    return 3;
}

TEST(AccessBankTest, every_written_question_has_the_shape_of_its_set_and_type)
{
    int written = 0;
    for (int number = 1; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            Lines slots = OperationQuestionSlots(number, type);
            if (slots.empty())
                continue;
            ++written;
            SCOPED_TRACE(OperationSetName(number) + " " + std::string(OperationTypeName(type)));
            ASSERT_EQ(slots.size(), static_cast<size_t>(SlotsOf(number, type)));
            auto multi = MultiLineSlot(number, type);
            int next_task = 1;
            for (size_t i = 0; i < slots.size(); ++i) {
                std::string_view slot = slots[i];
                SCOPED_TRACE("slot " + std::to_string(i + 1));
                EXPECT_FALSE(slot.empty());
                EXPECT_TRUE(IsCp936(slot));
                EXPECT_EQ(slot.find('\t'), std::string_view::npos);
                size_t lines = multi && multi->first == i + 1 ? multi->second : 1;
                EXPECT_EQ(LinesIn(slot), lines);
                EXPECT_EQ(slot.find_first_of("\r\n"), lines == 1 ? std::string_view::npos : slot.find("\r\n"));
                if (IsNumberedTask(slot)) {
                    EXPECT_EQ(slot.rfind(TaskNumber(next_task), 0), 0u) << "tasks out of order";
                    ++next_task;
                }
            }
            EXPECT_EQ(next_task - 1, TasksOf(number, type));

            const std::string n = std::to_string(number);
            std::string_view opening = slots[0];
            if (type == OperationType::Simple && number != 16) {
                EXPECT_EQ(opening.rfind("考生文件夹下存在一个数据库文件“samp2_" + n + ".mdb”，里面已经设计好", 0), 0u);
                EXPECT_TRUE(opening.ends_with("。试按以下要求完成设计："));
            }
            if (type == OperationType::Comprehensive && number <= 4) {
                EXPECT_EQ(opening.rfind("考生文件夹下存在一个数据库文件“samp3_" + n + ".mdb”，里面已经设计好", 0), 0u);
                EXPECT_TRUE(opening.ends_with("。试按以下要求完成设计："));
            }
            if (type == OperationType::Comprehensive && number > 4) {
                EXPECT_EQ(opening, "考生文件夹下存在一个数据库文件“samp3_" + n + ".mdb”，试按以下要求完成设计：");
            }
        }
    }
    EXPECT_GE(written, 4);
}

TEST(AccessBankTest, every_written_answer_has_the_steps_of_its_set_and_type)
{
    int written = 0;
    for (int number = 1; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            std::span<const Lines> steps = OperationAnswerSteps(number, type);
            if (steps.empty())
                continue;
            ++written;
            SCOPED_TRACE(OperationSetName(number) + " " + std::string(OperationTypeName(type)));
            ASSERT_EQ(steps.size(), StepsOf(number, type));
            for (size_t k = 0; k < steps.size(); ++k) {
                ASSERT_FALSE(steps[k].empty());
                for (std::string_view line : steps[k]) {
                    EXPECT_TRUE(IsCp936(line));
                    EXPECT_EQ(line.find_first_of("\r\n\t"), std::string_view::npos);
                }
                std::string_view first = steps[k][0];
                bool unnumbered = type == OperationType::Comprehensive && (number == 15 || number == 16);
                if (unnumbered)
                    EXPECT_NE(first.rfind("（", 0), 0u);
                else if (type == OperationType::Comprehensive && number == 11 && k == 0)
                    EXPECT_EQ(first.rfind("（1)", 0), 0u);
                else
                    EXPECT_EQ(first.rfind(TaskNumber(static_cast<int>(k) + 1), 0), 0u);
            }
            size_t length = CharCount(ComposeReferenceAnswer(type, OperationSetName(number)));
            EXPECT_GE(length, 132u);
            EXPECT_LE(length, 786u);
        }
    }
    EXPECT_GE(written, 3);
}

}  // namespace
}  // namespace boxi::banks
