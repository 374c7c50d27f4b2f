#pragma once

#include <optional>
#include <string>

namespace boxi {

struct Module1;

// Copies the exercises of chapter `chapter` (0 to 5) into OperationTaskText,
// OperationStepsText (slots 1 to k) and OperationTaskCount; any other chapter
// changes nothing.
void LoadChapterExercises(Module1& m, int chapter);

// The Explorer commands of an exercise's folders, from the bank's fixed
// table; nothing for a pair that is not a stored exercise. Chapter 0 has an
// answer folder but no material folder.
std::optional<std::string> ExerciseMaterialCommand(int chapter, int number);
std::optional<std::string> ExerciseAnswerCommand(int chapter, int number);

}  // namespace boxi
