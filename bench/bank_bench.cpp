// Loading a case's texts and each bank lookup, per call: what grows as the
// banks fill up.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "PaintProbe.h"
#include "Results.h"
#include "app/App.h"
#include "banks/AccessBank.h"
#include "banks/CaseBank.h"
#include "banks/DrillBank.h"
#include "banks/ExamChoiceBank.h"
#include "banks/KnowledgeOutlines.h"
#include "banks/OperationExercises.h"
#include "banks/UnitBank.h"
#include "cases/SetLoading.h"
#include "platform/FakePlatform.h"
#include "shell/ChapterExercises.h"

namespace boxi::bench {
namespace {

constexpr std::string_view kCase = "实例8";

void LoadCurrentSetInApp(benchmark::State& state)
{
    platform::FakePlatform fake;
    App app(fake);
    app.Start();
    app.runtime().Run([&] { app.form10.SetCurrentSetName(std::string(kCase)); });
    for (auto _ : state) {
        app.LoadCurrentSet(SetLoadUse::CaseOpening);
        app.set_loader.ReleaseCaseBank();
    }
    if (app.m.Table.QuestionText(banks::kCaseSlot).empty())
        state.SkipWithError("the case wrote no task text");
}

void SetLoaderLoad(benchmark::State& state)
{
    SetLoader loader;
    QuestionTable table;
    for (auto _ : state) {
        loader.Load(table, kCase, SetLoadUse::CaseOpening);
        loader.ReleaseCaseBank();
        benchmark::DoNotOptimize(table);
    }
}

void FindCase(benchmark::State& state, std::string name)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(banks::FindCase(name));
}

// WriteCase relies on emptied buffers, so each call gets a fresh table; the
// copy is left out of the time.
void WriteCase(benchmark::State& state)
{
    const auto blank = std::make_unique<QuestionTable>();
    auto table = std::make_unique<QuestionTable>();
    for (auto _ : state) {
        *table = *blank;
        const std::int64_t start = MonotonicNs();
        banks::WriteCase(*table, kCase);
        const std::int64_t end = MonotonicNs();
        benchmark::DoNotOptimize(*table);
        state.SetIterationTime(static_cast<double>(end - start) * 1e-9);
    }
}

// One set's twenty choice questions into the table, as the choice
// section's entry and the review's load look them up.
void WriteExamChoiceSet(benchmark::State& state, std::string name)
{
    auto table = std::make_unique<QuestionTable>();
    for (auto _ : state) {
        banks::WriteExamChoiceSet(*table, name);
        benchmark::DoNotOptimize(*table);
    }
}

void IsCaseNameLast(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IsCaseName("实例34", 1, 34));
}

// Each chapter in turn, as chapter study shows them.
void OutlineJoined(benchmark::State& state)
{
    int chapter = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(banks::JoinCrLf(banks::KnowledgeOutlineLines(chapter)));
        chapter = (chapter + 1) % banks::kChapterCount;
    }
}

// The last exercise of the table, as the steps window and folders look it up.
void OperationExerciseLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const banks::OperationExercise* found = nullptr;
        for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
            if (exercise->chapter == 5 && exercise->number == 1) {
                found = exercise;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

void ChapterExercisesLoad(benchmark::State& state)
{
    Module1 m;
    for (auto _ : state) {
        LoadChapterExercises(m, 4);
        benchmark::DoNotOptimize(m);
    }
}

void ComposeAccessQuestion(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(banks::ComposeOperationQuestion(banks::OperationType::Basic, "操作题（第22套）"));
}

void ComposeAccessAnswer(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(banks::ComposeReferenceAnswer(banks::OperationType::Comprehensive, "操作题（第13套）"));
}

// The composed question and the reference answer of a set, per type.
void ComposeAccessSet(benchmark::State& state, std::string set)
{
    constexpr banks::OperationType kTypes[] = {banks::OperationType::Basic, banks::OperationType::Simple,
                                               banks::OperationType::Comprehensive};
    for (auto _ : state)
        for (const banks::OperationType type : kTypes) {
            benchmark::DoNotOptimize(banks::ComposeOperationQuestion(type, set));
            benchmark::DoNotOptimize(banks::ComposeReferenceAnswer(type, set));
        }
}

// The drill's three lookups of its last question, as "下一题", an answer and
// "试题评析" make them: the section by its names, then the row or the key.
void DrillQuestionLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const banks::DrillSection* section =
            banks::FindDrillSection(banks::kDrillChapterBasics, "Internet基础及应用", banks::DrillUse::Question, 0);
        benchmark::DoNotOptimize(banks::DrillQuestion(*section, section->count).stem);
    }
}

void DrillKeyLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const banks::DrillSection* section =
            banks::FindDrillSection(banks::kDrillChapterBasics, "Internet基础及应用", banks::DrillUse::Answer, 0);
        benchmark::DoNotOptimize(banks::DrillKeyLetter(*section, section->count));
    }
}

void DrillAnalysisLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const banks::DrillSection* section =
            banks::FindDrillSection(banks::kDrillChapterBasics, "Internet基础及应用", banks::DrillUse::Analysis, 0);
        benchmark::DoNotOptimize(banks::DrillQuestion(*section, section->count).analysis);
    }
}

// One unit's forty questions into slots 1 to 40, as a unit choice loads them.
void WriteUnit(benchmark::State& state, std::string name)
{
    QuestionTable table;
    for (auto _ : state) {
        banks::WriteUnit(table, name);
        benchmark::DoNotOptimize(table);
    }
}

void Register(const std::string& name, void (*fn)(benchmark::State&))
{
    benchmark::RegisterBenchmark(name.c_str(), fn);
    TheResults().bank_order.push_back(name);
}

}  // namespace

void RegisterBankBenchmarks()
{
    Register("App::LoadCurrentSet 实例8", LoadCurrentSetInApp);
    Register("SetLoader::Load 实例8", SetLoaderLoad);
    for (const char* name : {"实例1", "实例8", "实例34", "实例40"}) {
        std::string label = std::string("banks::FindCase ") + name + (std::string_view(name) == "实例40" ? " (none)" : "");
        benchmark::RegisterBenchmark(label.c_str(), FindCase, std::string(name));
        TheResults().bank_order.push_back(label);
    }
    benchmark::RegisterBenchmark("banks::WriteCase 实例8", WriteCase)->UseManualTime();
    TheResults().bank_order.push_back("banks::WriteCase 实例8");
    for (const char* name : {"第1套", "第20套", "第21套"}) {
        std::string label = std::string("banks::WriteExamChoiceSet ") + name + (std::string_view(name) == "第21套" ? " (none)" : "");
        benchmark::RegisterBenchmark(label.c_str(), WriteExamChoiceSet, std::string(name));
        TheResults().bank_order.push_back(label);
    }
    Register("IsCaseName 实例34 of 1..34", IsCaseNameLast);
    Register("KnowledgeOutlineLines+JoinCrLf", OutlineJoined);
    Register("OperationExercises lookup 351", OperationExerciseLookup);
    Register("LoadChapterExercises chapter 4", ChapterExercisesLoad);
    Register("ComposeOperationQuestion basic 22", ComposeAccessQuestion);
    Register("ComposeReferenceAnswer comprehensive 13", ComposeAccessAnswer);
    for (const char* set : {"操作题（第1套）", "操作题（第26套）"}) {
        const std::string label = std::string("Access question and answer, three types, ") + set;
        benchmark::RegisterBenchmark(label.c_str(), ComposeAccessSet, std::string(set));
        TheResults().bank_order.push_back(label);
    }
    Register("Drill question: Internet基础及应用 60", DrillQuestionLookup);
    Register("Drill key: Internet基础及应用 60", DrillKeyLookup);
    Register("Drill analysis: Internet基础及应用 60", DrillAnalysisLookup);
    for (const banks::UnitTexts* unit : banks::Units()) {
        const std::string label = "banks::WriteUnit " + std::string(unit->name);
        benchmark::RegisterBenchmark(label.c_str(), WriteUnit, std::string(unit->name));
        TheResults().bank_order.push_back(label);
    }
}

}  // namespace boxi::bench
