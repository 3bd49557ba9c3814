// Small games built in code for the tests.
#pragma once

#include <filesystem>
#include <string>

namespace annals::testing {

// A generated 24 x 24 island world with two civilizations and the natives; the first
// is played by a person and has a warrior and a settler on land, the second a warrior.
// Returns false when the world has no land (it always has).
bool MakeSmallGame(unsigned seed);

// A new game of the given map size in which every civilization is a computer player.
// Returns false when no world with room for everyone could be made.
bool MakeComputerGame(unsigned seed, int size, int players);

// Plays until the turn counter moves on (a round of every civilization and the end of
// turn), as the all-computer games do. False when the game got stuck or is over.
bool PlayComputerRound();

// A fresh, empty folder of the running test's own: tests run side by side in separate
// processes and must never share one.
std::filesystem::path FreshTempDir(const std::string& name);

} // namespace annals::testing
