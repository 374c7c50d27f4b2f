#pragma once

#include <string_view>

#include "common/Module1.h"

namespace boxi::banks {

// The choice questions of the exam sets "第1套" to "第20套": for one of those
// names, writes the set's twenty questions into slots 1 to 20 (every field
// but GivenAnswer); for any other name, and for a set not yet in the bank,
// it writes nothing. It empties nothing first.
void WriteExamChoiceSet(QuestionTable& table, std::string_view name);

}  // namespace boxi::banks
