// The sound effects, each synthesised by a routine of its own.
#pragma once

#include <string>

namespace annals::sound {

// Writes every named effect as <soundDir>/<name>.wav.
bool WriteSounds(const std::string& soundDir, std::string& error);

} // namespace annals::sound
