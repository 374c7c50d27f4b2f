#include "banks/DrillBank.h"

namespace boxi::banks {

// The written rows, one file per section under drill/.
extern const DrillRows kDrillOverview;
extern const DrillRows kDrillInformation;
extern const DrillRows kDrillHardware;
extern const DrillRows kDrillSoftware;
extern const DrillRows kDrillMultimedia;
extern const DrillRows kDrillViruses;
extern const DrillRows kDrillInternet;
extern const DrillRows kDrillWordInterface;
extern const DrillRows kDrillWordEditing;
extern const DrillRows kDrillWordFormatting;
extern const DrillRows kDrillWordLongDocuments;
extern const DrillRows kDrillWordReview;
extern const DrillRows kDrillWordMailMerge;

namespace {

constexpr auto kFirst = DrillEndMessage::First;
constexpr auto kSecond = DrillEndMessage::Second;

// Built at first use, after every section file's rows are in place.
const std::array<DrillSection, 13>& Sections()
{
    static const std::array<DrillSection, 13> sections = {{
        // chapter  section  count  type check: questions and answers, analyses  end message  keys  rows
        {kDrillChapterBasics, "概述", 20, true, true, kFirst, "CCBAC DBDAA BBACA AABDA", kDrillOverview},
        {kDrillChapterBasics, "信息的表示与存储", 48, true, true, kFirst,
         "DDABC BACAB BABAC DCABA DDBBD AADAC DDCAB DDBAB BDDAD ACC", kDrillInformation},
        {kDrillChapterBasics, "计算机硬件系统", 35, true, true, kFirst, "CACAD DBDCA ACDCB BCAAB DDACD DDBDA CACDB",
         kDrillHardware},
        {kDrillChapterBasics, "计算机软件系统", 20, false, false, kFirst, "CACBA BBAAC AADBC ADACB", kDrillSoftware},
        {kDrillChapterBasics, "多媒体技术简介", 8, false, false, kFirst, "AADAD ADD", kDrillMultimedia},
        {kDrillChapterBasics, "计算机病毒及其防治", 8, false, false, kFirst, "DDBBB DBB", kDrillViruses},
        {kDrillChapterBasics, "Internet基础及应用", 60, false, true, kSecond,
         "DABCA CABCC CDACD CBABA ABCBA BBCBD CCCDB CCCBB CDBBB CADCA DADDC CDADB", kDrillInternet},
        {kDrillChapterWord, "以任务为导向的应用界面", 4, false, false, kSecond, "CBDB", kDrillWordInterface},
        {kDrillChapterWord, "创建并编辑文档", 11, false, false, kSecond, "BCDBD DBCAB C", kDrillWordEditing},
        {kDrillChapterWord, "美化文档外观", 6, true, true, kSecond, "AACCC D", kDrillWordFormatting},
        {kDrillChapterWord, "长文档的编辑与管理", 8, true, true, kSecond, "DCDDD DDC", kDrillWordLongDocuments},
        {kDrillChapterWord, "文档的修订与共享", 2, true, true, kSecond, "BD", kDrillWordReview},
        {kDrillChapterWord, "使用邮件合并技术批量处理文档", 2, true, true, kSecond, "DD", kDrillWordMailMerge},
    }};
    return sections;
}

}  // namespace

std::span<const DrillSection> DrillSections() { return Sections(); }

std::array<std::string_view, 2> DrillChapters() { return {kDrillChapterBasics, kDrillChapterWord}; }

const DrillSection* FindDrillSection(std::string_view chapter, std::string_view section, DrillUse use,
                                     int type_index)
{
    for (const DrillSection& candidate : Sections()) {
        if (candidate.section == section && candidate.chapter == chapter &&
            (!candidate.NeedsFirstType(use) || type_index == 0))
            return &candidate;
    }
    return nullptr;
}

DrillRow DrillQuestion(const DrillSection& section, int number)
{
    if (number < 1 || number > section.count)
        return {};
    for (const DrillRow& row : section.rows) {
        if (row.number == number)
            return row;
    }
    return {.number = number};
}

char DrillKeyLetter(const DrillSection& section, int number)
{
    if (number < 1 || number > section.count)
        return '\0';
    // Every group of five letters is followed by one blank.
    size_t at = static_cast<size_t>(number - 1) + static_cast<size_t>(number - 1) / 5;
    return at < section.keys.size() ? section.keys[at] : '\0';
}

}  // namespace boxi::banks
