// The whole game state as JSON, for the command-line driver and for looking at a game.
#pragma once

#include <string>

namespace annals {

std::string StateToJson();

} // namespace annals
