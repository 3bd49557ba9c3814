// The help screen and the encyclopedia's short texts, which other screens show too.
#pragma once

#include <string>

namespace annals {

// The one-sentence description of an item: kind 1 a unit type 1..35, kind 2 a building
// 1..38, kind 3 a wonder 39..46, kind 4 with number 1 the cornfield. Empty for anything
// else, in the language chosen at start.
std::string ItemDescription(int kind, int number);

} // namespace annals
