#pragma once

#include "banks/Lines.h"

namespace boxi::banks {

// One chapter operation exercise: its task and its solution steps.
struct OperationExercise {
    int chapter = 0;           // 0 to 5
    int number = 0;            // 1 to the chapter's count
    std::string_view folder;   // "3" + chapter + number, e.g. "311"
    Lines task_lines;
    Lines steps_lines;
};

// Each exercise lives in its own file under exercises/.
extern const OperationExercise kExercise301;
extern const OperationExercise kExercise311;
extern const OperationExercise kExercise312;
extern const OperationExercise kExercise321;
extern const OperationExercise kExercise331;
extern const OperationExercise kExercise332;
extern const OperationExercise kExercise341;
extern const OperationExercise kExercise342;
extern const OperationExercise kExercise343;
extern const OperationExercise kExercise351;

// All ten exercises in chapter and number order.
std::span<const OperationExercise* const> OperationExercises();

// Number of exercises of chapter `chapter`; 0 outside 0 to 5.
int ChapterExerciseCount(int chapter);

}  // namespace boxi::banks
