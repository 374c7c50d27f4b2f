#include "banks/OperationExercises.h"

#include <array>

namespace boxi::banks {

std::span<const OperationExercise* const> OperationExercises()
{
    static const std::array<const OperationExercise*, 10> all = {
        &kExercise301, &kExercise311, &kExercise312, &kExercise321, &kExercise331,
        &kExercise332, &kExercise341, &kExercise342, &kExercise343, &kExercise351,
    };
    return all;
}

int ChapterExerciseCount(int chapter)
{
    static constexpr std::array<int, 6> counts = {1, 2, 1, 2, 3, 1};
    return chapter >= 0 && chapter < 6 ? counts[static_cast<size_t>(chapter)] : 0;
}

}  // namespace boxi::banks
