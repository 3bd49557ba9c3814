// Small games built in code for the tests.
#pragma once

namespace annals::testing {

// A generated 24 x 24 island world with two civilizations and the natives; the first
// is played by a person and has a warrior and a settler on land, the second a warrior.
// Returns false when the world has no land (it always has).
bool MakeSmallGame(unsigned seed);

} // namespace annals::testing
