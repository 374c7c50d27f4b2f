#include "shell/ChapterExercises.h"

#include "banks/OperationExercises.h"
#include "common/Conventions.h"
#include "common/Module1.h"

namespace boxi {
namespace {

const banks::OperationExercise* FindExercise(int chapter, int number)
{
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        if (exercise->chapter == chapter && exercise->number == number)
            return exercise;
    }
    return nullptr;
}

constexpr std::string_view kExerciseGroup = "技能练习";

}  // namespace

void LoadChapterExercises(Module1& m, int chapter)
{
    int count = banks::ChapterExerciseCount(chapter);
    if (count == 0)
        return;
    for (int n = 1; n <= count; ++n) {
        const banks::OperationExercise* exercise = FindExercise(chapter, n);
        m.OperationTaskText.Set(n, banks::JoinCrLf(exercise->task_lines));
        m.OperationStepsText.Set(n, banks::JoinCrLf(exercise->steps_lines));
    }
    m.OperationTaskCount = count;
}

std::optional<std::string> ExerciseMaterialCommand(int chapter, int number)
{
    const banks::OperationExercise* exercise = FindExercise(chapter, number);
    if (!exercise || chapter == 0)
        return std::nullopt;
    return ExplorerFolderCommand(MaterialFolder(kExerciseGroup, exercise->folder));
}

std::optional<std::string> ExerciseAnswerCommand(int chapter, int number)
{
    const banks::OperationExercise* exercise = FindExercise(chapter, number);
    if (!exercise)
        return std::nullopt;
    return ExplorerFolderCommand(AnswerFolder(kExerciseGroup, exercise->folder));
}

}  // namespace boxi
