// The chronicle: the great events of a game by year (cities founded and taken, wonders,
// first discoveries, wars, treaties, fallen civilizations and the end), gathered as the
// game is played, saved with it and told on the end screen.
#pragma once

#include "state/state.h"

#include <cstdint>
#include <string>

namespace annals {

// Records an event of the current year. A full chronicle takes no more ordinary events;
// a fallen civilization and the end of the game still go in, in place of the last one.
void AddChronicle(int kind, int civ, int other, int32_t detail);

// A city as the chronicle names it: its founder and name index in one number.
int32_t ChronicleCity(const CityData& city);

// The event as one sentence in the chosen language ("The Romans founded Roma.").
std::string ChronicleText(const ChronicleEntry& entry);

// The people's name with a Turkish case ending after it (dative "a", ablative "dan" ...):
// the ending given for a back vowel, its front twin chosen when the name ends in e/i/ö/ü.
std::string TurkishCase(const std::string& name, const char* back, const char* front);

} // namespace annals
