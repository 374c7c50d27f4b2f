#include "banks/KnowledgeOutlines.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {
namespace {

// The shape of each chapter's outline: its title, its line count, its section
// lines and how many items follow each of them.
struct ChapterShape {
    int chapter;
    std::string_view title;
    size_t lines;
    std::vector<std::string_view> sections;
    std::vector<int> items;
};

const std::vector<ChapterShape> kShapes = {
    {0, "Excel制表基础", 32,
     {"  一:在表格中输入编辑数据", "  二:整理与修饰表格", "  三:格式化工作表高级技巧",
      "  四:工作表的打印输出", "  五:在相邻的单元格中填充相同的数据"},
     {6, 7, 3, 7, 4}},
    {1, "工作簿与多工作表操作", 39,
     {"  一:工作簿的基本操作", "  二:工作簿的编辑", "  三:工作簿模板的使用与创建",
      "  四:工作簿的隐藏与保护", "  五:工作表的基本操作", "  六:保护和撤销保护工作表",
      "  七:对多张工作表同时进行操作", "  八:工作窗口的视图控制"},
     {4, 6, 2, 4, 6, 2, 3, 4}},
    {2, "Excel公式和函数", 42,
     {"  一:使用公式的基本方法", "  二:名称的定义及引用", "  三:使用函数的基本方法",
      "  四:Excel中常用函数的应用", "  五:公式与函数的常见问题"},
     {4, 3, 0, 28, 2}},
    {3, "在Excel中创建图表", 24,
     {"  一:创建及编辑迷你图", "  二:创建图表", "  三:编辑图表", "  四:打印图表"},
     {7, 2, 8, 3}},
    {4, "Excel数据分析与处理", 24,
     {"  一:合并计算", "  二:数据排序", "  三:数据筛选", "  四:分级显示及分类汇总",
      "  五:数据透视表", "  六:数据透视图", "  七:模拟分析及运算"},
     {0, 2, 3, 3, 4, 3, 2}},
    {5, "Excel与其他程序的协同与共享", 11,
     {"  一:共享、修订、批注工作簿", "  二:与其他应用程序共享数据", "  三:宏的简单应用"},
     {4, 2, 2}},
};


// Expected outlines of chapters 4 and 5, line for line.
constexpr std::string_view kChapter4[] = {
    "  一:合并计算",
    "  二:数据排序",
    "   （1）简单排序",
    "   （2）复杂排序",
    "  三:数据筛选",
    "   （1）自动筛选",
    "   （2）高级筛选",
    "   （3）自定义筛选",
    "  四:分级显示及分类汇总",
    "   （1）创建分类汇总",
    "   （2）清除分类汇总",
    "   （3）分级显示",
    "  五:数据透视表",
    "   （1）创建数据透视表",
    "   （2）设置数据透视表格式",
    "   （3）更新数据",
    "   （4）删除数据透视表",
    "  六:数据透视图",
    "   （1）创建数据透视图",
    "   （2）调整数据透视图",
    "   （3）删除数据透视表或数据透视图",
    "  七:模拟分析及运算",
    "   （1）单变量模拟运算",
    "   （2）双变量模拟运算表",
};

constexpr std::string_view kChapter5[] = {
    "  一:共享、修订、批注工作簿",
    "   （1）共享工作簿",
    "   （2）编辑共享工作簿",
    "   （3）修订工作簿",
    "   （4）添加批注",
    "  二:与其他应用程序共享数据",
    "   （1）与其他程序共享数据",
    "   （2）插入超链接",
    "  三:宏的简单应用",
    "   （1）录制宏",
    "   （2）调用宏",
};

// The sections of one outline as read back from its lines.
struct ParsedOutline {
    std::vector<std::string_view> sections;
    std::vector<int> items;
};

// Reads section lines ("  一:title") and item lines ("   （n）text"), checking
// that items count from 1 within each section and that no other line occurs.
ParsedOutline ParseOutline(Lines lines)
{
    constexpr std::string_view kItemOpen = "   （";
    constexpr std::string_view kItemClose = "）";
    ParsedOutline parsed;
    for (std::string_view line : lines) {
        SCOPED_TRACE(std::string(line));
        if (line.starts_with(kItemOpen)) {
            if (parsed.sections.empty()) {
                ADD_FAILURE() << "item before the first section";
                continue;
            }
            std::string_view rest = line.substr(kItemOpen.size());
            size_t digits = 0;
            while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
                ++digits;
            if (digits == 0 || !rest.substr(digits).starts_with(kItemClose)) {
                ADD_FAILURE() << "item number missing";
                continue;
            }
            EXPECT_NE(rest[0], '0') << "leading zero";
            std::string_view text = rest.substr(digits + kItemClose.size());
            EXPECT_FALSE(text.empty());
            EXPECT_FALSE(text.starts_with(' ') || text.ends_with(' '));
            int number = std::stoi(std::string(rest.substr(0, digits)));
            EXPECT_EQ(number, parsed.items.back() + 1);
            parsed.items.back() = number;
        } else if (line.starts_with("  ") && !line.starts_with("   ")) {
            parsed.sections.push_back(line);
            parsed.items.push_back(0);
        } else {
            ADD_FAILURE() << "neither a section line nor an item line";
        }
    }
    return parsed;
}

TEST(KnowledgeOutlines, titles_follow_the_chapter_list_and_nothing_lies_outside_it)
{
    ASSERT_EQ(kShapes.size(), static_cast<size_t>(kChapterCount));
    for (const ChapterShape& shape : kShapes)
        EXPECT_EQ(ChapterTitle(shape.chapter), shape.title);
    for (int outside : {-1, kChapterCount, 70}) {
        EXPECT_EQ(ChapterTitle(outside), "");
        EXPECT_TRUE(KnowledgeOutlineLines(outside).empty());
    }
}

TEST(KnowledgeOutlines, every_outline_has_its_line_count_sections_and_numbered_items)
{
    for (const ChapterShape& shape : kShapes) {
        SCOPED_TRACE(shape.title);
        Lines lines = KnowledgeOutlineLines(shape.chapter);
        EXPECT_EQ(lines.size(), shape.lines);
        ParsedOutline parsed = ParseOutline(lines);
        EXPECT_EQ(parsed.sections, shape.sections);
        EXPECT_EQ(parsed.items, shape.items);
    }
}

TEST(KnowledgeOutlines, every_line_is_one_code_page_936_line_and_no_item_repeats_in_its_section)
{
    for (const ChapterShape& shape : kShapes) {
        SCOPED_TRACE(shape.title);
        std::vector<std::string_view> section_items;
        for (std::string_view line : KnowledgeOutlineLines(shape.chapter)) {
            SCOPED_TRACE(std::string(line));
            EXPECT_TRUE(testing::IsCp936(line));
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
            if (!line.starts_with("   ")) {
                section_items.clear();
                continue;
            }
            // Compare the item texts without their numbers.
            std::string_view text = line.substr(line.find("）"));
            for (std::string_view earlier : section_items)
                EXPECT_NE(text, earlier);
            section_items.push_back(text);
        }
    }
}

TEST(KnowledgeOutlines, chapters_four_and_five_are_the_fixed_outlines)
{
    struct Fixed {
        int chapter;
        Lines expected;
    };
    for (const Fixed& fixed : {Fixed{4, kChapter4}, Fixed{5, kChapter5}}) {
        SCOPED_TRACE(fixed.chapter);
        Lines lines = KnowledgeOutlineLines(fixed.chapter);
        ASSERT_EQ(lines.size(), fixed.expected.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], fixed.expected[i]) << "line " << i + 1;
    }
    // Shown as one text: no break before the first line or after the last.
    std::string text = JoinCrLf(KnowledgeOutlineLines(5));
    EXPECT_TRUE(text.starts_with("  一:共享、修订、批注工作簿\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n   （2）调用宏"));
}

TEST(KnowledgeOutlines, quoted_items_keep_their_places)
{
    struct Quoted {
        int chapter;
        std::string_view before;
        std::string_view item;
        std::string_view after;
    };
    const Quoted quoted[] = {
        {0, "  一:在表格中输入编辑数据", "   （1）输入数值型数据", "   （2）"},
        {2, "   （27）", "   （28）字符个数函数LEN", "  五:公式与函数的常见问题"},
    };
    for (const Quoted& q : quoted) {
        SCOPED_TRACE(std::string(q.item));
        Lines lines = KnowledgeOutlineLines(q.chapter);
        auto it = std::find(lines.begin(), lines.end(), q.item);
        ASSERT_NE(it, lines.end());
        ASSERT_TRUE(it != lines.begin() && it + 1 != lines.end());
        EXPECT_TRUE((it - 1)->starts_with(q.before));
        EXPECT_TRUE((it + 1)->starts_with(q.after));
    }
}

}  // namespace
}  // namespace boxi::banks
